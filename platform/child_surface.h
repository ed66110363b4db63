// Making a child window of another process's window visible.
//
// Wine draws nothing for a child window whose parent belongs to another process
// (the bar over the shell's taskbar): such a child has no surface of its own. On
// Wine a borderless top-level window of ours, kept exactly over the child, shows
// the child's last picture and hands stylus taps on it to the child. On the
// handheld, and whenever the parent is in the same process, nothing is done.
#pragma once
#include <windows.h>

// Shows width x height pixels of source at the child's place. Call after every paint.
void PresentChildWindow(HWND child, HDC source, int width, int height);
