// Size, skin image and Dialog Title text for the popups.
#include "bar/status/popup_paint.h"
#include "bar/config/fonts.h"
#include "platform/scoped_win.h"
#include "platform/transparent_image.h"

SIZE PopupSize(HWND dialog, const SkinImage& image)
{
    if (image.bitmap && image.width > 0 && image.height > 0)
        return SIZE{image.width * ImageScale, image.height * ImageScale};
    RECT r;
    GetWindowRect(dialog, &r);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

void DrawPopupImage(HDC dc, const SkinImage& image, const RECT& target, COLORREF key)
{
    if (!image.bitmap || image.width <= 0 || image.height <= 0)
        return;
    ScopedMemoryDC source(dc);
    ScopedSelectObject selected(source.get(), image.bitmap);
    if (!selected.ok())
        return;
    TransparentImage(dc, target.left, target.top, target.right - target.left, target.bottom - target.top, source.get(),
                     0, 0, image.width, image.height, key);
}

namespace {

HGDIOBJ PopupFont()
{
    return dialogTitleFont.font ? static_cast<HGDIOBJ>(dialogTitleFont.font) : GetStockObject(DEFAULT_GUI_FONT);
}

} // namespace

void DrawPopupText(HDC dc, const wchar_t* text, const RECT& r, UINT align)
{
    ScopedTextColor colour(dc, dialogTitleFont.color);
    ScopedBkMode mode(dc, TRANSPARENT);
    ScopedSelectObject font(dc, PopupFont());
    RECT box = r;
    DrawTextW(dc, text, -1, &box, align | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
}

void DrawPopupLabelledValue(HDC dc, const wchar_t* label, const wchar_t* value, const RECT& r, int gap)
{
    SIZE size = {0, 0};
    {
        ScopedSelectObject font(dc, PopupFont());
        GetTextExtentPoint32W(dc, value, lstrlenW(value), &size);
    }
    DrawPopupText(dc, value, r, DT_RIGHT);
    RECT room = r;
    room.right = r.right - size.cx - gap;
    if (room.right > room.left)
        DrawPopupText(dc, label, room, DT_LEFT | DT_END_ELLIPSIS);
}
