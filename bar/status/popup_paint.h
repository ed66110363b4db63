// Shared by the two popups: their size from the skin's image, the image and the Dialog Title text.
#pragma once
#include <windows.h>
#include "bar/config/skin.h"

// The popup's size: the skin image's times ImageScale, or the dialog's own size
// from its template when the skin has no such image (a popup never shrinks to
// nothing while it holds the foreground).
SIZE PopupSize(HWND dialog, const SkinImage& image);

// Copies the whole image stretched to target, leaving out every pixel of colour key.
void DrawPopupImage(HDC dc, const SkinImage& image, const RECT& target, COLORREF key);

// Draws text on one line from r's top edge, left- or right-aligned (DT_LEFT or
// DT_RIGHT), in the Dialog Title font and colour over a transparent background.
void DrawPopupText(HDC dc, const wchar_t* text, const RECT& r, UINT align);

// Draws value right-aligned in r and label left-aligned before it on the same
// line; a label too long for the room left is cut with an ellipsis gap pixels
// before the value.
void DrawPopupLabelledValue(HDC dc, const wchar_t* label, const wchar_t* value, const RECT& r, int gap);
