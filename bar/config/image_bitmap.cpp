// LoadImageBitmap: decodes with a CVOImage and copies the result into a 24-bit DIB.
#include "bar/config/image_bitmap.h"
#include "bar/config/vo_image.h"
#include "platform/scoped_win.h"

HBITMAP LoadImageBitmap(HWND window, const wchar_t* path)
{
    ScopedGetDC windowDc(window);
    if (!windowDc.get())
        return nullptr;
    // Both memory contexts go in every case, also when there is no image.
    ScopedMemoryDC target(windowDc.get());
    ScopedMemoryDC reference(windowDc.get());
    if (!target.get() || !reference.get())
        return nullptr;
    CVOImage image;
    image.Load(reference.get(), path);
    if (image.Width() <= 0 || image.Height() <= 0)
        return nullptr;

    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = image.Width();
    info.bmiHeader.biHeight = image.Height();  // bottom-up
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(windowDc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!section)
        return nullptr;
    {
        ScopedSelectObject selected(target.get(), section);
        image.Draw(target.get(), 0, 0, -1, -1);
    }
    GdiFlush();  // callers may read the bits directly
    return section;
}
