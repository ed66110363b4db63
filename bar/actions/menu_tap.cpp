// The hook on the popup menu window that records the last stylus release.
#include "bar/actions/menu_tap.h"
#include "platform/shell_windows.h"

MenuTap MenuTapRecord = {};

namespace {

HWND hookedMenuWindow = nullptr;
WNDPROC menuWindowOldProc = nullptr;

LRESULT CALLBACK MenuTapHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    WNDPROC old = menuWindowOldProc;
    if (message == WM_LBUTTONUP) {
        GetClientRect(window, &MenuTapRecord.client);
        MenuTapRecord.x = static_cast<short>(LOWORD(lParam));
        MenuTapRecord.y = static_cast<short>(HIWORD(lParam));
    } else if (message == WM_DESTROY && old) {
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old));
        menuWindowOldProc = nullptr;
        hookedMenuWindow = nullptr;
    }
    return old ? CallWindowProcW(old, window, message, wParam, lParam)
               : DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

void InstallMenuTapHook()
{
    // A line chosen without the stylus (keys) must not count a release of an
    // earlier menu, nor an all-zero record, as a tap on its close mark: until a
    // release comes, x lies right of the empty rectangle.
    MenuTapRecord = MenuTap{{0, 0, 0, 0}, 1, 0};
    HWND menuWindow = FindWindowW(PopupMenuClassName(), nullptr);
    if (!menuWindow)
        return;
    if (menuWindow != hookedMenuWindow || !menuWindowOldProc) {
        menuWindowOldProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(menuWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(MenuTapHook)));
        hookedMenuWindow = menuWindow;
    }
    DeliverMenuReleases(menuWindow);
}

void EndMenuTapWatch()
{
    StopDeliveringMenuReleases();
}

bool IsOnCloseMark(const MenuTap& tap, int scaleFactor)
{
    return tap.client.right - kCloseMarkZone * scaleFactor <= tap.x && tap.x <= tap.client.right;
}
