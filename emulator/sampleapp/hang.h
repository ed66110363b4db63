// The sample that stops answering: a "Hang 10 s" button and the hang itself.
#pragma once
#include <windows.h>

namespace sample {

constexpr DWORD kHangMs = 10000;
// A busy program's pause: shorter than any wait for a hung one.
constexpr DWORD kClosePauseMs = 2000;

// Places the "Hang 10 s" button in the middle of window's client area.
void CreateHangButton(HWND window);

// Stops this thread for kHangMs: no message of any of its windows is answered meanwhile.
void HangNow(HWND window);

// Stops this thread for kClosePauseMs, logged as "pause", before a close is handled.
void PauseBeforeClosing(HWND window);

} // namespace sample
