// The Timer page on the device: defaults, separators, the empty-field message, sizes,
// the colour dialog, and the bar's clock after OK and after a reset.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <string>
#include "tests/e2e/setup_test_kit.h"
#include "tests/kit/device.h"

using kit::Device;
using namespace setuptest;

namespace {

constexpr int kStyle = 1043, kSeparator = 1044, kSize = 1048, kColor = 1016, kSample = 1052;
constexpr LCID kSystemDefault = 0x800;

// The device's regional time settings as they were, put back at the end: they are
// the whole prefix's, and other tests measure the bar's clock.
class RegionalSettingsKept {
public:
    RegionalSettingsKept()
    {
        GetLocaleInfoW(kSystemDefault, LOCALE_STIMEFORMAT, pattern_, 80);
        GetLocaleInfoW(kSystemDefault, LOCALE_STIME, separator_, 8);
        RegDeleteKeyW(HKEY_LOCAL_MACHINE, L"nls\\overrides");
    }
    ~RegionalSettingsKept()
    {
        SetLocaleInfoW(kSystemDefault, LOCALE_STIMEFORMAT, pattern_);
        SetLocaleInfoW(kSystemDefault, LOCALE_STIME, separator_);
        RegDeleteKeyW(HKEY_LOCAL_MACHINE, L"nls\\overrides");
    }
private:
    wchar_t pattern_[80] = L"";
    wchar_t separator_[8] = L"";
};

// A control's text, asked of the control itself (GetWindowText does not ask another process's).
std::wstring Text(HWND window)
{
    wchar_t text[64] = L"";
    SendMessageW(window, WM_GETTEXT, 64, reinterpret_cast<LPARAM>(text));
    return text;
}

// Types text into the separator box as a user would, edit-change notice included.
void TypeSeparator(HWND page, const wchar_t* text)
{
    HWND box = GetDlgItem(page, kSeparator);
    HWND edit = FindWindowExW(box, nullptr, L"Edit", nullptr);
    SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    SendMessageW(page, WM_COMMAND, MAKEWPARAM(kSeparator, CBN_EDITCHANGE), reinterpret_cast<LPARAM>(box));
}

HWND OpenTimerPage(Device& device, SetupRun* setup)
{
    *setup = StartSetup(device);
    if (!setup->sheet)
        return nullptr;
    SendMessageW(setup->sheet, PSM_SETCURSEL, 1, 0);
    return WaitForPage(setup->sheet, kSample);
}

// Picks a pattern in the style box as a user does.
void ChooseStyle(HWND page, const wchar_t* pattern)
{
    HWND style = GetDlgItem(page, kStyle);
    SendMessageW(style, CB_SETCURSEL,
                 SendMessageW(style, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(pattern)), 0);
    SendMessageW(page, WM_COMMAND, MAKEWPARAM(kStyle, CBN_CLOSEUP), reinterpret_cast<LPARAM>(style));
}

// The skin's font may not be installed here; the first family is chosen then.
void ChooseAnyFont(HWND page)
{
    if (SendDlgItemMessageW(page, 1046, CB_GETCURSEL, 0, 0) < 0)
        SendDlgItemMessageW(page, 1046, CB_SETCURSEL, 0, 0);
}

// A fresh device with the setup program open on its Timer page.
class SetupTimer : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ReadyWithTestSkin(device));
        page = OpenTimerPage(device, &setup);
        ASSERT_TRUE(page);
    }

    RegionalSettingsKept kept;   // outlives the device
    Device device;
    SetupRun setup;
    HWND page = nullptr;
};

} // namespace

