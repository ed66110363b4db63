// Hit-testing, signal levels and the close/OK decision.
#include <gtest/gtest.h>
#include "bar/actions/close_button.h"
#include "bar/config/skin.h"
#include "bar/layout/bar_layout.h"
#include "bar/layout/button_table.h"
#include "bar/core/stylus.h"
#include "bar/status/readings.h"

TEST(Layout, PlacesShownButtonsFromTheRightAndHitTestingFindsThem)
{
    buttonTable = LoadedButtonTable();
    buttonTable.slots[0].rect = RECT{0, 0, 60, 26};
    buttonTable.slots[0].width = 30;
    buttonTable.slots[0].height = 13;
    buttonTable.slots[2].width = 20;          // close, at the right edge
    buttonTable.slots[2].height = 26;
    buttonTable.slots[2].enabled = FALSE;
    buttonTable.slots[4].shown = FALSE;       // volume: takes no room
    buttonTable.slots[4].width = 50;
    buttonTable.slots[7].width = 18;          // home
    buttonTable.slots[7].height = 24;
    SignalImageSet signal = {};
    signal.levels[3].width = 17;
    signal.levels[3].height = 26;
    LayoutInputs inputs = {240, 320, 1, 2, 0, true, 3, 30};
    BarLayout layout = LayOutBar(buttonTable, signal, inputs);

    EXPECT_EQ(buttonTable.slots[2].rect.left, 200);        // 240 - 20 x 2
    EXPECT_EQ(buttonTable.slots[7].rect.left, 164);        // home 36 wide, volume none
    EXPECT_EQ(buttonTable.slots[7].rect.bottom, 48);
    EXPECT_EQ(buttonTable.slots[10].rect.left, 134);       // the clock's 30
    EXPECT_EQ(buttonTable.slots[10].rect.bottom, 26);
    EXPECT_EQ(signal.levels[3].rect.left, 100);            // the signal record of level 3
    EXPECT_EQ(buttonTable.slots[11].rect.right, 0);        // the signal slot's own stays empty
    EXPECT_EQ(layout.title.left, 60);                      // start image 30 x 2
    EXPECT_EQ(layout.title.right, 100);
    EXPECT_FALSE(layout.landscape);
    ButtonTable copy = buttonTable;
    EXPECT_TRUE(LayOutBar(copy, signal, LayoutInputs{320, 240, 1, 1, 1, false, 3, 0}).landscape);

    bool enabled = true;
    EXPECT_EQ(HitTestButton(POINT{239, 25}, &enabled), BUTTON_CLOSE);
    EXPECT_FALSE(enabled);
    EXPECT_EQ(HitTestButton(POINT{240, 10}, &enabled), -1);     // right edge exclusive
    EXPECT_EQ(HitTestButton(POINT{210, 52}, &enabled), -1);     // bottom exclusive
    EXPECT_EQ(HitTestButton(POINT{170, 47}, &enabled), BUTTON_HOME);
    EXPECT_EQ(HitTestButton(POINT{0, 0}, &enabled), BUTTON_START_MENU);
    EXPECT_TRUE(enabled);
    EXPECT_EQ(HitTestButton(POINT{110, 10}, &enabled), -1);     // the signal is never hit here
    buttonTable = {};
}

TEST(SignalLevels, FollowTheQuartersOfTheSignalField)
{
    EXPECT_EQ(SignalLevelFromStrength(0, 3), 0);
    EXPECT_EQ(SignalLevelFromStrength(1, 3), 3);          // 0 per cent keeps the level
    EXPECT_EQ(SignalLevelFromStrength(656, 0), 1);        // 1 %
    EXPECT_EQ(SignalLevelFromStrength(16383, 0), 1);      // 24 %
    EXPECT_EQ(SignalLevelFromStrength(17039, 0), 1);      // 25.99 % counts as 25
    EXPECT_EQ(SignalLevelFromStrength(17040, 0), 2);      // 26 %
    EXPECT_EQ(SignalLevelFromStrength(0x8000, 0), 2);     // 50 %
    EXPECT_EQ(SignalLevelFromStrength(0xC000, 0), 3);     // 75 %
    EXPECT_EQ(SignalLevelFromStrength(0xFFFF, 0), 4);
}

TEST(CloseButtonRule, CaptionOkFramesAndMaximizeBoxes)
{
    const DWORD ok = 0x80000000;
    EXPECT_EQ(CloseButtonStateFor(true, WS_POPUP, ok), 2);              // OK shown
    EXPECT_EQ(CloseButtonStateFor(true, WS_POPUP | WS_CAPTION, ok), 0); // framed: close disabled
    EXPECT_EQ(CloseButtonStateFor(true, WS_POPUP, 0), 1);
    EXPECT_EQ(CloseButtonStateFor(true, WS_CHILD, 0), 0);
    EXPECT_EQ(CloseButtonStateFor(false, WS_POPUP | WS_MAXIMIZEBOX, 0), 0);
    EXPECT_EQ(CloseButtonStateFor(true, WS_POPUP | WS_MAXIMIZEBOX, 0), 1);
    EXPECT_EQ(CloseButtonStateFor(false, WS_POPUP, 0), 1);
}
