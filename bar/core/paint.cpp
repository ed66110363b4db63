// Composing the bar off-screen from the layout it is given and copying it to the window in one step.
#include "bar/core/paint.h"
#include "bar/config/buttons.h"
#include "bar/config/fonts.h"
#include "bar/config/skin.h"
#include "bar/core/keyed_copy.h"
#include "bar/layout/bar_layout.h"
#include "bar/layout/button_table.h"
#include "bar/layout/bar_state.h"
#include "platform/child_surface.h"
#include "platform/pending_drawing.h"
#include "platform/scoped_win.h"
#include <strsafe.h>
#include <cstring>
#include <cwchar>
#include <memory>

namespace {

constexpr COLORREF kBackgroundKey = RGB(255, 0, 0);

// What the paints draw on: a canvas whose pixels are written directly and whose text
// is drawn with GDI, and beside it the backdrop (background and start button), which
// changes only with the layout. Both are kept from paint to paint: making them cost
// more than all the drawing.
struct BarCanvas {
    Canvas picture;
    ScopedBitmap backdropBitmap;
    HDC dc;
    PixelView pixels;
    PixelView backdrop;
    RECT clip;                 // where buttons may be drawn
    unsigned drawnSerial;      // the layout the backdrop and clip were made for
    bool textPending;          // GDI text not yet known to be in the pixels

    BarCanvas(HDC reference, int width, int height)
        : picture(reference, width, height), backdropBitmap(CreateDibSection32(reference, width, height)),
          dc(picture.dc()), pixels(), backdrop(), clip{0, 0, width, height}, drawnSerial(0), textPending(false)
    {
        if (picture.ok() && ViewOfBitmap(backdropBitmap.get(), &backdrop))
            ViewOfBitmap(picture.bitmap(), &pixels);
        SetBkMode(dc, TRANSPARENT);
    }
    BarCanvas(const BarCanvas&) = delete;
    BarCanvas& operator=(const BarCanvas&) = delete;

    bool ok() const { return pixels.bits != nullptr; }
    bool Fits(int width, int height) const { return pixels.width == width && pixels.height == height; }

    // A missing image draws nothing; a button image's top-left pixel is its key.
    static void DrawImage(const PixelView& onto, HBITMAP image, const RECT& target, bool keyFromCorner,
                          const RECT& clip, COLORREF key = 0)
    {
        PixelView source;
        if (!ViewOfBitmap(image, &source))
            return;
        CopyKeyed(source, onto, target, keyFromCorner ? PixelAt(source, 0, 0) : key, clip);
    }

    // The backdrop and the clip follow the layout (a new layout follows every load).
    void Prepare(const BarLayout& layout)
    {
        if (drawnSerial == layout.serial)
            return;
        drawnSerial = layout.serial;
        std::memset(backdrop.bits, 0, static_cast<size_t>(backdrop.stride) * backdrop.height);
        const RECT whole = {0, 0, layout.width, layout.height};
        const SkinImage& background = layout.landscape ? skinImages.landscape : skinImages.portrait;
        DrawImage(backdrop, background.bitmap, whole, false, whole, kBackgroundKey);
        DrawImage(backdrop, buttonTable.slots[0].normalImage, layout.start, true, whole);

        // Buttons that do not fit right of the start button are cut off at its edge;
        // the title starts there, so the clip holds for it too.
        clip = RECT{layout.buttonsLeft, 0, layout.width, layout.height};
        SelectClipRgn(dc, nullptr);
        IntersectClipRect(dc, clip.left, clip.top, clip.right, clip.bottom);
    }

    void DrawRecord(const ButtonRecord& record)
    {
        if (record.enabled) {
            // Text drawn so far must be in the pixels before they are written.
            if (textPending)
                FinishText();
            DrawImage(pixels, record.pressed ? record.pressedImage : record.normalImage, record.rect, true, clip);
        }
    }

    void DrawLabel(const wchar_t* text, const RECT& rect, const SkinFont& font)
    {
        RECT r = rect;
        ScopedTextColor color(dc, font.color);
        ScopedSelectObject selected(dc, font.font ? font.font : GetStockObject(DEFAULT_GUI_FONT));
        DrawTextW(dc, text, -1, &r, DT_VCENTER);
        textPending = true;
    }

    void FinishText()
    {
        FinishPendingDrawing();
        textPending = false;
    }
};

std::unique_ptr<BarCanvas> keptCanvas;

BarCanvas* CanvasFor(HDC paintDc, int width, int height)
{
    if (!keptCanvas || !keptCanvas->Fits(width, height)) {
        keptCanvas.reset();
        keptCanvas.reset(new BarCanvas(paintDc, width, height));
    }
    return keptCanvas->ok() ? keptCanvas.get() : nullptr;
}

} // namespace

void ReleaseBarCanvas()
{
    keptCanvas.reset();
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

void DrawTitle(HDC dc, const RECT& rect)
{
    // Buttons wider than the room leave no title rather than a reversed one.
    if (rect.right <= rect.left)
        return;
    RECT r = rect;
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

void PaintBar(HWND window, HDC paintDc)
{
    const BarLayout& layout = barLayout;
    BarCanvas* canvas = CanvasFor(paintDc, layout.width, layout.height);
    if (!canvas)
        return;
    canvas->Prepare(layout);
    std::memcpy(canvas->pixels.bits, canvas->backdrop.bits,
                static_cast<size_t>(canvas->pixels.stride) * canvas->pixels.height);

    for (int slot = firstPaintedSlot; slot < kButtonCount; ++slot) {
        const ButtonRecord& record = buttonTable.slots[slot];
        if (!record.shown)
            continue;
        if (record.id >= BUTTON_MENU && record.id <= BUTTON_DISCONNECT)
            canvas->DrawRecord(record);
        else if (record.id == BUTTON_CLOCK && layout.clockText[0] != L'\0')
            canvas->DrawLabel(layout.clockText, record.rect, timerFont);
        else if (record.id == BUTTON_SIGNAL && PhoneEdition && SignalLevel >= 0 && SignalLevel < kSignalLevels)
            canvas->DrawRecord(signalImages.levels[SignalLevel]);
    }
    DrawTitle(canvas->dc, layout.title);
    canvas->FinishText();
    BitBlt(paintDc, 0, 0, layout.width, layout.height, canvas->dc, 0, 0, SRCCOPY);
    PresentChildWindow(window, canvas->dc, layout.width, layout.height);
}
