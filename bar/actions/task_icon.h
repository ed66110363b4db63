// The program icon drawn at the left of a task line in the bar menu.
#pragma once
#include <windows.h>

constexpr int kTaskIconPathCapacity = 260;

// Where a task's icon comes from, by its executable path and window class.
enum class TaskIconSource { ShellIconOfFile, WindowSmallIcon };

// The "poutlook" rule: Contacts keeps the path, Calendar's path becomes the calendar
// program's (path is rewritten in place), any other class of that program asks its
// window. Every other program gives the shell's icon of its file.
TaskIconSource TaskIconSourceFor(wchar_t* path, int capacity, const wchar_t* className);

// The icon of a task, or null. *loaded is set when the icon came from a file: only
// such an icon is the caller's to destroy after drawing.
HICON GetTaskIcon(const wchar_t* className, HWND window, DWORD processId, bool* loaded);
