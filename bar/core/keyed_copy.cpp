// Colour-keyed copies for painting the bar: one pass over the target's pixels.
#include "bar/core/keyed_copy.h"

namespace {

BYTE* RowOf(const PixelView& view, int y)
{
    int row = view.bottomUp ? view.height - 1 - y : y;
    return view.bits + static_cast<ptrdiff_t>(row) * view.stride;
}

int Max(int a, int b) { return a > b ? a : b; }
int Min(int a, int b) { return a < b ? a : b; }

} // namespace

bool ViewOfBitmap(HBITMAP bitmap, PixelView* view)
{
    DIBSECTION dib;
    if (!bitmap || GetObjectW(bitmap, sizeof(dib), &dib) != sizeof(dib) || !dib.dsBm.bmBits)
        return false;
    int bitsPerPixel = dib.dsBm.bmBitsPixel;
    if (bitsPerPixel != 24 && bitsPerPixel != 32)
        return false;
    view->bits = static_cast<BYTE*>(dib.dsBm.bmBits);
    view->width = dib.dsBm.bmWidth;
    view->height = dib.dsBm.bmHeight < 0 ? -dib.dsBm.bmHeight : dib.dsBm.bmHeight;
    view->stride = dib.dsBm.bmWidthBytes;
    view->bytesPerPixel = bitsPerPixel / 8;
    view->bottomUp = dib.dsBmih.biHeight > 0;
    return view->width > 0 && view->height > 0;
}

COLORREF PixelAt(const PixelView& view, int x, int y)
{
    const BYTE* p = RowOf(view, y) + x * view.bytesPerPixel;
    return RGB(p[2], p[1], p[0]);
}

void CopyKeyed(const PixelView& src, const PixelView& dst, const RECT& target, COLORREF key, const RECT& clip)
{
    int targetWidth = target.right - target.left;
    int targetHeight = target.bottom - target.top;
    if (targetWidth <= 0 || targetHeight <= 0 || src.width <= 0 || src.height <= 0)
        return;
    int left = Max(Max(target.left, clip.left), 0);
    int right = Min(Min(target.right, clip.right), dst.width);
    int top = Max(Max(target.top, clip.top), 0);
    int bottom = Min(Min(target.bottom, clip.bottom), dst.height);
    const BYTE keyBlue = GetBValue(key), keyGreen = GetGValue(key), keyRed = GetRValue(key);
    for (int y = top; y < bottom; ++y) {
        int sy = static_cast<int>(static_cast<long long>(y - target.top) * src.height / targetHeight);
        const BYTE* srcRow = RowOf(src, sy);
        BYTE* dstRow = RowOf(dst, y);
        for (int x = left; x < right; ++x) {
            int sx = static_cast<int>(static_cast<long long>(x - target.left) * src.width / targetWidth);
            const BYTE* s = srcRow + sx * src.bytesPerPixel;
            if (s[0] == keyBlue && s[1] == keyGreen && s[2] == keyRed)
                continue;
            BYTE* d = dstRow + x * dst.bytesPerPixel;
            d[0] = s[0];
            d[1] = s[1];
            d[2] = s[2];
        }
    }
}
