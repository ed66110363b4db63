// Turning the emulated device's screen between portrait and landscape while it runs.
#pragma once
#include <windows.h>

namespace emu {

// What a turn asks for: the other orientation, or one named.
enum class Orientation { Other = 0, Portrait = 1, Landscape = 2 };   // the rotate message's wParam

// The screen size after turning a screen of size now towards want: width and height
// swap, unless the screen already stands that way (a square one never turns).
SIZE TurnedScreenSize(SIZE now, Orientation want);

// The screen size the device shows now.
SIZE CurrentScreenSize();

// Gives the device screen the size: on the handheld a ChangeDisplaySettingsEx with
// DM_DISPLAYORIENTATION; under Wine the virtual desktop takes the size once its
// registry entry names it (Wine lists only that size and its fixed 4:3 ones as
// display modes). Wine then sends WM_DISPLAYCHANGE to every top-level window.
bool SetScreenSize(SIZE size);

// Asks the shell to turn the screen (the rotate message to the system taskbar) and
// waits until this process sees the new size; the size the screen has then.
bool RequestScreenTurn(Orientation want, DWORD timeoutMs, SIZE* now);

} // namespace emu
