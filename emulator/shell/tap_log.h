// The shell's logs of every stylus message the system taskbar receives and every
// key event its keyboard hook sees, for the tests.
#pragma once
#include <windows.h>
#include <string>

namespace emu {

void SetTapLogPath(const std::wstring& path);   // empty: no log
void AppendTap(UINT message, WPARAM wParam, LPARAM lParam);

void SetKeyLogPath(const std::wstring& path);   // empty: no log
void AppendKey(DWORD virtualKey, bool up, ULONG_PTR extraInfo);

} // namespace emu
