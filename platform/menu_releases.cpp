// Desktop Win32: the menu loop's stylus releases, handed to the menu window.
#include "platform/shell_windows.h"

namespace {

HHOOK filterHook = nullptr;
HWND releaseTarget = nullptr;
MSG lastDelivered = {};

// The loop may look at one message more than once before it takes it.
bool AlreadyDelivered(const MSG& msg)
{
    return msg.hwnd == lastDelivered.hwnd && msg.time == lastDelivered.time && msg.lParam == lastDelivered.lParam;
}

LRESULT CALLBACK MenuFilter(int code, WPARAM wParam, LPARAM lParam)
{
    const MSG* msg = reinterpret_cast<const MSG*>(lParam);
    if (code == MSGF_MENU && msg && msg->message == WM_LBUTTONUP && IsWindow(releaseTarget) && !AlreadyDelivered(*msg)) {
        lastDelivered = *msg;
        // In the menu loop a stylus message carries its point in screen coordinates.
        POINT point = {static_cast<short>(LOWORD(msg->lParam)), static_cast<short>(HIWORD(msg->lParam))};
        ScreenToClient(releaseTarget, &point);
        SendMessageW(releaseTarget, WM_LBUTTONUP, msg->wParam, MAKELPARAM(point.x, point.y));
    }
    return CallNextHookEx(filterHook, code, wParam, lParam);
}

} // namespace

void DeliverMenuReleases(HWND menuWindow)
{
    releaseTarget = menuWindow;
    if (!filterHook)
        filterHook = SetWindowsHookExW(WH_MSGFILTER, MenuFilter, nullptr, GetCurrentThreadId());
}

void StopDeliveringMenuReleases()
{
    if (filterHook)
        UnhookWindowsHookEx(filterHook);
    filterHook = nullptr;
    releaseTarget = nullptr;
}
