// Order and Display rules: which slot each button takes and whether it is shown.
#include <gtest/gtest.h>
#include <algorithm>
#include <string>
#include <vector>
#include "bar/config/buttons.h"

namespace {

constexpr const wchar_t* kPhoneOrder = L"signal,connection,home,volume,battery,clock,menu,close";
constexpr const wchar_t* kNoPhoneOrder = L"connection,home,volume,battery,clock,menu,close";

// The ids of the shown buttons as the layout places them, left to right (the
// highest slot stands leftmost; slot 0 is the start button, outside this list).
// Without a phone the signal is never painted.
std::vector<int> ShownLeftToRight(const ButtonTable& table, bool phone = true)
{
    std::vector<int> ids;
    for (int slot = kButtonCount - 1; slot >= 1; --slot) {
        int id = table.slots[slot].id;
        if (table.slots[slot].shown && id != BUTTON_START_MENU && (phone || id != BUTTON_SIGNAL))
            ids.push_back(id);
    }
    return ids;
}

ButtonTable Arranged(const wchar_t* order, const wchar_t* display, bool phone)
{
    ButtonTable table = LoadedButtonTable();
    ApplyOrderText(table, order, phone);
    ApplyVisibilityText(table, order, display);
    return table;
}

} // namespace

TEST(ButtonOrder, DefaultOrdersPutTheFirstTokenLeftmostAndPairsSideBySide)
{
    ButtonTable phone = Arranged(kPhoneOrder, L"11111111", true);
    EXPECT_EQ(ShownLeftToRight(phone), (std::vector<int>{BUTTON_SIGNAL, BUTTON_CONNECTION, BUTTON_DISCONNECT,
                                                         BUTTON_HOME, BUTTON_VOLUME, BUTTON_MUTE, BUTTON_BATTERY,
                                                         BUTTON_CLOCK, BUTTON_MENU, BUTTON_CLOSE, BUTTON_OK}));
    EXPECT_EQ(phone.slots[0].id, BUTTON_START_MENU);

    ButtonTable noPhone = Arranged(kNoPhoneOrder, L"1111111", false);
    EXPECT_EQ(noPhone.slots[10].id, BUTTON_CONNECTION);
    EXPECT_EQ(noPhone.slots[1].id, BUTTON_OK);
    EXPECT_EQ(noPhone.slots[2].id, BUTTON_CLOSE);
    // Slot 11 keeps its loaded record (the signal), which only a phone paints.
    EXPECT_EQ(noPhone.slots[11].id, BUTTON_SIGNAL);
}

TEST(ButtonOrder, ClockFirstStandsDirectlyAfterTheStartButton)
{
    ButtonTable table = Arranged(L"clock,connection,home,volume,battery,menu,close", L"1111111", false);
    EXPECT_EQ(table.slots[10].id, BUTTON_CLOCK);
    EXPECT_EQ(ShownLeftToRight(table, false).front(), BUTTON_CLOCK);
}

TEST(ButtonOrder, TokensAreExactUnknownOnesTakeNoSlot)
{
    // Blanks, letter case, misspellings, letters added or missing do not match.
    ButtonTable table = Arranged(L" home,Menu,clokc,clocks,menuX,clo,clock,,menu", L"111111111", false);
    EXPECT_EQ(table.slots[10].id, BUTTON_CLOCK);
    EXPECT_EQ(table.slots[9].id, BUTTON_MENU);
    // Slots below the last one filled keep their loaded records.
    for (int slot = 1; slot <= 8; ++slot)
        EXPECT_EQ(table.slots[slot].id, slot) << slot;
}

TEST(ButtonOrder, LongTokensAreCutAndRepeatedTokensNeverReachTheStartSlot)
{
    ButtonTable table = LoadedButtonTable();
    ApplyOrderText(table, L"close,close,close,close,close,close,close,close,close", true);
    EXPECT_EQ(table.slots[0].id, BUTTON_START_MENU);
    EXPECT_EQ(table.slots[11].id, BUTTON_CLOSE);
    EXPECT_EQ(table.slots[10].id, BUTTON_OK);
    EXPECT_EQ(table.slots[2].id, BUTTON_OK);
    EXPECT_EQ(table.slots[1].id, BUTTON_CLOSE);   // the last pair is cut short

    std::wstring longToken(300, L'x');
    table = LoadedButtonTable();
    ApplyOrderText(table, (longToken + L",menu").c_str(), true);
    EXPECT_EQ(table.slots[11].id, BUTTON_MENU);
}

