// The INI engine's line level: what one line is, trimming, splitting an entry, conversions.
#include <gtest/gtest.h>
#include <cstring>
#include <vector>
#include "common/ini.h"
#include "tests/unit/ini_test_folder.h"

namespace {

struct LineRun {
    std::vector<std::string> lines;
    int last = 0; // the first negative result
};

// Every line IniReadLine returns for the bytes, checking that no call writes past
// capacity + 1 bytes.
LineRun ReadLines(const std::string& bytes, int capacity = INI_LINE_MAX)
{
    IniTestFolder folder;
    std::wstring path = folder.Path(L"lines.txt");
    IniTestFolder::Write(path, bytes);
    FILE* f = _wfopen(path.c_str(), L"rb");
    LineRun run;
    if (!f) {
        ADD_FAILURE() << "cannot open the test file";
        return run;
    }
    std::vector<char> buffer(size_t(capacity) + 9, '#');
    for (int guard = 0; guard < 1000; ++guard) {
        int n = IniReadLine(f, buffer.data(), capacity);
        for (size_t i = size_t(capacity) + 1; i < buffer.size(); ++i)
            EXPECT_EQ(buffer[i], '#') << "written past the line buffer";
        if (n < 0) {
            run.last = n;
            break;
        }
        EXPECT_EQ(size_t(n), strlen(buffer.data()));
        run.lines.push_back(buffer.data());
    }
    fclose(f);
    return run;
}

using Lines = std::vector<std::string>;

} // namespace

TEST(IniReadLine, LineFeedEndsALineAndCarriageReturnsVanishAnywhere)
{
    LineRun run = ReadLines("a=1\r\nb\r=2\n\r\nc\n");
    EXPECT_EQ(run.lines, (Lines{"a=1", "b=2", "", "c"}));
    EXPECT_EQ(run.last, INI_LINE_END_OF_FILE);
}

TEST(IniReadLine, NulEndsALineUnkeptWhileFormFeedAndSubStayAsLastCharacter)
{
    LineRun run = ReadLines(std::string("x\0y\fz\x1aw", 7));
    EXPECT_EQ(run.lines, (Lines{"x", "y\f", "z\x1a", "w"}));
}

TEST(IniReadLine, EndOfFileAfterSomeBytesStillGivesALine)
{
    EXPECT_EQ(ReadLines("").lines, Lines{});
    EXPECT_EQ(ReadLines("").last, INI_LINE_END_OF_FILE);
    EXPECT_EQ(ReadLines("abc").lines, Lines{"abc"});
    EXPECT_EQ(ReadLines("a\n").lines, Lines{"a"});
    // A lone carriage return was read, so an (empty) line exists.
    EXPECT_EQ(ReadLines("a\n\r").lines, (Lines{"a", ""}));
}

TEST(IniReadLine, LongLinesSplitIntoFullLinesAndTheRest)
{
    std::string longLine(600, 'q');
    EXPECT_EQ(ReadLines(longLine + "\nz").lines, (Lines{longLine.substr(0, 512), longLine.substr(512), "z"}));
    EXPECT_EQ(ReadLines("abcdefg\n", 3).lines, (Lines{"abc", "def", "g"}));
}

TEST(IniReadLine, AFullLineOwnsItsLineEnd)
{
    std::string full(512, 'k');
    EXPECT_EQ(ReadLines(full + "\r\nb\n").lines, (Lines{full, "b"}));
    EXPECT_EQ(ReadLines(full + "\n\nb").lines, (Lines{full, "", "b"}));
    EXPECT_EQ(ReadLines(full + std::string("\0c", 2)).lines, (Lines{full, "c"}));
    EXPECT_EQ(ReadLines(full + "\r").lines, Lines{full});
    // A form feed cannot join a full line: it starts the next one.
    EXPECT_EQ(ReadLines(full + "\f").lines, (Lines{full, "\f"}));
}

TEST(IniTrim, OnlySpacesAreRemovedAtTheRightEnd)
{
    char text[] = "  \tkey \t  ";
    TrimLeft(text);
    EXPECT_STREQ(text, "\tkey \t  ");
    TrimRight(text);
    EXPECT_STREQ(text, "\tkey \t");
    char blank[] = "    ";
    TrimLeft(blank);
    EXPECT_STREQ(blank, "");
}

TEST(IniSplitKeyValue, SplitsAtTheFirstEqualsSign)
{
    char line[] = " \t key \t = \t value = more # not a comment ";
    char* key = nullptr;
    char* value = nullptr;
    ASSERT_EQ(IniSplitKeyValue(line, &key, &value), INI_SPLIT_ENTRY);
    EXPECT_STREQ(key, "key \t"); // a tab before "=" stays in the key
    EXPECT_STREQ(value, "value = more # not a comment ");
    EXPECT_GE(key, line);
    EXPECT_LT(value, line + sizeof line);

    char empty[] = "k=";
    ASSERT_EQ(IniSplitKeyValue(empty, &key, &value), INI_SPLIT_ENTRY);
    EXPECT_STREQ(key, "k");
    EXPECT_STREQ(value, "");
}

TEST(IniSplitKeyValue, ReportsMalformedLines)
{
    char* key = nullptr;
    char* value = nullptr;
    char blank[] = " \t ";
    EXPECT_EQ(IniSplitKeyValue(blank, &key, &value), INI_SPLIT_BLANK);
    char noKey[] = " \t=value";
    EXPECT_EQ(IniSplitKeyValue(noKey, &key, &value), INI_SPLIT_NO_KEY);
    char noEquals[] = "key value";
    EXPECT_EQ(IniSplitKeyValue(noEquals, &key, &value), INI_SPLIT_NO_EQUALS);
    char single[] = "k";
    EXPECT_EQ(IniSplitKeyValue(single, &key, &value), INI_SPLIT_NO_EQUALS);
    EXPECT_EQ(key, nullptr);
    EXPECT_EQ(value, nullptr);
}

TEST(IniConversions, EachByteIsOneUnitBothWays)
{
    wchar_t wide[8];
    AnsiToWide("A\xE9\xFF", wide, 8);
    EXPECT_EQ(std::wstring(wide), (std::wstring{L'A', wchar_t(0xE9), wchar_t(0xFF)}));
    char narrow[8];
    const wchar_t units[] = {L'A', wchar_t(0x00E9), wchar_t(0x4142), 0};
    WideToAnsi(units, narrow, 8);
    EXPECT_STREQ(narrow, "A\xE9\x42");
}

TEST(IniConversions, OutputIsClearedCutToCapacityAndNeverOverrun)
{
    wchar_t wide[6];
    std::fill(std::begin(wide), std::end(wide), L'#');
    AnsiToWide("abcdefgh", wide, 4);
    EXPECT_EQ(std::wstring(wide, 4), std::wstring(L"abc\0", 4));
    EXPECT_EQ(wide[4], L'#');

    char narrow[6];
    memset(narrow, '#', sizeof narrow);
    WideToAnsi(L"abcdefgh", narrow, 4);
    EXPECT_EQ(std::string(narrow, 5), std::string("abc\0#", 5));

    memset(narrow, '#', sizeof narrow);
    WideToAnsi(nullptr, narrow, 3);
    EXPECT_EQ(std::string(narrow, 4), std::string("\0\0\0#", 4));
    std::fill(std::begin(wide), std::end(wide), L'#');
    AnsiToWide(nullptr, wide, 2);
    EXPECT_EQ(std::wstring(wide, 3), std::wstring(L"\0\0#", 3));
}
