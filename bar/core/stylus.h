// Stylus taps on the bar: hit-testing, pressed images and the buttons' actions.
#pragma once
#include <windows.h>

// The ButtonId of the first shown slot whose rectangle holds the point, or -1.
int HitTestButton(POINT point, bool* enabled);

void OnStylusDown(HWND window, WPARAM wParam, LPARAM lParam);
void OnStylusUp(HWND window, WPARAM wParam, LPARAM lParam);

// A popup menu of the bar has closed: the press that closed it is no tap.
void OnMenuLoopExit();
