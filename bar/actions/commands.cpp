// Menu commands of the bar: task lines, closing, power and the programs' own.
#include "bar/actions/commands.h"
#include "bar/actions/bar_menu.h"
#include "bar/actions/close_tasks.h"
#include "bar/actions/menu_tap.h"
#include "bar/actions/power_commands.h"
#include "bar/actions/task_table.h"
#include "bar/layout/bar_state.h"

void SelectTask(int row)
{
    const TaskEntry& task = TaskTable.rows[row];
    if (IsOnCloseMark(MenuTapRecord, ScaleFactor) && !task.shellOwned)
        CloseTaskWindows(CloseMode::One, row);
    else
        SetForegroundWindow(task.window);
}

void HandleBarCommand(HWND window, WPARAM wParam, LPARAM lParam)
{
    const UINT id = LOWORD(wParam);
    switch (id) {
    case ID_TURN_OFF_SCREEN:         TurnOffScreen(); return;
    case ID_SHUT_DOWN:               SuspendDevice(); return;
    case ID_RESTART:                 RestartDevice(); return;
    case ID_EXIT_BAR:                ExitBar(); return;
    case ID_CLOSE_ALL:               CloseTaskWindows(CloseMode::All, -1); return;
    case ID_CLOSE_ALL_EXCEPT_ACTIVE: CloseTaskWindows(CloseMode::AllExceptActive, -1); return;
    case ID_OPTIONS:                 OpenSetupProgram(); return;
    default:
        break;
    }
    const int row = TaskRowOfCommand(id);
    if (row >= 0)
        SelectTask(row);
    DefWindowProcW(window, WM_COMMAND, wParam, lParam);
}
