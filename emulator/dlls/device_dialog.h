// Dialogs of the device's own libraries: modal, over the whole screen below the system taskbar.
#pragma once
#include <windows.h>

namespace devdlg {

// Runs a modal dialog captioned title, owned by owner (may be null), with procedure
// proc and value param, of windowClass (a registered dialog class; null: the default
// one); WM_INITDIALOG should place it (CoverScreenBelowTaskbar). Returns EndDialog's
// result, or -1 when the dialog could not be made.
INT_PTR RunDialog(HWND owner, const wchar_t* title, DLGPROC proc, LPARAM param, const wchar_t* windowClass = nullptr);

// Places dialog over the screen below the system taskbar (the whole screen without one).
void CoverScreenBelowTaskbar(HWND dialog);

// 1 on a 96-dpi screen, 2 on a 192-dpi one.
int ScreenScale();

// The device's dialog font, Tahoma 8 points at the screen's density, made once per
// process and kept, as the system keeps its own fonts.
HFONT DialogFont();

// A child control of dialog at r, with the dialog font.
HWND AddControl(HWND dialog, const wchar_t* cls, int id, const wchar_t* text, DWORD style, const RECT& r);

} // namespace devdlg
