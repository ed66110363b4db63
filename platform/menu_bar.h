// Menu bar of a dialog page, made from a menu resource (the shell's menu bar).
#pragma once
#include <windows.h>

// Window class of the menu bar, as the handheld's shell names it.
constexpr wchar_t kMenuBarClass[] = L"menu_worker";

// Creates the menu bar for owner from menu resource menuId of module: one item per
// top-level entry, along the bottom edge of owner's top-level window, 26 pixels
// high at 96 dpi (scaled with the screen's density). A tap on an entry that opens a
// popup shows it; a command, from the bar or its popup, is posted to owner as
// WM_COMMAND with the command's id. Returns the bar window (destroy it with
// DestroyWindow), or null when the menu or the window cannot be made.
HWND CreateMenuBar(HWND owner, HINSTANCE module, UINT menuId);

// Height in pixels of a menu bar on this screen.
int MenuBarHeight();
