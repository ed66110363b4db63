// Stylus taps on the bar: hit-testing, pressed images and the buttons' actions.
#pragma once
#include <windows.h>

void OnStylusDown(HWND window, WPARAM wParam, LPARAM lParam);
void OnStylusUp(HWND window, WPARAM wParam, LPARAM lParam);
