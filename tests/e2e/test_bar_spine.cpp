// The bar program on the emulated device: one copy only, its window, its end.
#include <gtest/gtest.h>
#include "tests/kit/device.h"

using kit::Device;

namespace {

int BarWindowCount(HWND taskbar)
{
    int count = 0;
    for (HWND child = GetWindow(taskbar, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t cls[32];
        if (GetClassNameW(child, cls, 32) && wcscmp(cls, L"VelkisClass") == 0)
            ++count;
    }
    return count;
}

} // namespace

TEST(BarSpine, ASecondCopyOpensTheRunningBarsMenuAndEndsWithOne)
{
    Device device;
    ASSERT_TRUE(device.Ready());
    HWND bar = device.StartBar();
    ASSERT_TRUE(bar);
    EXPECT_EQ(GetParent(bar), device.Taskbar());

    Device::Process second = device.Start(L"\\Program Files\\Velkis\\Velkis.exe");
    // The running bar opens its menu; the second copy waits for the send to return,
    // which it does when the menu closes.
    HWND menu = device.WaitForWindow(L"#32768", nullptr);
    ASSERT_TRUE(menu) << "the running bar did not open its menu";
    // The menu window exists a moment before it is shown.
    EXPECT_TRUE(Device::WaitUntil([&] { return IsWindowVisible(menu) != FALSE; }, 3000));
    EXPECT_EQ(BarWindowCount(device.Taskbar()), 1);

    PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessageW(bar, WM_CANCELMODE, 0, 0);
    bool timedOut = false;
    EXPECT_EQ(device.WaitExit(second, 5000, &timedOut), 1u);
    EXPECT_FALSE(timedOut);
    EXPECT_EQ(BarWindowCount(device.Taskbar()), 1);
}

TEST(BarSpine, ExitEndsWithZeroLeavesTheTaskbarAndTheBarStartsAgain)
{
    Device device;
    ASSERT_TRUE(device.Ready());
    Device::Process first = device.Start(L"\\Program Files\\Velkis\\Velkis.exe");
    HWND bar = device.WaitForWindow(L"VelkisClass", nullptr, device.Taskbar());
    ASSERT_TRUE(bar);
    PostMessageW(bar, WM_COMMAND, 40021, 0);   // "Exit Velkis"
    bool timedOut = false;
    EXPECT_EQ(device.WaitExit(first, 5000, &timedOut), 0u);
    EXPECT_FALSE(timedOut);
    EXPECT_TRUE(IsWindowVisible(device.Taskbar()));
    EXPECT_EQ(BarWindowCount(device.Taskbar()), 0);

    // The single-instance guard went with the process.
    HWND again = device.StartBar();
    ASSERT_TRUE(again);
    EXPECT_EQ(BarWindowCount(device.Taskbar()), 1);
}

TEST(BarSpine, AProgramPathTooLongForItsBufferEndsWithoutAWindow)
{
    Device device;
    ASSERT_TRUE(device.Ready());
    std::wstring folder = L"\\" + std::wstring(70, L'v');
    ASSERT_TRUE(CreateDirectoryW((L"D:" + folder).c_str(), nullptr));
    ASSERT_TRUE(CopyFileW(L"D:\\Program Files\\Velkis\\Velkis.exe", (L"D:" + folder + L"\\Velkis.exe").c_str(), FALSE));
    Device::Process bar = device.Start(folder + L"\\Velkis.exe");
    bool timedOut = false;
    EXPECT_EQ(device.WaitExit(bar, 5000, &timedOut), 0u);
    EXPECT_FALSE(timedOut);
    EXPECT_EQ(BarWindowCount(device.Taskbar()), 0);
    // Nothing was written into a cut folder.
    EXPECT_FALSE(device.FileExists(folder + L"\\config.ini"));
}
