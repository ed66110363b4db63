// Which top-level windows count as tasks of the bar menu and the close/OK button.
#pragma once
#include <windows.h>
#include "bar/layout/bar_state.h"

constexpr int kTaskTextCapacity = 256;

// Extended-style bit of windows whose caption shows an OK button.
constexpr DWORD kCaptionOkBit = 0x80000000;

// Whether window is a task. title and className (kTaskTextCapacity units) and
// processId may be null; shellFlag null means the caller wants no shell windows.
bool QueryTaskWindow(HWND window, wchar_t* title, wchar_t* className, DWORD* processId, BOOL* shellFlag);

// What QueryTaskWindow reads from a window, so that its rules can be tried without one.
struct TaskWindowFacts {
    DWORD processId;
    bool visible;               // after the retries
    const wchar_t* text;        // window text, "" when it has none
    const wchar_t* className;   // null when the class name could not be read
    DWORD exStyle;
};

// The task rules over facts; outputs as for QueryTaskWindow (each may be null).
bool TaskDecisionFor(const TaskWindowFacts& facts, const ShellProcesses& shells, wchar_t* title,
                     wchar_t* className, BOOL* shellFlag);
