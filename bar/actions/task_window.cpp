// The task test shared by the bar menu and the close/OK button.
#include "bar/actions/task_window.h"
#include "bar/core/bar_state.h"
#include "common/shell_classes.h"
#include <strsafe.h>
#include <cwchar>

namespace {

const wchar_t* const kExcludedTitles[] = {L"Pocket PC Emulation", L"CursorWindow"};
const wchar_t* const kExcludedClasses[] = {L"ActiveSync", L"MSCprog", kWorkerClassName, L"menu_worker",
                                           kTaskbarClassName, L"MS_SIPBUTTON"};

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

bool IsShellProcess(DWORD processId)
{
    return ShellProcessList.count > 0 && ShellProcessList.ids[0] == processId;
}

void Report(wchar_t* out, const wchar_t* text)
{
    if (out)
        StringCchCopyW(out, kTaskTextCapacity, text);
}

} // namespace

bool QueryTaskWindow(HWND window, wchar_t* title, wchar_t* className, DWORD* processId, BOOL* shellFlag)
{
    if (shellFlag)
        *shellFlag = FALSE;
    Report(title, L"");
    Report(className, L"");
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (processId)
        *processId = process;
    if (!VisibleAfterYielding(window))
        return false;

    wchar_t text[kTaskTextCapacity] = L"";
    GetWindowTextW(window, text, kTaskTextCapacity);
    bool untitledShellWindow = false;
    if (text[0] == L'\0') {
        if (!IsShellProcess(process))
            return false;
        StringCchCopyW(text, kTaskTextCapacity, L"Settings");
        untitledShellWindow = true;
    } else if (IsShellProcess(process) && wcscmp(text, L"Desktop") == 0) {
        StringCchCopyW(text, kTaskTextCapacity, L"Start");
    }
    Report(title, text);
    if (InList(kExcludedTitles, text))
        return false;

    wchar_t cls[kTaskTextCapacity] = L"";
    if (!GetClassNameW(window, cls, kTaskTextCapacity) || InList(kExcludedClasses, cls))
        return false;
    Report(className, cls);
    if (untitledShellWindow)
        return false;

    for (int i = 0; i < ShellProcessList.count; ++i) {
        if (ShellProcessList.ids[i] != process)
            continue;
        if (!shellFlag)
            return false;
        *shellFlag = TRUE;
        if (!(static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)) & kCaptionOkBit))
            return false;
    }
    return true;
}
