// LoadImageBitmap: an image file as a plain 24-bit bitmap owned by the caller.
#pragma once
#include <windows.h>
#include "bar/config/vo_image.h"
#include "platform/scoped_win.h"

// Returns a bottom-up 24-bit DIB section of the image's natural size, or 0 when
// the file is missing or cannot be decoded. A null window means the screen. The
// caller deletes the bitmap.
HBITMAP LoadImageBitmap(HWND window, const wchar_t* path);

// LoadImageBitmap for many files of one window: the window's context, the two
// memory contexts and the CVOImage are made once, not for every file (a skin's
// thirty images spent most of a reload making them). A file named twice is decoded
// once, and an unchanged file decoded by an earlier load not at all
// (bar/config/kept_image_files.h).
class ImageBitmapLoader {
public:
    explicit ImageBitmapLoader(HWND window);
    ImageBitmapLoader(const ImageBitmapLoader&) = delete;
    ImageBitmapLoader& operator=(const ImageBitmapLoader&) = delete;
    HBITMAP Load(const wchar_t* path);

private:
    ScopedGetDC windowDc_;
    ScopedMemoryDC target_;
    ScopedMemoryDC reference_;
    CVOImage image_;
};
