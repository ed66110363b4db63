// Writing values into INI files on disk: new files, sections and keys, replacements, failures, copies.
#include <gtest/gtest.h>
#include "common/ini.h"
#include "common/ini_file.h"
#include "tests/unit/ini_test_folder.h"

namespace {

class IniWrite : public ::testing::Test {
protected:
    void Given(const std::string& text) { IniTestFolder::Write(file, text); }
    std::string Text() const { return IniTestFolder::Read(file); }
    int Write(const char* section, const char* key, const char* value)
    {
        return IniWriteValue(file.c_str(), section, key, value);
    }
    std::string Read(const char* section, const char* key)
    {
        char out[INI_LINE_MAX + 1];
        int code = IniReadValue(file.c_str(), section, key, out, sizeof out);
        return code == INI_SUCCESS ? std::string(out) : "<" + std::to_string(code) + ">";
    }

    IniTestFolder folder;
    std::wstring file = folder.Path(L"config.ini");
};

// Holds a file open with the given sharing, so that other opens meet a sharing violation.
class HeldOpen {
public:
    HeldOpen(const std::wstring& path, DWORD access, DWORD share, DWORD disposition)
        : handle_(CreateFileW(path.c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr))
    {
    }
    ~HeldOpen()
    {
        if (handle_ != INVALID_HANDLE_VALUE)
            CloseHandle(handle_);
    }
    HeldOpen(const HeldOpen&) = delete;
    HeldOpen& operator=(const HeldOpen&) = delete;
    bool ok() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

} // namespace

TEST_F(IniWrite, CreatesAMissingFileWithHeaderAndEntry)
{
    ASSERT_EQ(Write("Settings", "Skin", "Default"), INI_SUCCESS);
    EXPECT_EQ(Text(), "[Settings]\nSkin=Default\n");
    EXPECT_EQ(Read("Settings", "Skin"), "Default");
}

// Reads under a held lock keep the file's text; the engine's own writes must replace it.
TEST_F(IniWrite, AWriteUnderAHeldLockIsSeenByTheNextRead)
{
    Given("[A]\na=1\n");
    IniFilesLock lock;
    ASSERT_TRUE(lock.Held());
    EXPECT_EQ(Read("A", "a"), "1");
    ASSERT_EQ(Write("A", "a", "2"), INI_SUCCESS); // rewritten through the scratch file
    EXPECT_EQ(Read("A", "a"), "2");
    ASSERT_EQ(Write("B", "b", "3"), INI_SUCCESS); // appended
    EXPECT_EQ(Read("B", "b"), "3");
}

TEST_F(IniWrite, ANewSectionIsAppendedAtTheEnd)
{
    Given("[A]\r\na=1\r\n");
    ASSERT_EQ(Write("B", "b", "2"), INI_SUCCESS);
    EXPECT_EQ(Text(), "[A]\r\na=1\r\n[B]\nb=2\n");
    ASSERT_EQ(Write("a", "a", "3"), INI_SUCCESS); // section names differ in case: a new one
    EXPECT_EQ(Text(), "[A]\r\na=1\r\n[B]\nb=2\n[a]\na=3\n");
}

TEST_F(IniWrite, AppendingStartsANewLineWhenTheLastOneIsOpen)
{
    Given("[A]\na=1");
    ASSERT_EQ(Write("B", "b", "2"), INI_SUCCESS);
    EXPECT_EQ(Text(), "[A]\na=1\n[B]\nb=2\n");
    EXPECT_EQ(Read("A", "a"), "1");
    Given("");
    ASSERT_EQ(Write("B", "b", "2"), INI_SUCCESS);
    EXPECT_EQ(Text(), "[B]\nb=2\n");
}

TEST_F(IniWrite, ANewKeyGoesRightUnderItsSectionHeader)
{
    Given("# settings\n[A]\nx=1\ny=2\n[B]\nz=3\n");
    ASSERT_EQ(Write("A", "new", "v"), INI_SUCCESS);
    EXPECT_EQ(Text(), "# settings\n[A]\nnew=v\nx=1\ny=2\n[B]\nz=3\n");
    ASSERT_EQ(Write("A", "X", "case"), INI_SUCCESS); // keys differing in case are different keys
    EXPECT_EQ(Text(), "# settings\n[A]\nX=case\nnew=v\nx=1\ny=2\n[B]\nz=3\n");
}

TEST_F(IniWrite, ReplacingKeepsEveryOtherLineInPlace)
{
    Given("# top comment\n\n[A]\n  # inner = comment\n  key  =  old value  \n\nother=keep # this\n[B]\nkey=b\n");
    ASSERT_EQ(Write("A", "key", "new"), INI_SUCCESS);
    EXPECT_EQ(Text(), "# top comment\n\n[A]\n  # inner = comment\nkey=new\n\nother=keep # this\n[B]\nkey=b\n");
}

TEST_F(IniWrite, AContinuedEntryIsReplacedByOneLine)
{
    Given("[S]\npath=\\Program Files\\+\n  Velkis\\+\nbar.skin\nnext=1\n");
    ASSERT_EQ(Write("S", "path", "\\Storage\\x.skin"), INI_SUCCESS);
    EXPECT_EQ(Text(), "[S]\npath=\\Storage\\x.skin\nnext=1\n");
    Given("[S]\nk=a+\n\nnext=1\n"); // the empty line that ended the entry goes with it
    ASSERT_EQ(Write("S", "k", "b"), INI_SUCCESS);
    EXPECT_EQ(Text(), "[S]\nk=b\nnext=1\n");
}

TEST_F(IniWrite, ARewriteEndsEveryLineInABareLineFeed)
{
    Given("[A]\r\na=1\r\n\r\n# c\r\n[B]\r\nb=2");
    ASSERT_EQ(Write("A", "a", "9"), INI_SUCCESS);
    EXPECT_EQ(Text(), "[A]\na=9\n\n# c\n[B]\nb=2\n");
}

TEST_F(IniWrite, OnlyTheFirstOfTwoEqualSectionsIsWritten)
{
    Given("[A]\nk=1\n[A]\nk=2\nj=3\n");
    ASSERT_EQ(Write("A", "j", "4"), INI_SUCCESS);
    EXPECT_EQ(Text(), "[A]\nj=4\nk=1\n[A]\nk=2\nj=3\n");
    ASSERT_EQ(Write("A", "k", "5"), INI_SUCCESS);
    EXPECT_EQ(Text(), "[A]\nj=4\nk=5\n[A]\nk=2\nj=3\n");
}

TEST_F(IniWrite, ValuesMayHoldEqualsSignsAndHashes)
{
    ASSERT_EQ(Write("S", "k", "a=b #c"), INI_SUCCESS);
    ASSERT_EQ(Write("S", "k", "x==y # z"), INI_SUCCESS);
    EXPECT_EQ(Text(), "[S]\nk=x==y # z\n");
    EXPECT_EQ(Read("S", "k"), "x==y # z");
}

TEST_F(IniWrite, ABadLineOrTooLongEntryLeavesTheFileUntouched)
{
    const std::string bad = "[S]\r\nno equals\r\nk=1\r\n";
    Given(bad);
    EXPECT_EQ(Write("S", "k", "2"), INI_BAD_LINE);
    EXPECT_EQ(Text(), bad);
    const std::string tooLong = "[S]\nk=" + std::string(400, 'a') + "+\n" + std::string(200, 'b') + "\n";
    Given(tooLong);
    EXPECT_EQ(Write("S", "k", "2"), INI_TOO_LONG);
    EXPECT_EQ(Text(), tooLong);
    EXPECT_FALSE(IniTestFolder::Exists(IniTestFolder::ScratchPath()));
}

TEST_F(IniWrite, TheScratchFileLivesInTheDriveRootAndIsRemovedAfterUse)
{
    std::wstring scratch = IniTestFolder::ScratchPath();
    EXPECT_EQ(scratch.size(), 19u); // "X:\dax_software_ini"
    EXPECT_EQ(scratch.substr(1), L":\\dax_software_ini");
    Given("[S]\nk=1\n");
    ASSERT_EQ(Write("S", "k", "2"), INI_SUCCESS);
    EXPECT_FALSE(IniTestFolder::Exists(scratch));
}

TEST_F(IniWrite, AFailedCopyBackLeavesTheNewTextInTheScratchFile)
{
    const std::string before = "[S]\nk=1\n";
    Given(before);
    {
        HeldOpen reader(file, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING); // no writer may open it
        ASSERT_TRUE(reader.ok());
        EXPECT_EQ(Write("S", "k", "2"), INI_CANNOT_CREATE);
    }
    EXPECT_EQ(Text(), before);
    EXPECT_EQ(IniTestFolder::Read(IniTestFolder::ScratchPath()), "[S]\nk=2\n");
    // The next successful write cleans it up.
    ASSERT_EQ(Write("S", "k", "3"), INI_SUCCESS);
    EXPECT_FALSE(IniTestFolder::Exists(IniTestFolder::ScratchPath()));
}

TEST_F(IniWrite, AScratchFileThatCannotBeCreatedLeavesTheTargetAlone)
{
    const std::string before = "[S]\nk=1\n";
    Given(before);
    {
        HeldOpen locked(IniTestFolder::ScratchPath(), GENERIC_WRITE, 0, CREATE_ALWAYS);
        ASSERT_TRUE(locked.ok());
        EXPECT_EQ(Write("S", "k", "2"), INI_CANNOT_CREATE);
        EXPECT_EQ(Write("S", "new", "2"), INI_CANNOT_CREATE);
    }
    EXPECT_EQ(Text(), before);
}

TEST_F(IniWrite, AFileThatCannotBeCreatedReportsIt)
{
    std::wstring nowhere = folder.Path(L"no such folder\\config.ini");
    EXPECT_EQ(IniWriteValue(nowhere.c_str(), "S", "k", "v"), INI_CANNOT_CREATE);
    EXPECT_FALSE(IniTestFolder::Exists(nowhere));
}

TEST_F(IniWrite, AValueLongerThanAReadersBufferIsStoredWhole)
{
    std::string value(300, 'p');
    ASSERT_EQ(Write("S", "k", value.c_str()), INI_SUCCESS);
    EXPECT_EQ(Read("S", "k"), value);
    char small[100];
    ASSERT_EQ(IniReadValue(file.c_str(), "S", "k", small, sizeof small), INI_SUCCESS);
    EXPECT_EQ(std::string(small), value.substr(0, 99));
}

TEST(IniCopyFile, CopiesEveryByte)
{
    IniTestFolder folder;
    std::string bytes;
    for (int i = 0; i < 3000; ++i)
        bytes += char(i * 7 % 256); // NUL, CR, LF, SUB and the rest, over several 1024-byte blocks
    IniTestFolder::Write(folder.Path(L"a"), bytes);
    IniTestFolder::Write(folder.Path(L"b"), std::string(5000, 'x'));
    ASSERT_EQ(IniCopyFile(folder.Path(L"a").c_str(), folder.Path(L"b").c_str()), INI_SUCCESS);
    EXPECT_EQ(IniTestFolder::Read(folder.Path(L"b")), bytes);
}

TEST(IniCopyFile, ReportsMissingSourceAndUncreatableTarget)
{
    IniTestFolder folder;
    IniTestFolder::Write(folder.Path(L"a"), "x");
    EXPECT_EQ(IniCopyFile(folder.Path(L"missing").c_str(), folder.Path(L"b").c_str()), INI_CANNOT_OPEN);
    EXPECT_FALSE(IniTestFolder::Exists(folder.Path(L"b")));
    EXPECT_EQ(IniCopyFile(folder.Path(L"a").c_str(), folder.Path(L"none\\b").c_str()), INI_CANNOT_CREATE);
}
