// Finding a bar button on the device screen by the skin image it shows, so that
// the run command can tap it as a user would, without knowing the bar's layout.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

namespace emu {

// The centre (screen coordinates) of the rightmost place on the bar whose pixels
// match the image of the active skin named by skinKey in section (for example
// "Volume Normal" in [Button Images], "Signal3 Normal" in [Signal Images]), its
// top-left key colour left out. False when the settings, the skin or the image
// cannot be read, or the image is not shown.
bool FindBarButton(const wchar_t* skinKey, POINT* centre, const wchar_t* section = L"Button Images");

// The same search for a bitmap file's pixels drawn at scale.
bool FindImageFileOnBar(const std::wstring& path, int scale, POINT* centre);

// The same search for pixels already decoded (top row first, the top-left one the
// key colour), drawn at scale: the centre of the rightmost place they match.
bool FindImageOnBar(const std::vector<COLORREF>& image, int width, int height, int scale, POINT* centre);

} // namespace emu
