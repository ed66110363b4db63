// Task rules of the bar menu and of closing: which windows are tasks, which get a
// line, which close with a line, where the close mark lies, whose icon is drawn.
#include <gtest/gtest.h>
#include <algorithm>
#include <cstring>
#include <functional>
#include <cwchar>
#include <vector>
#include "bar/actions/close_tasks.h"
#include "bar/actions/menu_items.h"
#include "bar/actions/menu_tap.h"
#include "bar/actions/task_icon.h"
#include "bar/actions/task_table.h"
#include "bar/config/fonts.h"

namespace {

constexpr DWORD kShell = 10;
constexpr DWORD kOtherShell = 11;
constexpr DWORD kApp = 20;
constexpr DWORD kOk = 0x80000000;

} // namespace

TEST(TaskDecision, EachRuleOfTheTaskTest)
{
    const ShellProcesses shells = {{kShell, kOtherShell}, 2};
    struct Case {
        TaskWindowFacts facts;
        bool wantShellFlag;
        bool task;
        const wchar_t* title;
        const wchar_t* cls;
        BOOL shellFlag;
    } cases[] = {
        {{kApp, true, L"Notes", L"NotesClass", 0}, true, true, L"Notes", L"NotesClass", FALSE},
        {{kApp, false, L"Notes", L"NotesClass", 0}, true, false, L"", L"", FALSE},              // invisible
        {{kApp, true, L"", L"NotesClass", 0}, true, false, L"", L"", FALSE},                    // untitled
        {{kShell, true, L"", L"Panel", kOk}, true, false, L"Settings", L"Panel", FALSE},        // untitled shell
        {{kShell, true, L"Desktop", L"DesktopExplorerWindow", 0}, true, false, L"Start", L"DesktopExplorerWindow", TRUE},
        {{kApp, true, L"Desktop", L"Other", 0}, true, true, L"Desktop", L"Other", FALSE},       // not the shell's
        {{kApp, true, L"CursorWindow", L"X", 0}, true, false, L"CursorWindow", L"", FALSE},
        {{kApp, true, L"Pocket PC Emulation", L"X", 0}, true, false, L"Pocket PC Emulation", L"", FALSE},
        {{kApp, true, L"Sync", L"ActiveSync", 0}, true, false, L"Sync", L"", FALSE},
        {{kApp, true, L"Prog", L"MSCprog", 0}, true, false, L"Prog", L"", FALSE},
        {{kApp, true, L"Work", L"Worker", 0}, true, false, L"Work", L"", FALSE},
        {{kApp, true, L"Work", L"menu_worker", 0}, true, false, L"Work", L"", FALSE},
        {{kApp, true, L"Bar", L"HHTaskBar", 0}, true, false, L"Bar", L"", FALSE},
        {{kApp, true, L"Input", L"MS_SIPBUTTON", 0}, true, false, L"Input", L"", FALSE},   // the input panel's button
        {{kApp, true, L"Work", L"worker", 0}, true, true, L"Work", L"worker", FALSE},           // exact case
        {{kApp, true, L"Notes", nullptr, 0}, true, false, L"Notes", L"", FALSE},                // no class
        {{kShell, true, L"Owner", L"Dialog", kOk}, true, true, L"Owner", L"Dialog", TRUE},
        {{kOtherShell, true, L"Owner", L"Dialog", kOk}, true, true, L"Owner", L"Dialog", TRUE},
        {{kShell, true, L"Owner", L"Dialog", 0}, true, false, L"Owner", L"Dialog", TRUE},
        {{kShell, true, L"Owner", L"Dialog", kOk}, false, false, L"Owner", L"Dialog", FALSE},  // no flag asked
    };
    for (const Case& c : cases) {
        wchar_t title[kTaskTextCapacity] = L"x";
        wchar_t cls[kTaskTextCapacity] = L"x";
        BOOL flag = 2;
        bool task = TaskDecisionFor(c.facts, shells, title, cls, c.wantShellFlag ? &flag : nullptr);
        const std::string label = std::to_string(&c - cases);
        EXPECT_EQ(task, c.task) << label;
        EXPECT_STREQ(title, c.title) << label;
        EXPECT_STREQ(cls, c.cls) << label;
        if (c.wantShellFlag) {
            EXPECT_EQ(flag, c.shellFlag) << label;
        }
    }
}

