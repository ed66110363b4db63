// The bar menu: its lines, their order and icons, and choosing a task.
#include <gtest/gtest.h>
#include <algorithm>
#include <vector>
#include "tests/e2e/bar_menu_kit.h"
#include "tests/kit/device.h"

using kit::Device;
using namespace bartest;

namespace {

std::vector<IconLook> Looks(BarDevice& b, const OpenMenu& menu)
{
    std::vector<IconLook> looks;
    for (const RECT& line : menu.lines)
        looks.push_back(LeftIconLook(b.device, line, b.s));
    return looks;
}

// The first of windows in the stacking order, from the top.
HWND TopmostOf(const std::vector<HWND>& windows)
{
    for (HWND w = GetWindow(GetDesktopWindow(), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
        if (std::find(windows.begin(), windows.end(), w) != windows.end())
            return w;
    return nullptr;
}

// The same once it has stayed the same for 300 ms (3 s at most): Wine may still be
// moving a window that has already become the foreground, and a walk of the
// stacking meanwhile can pass it by.
HWND SettledTopmostOf(const std::vector<HWND>& windows)
{
    HWND top = TopmostOf(windows);
    const DWORD start = GetTickCount();
    DWORD since = start;
    while (GetTickCount() - since < 300 && GetTickCount() - start < 3000) {
        Sleep(20);
        const HWND now = TopmostOf(windows);
        if (now != top) {
            top = now;
            since = GetTickCount();
        }
    }
    return top;
}

void CloseMenu(BarDevice& b, const OpenMenu& menu)
{
    PostMessageW(menu.window, WM_KEYDOWN, VK_ESCAPE, 0);
    b.device.WaitForNoWindow(L"#32768", nullptr, 3000);
}

} // namespace

TEST(BarMenu, TasksTopmostFirstAboveTheCommandsAndTheTodayScreenNeverListed)
{
    BarDevice b("0000010");   // the menu button alone
    ASSERT_TRUE(b.bar);
    const std::vector<IconLook> fixedOnly = {IconLook::Blue, IconLook::Green, IconLook::Orange, IconLook::Plain,
                                             IconLook::Orange};
    OpenMenu menu = OpenBarMenu(b, 0);
    ASSERT_TRUE(menu.window);
    EXPECT_EQ(Looks(b, menu), fixedOnly) << "no task: the power commands, Options... and Exit Velkis";
    CloseMenu(b, menu);

    HWND notes = OpenForegroundApp(b.device, L"Notes");
    HWND calendar = OpenForegroundApp(b.device, L"Calendar");
    HWND tasks = OpenForegroundApp(b.device, L"Tasks");
    ASSERT_TRUE(notes && calendar && tasks);
    menu = OpenBarMenu(b, 3);
    ASSERT_TRUE(menu.window);
    std::vector<IconLook> looks = Looks(b, menu);
    const std::vector<IconLook> commands = {IconLook::Blue, IconLook::Green, IconLook::Orange, IconLook::Orange,
                                            IconLook::Orange, IconLook::Plain, IconLook::Orange};
    EXPECT_EQ(std::vector<IconLook>(looks.begin() + 3, looks.end()), commands);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(HasCloseMark(b.device, menu.lines[static_cast<size_t>(i)], b.s), i < 3) << "line " << i;

    // The lowest task line is the window furthest back: Notes comes forward.
    TapLine(b.device, menu, 2, menu.frame.left + 40 * b.s);
    EXPECT_TRUE(Device::WaitUntil([&] { return GetForegroundWindow() == notes; }, 3000));
    EXPECT_TRUE(IsWindow(notes));

    // The first line can be chosen too: with the Today screen in front, the
    // topmost task heads the list and comes forward. That is Notes now, as a
    // rule; but Wine moves a window brought forward only after it has become the
    // foreground, and now and then leaves it below another (docs/wine-facts.md),
    // so the settled stacking says which it is.
    SetForegroundWindow(b.device.Today());
    ASSERT_TRUE(Device::WaitUntil([&] { return GetForegroundWindow() == b.device.Today(); }, 3000));
    const HWND topmost = SettledTopmostOf({notes, calendar, tasks});
    menu = OpenBarMenu(b, 3);
    ASSERT_TRUE(menu.window);
    TapLine(b.device, menu, 0, menu.frame.left + 40 * b.s);
    EXPECT_TRUE(Device::WaitUntil([&] { return GetForegroundWindow() == topmost; }, 3000));
}

TEST(BarMenu, AShellWindowWithTheOkBitIsListedWithoutCloseMarkAndOnlyActivated)
{
    HWND panel = nullptr;
    BarDevice b(OptionsWithPhone(false), kFullOrder, "0000010",
                [&](kit::Device& device) { panel = OpenShellOkWindow(device, L"Owner"); });
    ASSERT_TRUE(panel);
    ASSERT_TRUE(b.bar);
    ASSERT_TRUE(OpenForegroundApp(b.device, L"Notes"));

    OpenMenu menu = OpenBarMenu(b, 2);
    ASSERT_TRUE(menu.window);
    EXPECT_TRUE(HasCloseMark(b.device, menu.lines[0], b.s));
    EXPECT_FALSE(HasCloseMark(b.device, menu.lines[1], b.s));
    EXPECT_EQ(LeftIconLook(b.device, menu.lines[1], b.s), IconLook::Orange) << "the close mark stands at its left";

    // Released where a close mark would be: the shell's window comes forward, open.
    TapLine(b.device, menu, 1, menu.frame.right - 5 * b.s);
    EXPECT_TRUE(Device::WaitUntil([&] { return GetForegroundWindow() == panel; }, 3000));
    EXPECT_TRUE(IsWindow(panel));
}

TEST(BarMenu, ASkinWithoutAMenuButtonImageStillLeadsToTheMenu)
{
    // A skin file of nothing at all, chosen in config.ini: the bar wears the default skin.
    BarDevice b(OptionsWithPhone(false), kFullOrder, "0000010", [](kit::Device& device) {
        device.WriteFile(L"\\Program Files\\Velkis\\Themes\\Test\\test.skin", "");
    });
    ASSERT_TRUE(b.bar);
    b.device.Tap(b.bar, b.right - 5 * b.s, 13 * b.s);
    EXPECT_TRUE(b.device.WaitForShownWindow(L"#32768", nullptr, 3000)) << "the menu button opens the menu";
}

TEST(BarMenu, ALongTitleKeepsTheMenuOnTheScreenAndCloseAllEndsTheBarsOwnBoxAsADialog)
{
    BarDevice b("0000010");
    ASSERT_TRUE(b.bar);
    const wchar_t kLong[] = L"A very long window title of a document that someone opened from a storage card "
                            L"with a long name.txt - Notes";
    HWND longApp = OpenForegroundApp(b.device, kLong);
    HWND calendar = OpenForegroundApp(b.device, L"Calendar");
    ASSERT_TRUE(longApp && calendar);
    const LONG screen = b.device.Screen().cx;

    // "Turn Off Screen" where the display cannot: the bar's own box, listed as a task.
    WriteDeviceDword(device_value::DisplayPowerEscape, 0);
    OpenMenu menu = OpenBarMenu(b, 2);
    ASSERT_TRUE(menu.window);
    TapLine(b.device, menu, LineOfCommand(40001, 2), menu.frame.left + 40 * b.s);
    HWND box = b.device.WaitForShownWindow(L"Dialog", L"Pocket PC Display Off Feature");
    ASSERT_TRUE(box);
    const DWORD barProcess = kit::WindowProcess(b.bar);

    // The box, Calendar, the long title: every close mark on the screen; the long
    // title's mark closes it.
    menu = OpenBarMenu(b, 3);
    ASSERT_TRUE(menu.window);
    EXPECT_GE(menu.frame.left, 0);
    EXPECT_LE(menu.frame.right, screen) << "the menu crosses the screen's right edge";
    for (int line = 0; line < 3; ++line)
        EXPECT_TRUE(HasCloseMark(b.device, menu.lines[static_cast<size_t>(line)], b.s)) << "line " << line;
    b.device.SavePng(L"menu-long-title-" + std::to_wstring(b.s) + L".png", RECT{0, 0, screen, b.device.Screen().cy});
    TapLine(b.device, menu, 2, menu.frame.right - 5 * b.s);
    EXPECT_TRUE(Device::WaitUntil([&] { return !IsWindow(longApp); }, 5000)) << "the long title's close mark";
    EXPECT_TRUE(IsWindow(calendar) && IsWindow(box));

    // Close All: the box ends as a dialog does, by IDOK; the bar lives on over the taskbar.
    menu = OpenBarMenu(b, 2);
    ASSERT_TRUE(menu.window);
    TapLine(b.device, menu, LineOfCommand(40022, 2), menu.frame.left + 40 * b.s);
    EXPECT_TRUE(Device::WaitUntil([&] { return !IsWindow(box) && !IsWindow(calendar); }, 10000));
    EXPECT_TRUE(b.device.Settle(b.bar, 5000));
    EXPECT_TRUE(IsWindow(b.bar));
    EXPECT_EQ(kit::WindowProcess(b.bar), barProcess) << "the bar's own process was ended";
    EXPECT_TRUE(IsWindow(b.device.Taskbar()) && IsWindow(b.device.Today()));
    EXPECT_TRUE(Device::WaitUntil([&] { return GetForegroundWindow() == b.device.Today(); }, 3000));
}
