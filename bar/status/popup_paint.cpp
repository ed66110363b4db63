// Size, skin image and Dialog Title text for the popups.
#include "bar/status/popup_paint.h"
#include "bar/config/fonts.h"
#include "platform/scoped_win.h"

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
    TransparentBlt(dc, target.left, target.top, target.right - target.left, target.bottom - target.top, source.get(), 0,
                   0, image.width, image.height, key);
}

void DrawPopupText(HDC dc, const wchar_t* text, const RECT& r, UINT align)
{
    ScopedTextColor colour(dc, dialogTitleFont.color);
    ScopedBkMode mode(dc, TRANSPARENT);
    ScopedSelectObject font(dc, dialogTitleFont.font ? dialogTitleFont.font : GetStockObject(DEFAULT_GUI_FONT));
    RECT box = r;
    DrawTextW(dc, text, -1, &box, align | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
}