TEST(TaskAdd, DialogsSameTitlesBookwinAndTheRowLimit)
{
    TaskRows table;
    std::memset(&table, 0, sizeof(table));
    auto add = [&](const wchar_t* title, const wchar_t* cls) {
        TaskEntry& row = table.rows[table.count++];
        wcscpy(row.title, title);
        wcscpy(row.className, cls);
    };
    add(L"Notes", L"NotesClass");
    add(L"Book", L"BOOKWIN");
    add(L"Confirm", L"Dialog");

    struct Case { const wchar_t* title; const wchar_t* cls; TaskAddAction action; int row; } cases[] = {
        {L"Notes", L"Dialog", TaskAddAction::ReplaceWindow, 0},   // a dialog of a listed application
        {L"Other", L"Dialog", TaskAddAction::Add, 3},
        {L"Notes", L"NotesClass", TaskAddAction::Add, 3},         // same class, same title: its own line
        {L"Notes", L"Viewer", TaskAddAction::Skip, -1},           // same title, another class
        {L"Book", L"BOOKWIN", TaskAddAction::Skip, -1},
        {L"Confirm", L"App", TaskAddAction::Skip, -1},            // the listed dialog's class differs
        {L"notes", L"Viewer", TaskAddAction::Add, 3},             // titles compare exactly
    };
    for (const Case& c : cases) {
        TaskAddDecision d = TaskAddDecisionFor(table, c.title, c.cls);
        EXPECT_EQ(d.action, c.action) << (&c - cases);
        if (c.action != TaskAddAction::Skip) {
            EXPECT_EQ(d.row, c.row) << (&c - cases);
        }
    }

    while (table.count < kTaskTableRows)
        add(L"Filler", L"FillerClass");
    EXPECT_EQ(TaskAddDecisionFor(table, L"Twenty-sixth", L"App").action, TaskAddAction::Skip);
    EXPECT_EQ(TaskRowOfCommand(kFirstTaskCommand + 3), -1) << "rows of the table filled here are not the bar's";
}

TEST(TaskAdd, TwentyFiveWindowsAreListedAndATwentySixthIsNot)
{
    HMENU menu = CreatePopupMenu();
    std::memset(&TaskTable, 0, sizeof(TaskTable));
    std::vector<HWND> windows;
    std::vector<BOOL> goOn;
    for (int i = 0; i < 26; ++i) {
        wchar_t title[16];
        swprintf(title, 16, L"App %d", i);
        windows.push_back(CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", title, WS_POPUP | WS_VISIBLE, -50, -50, 10, 10,
                                          nullptr, nullptr, nullptr, nullptr));
        goOn.push_back(AddTaskWindow(windows.back(), reinterpret_cast<LPARAM>(menu)));
    }
    EXPECT_EQ(TaskTable.count, 25);
    EXPECT_EQ(GetMenuItemCount(menu), 25);
    if (TaskTable.count == 25) {
        EXPECT_STREQ(TaskTable.rows[24].title, L"App 24");
    }
    EXPECT_EQ(std::count(goOn.begin(), goOn.begin() + 24, TRUE), 24) << "enumeration goes on up to the 25th";
    EXPECT_FALSE(goOn[24]) << "and stops there";
    for (HWND w : windows)
        DestroyWindow(w);
    DestroyMenu(menu);
    std::memset(&TaskTable, 0, sizeof(TaskTable));
}

TEST(CloseMark, TheLastTwentyPixelsTimesTheScaleUpToTheRightEdge)
{
    MenuTap tap = {{0, 0, 150, 200}, 0, 9};
    struct Case { int x; int scale; bool onMark; } cases[] = {
        {130, 1, true}, {129, 1, false}, {150, 1, true}, {151, 1, false},
        {110, 2, true}, {109, 2, false}, {150, 2, true},
    };
    for (const Case& c : cases) {
        tap.x = c.x;
        EXPECT_EQ(IsOnCloseMark(tap, c.scale), c.onMark) << c.x << " at scale " << c.scale;
    }
    EXPECT_FALSE(IsOnCloseMark(MenuTap{{0, 0, 0, 0}, 1, 0}, 1)) << "the record of a menu without a release";
}

TEST(CloseRules, OneTaskTakesItsDialogsButNotItsTwinsAndDialogsGoFirst)
{
    HWND rowWindow = reinterpret_cast<HWND>(0x100);
    HWND other = reinterpret_cast<HWND>(0x200);
    const TaskWindowKey row = {rowWindow, kApp, L"Notes", L"NotesClass"};
    EXPECT_TRUE(ClosesWithRow(row, row));
    EXPECT_TRUE(ClosesWithRow({other, kApp, L"Notes", L"Dialog"}, row));
    EXPECT_FALSE(ClosesWithRow({other, kApp, L"Notes", L"NotesClass"}, row));
    EXPECT_FALSE(ClosesWithRow({other, kApp, L"Other", L"Dialog"}, row));
    EXPECT_FALSE(ClosesWithRow({other, kShell, L"Notes", L"Dialog"}, row)) << "another program's";
}

TEST(CloseRules, AnOverflowingPassEndsAtTheBound)
{
    int repeats = 8;   // eight runs of one pass already
    EXPECT_EQ(NextClosePass(3, true, &repeats), 4) << "windows that never close do not hold the bar";
}

