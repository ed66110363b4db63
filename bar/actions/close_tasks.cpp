// The four passes of closing, and the gentle and hard close of one window.
#include "bar/actions/close_tasks.h"
#include "bar/actions/answered_send.h"
#include "bar/actions/close_button.h"
#include "bar/actions/task_table.h"
#include "bar/layout/bar_state.h"
#include "common/shell_classes.h"
#include "platform/scoped_win.h"
#include <strsafe.h>
#include <algorithm>
#include <cwchar>
#include <vector>

namespace {

struct PassEntry {
    HWND window;
    bool dialog;
};

struct PassList {
    PassEntry entries[kClosePassListSize];
    int count;
    bool overflowed;   // a window that qualified found no room: a later pass takes it
};

bool IsDialogClass(const wchar_t* className)
{
    return wcscmp(className, kDialogClassName) == 0;
}

DWORD ProcessOfClass(const wchar_t* className)
{
    DWORD processId = 0;
    if (HWND window = FindWindowW(className, nullptr))
        GetWindowThreadProcessId(window, &processId);
    return processId;
}

// What one pass compares windows with: the row to close (mode One; a copy, since
// the menu may be rebuilt while an application is being waited for, and its
// process taken before anything closed) or the window to spare.
struct CloseTarget {
    CloseMode mode;
    HWND rowWindow;
    DWORD rowProcess;
    wchar_t rowTitle[kTaskTextCapacity];
    wchar_t rowClass[kTaskTextCapacity];
    HWND spared;
};

// Set while a close command runs; the bar's messages are dispatched meanwhile,
// and a second close command then does nothing.
bool closingTasks = false;

// Windows whose application asked the person and stayed open (Cancel to "Save
// changes?"): the person chose to keep them, so the rest of the command leaves
// them alone instead of asking again or ending them.
std::vector<HWND> keptByPerson;

bool IsKeptByPerson(HWND window)
{
    return std::find(keptByPerson.begin(), keptByPerson.end(), window) != keptByPerson.end();
}

bool Kept(const CloseTarget& target, const TaskWindowKey& window)
{
    switch (target.mode) {
    case CloseMode::One:
        return ClosesWithRow(window, {target.rowWindow, target.rowProcess, target.rowTitle, target.rowClass});
    case CloseMode::AllExceptActive:
        return window.window != target.spared;
    case CloseMode::All:
        return true;
    }
    return false;
}

PassList CollectPass(int pass, const CloseTarget& target)
{
    PassList list = {};
    for (HWND window = GetWindow(GetDesktopWindow(), GW_CHILD); window; window = GetWindow(window, GW_HWNDNEXT)) {
        wchar_t title[kTaskTextCapacity];
        wchar_t className[kTaskTextCapacity];
        BOOL shellFlag = FALSE;
        DWORD processId = 0;
        if (!QueryTaskWindow(window, title, className, &processId, &shellFlag) || shellFlag)
            continue;
        if (IsKeptByPerson(window))
            continue;
        if (!Kept(target, TaskWindowKey{window, processId, title, className}))
            continue;
        const CloseWay way = CloseWayFor(className, processId == GetCurrentProcessId());
        if (way == CloseWay::Spare)
            continue;
        const bool dialog = way == CloseWay::Dialog;
        if (!InPassList(pass, dialog))
            continue;
        if (list.count == kClosePassListSize) {
            list.overflowed = true;
            break;
        }
        list.entries[list.count++] = {window, dialog};
    }
    return list;
}

// False once the bar is ending.
bool CloseOne(const PassEntry& entry)
{
    if (!entry.dialog)
        return CloseWindowForcibly(entry.window);
    // What the gentle close does to a "Dialog"; the bar's own dialogs are of the
    // desktop's dialog class, and a tap on the taskbar's button would not reach them.
    PostMessageW(entry.window, WM_COMMAND, IDOK, 0);
    return true;
}

bool RunPass(const PassList& list)
{
    for (int i = 0; i < list.count; ++i)
        if (!CloseOne(list.entries[i]))
            return false;
    for (int i = 0; i < list.count; ++i)
        if (IsWindow(list.entries[i].window) && !IsKeptByPerson(list.entries[i].window) && !CloseOne(list.entries[i]))
            return false;
    return true;
}

// The system taskbar answers at once; should it hang, the bar waits 5 s at most.
void SendAndWait(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL | SMTO_ABORTIFHUNG, 5000, &result);
}

void SendKey(BYTE key, DWORD flags)
{
    keybd_event(key, 0, flags, 1);
}

} // namespace

bool ClosesWithRow(const TaskWindowKey& window, const TaskWindowKey& row)
{
    if (wcscmp(window.title, row.title) != 0)
        return false;
    if (window.window == row.window)
        return true;
    return wcscmp(window.className, row.className) != 0 && row.processId != 0 && window.processId == row.processId;
}