TEST_F(SetupTimer, DefaultsSeparatorsTheEmptyFieldMessageSizesAndTheColourDialog)
{
    EXPECT_EQ(Text(GetDlgItem(page, kSeparator)), L":");
    EXPECT_EQ(Text(GetDlgItem(page, kStyle)), L"h:mm:ss tt");
    EXPECT_NE(Text(GetDlgItem(page, kSample)), L"");

    // A full stop keeps the same pattern selected.
    TypeSeparator(page, L".");
    EXPECT_EQ(SendDlgItemMessageW(page, kStyle, CB_GETCOUNT, 0, 0), 4);
    EXPECT_EQ(Text(GetDlgItem(page, kStyle)), L"h.mm.ss tt");

    // A pattern letter as separator: no patterns, no sample, and OK is refused.
    TypeSeparator(page, L"m");
    EXPECT_EQ(SendDlgItemMessageW(page, kStyle, CB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(Text(GetDlgItem(page, kSample)), L"");
    PressOk(device, setup.sheet);
    EXPECT_EQ(AnswerMessageBox(device, setup), L"One or more of the fields are empty");
    EXPECT_TRUE(IsWindow(setup.sheet));
    TypeSeparator(page, L".");   // the form chosen before the bad separator comes back
    const std::wstring pattern = Text(GetDlgItem(page, kStyle));
    EXPECT_EQ(pattern, L"h.mm.ss tt");
    SendDlgItemMessageW(page, kSize, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"13"));
    ChooseAnyFont(page);

    // A cancelled colour dialog keeps the colour.
    PostMessageW(page, WM_COMMAND, MAKEWPARAM(kColor, BN_CLICKED), 0);
    HWND colors = WaitForSetupWindow(setup, L"#32770");
    ASSERT_TRUE(colors);
    PostMessageW(colors, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(Device::WaitUntil([&] { return !IsWindow(colors); }, 5000));

    PressOk(device, setup.sheet);
    ASSERT_TRUE(WaitSetupEnd(device, setup));
    const std::string skin = device.ReadFile(L"\\Program Files\\Velkis\\Themes\\Test\\test.skin");
    const std::string timerFont = skin.substr(skin.find("[Timer Font]"));
    EXPECT_EQ(ConfigValue(timerFont, "Size"), "13");
    EXPECT_EQ(ConfigValue(timerFont, "Color"), "65535");
    EXPECT_EQ(kit::ReadRegString(HKEY_LOCAL_MACHINE, L"nls\\overrides", L"STFmt"), pattern);
    EXPECT_EQ(kit::ReadRegString(HKEY_LOCAL_MACHINE, L"nls\\overrides", L"STime"), L".");
}

TEST_F(SetupTimer, TheClockFollowsATwentyFourHourPatternAlsoAfterAReset)
{
    TypeSeparator(page, L".");
    ChooseStyle(page, L"HH.mm.ss");
    ASSERT_EQ(Text(GetDlgItem(page, kStyle)), L"HH.mm.ss");
    EXPECT_NE(Text(GetDlgItem(page, kSample)).find(L'.'), std::wstring::npos);
    ChooseAnyFont(page);
    PressOk(device, setup.sheet);
    ASSERT_TRUE(WaitSetupEnd(device, setup));

    // What every program started from now on formats with (this one keeps the
    // values it read at its start), and what the reset's new bar shows.
    auto userPattern = [] {
        return kit::ReadRegString(HKEY_CURRENT_USER, L"Control Panel\\International", L"sTimeFormat");
    };
    EXPECT_EQ(userPattern(), L"HH.mm.ss");
    ASSERT_TRUE(device.Reset());
    EXPECT_EQ(userPattern(), L"HH.mm.ss");
    page = OpenTimerPage(device, &setup);
    ASSERT_TRUE(page);
    EXPECT_EQ(Text(GetDlgItem(page, kStyle)), L"HH.mm.ss");
    EXPECT_TRUE(ExitSetup(device, setup));
}

TEST_F(SetupTimer, TheDevicePatternIsFoundExactlyAndSeparatorEditsKeepTheChosenForm)
{
    // "H:mm:ss" also begins "h:mm:ss tt", which a search by prefix alone finds first.
    ASSERT_TRUE(ExitSetup(device, setup));
    const wchar_t pattern[] = L"H:mm:ss", separator[] = L":";
    RegSetKeyValueW(HKEY_LOCAL_MACHINE, L"nls\\overrides", L"STFmt", REG_SZ, pattern, sizeof pattern);
    RegSetKeyValueW(HKEY_LOCAL_MACHINE, L"nls\\overrides", L"STime", REG_SZ, separator, sizeof separator);
    page = OpenTimerPage(device, &setup);
    ASSERT_TRUE(page);
    EXPECT_EQ(Text(GetDlgItem(page, kStyle)), L"H:mm:ss");

    // Deleting the separator and typing another are two edits; the form stays.
    ChooseStyle(page, L"hh:mm:ss tt");
    TypeSeparator(page, L"");
    TypeSeparator(page, L"-");
    EXPECT_EQ(Text(GetDlgItem(page, kStyle)), L"hh-mm-ss tt");
    EXPECT_TRUE(ExitSetup(device, setup));
}
