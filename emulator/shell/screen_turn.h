// The shell's part in a screen rotation: turning the screen, its own windows taking
// the new size, and telling every program.
#pragma once
#include <windows.h>

namespace emu {

// Handles the rotate message (its result in *result); false for any other message.
bool HandleScreenTurnMessage(UINT message, WPARAM wParam, LRESULT* result);

// The taskbar across the top of the screen as it is now and the Today screen below
// it; the start menu and bubbles close. Also for WM_DISPLAYCHANGE.
void FitShellWindowsToScreen();

} // namespace emu
