// Painting the bar: background, buttons, clock and title, composed off-screen.
#pragma once
#include <windows.h>
#include "bar/config/buttons.h"

void PaintBar(HWND window, HDC paintDc);

// Invalidates the whole bar without erasing and paints it before returning.
void RepaintBarNow(HWND window);

// Draws the foreground window's title between left and right.
void DrawTitle(HDC dc, int left, int right);

// The text shown for a window title: "Desktop" reads "Start", an empty title
// "Settings". out holds at most 49 characters.
void TitleForDisplay(const wchar_t* windowText, wchar_t* out, size_t outCapacity);

// Places a shown button with its right edge at rightEdge and moves rightEdge to
// its left edge; the button is top-aligned at its scaled image size.
void PlaceRecord(ButtonRecord& record, int& rightEdge, int imageScale);
