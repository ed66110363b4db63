// What a user sees on the X display is what the tests read from the screen.
#include <gtest/gtest.h>
#include "tests/kit/device.h"
#include "emulator/lib/screen_capture.h"
#include "emulator/lib/device_paths.h"
#include "emulator/protocol.h"
#include "common/bar_link.h"

using kit::Device;

namespace {

// Pixels where the X display and the screen differ, after waiting (bounded) for the
// X display to catch up with the last paint. Saves both pictures when they differ.
size_t DifferingPixels(Device& device, const std::wstring& name)
{
    const SIZE screen = device.Screen();
    const RECT all{0, 0, screen.cx, screen.cy};
    std::vector<COLORREF> shown, x;
    size_t differing = SIZE_MAX;
    Device::WaitUntil([&] {
        SIZE size{};
        std::string why;
        if (!device.ReadXDisplay(&x, &size, &why)) {
            ADD_FAILURE() << why;
            return true;
        }
        shown = device.ReadScreen(all);
        if (size.cx != screen.cx || size.cy != screen.cy || shown.size() != x.size())
            return false;
        differing = 0;
        for (size_t i = 0; i < x.size(); ++i)
            differing += x[i] != shown[i];
        return differing == 0;
    }, 3000);
    if (differing != 0 && x.size() == size_t(screen.cx) * screen.cy) {
        emu::WritePng(emu::BuildDir() + L"\\e2e\\x-display-" + name + L".png", x, screen.cx, screen.cy);
        device.SavePng(L"screen-" + name + L".png", all);
    }
    return differing;
}

} // namespace

TEST(XDisplay, ShowsWhatTheScreenReadsIdleWithTheStartMenuAndWithTheBarMenu)
{
    Device device;
    ASSERT_TRUE(device.Ready());
    HWND bar = device.StartBar();
    ASSERT_NE(bar, nullptr);
    const int s = device.Scale();
    device.Settle(bar);
    EXPECT_EQ(DifferingPixels(device, L"idle"), 0u);

    device.PressAt(device.Taskbar(), 10 * s, 13 * s);
    ASSERT_NE(device.WaitForShownWindow(emu::kStartMenuClass, nullptr, 2000), nullptr);
    EXPECT_EQ(DifferingPixels(device, L"start-menu"), 0u);
    device.ReleaseAt(device.Taskbar(), 10 * s, 13 * s);
    device.Tap(device.Taskbar(), 10 * s, 13 * s);
    ASSERT_TRUE(device.WaitForNoShownWindow(emu::kStartMenuClass, nullptr, 2000));

    PostMessageW(bar, MSG_SHOW_MENU, 0, 0);
    ASSERT_NE(device.WaitForWindow(L"#32768", nullptr, nullptr, 2000), nullptr);
    EXPECT_EQ(DifferingPixels(device, L"bar-menu"), 0u);
}
