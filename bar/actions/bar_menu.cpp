// Building and tracking the bar menu.
#include "bar/actions/bar_menu.h"
#include "bar/actions/task_table.h"

namespace {

HMENU barMenu = nullptr;

void AppendOwnerDrawn(HMENU menu, UINT id)
{
    AppendMenuW(menu, MF_OWNERDRAW, id, nullptr);
}

} // namespace

void DestroyBarMenu()
{
    if (barMenu) {
        DestroyMenu(barMenu);
        barMenu = nullptr;
    }
}

void BuildBarMenu()
{
    DestroyBarMenu();
    barMenu = CreatePopupMenu();
    if (!barMenu)
        return;
    RebuildTaskTable(barMenu);
    AppendMenuW(barMenu, MF_SEPARATOR, 0, nullptr);
    AppendOwnerDrawn(barMenu, ID_TURN_OFF_SCREEN);
    AppendOwnerDrawn(barMenu, ID_SHUT_DOWN);
    AppendOwnerDrawn(barMenu, ID_RESTART);
    AppendMenuW(barMenu, MF_SEPARATOR, 0, nullptr);
    if (TaskTable.count > 0) {
        AppendOwnerDrawn(barMenu, ID_CLOSE_ALL);
        AppendOwnerDrawn(barMenu, ID_CLOSE_ALL_EXCEPT_ACTIVE);
    }
    AppendOwnerDrawn(barMenu, ID_OPTIONS);
    AppendOwnerDrawn(barMenu, ID_EXIT_BAR);
}

void ShowBarMenu(HWND window, int x, int y)
{
    BuildBarMenu();
    if (barMenu)
        TrackPopupMenu(barMenu, TPM_LEFTALIGN | TPM_TOPALIGN, x, y, 0, window, nullptr);
}
