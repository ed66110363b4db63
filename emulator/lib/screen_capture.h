// Reading the device screen's pixels and saving them as PNG.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

namespace emu {

// The screen pixels of r (screen coordinates), row-major, as COLORREF values.
// Empty when r is empty or the screen cannot be read.
std::vector<COLORREF> CaptureScreen(const RECT& r);

// The whole screen's rectangle.
RECT ScreenRect();

// Writes width x height COLORREF pixels as a 24-bit PNG through WIC.
bool WritePng(const std::wstring& path, const std::vector<COLORREF>& pixels, int width, int height);

} // namespace emu
