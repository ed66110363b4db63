// The font record of skin files: what a write leaves and what a read gives back.
#include <gtest/gtest.h>
#include "common/font_spec.h"
#include "tests/unit/ini_test_folder.h"

TEST(FontSpecFile, WriteKeepsStyleAndReadsBackTheSameBits)
{
    IniTestFolder folder;
    std::wstring skin = folder.Path(L"a.skin");
    IniTestFolder::Write(skin, "[Timer Font]\nName=Tahoma\nSize=9\nStyle=3\nColor=0\n");

    FontSpec written = {L"Courier New", 12, 0, RGB(10, 20, 200)};
    ASSERT_TRUE(WriteFontSpec(skin.c_str(), "Timer Font", written));
    EXPECT_EQ(IniTestFolder::Read(skin),
              "[Timer Font]\nName=Courier New\nSize=12\nStyle=3\nColor=13112330\n");

    written.color = 0xFFFFFFFF;   // written signed, read back to the same bits
    ASSERT_TRUE(WriteFontSpec(skin.c_str(), "Timer Font", written));
    FontSpec read = ReadFontSpec(skin.c_str(), "Timer Font");
    EXPECT_STREQ(read.name, L"Courier New");
    EXPECT_EQ(read.size, 12);
    EXPECT_EQ(read.style, 3);
    EXPECT_EQ(read.color, 0xFFFFFFFFu);
}

TEST(FontSpecFile, MissingKeysKeepTheCallersValues)
{
    IniTestFolder folder;
    std::wstring skin = folder.Path(L"b.skin");
    IniTestFolder::Write(skin, "[Timer Font]\r\nName=\r\nSize=10.5\r\n");

    FontSpec bar = ReadFontSpec(skin.c_str(), "Timer Font");
    EXPECT_STREQ(bar.name, L"Tahoma");
    EXPECT_EQ(bar.size, 10);
    EXPECT_EQ(bar.style, 0);
    EXPECT_EQ(bar.color, 0u);

    FontSpec empty = ReadFontSpec(folder.Path(L"none.skin").c_str(), "Timer Font", FontSpec{L"", 0, 0, 0});
    EXPECT_STREQ(empty.name, L"");
    EXPECT_EQ(empty.size, 0);
}
