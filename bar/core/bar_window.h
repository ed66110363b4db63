// The bar window procedure, its timers and the reload of the appearance.
#pragma once
#include <windows.h>

LRESULT CALLBACK BarWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The update notification: timers off, skin released and loaded again, repaint,
// timers on at the after-reload periods. Without the INI files' lock the bar keeps
// its appearance.
void ReloadAppearance(HWND window);

