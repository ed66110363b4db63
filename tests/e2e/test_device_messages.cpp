// The programs' three messages, shown by the device's message box: within the screen, their text whole.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <algorithm>
#include <string>
#include <vector>
#include "tests/e2e/bar_menu_kit.h"
#include "tests/e2e/setup_test_kit.h"
#include "tests/kit/device.h"
#include "emulator/lib/device_paths.h"

using kit::Device;
using namespace bartest;
using namespace setuptest;

namespace {

constexpr int kTimerSize = 1048;   // the Timer page's font size box

// The device's message box titled title of process pid, once shown with its text.
HWND WaitForBox(DWORD pid, const wchar_t* title)
{
    HWND box = nullptr;
    Device::WaitUntil([&] {
        box = kit::FindProcessWindow(pid, L"Dialog", title);
        return box && IsWindowVisible(box) && GetWindowTextLengthW(GetDlgItem(box, 0xFFFF)) > 0;
    }, 5000);
    return box;
}

// The box and its text lie on the screen, the text control tall enough for the
// message wrapped to its width in the device's dialog font (Tahoma 8 points at the
// screen's density) and drawn there; then OK answers it. A picture is kept in build/e2e.
void ExpectFitsAndAnswer(Device& device, HWND box, const wchar_t* message)
{
    ASSERT_TRUE(box) << kit::Narrow(message);
    const SIZE screen = device.Screen();
    RECT frame, area;
    GetWindowRect(box, &frame);
    HWND text = GetDlgItem(box, 0xFFFF);
    GetWindowRect(text, &area);
    EXPECT_TRUE(frame.left >= 0 && frame.top >= 0 && frame.right <= screen.cx && frame.bottom <= screen.cy)
        << kit::Narrow(message) << ": the box leaves the screen";
    EXPECT_TRUE(area.left >= frame.left && area.right <= frame.right && area.bottom <= frame.bottom);
    wchar_t shown[128] = L"";
    GetWindowTextW(text, shown, 128);
    EXPECT_STREQ(shown, message);

    LOGFONTW logical = {};
    logical.lfHeight = -MulDiv(8, device.Scale() * 96, 72);
    wcscpy(logical.lfFaceName, L"Tahoma");
    HFONT font = CreateFontIndirectW(&logical);
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    RECT wrapped = {0, 0, area.right - area.left, 0};
    DrawTextW(dc, message, -1, &wrapped, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    DeleteObject(font);
    EXPECT_GE(area.bottom - area.top, wrapped.bottom) << kit::Narrow(message) << ": lines cut off";
    EXPECT_TRUE(Device::WaitUntil([&] {
        const std::vector<COLORREF> pixels = device.ReadScreen(area);
        return std::any_of(pixels.begin(), pixels.end(), [&](COLORREF c) { return c != pixels.front(); });
    }, 3000)) << kit::Narrow(message) << ": no text on the screen";
    device.Settle(box);
    static int shot = 0;
    device.SavePng(L"message-" + std::to_wstring(device.Scale()) + L"-" + std::to_wstring(++shot) + L".png",
                   RECT{0, 0, screen.cx, screen.cy});
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(Device::WaitUntil([&] { return !IsWindow(box); }, 3000)) << "OK answers it";
}

} // namespace

TEST(DeviceMessages, EachFitsTheScreenWithItsWholeText)
{
    BarDevice b("0000010");
    ASSERT_TRUE(b.bar);
    WriteDeviceDword(device_value::DisplayPowerEscape, 0);
    OpenMenu menu = OpenBarMenu(b, 0);
    ASSERT_TRUE(menu.window);
    TapLine(b.device, menu, LineOfCommand(40001, 0), menu.frame.left + 40 * b.s);   // "Turn Off Screen"
    ExpectFitsAndAnswer(b.device, WaitForBox(kit::WindowProcess(b.bar), L"Pocket PC Display Off Feature"),
                        L"Sorry, your Pocket PC does not support DisplayOff");

    // The Timer page with its size box emptied, and OK.
    SetupRun setup = StartSetup(b.device);
    ASSERT_TRUE(setup.sheet);
    SendMessageW(setup.sheet, PSM_SETCURSEL, 1, 0);
    HWND page = WaitForPage(setup.sheet, kTimerSize);
    ASSERT_TRUE(page);
    SendDlgItemMessageW(page, kTimerSize, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
    PressOk(b.device, setup.sheet);
    ExpectFitsAndAnswer(b.device, WaitForBox(setup.process.pid, L"Tormalin"), L"One or more of the fields are empty");

    // My Theme with ten skins added: an eleventh is refused.
    std::string config = b.device.ReadFile(kConfigPath) + "[User Theme]\n";
    for (int k = 1; k <= 10; ++k)
        config += "Theme" + std::to_string(k) + "=\\Skins\\s" + std::to_string(k) + ".skin\n";
    ASSERT_TRUE(ExitSetup(b.device, setup));
    ASSERT_TRUE(b.device.WriteFile(kConfigPath, config));
    ASSERT_TRUE(CopyFileW((emu::BuildDir() + L"\\tests\\gsgetfile.dll").c_str(),
                          emu::DevicePath(L"\\Program Files\\Velkis\\gsgetfile.dll").c_str(), FALSE));
    ASSERT_TRUE(b.device.WriteFile(L"\\Program Files\\Velkis\\gsgetfile.answer", "\\Skins\\eleven.skin"));
    setup = StartSetup(b.device);
    ASSERT_TRUE(setup.sheet);
    SendMessageW(setup.sheet, PSM_SETCURSEL, 2, 0);
    page = WaitForPage(setup.sheet, kAddTheme);
    ASSERT_TRUE(page);
    PostMessageW(page, WM_COMMAND, MAKEWPARAM(kAddTheme, BN_CLICKED), 0);
    ExpectFitsAndAnswer(b.device, WaitForBox(setup.process.pid, L"Tormalin"),
                        L"You can't import skin,You only can add ten skins");
    EXPECT_TRUE(ExitSetup(b.device, setup));
}
