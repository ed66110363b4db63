// The Today screen: class "DesktopExplorerWindow", title "Desktop", below the taskbar.
#pragma once
#include <windows.h>

namespace emu {

HWND CreateToday(HINSTANCE instance);

} // namespace emu
