// Rules of the two popups: the volume table, the ring level, the battery popup's
// height, usage bars and texts.
#include <gtest/gtest.h>
#include "bar/status/battery_layout.h"
#include "bar/status/volume_table.h"

TEST(VolumeTable, EveryPositionBothWays)
{
    const DWORD table[] = {0xffffffff, 0xe665e665, 0xcccccccc, 0xb332b332, 0x99999999, 0x7fff7fff,
                           0x66666666, 0x4ccc4ccc, 0x33333333, 0x19991999, 0};
    for (int i = 0; i <= 10; ++i) {
        EXPECT_EQ(VolumeForPosition(i), table[i]) << i;
        EXPECT_EQ(PositionForVolume(table[i]), i) << i;
    }
}

TEST(VolumeTable, ValuesBetweenEntriesTakeTheNextQuieterPosition)
{
    struct Case { DWORD volume; int position; } cases[] = {
        {0xfffffffe, 1}, {0xe665e666, 1}, {0xe665e664, 2}, {0xb332b333, 3}, {0x80000000, 5},
        {0x7fff7ffe, 6}, {0x0000ffff, 10}, {0x19991998, 10}, {1, 10},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PositionForVolume(c.volume), c.position) << std::hex << c.volume;
}

TEST(RingLevel, BoundariesAndPositions)
{
    struct Case { DWORD volume; DWORD level; } cases[] = {
        {0, 0}, {1, 1}, {858993459, 1}, {858993460, 2}, {1717986918, 2}, {1717986919, 3},
        {0x99999999, 3}, {0x9999999a, 4}, {0xcccccccc, 4}, {0xcccccccd, 5}, {0xffffffff, 5},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RingLevelForVolume(c.volume), c.level) << c.volume;
    const DWORD byPosition[] = {5, 5, 4, 4, 3, 3, 2, 2, 1, 1, 0};
    for (int i = 0; i <= 10; ++i)
        EXPECT_EQ(RingLevelForVolume(VolumeForPosition(i)), byPosition[i]) << i;
}

TEST(BatteryPopup, HeightCountsNamedCards)
{
    EXPECT_EQ(BatteryPopupHeight(0, 1, {}), 105);
    EXPECT_EQ(BatteryPopupHeight(0, 1, {L"Storage Card"}), 135);
    EXPECT_EQ(BatteryPopupHeight(0, 1, {L"Storage Card", L"SD Card"}), 165);
    EXPECT_EQ(BatteryPopupHeight(0, 2, {L"Storage Card", L"SD Card"}), 330);
    EXPECT_EQ(BatteryPopupHeight(0, 1, {L"", L"SD Card"}), 135);
    EXPECT_EQ(BatteryPopupHeight(4, 1, {}), 109);
}

TEST(BatteryPopup, UsageBarFrameAndFill)
{
    const RECT line = {5, 50, 205, 65};
    struct Case { int scale; RECT line; ULONGLONG total, free; RECT frame, fill; } cases[] = {
        {1, line, 1000, 0, {5, 52, 205, 63}, {6, 53, 205, 63}},      // full: the whole inside
        {1, line, 1000, 1000, {5, 52, 205, 63}, {6, 53, 6, 63}},     // empty: only the frame
        {1, line, 1000, 250, {5, 52, 205, 63}, {6, 53, 155, 63}},    // 3/4 of 199 is 149.25
        {1, line, 0, 0, {5, 52, 205, 63}, {6, 53, 6, 63}},           // zero total: no fill
        {1, line, 100, 200, {5, 52, 205, 63}, {6, 53, 6, 63}},       // free above total
        {2, {10, 100, 410, 130}, 4, 2, {10, 104, 410, 126}, {11, 105, 210, 126}},   // 1/2 of 399
    };
    for (const Case& c : cases) {
        UsageBar bar = UsageBarFor(c.line, c.scale, c.total, c.free);
        EXPECT_EQ(bar.frame.left, c.frame.left);
        EXPECT_EQ(bar.frame.top, c.frame.top);
        EXPECT_EQ(bar.frame.right, c.frame.right);
        EXPECT_EQ(bar.frame.bottom, c.frame.bottom);
        EXPECT_EQ(bar.fill.left, c.fill.left);
        EXPECT_EQ(bar.fill.top, c.fill.top);
        EXPECT_EQ(bar.fill.right, c.fill.right) << c.total << " " << c.free;
        EXPECT_EQ(bar.fill.bottom, c.fill.bottom);
    }
}

TEST(BatteryPopup, ValueTexts)
{
    wchar_t text[40];
    const struct { BYTE percent; const wchar_t* text; } batteries[] = {{0, L"0%"}, {100, L"100%"}, {101, L"-1%"}, {255, L"-1%"}};
    for (const auto& c : batteries) {
        FormatBatteryPercent(c.percent, text, 40);
        EXPECT_STREQ(text, c.text);
    }
    FormatFreeMegabytes(28ull << 20, text, 40);
    EXPECT_STREQ(text, L"28.00 MB/Free");
    FormatFreeMegabytes(1578107, text, 40);   // 1.50500 MB
    EXPECT_STREQ(text, L"1.51 MB/Free");
    FormatFreeMegabytes(0, text, 40);
    EXPECT_STREQ(text, L"0.00 MB/Free");
}
