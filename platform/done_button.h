// The OK button in a window's title bar (the shell's done button).
#pragma once
#include <windows.h>

// The caption OK-button bit of the extended style, as the handheld's shell reads it.
constexpr DWORD kDoneButtonBit = 0x80000000;

// Shows the OK button for a top-level window: the system taskbar then shows OK while
// the window is in front, and a press on it reaches the window as WM_COMMAND IDOK.
// False when the window does not exist.
bool ShowDoneButton(HWND window);
