// Colour-keyed, stretching copies between DIB sections, without GDI's slow path.
#pragma once
#include <windows.h>

// Direct view of a DIB section's pixels (24 or 32 bits per pixel).
struct PixelView {
    BYTE* bits;
    int width;
    int height;
    int stride;          // bytes per row
    int bytesPerPixel;   // 3 or 4
    bool bottomUp;       // rows stored bottom row first
};

// The view of a DIB section; false for anything else (or no bitmap). A negative
// header height marks a top-down section; Wine reports all sections as bottom-up,
// so the bar only makes bottom-up ones.
bool ViewOfBitmap(HBITMAP bitmap, PixelView* view);

COLORREF PixelAt(const PixelView& view, int x, int y);

// Copies all of src, stretched (nearest pixel) to target, onto dst, leaving out
// every source pixel of colour key; only dst pixels inside clip are written.
void CopyKeyed(const PixelView& src, const PixelView& dst, const RECT& target, COLORREF key, const RECT& clip);
