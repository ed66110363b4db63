// The shell's own applications (Programs list, Settings): one window each, in a
// process of its own, filling the screen below the taskbar.
#pragma once
#include <windows.h>

namespace emu {

// Opens the application named by arg (kProgramsApp, kSettingsApp): brings its
// window forward when it runs, or starts shell32.exe --app arg.
void OpenShellApp(const wchar_t* arg);

// Runs the application of arg in this process until its window closes; false
// when arg names none.
bool RunShellApp(HINSTANCE instance, const wchar_t* arg, int* exitCode);

// For the applications: registers cls with proc and makes the window, below the
// taskbar, with the OK button, shown in front.
HWND CreateShellAppWindow(HINSTANCE instance, WNDPROC proc, const wchar_t* cls, const wchar_t* title);
// What the applications' procedures leave to the frame: OK (IDOK) closes the window,
// and the process ends with it.
LRESULT ShellAppDefProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The applications' text font, height pixels high (the caller deletes it).
HFONT CreateShellAppFont(int height, int weight);

} // namespace emu
