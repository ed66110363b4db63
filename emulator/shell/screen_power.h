// The device screen's power: off at the display escape, asleep at the power key,
// back on at the next tap.
#pragma once
#include <windows.h>

namespace emu {

bool RegisterBlankScreenClass(HINSTANCE instance);

// Watches the power key (a low-level keyboard hook on the shell's thread).
bool WatchPowerKey(HINSTANCE instance);

// Handles the display-power message and the power key's note to the taskbar;
// false for any other message.
bool HandleScreenPowerMessage(UINT message, WPARAM wParam);

} // namespace emu
