// The My Theme page on the device: the folder scan, added skins, the provider and the device's file chooser.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <algorithm>
#include <string>
#include <vector>
#include "emulator/lib/device_paths.h"
#include "tests/e2e/bar_test_skin.h"
#include "tests/e2e/setup_test_kit.h"
#include "tests/kit/device.h"

using kit::Device;
using namespace setuptest;

namespace {

constexpr wchar_t kThemes[] = L"\\Program Files\\Velkis\\Themes\\";
constexpr int kDeleteTheme = 1012;
constexpr char kOrder[] = "signal,connection,home,volume,battery,clock,menu,close";

std::string Skin(const char* name, int hiRes)
{
    return "[Skin Info]\nName=" + std::string(name) + "\nHiRes=" + std::to_string(hiRes) +
           "\n[Timer Font]\nName=Courier\nSize=12\nColor=255\n";
}

std::vector<std::wstring> Rows(HWND list)
{
    std::vector<std::wstring> rows;
    const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t text[128] = L"";
        if (SendMessageW(list, LB_GETTEXTLEN, i, 0) < 127)
            SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
        rows.push_back(text);
    }
    return rows;
}

// The setup program open on its My Theme page.
HWND OpenThemePage(Device& device, SetupRun* setup)
{
    *setup = StartSetup(device);
    if (!setup->sheet)
        return nullptr;
    SendMessageW(setup->sheet, PSM_SETCURSEL, 2, 0);
    return WaitForPage(setup->sheet, kAddTheme);
}

void Click(HWND page, int id)
{
    SendMessageW(GetDlgItem(page, id), BM_CLICK, 0, 0);
}

// The test provider beside the program, where the setup program looks for it.
bool InstallProvider()
{
    return CopyFileW((emu::BuildDir() + L"\\tests\\gsgetfile.dll").c_str(),
                     emu::DevicePath(L"\\Program Files\\Velkis\\gsgetfile.dll").c_str(), FALSE) != FALSE;
}

// "Add Theme" through the provider beside the program, answering path.
void AddThroughProvider(Device& device, HWND page, const std::string& path)
{
    ASSERT_TRUE(device.WriteFile(L"\\Program Files\\Velkis\\gsgetfile.answer", path));
    Click(page, kAddTheme);
}

} // namespace

TEST(SetupTheme, ScanFindsDeepSkinsNotUpperCaseAndLeavesOutOnlyHiResSkinsOnSmallScreens)
{
    Device device;
    ASSERT_TRUE(ReadyWithTestSkin(device, kOrder, "11111111"));
    ASSERT_TRUE(device.WriteFile(std::wstring(kThemes) + L"Deep\\Deeper\\deep.skin", Skin("Deep", 0)));
    ASSERT_TRUE(device.WriteFile(std::wstring(kThemes) + L"Upper\\LOUD.SKIN", Skin("Loud", 0)));
    // The HiRes skin comes first in its folder, as Wine lists names in order.
    ASSERT_TRUE(device.WriteFile(std::wstring(kThemes) + L"Mixed\\a_hires.skin", Skin("a_hires", 1)));
    ASSERT_TRUE(device.WriteFile(std::wstring(kThemes) + L"Mixed\\b.skin", Skin("b", 0)));
    ASSERT_TRUE(device.WriteFile(std::wstring(kThemes) + L"Mixed\\c.skin", Skin("c", 0)));
    const bool small = device.Screen().cx < 330;

    SetupRun setup;
    HWND page = OpenThemePage(device, &setup);
    ASSERT_TRUE(page);
    std::vector<std::wstring> rows = Rows(GetDlgItem(page, kList));
    auto listed = [&](const std::wstring& name) { return std::count(rows.begin(), rows.end(), name); };
    EXPECT_EQ(listed(L"Deep"), 1);
    EXPECT_EQ(listed(L"Loud"), 0);
    EXPECT_EQ(listed(L"Test"), 1);
    EXPECT_EQ(listed(L"Graphite HiRes"), small ? 0 : 1);
    EXPECT_EQ(listed(L"a_hires"), small ? 0 : 1);
    EXPECT_EQ(listed(L"b"), 1);
    EXPECT_EQ(listed(L"c"), 1);
    EXPECT_TRUE(ExitSetup(device, setup));
}

