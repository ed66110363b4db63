// Stylus handling of the bar.
#include "bar/core/stylus.h"
#include "bar/core/bar_state.h"
#include "platform/shell_windows.h"

void OnStylusDown(HWND window, WPARAM, LPARAM)
{
    // A press while a menu or popup is open only closes it.
    if (FindWindowW(PopupMenuClassName(), nullptr) || volumePopupWindow || batteryPopupWindow) {
        ignoreTap = true;
        if (volumePopupWindow)
            SendMessageW(volumePopupWindow, MSG_CLOSE_POPUP, 0, 0);
        if (batteryPopupWindow)
            SendMessageW(batteryPopupWindow, MSG_CLOSE_POPUP, 0, 0);
    } else {
        ignoreTap = false;
    }
    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
}

void OnStylusUp(HWND window, WPARAM, LPARAM)
{
    InvalidateRect(window, nullptr, FALSE);
}
