// Start-up rules of the bar: program folder, scale factor, shell processes, finding the bar.
#include <gtest/gtest.h>
#include "bar/core/startup.h"
#include "common/settings_contract.h"
#include "bar/layout/bar_state.h"
#include "tests/unit/fake_taskbar.h"

TEST(ProgramFolder, IsThePathUpToTheLastBackslash)
{
    struct Case { const wchar_t* path; bool ok; const wchar_t* folder; } cases[] = {
        {L"D:\\Program Files\\Velkis\\Velkis.exe", true, L"D:\\Program Files\\Velkis"},
        {L"\\Program Files\\Velkis\\Velkis.exe", true, L"\\Program Files\\Velkis"},
        {L"\\Velkis.exe", true, L""},
        {L"D:\\Velkis.exe", true, L"D:"},
        {L"Velkis.exe", false, L""},
    };
    for (const Case& c : cases) {
        wchar_t folder[80] = L"unchanged";
        DWORD length = static_cast<DWORD>(wcslen(c.path));
        EXPECT_EQ(ProgramFolderFromModulePath(c.path, length, 80, folder, 80), c.ok) << c.path;
        EXPECT_STREQ(folder, c.folder) << c.path;
    }
}

TEST(ProgramFolder, ACutModuleNameNeverGivesAFolder)
{
    // A name that filled the 80-unit buffer may have lost its tail, including the
    // real last backslash: the folder before the cut would be a wrong one.
    std::wstring longPath = L"D:\\" + std::wstring(60, L'a') + L"\\b\\" + std::wstring(40, L'c') + L"\\Velkis.exe";
    wchar_t cut[80];
    wcsncpy(cut, longPath.c_str(), 79);
    cut[79] = L'\0';
    wchar_t folder[80] = L"x";
    EXPECT_FALSE(ProgramFolderFromModulePath(cut, 80, 80, folder, 80));
    EXPECT_STREQ(folder, L"");
    EXPECT_FALSE(ProgramFolderFromModulePath(cut, 0, 80, folder, 80));

    // 79 characters fit exactly.
    std::wstring fits = L"D:\\" + std::wstring(65, L'p') + L"\\Velkis.exe";
    ASSERT_EQ(fits.size(), 79u);
    EXPECT_TRUE(ProgramFolderFromModulePath(fits.c_str(), 79, 80, folder, 80));
    EXPECT_EQ(std::wstring(folder), fits.substr(0, 68));

    // A folder that does not fit the caller's buffer is refused, not cut.
    wchar_t small[10];
    EXPECT_FALSE(ProgramFolderFromModulePath(L"D:\\Program Files\\V.exe", 22, 80, small, 10));
}

TEST(ShellProcess, NameComparisonIsExactAfterTheLastBackslash)
{
    EXPECT_TRUE(IsShellProcessName(L"shell32.exe"));
    EXPECT_TRUE(IsShellProcessName(L"\\Windows\\shell32.exe"));
    EXPECT_TRUE(IsShellProcessName(L"C:\\windows\\system32\\shell32.exe"));
    EXPECT_FALSE(IsShellProcessName(L"Shell32.exe"));
    EXPECT_FALSE(IsShellProcessName(L"shell32.exe.bak"));
    EXPECT_FALSE(IsShellProcessName(L"myshell32.exe"));
    EXPECT_FALSE(IsShellProcessName(L"shell32.exe\\other.exe"));
    EXPECT_FALSE(IsShellProcessName(L""));
}

TEST(ShellProcess, ListHoldsAtMostFourIdsAndSucceeds)
{
    ShellProcessList.count = 3;
    ShellProcessList.ids[0] = 1234;
    ASSERT_TRUE(BuildShellProcessList());
    EXPECT_NE(ShellProcessList.ids[0], 1234u);   // the list starts empty every time
    EXPECT_LE(ShellProcessList.count, kMaxShellProcesses);
    // Our own test process is no shell: its id is never listed.
    for (int i = 0; i < ShellProcessList.count; ++i)
        EXPECT_NE(ShellProcessList.ids[i], GetCurrentProcessId());
    for (int i = ShellProcessList.count; i < kMaxShellProcesses; ++i)
        EXPECT_EQ(ShellProcessList.ids[i], 0u);
}

namespace {
int attempts = 0;
bool NeverSucceeds() { ++attempts; return false; }
bool SucceedsThirdTime() { return ++attempts == 3; }
}

TEST(ShellProcess, AFailingSnapshotIsRetriedWithPausesThenGivenUp)
{
    attempts = 0;
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    EXPECT_FALSE(RetryWithPause(NeverSucceeds, 5, 25));
    QueryPerformanceCounter(&end);
    EXPECT_EQ(attempts, 5);
    // Four pauses of 25 ms; Wine's sleeps may end a little early, a busy loop ends at once.
    EXPECT_GE((end.QuadPart - start.QuadPart) * 1000 / frequency.QuadPart, 50);

    attempts = 0;
    EXPECT_TRUE(RetryWithPause(SucceedsThirdTime, 5, 0));
    EXPECT_EQ(attempts, 3);
}

TEST(FindRunningBar, FindsOnlyAChildOfTheSystemTaskbar)
{
    FakeWindowClass barClass(kBarClassName);
    // A bar class window that is not the taskbar's child is not the bar.
    HWND stray = CreateWindowExW(0, kBarClassName, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(stray);
    EXPECT_EQ(FindRunningBar(), nullptr);
    {
        FakeTaskbar taskbar;
        HWND other = CreateWindowExW(0, L"STATIC", L"x", WS_CHILD, 0, 0, 5, 5, taskbar.window, nullptr, nullptr, nullptr);
        EXPECT_EQ(FindRunningBar(), nullptr);
        HWND bar = CreateWindowExW(0, kBarClassName, L"", WS_CHILD, 0, 0, 5, 5, taskbar.window, nullptr, nullptr, nullptr);
        ASSERT_TRUE(bar);
        EXPECT_EQ(FindRunningBar(), bar);
        DestroyWindow(other);
        DestroyWindow(bar);
        EXPECT_EQ(FindRunningBar(), nullptr);
    }
    DestroyWindow(stray);
}
