// Measuring and drawing the bar menu's owner-drawn lines.
#pragma once
#include <windows.h>

// The text drawn for a fixed command, or null for other identifiers.
const wchar_t* FixedCommandText(UINT id);

// A line's width for its text's width: the text + 36 x scale, but no more than room
// (the screen's width less what the menu adds around its lines).
int MenuItemWidthFor(int textWidth, int scale, int room);

void MeasureBarMenuItem(HWND window, MEASUREITEMSTRUCT* item);
void DrawBarMenuItem(const DRAWITEMSTRUCT* item);
