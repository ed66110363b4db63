// Looking values up in INI files on disk: sections, keys, bad lines, continuations, location, buffer.
#include <gtest/gtest.h>
#include <cstring>
#include "common/ini.h"
#include "tests/unit/ini_test_folder.h"

namespace {

class IniRead : public ::testing::Test {
protected:
    void Given(const std::string& text) { IniTestFolder::Write(file, text); }

    // The value found, or the result code as "<code>".
    std::string Read(const char* section, const char* key)
    {
        char out[INI_LINE_MAX + 1];
        int code = IniReadValue(file.c_str(), section, key, out, sizeof out);
        return code == INI_SUCCESS ? std::string(out) : "<" + std::to_string(code) + ">";
    }

    static std::string Code(int code) { return "<" + std::to_string(code) + ">"; }

    IniTestFolder folder;
    std::wstring file = folder.Path(L"test.ini");
};

} // namespace

TEST_F(IniRead, MissingFileOrSection)
{
    EXPECT_EQ(Read("S", "k"), Code(INI_CANNOT_OPEN));
    Given("k=v\n[Other]\nk=v\n");
    EXPECT_EQ(Read("S", "k"), Code(INI_NO_SECTION));
    EXPECT_EQ(Read("Other", "j"), Code(INI_NO_KEY));
}

TEST_F(IniRead, SectionNamesAreExactAndOnlyTheFirstOccurrenceCounts)
{
    Given("top=1\n  [Skin Info]  \nName=A\n[skin info]\nName=B\n[ Skin Info]\nName=C\n[Skin Info]\nName=D\nExtra=E\n");
    EXPECT_EQ(Read("Skin Info", "Name"), "A");
    EXPECT_EQ(Read("skin info", "Name"), "B");
    EXPECT_EQ(Read(" Skin Info", "Name"), "C"); // the blank after "[" is part of the name
    EXPECT_EQ(Read("Skin Info", "Extra"), Code(INI_NO_KEY)); // the second [Skin Info] is never seen
    EXPECT_EQ(Read("", "top"), Code(INI_NO_SECTION));   // entries before any header belong nowhere
}

TEST_F(IniRead, ASectionEndsAtTheNextLineBeginningWithABracket)
{
    Given("[A]\na=1\n[B\nb=2\n");
    EXPECT_EQ(Read("A", "b"), Code(INI_NO_KEY));
    Given("[A]\na=1\n   [\nb=2\n");
    EXPECT_EQ(Read("A", "b"), Code(INI_NO_KEY));
}

TEST_F(IniRead, ShortBracketLinesNameTheEmptySection)
{
    Given("[x\nk=1\n");
    EXPECT_EQ(Read("", "k"), "1");
    EXPECT_EQ(Read("x", "k"), Code(INI_NO_SECTION));
    Given("[]\nk=2\n");
    EXPECT_EQ(Read("", "k"), "2");
}

TEST_F(IniRead, AnUnclosedHeaderBeforeTheSectionIsABadLine)
{
    Given("[A]\nk=1\n[Broken\n[B]\nk=2\n");
    EXPECT_EQ(Read("A", "k"), "1");
    EXPECT_EQ(Read("B", "k"), Code(INI_BAD_LINE));
}

TEST_F(IniRead, KeysAreExactAndTheFirstEntryWins)
{
    Given("[S]\nKey=upper\nkey=lower\nkey=second\n");
    EXPECT_EQ(Read("S", "Key"), "upper");
    EXPECT_EQ(Read("S", "key"), "lower");
    EXPECT_EQ(Read("S", "KEY"), Code(INI_NO_KEY));
}

TEST_F(IniRead, BlanksAroundKeyAndValue)
{
    Given("[S]\n   spaced   =   value with  inner  spaces   \n\t tabbed\t= v\nafter=\t\tt\n");
    EXPECT_EQ(Read("S", "spaced"), "value with  inner  spaces");
    EXPECT_EQ(Read("S", "tabbed"), Code(INI_NO_KEY)); // the tab before "=" stays in the key
    EXPECT_EQ(Read("S", "tabbed\t"), "v");
    EXPECT_EQ(Read("S", "after"), "t");
}

