// Hit-testing, signal levels and the close/OK decision.
#include <gtest/gtest.h>
#include "bar/actions/close_button.h"
#include "bar/config/skin.h"
#include "bar/core/paint.h"
#include "bar/core/stylus.h"
#include "bar/status/readings.h"

TEST(HitTest, FirstShownSlotContainingThePointWins)
{
    buttonTable = LoadedButtonTable();
    buttonTable.slots[0].rect = RECT{0, 0, 60, 26};
    int right = 240;
    buttonTable.slots[2].width = 20;
    buttonTable.slots[2].height = 26;
    PlaceRecord(buttonTable.slots[2], right, 1);
    EXPECT_EQ(buttonTable.slots[2].rect.left, 220);
    EXPECT_EQ(right, 220);
    buttonTable.slots[2].enabled = FALSE;

    bool enabled = true;
    EXPECT_EQ(HitTestButton(POINT{239, 25}, &enabled), BUTTON_CLOSE);
    EXPECT_FALSE(enabled);
    EXPECT_EQ(HitTestButton(POINT{240, 10}, &enabled), -1);     // right edge exclusive
    EXPECT_EQ(HitTestButton(POINT{220, 26}, &enabled), -1);     // bottom exclusive
    EXPECT_EQ(HitTestButton(POINT{0, 0}, &enabled), BUTTON_START_MENU);
    EXPECT_TRUE(enabled);
    buttonTable.slots[2].shown = FALSE;
    EXPECT_EQ(HitTestButton(POINT{230, 10}, &enabled), -1);
    // The signal slot's rectangle stays empty: it is never hit.
    EXPECT_EQ(HitTestButton(POINT{100, 10}, &enabled), -1);

    // Scale 2 doubles the placed size of a small-screen image.
    ButtonRecord record = {};
    record.width = 18;
    record.height = 26;
    int edge = 480;
    PlaceRecord(record, edge, 2);
    EXPECT_EQ(record.rect.left, 444);
    EXPECT_EQ(record.rect.bottom, 52);
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
