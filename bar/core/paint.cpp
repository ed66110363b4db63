// Composing the bar off-screen and copying it to the window in one step.
#include "bar/core/paint.h"
#include "bar/config/buttons.h"
#include "bar/config/fonts.h"
#include "bar/config/skin.h"
#include "bar/core/bar_state.h"
#include "bar/core/clock.h"
#include "bar/status/indicators.h"
#include "platform/child_surface.h"
#include <strsafe.h>
#include <cwchar>

namespace {

constexpr COLORREF kBackgroundKey = RGB(255, 0, 0);

// Selects a bitmap into a memory DC for the length of one copy.
class SelectedBitmap {
public:
    SelectedBitmap(HDC dc, HBITMAP bitmap) : dc_(dc), old_(bitmap ? SelectObject(dc, bitmap) : nullptr) {}
    ~SelectedBitmap()
    {
        if (old_)
            SelectObject(dc_, old_);
    }
    bool ok() const { return old_ != nullptr; }
    SelectedBitmap(const SelectedBitmap&) = delete;
    SelectedBitmap& operator=(const SelectedBitmap&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

// Copies a button image with its top-left pixel's colour left out.
void DrawKeyed(HDC canvas, HDC source, HBITMAP image, const RECT& target)
{
    SelectedBitmap selected(source, image);
    if (!selected.ok())
        return;
    SIZE size = BitmapSize(image);
    COLORREF key = GetPixel(source, 0, 0);
    TransparentBlt(canvas, target.left, target.top, target.right - target.left, target.bottom - target.top, source, 0,
                   0, size.cx, size.cy, key);
}

void DrawRecord(HDC canvas, HDC source, ButtonRecord& record, int& rightEdge)
{
    PlaceRecord(record, rightEdge, ImageScale);
    if (record.enabled)
        DrawKeyed(canvas, source, record.pressed ? record.pressedImage : record.normalImage, record.rect);
}

void DrawBackground(HDC canvas, HDC source, const SkinImage& background, const RECT& r)
{
    SelectedBitmap selected(source, background.bitmap);
    if (selected.ok())
        TransparentBlt(canvas, 0, 0, r.right, r.bottom, source, 0, 0, background.width, background.height,
                       kBackgroundKey);
}

} // namespace

void PlaceRecord(ButtonRecord& record, int& rightEdge, int imageScale)
{
    int width = record.width * imageScale;
    rightEdge -= width;
    record.rect = RECT{rightEdge, 0, rightEdge + width, record.height * imageScale};
}

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
    // Buttons wider than the room leave no title rather than a reversed one.
    if (right <= left)
        return;
    RECT r = {left, 0, right, 26 * ScaleFactor};
    wchar_t windowText[50] = L"";
    if (lastForegroundWindow)
        GetWindowTextW(lastForegroundWindow, windowText, 50);
    wchar_t title[50];
    TitleForDisplay(windowText, title, 50);
    COLORREF oldColor = SetTextColor(dc, titleFont.color);
    int oldMode = SetBkMode(dc, TRANSPARENT);
    HGDIOBJ oldFont = SelectObject(dc, titleFont.font ? titleFont.font : GetStockObject(DEFAULT_GUI_FONT));
    DrawTextW(dc, title, -1, &r, DT_VCENTER);
    SelectObject(dc, oldFont);
    SetBkMode(dc, oldMode);
    SetTextColor(dc, oldColor);
}

void PaintBar(HWND window, HDC paintDc)
{
    int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    const SkinImage& background = screenWidth > screenHeight ? skinImages.landscape : skinImages.portrait;
    SetWindowPos(window, nullptr, 0, 0, screenWidth, 26 * ScaleFactor,
                 SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE);
    RECT r;
    GetClientRect(window, &r);

    HDC source = CreateCompatibleDC(paintDc);
    HDC canvas = CreateCompatibleDC(paintDc);
    HBITMAP canvasBitmap = CreateCompatibleBitmap(paintDc, r.right, r.bottom);
    HGDIOBJ oldCanvasBitmap = SelectObject(canvas, canvasBitmap);

    DrawBackground(canvas, source, background, r);
    ButtonRecord& start = buttonTable.slots[0];
    int startRight = start.width * ImageScale;
    DrawKeyed(canvas, source, start.normalImage, RECT{0, 0, startRight, start.height * ImageScale});

    // Buttons that do not fit right of the start button are cut off at its edge.
    int savedDc = SaveDC(canvas);
    IntersectClipRect(canvas, startRight, 0, r.right, r.bottom);
    int rightEdge = r.right;
    for (int slot = PhoneEdition ? 0 : 1; slot < kButtonCount; ++slot) {
        ButtonRecord& record = buttonTable.slots[slot];
        if (!record.shown)
            continue;
        if (record.id >= BUTTON_MENU && record.id <= BUTTON_DISCONNECT)
            DrawRecord(canvas, source, record, rightEdge);
        else if (record.id == BUTTON_CLOCK)
            DrawClock(canvas, &record.rect, &rightEdge);
        else if (record.id == BUTTON_SIGNAL && PhoneEdition)
            DrawRecord(canvas, source, signalImages.levels[SignalLevel], rightEdge);
    }
    RestoreDC(canvas, savedDc);

    DrawTitle(canvas, startRight, rightEdge);
    BitBlt(paintDc, r.left, r.top, r.right, r.bottom, canvas, 0, 0, SRCCOPY);
    PresentChildWindow(window, canvas, r.right, r.bottom);

    SelectObject(canvas, oldCanvasBitmap);
    DeleteObject(canvasBitmap);
    DeleteDC(canvas);
    DeleteDC(source);
}
