// The sample that stops answering: a "Hang 10 s" button and the hang itself.
#pragma once
#include <windows.h>

namespace sample {

constexpr DWORD kHangMs = 10000;

// Places the "Hang 10 s" button in the middle of window's client area.
void CreateHangButton(HWND window);

// Stops this thread for kHangMs: no message of any of its windows is answered meanwhile.
void HangNow(HWND window);

} // namespace sample
