// The start menu's Programs list: the sample applications, started with a tap.
#pragma once
#include <windows.h>

namespace emu {

HWND CreateProgramsWindow(HINSTANCE instance);

} // namespace emu
