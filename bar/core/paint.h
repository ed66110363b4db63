// Painting the bar: background, buttons, clock and title where the layout puts them, composed off-screen.
#pragma once
#include <windows.h>

// Draws barLayout (bar/layout/bar_layout.h); lays nothing out.
void PaintBar(HWND window, HDC paintDc);

// Deletes the off-screen canvas the paints keep; the bar window's end calls it.
void ReleaseBarCanvas();

// Draws the foreground window's title into rect.
void DrawTitle(HDC dc, const RECT& rect);

// The text shown for a window title: "Desktop" reads "Start", an empty title
// "Settings". out holds at most 49 characters.
void TitleForDisplay(const wchar_t* windowText, wchar_t* out, size_t outCapacity);
