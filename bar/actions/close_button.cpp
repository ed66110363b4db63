// Close or OK for the foreground application, through the system taskbar's button.
#include "bar/actions/close_button.h"
#include "bar/actions/task_window.h"
#include "bar/config/buttons.h"
#include "bar/layout/button_table.h"
#include "bar/layout/bar_state.h"
#include "common/shell_classes.h"

int CloseButtonState = -1;
bool closePairInUse = true;

namespace {

constexpr DWORD kFramedBits = 0x40C00000;   // child, caption

} // namespace

int CloseButtonStateFor(bool task, DWORD style, DWORD exStyle)
{
    bool framed = (style & kFramedBits) != 0;
    if (exStyle & kCaptionOkBit)
        return framed ? 0 : 2;
    if ((!task && (style & WS_MAXIMIZEBOX)) || framed)
        return 0;
    return 1;
}

bool UpdateCloseButtonState()
{
    HWND foreground = GetForegroundWindow();
    bool task = foreground && QueryTaskWindow(foreground, nullptr, nullptr, nullptr, nullptr);
    DWORD style = foreground ? static_cast<DWORD>(GetWindowLongW(foreground, GWL_STYLE)) : 0;
    DWORD exStyle = foreground ? static_cast<DWORD>(GetWindowLongW(foreground, GWL_EXSTYLE)) : 0;
    int state = CloseButtonStateFor(task, style, exStyle);
    // A pair the user switched off stays off.
    if (closePairInUse) {
        ShowButton(BUTTON_OK, state == 2, state == 2);
        ShowButton(BUTTON_CLOSE, state != 2, state == 1);
    }
    bool changed = state != CloseButtonState;
    CloseButtonState = state;
    return changed;
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
    if (HWND today = FindWindowW(kTodayClassName, nullptr))
        SetForegroundWindow(today);
}
