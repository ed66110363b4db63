// The bar menu: running applications and the bar's fixed commands.
#pragma once
#include <windows.h>
#include "resources/velkis_res.h"   // the menu's command ids

// Builds the menu anew (the previous one is destroyed): the tasks, then the fixed
// commands. Nothing is built when the menu cannot be created.
void BuildBarMenu();

// Builds the menu and tracks it at (x, y) in screen coordinates, left- and
// top-aligned, owned by window. Returns when the menu has closed.
void ShowBarMenu(HWND window, int x, int y);

void DestroyBarMenu();
