// What a user sees on the X display is what the tests read from the screen.
#include <gtest/gtest.h>
#include "tests/kit/device.h"
#include "emulator/lib/screen_capture.h"
#include "emulator/lib/device_paths.h"
#include "emulator/protocol.h"
#include "common/bar_link.h"
#include "tests/e2e/setup_test_kit.h"
#include <commctrl.h>
#include <functional>

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

// A shown top-level window of the setup program other than its sheet, of class cls.
HWND WaitForSetupWindow(const setuptest::SetupRun& setup, const wchar_t* cls)
{
    HWND found = nullptr;
    Device::WaitUntil([&] {
        for (HWND w = GetTopWindow(nullptr); w && !found; w = GetWindow(w, GW_HWNDNEXT)) {
            wchar_t name[32] = L"";
            if (w != setup.sheet && kit::WindowProcess(w) == setup.process.pid && IsWindowVisible(w) &&
                GetClassNameW(w, name, 32) && lstrcmpW(name, cls) == 0)
                found = w;
        }
        return found != nullptr;
    }, 5000);
    return found;
}

// The menu bar in front: the last page shown made it.
HWND FrontMenuBar(HWND sheet)
{
    for (HWND w = GetWindow(sheet, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
        wchar_t name[32] = L"";
        if (IsWindowVisible(w) && GetClassNameW(w, name, 32) && lstrcmpW(name, L"menu_worker") == 0)
            return w;
    }
    return nullptr;
}

// One state of the setup program: open brings it about and returns the window
// that shows it (the sheet's page for a page), close ends it again.
struct SetupState {
    const wchar_t* name;
    std::function<HWND(Device&, const setuptest::SetupRun&)> open;
    std::function<void(const setuptest::SetupRun&, HWND)> close;
};

HWND ShowPage(const setuptest::SetupRun& setup, int page, int control)
{
    SendMessageW(setup.sheet, PSM_SETCURSEL, page, 0);
    return setuptest::WaitForPage(setup.sheet, control);
}

void Post(HWND window, UINT message, WPARAM wParam)
{
    PostMessageW(window, message, wParam, 0);
}

constexpr int kStyleBox = 1043, kSeparatorBox = 1044, kColorButton = 1016;

void TypeSeparator(HWND page, const wchar_t* text)
{
    HWND box = GetDlgItem(page, kSeparatorBox);
    SendMessageW(FindWindowExW(box, nullptr, L"Edit", nullptr), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    SendMessageW(page, WM_COMMAND, MAKEWPARAM(kSeparatorBox, CBN_EDITCHANGE), reinterpret_cast<LPARAM>(box));
}

const SetupState kSetupStates[] = {
    {L"order", [](Device&, const setuptest::SetupRun& s) { return ShowPage(s, 0, setuptest::kStartWithSystem); },
     nullptr},
    {L"theme", [](Device&, const setuptest::SetupRun& s) { return ShowPage(s, 2, setuptest::kAddTheme); }, nullptr},
    {L"timer", [](Device&, const setuptest::SetupRun& s) { return ShowPage(s, 1, kStyleBox); }, nullptr},
    {L"drop-down",
     [](Device&, const setuptest::SetupRun& s) {
         Post(GetDlgItem(ShowPage(s, 1, kStyleBox), kStyleBox), CB_SHOWDROPDOWN, TRUE);
         return WaitForSetupWindow(s, L"ComboLBox");
     },
     [](const setuptest::SetupRun& s, HWND) {
         Post(GetDlgItem(setuptest::WaitForPage(s.sheet, kStyleBox), kStyleBox), CB_SHOWDROPDOWN, FALSE);
     }},
    {L"help-menu",
     [](Device& d, const setuptest::SetupRun& s) {
         // "Help" is the bar's second item, after "Exit".
         PostMessageW(FrontMenuBar(s.sheet), WM_LBUTTONUP, 0, MAKELPARAM(60 * d.Scale(), 10 * d.Scale()));
         return WaitForSetupWindow(s, L"#32768");
     },
     [](const setuptest::SetupRun&, HWND menu) { Post(menu, WM_KEYDOWN, VK_ESCAPE); }},
    {L"message-box",
     [](Device& d, const setuptest::SetupRun& s) {
         TypeSeparator(ShowPage(s, 1, kStyleBox), L"m");
         setuptest::PressOk(d, s.sheet);
         return d.WaitForShownWindow(L"#32770", L"Tormalin");
     },
     [](const setuptest::SetupRun&, HWND box) { Post(box, WM_COMMAND, IDOK); }},
    {L"about",
     [](Device& d, const setuptest::SetupRun& s) {
         Post(s.sheet, WM_COMMAND, setuptest::kAboutCommand);
         return d.WaitForShownWindow(L"#32770", L"About");
     },
     [](const setuptest::SetupRun&, HWND about) { Post(about, WM_COMMAND, IDOK); }},
    {L"colour-dialog",
     [](Device&, const setuptest::SetupRun& s) {
         HWND page = ShowPage(s, 1, kStyleBox);
         Post(page, WM_COMMAND, MAKEWPARAM(kColorButton, BN_CLICKED));
         return WaitForSetupWindow(s, L"#32770");
     },
     [](const setuptest::SetupRun&, HWND dialog) { Post(dialog, WM_COMMAND, IDCANCEL); }},
    {L"file-chooser",
     [](Device&, const setuptest::SetupRun& s) {
         Post(ShowPage(s, 2, setuptest::kAddTheme), WM_COMMAND, MAKEWPARAM(setuptest::kAddTheme, BN_CLICKED));
         return WaitForSetupWindow(s, L"#32770");
     },
     [](const setuptest::SetupRun&, HWND dialog) { Post(dialog, WM_COMMAND, IDCANCEL); }},
};

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

TEST(XDisplay, ShowsWhatTheScreenReadsForEveryStateOfTheSetupProgram)
{
    Device device;
    ASSERT_TRUE(setuptest::ReadyWithTestSkin(device));
    const setuptest::SetupRun setup = setuptest::StartSetup(device);
    ASSERT_TRUE(setup.sheet);
    for (const SetupState& state : kSetupStates) {
        HWND shown = state.open(device, setup);
        ASSERT_TRUE(shown) << kit::Narrow(state.name);
        device.Settle(shown);
        EXPECT_EQ(DifferingPixels(device, state.name), 0u) << kit::Narrow(state.name);
        if (state.close) {
            state.close(setup, shown);
            EXPECT_TRUE(Device::WaitUntil([&] { return !IsWindowVisible(shown); }, 5000)) << kit::Narrow(state.name);
        }
    }
    EXPECT_TRUE(setuptest::ExitSetup(device, setup));
}
