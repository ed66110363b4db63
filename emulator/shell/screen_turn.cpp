// Screen rotation in the shell: the screen turns, the shell's windows follow, programs hear of it.
#include "emulator/shell/screen_turn.h"
#include "emulator/shell/popups.h"
#include "emulator/shell/shell_state.h"
#include "emulator/lib/screen_rotation.h"
#include "emulator/protocol.h"

namespace emu {

namespace {

void Fit(HWND window, int top, int width, int height)
{
    if (!window)
        return;
    RECT now;
    GetWindowRect(window, &now);
    if (now.left == 0 && now.top == top && now.right == width && now.bottom == top + height)
        return;
    SetWindowPos(window, nullptr, 0, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(window, nullptr, TRUE);   // laid out by its width
}

bool TurnScreen(Orientation want)
{
    const SIZE now = CurrentScreenSize();
    const SIZE size = TurnedScreenSize(now, want);
    if (size.cx == now.cx && size.cy == now.cy)
        return true;   // already so: nothing to tell anyone
    if (!SetScreenSize(size))
        return false;
    FitShellWindowsToScreen();
    // The handheld's shell tells every top-level window that the screen turned; not
    // waited for, so that a hung program does not hold the turn.
    SendNotifyMessageW(HWND_BROADCAST, WM_SETTINGCHANGE, kSettingChangeReset, 0);
    return true;
}

} // namespace

bool HandleScreenTurnMessage(UINT message, WPARAM wParam, LRESULT* result)
{
    static const UINT rotateMessage = RegisterWindowMessageW(kRotateMessage);
    if (message != rotateMessage || rotateMessage == 0)
        return false;
    *result = wParam <= static_cast<WPARAM>(Orientation::Landscape) && TurnScreen(static_cast<Orientation>(wParam));
    return true;
}

void FitShellWindowsToScreen()
{
    const SIZE screen = CurrentScreenSize();
    const int bar = 26 * ShellScale();
    ClosePopups();
    Fit(Shell().taskbar, 0, screen.cx, bar);
    Fit(Shell().today, bar, screen.cx, screen.cy - bar);
}

} // namespace emu
