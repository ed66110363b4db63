// The bar's command handler: menu commands that reach the bar window.
#pragma once
#include <windows.h>

void HandleBarCommand(HWND window, WPARAM wParam, LPARAM lParam);

// Closes the bar window, which ends the program.
void ExitBar();
