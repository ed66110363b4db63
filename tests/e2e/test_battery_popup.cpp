// The battery/memory popup on the device: place, size, usage bars and closing.
#include <gtest/gtest.h>
#include "tests/e2e/bar_test_skin.h"
#include "tests/kit/device.h"
#include <algorithm>

using kit::Device;
using namespace bartest;

namespace {

constexpr const char* kBatteryOnly = "0001000";   // Display: battery/memory alone
constexpr COLORREF kUsageFrame = RGB(0, 128, 255);
constexpr COLORREF kUsageFill = RGB(38, 245, 38);

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
    return OpenPopup(b, b.right - kBatteryWidth * b.s / 2, L"Battery/Memory");
}

// The popup's client origin on the screen.
POINT OriginOf(HWND popup)
{
    POINT origin{0, 0};
    ClientToScreen(popup, &origin);
    return origin;
}

} // namespace

TEST(BatteryPopup, OpensBelowTheBarSizedForTwoCardsWithItsUsageBars)
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

    const POINT origin = OriginOf(popup);
    // The memory bar's line runs from 50 to 65 (x 5 to 195); its frame from 52 to
    // 63; three quarters filled, from x 6 to 147 (294 at scale 2), rows 53 to 62.
    const int fillRight = s == 1 ? 147 : 294;
    auto at = [&](int x, int y) { return b.device.Pixel(origin.x + x, origin.y + y); };
    ASSERT_TRUE(Near(WaitForPixel(b.device, origin.x + 7 * s, origin.y + 58 * s, kUsageFill), kUsageFill));
    EXPECT_TRUE(Near(at(100 * s, 52 * s), kUsageFrame));
    EXPECT_TRUE(Near(at(100 * s, 63 * s), kUsageFrame));
    EXPECT_TRUE(Near(at(5 * s, 58 * s), kUsageFrame));
    EXPECT_TRUE(Near(at(195 * s, 58 * s), kUsageFrame));
    EXPECT_TRUE(Near(at(fillRight - 1, 58 * s), kUsageFill));
    EXPECT_TRUE(Near(at(fillRight + 1, 58 * s), kBatteryPopup));
    EXPECT_TRUE(Near(at(fillRight - 1, 53 * s), kUsageFill));
    EXPECT_TRUE(Near(at(fillRight - 1, 62 * s), kUsageFill));
    // The image's black quarter is left out: what lies behind shows through. The
    // heading's row holds no text that far right, whatever the font.
    EXPECT_FALSE(Near(at(185 * s, 10 * s), RGB(0, 0, 0)));
}

TEST(BatteryPopup, ATapOnTheBarOnlyClosesItAndTheNextOneOpensItAgain)
{
    BarDevice b(TwoCards(), kFullOrder, "0101000");   // home and battery/memory
    ASSERT_TRUE(b.bar);
    // An application in front: closing the popup hands the foreground back to it.
    ASSERT_TRUE(OpenForegroundApp(b.device, L"App"));
    ASSERT_TRUE(OpenBattery(b));
    int homeX = b.right - (kBatteryWidth + kHomeWidth / 2) * b.s;
    b.device.Tap(b.bar, homeX, 13 * b.s);
    EXPECT_TRUE(b.device.WaitForNoWindow(L"#32770", L"Battery/Memory", 3000));
    Sleep(300);
    EXPECT_NE(GetForegroundWindow(), b.device.Today());
    // The second tap on the battery button closes it and opens nothing.
    ASSERT_TRUE(OpenBattery(b));
    b.device.Tap(b.bar, b.right - kBatteryWidth * b.s / 2, 13 * b.s);
    EXPECT_TRUE(b.device.WaitForNoWindow(L"#32770", L"Battery/Memory", 3000));
    Sleep(300);
    EXPECT_FALSE(FindWindowW(L"#32770", L"Battery/Memory"));
    EXPECT_TRUE(OpenBattery(b));
}

TEST(BatteryPopup, AnotherApplicationInFrontClosesItWithinOneTick)
{
    BarDevice b(TwoCards(), kFullOrder, kBatteryOnly);
    ASSERT_TRUE(b.bar);
    ASSERT_TRUE(OpenBattery(b));
    HWND app = OpenForegroundApp(b.device, L"App");
    ASSERT_TRUE(app);
    DWORD start = GetTickCount();
    EXPECT_TRUE(b.device.WaitForNoWindow(L"#32770", L"Battery/Memory", 3000));
    // One tick is 400 ms before the first reload; allow for a loaded machine.
    EXPECT_LT(GetTickCount() - start, 1500u);
}

