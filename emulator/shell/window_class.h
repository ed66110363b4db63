// Registration of the shell's plain window classes.
#pragma once
#include <windows.h>

namespace emu {

// A class with proc and an arrow cursor. No CS_DBLCLKS: a quick second tap is
// another press, as on the handheld.
bool RegisterShellClass(HINSTANCE instance, WNDPROC proc, const wchar_t* name);

} // namespace emu
