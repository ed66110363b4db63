// The bar window in this process, over a stand-in taskbar: creation, timers, foreground, reload.
#include <gtest/gtest.h>
#include <vector>
#include "bar/layout/bar_state.h"
#include "bar/core/bar_window.h"
#include "bar/core/foreground.h"
#include "bar/core/startup.h"
#include "platform/shell_windows.h"
#include "tests/unit/fake_taskbar.h"

namespace {

// Pumps this thread's messages until a tick of the timer reaches window, at most
// milliseconds; whether one came.
bool PumpUntilTick(HWND window, UINT_PTR timerId, DWORD milliseconds)
{
    DWORD end = GetTickCount() + milliseconds;
    while (static_cast<int>(end - GetTickCount()) > 0) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            bool tick = msg.message == WM_TIMER && msg.hwnd == window && msg.wParam == timerId;
            if (msg.message != WM_QUIT)
                DispatchMessageW(&msg);
            if (tick)
                return true;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return false;
}

class BarWindowTest : public ::testing::Test {
protected:
    FakeTaskbar taskbar;
    void SetUp() override
    {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        wcsncpy(programFolder, temp, kProgramPathCapacity - 1);
        programFolder[wcslen(programFolder) - 1] = L'\0';   // no trailing backslash
        ScaleFactor = 1;
        lastForegroundWindow = nullptr;
        ASSERT_TRUE(CreateBarWindow(GetModuleHandleW(nullptr), SW_SHOWNOACTIVATE));
    }
    void TearDown() override
    {
        DestroyWindow(barWindow);
        barWindow = nullptr;
        PumpUntilTick(nullptr, 0, 50);
        UnregisterClassW(kBarClassName, GetModuleHandleW(nullptr));
    }
};

} // namespace

TEST(Foreground, WorkerWindowsAndUnchangedWindowsAreNotFollowed)
{
    HWND a = reinterpret_cast<HWND>(0x1000), b = reinterpret_cast<HWND>(0x2000);
    EXPECT_FALSE(ShouldFollowForeground(b, L"Worker", a));
    EXPECT_FALSE(ShouldFollowForeground(a, L"Dialog", a));
    EXPECT_TRUE(ShouldFollowForeground(b, L"Dialog", a));
    EXPECT_TRUE(ShouldFollowForeground(b, L"worker", a));   // comparisons are exact
    EXPECT_TRUE(ShouldFollowForeground(nullptr, L"", a));
}

TEST_F(BarWindowTest, IsAPlainVisibleChildOfTheTaskbar)
{
    EXPECT_EQ(GetParent(barWindow), taskbar.window);
    EXPECT_EQ(FindRunningBar(), barWindow);
    LONG style = GetWindowLongW(barWindow, GWL_STYLE);
    EXPECT_EQ(static_cast<DWORD>(style) & ~static_cast<DWORD>(WS_CLIPSIBLINGS), BarWindowStyle());
    EXPECT_EQ(GetWindowLongW(barWindow, GWL_EXSTYLE) & ~WS_EX_NOPARENTNOTIFY, 0);
    EXPECT_NE(updateMessageId, 0u);
    EXPECT_EQ(updateMessageId, RegisterWindowMessageW(L"Velkis_UpdateNotify"));
}

TEST_F(BarWindowTest, ForegroundTimerTicksBeforeAndAfterAReload)
{
    // Bounded waits for a tick, not measures of the period.
    EXPECT_TRUE(PumpUntilTick(barWindow, TIMER_FOREGROUND, 5000));
    EXPECT_EQ(SendMessageW(barWindow, updateMessageId, 0, 0), 0);
    EXPECT_TRUE(PumpUntilTick(barWindow, TIMER_FOREGROUND, 5000));
}

TEST_F(BarWindowTest, FollowsTheForegroundWindowButNotWorkers)
{
    FakeWindowClass workerClass(L"Worker");
    FakeWindowClass appClass(L"SampleApp");
    HWND app = CreateWindowExW(0, L"SampleApp", L"Notes", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 30, 200, 200,
                               nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(app);
    SendMessageW(barWindow, WM_TIMER, TIMER_FOREGROUND, 0);
    EXPECT_EQ(lastForegroundWindow, app);

    HWND worker = CreateWindowExW(0, L"Worker", L"w", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 30, 200, 200,
                                  nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(worker);
    ASSERT_EQ(GetForegroundWindow(), worker);
    SendMessageW(barWindow, WM_TIMER, TIMER_FOREGROUND, 0);
    EXPECT_EQ(lastForegroundWindow, app);

    DestroyWindow(worker);
    DestroyWindow(app);
}

TEST_F(BarWindowTest, ClosingTheWindowPostsQuitWithCodeZero)
{
    SendMessageW(barWindow, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(barWindow));
    MSG msg;
    bool quit = false;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            quit = true;
            EXPECT_EQ(msg.wParam, 0u);
        } else {
            DispatchMessageW(&msg);   // paint messages stay until handled
        }
    }
    EXPECT_TRUE(quit);
    EXPECT_TRUE(IsWindow(taskbar.window));
}

TEST(BarWindowWithoutTaskbar, CreationFailsAndNoWindowIsLeft)
{
    ASSERT_EQ(FindWindowW(L"HHTaskBar", nullptr), nullptr);
    barWindow = nullptr;
    EXPECT_FALSE(CreateBarWindow(GetModuleHandleW(nullptr), SW_SHOWNOACTIVATE));
    EXPECT_EQ(barWindow, nullptr);
    EXPECT_EQ(FindWindowW(kBarClassName, nullptr), nullptr);
    UnregisterClassW(kBarClassName, GetModuleHandleW(nullptr));
}