TEST_F(IniRead, OnlyTheFirstEqualsSignSeparates)
{
    Given("[S]\nformula=a=b==c\nempty=\n");
    EXPECT_EQ(Read("S", "formula"), "a=b==c");
    EXPECT_EQ(Read("S", "empty"), "");
}

TEST_F(IniRead, CommentsStartOnlyAtTheBeginningOfALine)
{
    Given("[S]\n#k=commented\n   # j=also\nk=real # kept\n;j=semicolon\n");
    EXPECT_EQ(Read("S", "k"), "real # kept");
    EXPECT_EQ(Read("S", "#k"), Code(INI_NO_KEY));
    EXPECT_EQ(Read("S", ";j"), "semicolon");
}

TEST_F(IniRead, AMalformedLineFailsOnlyLookupsThatReachIt)
{
    Given("stray line\n[A]\nfirst=1\njust words\nlast=2\n[B]\n=novalue\n[C]\nk=3\n");
    EXPECT_EQ(Read("A", "first"), "1");
    EXPECT_EQ(Read("A", "last"), Code(INI_BAD_LINE));
    EXPECT_EQ(Read("B", "k"), Code(INI_BAD_LINE)); // first non-blank character is "="
    EXPECT_EQ(Read("C", "k"), "3");                // malformed lines outside the section are skipped
}

TEST_F(IniRead, ContinuationJoinsLinesWithoutSeparator)
{
    Given("[S]\nskin=\\Program Files\\+\n     Velkis\\Themes\\+\nDefault\\bar.skin\nnext=n\n");
    EXPECT_EQ(Read("S", "skin"), "\\Program Files\\Velkis\\Themes\\Default\\bar.skin");
    EXPECT_EQ(Read("S", "next"), "n");
    IniLocation at = IniLastLocation();
    EXPECT_EQ(at.entryLine, 5);
    EXPECT_EQ(at.entrySpan, 1);
}

TEST_F(IniRead, ContinuationKeepsTrailingSpacesAndTakesAnyLineText)
{
    Given("[S]\na=x  +\n   y  \nb=1+\n[T]\nc=2\n");
    EXPECT_EQ(Read("S", "a"), "x  y  ");
    EXPECT_EQ(Read("S", "b"), "1[T]");
    EXPECT_EQ(Read("S", "c"), "2"); // the header was swallowed by the continuation
}

TEST_F(IniRead, EmptyLineOrEndOfFileEndsAContinuation)
{
    Given("[S]\na=1+\n   \nb=2\nc=3+");
    EXPECT_EQ(Read("S", "a"), "1");
    IniLocation at = IniLastLocation();
    EXPECT_EQ(at.entryLine, 2);
    EXPECT_EQ(at.entrySpan, 2); // the empty line belongs to the entry
    EXPECT_EQ(Read("S", "b"), "2");
    EXPECT_EQ(Read("S", "c"), "3");
    EXPECT_EQ(IniLastLocation().entrySpan, 1);
}

TEST_F(IniRead, AJoinedEntryHoldsAtMost512Bytes)
{
    std::string head = "k=" + std::string(300, 'a');
    Given("[S]\n" + head + "+\n" + std::string(210, 'b') + "\n");
    EXPECT_EQ(Read("S", "k"), std::string(300, 'a') + std::string(210, 'b'));
    Given("[S]\n" + head + "+\n" + std::string(211, 'b') + "\nz=1\n");
    EXPECT_EQ(Read("S", "k"), Code(INI_TOO_LONG));
    EXPECT_EQ(Read("S", "z"), Code(INI_TOO_LONG)); // the search cannot pass it
}

