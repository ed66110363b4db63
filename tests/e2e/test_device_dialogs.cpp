// The device's own common dialogs, as the setup program opens them: the colour chooser
// of the Timer page and the file chooser of Add Theme without the optional provider.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include "tests/e2e/bar_test_skin.h"
#include "tests/e2e/setup_test_kit.h"
#include "tests/kit/device.h"

using kit::Device;
using namespace setuptest;

namespace {

constexpr int kColourButton = 1016, kFontBox = 1046;

HWND WaitForDialog(const SetupRun& setup, const wchar_t* title)
{
    HWND dialog = nullptr;
    Device::WaitUntil([&] {
        dialog = kit::FindProcessWindow(setup.process.pid, L"#32770", title);
        return dialog && IsWindowVisible(dialog);
    }, 5000);
    return dialog;
}

bool OnScreen(Device& device, HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    return r.left >= 0 && r.top >= 0 && r.right <= device.Screen().cx && r.bottom <= device.Screen().cy;
}

// The first point of window that shows colour on the screen, awaited (the dialog paints after it shows).
bool FindColour(Device& device, HWND window, COLORREF colour, POINT* found)
{
    return Device::WaitUntil([&] {
        RECT r{};
        GetWindowRect(window, &r);
        const std::vector<COLORREF> pixels = device.ReadScreen(r);
        const LONG width = r.right - r.left;
        for (size_t i = 0; i < pixels.size(); ++i) {
            if (pixels[i] == colour) {
                *found = POINT{r.left + LONG(i % width) + 2, r.top + LONG(i / width) + 2};
                return true;
            }
        }
        return false;
    }, 3000);
}

void Click(HWND dialog, const wchar_t* button)
{
    PostMessageW(FindWindowExW(dialog, nullptr, L"Button", button), BM_CLICK, 0, 0);
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
    HWND chooser = WaitForDialog(setup, L"Color");
    ASSERT_TRUE(chooser);
    EXPECT_TRUE(OnScreen(device, chooser));

    POINT red{};
    ASSERT_TRUE(FindColour(device, chooser, RGB(255, 0, 0), &red));
    ScreenToClient(chooser, &red);
    device.Tap(chooser, red.x, red.y);
    Click(chooser, L"OK");
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
