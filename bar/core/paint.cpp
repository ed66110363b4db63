// Composing the bar off-screen and copying it to the window in one step.
#include "bar/core/paint.h"
#include "bar/config/buttons.h"
#include "bar/config/fonts.h"
#include "bar/config/skin.h"
#include "bar/core/bar_state.h"
#include "bar/core/clock.h"
#include "bar/core/keyed_copy.h"
#include "bar/status/indicators.h"
#include "platform/child_surface.h"
#include "platform/scoped_win.h"
#include <strsafe.h>
#include <cwchar>

namespace {

constexpr COLORREF kBackgroundKey = RGB(255, 0, 0);

// The canvas of one paint: a 32-bit bottom-up DIB section in a memory DC, so that
// images are copied straight into its pixels and text is drawn with GDI.
struct Canvas {
    ScopedMemoryDC memory;
    ScopedBitmap bitmap;
    ScopedSelectObject selected;
    HDC dc;
    PixelView pixels;
    RECT clip;   // where buttons may be drawn

    Canvas(HDC reference, int width, int height)
        : memory(reference), bitmap(CreateSection(reference, width, height)),
          selected(memory.get(), bitmap.get()), dc(memory.get()), pixels(), clip{0, 0, width, height}
    {
        if (selected.ok())
            ViewOfBitmap(bitmap.get(), &pixels);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    static HBITMAP CreateSection(HDC reference, int width, int height)
    {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        // Bottom-up like the skin images: Wine reports every section's height as positive.
        info.bmiHeader.biHeight = height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        return CreateDIBSection(reference, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    }

    bool ok() const { return pixels.bits != nullptr; }

    // A missing image draws nothing; a button image's top-left pixel is its key.
    void DrawImage(HBITMAP image, const RECT& target, bool keyFromCorner, COLORREF key = 0)
    {
        PixelView source;
        if (!ViewOfBitmap(image, &source))
            return;
        GdiFlush();   // text drawn so far must be in the pixels before they are written
        CopyKeyed(source, pixels, target, keyFromCorner ? PixelAt(source, 0, 0) : key, clip);
    }
};

void DrawRecord(Canvas& canvas, ButtonRecord& record, int& rightEdge)
{
    PlaceRecord(record, rightEdge, ImageScale);
    if (record.enabled)
        canvas.DrawImage(record.pressed ? record.pressedImage : record.normalImage, record.rect, true);
}

// Moves and sizes the bar only when it is not already where it belongs.
void FitToScreen(HWND window, int width, int height)
{
    RECT now;
    GetWindowRect(window, &now);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&now), 2);
    if (now.left != 0 || now.top != 0 || now.right != width || now.bottom != height)
        SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE);
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
    ScopedTextColor color(dc, titleFont.color);
    ScopedBkMode mode(dc, TRANSPARENT);
    ScopedSelectObject font(dc, titleFont.font ? titleFont.font : GetStockObject(DEFAULT_GUI_FONT));
    DrawTextW(dc, title, -1, &r, DT_VCENTER);
}

void RepaintBarNow(HWND window)
{
    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
}

void PaintBar(HWND window, HDC paintDc)
{
    int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    const SkinImage& background = screenWidth > screenHeight ? skinImages.landscape : skinImages.portrait;
    FitToScreen(window, screenWidth, 26 * ScaleFactor);
    RECT r;
    GetClientRect(window, &r);

    Canvas canvas(paintDc, r.right, r.bottom);
    if (!canvas.ok())
        return;
    canvas.DrawImage(background.bitmap, r, false, kBackgroundKey);
    ButtonRecord& start = buttonTable.slots[0];
    int startRight = start.width * ImageScale;
    canvas.DrawImage(start.normalImage, RECT{0, 0, startRight, start.height * ImageScale}, true);

    // Buttons that do not fit right of the start button are cut off at its edge.
    canvas.clip.left = startRight;
    IntersectClipRect(canvas.dc, startRight, 0, r.right, r.bottom);
    int rightEdge = r.right;
    for (int slot = noPhonePainting; slot < kButtonCount; ++slot) {
        ButtonRecord& record = buttonTable.slots[slot];
        if (!record.shown)
            continue;
        if (record.id >= BUTTON_MENU && record.id <= BUTTON_DISCONNECT)
            DrawRecord(canvas, record, rightEdge);
        else if (record.id == BUTTON_CLOCK)
            DrawClock(canvas.dc, &record.rect, &rightEdge);
        else if (record.id == BUTTON_SIGNAL && PhoneEdition)
            DrawRecord(canvas, signalImages.levels[SignalLevel], rightEdge);
    }
    SelectClipRgn(canvas.dc, nullptr);

    DrawTitle(canvas.dc, startRight, rightEdge);
    GdiFlush();
    BitBlt(paintDc, r.left, r.top, r.right, r.bottom, canvas.dc, 0, 0, SRCCOPY);
    PresentChildWindow(window, canvas.dc, r.right, r.bottom);
}
