// LoadImageBitmap: decodes with a CVOImage and copies the result into a 24-bit DIB.
#include "bar/config/image_bitmap.h"

ImageBitmapLoader::ImageBitmapLoader(HWND window)
    : windowDc_(window), target_(windowDc_.get()), reference_(windowDc_.get())
{
}

HBITMAP ImageBitmapLoader::Load(const wchar_t* path)
{
    if (!target_.get() || !reference_.get() || !path)
        return nullptr;
    // A file that cannot be held leaves the image empty (0 by 0).
    image_.Load(reference_.get(), path);
    if (image_.Width() <= 0 || image_.Height() <= 0)
        return nullptr;

    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = image_.Width();
    info.bmiHeader.biHeight = image_.Height();  // bottom-up
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(windowDc_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!section)
        return nullptr;
    {
        ScopedSelectObject selected(target_.get(), section);
        image_.Draw(target_.get(), 0, 0, -1, -1);
    }
    GdiFlush();  // callers may read the bits directly
    return section;
}

HBITMAP LoadImageBitmap(HWND window, const wchar_t* path)
{
    return ImageBitmapLoader(window).Load(path);
}
