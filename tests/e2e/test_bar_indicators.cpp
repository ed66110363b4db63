// The indicators follow the device: mute, connection and the line service's use.
#include <gtest/gtest.h>
#include "tests/e2e/bar_test_skin.h"
#include "tests/kit/device.h"
#include "emulator/lib/clock_width.h"
#include "emulator/lib/taskbar_layout.h"
#include "emulator/lib/device_paths.h"
#include "emulator/protocol.h"
#include "bar/layout/bar_state.h"

using kit::Device;
using namespace bartest;

namespace {

// One status tick, handled: what the bar shows afterwards is that tick's work.
void StatusTick(Device& device, HWND bar)
{
    PostMessageW(bar, WM_TIMER, TIMER_STATUS, 0);
    device.Settle(bar);
}

// Whether the bar's row shows colour, waiting (bounded) for a paint still on its way;
// a check for absence follows one for presence, after the paint has arrived.
bool Shows(BarDevice& b, COLORREF colour)
{
    return Device::WaitUntil([&] { return FindInRow(b.device, 13 * b.s, b.right, colour) >= 0; }, 2000);
}

DWORD TelephonyInits()
{
    DWORD count = 0;
    ReadDeviceDword(device_value::TelephonyInitCount, &count);
    return count;
}

// Taps the system taskbar's volume icon, then the bubble it opens (which mutes or unmutes).
void TapShellVolume(Device& device)
{
    const int s = device.Scale();
    const emu::TaskbarLayout l = emu::ComputeTaskbarLayout(
        device.Screen().cx, s, emu::CurrentSystemClockWidth(device.Taskbar(), s), false);
    device.Tap(device.Taskbar(), (l.volume.left + l.volume.right) / 2, 13 * s);
    HWND bubble = device.WaitForShownWindow(emu::kBubbleClass, emu::kVolumeBubble, 2000);
    ASSERT_NE(bubble, nullptr);
    device.Tap(bubble, 5, 5);
    ASSERT_TRUE(device.WaitForNoShownWindow(emu::kBubbleClass, emu::kVolumeBubble, 2000));
}

} // namespace

TEST(BarIndicators, MuteShowsExactlyWhileTheDeviceVolumeIsZero)
{
    BarDevice b("1111111");
    ASSERT_TRUE(b.bar);
    EXPECT_TRUE(Shows(b, kVolume));

    TapShellVolume(b.device);   // the shell's own volume control mutes the device
    StatusTick(b.device, b.bar);
    EXPECT_TRUE(Shows(b, kMute));
    EXPECT_LT(FindInRow(b.device, 13 * b.s, b.right, kVolume), 0);

    ASSERT_TRUE(WriteDeviceDword(device_value::WaveVolume, 0x00010000));   // right channel barely on
    StatusTick(b.device, b.bar);
    EXPECT_TRUE(Shows(b, kVolume));
    EXPECT_LT(FindInRow(b.device, 13 * b.s, b.right, kMute), 0);
}

TEST(BarIndicators, APairSwitchedOffStaysOffAndAnAbsentManagerMeansDisconnected)
{
    kit::DeviceOptions options;
    options.phone = false;
    options.state.connection = ConnectionAnswer::Connected;
    options.state.waveVolume = 0;
    {
        BarDevice b(options, kFullOrder, "1101111");   // volume off
        ASSERT_TRUE(b.bar);
        StatusTick(b.device, b.bar);
        EXPECT_TRUE(Shows(b, kConnection));
        EXPECT_LT(FindInRow(b.device, 13 * b.s, b.right, kMute), 0) << "the Display setting switched the pair off";
        EXPECT_LT(FindInRow(b.device, 13 * b.s, b.right, kVolume), 0);
    }
    // A connected device without its connection manager.
    Device device(options);
    ASSERT_TRUE(device.Ready());
    ASSERT_TRUE(InstallTestSkin(device, kFullOrder, "1111111"));
    ASSERT_TRUE(DeleteFileW((emu::DevicePath(emu::kWindowsDir) + L"\\cellcore.dll").c_str()));
    ASSERT_TRUE(device.StartBar());
    const int s = device.Scale(), right = device.Screen().cx;
    EXPECT_TRUE(Near(WaitForPixel(device, right - 1, 13 * s, kClose), kClose));
    EXPECT_GE(FindInRow(device, 13 * s, right, kDisconnect), 0);
    EXPECT_LT(FindInRow(device, 13 * s, right, kConnection), 0);
}

TEST(BarIndicators, WithoutAPhoneTheLineServiceIsNeverAskedAgain)
{
    for (bool phone : {true, false}) {
        SCOPED_TRACE(phone ? "phone" : "no phone");
        BarDevice b("1111111", phone);
        ASSERT_TRUE(b.bar);
        StatusTick(b.device, b.bar);
        const DWORD before = TelephonyInits();
        EXPECT_GE(before, 1u) << "the start-up test asks once";
        StatusTick(b.device, b.bar);
        StatusTick(b.device, b.bar);
        // Two ticks with a phone walk the lines at least twice (a timer tick may add one).
        if (phone)
            EXPECT_GE(TelephonyInits() - before, 2u);
        else
            EXPECT_EQ(TelephonyInits(), before);
    }
}

TEST(BarIndicators, WineOwnLineServiceMeansNoPhone)
{
    Device device;   // a device whose state has a cellular line
    ASSERT_TRUE(device.Ready());
    ASSERT_TRUE(DeleteFileW((emu::DevicePath(emu::kWindowsDir) + L"\\tapi32.dll").c_str()));
    ASSERT_TRUE(device.StartBar());
    std::string config;
    Device::WaitUntil([&] {
        config = device.ReadFile(L"\\Program Files\\Velkis\\config.ini");
        return config.find("Display=") != std::string::npos;
    }, 3000);
    // The first start writes the defaults beside the program.
    EXPECT_NE(config.find("Theme File=D:\\Program Files\\Velkis\\Themes\\Default\\barconfin.skin\n"), std::string::npos)
        << config;
    EXPECT_NE(config.find("Order=connection,home,volume,battery,clock,menu,close\n"), std::string::npos) << config;
    EXPECT_EQ(TelephonyInits(), 0u);
}
