// The bar menu: running applications and the bar's fixed commands.
#pragma once
#include <windows.h>

// Menu command identifiers.
constexpr UINT ID_TURN_OFF_SCREEN = 40001;
constexpr UINT ID_SHUT_DOWN = 40002;
constexpr UINT ID_RESTART = 40003;
constexpr UINT ID_EXIT_BAR = 40021;
constexpr UINT ID_CLOSE_ALL = 40022;
constexpr UINT ID_CLOSE_ALL_EXCEPT_ACTIVE = 40023;
constexpr UINT ID_OPTIONS = 40024;

// Builds the menu anew (the previous one is destroyed): the tasks, then the fixed
// commands. Nothing is built when the menu cannot be created.
void BuildBarMenu();

// Builds the menu and tracks it at (x, y) in screen coordinates, left- and
// top-aligned, owned by window. Returns when the menu has closed.
void ShowBarMenu(HWND window, int x, int y);

void DestroyBarMenu();
