// The device's own colour chooser, as the Timer page opens it (its file chooser: the
// My Theme page's tests).
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <algorithm>
#include "tests/e2e/bar_test_skin.h"
#include "tests/e2e/setup_test_kit.h"
#include "tests/kit/device.h"

using kit::Device;
using namespace setuptest;

namespace {

constexpr int kColourButton = 1016, kFontBox = 1046;

// The first point of window that shows colour on the screen, awaited (the dialog paints after it shows).
bool FindColour(Device& device, HWND window, COLORREF colour, POINT* found)
{
    return Device::WaitUntil([&] {
        RECT r{};
        GetWindowRect(window, &r);
        const std::vector<COLORREF> pixels = device.ReadScreen(r);
        const auto at = std::find(pixels.begin(), pixels.end(), colour);
        const LONG i = static_cast<LONG>(at - pixels.begin()), width = r.right - r.left;
        if (width <= 0)
            return false;
        *found = POINT{r.left + i % width + 2, r.top + i / width + 2};
        return at != pixels.end();
    }, 3000);
}

} // namespace

TEST(DeviceDialogs, TheColourChooserFitsTheScreenAndItsBasicColourReachesTheSkin)
{
    Device device;
    ASSERT_TRUE(ReadyWithTestSkin(device));
    SetupRun setup = StartSetup(device);
    ASSERT_TRUE(setup.sheet);
    SendMessageW(setup.sheet, PSM_SETCURSEL, 1, 0);
    HWND page = WaitForPage(setup.sheet, kColourButton);
    ASSERT_TRUE(page);
    PostMessageW(page, WM_COMMAND, MAKEWPARAM(kColourButton, BN_CLICKED), 0);
    HWND chooser = nullptr;
    ASSERT_TRUE(Device::WaitUntil([&] { return (chooser = kit::FindShownWindow(L"#32770", L"Color")) != nullptr; }, 5000));
    RECT r{};
    GetWindowRect(chooser, &r);
    EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= device.Screen().cx && r.bottom <= device.Screen().cy);

    POINT red{};
    ASSERT_TRUE(FindColour(device, chooser, RGB(255, 0, 0), &red));
    ScreenToClient(chooser, &red);
    device.Tap(chooser, red.x, red.y);
    PostMessageW(FindWindowExW(chooser, nullptr, L"Button", L"OK"), BM_CLICK, 0, 0);
    ASSERT_TRUE(Device::WaitUntil([&] { return !IsWindow(chooser); }, 5000));
    RECT button{};
    GetWindowRect(GetDlgItem(page, kColourButton), &button);
    const COLORREF shown = bartest::WaitForPixel(device, (button.left + button.right) / 2,
                                                 (button.top + button.bottom) / 2, RGB(255, 0, 0));
    EXPECT_EQ(shown, RGB(255, 0, 0));

    if (SendDlgItemMessageW(page, kFontBox, CB_GETCURSEL, 0, 0) < 0)
        SendDlgItemMessageW(page, kFontBox, CB_SETCURSEL, 0, 0);
    PressOk(device, setup.sheet);
    ASSERT_TRUE(WaitSetupEnd(device, setup));
    const std::string skin = device.ReadFile(L"\\Program Files\\Velkis\\Themes\\Test\\test.skin");
    EXPECT_EQ(ConfigValue(skin.substr(skin.find("[Timer Font]")), "Color"), "255");
}
