// A menu bar window over a menu resource: items side by side, popups open upwards.
// On the device: SHCreateMenuBar (SHMENUBARINFO with the menu resource's id), and
// MenuBarHeight the height of the window it makes.
#include "platform/menu_bar.h"
#include "platform/scoped_win.h"
#include <windowsx.h>

namespace {

constexpr int kItemPadding = 8;   // pixels at 96 dpi on each side of an item's text

struct MenuBar {
    HWND owner;
    HMENU menu;
    int dpi;
};

MenuBar* BarOf(HWND window)
{
    return reinterpret_cast<MenuBar*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

int ScreenDpi()
{
    ScopedGetDC screen(nullptr);
    const int dpi = screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 96;
    return dpi > 0 ? dpi : 96;
}

// Left and right edge of item index; the text of each item sets its width.
RECT ItemRect(HWND window, HDC dc, const MenuBar& bar, int index)
{
    RECT client;
    GetClientRect(window, &client);
    const int padding = MulDiv(kItemPadding, bar.dpi, 96);
    int left = 0;
    RECT item{};
    for (int i = 0; i <= index; ++i) {
        wchar_t text[64] = L"";
        GetMenuStringW(bar.menu, i, text, 64, MF_BYPOSITION);
        SIZE size{};
        GetTextExtentPoint32W(dc, text, lstrlenW(text), &size);
        item = RECT{left, client.top, left + size.cx + 2 * padding, client.bottom};
        left = item.right;
    }
    return item;
}

HFONT MenuFont(int dpi)
{
    LOGFONTW font{};
    font.lfHeight = -MulDiv(9, dpi, 72);
    font.lfWeight = FW_BOLD;
    lstrcpynW(font.lfFaceName, L"Tahoma", LF_FACESIZE);
    return CreateFontIndirectW(&font);
}

void OnPaint(HWND window)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    MenuBar* bar = BarOf(window);
    RECT client;
    GetClientRect(window, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    RECT line{client.left, client.top, client.right, client.top + 1};
    FillRect(dc, &line, GetSysColorBrush(COLOR_BTNSHADOW));
    if (bar) {
        ScopedFont font(MenuFont(bar->dpi));
        ScopedSelectObject useFont(dc, font.get());
        ScopedBkMode mode(dc, TRANSPARENT);
        ScopedTextColor color(dc, GetSysColor(COLOR_BTNTEXT));
        const int count = GetMenuItemCount(bar->menu);
        for (int i = 0; i < count; ++i) {
            wchar_t text[64] = L"";
            GetMenuStringW(bar->menu, i, text, 64, MF_BYPOSITION);
            RECT item = ItemRect(window, dc, *bar, i);
            DrawTextW(dc, text, -1, &item, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        }
    }
    EndPaint(window, &paint);
}

// The item at x and its rectangle; -1 when x is past the last item.
int ItemAt(HWND window, const MenuBar& bar, int x, RECT* rect)
{
    ScopedGetDC dc(window);
    ScopedFont font(MenuFont(bar.dpi));
    ScopedSelectObject useFont(dc.get(), font.get());
    const int count = GetMenuItemCount(bar.menu);
    for (int i = 0; i < count; ++i) {
        *rect = ItemRect(window, dc.get(), bar, i);
        if (x >= rect->left && x < rect->right)
            return i;
    }
    return -1;
}

void OnTap(HWND window, int x)
{
    MenuBar* bar = BarOf(window);
    RECT item{};
    const int index = bar ? ItemAt(window, *bar, x, &item) : -1;
    if (index < 0)
        return;
    UINT command = 0;
    if (HMENU popup = GetSubMenu(bar->menu, index)) {
        POINT corner{item.left, item.top};
        ClientToScreen(window, &corner);
        command = TrackPopupMenuEx(popup, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_BOTTOMALIGN | TPM_NONOTIFY,
                                   corner.x, corner.y, window, nullptr);
    } else {
        command = GetMenuItemID(bar->menu, index);
    }
    if (command != 0 && command != static_cast<UINT>(-1))
        PostMessageW(bar->owner, WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

LRESULT CALLBACK MenuBarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        OnPaint(window);
        return 0;
    case WM_LBUTTONUP:
        OnTap(window, GET_X_LPARAM(lParam));
        return 0;
    case WM_NCDESTROY:
        if (MenuBar* bar = BarOf(window)) {
            DestroyMenu(bar->menu);
            delete bar;
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        }
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool RegisterMenuBarClass(HINSTANCE module)
{
    WNDCLASSW wc{};
    if (GetClassInfoW(module, kMenuBarClass, &wc))
        return true;
    wc.lpfnWndProc = MenuBarProc;
    wc.hInstance = module;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    wc.lpszClassName = kMenuBarClass;
    return RegisterClassW(&wc) != 0;
}

} // namespace

int MenuBarHeight()
{
    return MulDiv(26, ScreenDpi(), 96);
}

HWND CreateMenuBar(HWND owner, HINSTANCE module, UINT menuId)
{
    HWND top = GetAncestor(owner, GA_ROOT);
    HMENU menu = LoadMenuW(module, MAKEINTRESOURCEW(menuId));
    if (!top || !menu || !RegisterMenuBarClass(module)) {
        if (menu)
            DestroyMenu(menu);
        return nullptr;
    }
    RECT client;
    GetClientRect(top, &client);
    const int height = MenuBarHeight();
    HWND window = CreateWindowExW(0, kMenuBarClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0,
                                  client.bottom - height, client.right, height, top, nullptr, module, nullptr);
    if (!window) {
        DestroyMenu(menu);
        return nullptr;
    }
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new MenuBar{owner, menu, ScreenDpi()}));
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return window;
}
