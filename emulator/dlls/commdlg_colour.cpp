// The device's colour chooser (ChooseColorW of commdlg.dll): basic and custom colours
// in cells sized for the device's screen, the current colour marked, OK and Cancel.
#include "emulator/dlls/device_dialog.h"
#include "emulator/lib/colour_chooser_layout.h"
#include <commdlg.h>
#include <windowsx.h>

namespace {

constexpr int kAddButton = 100;

struct ColourChoice {
    CHOOSECOLORW* request;
    COLORREF current;
    ColourChooserLayout layout;
};

// Where the next added custom colour goes: the slots fill in turn, over every opening.
int nextCustomSlot = 0;

ColourChoice* ChoiceOf(HWND dialog)
{
    return reinterpret_cast<ColourChoice*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

COLORREF SwatchColour(const ColourChoice& choice, int swatch)
{
    if (swatch < kBasicColourCount)
        return BasicColour(swatch);
    return choice.request->lpCustColors ? choice.request->lpCustColors[swatch - kBasicColourCount]
                                        : RGB(255, 255, 255);
}

// The first swatch that shows the current colour, or -1.
int MarkedSwatch(const ColourChoice& choice)
{
    for (int swatch = 0; swatch < kBasicColourCount + kCustomColourCount; ++swatch) {
        if (SwatchColour(choice, swatch) == choice.current)
            return swatch;
    }
    return -1;
}

BOOL OnInitDialog(HWND dialog, ColourChoice* choice)
{
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(choice));
    devdlg::CoverScreenBelowTaskbar(dialog);
    RECT client;
    GetClientRect(dialog, &client);
    choice->layout = LayOutColourChooser(SIZE{client.right, client.bottom}, devdlg::ScreenScale());
    const ColourChooserLayout& l = choice->layout;
    HWND add = devdlg::AddControl(dialog, L"BUTTON", kAddButton, L"Add", BS_PUSHBUTTON, l.add);
    EnableWindow(add, choice->request->lpCustColors != nullptr);
    devdlg::AddControl(dialog, L"BUTTON", IDOK, L"OK", BS_DEFPUSHBUTTON, l.ok);
    devdlg::AddControl(dialog, L"BUTTON", IDCANCEL, L"Cancel", BS_PUSHBUTTON, l.cancel);
    return TRUE;
}

void OnPaint(HWND dialog, const ColourChoice& choice)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(dialog, &ps);
    HGDIOBJ oldFont = SelectObject(dc, devdlg::DialogFont());
    SetBkMode(dc, TRANSPARENT);
    RECT label = choice.layout.basicLabel;
    DrawTextW(dc, L"Basic colors:", -1, &label, DT_SINGLELINE | DT_VCENTER);
    label = choice.layout.customLabel;
    DrawTextW(dc, L"Custom colors:", -1, &label, DT_SINGLELINE | DT_VCENTER);
    HBRUSH currentBrush = CreateSolidBrush(choice.current);
    FillRect(dc, &choice.layout.current, currentBrush);
    DeleteObject(currentBrush);
    FrameRect(dc, &choice.layout.current, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    const int inset = devdlg::ScreenScale() * 2;
    for (int swatch = 0; swatch < kBasicColourCount + kCustomColourCount; ++swatch) {
        RECT r = SwatchRect(choice.layout, swatch);
        InflateRect(&r, -inset, -inset);
        FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
        InflateRect(&r, -1, -1);
        HBRUSH fill = CreateSolidBrush(SwatchColour(choice, swatch));
        FillRect(dc, &r, fill);
        DeleteObject(fill);
    }
    const int marked = MarkedSwatch(choice);
    if (marked >= 0) {
        RECT r = SwatchRect(choice.layout, marked);
        FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        InflateRect(&r, -1, -1);
        FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    }
    SelectObject(dc, oldFont);
    EndPaint(dialog, &ps);
}

void OnTap(HWND dialog, ColourChoice* choice, POINT point)
{
    const int swatch = SwatchAt(choice->layout, point);
    if (swatch < 0)
        return;
    choice->current = SwatchColour(*choice, swatch);
    InvalidateRect(dialog, nullptr, TRUE);
}

void OnCommand(HWND dialog, ColourChoice* choice, int id)
{
    if (id == kAddButton && choice->request->lpCustColors) {
        choice->request->lpCustColors[nextCustomSlot] = choice->current;
        nextCustomSlot = (nextCustomSlot + 1) % kCustomColourCount;
        InvalidateRect(dialog, nullptr, TRUE);
    } else if (id == IDOK) {
        choice->request->rgbResult = choice->current;
        EndDialog(dialog, TRUE);
    } else if (id == IDCANCEL) {
        EndDialog(dialog, FALSE);
    }
}

INT_PTR CALLBACK ColourProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    ColourChoice* choice = message == WM_INITDIALOG ? nullptr : ChoiceOf(dialog);
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog(dialog, reinterpret_cast<ColourChoice*>(lParam));
    case WM_PAINT:
        if (!choice)
            return FALSE;
        OnPaint(dialog, *choice);
        return TRUE;
    case WM_LBUTTONDOWN:
        if (choice)
            OnTap(dialog, choice, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return TRUE;
    case WM_COMMAND:
        if (choice)
            OnCommand(dialog, choice, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

} // namespace

extern "C" BOOL WINAPI DeviceChooseColor(CHOOSECOLORW* request)
{
    if (!request || request->lStructSize < sizeof(CHOOSECOLORW))
        return FALSE;
    ColourChoice choice{request, (request->Flags & CC_RGBINIT) ? request->rgbResult : RGB(0, 0, 0), {}};
    return devdlg::RunDialog(request->hwndOwner, L"Color", ColourProc, reinterpret_cast<LPARAM>(&choice)) == TRUE;
}
