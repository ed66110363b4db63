// Screen-shape layout variants of the pages and the About dialog.
#pragma once
#include <windows.h>

// The three templates of a window: portrait (width < height), landscape (width >
// height), square (equal). A window with one layout names the same id three times.
struct LayoutVariants {
    int portrait;
    int landscape;
    int square;
};

// The template for a screen of that size.
int VariantForScreen(const LayoutVariants& variants, int width, int height);

// Moves and resizes every control of window to its place in template templateId of
// module (dialog units converted for window), all moves applied together; button
// and static texts given as strings are set again, list and combo boxes keep their
// selection. False, with nothing moved, when the template is missing or malformed
// or has two controls without an id.
bool RelayoutForScreen(HINSTANCE module, HWND window, int templateId);
