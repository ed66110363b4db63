// Taps on the bar that the system taskbar underneath receives, and the home button.
#include <gtest/gtest.h>
#include "tests/e2e/bar_test_skin.h"
#include "tests/kit/device.h"

using kit::Device;
using namespace bartest;

namespace {

constexpr const char* kFullOrder = "connection,home,volume,battery,clock,menu,close";

// The taps the bar forwarded, waiting (bounded) until count of them arrived.
std::vector<kit::TapRecord> WaitForTaps(Device& device, size_t count)
{
    std::vector<kit::TapRecord> taps;
    Device::WaitUntil([&] {
        taps = device.TaskbarTaps();
        return taps.size() >= count;
    }, 3000);
    return taps;
}

} // namespace

TEST(BarTaps, TheStartButtonPressGoesToTheTaskbarAndItsReleaseDoesNothing)
{
    kit::DeviceOptions options;
    options.phone = false;
    Device device(options);
    ASSERT_TRUE(device.Ready());
    ASSERT_TRUE(InstallTestSkin(device, kFullOrder, "0000000"));
    HWND bar = device.StartBar();
    ASSERT_TRUE(bar);
    int s = device.Scale();
    device.ClearTaskbarTaps();
    device.Tap(bar, 10 * s, 13 * s);
    std::vector<kit::TapRecord> taps = WaitForTaps(device, 1);
    ASSERT_EQ(taps.size(), 1u);
    EXPECT_EQ(taps[0].msg, static_cast<UINT>(WM_LBUTTONDOWN));
    EXPECT_EQ(taps[0].x, 10 * s);
    EXPECT_EQ(taps[0].y, 13 * s);
    Sleep(200);
    EXPECT_EQ(device.TaskbarTaps().size(), 1u);
}

TEST(BarTaps, ClockAndConnectionTapsReachTheSystemIconsPlaces)
{
    kit::DeviceOptions options;
    options.phone = false;
    Device device(options);
    ASSERT_TRUE(device.Ready());
    ASSERT_TRUE(InstallTestSkin(device, kFullOrder, "1000100"));   // connection pair and clock
    HWND bar = device.StartBar();
    ASSERT_TRUE(bar);
    int s = device.Scale();
    int right = device.Screen().cx;
    // Today in front, analog clock limited to the Today screen: the system clock is 20 wide.
    SetForegroundWindow(device.Today());
    int clockX = right - 10 * s - 28 * s;
    int connectionX = right - 30 * s - 20 * s - 28 * s;

    device.ClearTaskbarTaps();
    device.Tap(bar, right - 2 * s, 13 * s);   // the bar's clock hugs the right edge
    std::vector<kit::TapRecord> taps = WaitForTaps(device, 2);
    ASSERT_EQ(taps.size(), 2u);
    EXPECT_EQ(taps[0].msg, static_cast<UINT>(WM_LBUTTONDOWN));
    EXPECT_EQ(taps[1].msg, static_cast<UINT>(WM_LBUTTONUP));
    for (const kit::TapRecord& tap : taps) {
        EXPECT_EQ(tap.wParam, 1u);
        EXPECT_EQ(tap.x, clockX);
        EXPECT_EQ(tap.y, 13 * s);
    }

    // The disconnect button stands left of the clock; find it by its colour.
    int x = -1;
    std::vector<COLORREF> row = device.ReadScreen(RECT{0, 13 * s, right, 13 * s + 1});
    for (int i = right - 1; i >= 0; --i)
        if (Near(row[i], kDisconnect)) { x = i; break; }
    ASSERT_GE(x, 0) << "no disconnect button on the bar";
    device.ClearTaskbarTaps();
    device.Tap(bar, x, 13 * s);
    taps = WaitForTaps(device, 2);
    ASSERT_EQ(taps.size(), 2u);
    EXPECT_EQ(taps[0].x, connectionX);
    EXPECT_EQ(taps[1].x, connectionX);

    // With an application in front the system shows no clock: its point lies off-screen.
    HWND app = device.OpenSampleWindow(L"App", L"SampleApp", WS_POPUP | WS_VISIBLE, 0);
    ASSERT_TRUE(app);
    SetForegroundWindow(app);
    device.ClearTaskbarTaps();
    device.Tap(bar, right - 2 * s, 13 * s);
    taps = WaitForTaps(device, 2);
    ASSERT_EQ(taps.size(), 2u);
    EXPECT_EQ(taps[0].x, -10);
}

