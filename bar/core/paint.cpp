// Composing the bar off-screen and copying it to the window in one step.
#include "bar/core/paint.h"
#include "bar/core/bar_state.h"
#include <strsafe.h>
#include <cwchar>

void TitleForDisplay(const wchar_t* windowText, wchar_t* out, size_t outCapacity)
{
    const wchar_t* text = windowText;
    if (wcscmp(text, L"Desktop") == 0)
        text = L"Start";
    if (text[0] == L'\0')
        text = L"Settings";
    StringCchCopyW(out, outCapacity < 50 ? outCapacity : 50, text);
}

void DrawTitle(HDC dc, int left, int right)
{
    RECT r = {left, 0, right, 26 * ScaleFactor};
    wchar_t windowText[50] = L"";
    if (lastForegroundWindow)
        GetWindowTextW(lastForegroundWindow, windowText, 50);
    wchar_t title[50];
    TitleForDisplay(windowText, title, 50);
    SetTextColor(dc, RGB(255, 255, 255));
    int oldMode = SetBkMode(dc, TRANSPARENT);
    HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    DrawTextW(dc, title, -1, &r, DT_VCENTER);
    SelectObject(dc, oldFont);
    SetBkMode(dc, oldMode);
}

void PaintBar(HWND window, HDC paintDc)
{
    int width = GetSystemMetrics(SM_CXSCREEN);
    SetWindowPos(window, nullptr, 0, 0, width, 26 * ScaleFactor, SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE);
    RECT r;
    GetClientRect(window, &r);
    HDC canvas = CreateCompatibleDC(paintDc);
    HBITMAP bitmap = CreateCompatibleBitmap(paintDc, r.right, r.bottom);
    HGDIOBJ old = SelectObject(canvas, bitmap);
    HBRUSH brush = CreateSolidBrush(RGB(32, 40, 56));
    FillRect(canvas, &r, brush);
    DeleteObject(brush);
    DrawTitle(canvas, 60 * ScaleFactor, r.right);
    BitBlt(paintDc, 0, 0, r.right, r.bottom, canvas, 0, 0, SRCCOPY);
    SelectObject(canvas, old);
    DeleteObject(bitmap);
    DeleteDC(canvas);
}
