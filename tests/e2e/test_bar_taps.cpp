// Taps on the bar that the system taskbar underneath receives, and the home button.
#include <gtest/gtest.h>
#include "tests/e2e/bar_test_skin.h"
#include "tests/kit/device.h"

using kit::Device;
using namespace bartest;

namespace {

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

// Taps at x on the bar and returns the two messages the taskbar got for it.
std::vector<kit::TapRecord> TapAndCollect(BarDevice& b, int x)
{
    b.device.ClearTaskbarTaps();
    b.device.Tap(b.bar, x, 13 * b.s);
    return WaitForTaps(b.device, 2);
}

void SetShellDword(HKEY root, const wchar_t* value, DWORD data)
{
    HKEY key;
    if (RegCreateKeyExW(root, L"Software\\Microsoft\\Shell", 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) ==
        ERROR_SUCCESS) {
        RegSetValueExW(key, value, 0, REG_DWORD, reinterpret_cast<BYTE*>(&data), sizeof(data));
        RegCloseKey(key);
    }
}

} // namespace

TEST(BarTaps, TheStartButtonPressGoesToTheTaskbarAndItsReleaseDoesNothing)
{
    BarDevice b("0000000");
    ASSERT_TRUE(b.bar);
    b.device.ClearTaskbarTaps();
    b.device.Tap(b.bar, 10 * b.s, 13 * b.s);
    std::vector<kit::TapRecord> taps = WaitForTaps(b.device, 1);
    ASSERT_EQ(taps.size(), 1u);
    EXPECT_EQ(taps[0].msg, static_cast<UINT>(WM_LBUTTONDOWN));
    EXPECT_EQ(taps[0].x, 10 * b.s);
    EXPECT_EQ(taps[0].y, 13 * b.s);
    // Once the taskbar has handled all it was sent, still only the press is there.
    ASSERT_TRUE(b.device.Settle(b.device.Taskbar()));
    EXPECT_EQ(b.device.TaskbarTaps().size(), 1u);
}

TEST(BarTaps, ClockAndConnectionTapsReachTheSystemIconsPlaces)
{
    BarDevice b("1000100");   // connection pair and clock
    ASSERT_TRUE(b.bar);
    int s = b.s;
    // The bar runs on the 240- and 480-pixel screens; the points there are literal.
    ASSERT_EQ(b.right, 240 * s);
    // Today in front, analog clock limited to the Today screen: the system clock is 20 wide.
    SetForegroundWindow(b.device.Today());
    std::vector<kit::TapRecord> taps = TapAndCollect(b, b.right - 2 * s);   // the clock hugs the right edge
    ASSERT_EQ(taps.size(), 2u);
    EXPECT_EQ(taps[0].msg, static_cast<UINT>(WM_LBUTTONDOWN));
    EXPECT_EQ(taps[1].msg, static_cast<UINT>(WM_LBUTTONUP));
    for (const kit::TapRecord& tap : taps) {
        EXPECT_EQ(tap.wParam, 1u);
        EXPECT_EQ(tap.x, s == 1 ? 202 : 404);
        EXPECT_EQ(tap.y, 13 * s);
    }

    // The disconnect button stands left of the clock.
    int x = FindInRow(b.device, 13 * s, b.right, kDisconnect);
    ASSERT_GE(x, 0) << "no disconnect button on the bar";
    taps = TapAndCollect(b, x);
    ASSERT_EQ(taps.size(), 2u);
    EXPECT_EQ(taps[0].x, s == 1 ? 162 : 324);   // without a phone: the signal's place
    EXPECT_EQ(taps[1].x, taps[0].x);

    // With an application in front the system shows no clock: its point lies off-screen.
    ASSERT_TRUE(OpenForegroundApp(b.device, L"App"));
    taps = TapAndCollect(b, b.right - 2 * s);
    ASSERT_EQ(taps.size(), 2u);
    EXPECT_EQ(taps[0].x, -10);
}

