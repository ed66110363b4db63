// The task test shared by the bar menu, closing and the close/OK button.
#include "bar/actions/task_window.h"
#include "common/shell_classes.h"
#include <strsafe.h>
#include <cwchar>

namespace {

const wchar_t* const kExcludedTaskTitles[] = {L"Pocket PC Emulation", L"CursorWindow"};
const wchar_t* const kExcludedTaskClasses[] = {L"ActiveSync", L"MSCprog", kWorkerClassName, L"menu_worker", kTaskbarClassName,
                                               L"MS_SIPBUTTON"};

template <size_t N>
bool InList(const wchar_t* const (&list)[N], const wchar_t* text)
{
    for (const wchar_t* entry : list)
        if (wcscmp(entry, text) == 0)
            return true;
    return false;
}

bool VisibleAfterYielding(HWND window)
{
    for (int check = 0; check < 3; ++check) {
        if (IsWindowVisible(window))
            return true;
        Sleep(0);
    }
    return false;
}

void Report(wchar_t* out, const wchar_t* text)
{
    if (out)
        StringCchCopyW(out, kTaskTextCapacity, text);
}

} // namespace

bool TaskDecisionFor(const TaskWindowFacts& facts, const ShellProcesses& shells, wchar_t* title,
                     wchar_t* className, BOOL* shellFlag)
{
    if (shellFlag)
        *shellFlag = FALSE;
    Report(title, L"");
    Report(className, L"");
    if (!facts.visible)
        return false;

    const bool shellProcess = shells.count > 0 && shells.ids[0] == facts.processId;
    const wchar_t* text = facts.text ? facts.text : L"";
    bool untitledShellWindow = false;
    if (text[0] == L'\0') {
        if (!shellProcess)
            return false;
        text = L"Settings";
        untitledShellWindow = true;
    } else if (shellProcess && wcscmp(text, L"Desktop") == 0) {
        text = L"Start";
    }
    Report(title, text);
    if (InList(kExcludedTaskTitles, text))
        return false;

    if (!facts.className || InList(kExcludedTaskClasses, facts.className))
        return false;
    Report(className, facts.className);
    if (untitledShellWindow)
        return false;

    for (int i = 0; i < shells.count && i < kMaxShellProcesses; ++i) {
        if (shells.ids[i] != facts.processId)
            continue;
        if (!shellFlag)
            return false;
        *shellFlag = TRUE;
        if (!(facts.exStyle & kCaptionOkBit))
            return false;
    }
    return true;
}

bool QueryTaskWindow(HWND window, wchar_t* title, wchar_t* className, DWORD* processId, BOOL* shellFlag)
{
    wchar_t text[kTaskTextCapacity] = L"";
    wchar_t cls[kTaskTextCapacity] = L"";
    TaskWindowFacts facts = {0, false, text, nullptr, 0};
    GetWindowThreadProcessId(window, &facts.processId);
    if (processId)
        *processId = facts.processId;
    facts.visible = VisibleAfterYielding(window);
    if (facts.visible) {
        GetWindowTextW(window, text, kTaskTextCapacity);
        if (GetClassNameW(window, cls, kTaskTextCapacity))
            facts.className = cls;
        facts.exStyle = static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE));
    }
    return TaskDecisionFor(facts, ShellProcessList, title, className, shellFlag);
}
