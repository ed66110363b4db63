// Reading bitmaps back as COLORREF rows.
#include "tools/preview/preview_pixels.h"
#include "bar/config/image_bitmap.h"
#include "bar/config/skin.h"
#include "platform/scoped_win.h"

std::vector<COLORREF> BitmapPixels(HBITMAP bitmap, SIZE* size)
{
    std::vector<COLORREF> pixels;
    *size = BitmapSize(bitmap);
    if (!bitmap || size->cx <= 0)
        return pixels;
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), size->cx, -size->cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<DWORD> raw(size_t(size->cx) * size->cy);
    ScopedGetDC screen(nullptr);
    if (GetDIBits(screen.get(), bitmap, 0, size->cy, raw.data(), &info, DIB_RGB_COLORS) != size->cy)
        return pixels;
    pixels.reserve(raw.size());
    for (DWORD p : raw)
        pixels.push_back(RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
    return pixels;
}

std::vector<COLORREF> FilePixels(const std::wstring& path, SIZE* size)
{
    HBITMAP bitmap = LoadImageBitmap(nullptr, path.c_str());
    std::vector<COLORREF> pixels = BitmapPixels(bitmap, size);
    if (bitmap)
        DeleteObject(bitmap);
    return pixels;
}
