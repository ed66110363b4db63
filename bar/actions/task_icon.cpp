// Choosing the icon of a task: its window's small icon or its program file's.
#include "bar/actions/task_icon.h"
#include "platform/processes.h"
#include <shellapi.h>
#include <strsafe.h>
#include <cwchar>

TaskIconSource TaskIconSourceFor(wchar_t* path, int capacity, const wchar_t* className)
{
    wchar_t* outlook = wcsstr(path, L"poutlook");
    if (!outlook)
        return TaskIconSource::ShellIconOfFile;
    if (wcscmp(className, L"Contacts") == 0)
        return TaskIconSource::ShellIconOfFile;
    if (wcscmp(className, L"Calendar") == 0) {
        const size_t offset = static_cast<size_t>(outlook - path);
        StringCchCopyW(outlook, static_cast<size_t>(capacity) - offset, L"calendar.exe");
        return TaskIconSource::ShellIconOfFile;
    }
    return TaskIconSource::WindowSmallIcon;
}

HICON GetTaskIcon(const wchar_t* className, HWND window, DWORD processId, bool* loaded)
{
    *loaded = false;
    wchar_t path[kTaskIconPathCapacity] = L"";
    if (!ProcessImagePath(processId, path, kTaskIconPathCapacity))
        return nullptr;
    if (TaskIconSourceFor(path, kTaskIconPathCapacity, className) == TaskIconSource::WindowSmallIcon) {
        DWORD_PTR icon = 0;
        if (SendMessageTimeoutW(window, WM_GETICON, ICON_SMALL, 0, SMTO_ABORTIFHUNG, 500, &icon) && icon)
            return reinterpret_cast<HICON>(icon);
    }
    SHFILEINFOW info = {};
    if (!SHGetFileInfoW(path, 0, &info, sizeof(info), SHGFI_ICON | SHGFI_SMALLICON) || !info.hIcon)
        return nullptr;
    *loaded = true;
    return info.hIcon;
}
