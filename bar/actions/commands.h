// The bar's command handler: menu commands that reach the bar window.
#pragma once
#include <windows.h>

void HandleBarCommand(HWND window, WPARAM wParam, LPARAM lParam);

// Activates the task of a TaskTable row, or closes it when the stylus left the menu
// over the row's close mark (never for a shell-owned task).
void SelectTask(int row);
