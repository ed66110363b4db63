// What a user sees on the X display is what the tests read from the screen.
#include <gtest/gtest.h>
#include "tests/kit/device.h"
#include "emulator/lib/screen_capture.h"
#include "emulator/lib/device_paths.h"
#include "emulator/protocol.h"
#include "common/bar_link.h"
#include "tests/e2e/setup_test_kit.h"
#include <commctrl.h>

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

constexpr int kStyleBox = 1043, kSeparatorBox = 1044, kColorButton = 1016;

enum class Opens { Nothing, DropDown, HelpMenu, EmptyFieldMessage, About, Colours, Files };

// The sheet on a page, and what is opened over it.
struct SetupState {
    const wchar_t* name;
    int page;
    Opens opens;
};

const SetupState kSetupStates[] = {
    {L"order", 0, Opens::Nothing},         {L"theme", 2, Opens::Nothing},
    {L"timer", 1, Opens::Nothing},         {L"drop-down", 1, Opens::DropDown},
    {L"help-menu", 1, Opens::HelpMenu},    {L"message-box", 1, Opens::EmptyFieldMessage},
    {L"about", 1, Opens::About},           {L"colour-dialog", 1, Opens::Colours},
    {L"file-chooser", 2, Opens::Files},
};

// Opens what over page as a user would; the window that shows it (page itself for nothing).
HWND Open(Device& device, const setuptest::SetupRun& setup, HWND page, Opens what)
{
    switch (what) {
    case Opens::Nothing:
        return page;
    case Opens::DropDown:
        PostMessageW(GetDlgItem(page, kStyleBox), CB_SHOWDROPDOWN, TRUE, 0);
        return setuptest::WaitForSetupWindow(setup, L"ComboLBox");
    case Opens::HelpMenu: {
        // The page's menu bar along the sheet's foot; "Help" is its second item, after "Exit".
        HWND bar = FindWindowExW(setup.sheet, nullptr, L"menu_worker", nullptr);
        PostMessageW(bar, WM_LBUTTONUP, 0, MAKELPARAM(60 * device.Scale(), 10 * device.Scale()));
        return setuptest::WaitForSetupWindow(setup, L"#32768");
    }
    case Opens::EmptyFieldMessage: {
        // A pattern letter as separator empties the pattern list, and OK is refused.
        HWND box = GetDlgItem(page, kSeparatorBox);
        SendMessageW(FindWindowExW(box, nullptr, L"Edit", nullptr), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"m"));
        SendMessageW(page, WM_COMMAND, MAKEWPARAM(kSeparatorBox, CBN_EDITCHANGE), reinterpret_cast<LPARAM>(box));
        setuptest::PressOk(device, setup.sheet);
        return setuptest::WaitForSetupWindow(setup, L"Dialog");   // the device's message box
    }
    case Opens::About:
        PostMessageW(setup.sheet, WM_COMMAND, setuptest::kAboutCommand, 0);
        break;
    case Opens::Colours:
        PostMessageW(page, WM_COMMAND, MAKEWPARAM(kColorButton, BN_CLICKED), 0);
        break;
    case Opens::Files:
        PostMessageW(page, WM_COMMAND, MAKEWPARAM(setuptest::kAddTheme, BN_CLICKED), 0);
        break;
    }
    return setuptest::WaitForSetupWindow(setup, L"#32770");
}

void Close(HWND page, HWND shown, Opens what)
{
    if (what == Opens::DropDown)
        PostMessageW(GetDlgItem(page, kStyleBox), CB_SHOWDROPDOWN, FALSE, 0);
    else if (what == Opens::HelpMenu)
        PostMessageW(shown, WM_KEYDOWN, VK_ESCAPE, 0);
    else if (what != Opens::Nothing)
        PostMessageW(shown, WM_COMMAND, IDCANCEL, 0);
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

TEST(XDisplay, ShowsWhatTheScreenReadsForEveryStateOfTheSetupProgram)
{
    Device device;
    ASSERT_TRUE(setuptest::ReadyWithTestSkin(device));
    const setuptest::SetupRun setup = setuptest::StartSetup(device);
    ASSERT_TRUE(setup.sheet);
    for (const SetupState& state : kSetupStates) {
        SendMessageW(setup.sheet, PSM_SETCURSEL, state.page, 0);
        HWND page = setuptest::WaitForPage(setup.sheet, state.page == 0 ? setuptest::kStartWithSystem
                                                        : state.page == 1 ? kStyleBox : setuptest::kAddTheme);
        HWND shown = page ? Open(device, setup, page, state.opens) : nullptr;
        ASSERT_TRUE(shown) << kit::Narrow(state.name);
        device.Settle(shown);
        EXPECT_EQ(DifferingPixels(device, state.name), 0u) << kit::Narrow(state.name);
        Close(page, shown, state.opens);
        if (shown != page) {
            EXPECT_TRUE(Device::WaitUntil([&] { return !IsWindowVisible(shown); }, 5000)) << kit::Narrow(state.name);
        }
    }
    EXPECT_TRUE(setuptest::ExitSetup(device, setup));
}
