// Where the setup program's full-screen windows go: the screen below the system taskbar.
#pragma once
#include <windows.h>

RECT ScreenBelowTaskbar();
