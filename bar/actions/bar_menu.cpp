// Building, measuring and drawing the owner-drawn bar menu.
#include "bar/actions/bar_menu.h"
#include "bar/config/fonts.h"
#include "bar/core/bar_state.h"
#include "platform/scoped_win.h"
#include "platform/shell_windows.h"

namespace {

HMENU barMenu = nullptr;
WNDPROC menuWindowOldProc = nullptr;

void AppendOwnerDrawn(HMENU menu, UINT id)
{
    AppendMenuW(menu, MF_OWNERDRAW, id, nullptr);
}

LRESULT CALLBACK MenuTapHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    WNDPROC old = menuWindowOldProc;
    if (message == WM_DESTROY && old) {
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old));
        menuWindowOldProc = nullptr;
    }
    return old ? CallWindowProcW(old, window, message, wParam, lParam)
               : DefWindowProcW(window, message, wParam, lParam);
}

// The skin's "Dialog Title" font, or the system's while no skin is loaded.
HGDIOBJ MenuFont()
{
    return dialogTitleFont.font ? static_cast<HGDIOBJ>(dialogTitleFont.font) : GetStockObject(DEFAULT_GUI_FONT);
}

} // namespace

const wchar_t* FixedCommandText(UINT id)
{
    switch (id) {
    case ID_TURN_OFF_SCREEN:         return L"Turn Off Screen";
    case ID_SHUT_DOWN:               return L"Shut Down";
    case ID_RESTART:                 return L"Restart";
    case ID_EXIT_BAR:                return L"Exit Velkis";
    case ID_CLOSE_ALL:               return L"Close All";
    case ID_CLOSE_ALL_EXCEPT_ACTIVE: return L"Close All Except Active";
    case ID_OPTIONS:                 return L"Options...";
    default:                         return nullptr;
    }
}

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
    AppendMenuW(barMenu, MF_SEPARATOR, 0, nullptr);
    AppendOwnerDrawn(barMenu, ID_TURN_OFF_SCREEN);
    AppendOwnerDrawn(barMenu, ID_SHUT_DOWN);
    AppendOwnerDrawn(barMenu, ID_RESTART);
    AppendMenuW(barMenu, MF_SEPARATOR, 0, nullptr);
    AppendOwnerDrawn(barMenu, ID_OPTIONS);
    AppendOwnerDrawn(barMenu, ID_EXIT_BAR);
}

void ShowBarMenu(HWND window, int x, int y)
{
    BuildBarMenu();
    if (barMenu)
        TrackPopupMenu(barMenu, TPM_LEFTALIGN | TPM_TOPALIGN, x, y, 0, window, nullptr);
}

void MeasureBarMenuItem(HWND window, MEASUREITEMSTRUCT* item)
{
    if (!item || item->CtlType != ODT_MENU)
        return;
    const wchar_t* text = FixedCommandText(item->itemID);
    SIZE size = {0, 0};
    {
        ScopedGetDC dc(window);
        ScopedSelectObject font(dc.get(), MenuFont());
        if (text)
            GetTextExtentPoint32W(dc.get(), text, lstrlenW(text), &size);
    }
    item->itemHeight = 18 * ScaleFactor;
    item->itemWidth = size.cx + 36 * ScaleFactor;
}

void DrawBarMenuItem(const DRAWITEMSTRUCT* item)
{
    if (!item || item->CtlType != ODT_MENU)
        return;
    bool selected = (item->itemState & ODS_SELECTED) != 0;
    HDC dc = item->hDC;
    RECT r = item->rcItem;
    FillRect(dc, &r, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
    ScopedSelectObject font(dc, MenuFont());
    ScopedTextColor color(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
    ScopedBkMode mode(dc, TRANSPARENT);
    if (const wchar_t* text = FixedCommandText(item->itemID)) {
        r.left += 22 * ScaleFactor;
        DrawTextW(dc, text, -1, &r, DT_SINGLELINE | DT_VCENTER);
    }
}

void InstallMenuTapHook()
{
    HWND menuWindow = FindWindowW(PopupMenuClassName(), nullptr);
    if (!menuWindow || menuWindowOldProc)
        return;
    menuWindowOldProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(menuWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(MenuTapHook)));
}
