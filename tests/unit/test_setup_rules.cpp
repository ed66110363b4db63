// The setup program's pure rules: Order rows, what the Order page stores, moves, theme rows,
// timer patterns and sizes, the skin's clock font kept by OK, the start-up shortcut's text and
// the title's geometry.
#include <gtest/gtest.h>
#include "platform/shortcut.h"
#include "setup/order_rows.h"
#include "setup/page_title.h"
#include "setup/relayout.h"
#include "setup/setup_settings.h"
#include "setup/startup_shortcut.h"
#include "setup/theme_skins.h"
#include "setup/timer_rules.h"
#include "tests/unit/ini_test_folder.h"

namespace {

std::wstring Words(const std::vector<const OrderToken*>& rows)
{
    std::wstring words;
    for (const OrderToken* token : rows)
        words += (words.empty() ? L"" : L"|") + std::wstring(token->word);
    return words;
}

} // namespace

TEST(OrderRows, WordsBecomeRowsAsThePageSplitsThem)
{
    struct Case { const wchar_t* order; const wchar_t* rows; } cases[] = {
        {L"signal,connection,home,volume,battery,clock,menu,close",
         L"signal|connection|home|volume|battery|clock|menu|close"},
        {L"home,clock,", L"home"},                      // the last comma stays on "clock"
        {L"start,home, clock,clock ,menu", L"home|menu"},
        {L"clock,clock", L"clock|clock"},
        {L"home,,clock", L"home|clock"},
        {L",,home", L"home"},
        {L"Home,clocks,menuX", L""},
        {L"", L""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Words(OrderRowsFromText(c.order)), c.rows) << c.order;
    EXPECT_STREQ(OrderRowsFromText(L"volume")[0]->rowText, L"Voice");
}

TEST(OrderRows, StoreKeepsEightOrSevenRowsWithTheirMarks)
{
    const std::vector<OrderRow> rows = {
        {L"Signal", true}, {L"ActiveSync State", true}, {L"Home", false}, {L"Voice", true},
        {L"Battery/Memory", true}, {L"Time", true}, {L"Menu button", true}, {L"OK/Close", true},
    };
    StoredOrder eight = StoreOrderRows(rows, StoredRowCount(true));
    EXPECT_EQ(eight.order, L"signal,connection,home,volume,battery,clock,menu,close");
    EXPECT_EQ(eight.display, L"11011111");
    StoredOrder seven = StoreOrderRows(rows, StoredRowCount(false));
    EXPECT_EQ(seven.order, L"signal,connection,home,volume,battery,clock,menu");
    EXPECT_EQ(seven.display, L"1101111");

    // Missing rows store "0"; a text that names no word keeps only its mark.
    StoredOrder few = StoreOrderRows({{L"Time", true}, {L"Nothing", true}, {L"Home", false}}, 8);
    EXPECT_EQ(few.order, L"clock,home");
    EXPECT_EQ(few.display, L"11000000");
    StoredOrder none = StoreOrderRows({}, 7);
    EXPECT_EQ(none.order, L"");
    EXPECT_EQ(none.display, L"0000000");
}

TEST(OrderRows, AMoveNeedsAMarkAndARowToLandOn)
{
    EXPECT_EQ(MoveTarget(0, -1, 8), -1);
    EXPECT_EQ(MoveTarget(7, 1, 8), -1);
    EXPECT_EQ(MoveTarget(-1, 1, 8), -1);
    EXPECT_EQ(MoveTarget(3, 1, 8), 4);
    EXPECT_EQ(MoveTarget(3, -1, 8), 2);
}

TEST(SetupSettings, SizeHasOneDecimalOnlyBelowElevenWithAFraction)
{
    struct Case { float size; const char* text; } cases[] = {
        {10.0f, "10"}, {10.5f, "10.5"}, {5.5f, "5.5"}, {7.0f, "7"}, {13.0f, "13"}, {18.0f, "18"}, {0.0f, "0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatTimerSize(c.size), c.text) << c.size;
}

TEST(SetupSettings, OkKeepsTheSkinsClockFontAsTheSkinHasIt)
{
    IniTestFolder folder;
    const std::wstring skin = folder.Path(L"clock.skin");
    // A face name of 27 characters, and neither Size nor Color.
    const std::string skinText = "[Timer Font]\nName=Lucida Sans Typewriter Bold\nStyle=1\n[Title Font]\nSize=9\n";
    IniTestFolder::Write(skin, skinText);
    IniTestFolder::Write(folder.Path(L"config.ini"), "[Settings]\nTheme File=" + std::string(skin.begin(), skin.end()) +
                                                         "\n[TopBar Settings]\nOrder=home\nDisplay=1\n");
    const std::wstring programFolder = folder.Path(L"");
    SetupSettings settings;
    LoadSettings(&settings, programFolder.c_str());
    SaveSettings(settings, programFolder.c_str());
    EXPECT_EQ(IniTestFolder::Read(skin), skinText);
}

TEST(SetupSettings, TheStartUpShortcutNamesTheQuotedBarWithItsLength)
{
    EXPECT_EQ(StartUpShortcutTarget(L"\\Program Files\\Velkis\\"), L"\"\\Program Files\\Velkis\\Velkis\"");
    EXPECT_EQ(ShortcutText(L"\"\\Program Files\\Velkis\\Velkis\""), "30#\"\\Program Files\\Velkis\\Velkis\"");
    EXPECT_EQ(ShortcutText(L"\\a"), "2#\\a");
}

TEST(PageTitle, GeometryAtBothDensitiesAndShapes)
{
    struct Case { int dpi, width, height, scale, font, ruleY, ruleLength; } cases[] = {
        {96, 240, 320, 1, -11, 25, 240},
        {96, 320, 240, 1, -11, 25, 320},
        {96, 240, 240, 1, -11, 25, 240},
        {192, 480, 640, 2, -22, 50, 480},
        {192, 640, 480, 2, -22, 50, 640},
    };
    for (const Case& c : cases) {
        const PageTitleLook look = PageTitleLookFor(c.dpi, c.width, c.height);
        EXPECT_EQ(look.scale, c.scale);
        EXPECT_EQ(look.fontHeight, c.font);
        EXPECT_EQ(look.ruleY, c.ruleY);
        EXPECT_EQ(look.ruleLength, c.ruleLength);
        EXPECT_EQ(look.ruleWidth, c.scale);
        EXPECT_EQ(look.textRect.left, 10 * c.scale);
        EXPECT_EQ(look.textRect.right, 240 * c.scale);
        EXPECT_EQ(look.textRect.bottom, 25 * c.scale);
    }
}

TEST(PageTitle, VariantFollowsTheScreenShape)
{
    const LayoutVariants order{129, 134, 137};
    EXPECT_EQ(VariantForScreen(order, 240, 320), 129);
    EXPECT_EQ(VariantForScreen(order, 320, 240), 134);
    EXPECT_EQ(VariantForScreen(order, 240, 240), 137);
    EXPECT_EQ(VariantForScreen(order, 480, 640), 129);
}

TEST(ThemeRows, RowsMapToFoundThenAddedSkinsAndAnAddedSkinWinsTheSelection)
{
    ThemeRows rows{{L"\\a.skin", L"\\b.skin"}, {L"\\c.skin", L"\\b.skin", L"\\d.skin", L"\\e.skin"}};
    EXPECT_EQ(ThemeRowPath(rows, 1), L"\\b.skin");
    EXPECT_EQ(ThemeRowPath(rows, 2), L"\\c.skin");
    EXPECT_EQ(ThemeRowPath(rows, 6), L"");
    EXPECT_EQ(ThemeRowPath(rows, -1), L"");
    EXPECT_EQ(ThemeRowFor(rows, L"\\a.skin"), 0);
    EXPECT_EQ(ThemeRowFor(rows, L"\\b.skin"), 3);
    EXPECT_EQ(ThemeRowFor(rows, L"\\B.skin"), -1);

    // Deleting the second of four added skins closes the gap in "User Theme".
    DeleteThemeRow(&rows, 3);
    const std::vector<std::wstring> values = UserThemeValues(rows);
    ASSERT_EQ(values.size(), 10u);
    EXPECT_EQ(values[0], L"\\c.skin");
    EXPECT_EQ(values[1], L"\\d.skin");
    EXPECT_EQ(values[2], L"\\e.skin");
    for (size_t k = 3; k < 10; ++k)
        EXPECT_EQ(values[k], L"") << k;
    DeleteThemeRow(&rows, 0);
    EXPECT_EQ(rows.found, std::vector<std::wstring>{L"\\b.skin"});
}

TEST(TimerRules, PatternsSeparatorsAndThePrefixSearch)
{
    EXPECT_EQ(TimePatterns(L"."),
              (std::vector<std::wstring>{L"HH.mm.ss", L"H.mm.ss", L"hh.mm.ss tt", L"h.mm.ss tt"}));
    EXPECT_EQ(DefaultTimePattern(L":"), L"h:mm:ss tt");
    for (const wchar_t* bad : {L"", L"m", L"H", L"h", L"s", L"t", L"'", L"a'b"})
        EXPECT_FALSE(ValidSeparator(bad)) << std::wstring(bad).size();
    for (const wchar_t* good : {L":", L".", L" - "})
        EXPECT_TRUE(ValidSeparator(good));

    std::vector<std::wstring> sizes;
    for (float size : TimerSizes()) {
        const std::string text = FormatTimerSize(size);
        sizes.push_back(std::wstring(text.begin(), text.end()));
    }
    EXPECT_EQ(sizes.size(), 13u);
    EXPECT_EQ(sizes[1], L"5.5");
    EXPECT_EQ(PrefixSearch(sizes, L"5"), 1);    // the search starts at the second entry
    EXPECT_EQ(PrefixSearch(sizes, L"10"), 6);
    EXPECT_EQ(PrefixSearch(sizes, L"18"), 12);
    EXPECT_EQ(PrefixSearch(sizes, L"13"), -1);
    EXPECT_EQ(PrefixSearch({L"HH:mm:ss", L"h:mm:ss tt"}, L"hh:MM"), 0);
    EXPECT_EQ(PrefixSearch({}, L"x"), -1);
}
