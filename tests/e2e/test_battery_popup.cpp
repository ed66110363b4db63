// The battery/memory popup on the device: place, size, usage bars and closing.
#include <gtest/gtest.h>
#include "tests/e2e/bar_test_skin.h"
#include "tests/kit/device.h"

using kit::Device;
using namespace bartest;

namespace {

constexpr const char* kBatteryOnly = "0001000";   // Display: battery/memory alone

// Two cards; memory three quarters used, storage one quarter used.
kit::DeviceOptions TwoCards()
{
    kit::DeviceOptions options = OptionsWithPhone(false);
    options.state.memoryTotal = 64ull << 20;
    options.state.memoryFree = 16ull << 20;
    options.state.storageTotal = 128ull << 20;
    options.state.storageFree = 96ull << 20;
    options.state.cards = {{L"SD Card", 1024ull << 20, 1024ull << 20}, {L"Storage Card", 512ull << 20, 0}};
    return options;
}

HWND OpenBattery(BarDevice& b)
{
    b.device.Tap(b.bar, b.right - kBatteryWidth * b.s / 2, 13 * b.s);
    return b.device.WaitForWindow(L"#32770", L"Battery/Memory");
}

} // namespace

TEST(BatteryPopup, OpensBelowTheBarSizedForTwoCards)
{
    BarDevice b(TwoCards(), kFullOrder, kBatteryOnly);
    ASSERT_TRUE(b.bar);
    HWND popup = OpenBattery(b);
    ASSERT_TRUE(popup);
    int s = b.s;
    RECT r;
    GetWindowRect(popup, &r);
    EXPECT_EQ(r.left, 20 * s);
    EXPECT_EQ(r.top, 26 * s);
    EXPECT_EQ(r.right - r.left, kBatteryPopupWidth * s);
    EXPECT_EQ(r.bottom - r.top, 165 * s);
    EXPECT_TRUE(Device::WaitUntil([&] { return GetForegroundWindow() == popup; }, 3000));
    COLORREF seen = WaitForPixel(b.device, 150 * s, 32 * s, kBatteryPopup);
    EXPECT_TRUE(Near(seen, kBatteryPopup)) << std::hex << seen;
    b.device.SavePng(L"battery_popup.png", RECT{0, 0, b.right, 26 * s + 200 * s});
}
