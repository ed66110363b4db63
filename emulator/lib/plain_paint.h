// A paint of one of the emulator's plain windows: white, text drawn transparently.
#pragma once
#include <windows.h>

namespace emu {

// Begins painting, fills the client area white and sets a transparent text
// background; the paint ends when the guard goes.
class PlainPaint {
public:
    explicit PlainPaint(HWND window) : window_(window), dc_(BeginPaint(window, &ps_))
    {
        GetClientRect(window, &client_);
        FillRect(dc_, &client_, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        SetBkMode(dc_, TRANSPARENT);
    }
    ~PlainPaint() { EndPaint(window_, &ps_); }
    PlainPaint(const PlainPaint&) = delete;
    PlainPaint& operator=(const PlainPaint&) = delete;
    HDC dc() const { return dc_; }
    const RECT& client() const { return client_; }

private:
    HWND window_;
    PAINTSTRUCT ps_{};
    HDC dc_;
    RECT client_{};
};

} // namespace emu
