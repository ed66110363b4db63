// Sends made from a thread of their own: the sender goes on, its own windows are served while it pumps.
#include <gtest/gtest.h>
#include "bar/actions/answered_send.h"
#include "bar/actions/background_send.h"

namespace {

constexpr UINT kCounted = WM_APP + 7;
int countedCalls = 0;
DWORD countedThread = 0;
WPARAM countedValue = 0;

LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kCounted) {
        ++countedCalls;
        countedThread = GetCurrentThreadId();
        countedValue = wParam;
        return 1;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND CountingWindow()
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = CountingProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"AnsweredSendTest";
    RegisterClassW(&wc);
    return CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
}

template <typename Done>
bool PumpUntil(Done done, DWORD ms)
{
    const DWORD start = GetTickCount();
    while (!done() && GetTickCount() - start < ms) {
        MsgWaitForMultipleObjectsEx(0, nullptr, 20, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
    }
    return done();
}

// A window on a thread that stops dispatching for a while after it is made.
struct StalledWindow {
    HWND window = nullptr;
    HANDLE made = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE thread = nullptr;
    DWORD threadId = 0;

    static DWORD WINAPI Run(LPVOID parameter)
    {
        StalledWindow* self = static_cast<StalledWindow*>(parameter);
        self->window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        SetEvent(self->made);
        Sleep(1500);
        MSG msg;
        while (GetMessageW(&msg, nullptr, 0, 0) > 0)
            DispatchMessageW(&msg);
        DestroyWindow(self->window);
        return 0;
    }
    StalledWindow() { thread = CreateThread(nullptr, 0, Run, this, 0, &threadId); }
    ~StalledWindow()
    {
        PostThreadMessageW(threadId, WM_QUIT, 0, 0);
        WaitForSingleObject(thread, 5000);
        CloseHandle(thread);
        CloseHandle(made);
    }
};

} // namespace

TEST(AnsweredSend, AWindowOfTheWaitingThreadIsServedWhileItPumpsAndAGoneOneIsNot)
{
    HWND window = CountingWindow();
    ASSERT_TRUE(window);
    countedCalls = 0;
    // Disabled: the application is asking the person something.
    EnableWindow(window, FALSE);
    EXPECT_EQ(SendWhileAnswering(window, kCounted, 42, 0), SendOutcome::AnsweredAfterAsking);
    EXPECT_EQ(countedCalls, 1);
    EXPECT_EQ(countedThread, GetCurrentThreadId());
    EXPECT_EQ(countedValue, 42u);

    // A forgotten send still reaches the window; the next one is answered on its own.
    BackgroundSend send;
    ASSERT_TRUE(send.Start(window, kCounted, 1, 0, INFINITE));
    send.Forget();
    EXPECT_EQ(send.Returned(), nullptr);
    ASSERT_TRUE(send.Start(window, kCounted, 2, 0, INFINITE));
    EXPECT_TRUE(PumpUntil([&] { return send.HasReturned(); }, 2000));
    EXPECT_TRUE(send.Answered());
    EXPECT_TRUE(PumpUntil([] { return countedCalls == 3; }, 2000)) << countedCalls;

    DestroyWindow(window);
    EXPECT_EQ(SendWhileAnswering(window, kCounted, 0, 0), SendOutcome::Gone);
}

TEST(AnsweredSend, AProbeOfAWindowThatStopsDispatchingTimesOutUnanswered)
{
    StalledWindow stalled;
    ASSERT_EQ(WaitForSingleObject(stalled.made, 5000), WAIT_OBJECT_0);
    ASSERT_TRUE(stalled.window);
    BackgroundSend probe;
    const DWORD start = GetTickCount();
    ASSERT_TRUE(probe.Start(stalled.window, WM_NULL, 0, 0, 200));
    EXPECT_FALSE(probe.HasReturned());
    ASSERT_EQ(WaitForSingleObject(probe.Returned(), 1200), WAIT_OBJECT_0);
    EXPECT_LT(GetTickCount() - start, 1200u) << "the timeout, not the stall, ended it";
    EXPECT_FALSE(probe.Answered());

    ASSERT_TRUE(probe.Start(stalled.window, WM_NULL, 0, 0, INFINITE));
    ASSERT_EQ(WaitForSingleObject(probe.Returned(), 5000), WAIT_OBJECT_0);
    EXPECT_TRUE(probe.Answered()) << "answered once it dispatches again";
}