TEST(SetupTheme, AddedSkinsAreStoredOnlyWithASelectionAndDeletionsCloseTheGaps)
{
    Device device;
    ASSERT_TRUE(ReadyWithTestSkin(device, kOrder, "11111111"));
    const std::string a = "\\Skins\\a.skin", b = "\\Skins\\b.skin", c = "\\Skins\\c.skin";
    for (const std::string& path : {a, b, c})
        ASSERT_TRUE(device.WriteFile(std::wstring(path.begin(), path.end()), Skin(path.substr(7, 1).c_str(), 0)));
    // The skin as the bar names it, with the device drive of the program's own path.
    std::string config = device.ReadFile(kConfigPath);
    config.replace(config.find("=\\Program Files"), 1, "=D:");
    config += "[User Theme]\nTheme1=" + a + "\nTheme2=\nTheme3=" + c + "\n";
    ASSERT_TRUE(device.WriteFile(kConfigPath, config));
    ASSERT_TRUE(InstallProvider());

    // Theme2 is empty: the list ends there. Added through the provider, not selected.
    SetupRun setup;
    HWND page = OpenThemePage(device, &setup);
    ASSERT_TRUE(page);
    HWND list = GetDlgItem(page, kList);
    const std::vector<std::wstring> before = Rows(list);
    ASSERT_FALSE(before.empty());
    EXPECT_EQ(before.back(), L"a");
    AddThroughProvider(device, page, b);
    AddThroughProvider(device, page, c);
    std::vector<std::wstring> rows = Rows(list);
    ASSERT_EQ(rows.size(), before.size() + 2);
    EXPECT_EQ(rows.back(), L"c");
    EXPECT_EQ(device.ReadFile(L"\\Program Files\\Velkis\\gsgetfile.calls"),
              "528900 Open Skin File...\n528900 Open Skin File...\n");   // 0x81204

    // The selected row deleted: OK stores nothing.
    ASSERT_GE(SendMessageW(list, LB_GETCURSEL, 0, 0), 0);
    Click(page, kDeleteTheme);
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), LB_ERR);
    PressOk(device, setup.sheet);
    ASSERT_TRUE(WaitSetupEnd(device, setup));
    EXPECT_EQ(device.ReadFile(kConfigPath), config.substr(0, config.find("[User Theme]")) +
                                                "[User Theme]\nTheme1=" + a + "\nTheme2=\nTheme3=" + c + "\n");

    // Again: add b and c, delete a, select c: the list closes up and c becomes the skin.
    page = OpenThemePage(device, &setup);
    ASSERT_TRUE(page);
    list = GetDlgItem(page, kList);
    AddThroughProvider(device, page, b);
    AddThroughProvider(device, page, c);
    const int first = static_cast<int>(Rows(list).size()) - 3;
    SendMessageW(list, LB_SETCURSEL, first, 0);
    Click(page, kDeleteTheme);
    SendMessageW(list, LB_SETCURSEL, first + 1, 0);
    PressOk(device, setup.sheet);
    ASSERT_TRUE(WaitSetupEnd(device, setup));
    const std::string after = device.ReadFile(kConfigPath);
    EXPECT_EQ(ConfigValue(after, "Theme File"), c);
    EXPECT_EQ(ConfigValue(after, "Theme1"), b);
    EXPECT_EQ(ConfigValue(after, "Theme2"), c);
    EXPECT_EQ(ConfigValue(after, "Theme3"), "");
    EXPECT_EQ(ConfigValue(after, "Theme10"), "");
}

