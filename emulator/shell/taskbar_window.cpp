// System taskbar: logs every stylus message and acts on taps at its places.
#include "emulator/shell/taskbar_window.h"
#include "emulator/shell/popups.h"
#include "emulator/shell/screen_power.h"
#include "emulator/shell/screen_turn.h"
#include "emulator/shell/shell_reset.h"
#include "emulator/shell/shell_state.h"
#include "emulator/shell/tap_log.h"
#include "emulator/shell/taskbar_paint.h"
#include "emulator/shell/window_class.h"
#include "emulator/protocol.h"
#include <windowsx.h>

namespace emu {

namespace {

constexpr UINT_PTR kLookTimer = 1;
TaskbarLook g_look;

bool IsShellWindow(HWND window)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return pid == GetCurrentProcessId();
}

void OnStylusDown(HWND window, LPARAM lParam)
{
    const TaskbarLayout layout = CurrentTaskbarLayout();
    const POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    Shell().pressed = HitTaskbar(layout, pt);
    // A real press may be followed by its release anywhere; keep it for us.
    if (GetCapture() != window && (GetAsyncKeyState(VK_LBUTTON) & 0x8000))
        SetCapture(window);
    if (Shell().pressed == TaskbarPlace::Start)
        ToggleStartMenu();   // the system opens its start menu on the press
    else if (Shell().pressed != TaskbarPlace::None)
        ClosePopups();
}

void OnStylusUp(LPARAM lParam)
{
    if (GetCapture())
        ReleaseCapture();
    const TaskbarLayout layout = CurrentTaskbarLayout();
    const POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    const TaskbarPlace place = HitTaskbar(layout, pt);
    const TaskbarPlace pressed = Shell().pressed;
    Shell().pressed = TaskbarPlace::None;
    if (place != pressed)
        return;
    switch (place) {
    case TaskbarPlace::Close:
        CloseOrOkForeground();
        break;
    case TaskbarPlace::Connection: ShowBubble(place, layout.connection); break;
    case TaskbarPlace::Signal: ShowBubble(place, layout.signal); break;
    case TaskbarPlace::Volume: ShowBubble(place, layout.volume); break;
    case TaskbarPlace::Clock: ShowBubble(place, layout.clock); break;
    case TaskbarPlace::Start:
    case TaskbarPlace::None:
        break;
    }
}

void OnLookTimer(HWND window)
{
    const TaskbarLook look = CurrentTaskbarLook();
    if (!(look == g_look)) {
        g_look = look;
        InvalidateRect(window, nullptr, FALSE);
    }
}

LRESULT CALLBACK TaskbarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    static const UINT resetMessage = RegisterWindowMessageW(kResetMessage);
    if (message == resetMessage && resetMessage != 0) {
        ResetDevice();
        return 0;
    }
    if (HandleScreenPowerMessage(message, wParam))
        return 0;
    LRESULT turned = 0;
    if (HandleScreenTurnMessage(message, wParam, &turned))
        return turned;
    switch (message) {
    case WM_LBUTTONDOWN:
        AppendTap(message, wParam, lParam);
        OnStylusDown(window, lParam);
        return 0;
    case WM_LBUTTONUP:
        AppendTap(message, wParam, lParam);
        OnStylusUp(lParam);
        return 0;
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;   // a tap on the taskbar leaves the application in front
    case WM_PAINT:
        PaintTaskbar(window);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_DISPLAYCHANGE:
        FitShellWindowsToScreen();   // however the screen changed
        return 0;
    case WM_TIMER:
        if (wParam == kLookTimer)
            OnLookTimer(window);
        return 0;
    case WM_CLOSE:
        return 0;   // the taskbar stays; only a reset or the end of the shell removes it
    case WM_DESTROY:
        KillTimer(window, kLookTimer);
        RemovePropW(window, kShellReadyProp);
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

void CloseOrOkForeground()
{
    HWND foreground = GetForegroundWindow();
    if (!foreground || IsShellWindow(foreground))
        return;
    if (WantsOkButton(foreground))
        PostMessageW(foreground, WM_COMMAND, IDOK, 0);
    else
        PostMessageW(foreground, WM_CLOSE, 0, 0);
}

HWND CreateTaskbar(HINSTANCE instance)
{
    if (!RegisterShellClass(instance, TaskbarProc, kTaskbarClass))
        return nullptr;
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = 26 * ShellScale();
    HWND taskbar = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kTaskbarClass, L"", WS_POPUP | WS_CLIPCHILDREN,
                                   0, 0, width, height, nullptr, nullptr, instance, nullptr);
    if (!taskbar)
        return nullptr;
    Shell().taskbar = taskbar;
    SetTimer(taskbar, kLookTimer, 500, nullptr);
    ShowWindow(taskbar, SW_SHOWNOACTIVATE);
    UpdateWindow(taskbar);
    return taskbar;
}

} // namespace emu
