// The comctl32 property sheet made to fill the device screen under the taskbar.
#include "setup/setup_sheet.h"
#include "setup/about_dialog.h"
#include "common/bar_link.h"
#include "setup/work_area.h"
#include "platform/done_button.h"
#include "platform/menu_bar.h"
#include "resources/tormalin_res.h"
#include <commctrl.h>
#include <strsafe.h>

namespace {

constexpr UINT kApplyButton = 0x3021;   // the sheet's "Apply" button
constexpr WPARAM kSettingChangeWhat = 0xF2;
constexpr UINT kBroadcastTimeoutMs = 2000;
// A reload takes well under a second; a bar that takes longer still reloads, only
// without the sheet waiting for it.
constexpr UINT kBarReloadTimeoutMs = 5000;

// The one sheet being created; comctl32's callbacks carry no pointer of ours.
CSetupDlg* g_creatingSheet = nullptr;

// The sheet's dialog template as comctl32 hands it over, in either layout.
DWORD* TemplateStyle(void* dialogTemplate)
{
    auto* words = static_cast<WORD*>(dialogTemplate);
    const bool extended = words[0] == 1 && words[1] == 0xFFFF;
    return reinterpret_cast<DWORD*>(static_cast<BYTE*>(dialogTemplate) + (extended ? 12 : 0));
}

} // namespace

CSetupDlg::CSetupDlg(HINSTANCE module, const wchar_t* programFolder)
    : settings(), module_(module), order_(module), timer_(module), theme_(module),
      icon_(LoadIconW(module, MAKEINTRESOURCEW(IDI_TORMALIN)))
{
    StringCchCopyW(programFolder_, kProgramFolderCapacity, programFolder);
    order_.SetSettings(&settings);
    timer_.SetSettings(&settings);
    theme_.SetSettings(&settings);
    LoadSettings(&settings, programFolder_);
}

CSetupDlg::~CSetupDlg() = default;

void CSetupDlg::DoModal()
{
    PROPSHEETPAGEW pages[3] = {order_.PageRecord(), timer_.PageRecord(), theme_.PageRecord()};
    wchar_t caption[64] = L"";
    LoadStringW(module_, IDS_SHEET_CAPTION, caption, 64);

    PROPSHEETHEADERW header{};
    header.dwSize = sizeof(header);
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_USECALLBACK | PSH_NOAPPLYNOW | PSH_USEHICON | PSH_NOCONTEXTHELP;
    header.hwndParent = nullptr;
    header.hInstance = module_;
    header.hIcon = icon_.get();
    header.pszCaption = caption;
    header.nPages = 3;
    header.nStartPage = 0;
    header.ppsp = pages;
    header.pfnCallback = SheetCallback;
    g_creatingSheet = this;
    PropertySheetW(&header);
    g_creatingSheet = nullptr;
    window_ = nullptr;
}

CSetupDlg* CSetupDlg::FromWindow(HWND sheet)
{
    return static_cast<CSetupDlg*>(SheetHost::OfWindow(sheet));
}

int CALLBACK CSetupDlg::SheetCallback(HWND window, UINT message, LPARAM lParam)
{
    if (message == PSCB_PRECREATE && lParam) {
        // A full-screen window without a frame, as the device shows its dialogs.
        DWORD* style = TemplateStyle(reinterpret_cast<void*>(lParam));
        *style = (*style & ~(WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | DS_MODALFRAME | DS_CONTEXTHELP)) | WS_POPUP;
    } else if (message == PSCB_INITIALIZED && g_creatingSheet) {
        g_creatingSheet->OnInitDialog(window);
    }
    return 0;
}

void CSetupDlg::OnInitDialog(HWND window)
{
    window_ = window;
    AttachTo(window);
    comctlProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SheetProc)));
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_.get()));
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_.get()));
    SetWindowTextW(window, L"Velkis Option");
    ShowDoneButton(window);
    for (UINT button : {static_cast<UINT>(IDOK), static_cast<UINT>(IDCANCEL), static_cast<UINT>(IDHELP), kApplyButton}) {
        if (HWND control = GetDlgItem(window, button))
            ShowWindow(control, SW_HIDE);
    }
    const RECT area = ScreenBelowTaskbar();
    SetWindowPos(window, nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    LayoutSheet();
}

