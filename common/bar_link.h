// How other programs reach a running bar: its window class, its messages and the search for it.
//
// Contract for both programs. The bar registers its window class and names its
// single-instance mutex kBarClassName, and creates its window as a child of the
// system taskbar (kTaskbarClassName in common/shell_classes.h). A running bar
// accepts, sent synchronously with wParam 0 and lParam 0:
//   - the registered message kUpdateMessageName: reload config.ini and the skin;
//     the bar shows the new settings when the send returns;
//   - MSG_SHOW_MENU: open the bar menu (a second copy of the bar sends it).
// MSG_CLOSE_POPUP is the bar's own request to one of its popups to apply its
// choices and close.
#pragma once
#include <windows.h>

constexpr wchar_t kBarClassName[] = L"VelkisClass";
constexpr wchar_t kUpdateMessageName[] = L"Velkis_UpdateNotify";

constexpr UINT MSG_CLOSE_POPUP = WM_USER + 12;  // 0x040C
constexpr UINT MSG_SHOW_MENU = WM_USER + 21;    // 0x0415

// The running bar's window: the first child of the system taskbar window whose
// class name is exactly kBarClassName. Null when there is no taskbar or no such
// child; a window of that class anywhere else is never returned.
HWND FindRunningBar();
