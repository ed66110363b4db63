// The start menu's Programs list and Settings panel, tapped as a person would, seen through the bar.
#include <gtest/gtest.h>
#include "tests/e2e/bar_menu_kit.h"
#include "tests/kit/device.h"
#include "emulator/lib/bar_button_finder.h"
#include "emulator/lib/device_panel_rows.h"
#include "emulator/lib/sample_programs.h"
#include "emulator/lib/screen_rotation.h"
#include "emulator/protocol.h"
#include <string>

using kit::Device;
using namespace bartest;

namespace {

// Taps the bar's start button, then the start menu's item (0 Today, 1 Programs,
// 2 Settings), and waits for the shell application's window.
HWND OpenFromStartMenu(Device& device, HWND bar, int item, const wchar_t* cls)
{
    const int s = device.Scale();
    device.Tap(bar, 10 * s, 13 * s);
    HWND menu = device.WaitForShownWindow(emu::kStartMenuClass, emu::kStartMenuTitle, 3000);
    if (!menu)
        return nullptr;
    const LPARAM at = MAKELPARAM(20 * s, (20 * item + 10) * s);
    PostMessageW(menu, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(menu, WM_LBUTTONUP, 0, at);
    HWND window = device.WaitForShownWindow(cls, nullptr, 5000);
    return window && device.Settle(window) ? window : nullptr;
}

void TapCentre(Device& device, HWND window, const RECT& r)
{
    device.Tap(window, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

// Taps the panel's button for action (index: which card) on the page shown.
bool TapPanel(Device& device, HWND panel, emu::PanelPage page, emu::PanelAction action, int index = 0)
{
    RECT client;
    GetClientRect(panel, &client);
    const emu::PanelGeometry g = emu::PanelGeometryFor(device.Scale());
    const std::vector<emu::PanelRow> rows = emu::PanelRows(page, ReadDeviceState(), emu::CurrentScreenSize());
    for (size_t i = 0; i < rows.size(); ++i)
        for (size_t b = 0; b < rows[i].buttons.size(); ++b)
            if (rows[i].buttons[b].action == action && rows[i].buttons[b].index == index) {
                TapCentre(device, panel, g.ButtonRect(rows[i], static_cast<int>(i), b, client.right));
                return true;
            }
    return false;
}

// The battery popup as the screen shows it: its size and its pixels once painted.
struct PopupPicture {
    SIZE size{};
    std::vector<COLORREF> pixels;
};

PopupPicture BatteryPopupPicture(BarDevice& b)
{
    PopupPicture picture;
    HWND popup = OpenPopup(b, b.right - kBatteryWidth * b.s / 2, L"Battery/Memory");
    if (!popup)
        return picture;
    // Painted once the memory line's usage bar is filled.
    POINT origin{0, 0};
    ClientToScreen(popup, &origin);
    if (!Near(WaitForPixel(b.device, origin.x + 7 * b.s, origin.y + 58 * b.s, RGB(38, 245, 38)), RGB(38, 245, 38)))
        return picture;
    RECT r;
    GetWindowRect(popup, &r);
    picture.size = {r.right - r.left, r.bottom - r.top};
    // Its lines are drawn one by one: the picture is the one that holds still.
    std::vector<COLORREF> last;
    Device::WaitUntil([&] {
        last = picture.pixels;
        picture.pixels = b.device.ReadScreen(r);
        return picture.pixels == last;
    }, 3000);
    b.device.Tap(b.bar, 40 * b.s, 13 * b.s);   // a tap on the bar closes it
    b.device.WaitForNoWindow(L"#32770", L"Battery/Memory");
    return picture;
}

// The bar started, and the device panel opened from the start menu on its Phone page.
HWND OpenPhonePage(Device& d)
{
    HWND bar = d.StartBar();
    HWND panel = bar ? OpenFromStartMenu(d, bar, 2, emu::kSettingsClass) : nullptr;
    if (panel) {
        RECT client;
        GetClientRect(panel, &client);
        TapCentre(d, panel, emu::PanelGeometryFor(d.Scale()).TabRect(1, client.right));
    }
    return panel;
}

} // namespace

TEST(ShellApps, ProgramsStartsTheChosenSampleAndTheBarMenuListsIt)
{
    BarDevice b("0000010");
    ASSERT_TRUE(b.bar);
    HWND programs = OpenFromStartMenu(b.device, b.bar, 1, emu::kProgramsClass);
    ASSERT_TRUE(programs);
    RECT client;
    GetClientRect(programs, &client);
    int calendarRow = -1;
    for (size_t i = 0; i < emu::SamplePrograms().size(); ++i)
        if (emu::SamplePrograms()[i].window.title == L"Calendar")
            calendarRow = static_cast<int>(i);
    ASSERT_GE(calendarRow, 0);
    TapCentre(b.device, programs, emu::SampleProgramRowRect(calendarRow, client.right, b.s));
    HWND calendar = b.device.WaitForWindow(L"CalendarClass", L"Calendar");
    ASSERT_TRUE(calendar);
    ASSERT_TRUE(Device::WaitUntil([&] { return GetForegroundWindow() == calendar; }, 3000));

    // Two tasks: Calendar, newest and in front, above the Programs list.
    OpenMenu menu = OpenBarMenu(b, 2);
    ASSERT_TRUE(menu.window);
    TapLine(b.device, menu, 0, menu.frame.right - 5 * b.s);   // its close mark
    EXPECT_TRUE(Device::WaitUntil([&] { return !IsWindow(calendar); }, 5000));
    EXPECT_TRUE(IsWindow(programs));

    // An app the shell does not know is refused, and no second shell covers the bar.
    Device::Process unknown = b.device.Start(std::wstring(emu::kWindowsDir) + L"\\" + emu::kShellExe, L"--app Inbox");
    EXPECT_EQ(b.device.WaitExit(unknown, 5000), 2u);
    EXPECT_EQ(FindWindowExW(nullptr, FindWindowW(L"HHTaskBar", nullptr), L"HHTaskBar", nullptr), nullptr);
    EXPECT_EQ(GetParent(b.bar), b.device.Taskbar());
}

TEST(ShellApps, SettingsBatteryAndCardsShowInTheBatteryPopup)
{
    kit::DeviceOptions options = OptionsWithPhone(false);
    options.state.batteryPercent = 80;
    options.state.cards = {{L"Storage Card", 512ull << 20, 300ull << 20}};
    BarDevice b(options, kFullOrder, "0001000");
    ASSERT_TRUE(b.bar);
    HWND panel = OpenFromStartMenu(b.device, b.bar, 2, emu::kSettingsClass);
    ASSERT_TRUE(panel);
    const PopupPicture before = BatteryPopupPicture(b);
    ASSERT_FALSE(before.pixels.empty());

    ASSERT_TRUE(TapPanel(b.device, panel, emu::PanelPage::Power, emu::PanelAction::BatteryDown));
    EXPECT_EQ(ReadDeviceState().batteryPercent, 70u);
    const PopupPicture lower = BatteryPopupPicture(b);
    EXPECT_NE(lower.pixels, before.pixels) << "the battery line follows the device";
    ASSERT_TRUE(TapPanel(b.device, panel, emu::PanelPage::Power, emu::PanelAction::BatteryUp));
    EXPECT_EQ(BatteryPopupPicture(b).pixels, before.pixels) << "only the battery changed, and back";

    ASSERT_TRUE(TapPanel(b.device, panel, emu::PanelPage::Power, emu::PanelAction::RemoveCard, 0));
    const PopupPicture noCard = BatteryPopupPicture(b);
    EXPECT_EQ(noCard.size.cy, before.size.cy - 30 * b.s) << "the card's line is gone";
}

TEST(ShellApps, SettingsSignalLevelsChangeTheBarsSignalImage)
{
    kit::DeviceOptions options;   // a phone at level 3, the default skin
    options.state.lines = {{kCellularLineName, 0xC000, LineStep::None}};
    Device d(options);
    ASSERT_TRUE(d.Ready());
    HWND panel = OpenPhonePage(d);
    ASSERT_TRUE(panel);

    auto shows = [&](int level) {
        const std::wstring key = L"Signal" + std::to_wstring(level) + L" Normal";
        POINT at;
        // The bar reads the line at its five-second refresh.
        return Device::WaitUntil([&] { return emu::FindBarButton(key.c_str(), &at, L"Signal Images"); }, 8000);
    };
    EXPECT_TRUE(shows(3));
    for (int level = 2; level >= 0; --level) {
        ASSERT_TRUE(TapPanel(d, panel, emu::PanelPage::Phone, emu::PanelAction::SignalDown));
        EXPECT_TRUE(shows(level)) << level;
    }
    for (int i = 0; i < 4; ++i)
        ASSERT_TRUE(TapPanel(d, panel, emu::PanelPage::Phone, emu::PanelAction::SignalUp));
    EXPECT_TRUE(shows(4));
}

TEST(ShellApps, SettingsRotateTurnsTheScreenAndTheShellsWindowsFollow)
{
    Device d;
    ASSERT_TRUE(d.Ready());
    const SIZE start = d.Screen();
    if (start.cx == start.cy)
        GTEST_SKIP() << "a square screen does not turn";
    ScreenKept kept{start};
    HWND panel = OpenPhonePage(d);
    ASSERT_TRUE(panel);
    ASSERT_TRUE(d.Settle(panel));

    const int top = 26 * d.Scale();
    for (const SIZE want : {SIZE{start.cy, start.cx}, start}) {
        ASSERT_TRUE(TapPanel(d, panel, emu::PanelPage::Phone, emu::PanelAction::Rotate));
        ASSERT_TRUE(Device::WaitUntil([&] {
            const SIZE now = d.Screen();
            return now.cx == want.cx && now.cy == want.cy;
        }, 10000)) << "the screen did not turn to " << want.cx << "x" << want.cy;
        const RECT expected[] = {{0, 0, want.cx, top}, {0, top, want.cx, want.cy}, {0, top, want.cx, want.cy}};
        const HWND windows[] = {d.Taskbar(), d.Today(), panel};
        for (int i = 0; i < 3; ++i) {
            RECT r{};
            Device::WaitUntil([&] { GetWindowRect(windows[i], &r); return EqualRect(&r, &expected[i]) != FALSE; }, 3000);
            EXPECT_TRUE(EqualRect(&r, &expected[i])) << "window " << i << " at " << r.left << "," << r.top << " "
                                                     << r.right << "x" << r.bottom << " on " << want.cx << "x" << want.cy;
        }
        ASSERT_TRUE(d.Settle(panel));
    }
}
