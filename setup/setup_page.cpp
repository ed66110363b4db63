// Message handling shared by the pages.
#include "setup/setup_page.h"
#include "setup/page_title.h"
#include "setup/sheet_host.h"
#include "platform/menu_bar.h"
#include "resources/tormalin_res.h"

CSetupPage::CSetupPage(HINSTANCE module, const LayoutVariants& variants, const wchar_t* title)
    : module_(module), variants_(variants), title_(title)
{
}

PROPSHEETPAGEW CSetupPage::PageRecord()
{
    PROPSHEETPAGEW page{};
    page.dwSize = sizeof(page);
    page.dwFlags = PSP_DEFAULT;
    page.hInstance = module_;
    page.pszTemplate = MAKEINTRESOURCEW(variants_.portrait);
    page.pfnDlgProc = PageProc;
    page.lParam = reinterpret_cast<LPARAM>(this);
    return page;
}

void CSetupPage::DestroyMenuBar()
{
    if (menuBar_)
        DestroyWindow(menuBar_);
    menuBar_ = nullptr;
}

HBRUSH PageBackgroundBrush()
{
    return static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
}

INT_PTR CALLBACK CSetupPage::PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        auto* page = reinterpret_cast<CSetupPage*>(reinterpret_cast<const PROPSHEETPAGEW*>(lParam)->lParam);
        SetWindowLongPtrW(window, DWLP_USER, reinterpret_cast<LONG_PTR>(page));
        page->window_ = window;
    }
    auto* page = reinterpret_cast<CSetupPage*>(GetWindowLongPtrW(window, DWLP_USER));
    return page ? page->HandleMessage(message, wParam, lParam) : FALSE;
}

INT_PTR CSetupPage::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog();
        return TRUE;
    case WM_PAINT:
        OnPaint();
        return TRUE;
    case WM_SIZE:
        OnSize();
        return FALSE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDM_EXIT || LOWORD(wParam) == IDM_ABOUT) {
            // The menu bar's commands belong to the sheet.
            SendMessageW(GetParent(window_), WM_COMMAND, wParam, lParam);
            return TRUE;
        }
        return OnCommand(LOWORD(wParam), HIWORD(wParam));
    case WM_NOTIFY:
        return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_DRAWITEM:
        return OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
        SetBkColor(reinterpret_cast<HDC>(wParam), RGB(255, 255, 255));
        return reinterpret_cast<INT_PTR>(PageBackgroundBrush());
    case WM_NCDESTROY:
        window_ = nullptr;
        menuBar_ = nullptr;   // a child of the sheet, gone with it
        return FALSE;
    }
    return FALSE;
}

void CSetupPage::OnInitDialog()
{
    menuBar_ = CreateMenuBar(window_, module_, IDR_PAGE_MENU);
    OnInitPage();
}

void CSetupPage::OnPaint()
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window_, &paint);
    DrawPageTitle(dc, title_);
    EndPaint(window_, &paint);
    OnPainted();
}

void CSetupPage::OnSize()
{
    const bool oneLayout = variants_.landscape == variants_.portrait && variants_.square == variants_.portrait;
    if (oneLayout)
        return;
    const int variant = VariantForScreen(variants_, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    if (RelayoutForScreen(module_, window_, variant))
        OnRelayout();
}

INT_PTR CSetupPage::OnNotify(const NMHDR& header)
{
    if (header.hwndFrom != GetParent(window_))
        return OnControlNotify(header);
    switch (header.code) {
    case PSN_APPLY:
        OnApply();
        return TRUE;
    case PSN_SETACTIVE:
        if (SheetHost* sheet = Sheet())
            sheet->PlacePage(window_);
        SetWindowLongPtrW(window_, DWLP_MSGRESULT, 0);
        return TRUE;
    }
    return FALSE;
}

// The sheet saves and closes itself; comctl32 is told the page did not apply, so
// that it neither goes on to other pages nor closes the sheet on its own.
void CSetupPage::OnApply()
{
    if (SheetHost* sheet = Sheet())
        sheet->SaveAndNotify();
    SetWindowLongPtrW(window_, DWLP_MSGRESULT, PSNRET_INVALID_NOCHANGEPAGE);
}

SheetHost* CSetupPage::Sheet() const
{
    return window_ ? SheetHost::OfWindow(GetParent(window_)) : nullptr;
}
