// The message box: a modal question or notice with its buttons, sized for the device's screen.
#pragma once
#include <windows.h>

// MessageBoxW: the same arguments (owner may be null; type the MB_ button set, default
// button and modality bits) and the same result (the chosen button's id, 0 when no box
// could be shown). Returns once the box has closed.
int ShowMessageBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type);