TEST_F(IniRead, LineEndsDoNotMatter)
{
    const std::string lf = "# c\n[S]\n\na = 1\nb=x+\ny\n";
    std::string crlf;
    for (char c : lf)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    for (const std::string& text : {lf, crlf}) {
        Given(text);
        EXPECT_EQ(Read("S", "a"), "1");
        EXPECT_EQ(Read("S", "b"), "xy");
        IniLocation at = IniLastLocation();
        EXPECT_EQ(at.sectionLine, 2);
        EXPECT_EQ(at.entryLine, 5);
        EXPECT_EQ(at.entrySpan, 2);
    }
}

TEST_F(IniRead, LocationCountsEveryPhysicalLineAndIsClearedByEachRead)
{
    Given("\n# comment\n[A]\n\na=1+\n+\n2\n# c\nb=3\n");
    EXPECT_EQ(Read("A", "b"), "3");
    IniLocation at = IniLastLocation();
    EXPECT_EQ(at.sectionLine, 3);
    EXPECT_EQ(at.entryLine, 9);
    EXPECT_EQ(at.entrySpan, 1);
    EXPECT_EQ(Read("A", "a"), "12");
    EXPECT_EQ(IniLastLocation().entrySpan, 3);

    EXPECT_EQ(Read("Z", "a"), Code(INI_NO_SECTION));
    at = IniLastLocation();
    EXPECT_EQ(at.sectionLine, 0);
    EXPECT_EQ(at.entryLine, 0);
    EXPECT_EQ(at.entrySpan, 0);
}

TEST_F(IniRead, ALongValueIsCutToTheCallersBuffer)
{
    Given("[S]\nk=" + std::string(300, 'v') + "\n");
    char out[104];
    memset(out, '#', sizeof out);
    ASSERT_EQ(IniReadValue(file.c_str(), "S", "k", out, 100), INI_SUCCESS);
    EXPECT_EQ(std::string(out), std::string(99, 'v'));
    EXPECT_EQ(std::string(out + 100, 4), "####");
    char one = '#';
    ASSERT_EQ(IniReadValue(file.c_str(), "S", "k", &one, 1), INI_SUCCESS);
    EXPECT_EQ(one, '\0');

    // Exactly as long as the buffer: the terminator takes the last byte. One shorter fits whole.
    Given("[S]\nk=" + std::string(100, 'w') + "\nj=" + std::string(99, 'x') + "\n");
    memset(out, '#', sizeof out);
    ASSERT_EQ(IniReadValue(file.c_str(), "S", "k", out, 100), INI_SUCCESS);
    EXPECT_EQ(std::string(out), std::string(99, 'w'));
    EXPECT_EQ(out[100], '#');
    ASSERT_EQ(IniReadValue(file.c_str(), "S", "j", out, 100), INI_SUCCESS);
    EXPECT_EQ(std::string(out), std::string(99, 'x'));
}

TEST_F(IniRead, AFailedReadLeavesTheBufferAsItWas)
{
    Given("[S]\nbad\n[T]\nk=" + std::string(300, 'a') + "+\n" + std::string(300, 'b') + "\n");
    struct Case {
        const wchar_t* path;
        const char* section;
        int code;
    };
    std::wstring missing = folder.Path(L"missing.ini");
    for (const Case& c : {Case{missing.c_str(), "S", INI_CANNOT_OPEN}, Case{file.c_str(), "Q", INI_NO_SECTION},
                          Case{file.c_str(), "S", INI_BAD_LINE}, Case{file.c_str(), "T", INI_TOO_LONG}}) {
        char out[100] = "previous";
        EXPECT_EQ(IniReadValue(c.path, c.section, "k", out, sizeof out), c.code);
        EXPECT_STREQ(out, "previous");
    }
    Given("[S]\nj=1\n");
    char out[100] = "previous";
    EXPECT_EQ(IniReadValue(file.c_str(), "S", "k", out, sizeof out), INI_NO_KEY);
    EXPECT_STREQ(out, "previous");
}

TEST_F(IniRead, BytesAboveAsciiPassThrough)
{
    Given("[S\xE9]\nk\xFC=\xE4\x80\xFF\n");
    EXPECT_EQ(Read("S\xE9", "k\xFC"), "\xE4\x80\xFF");
}
