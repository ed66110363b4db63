// The close/OK button's state for the foreground window, and the system's button.
#pragma once
#include <windows.h>

// -1 unknown, 0 close shown but disabled, 1 close enabled, 2 OK shown and enabled.
// Written by UpdateCloseButtonState only.
extern int CloseButtonState;

// Whether the Display setting left the close/OK pair on the bar; written by each
// load in bar/core/appearance.cpp only.
extern bool closePairInUse;

// Re-evaluates the buttons for the foreground window; returns whether the state changed.
bool UpdateCloseButtonState();

// The state for a foreground window's task flag and styles.
int CloseButtonStateFor(bool task, DWORD style, DWORD exStyle);

// Presses the system taskbar's close/OK button at its right end.
void PressSystemCloseButton(HWND bar);

// Brings the Today screen to the foreground (the home button).
void BringTodayScreenForward();