TEST(BarTaps, ReleaseActsOnTheButtonUnderTheStylusAndCloseGoesToTheSystemButton)
{
    kit::DeviceOptions options;
    options.phone = false;
    Device device(options);
    ASSERT_TRUE(device.Ready());
    ASSERT_TRUE(InstallTestSkin(device, kFullOrder, "0100001"));   // home and close
    HWND bar = device.StartBar();
    ASSERT_TRUE(bar);
    int s = device.Scale();
    int right = device.Screen().cx;
    HWND app = device.OpenSampleWindow(L"App", L"SampleApp", WS_POPUP | WS_VISIBLE, 0);
    ASSERT_TRUE(app);
    SetForegroundWindow(app);
    int closeX = right - kCloseWidth * s / 2;
    int homeX = right - (kCloseWidth + kHomeWidth / 2) * s;
    ASSERT_TRUE(Near(WaitForPixel(device, closeX, 13 * s, kClose), kClose));

    // Pressed on close, released on home: home acts, the Today screen comes forward.
    device.PressAt(bar, closeX, 13 * s);
    device.ReleaseAt(bar, homeX, 13 * s);
    EXPECT_TRUE(Device::WaitUntil([&] { return GetForegroundWindow() == device.Today(); }, 3000));
    EXPECT_TRUE(IsWindow(app));

    // Close on the bar presses the system's close button, which closes the application.
    SetForegroundWindow(app);
    ASSERT_TRUE(Device::WaitUntil([&] { return GetForegroundWindow() == app; }, 3000));
    Sleep(500);   // one foreground tick: close is enabled for the application
    device.ClearTaskbarTaps();
    device.Tap(bar, closeX, 13 * s);
    std::vector<kit::TapRecord> taps = WaitForTaps(device, 2);
    ASSERT_EQ(taps.size(), 2u);
    EXPECT_EQ(taps[0].x, right - 13 * s);
    EXPECT_EQ(taps[0].y, 13 * s);
    EXPECT_EQ(taps[0].wParam, 1u);
    EXPECT_TRUE(device.WaitForNoWindow(L"SampleApp", L"App", 3000));
}

TEST(BarTaps, ATapThatClosesTheMenuDoesNothingOnRelease)
{
    kit::DeviceOptions options;
    options.phone = false;
    Device device(options);
    ASSERT_TRUE(device.Ready());
    ASSERT_TRUE(InstallTestSkin(device, kFullOrder, "0100010"));   // home and menu
    HWND bar = device.StartBar();
    ASSERT_TRUE(bar);
    int s = device.Scale();
    int right = device.Screen().cx;
    HWND app = device.OpenSampleWindow(L"App", L"SampleApp", WS_POPUP | WS_VISIBLE, 0);
    ASSERT_TRUE(app);
    SetForegroundWindow(app);
    ASSERT_TRUE(Device::WaitUntil([&] { return GetForegroundWindow() == app; }, 3000));
    int menuX = right - kMenuWidth * s / 2;
    int homeX = right - (kMenuWidth + kHomeWidth / 2) * s;

    device.Tap(bar, menuX, 13 * s);
    HWND menu = device.WaitForWindow(L"#32768", nullptr);
    ASSERT_TRUE(menu);
    ASSERT_TRUE(Device::WaitUntil([&] { return IsWindowVisible(menu) != FALSE; }, 3000));

    // The tap on home only closes the menu: the Today screen does not come forward.
    device.Tap(bar, homeX, 13 * s);
    EXPECT_TRUE(Device::WaitUntil([&] { return !IsWindowVisible(menu); }, 3000));
    Sleep(300);
    EXPECT_NE(GetForegroundWindow(), device.Today());

    // The next tap on home acts again.
    device.Tap(bar, homeX, 13 * s);
    EXPECT_TRUE(Device::WaitUntil([&] { return GetForegroundWindow() == device.Today(); }, 3000));
}

TEST(BarTaps, WithoutASystemClockTheClockPointLiesOffScreenAndTheIconsMoveRight)
{
    kit::DeviceOptions options;
    options.phone = true;
    options.state.platformMajor = 4;
    Device device(options);
    ASSERT_TRUE(device.Ready());
    // A digital clock switched off: the system shows no clock at all.
    HKEY key;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Shell", 0, nullptr, 0, KEY_WRITE, nullptr,
                              &key, nullptr), ERROR_SUCCESS);
    DWORD zero = 0;
    RegSetValueExW(key, L"AnalogClock", 0, REG_DWORD, reinterpret_cast<BYTE*>(&zero), sizeof(zero));
    RegCloseKey(key);
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Shell", 0, nullptr, 0, KEY_WRITE, nullptr,
                              &key, nullptr), ERROR_SUCCESS);
    RegSetValueExW(key, L"TBOpt", 0, REG_DWORD, reinterpret_cast<BYTE*>(&zero), sizeof(zero));
    RegCloseKey(key);

    ASSERT_TRUE(InstallTestSkin(device, "signal,connection,home,volume,battery,clock,menu,close", "01000100"));
    HWND bar = device.StartBar();
    ASSERT_TRUE(bar);
    int s = device.Scale();
    int right = device.Screen().cx;
    device.ClearTaskbarTaps();
    device.Tap(bar, right - 2 * s, 13 * s);
    std::vector<kit::TapRecord> taps = WaitForTaps(device, 2);
    ASSERT_EQ(taps.size(), 2u);
    EXPECT_EQ(taps[0].x, -10);

    int x = -1;
    std::vector<COLORREF> row = device.ReadScreen(RECT{0, 13 * s, right, 13 * s + 1});
    for (int i = right - 1; i >= 0; --i)
        if (Near(row[i], kDisconnect)) { x = i; break; }
    ASSERT_GE(x, 0);
    device.ClearTaskbarTaps();
    device.Tap(bar, x, 13 * s);
    taps = WaitForTaps(device, 2);
    ASSERT_EQ(taps.size(), 2u);
    EXPECT_EQ(taps[0].x, right - 50 * s - 28 * s);   // with a phone, no clock width
}
