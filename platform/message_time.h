// When the message being handled was posted, in GetTickCount's milliseconds.
//
// The bar asks it of a stylus press to tell the press that dismissed its popup menu,
// which desktop Win32 passes on to the window underneath, from a later tap. The
// handheld has no GetMessageTime and its menu keeps its dismissing press; there the
// press's time is the moment it is handled (GetTickCount), which is after the menu
// closed, as every press the bar gets there is.
#pragma once
#include <windows.h>

DWORD CurrentMessageTime();