TEST(TaskIcon, ThePoutlookRule)
{
    struct Case { const wchar_t* path; const wchar_t* cls; TaskIconSource source; const wchar_t* after; } cases[] = {
        {L"\\Windows\\notes.exe", L"Calendar", TaskIconSource::ShellIconOfFile, L"\\Windows\\notes.exe"},
        {L"\\Windows\\poutlook.exe", L"Contacts", TaskIconSource::ShellIconOfFile, L"\\Windows\\poutlook.exe"},
        {L"\\Windows\\poutlook.exe", L"Calendar", TaskIconSource::ShellIconOfFile, L"\\Windows\\calendar.exe"},
        {L"\\Windows\\poutlook.exe", L"Tasks", TaskIconSource::WindowSmallIcon, L"\\Windows\\poutlook.exe"},
        {L"\\Windows\\Poutlook.exe", L"Tasks", TaskIconSource::ShellIconOfFile, L"\\Windows\\Poutlook.exe"},
    };
    for (const Case& c : cases) {
        wchar_t path[kTaskIconPathCapacity];
        wcscpy(path, c.path);
        EXPECT_EQ(TaskIconSourceFor(path, kTaskIconPathCapacity, c.cls), c.source) << (&c - cases);
        EXPECT_STREQ(path, c.after);
    }
    // The calendar's name never runs past the buffer.
    wchar_t small[12] = L"a\\poutlook";
    EXPECT_EQ(TaskIconSourceFor(small, 12, L"Calendar"), TaskIconSource::ShellIconOfFile);
    EXPECT_EQ(small[11], L'\0');
}

TEST(CloseRules, TheShellIsSparedAndTheBarsOwnWindowsCloseAsDialogs)
{
    EXPECT_EQ(CloseWayFor(L"HHTaskBar", false), CloseWay::Spare);
    EXPECT_EQ(CloseWayFor(L"DesktopExplorerWindow", false), CloseWay::Spare) << "even when no shell process is known";
    EXPECT_EQ(CloseWayFor(L"DesktopExplorerWindow", true), CloseWay::Spare);
    EXPECT_EQ(CloseWayFor(L"Dialog", false), CloseWay::Dialog);
    EXPECT_EQ(CloseWayFor(L"#32770", true), CloseWay::Dialog) << "the bar's own message box or popup";
    EXPECT_EQ(CloseWayFor(L"#32770", false), CloseWay::Forcibly);
    EXPECT_EQ(CloseWayFor(L"dialog", false), CloseWay::Forcibly) << "classes compare exactly";

    const DWORD spared[] = {kApp, kShell};
    EXPECT_FALSE(MayEndProcess(kApp, spared, 2)) << "the bar's own process";
    EXPECT_FALSE(MayEndProcess(kShell, spared, 2)) << "the shell's, found by its windows";
    EXPECT_TRUE(MayEndProcess(kOtherShell, spared, 2));
    EXPECT_FALSE(MayEndProcess(0, spared, 2)) << "no process at all";
}

// The columns, from x 22 on, where a 200 x 30 line drawn by draw differs from its
// paper (its top right pixel, which no text reaches).
int InkSpan(const std::function<void(HDC)>& draw)
{
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 200, 30);
    HGDIOBJ old = SelectObject(dc, bitmap);
    draw(dc);
    const COLORREF paper = GetPixel(dc, 199, 0);
    int left = 200, right = -1;
    for (int y = 0; y < 30; ++y)
        for (int x = 22; x < 200; ++x)
            if (GetPixel(dc, x, y) != paper)
                left = std::min(left, x), right = std::max(right, x);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return right - left;
}

TEST(MenuLine, NoWiderThanTheRoomAndAnAmpersandDrawnAsWritten)
{
    EXPECT_EQ(MenuItemWidthFor(100, 1, 222), 136);
    EXPECT_EQ(MenuItemWidthFor(300, 1, 222), 222) << "a long title";
    EXPECT_EQ(MenuItemWidthFor(440, 2, 450), 450);

    // A task titled "R&D" drawn as the menu draws it, and the title written out with
    // TextOut (which knows no mnemonics) in the same font: the inks are as wide.
    std::memset(&TaskTable, 0, sizeof(TaskTable));
    TaskTable.count = 1;
    TaskTable.rows[0].shellOwned = TRUE;   // no program icon to look for
    wcscpy(TaskTable.rows[0].title, L"R&D");
    LOGFONTW logical = {};
    logical.lfHeight = -24;
    wcscpy(logical.lfFaceName, L"Tahoma");
    HFONT font = CreateFontIndirectW(&logical);
    const HFONT skinFont = dialogTitleFont.font;
    dialogTitleFont.font = font;
    const int drawn = InkSpan([](HDC dc) {
        DRAWITEMSTRUCT item = {ODT_MENU, 0, kFirstTaskCommand, ODA_DRAWENTIRE, 0, nullptr, dc, {0, 0, 200, 30}, 0};
        DrawBarMenuItem(&item);
    });
    const int written = InkSpan([&](HDC dc) {
        PatBlt(dc, 0, 0, 200, 30, WHITENESS);
        HGDIOBJ old = SelectObject(dc, font);
        TextOutW(dc, 22, 2, L"R&D", 3);
        SelectObject(dc, old);
    });
    dialogTitleFont.font = skinFont;
    DeleteObject(font);
    EXPECT_GT(written, 20);
    EXPECT_NEAR(drawn, written, 1) << "the \"&\" was taken for a mnemonic";
}
