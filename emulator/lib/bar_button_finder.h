// Finding a bar button on the device screen by the skin image it shows, so that
// the run command can tap it as a user would, without knowing the bar's layout.
#pragma once
#include <windows.h>

namespace emu {

// The centre (screen coordinates) of the rightmost place on the bar whose pixels
// match the image of the active skin named by skinKey in [Button Images]
// (for example "Volume Normal"), its top-left key colour left out. False when
// the settings, the skin or the image cannot be read, or the image is not shown.
bool FindBarButton(const wchar_t* skinKey, POINT* centre);

} // namespace emu
