// Owner-drawn lines of the bar menu: the skin's "Dialog Title" font, the system's
// menu colours, an icon at the left and, on task lines, the close mark at the right.
#include "bar/actions/menu_items.h"
#include "bar/actions/bar_menu.h"
#include "bar/actions/menu_tap.h"
#include "bar/actions/task_icon.h"
#include "bar/actions/task_table.h"
#include "bar/config/fonts.h"
#include "bar/config/skin.h"
#include "bar/layout/bar_state.h"
#include "platform/menu_frame.h"
#include "platform/scoped_win.h"
#include <algorithm>

namespace {

// "Exit Velkis" and the three commands after it are one table, by id - 40021.
const wchar_t* const kCommandTexts[] = {L"Exit Velkis", L"Close All", L"Close All Except Active", L"Options..."};

// The skin's "Dialog Title" font, or the system's while no skin is loaded.
HGDIOBJ MenuFont()
{
    return dialogTitleFont.font ? static_cast<HGDIOBJ>(dialogTitleFont.font) : GetStockObject(DEFAULT_GUI_FONT);
}

const wchar_t* ItemText(UINT id)
{
    const int row = TaskRowOfCommand(id);
    return row >= 0 ? TaskTable.rows[row].title : FixedCommandText(id);
}

HICON FixedCommandIcon(UINT id)
{
    switch (id) {
    case ID_TURN_OFF_SCREEN: return skinImages.menuIcons[MENU_ICON_SCREEN];
    case ID_SHUT_DOWN:       return skinImages.menuIcons[MENU_ICON_SHUT_DOWN];
    case ID_RESTART:         return skinImages.menuIcons[MENU_ICON_RESTART];
    case ID_OPTIONS:         return skinImages.menuIcons[MENU_ICON_OPTIONS];
    default:                 return skinImages.menuIcons[MENU_ICON_CLOSE];
    }
}

// A task line with a close mark at its right end (a shell window's line has none).
bool HasCloseMark(UINT id)
{
    const int row = TaskRowOfCommand(id);
    return row >= 0 && !TaskTable.rows[row].shellOwned;
}

void DrawIconAt(HDC dc, int x, int y, HICON icon)
{
    if (icon)
        DrawIconEx(dc, x, y, icon, 0, 0, 0, nullptr, DI_NORMAL);
}

void DrawItemIcons(HDC dc, const RECT& r, UINT id)
{
    const int left = r.left + 2 * ScaleFactor;
    const int top = r.top + (r.bottom - r.top - 16 * ScaleFactor) / 2;
    HICON closeMark = skinImages.menuIcons[MENU_ICON_CLOSE];
    const int row = TaskRowOfCommand(id);
    if (row < 0) {
        DrawIconAt(dc, left, top, FixedCommandIcon(id));
        return;
    }
    const TaskEntry& task = TaskTable.rows[row];
    if (task.shellOwned) {
        DrawIconAt(dc, left, top, closeMark);
        return;
    }
    DWORD processId = 0;
    GetWindowThreadProcessId(task.window, &processId);
    bool loaded = false;
    HICON icon = GetTaskIcon(task.className, task.window, processId, &loaded);
    DrawIconAt(dc, left, top, icon);
    DrawIconAt(dc, r.right - 18 * ScaleFactor, r.top, closeMark);
    if (icon && loaded)
        DestroyIcon(icon);
}

} // namespace

const wchar_t* FixedCommandText(UINT id)
{
    switch (id) {
    case ID_TURN_OFF_SCREEN: return L"Turn Off Screen";
    case ID_SHUT_DOWN:       return L"Shut Down";
    case ID_RESTART:         return L"Restart";
    default:
        if (id >= ID_EXIT_BAR && id <= ID_OPTIONS)
            return kCommandTexts[id - ID_EXIT_BAR];
        return nullptr;
    }
}

int MenuItemWidthFor(int textWidth, int scale, int room)
{
    return std::max(0, std::min(textWidth + 36 * scale, room));
}

void MeasureBarMenuItem(HWND window, MEASUREITEMSTRUCT* item)
{
    if (!item || item->CtlType != ODT_MENU)
        return;
    const wchar_t* text = ItemText(item->itemID);
    SIZE size = {0, 0};
    {
        ScopedGetDC dc(window);
        ScopedSelectObject font(dc.get(), MenuFont());
        if (text)
            GetTextExtentPoint32W(dc.get(), text, lstrlenW(text), &size);
    }
    item->itemHeight = 18 * ScaleFactor;
    // The system moves a menu that would cross the screen's right edge to the left,
    // as far as the screen's left edge: the whole screen's width is the room.
    const int room = GetSystemMetrics(SM_CXSCREEN) - PopupMenuFrameWidth();
    item->itemWidth = static_cast<UINT>(MenuItemWidthFor(size.cx, ScaleFactor, room));
}

void DrawBarMenuItem(const DRAWITEMSTRUCT* item)
{
    if (!item || item->CtlType != ODT_MENU)
        return;
    const bool selected = (item->itemState & ODS_SELECTED) != 0;
    HDC dc = item->hDC;
    ScopedSelectObject font(dc, MenuFont());
    ScopedTextColor color(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
    ScopedBkMode mode(dc, TRANSPARENT);
    FillRect(dc, &item->rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
    if (const wchar_t* text = ItemText(item->itemID)) {
        RECT r = item->rcItem;
        r.left += 22 * ScaleFactor;
        // A title too long for the screen ends in "..." before its close mark.
        if (HasCloseMark(item->itemID))
            r.right -= kCloseMarkZone * ScaleFactor;
        // Titles are drawn as written: an "&" in one is no mnemonic.
        DrawTextW(dc, text, -1, &r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    DrawItemIcons(dc, item->rcItem, item->itemID);
}
