// The "Hang 10 s" button and the hang: the window's thread sleeps, as a busy program's would.
#include "emulator/sampleapp/hang.h"
#include "emulator/sampleapp/event_log.h"
#include "emulator/sampleapp/sample_window.h"
#include "emulator/lib/command_line.h"

namespace sample {

void CreateHangButton(HWND window)
{
    RECT r;
    GetClientRect(window, &r);
    const int s = GetSystemMetrics(SM_CXSCREEN) > 400 ? 2 : 1;
    const int w = 90 * s, h = 26 * s;
    HWND button = CreateWindowExW(0, L"BUTTON", L"Hang 10 s", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                                  (r.right - w) / 2, r.bottom / 2 + 8 * s, w, h, window,
                                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(emu::kHangCommand)),
                                  GetModuleHandleW(nullptr), nullptr);
    SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(SampleFont()), FALSE);
}

void HangNow(HWND window)
{
    LogEvent(window, "hang", kHangMs);
    Sleep(kHangMs);
    LogEvent(window, "answering", 0);
}

void PauseBeforeClosing(HWND window)
{
    LogEvent(window, "pause", kClosePauseMs);
    Sleep(kClosePauseMs);
}

} // namespace sample
