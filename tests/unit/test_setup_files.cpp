// The setup program's settings on real files: what OK writes back of what it loaded.
#include <gtest/gtest.h>
#include <string>
#include "setup/setup_settings.h"
#include "tests/unit/ini_test_folder.h"

namespace {

std::string Narrow(const std::wstring& text)
{
    return std::string(text.begin(), text.end());
}

} // namespace

TEST(SetupFiles, OkKeepsTheSkinsClockFontAsTheSkinHasIt)
{
    IniTestFolder folder;
    const std::wstring skin = folder.Path(L"clock.skin");
    // A face name of 27 characters, and neither Size nor Color.
    const std::string skinText = "[Timer Font]\nName=Lucida Sans Typewriter Bold\nStyle=1\n[Title Font]\nSize=9\n";
    IniTestFolder::Write(skin, skinText);
    IniTestFolder::Write(folder.Path(L"config.ini"),
                         "[Settings]\nTheme File=" + Narrow(skin) + "\n[TopBar Settings]\nOrder=home\nDisplay=1\n");
    const std::wstring programFolder = folder.Path(L"");
    SetupSettings settings;
    LoadSettings(&settings, programFolder.c_str());
    SaveSettings(settings, programFolder.c_str());
    EXPECT_EQ(IniTestFolder::Read(skin), skinText);
}
