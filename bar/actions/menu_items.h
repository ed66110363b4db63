// Measuring and drawing the bar menu's owner-drawn lines.
#pragma once
#include <windows.h>

// The text drawn for a fixed command, or null for other identifiers.
const wchar_t* FixedCommandText(UINT id);

void MeasureBarMenuItem(HWND window, MEASUREITEMSTRUCT* item);
void DrawBarMenuItem(const DRAWITEMSTRUCT* item);
