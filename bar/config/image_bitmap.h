// LoadImageBitmap: an image file as a plain 24-bit bitmap owned by the caller.
#pragma once
#include <windows.h>

// Returns a bottom-up 24-bit DIB section of the image's natural size, or 0 when
// the file is missing or cannot be decoded. A null window means the screen (the
// first skin load runs before the bar window's handle is known). The caller
// deletes the bitmap.
HBITMAP LoadImageBitmap(HWND window, const wchar_t* path);
