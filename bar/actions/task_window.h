// Which top-level windows count as tasks of the bar menu and the close/OK button.
#pragma once
#include <windows.h>

constexpr int kTaskTextCapacity = 256;

// Extended-style bit of windows whose caption shows an OK button.
constexpr DWORD kCaptionOkBit = 0x80000000;

// Whether window is a task. title and className (kTaskTextCapacity units) and
// processId may be null; shellFlag null means the caller wants no shell windows.
bool QueryTaskWindow(HWND window, wchar_t* title, wchar_t* className, DWORD* processId, BOOL* shellFlag);
