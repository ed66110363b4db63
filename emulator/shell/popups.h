// The shell's start menu and its small bubbles for the status icons and clock.
#pragma once
#include <windows.h>
#include "emulator/lib/taskbar_layout.h"

namespace emu {

// The popups' own process (shell32.exe --popups SHELLPID): makes the hidden start
// menu and bubble windows and runs until the shell ends.
int RunPopupHost(HINSTANCE instance, DWORD shellPid);

// Starts that process for this shell; ConnectPopupHost then waits (bounded) for its
// windows. A popup is open while its window is visible; the functions below work
// on those windows (and do nothing without them).
void StartPopupHost();
bool ConnectPopupHost();

// Opens the start menu below the start button, or closes it when it is open.
void ToggleStartMenu();

// Opens the bubble of place (Connection, Signal, Volume, Clock) below the icon's
// rectangle, replacing any open bubble. A tap on the volume bubble mutes the device
// (or restores the volume it had) and closes it.
void ShowBubble(TaskbarPlace place, const RECT& icon);

// Closes the start menu and the bubble, when open.
void ClosePopups();

} // namespace emu
