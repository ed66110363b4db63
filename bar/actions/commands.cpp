// Menu commands of the bar.
#include "bar/actions/commands.h"
#include "bar/actions/bar_menu.h"
#include "bar/core/bar_state.h"

void ExitBar()
{
    SendMessageW(barWindow, WM_ACTIVATE, WA_ACTIVE, 0);
    SendMessageW(barWindow, WM_CLOSE, 0, 0);
}

void HandleBarCommand(HWND window, WPARAM wParam, LPARAM lParam)
{
    switch (LOWORD(wParam)) {
    case ID_EXIT_BAR:
        ExitBar();
        break;
    default:
        DefWindowProcW(window, WM_COMMAND, wParam, lParam);
        break;
    }
}