TEST(BatteryPopup, WithoutTheSkinsImageItKeepsItsTemplateWidth)
{
    BarDevice b(TwoCards(), kFullOrder, kBatteryOnly, [](Device& device) {
        device.WriteFile(L"\\Program Files\\Velkis\\Themes\\Test\\popup_battery.bmp", "");
    });
    ASSERT_TRUE(b.bar);
    HWND popup = OpenBattery(b);
    ASSERT_TRUE(popup);
    RECT r;
    GetWindowRect(popup, &r);
    EXPECT_GE(r.right - r.left, 112 * b.s);   // 112 dialog units are wider than 112 pixels
    EXPECT_EQ(r.bottom - r.top, 165 * b.s);
}

TEST(BatteryPopup, FullBarsFillTheInsideOfTheirFrameAndEmptyOnesNothing)
{
    kit::DeviceOptions options = TwoCards();
    options.state.memoryFree = 0;
    options.state.storageFree = options.state.storageTotal;
    BarDevice b(options, kFullOrder, kBatteryOnly);
    ASSERT_TRUE(b.bar);
    HWND popup = OpenBattery(b);
    ASSERT_TRUE(popup);
    const int s = b.s;
    const POINT origin = OriginOf(popup);
    auto at = [&](int x, int y) { return b.device.Pixel(origin.x + x, origin.y + y); };
    // The memory bar's one-pixel frame: columns 5 and 195, rows 52 and 63 (times the scale).
    const int left = 5 * s, right = 195 * s, top = 52 * s, bottom = 63 * s, middle = 58 * s;
    ASSERT_TRUE(Near(WaitForPixel(b.device, origin.x + 100 * s, origin.y + middle, kUsageFill), kUsageFill));
    EXPECT_TRUE(Near(at(right, middle), kUsageFrame));
    EXPECT_TRUE(Near(at(right - 1, middle), kUsageFill)) << "the inner right column";
    EXPECT_TRUE(Near(at(left + 1, middle), kUsageFill)) << "the inner left column";
    EXPECT_TRUE(Near(at(100 * s, top + 1), kUsageFill)) << "the inner top row";
    EXPECT_TRUE(Near(at(100 * s, bottom - 1), kUsageFill)) << "the inner bottom row";
    // Internal storage, empty: its frame (rows 82 to 93) holds nothing.
    EXPECT_TRUE(Near(at(left + 1, 88 * s), kBatteryPopup));
    EXPECT_TRUE(Near(at(100 * s, 83 * s), kBatteryPopup));
}

TEST(BatteryPopup, ThirtyCardsStayOnTheScreenAndALongNameStopsBeforeItsValue)
{
    // All full, so each card shown has a filled bar; the second card's name is 120
    // long. The device lists cards by name.
    kit::DeviceOptions options = TwoCards();
    options.state.cards = {{L"Card01", 64ull << 20, 0}, {L"Card02" + std::wstring(114, L'W'), 64ull << 20, 0}};
    for (int i = 3; i <= 30; ++i)
        options.state.cards.push_back({(i < 10 ? L"Card0" : L"Card") + std::to_wstring(i), 64ull << 20, 0});
    BarDevice b(options, kFullOrder, kBatteryOnly);
    ASSERT_TRUE(b.bar);
    HWND popup = OpenBattery(b);
    ASSERT_TRUE(popup);
    const int s = b.s;
    const POINT origin = OriginOf(popup);
    RECT r;
    GetWindowRect(popup, &r);
    EXPECT_LE(r.bottom, b.device.Screen().cy);
    EXPECT_GT(r.bottom + 30 * s, b.device.Screen().cy) << "no card left out that would have fitted";
    const int shown = (r.bottom - r.top - 105 * s) / (30 * s);
    ASSERT_GT(shown, 1);
    // The last card shown has its bar on its line pair.
    EXPECT_TRUE(Near(WaitForPixel(b.device, origin.x + 20 * s, origin.y + (118 + 30 * (shown - 1)) * s, kUsageFill), kUsageFill));

    // The two first cards show the same value; the short name's line tells where it starts.
    const int width = kBatteryPopupWidth * s;
    std::vector<COLORREF> shortLine = b.device.ReadScreen({origin.x, origin.y + 95 * s, origin.x + width, origin.y + 110 * s});
    std::vector<COLORREF> longLine = b.device.ReadScreen({origin.x, origin.y + 125 * s, origin.x + width, origin.y + 140 * s});
    int valueLeft = width;
    for (size_t i = 0; i < shortLine.size(); ++i)
        if (static_cast<int>(i) % width >= 40 * s && !Near(shortLine[i], kBatteryPopup))
            valueLeft = std::min(valueLeft, static_cast<int>(i) % width);
    ASSERT_LT(valueLeft, 150 * s);
    int differing = 0, nameInk = 0;
    for (size_t i = 0; i < longLine.size(); ++i) {
        const int x = static_cast<int>(i) % width;
        differing += x >= valueLeft && shortLine[i] != longLine[i];
        nameInk += x < valueLeft - 20 * s && !Near(longLine[i], kBatteryPopup);
    }
    EXPECT_EQ(differing, 0) << "the long name runs into the value's column";
    EXPECT_GT(nameInk, 0) << "the long name is drawn, cut";
}
