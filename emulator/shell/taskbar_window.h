// The system taskbar window: class "HHTaskBar", topmost across the top of the screen.
#pragma once
#include <windows.h>

namespace emu {

HWND CreateTaskbar(HINSTANCE instance);

// What a completed tap (stylus up over where it went down) does at the taskbar.
void CloseOrOkForeground();

} // namespace emu
