// The bar window procedure, its timers and the reload of the appearance.
#pragma once
#include <windows.h>

LRESULT CALLBACK BarWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// One tick of TIMER_FOREGROUND: closes popups that lost the foreground and follows
// the foreground window.
void CheckForeground();

// The update notification: timers off, skin released and loaded again, repaint,
// timers on at the after-reload periods.
void ReloadAppearance(HWND window);

// The period TIMER_FOREGROUND runs at: kForegroundPeriodFirst from creation,
// kForegroundPeriod after the first reload. Written by the timers' start only.
extern UINT foregroundTimerPeriod;

// Makes foreground the window whose title the bar shows and re-evaluates close/OK
// for it; the only writer of lastForegroundWindow.
void AdoptForegroundWindow(HWND foreground);

// Whether a new foreground window should replace the one the bar shows. Windows of
// class "Worker" are never shown.
bool ShouldFollowForeground(HWND foreground, const wchar_t* foregroundClass, HWND last);
