// Opening the bar menu and finding its lines as a user sees them.
#pragma once
#include <windows.h>
#include <string>
#include <vector>
#include "tests/e2e/bar_test_skin.h"

namespace bartest {

// What the icon at the left of a menu line looks like.
enum class IconLook { Blue, Green, Orange, Plain };

// The open bar menu: its window and its lines' rectangles in screen coordinates.
struct OpenMenu {
    HWND window = nullptr;
    RECT frame = {};
    std::vector<RECT> lines;   // owner-drawn lines, top to bottom (separators left out)
};

// Taps the menu button (the test skin's menu at the right edge) and waits for the
// menu, which lists taskCount tasks.
OpenMenu OpenBarMenu(BarDevice& b, int taskCount);

// Waits for the bar menu that is opening (a second start asked for it), which
// lists taskCount tasks.
OpenMenu WaitForBarMenu(BarDevice& b, int taskCount);

// The look of the line's left icon and whether a close mark stands at its right end.
IconLook LeftIconLook(kit::Device& device, const RECT& line, int s);
bool HasCloseMark(kit::Device& device, const RECT& line, int s);

// Taps the line at x (screen), its vertical middle; returns once the menu is gone.
void TapLine(kit::Device& device, const OpenMenu& menu, int line, int x);
// The line of a fixed command for a menu with taskCount tasks.
int LineOfCommand(UINT id, int taskCount);

// Starts, before the bar, a copy of the sample application named shell32.exe (so its
// windows belong to a shell process) with one window carrying the caption OK bit.
HWND OpenShellOkWindow(kit::Device& device, const wchar_t* title);

} // namespace bartest
