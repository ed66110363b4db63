// A black window over everything stands for the dark panel; a tap on it wakes it.
#include "emulator/shell/screen_power.h"
#include "emulator/shell/shell_state.h"
#include "emulator/shell/tap_log.h"
#include "emulator/shell/window_class.h"
#include "emulator/protocol.h"

namespace emu {

namespace {

constexpr UINT kPowerKeyReleased = WM_APP + 40;
constexpr UINT_PTR kStayOnTopTimer = 1;
HWND g_blank = nullptr;
HHOOK g_keyHook = nullptr;

void KeepOnTop(HWND window)
{
    // Other topmost windows (the bar's surface) come forward when they repaint; the
    // dark panel stays over them.
    if (GetWindow(GetDesktopWindow(), GW_CHILD) != window)
        SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

LRESULT CALLBACK BlankProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;   // waking leaves the application in front
    case WM_LBUTTONUP:
        DestroyWindow(window);   // the press was the wake-up tap; nothing under it gets it
        return 0;
    case WM_TIMER:
        if (wParam == kStayOnTopTimer)
            KeepOnTop(window);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        FillRect(dc, &ps.rcPaint, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        EndPaint(window, &ps);
        return 0;
    }
    case WM_DESTROY:
        if (g_blank == window)
            g_blank = nullptr;
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void BlankScreen(const wchar_t* reason)
{
    if (g_blank) {
        SetWindowTextW(g_blank, reason);
        return;
    }
    g_blank = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kBlankScreenClass, reason, WS_POPUP,
                              0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr,
                              Shell().instance, nullptr);
    if (!g_blank)
        return;
    SetTimer(g_blank, kStayOnTopTimer, 100, nullptr);
    ShowWindow(g_blank, SW_SHOWNOACTIVATE);
    UpdateWindow(g_blank);
}

LRESULT CALLBACK PowerKeyHook(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    if (code == HC_ACTION && key) {
        const bool up = wParam == WM_KEYUP || wParam == WM_SYSKEYUP;
        AppendKey(key->vkCode, up, key->dwExtraInfo);
        if (key->vkCode == kPowerKey && up)
            PostMessageW(Shell().taskbar, kPowerKeyReleased, 0, 0);
    }
    return CallNextHookEx(g_keyHook, code, wParam, lParam);
}

} // namespace

bool RegisterBlankScreenClass(HINSTANCE instance)
{
    return RegisterShellClass(instance, BlankProc, kBlankScreenClass);
}

bool WatchPowerKey(HINSTANCE instance)
{
    if (!g_keyHook)
        g_keyHook = SetWindowsHookExW(WH_KEYBOARD_LL, PowerKeyHook, instance, 0);
    return g_keyHook != nullptr;
}

bool HandleScreenPowerMessage(UINT message, WPARAM wParam)
{
    static const UINT displayPower = RegisterWindowMessageW(kDisplayPowerMessage);
    if (message == kPowerKeyReleased) {
        BlankScreen(kAsleepTitle);
        return true;
    }
    if (message != displayPower || displayPower == 0)
        return false;
    if (wParam == 4)
        BlankScreen(kDisplayOffTitle);
    else if (wParam == 1 && g_blank)
        DestroyWindow(g_blank);
    return true;
}

} // namespace emu
