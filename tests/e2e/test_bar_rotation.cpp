// The device screen turns while the bar runs: the bar's width, background and button places follow.
#include <gtest/gtest.h>
#include "tests/e2e/bar_test_skin.h"
#include "tests/kit/device.h"
#include "emulator/lib/screen_rotation.h"

using kit::Device;
using namespace bartest;

namespace {

// The colour of a background image of the skin, read from its file (a solid 24-bit
// BMP: the first pixel's blue, green, red follow the 54-byte headers).
COLORREF SkinImageColour(Device& device, const wchar_t* file)
{
    const std::string bmp = device.ReadFile(std::wstring(L"\\Program Files\\Velkis\\Themes\\Test\\") + file);
    if (bmp.size() < 57)
        return CLR_INVALID;
    auto byte = [&](size_t i) { return static_cast<BYTE>(bmp[i]); };
    return RGB(byte(56), byte(55), byte(54));
}

// How many pixels of screen row y, from left to right, do not have colour c.
int PixelsNotOf(Device& device, int y, int left, int right, COLORREF c)
{
    int wrong = 0;
    for (COLORREF seen : device.ReadScreen(RECT{left, y, right, y + 1}))
        wrong += Near(seen, c) ? 0 : 1;
    return wrong;
}

} // namespace

TEST(BarRotation, AfterEachTurnTheBarSpansTheScreenOnItsBackgroundAndTheRightButtonAnswersThere)
{
    BarDevice b("0000001");   // the close button alone, at the right end
    ASSERT_TRUE(b.bar);
    Device& device = b.device;
    const SIZE start = device.Screen();
    if (start.cx == start.cy)
        GTEST_SKIP() << "a square screen does not turn";
    ScreenKept kept{start};
    const int s = b.s;
    const COLORREF landscape = SkinImageColour(device, L"land.bmp");
    const COLORREF portrait = SkinImageColour(device, L"port.bmp");
    ASSERT_FALSE(Near(landscape, portrait));

    // Turned once and back: each time the bar has to follow on its own.
    for (int turn = 1; turn <= 2; ++turn) {
        SCOPED_TRACE(turn == 1 ? "turned" : "turned back");
        HWND app = OpenForegroundApp(device, L"Plain");
        ASSERT_TRUE(app);
        SIZE now;
        ASSERT_TRUE(emu::RequestScreenTurn(emu::Orientation::Other, 10000, &now));
        const SIZE want = turn == 1 ? SIZE{start.cy, start.cx} : start;
        ASSERT_EQ(now.cx, want.cx);
        ASSERT_EQ(now.cy, want.cy);
        const COLORREF background = now.cx > now.cy ? landscape : portrait;

        // Within a second, its lowest row from the start button to the close button
        // (both ends of the screen's new width) shows the background of the new shape.
        const int left = kStartWidth * s, right = now.cx - kCloseWidth * s;
        Device::WaitUntil([&] { return PixelsNotOf(device, 25 * s, left, right, background) == 0; }, 1500);
        EXPECT_EQ(PixelsNotOf(device, 25 * s, left, right, background), 0);
        const int closeX = now.cx - kCloseWidth * s / 2;
        EXPECT_TRUE(Near(WaitForPixel(device, closeX, 13 * s, kClose, 500), kClose)) << "close at the right end";

        // A tap there is the close button's: the application in front closes.
        device.Tap(b.bar, closeX, 13 * s);
        EXPECT_TRUE(Device::WaitUntil([&] { return !IsWindow(app); }, 5000)) << "the tap missed the close button";
        device.SavePng(L"bar-rotation-" + std::to_wstring(now.cx) + L".png", RECT{0, 0, now.cx, 26 * s});
    }
}