CloseWay CloseWayFor(const wchar_t* className, bool ownProcess)
{
    if (wcscmp(className, kTaskbarClassName) == 0 || wcscmp(className, kTodayClassName) == 0)
        return CloseWay::Spare;
    return ownProcess || IsDialogClass(className) ? CloseWay::Dialog : CloseWay::Forcibly;
}

bool MayEndProcess(DWORD processId, const DWORD* spared, int sparedCount)
{
    if (!processId)
        return false;
    for (int i = 0; i < sparedCount; ++i)
        if (spared[i] == processId)
            return false;
    return true;
}

bool InPassList(int pass, bool dialog)
{
    return dialog || pass % 2 == 1;
}

int NextClosePass(int pass, bool overflowed, int* repeats)
{
    if (!overflowed || *repeats >= kClosePassRepeats)
        return pass + 1;
    ++*repeats;
    return pass;
}

void CloseTaskWindows(CloseMode mode, int index)
{
    if (closingTasks || (mode == CloseMode::One && (index < 0 || index >= TaskTable.count)))
        return;
    closingTasks = true;
    keptByPerson.clear();
    CloseTarget target = {mode, nullptr, 0, L"", L"", nullptr};
    if (mode == CloseMode::One) {
        const TaskEntry& row = TaskTable.rows[index];
        target.rowWindow = row.window;
        GetWindowThreadProcessId(row.window, &target.rowProcess);
        StringCchCopyW(target.rowTitle, kTaskTextCapacity, row.title);
        StringCchCopyW(target.rowClass, kTaskTextCapacity, row.className);
    }
    if (mode == CloseMode::AllExceptActive)
        target.spared = GetForegroundWindow();
    int repeats = 0;
    for (int pass = 0; pass < kClosePasses;) {
        const PassList list = CollectPass(pass, target);
        if (!RunPass(list)) {
            closingTasks = false;
            return;
        }
        pass = NextClosePass(pass, list.overflowed, &repeats);
    }
    closingTasks = false;
    if (mode == CloseMode::All)
        BringTodayScreenForward();
}

void PressTaskbarCloseButton(HWND window)
{
    wchar_t className[32] = L"";
    GetClassNameW(window, className, 32);
    if (IsDialogClass(className)) {
        PostMessageW(window, WM_COMMAND, IDOK, 0);
        return;
    }
    SetForegroundWindow(window);
    RECT r;
    GetClientRect(barWindow, &r);
    POINT point = {r.right - 13 * ScaleFactor, r.top + 13 * ScaleFactor};
    HWND taskbar = GetParent(barWindow);
    ClientToScreen(barWindow, &point);
    ScreenToClient(taskbar, &point);
    SendAndWait(taskbar, WM_LBUTTONDOWN, 1, MAKELPARAM(point.x, point.y));
    SendAndWait(taskbar, WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
}

bool CloseWindowForcibly(HWND window)
{
    SetForegroundWindow(window);
    wchar_t className[16] = L"";
    if (GetClassNameW(window, className, 16) > 0 && wcsncmp(className, L"WMP ", 4) == 0) {
        Sleep(100);
        SendKey(VK_CONTROL, 0);
        SendKey('Q', 0);
        SendKey('Q', KEYEVENTF_KEYUP);
        SendKey(VK_CONTROL, KEYEVENTF_KEYUP);
    }
    // An application may ask the person something before it closes: it is waited
    // for while it answers, and given up on only once it stops answering.
    SendOutcome outcome = SendWhileAnswering(window, WM_ACTIVATE, 0, reinterpret_cast<LPARAM>(window));
    if (outcome != SendOutcome::Hung && outcome != SendOutcome::Quit)
        outcome = SendWhileAnswering(window, WM_CLOSE, 0, 0);
    if (outcome == SendOutcome::Quit)
        return false;
    if (outcome == SendOutcome::AnsweredAfterAsking && IsWindow(window)) {
        keptByPerson.push_back(window);
        return true;
    }
    TerminateWindowProcess(window);
    return true;
}

bool TerminateWindowProcess(HWND window)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (!processId)
        return false;
    const DWORD spared[] = {GetCurrentProcessId(), ProcessOfClass(kTaskbarClassName), ProcessOfClass(kTodayClassName)};
    if (!MayEndProcess(processId, spared, 3))
        return true;
    // The handheld's "all access"; it includes terminating and reading the exit code.
    ScopedHandle process(OpenProcess(0x001F0FFF, FALSE, processId));
    if (process.get()) {
        DWORD code = 0;
        GetExitCodeProcess(process.get(), &code);
        TerminateProcess(process.get(), code);
    }
    return true;
}
