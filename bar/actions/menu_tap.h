// Where the stylus left the open bar menu: it decides between activating and closing.
#pragma once
#include <windows.h>

// The menu window's client rectangle and the last release on it, in its client
// coordinates. Emptied when a menu opens, so that only a release on that menu counts.
// Written by menu_tap.cpp only.
struct MenuTap {
    RECT client;
    int x;
    int y;
};
extern MenuTap MenuTapRecord;

// Hooks the open popup menu window (at WM_ENTERMENULOOP); the hook removes itself
// when that window is destroyed.
void InstallMenuTapHook();
// At WM_EXITMENULOOP.
void EndMenuTapWatch();

// Where a task line's close mark lies: this many pixels (times the scale) at the
// menu's right end. A title's text stops before it.
constexpr int kCloseMarkZone = 20;

// Whether a release at x lay on the close mark at the right end of a task line.
bool IsOnCloseMark(const MenuTap& tap, int scaleFactor);
