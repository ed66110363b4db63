// LoadImageBitmap: decodes with a CVOImage and copies the result into a 24-bit DIB.
#include "bar/config/image_bitmap.h"
#include "bar/config/kept_image_files.h"
#include "platform/pending_drawing.h"
#include <cstring>

namespace {

HBITMAP CreateSection24(HDC dc, int width, int height, void** bits)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // bottom-up
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    *bits = nullptr;
    HBITMAP section = CreateDIBSection(dc, &info, DIB_RGB_COLORS, bits, nullptr, 0);
    if (section && !*bits) {
        DeleteObject(section);
        return nullptr;
    }
    return section;
}

} // namespace

ImageBitmapLoader::ImageBitmapLoader(HWND window)
    : windowDc_(window), target_(windowDc_.get()), reference_(windowDc_.get())
{
}

HBITMAP ImageBitmapLoader::Load(const wchar_t* path)
{
    if (!target_.get() || !reference_.get() || !path)
        return nullptr;
    // An unchanged file read before is not decoded again.
    const ImageFileLookup lookup = LookUpImageFile(path);
    void* bits = nullptr;
    if (lookup.kept) {
        const KeptImage& kept = *lookup.kept;
        HBITMAP section = CreateSection24(windowDc_.get(), kept.width, kept.height, &bits);
        if (section)
            std::memcpy(bits, kept.rows.data(), kept.rows.size());
        return section;
    }

    // A file that cannot be held leaves the image empty (0 by 0).
    image_.Load(reference_.get(), path);
    if (image_.Width() <= 0 || image_.Height() <= 0)
        return nullptr;
    HBITMAP section = CreateSection24(windowDc_.get(), image_.Width(), image_.Height(), &bits);
    if (!section)
        return nullptr;
    {
        ScopedSelectObject selected(target_.get(), section);
        image_.Draw(target_.get(), 0, 0, -1, -1);
    }
    FinishPendingDrawing();  // callers may read the bits directly
    KeepImage(path, lookup, image_.Width(), image_.Height(), static_cast<const BYTE*>(bits));
    return section;
}

HBITMAP LoadImageBitmap(HWND window, const wchar_t* path)
{
    return ImageBitmapLoader(window).Load(path);
}
