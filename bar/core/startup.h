// Start-up of the bar: single instance, process-wide facts, the bar window.
#pragma once
#include <windows.h>

int StartBar(HINSTANCE instance, HINSTANCE previous, LPWSTR commandLine, int showCommand);
bool CreateBarWindow(HINSTANCE instance, int showCommand);
bool BuildShellProcessList();

// Pure rules, callable without a window.

// 2 on screens wider than 400 pixels, else 1.
int ScaleFactorForWidth(int screenWidth);

// Whether a snapshot's executable name (possibly with a path) is the shell's.
bool IsShellProcessName(const wchar_t* exeFile);

// Calls attempt until it succeeds, at most tries times, sleeping pauseMilliseconds
// between two calls; whether a call succeeded.
bool RetryWithPause(bool (*attempt)(), int tries, DWORD pauseMilliseconds);

// A device that cannot take a process snapshot is asked this often, this far apart,
// before the bar goes on with an empty ShellProcessList.
constexpr int kSnapshotTries = 20;
constexpr DWORD kSnapshotPause = 50;
