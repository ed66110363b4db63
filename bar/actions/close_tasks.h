// Closing tasks: one from the menu, all, or all but the foreground application.
#pragma once
#include <windows.h>

enum class CloseMode { All, AllExceptActive, One };

constexpr int kClosePassListSize = 25;
constexpr int kClosePasses = 4;
// How often in all a pass may run again because its list overflowed.
constexpr int kClosePassRepeats = 8;

// Closes the chosen tasks in four passes (dialogs first, then everything, twice);
// index is the TaskTable row in mode One, else -1. Close All ends with the Today
// screen in front. Shell windows and windows that are no task are never touched.
// The bar keeps dispatching its messages while an application is waited for; a
// close command that comes meanwhile does nothing.
void CloseTaskWindows(CloseMode mode, int index);

// A task window, or a row's, as closing one task compares them.
struct TaskWindowKey {
    HWND window;
    DWORD processId;
    const wchar_t* title;
    const wchar_t* className;
};

// Whether a task window is closed in mode One for the row: its own window, or a
// window of the same title and another class in the row's process (its dialogs).
// Another program's window is never taken for the row's, whatever its title.
bool ClosesWithRow(const TaskWindowKey& window, const TaskWindowKey& row);

// How a close command treats one task window it chose.
enum class CloseWay {
    Spare,      // the shell's taskbar and Today screen: never closed, never ended
    Dialog,     // IDOK only, as the handheld's "Dialog" windows; its process lives on
    Forcibly,   // the hard close, which ends the process
};

// The bar's own windows (its message box, its popups) end as dialogs do: ending
// their process would end the bar. The shell's windows are spared by their class,
// whether or not its process was found at start-up (a reset starts a new shell).
CloseWay CloseWayFor(const wchar_t* className, bool ownProcess);

// Whether the process of a closed window may be ended: it has an id and it is none
// of spared (the bar's own process and those of the shell's windows).
bool MayEndProcess(DWORD processId, const DWORD* spared, int sparedCount);

// Whether a kept window goes into the pass list of pass (even passes: dialogs only).
bool InPassList(int pass, bool dialog);

// The pass after pass. A pass whose list overflowed runs again once its windows
// are gone, so that the windows past the 25th are closed too; *repeats counts
// those runs and its bound keeps windows that survive everything from holding
// the bar for ever.
int NextClosePass(int pass, bool overflowed, int* repeats);

// The gentle close: IDOK to a dialog, else the system taskbar's close/OK place.
void PressTaskbarCloseButton(HWND window);

// The hard close: the media player's Ctrl+Q, WM_ACTIVATE and WM_CLOSE, waited for
// as long as the application answers (5 s once it stops), then the window's
// process ends whether or not the window closed, except when the application asked
// the person and its window stayed: the person kept it, and the command leaves it. False when the bar is ending
// (its quit message came while waiting): nothing more is closed then.
bool CloseWindowForcibly(HWND window);

// Ends the window's process, unless it is the bar's or the shell's; false when the
// window has no process id.
bool TerminateWindowProcess(HWND window);
