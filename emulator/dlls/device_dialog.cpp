// Dialogs of the device's own libraries: an in-memory template, placed below the system taskbar.
#include "emulator/dlls/device_dialog.h"
#include "common/shell_classes.h"
#include <vector>

namespace devdlg {

INT_PTR RunDialog(HWND owner, const wchar_t* title, DLGPROC proc, LPARAM param, const wchar_t* windowClass)
{
    // DLGTEMPLATE, no menu, the class (0: the default one), the title; no controls
    // (the dialog adds them).
    std::vector<WORD> image(sizeof(DLGTEMPLATE) / sizeof(WORD), 0);
    reinterpret_cast<DLGTEMPLATE*>(image.data())->style = WS_POPUP | WS_CAPTION | DS_MODALFRAME;
    image.push_back(0);
    for (const wchar_t* c = windowClass ? windowClass : L""; *c; ++c)
        image.push_back(static_cast<WORD>(*c));
    image.push_back(0);
    for (const wchar_t* c = title; *c; ++c)
        image.push_back(static_cast<WORD>(*c));
    image.push_back(0);
    return DialogBoxIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<const DLGTEMPLATE*>(image.data()),
                                   owner, proc, param);
}

void CoverScreenBelowTaskbar(HWND dialog)
{
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    RECT taskbar;
    HWND bar = FindWindowW(kTaskbarClassName, nullptr);
    if (bar && GetWindowRect(bar, &taskbar) && taskbar.bottom < area.bottom)
        area.top = taskbar.bottom;
    SetWindowPos(dialog, HWND_TOP, area.left, area.top, area.right - area.left, area.bottom - area.top, 0);
}

int ScreenScale()
{
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen)
        ReleaseDC(nullptr, screen);
    return dpi >= 192 ? 2 : 1;
}

HFONT DialogFont()
{
    static const HFONT font = [] {
        LOGFONTW logical{};
        logical.lfHeight = -MulDiv(8, 96 * ScreenScale(), 72);
        lstrcpynW(logical.lfFaceName, L"Tahoma", LF_FACESIZE);
        return CreateFontIndirectW(&logical);
    }();
    return font;
}

HWND AddControl(HWND dialog, const wchar_t* cls, int id, const wchar_t* text, DWORD style, const RECT& r)
{
    HWND control = CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.right - r.left,
                                   r.bottom - r.top, dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   GetModuleHandleW(nullptr), nullptr);
    if (control)
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(DialogFont()), FALSE);
    return control;
}

} // namespace devdlg