// In front of comctl32's own procedure: the menu commands and the sheet's layout.
LRESULT CALLBACK CSetupDlg::SheetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    CSetupDlg* sheet = FromWindow(window);
    if (!sheet)
        return DefWindowProcW(window, message, wParam, lParam);
    const WNDPROC comctlProc = sheet->comctlProc_;
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wParam) == IDM_EXIT) {
            sheet->CloseSheet();
            return 0;
        }
        if (LOWORD(wParam) == IDM_ABOUT) {
            Cabout about(sheet->module_);
            about.DoModal();
            return 0;
        }
        break;
    case WM_SIZE:
        sheet->LayoutSheet();
        break;
    case WM_NCDESTROY:
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(comctlProc));
        DetachFrom(window);
        break;
    }
    return CallWindowProcW(comctlProc, window, message, wParam, lParam);
}

// The tabs fill the sheet above the menu bar; pages fill the tabs' display area.
void CSetupDlg::LayoutSheet() const
{
    RECT client;
    GetClientRect(window_, &client);
    HWND tabs = PropSheet_GetTabControl(window_);
    if (!tabs)
        return;
    SetWindowPos(tabs, nullptr, 0, 0, client.right, client.bottom - MenuBarHeight(), SWP_NOZORDER | SWP_NOACTIVATE);
    if (HWND page = PropSheet_GetCurrentPageHwnd(window_))
        PlacePage(page);
    for (HWND child = GetWindow(window_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t cls[32];
        if (GetClassNameW(child, cls, 32) && lstrcmpW(cls, kMenuBarClass) == 0)
            SetWindowPos(child, HWND_TOP, 0, client.bottom - MenuBarHeight(), client.right, MenuBarHeight(),
                         SWP_NOACTIVATE);
    }
}

void CSetupDlg::PlacePage(HWND page) const
{
    HWND tabs = PropSheet_GetTabControl(window_);
    if (!tabs)
        return;
    RECT area;
    GetWindowRect(tabs, &area);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&area), 2);
    TabCtrl_AdjustRect(tabs, FALSE, &area);
    SetWindowPos(page, nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

bool CSetupDlg::SaveAndNotify()
{
    if (timer_.Window() && !timer_.StorePage())
        return false;
    if (order_.Window())
        order_.StorePage();
    if (theme_.Window())
        theme_.StorePage();
    if (!SaveSettings(settings, programFolder_))
        return false;

    if (HWND bar = FindRunningBar()) {
        NotifyRunningBar(bar);
        CloseSheet();
    } else {
        SendMessageW(window_, WM_CLOSE, 0, 0);
    }
    return true;
}

// The bar has reloaded when the send returns; then the registry is made durable
// and other programs hear of the clock format the Timer page may have changed.
// Both sends are bounded: a hung program must not keep the sheet open for ever.
void CSetupDlg::NotifyRunningBar(HWND bar)
{
    const UINT update = RegisterWindowMessageW(kUpdateMessageName);
    SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(32514)));
    // Not given up at once on a bar that looks hung: the update is delivered whenever it
    // answers again, only the sheet stops waiting.
    SendMessageTimeoutW(bar, update, 0, 0, SMTO_NORMAL, kBarReloadTimeoutMs, nullptr);
    SetCursor(nullptr);
    Sleep(0);
    RegFlushKey(HKEY_LOCAL_MACHINE);
    SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, kSettingChangeWhat, 0, SMTO_ABORTIFHUNG,
                        kBroadcastTimeoutMs, nullptr);
}

void CSetupDlg::CloseSheet()
{
    order_.DestroyMenuBar();
    timer_.DestroyMenuBar();
    theme_.DestroyMenuBar();
    SendMessageW(window_, WM_CLOSE, 0, 0);
}