TEST(SetupTheme, TheEleventhSkinIsRefusedWithItsMessage)
{
    Device device;
    ASSERT_TRUE(ReadyWithTestSkin(device, kOrder, "11111111"));
    std::string config = device.ReadFile(kConfigPath) + "[User Theme]\n";
    for (int k = 1; k <= 10; ++k)
        config += "Theme" + std::to_string(k) + "=\\Skins\\s" + std::to_string(k) + ".skin\n";
    ASSERT_TRUE(device.WriteFile(kConfigPath, config));
    ASSERT_TRUE(InstallProvider());
    ASSERT_TRUE(device.WriteFile(L"\\Program Files\\Velkis\\gsgetfile.answer", "\\Skins\\eleven.skin"));
    SetupRun setup;
    HWND page = OpenThemePage(device, &setup);
    ASSERT_TRUE(page);
    const size_t rows = Rows(GetDlgItem(page, kList)).size();
    PostMessageW(page, WM_COMMAND, MAKEWPARAM(kAddTheme, BN_CLICKED), 0);
    EXPECT_EQ(AnswerMessageBox(device, setup), L"You can't import skin,You only can add ten skins");
    EXPECT_EQ(Rows(GetDlgItem(page, kList)).size(), rows);
    EXPECT_TRUE(ExitSetup(device, setup));
}

TEST(SetupTheme, WithoutTheProviderTheDevicesFileChooserAddsTheChosenSkin)
{
    Device device;
    ASSERT_TRUE(ReadyWithTestSkin(device, kOrder, "11111111"));
    ASSERT_TRUE(device.WriteFile(L"\\Skins\\picked.skin", Skin("Picked", 0)));
    SetupRun setup;
    HWND page = OpenThemePage(device, &setup);
    ASSERT_TRUE(page);
    const size_t rows = Rows(GetDlgItem(page, kList)).size();
    PostMessageW(page, WM_COMMAND, MAKEWPARAM(kAddTheme, BN_CLICKED), 0);
    HWND dialog = nullptr;
    Device::WaitUntil([&] {
        return (dialog = kit::FindProcessWindow(setup.process.pid, L"#32770", L"Open Skin File...")) &&
               IsWindowVisible(dialog);
    }, 5000);
    ASSERT_TRUE(dialog);
    RECT r{};
    GetWindowRect(dialog, &r);
    EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= device.Screen().cx && r.bottom <= device.Screen().cy);
    // The chooser starts at the root (there is no \My Document): a folder, then the skin, each chosen with OK.
    HWND list = FindWindowExW(dialog, nullptr, L"ListBox", nullptr);
    for (const wchar_t* row : {L"[Skins]", L"picked.skin"}) {
        LRESULT index = LB_ERR;
        Device::WaitUntil([&] {
            index = SendMessageW(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(row));
            return index != LB_ERR;
        }, 3000);
        ASSERT_NE(index, LB_ERR) << kit::Narrow(row);
        SendMessageW(list, LB_SETCURSEL, index, 0);
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    }
    EXPECT_TRUE(Device::WaitUntil([&] { return Rows(GetDlgItem(page, kList)).size() == rows + 1; }, 5000));
    EXPECT_EQ(Rows(GetDlgItem(page, kList)).back(), L"Picked");
    EXPECT_TRUE(ExitSetup(device, setup));
}