TEST(BarTaps, WithoutASystemClockTheClockPointLiesOffScreenAndTheIconsMoveRight)
{
    kit::DeviceOptions options = OptionsWithPhone(true);
    options.state.platformMajor = 4;
    BarDevice b(options, "signal,connection,home,volume,battery,clock,menu,close", "01000100");
    ASSERT_TRUE(b.bar);
    ASSERT_EQ(b.right, 240 * b.s);
    // A digital clock switched off: the system shows no clock at all.
    SetShellDword(HKEY_CURRENT_USER, L"AnalogClock", 0);
    SetShellDword(HKEY_LOCAL_MACHINE, L"TBOpt", 0);

    std::vector<kit::TapRecord> taps = TapAndCollect(b, b.right - 2 * b.s);
    ASSERT_EQ(taps.size(), 2u);
    EXPECT_EQ(taps[0].x, -10);

    int x = FindInRow(b.device, 13 * b.s, b.right, kDisconnect);
    ASSERT_GE(x, 0);
    taps = TapAndCollect(b, x);
    ASSERT_EQ(taps.size(), 2u);
    EXPECT_EQ(taps[0].x, b.s == 1 ? 162 : 324);   // with a phone, no clock width
}

TEST(BarTaps, ReleaseActsOnTheButtonUnderTheStylusAndCloseGoesToTheSystemButton)
{
    BarDevice b("0100001");   // home and close
    ASSERT_TRUE(b.bar);
    int s = b.s;
    HWND app = OpenForegroundApp(b.device, L"App");
    ASSERT_TRUE(app);
    int closeX = b.right - kCloseWidth * s / 2;
    int homeX = b.right - (kCloseWidth + kHomeWidth / 2) * s;
    ASSERT_TRUE(Near(WaitForPixel(b.device, closeX, 13 * s, kClose), kClose));

    // Pressed on close, released on home: home acts, the Today screen comes forward.
    b.device.PressAt(b.bar, closeX, 13 * s);
    b.device.ReleaseAt(b.bar, homeX, 13 * s);
    EXPECT_TRUE(Device::WaitUntil([&] { return GetForegroundWindow() == b.device.Today(); }, 3000));
    EXPECT_TRUE(IsWindow(app));

    // Close on the bar presses the system's close button, which closes the application.
    SetForegroundWindow(app);
    ASSERT_TRUE(Device::WaitUntil([&] { return GetForegroundWindow() == app; }, 3000));
    // A foreground tick enables close for the application again.
    ASSERT_TRUE(Near(WaitForPixel(b.device, closeX, 13 * s, kClose), kClose));
    std::vector<kit::TapRecord> taps = TapAndCollect(b, closeX);
    ASSERT_EQ(taps.size(), 2u);
    EXPECT_EQ(taps[0].x, b.right - 13 * s);
    EXPECT_EQ(taps[0].y, 13 * s);
    EXPECT_EQ(taps[0].wParam, 1u);
    EXPECT_TRUE(b.device.WaitForNoWindow(L"SampleApp", L"App", 3000));
}

TEST(BarTaps, ATapThatClosesTheMenuDoesNothingOnRelease)
{
    BarDevice b("0100010");   // home and menu
    ASSERT_TRUE(b.bar);
    int s = b.s;
    ASSERT_TRUE(OpenForegroundApp(b.device, L"App"));
    int menuX = b.right - kMenuWidth * s / 2;
    int homeX = b.right - (kMenuWidth + kHomeWidth / 2) * s;

    b.device.Tap(b.bar, menuX, 13 * s);
    HWND menu = b.device.WaitForWindow(L"#32768", nullptr);
    ASSERT_TRUE(menu);
    ASSERT_TRUE(Device::WaitUntil([&] { return IsWindowVisible(menu) != FALSE; }, 3000));

    // The tap on home only closes the menu: the Today screen does not come forward.
    b.device.Tap(b.bar, homeX, 13 * s);
    EXPECT_TRUE(Device::WaitUntil([&] { return !IsWindowVisible(menu); }, 3000));
    ASSERT_TRUE(b.device.Settle(b.bar));   // the release has been handled
    EXPECT_NE(GetForegroundWindow(), b.device.Today());

    // The next tap on home acts again.
    b.device.Tap(b.bar, homeX, 13 * s);
    EXPECT_TRUE(Device::WaitUntil([&] { return GetForegroundWindow() == b.device.Today(); }, 3000));
}
