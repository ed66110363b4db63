// The system taskbar's log of every stylus message it receives, for the tests.
#pragma once
#include <windows.h>
#include <string>

namespace emu {

void SetTapLogPath(const std::wstring& path);   // empty: no log
void AppendTap(UINT message, WPARAM wParam, LPARAM lParam);

} // namespace emu
