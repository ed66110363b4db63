// Settings: the device panel, where a tap turns the emulated device's state.
#pragma once
#include <windows.h>

namespace emu {

HWND CreateDevicePanel(HINSTANCE instance);

} // namespace emu
