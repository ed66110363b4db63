// About: a full-screen dialog below the taskbar with its own OK button.
#include "setup/about_dialog.h"
#include "setup/page_title.h"
#include "setup/relayout.h"
#include "setup/setup_page.h"
#include "setup/work_area.h"
#include "platform/done_button.h"
#include "resources/tormalin_res.h"

void Cabout::DoModal()
{
    DialogBoxParamW(module_, MAKEINTRESOURCEW(IDD_ABOUT), nullptr, DialogProc, reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK Cabout::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
        SetWindowLongPtrW(window, DWLP_USER, lParam);
    auto* about = reinterpret_cast<Cabout*>(GetWindowLongPtrW(window, DWLP_USER));
    if (!about)
        return FALSE;
    switch (message) {
    case WM_INITDIALOG:
        about->OnInitDialog(window);
        return TRUE;
    case WM_PAINT:
        about->OnPaint(window);
        return TRUE;
    case WM_SIZE:
        about->OnSize(window);
        return FALSE;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
        SetBkColor(reinterpret_cast<HDC>(wParam), RGB(255, 255, 255));
        return reinterpret_cast<INT_PTR>(PageBackgroundBrush());
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(window, LOWORD(wParam));
            return TRUE;
        }
        break;
    }
    return FALSE;
}

void Cabout::OnInitDialog(HWND window)
{
    SetWindowTextW(window, L"About");
    ShowDoneButton(window);
    const RECT area = ScreenBelowTaskbar();
    SetWindowPos(window, HWND_TOP, area.left, area.top, area.right - area.left, area.bottom - area.top, 0);
}

void Cabout::OnPaint(HWND window)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    DrawPageTitle(dc, L"About");
    EndPaint(window, &paint);
}

void Cabout::OnSize(HWND window)
{
    const LayoutVariants variants{IDD_ABOUT, IDD_ABOUT_LAND, IDD_ABOUT_SQUARE};
    RelayoutForScreen(module_, window, VariantForScreen(variants, GetSystemMetrics(SM_CXSCREEN),
                                                        GetSystemMetrics(SM_CYSCREEN)));
}
