// The close/OK button's state for the foreground window, and the system's button.
#pragma once
#include <windows.h>

// Re-evaluates the state; returns whether it changed.
bool UpdateCloseButtonState();

// Presses the system taskbar's close/OK button at its right end.
void PressSystemCloseButton(HWND bar);

// Brings the Today screen to the foreground (the home button).
void BringTodayScreenForward();
