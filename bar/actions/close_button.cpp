// Close or OK for the foreground application, through the system taskbar's button.
#include "bar/actions/close_button.h"
#include "bar/core/bar_state.h"

bool UpdateCloseButtonState()
{
    return false;
}

void PressSystemCloseButton(HWND bar)
{
    RECT r;
    GetClientRect(bar, &r);
    LPARAM point = MAKELPARAM(r.right - 13 * ScaleFactor, 13 * ScaleFactor);
    HWND taskbar = GetParent(bar);
    SendMessageW(taskbar, WM_LBUTTONDOWN, 1, point);
    SendMessageW(taskbar, WM_LBUTTONUP, 1, point);
}

void BringTodayScreenForward()
{
    if (HWND today = FindWindowW(L"DesktopExplorerWindow", nullptr))
        SetForegroundWindow(today);
}
