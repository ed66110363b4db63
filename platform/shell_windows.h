// Where desktop Win32 differs from the handheld's shell windows.
#pragma once
#include <windows.h>

// Style of the bar window created over the system taskbar. On the handheld a
// window with a parent is a child; desktop Win32 needs WS_CHILD said aloud,
// otherwise the window becomes an owned top-level window with a caption.
DWORD BarWindowStyle();

// Class name of the window that shows an open popup menu ("MNU" on the handheld).
const wchar_t* PopupMenuClassName();
