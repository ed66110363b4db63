// Pixels of a bitmap and of an image file, top row first, for the preview's search and comparison.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

// The bitmap's pixels as COLORREF values; empty for none. size gets its size.
std::vector<COLORREF> BitmapPixels(HBITMAP bitmap, SIZE* size);

// An image file decoded by the bar's own loader; empty when it gives no image.
std::vector<COLORREF> FilePixels(const std::wstring& path, SIZE* size);