TEST(ButtonVisibility, DisplayCharactersFollowTokenPositions)
{
    // Third character 0: home only is hidden, the rest close up.
    ButtonTable table = Arranged(kPhoneOrder, L"11011111", true);
    std::vector<int> shown = ShownLeftToRight(table);
    EXPECT_EQ(std::count(shown.begin(), shown.end(), BUTTON_HOME), 0);
    EXPECT_EQ(shown.size(), 10u);

    // A zero at "volume" hides both of its pair.
    table = Arranged(kPhoneOrder, L"11101111", true);
    EXPECT_FALSE(table.slots[FindSlotById(table, BUTTON_VOLUME)].shown);
    EXPECT_FALSE(table.slots[FindSlotById(table, BUTTON_MUTE)].shown);
    EXPECT_TRUE(table.slots[FindSlotById(table, BUTTON_BATTERY)].shown);

    // An unknown token still uses up its character.
    table = Arranged(L"menu,bogus,clock", L"101", false);
    EXPECT_TRUE(table.slots[FindSlotById(table, BUTTON_MENU)].shown);
    EXPECT_TRUE(table.slots[FindSlotById(table, BUTTON_CLOCK)].shown);
    table = Arranged(L"menu,bogus,clock", L"110", false);
    EXPECT_FALSE(table.slots[FindSlotById(table, BUTTON_CLOCK)].shown);

    // Any character other than "1" hides.
    table = Arranged(L"menu,clock", L"2x", false);
    EXPECT_FALSE(table.slots[FindSlotById(table, BUTTON_MENU)].shown);
    EXPECT_FALSE(table.slots[FindSlotById(table, BUTTON_CLOCK)].shown);
}

TEST(ButtonVisibility, ADisplayShorterThanTheListHidesTheRest)
{
    ButtonTable table = Arranged(kNoPhoneOrder, L"111", false);
    EXPECT_TRUE(table.slots[FindSlotById(table, BUTTON_VOLUME)].shown);
    EXPECT_FALSE(table.slots[FindSlotById(table, BUTTON_BATTERY)].shown);
    EXPECT_FALSE(table.slots[FindSlotById(table, BUTTON_CLOSE)].shown);
    EXPECT_FALSE(table.slots[FindSlotById(table, BUTTON_OK)].shown);
    // Buttons no token names stay as loaded: shown.
    EXPECT_TRUE(table.slots[FindSlotById(table, BUTTON_SIGNAL)].shown);
}

TEST(ButtonLookup, FindsTheFirstSlotOfAnIdOrNone)
{
    ButtonTable table = LoadedButtonTable();
    EXPECT_EQ(FindSlotById(table, BUTTON_CLOCK), 10);
    table.slots[3].id = BUTTON_CLOCK;
    EXPECT_EQ(FindSlotById(table, BUTTON_CLOCK), 3);
    EXPECT_EQ(FindSlotById(table, 42), -1);
    EXPECT_EQ(FindOrderToken(L"battery")->first, BUTTON_BATTERY);
    EXPECT_EQ(FindOrderToken(L"connection")->second, BUTTON_DISCONNECT);
    EXPECT_EQ(FindOrderToken(L"start"), nullptr);
}

TEST(OrderWords, EachWordHasOneRowTextThatLeadsBack)
{
    for (const wchar_t* word : {L"signal", L"connection", L"home", L"volume", L"battery", L"clock", L"menu", L"close"}) {
        const OrderToken* token = FindOrderToken(word);
        ASSERT_NE(token, nullptr) << word;
        EXPECT_EQ(FindOrderTokenByRowText(token->rowText), token) << word;
    }
    EXPECT_STREQ(FindOrderToken(L"connection")->rowText, L"ActiveSync State");
    EXPECT_EQ(FindOrderTokenByRowText(L"Time "), nullptr);
    EXPECT_EQ(FindOrderTokenByRowText(L"clock"), nullptr);
    EXPECT_STREQ(DefaultOrder(true), "signal,connection,home,volume,battery,clock,menu,close");
    EXPECT_STREQ(DefaultDisplay(false), "1111111");
}
