// The bar hears of a turned screen through a hidden top-level window of its own.
#pragma once
#include <windows.h>

// The bar window is a child of the system taskbar, and the shell's WM_SETTINGCHANGE
// and the display's WM_DISPLAYCHANGE go to top-level windows only; this hidden one
// takes them for it and has the bar repaint as a paint the system asks for, which
// looks at the screen's size. Between turns nothing here costs anything.
bool StartScreenWatch(HINSTANCE instance);
void StopScreenWatch();
