// Following the foreground window: the title and close/OK the bar shows, and popups that lost the front.
#pragma once
#include <windows.h>

// One tick of TIMER_FOREGROUND: closes popups that lost the foreground and follows
// the foreground window.
void CheckForeground();

// Makes foreground the window whose title the bar shows and re-evaluates close/OK
// for it; the only writer of lastForegroundWindow.
void AdoptForegroundWindow(HWND foreground);

// Whether a new foreground window should replace the one the bar shows. Windows of
// class "Worker" are never shown.
bool ShouldFollowForeground(HWND foreground, const wchar_t* foregroundClass, HWND last);
