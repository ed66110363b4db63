// The foreground tick and the one writer of lastForegroundWindow.
#include "bar/core/foreground.h"
#include "bar/actions/close_button.h"
#include "bar/layout/bar_layout.h"
#include "bar/layout/bar_state.h"
#include "bar/layout/repaint.h"
#include "common/shell_classes.h"
#include <cwchar>

namespace {

void ClosePopupIfInBackground(HWND popup, HWND foreground)
{
    if (popup && popup != foreground)
        SendMessageW(popup, MSG_CLOSE_POPUP, 0, 0);
}

} // namespace

bool ShouldFollowForeground(HWND foreground, const wchar_t* foregroundClass, HWND last)
{
    if (wcscmp(foregroundClass, kWorkerClassName) == 0)
        return false;
    return foreground != last;
}

void CheckForeground()
{
    // One question to the window server per tick while nothing changes: the class
    // is looked up only for a new foreground window.
    HWND foreground = GetForegroundWindow();
    ClosePopupIfInBackground(volumePopupWindow, foreground);
    ClosePopupIfInBackground(batteryPopupWindow, foreground);
    if (foreground == lastForegroundWindow)
        return;
    wchar_t className[32] = L"";
    if (foreground)
        GetClassNameW(foreground, className, 32);
    if (!ShouldFollowForeground(foreground, className, lastForegroundWindow))
        return;
    AdoptForegroundWindow(foreground);
    RepaintBarNow();
}

void AdoptForegroundWindow(HWND foreground)
{
    lastForegroundWindow = foreground;
    if (UpdateCloseButtonState())
        UpdateBarLayout();
}

