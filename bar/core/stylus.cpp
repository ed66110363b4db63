// Stylus handling of the bar: presses show pressed images, releases act.
#include "bar/core/stylus.h"
#include "bar/config/buttons.h"
#include "bar/layout/bar_state.h"
#include "bar/layout/button_table.h"
#include "bar/layout/repaint.h"
#include "bar/core/clock.h"
#include "bar/actions/bar_menu.h"
#include "bar/actions/close_button.h"
#include "bar/status/popups.h"
#include "platform/message_time.h"
#include "platform/shell_windows.h"

namespace {

POINT PointOf(LPARAM lParam)
{
    return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

LPARAM PackPoint(POINT point)
{
    return MAKELPARAM(point.x, point.y);
}

HWND Taskbar(HWND bar)
{
    return GetParent(bar);
}

void PostToTaskbar(HWND bar, UINT message, void (*tapPoint)(HWND, POINT*))
{
    POINT point;
    tapPoint(bar, &point);
    PostMessageW(Taskbar(bar), message, 1, PackPoint(point));
}

// Whether a phone shows the signal under the point.
bool OnSignal(POINT point)
{
    return PhoneEdition && SignalLevel >= 0 && SignalLevel < kSignalLevels &&
           InButtonRect(signalImages.levels[SignalLevel].rect, point);
}

// Desktop Win32 hands the press that closed a popup menu on to the window under
// it once the menu has gone; that press belongs to the menu, not to a button.
bool ClosedTheMenu(DWORD pressTime)
{
    bool closed = menuClosedTime != 0 && static_cast<LONG>(pressTime - menuClosedTime) <= 0;
    menuClosedTime = 0;
    return closed;
}

void ClosePopupsAndMenus()
{
    bool menuPress = ClosedTheMenu(CurrentMessageTime());
    if (menuPress || FindWindowW(PopupMenuClassName(), nullptr) || volumePopupWindow || batteryPopupWindow) {
        ignoreTap = true;
        if (volumePopupWindow)
            SendMessageW(volumePopupWindow, MSG_CLOSE_POPUP, 0, 0);
        if (batteryPopupWindow)
            SendMessageW(batteryPopupWindow, MSG_CLOSE_POPUP, 0, 0);
    } else {
        ignoreTap = false;
    }
}

void ActOnPress(HWND window, WPARAM wParam, LPARAM lParam, int id)
{
    switch (id) {
    case BUTTON_START_MENU:
        ignoreTap = true;
        PostMessageW(Taskbar(window), WM_LBUTTONDOWN, wParam, lParam);
        break;
    case BUTTON_CONNECTION:
    case BUTTON_DISCONNECT:
        PostToTaskbar(window, WM_LBUTTONDOWN, ConnectionTapPoint);
        break;
    case BUTTON_CLOCK:
        PostToTaskbar(window, WM_LBUTTONDOWN, ClockTapPoint);
        break;
    default:
        break;
    }
}

void ActOnRelease(HWND window, WPARAM wParam, LPARAM lParam, int id)
{
    switch (id) {
    case BUTTON_START_MENU:
        PostMessageW(Taskbar(window), WM_LBUTTONUP, wParam, lParam);
        break;
    case BUTTON_MENU: {
        POINT screen = PointOf(lParam);
        ClientToScreen(window, &screen);
        ShowBarMenu(window, screen.x, kBarHeight * ScaleFactor);
        break;
    }
    case BUTTON_CLOSE:
    case BUTTON_OK:
        PressSystemCloseButton(window);
        break;
    case BUTTON_VOLUME:
    case BUTTON_MUTE:
        if (!volumePopupWindow)
            OpenVolumePopup();
        break;
    case BUTTON_BATTERY:
        if (!batteryPopupWindow)
            OpenBatteryPopup();
        break;
    case BUTTON_HOME:
        BringTodayScreenForward();
        break;
    case BUTTON_CONNECTION:
    case BUTTON_DISCONNECT:
        PostToTaskbar(window, WM_LBUTTONUP, ConnectionTapPoint);
        break;
    case BUTTON_CLOCK:
        PostToTaskbar(window, WM_LBUTTONUP, ClockTapPoint);
        break;
    default:
        break;
    }
}

} // namespace

void OnMenuLoopExit()
{
    ignoreTap = true;
    menuClosedTime = GetTickCount();
}

int HitTestButton(POINT point, bool* enabled)
{
    for (const ButtonRecord& record : buttonTable.slots) {
        if (record.shown && InButtonRect(record.rect, point)) {
            if (enabled)
                *enabled = record.enabled != FALSE;
            return record.id;
        }
    }
    return -1;
}

void OnStylusDown(HWND window, WPARAM wParam, LPARAM lParam)
{
    POINT point = PointOf(lParam);
    ClosePopupsAndMenus();
    if (!ignoreTap) {
        bool enabled = false;
        ActOnPress(window, wParam, lParam, HitTestButton(point, &enabled));
    }
    SetButtonsPressed(&point, PhoneEdition, SignalLevel);
    if (OnSignal(point))
        PostToTaskbar(window, WM_LBUTTONDOWN, SignalTapPoint);
    RepaintBarNow();
}

void OnStylusUp(HWND window, WPARAM wParam, LPARAM lParam)
{
    POINT point = PointOf(lParam);
    bool enabled = false;
    int id = HitTestButton(point, &enabled);
    if (enabled && !ignoreTap && id >= BUTTON_START_MENU && id <= BUTTON_CLOCK)
        ActOnRelease(window, wParam, lParam, id);
    if (OnSignal(point))
        PostToTaskbar(window, WM_LBUTTONUP, SignalTapPoint);
    SetButtonsPressed(nullptr, PhoneEdition, SignalLevel);
    RequestRepaint();
}