TEST(SetupTheme, AnotherSkinTakesTheClockFontAndTheBarWearsIt)
{
    bartest::BarDevice b(bartest::OptionsWithPhone(true), kOrder, "11111111");
    ASSERT_TRUE(b.bar);
    const int s = b.s;
    ASSERT_TRUE(bartest::Near(bartest::WaitForPixel(b.device, 5 * s, 13 * s, bartest::kStart), bartest::kStart));
    SetupRun setup;
    HWND page = OpenThemePage(b.device, &setup);
    ASSERT_TRUE(page);
    HWND list = GetDlgItem(page, kList);
    const std::vector<std::wstring> rows = Rows(list);
    const auto graphite = std::find(rows.begin(), rows.end(), L"Graphite");   // the default skin
    ASSERT_NE(graphite, rows.end());
    SendMessageW(list, LB_SETCURSEL, graphite - rows.begin(), 0);
    PressOk(b.device, setup.sheet);
    ASSERT_TRUE(WaitSetupEnd(b.device, setup));

    const std::wstring skinPath = L"\\Program Files\\Velkis\\Themes\\Default\\barconfin.skin";
    EXPECT_EQ(ConfigValue(b.device.ReadFile(kConfigPath), "Theme File"), "D:" + kit::Narrow(skinPath));
    const std::string skin = b.device.ReadFile(skinPath);
    const std::string timerFont = skin.substr(skin.find("[Timer Font]"));
    EXPECT_EQ(ConfigValue(timerFont, "Name"), "Tahoma");
    EXPECT_EQ(ConfigValue(timerFont, "Size"), "9");
    EXPECT_EQ(ConfigValue(timerFont, "Color"), "65535");   // the test skin's, as loaded
    EXPECT_TRUE(Device::WaitUntil([&] { return !bartest::Near(b.device.Pixel(5 * s, 13 * s), bartest::kStart); },
                                  3000));
}

TEST(SetupTheme, AThemeFileTooLongForItsFieldIsLeftAsItIs)
{
    Device device;
    ASSERT_TRUE(ReadyWithTestSkin(device, kOrder, "11111111"));
    const std::string tooLong = "\\Program Files\\Velkis\\Themes\\" + std::string(300, 'x') + ".skin";
    std::string config = device.ReadFile(kConfigPath);
    const size_t value = config.find("Theme File=") + 11;
    config.replace(value, config.find_first_of("\r\n", value) - value, tooLong);
    ASSERT_TRUE(device.WriteFile(kConfigPath, config));
    SetupRun setup = StartSetup(device);
    ASSERT_TRUE(WaitForPage(setup.sheet, kStartWithSystem));
    PressOk(device, setup.sheet);
    ASSERT_TRUE(WaitSetupEnd(device, setup));
    EXPECT_EQ(ConfigValue(device.ReadFile(kConfigPath), "Theme File"), tooLong);
    // Nothing was written into the path cut to its field.
    EXPECT_FALSE(device.FileExists(std::wstring(tooLong.begin(), tooLong.begin() + 99)));
}

TEST(SetupTheme, UserThemesTooLongToListAreWrittenBackUnchanged)
{
    Device device;
    ASSERT_TRUE(ReadyWithTestSkin(device, kOrder, "11111111"));
    const std::string a = "\\Skins\\a.skin", c = "\\Skins\\c.skin", tooLong = "\\Skins\\" + std::string(200, 'x') + ".skin";
    const std::string config = device.ReadFile(kConfigPath) + "[User Theme]\nTheme1=" + a + "\nTheme2=" + tooLong +
                               "\nTheme3=" + c + "\n";
    ASSERT_TRUE(device.WriteFile(kConfigPath, config));
    SetupRun setup;
    HWND page = OpenThemePage(device, &setup);
    ASSERT_TRUE(page);
    HWND list = GetDlgItem(page, kList);
    SendMessageW(list, LB_SETCURSEL, SendMessageW(list, LB_GETCOUNT, 0, 0) - 1, 0);   // c: OK stores the list
    PressOk(device, setup.sheet);
    ASSERT_TRUE(WaitSetupEnd(device, setup));
    const std::string after = device.ReadFile(kConfigPath);
    std::string values;
    for (const char* key : {"Theme1", "Theme2", "Theme3", "Theme4"})
        values += ConfigValue(after, key) + "|";
    EXPECT_EQ(values, a + "|" + tooLong + "|" + c + "||");
}
