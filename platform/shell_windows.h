// Where desktop Win32 differs from the handheld's shell windows.
#pragma once
#include <windows.h>

// Style of the bar window created over the system taskbar. On the handheld a
// window with a parent is a child; desktop Win32 needs WS_CHILD said aloud,
// otherwise the window becomes an owned top-level window with a caption.
DWORD BarWindowStyle();

// Class name of the window that shows an open popup menu ("MNU" on the handheld).
const wchar_t* PopupMenuClassName();

// The handheld hands each stylus release on an open popup menu to the menu window's
// procedure. Desktop Win32 keeps them inside its menu loop, so from this call until
// StopDeliveringMenuReleases (same thread) every release that the loop takes is also
// sent to menuWindow as WM_LBUTTONUP in that window's client coordinates (the loop
// itself sees them in screen coordinates).
void DeliverMenuReleases(HWND menuWindow);
void StopDeliveringMenuReleases();
