// CVOImage: an image file decoded into a bitmap held in its own memory context.
#pragma once
#include <windows.h>
#include "bar/config/vo_string.h"
#include "platform/scoped_win.h"

class CVOImage {
public:
    CVOImage() = default;
    virtual ~CVOImage();
    CVOImage(const CVOImage&) = delete;
    CVOImage& operator=(const CVOImage&) = delete;

    // Decodes path and makes it the held image. Returns 1 when the image is held
    // afterwards (at once when path is the file already held), 0 when the file
    // cannot be opened or decoded; the object is then empty (0 by 0, no bitmap).
    int Load(HDC dc, const wchar_t* path);
    // Copies the held image to target at (x, y): natural size when width and
    // height are both -1, otherwise stretched to them. Plain source copy. Returns 1.
    int Draw(HDC target, int x, int y, int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    HBITMAP Bitmap() const { return bitmap_.get(); }

private:
    void Release();
    int BitDepthOf(HDC dc);

    CVOString fileName_;
    int height_ = 0;
    int width_ = 0;
    // The bitmaps outlive the context that may hold one of them (members go in
    // reverse order), since a selected bitmap cannot be deleted.
    ScopedBitmap bitmap_;
    ScopedBitmap screenBitmap_;  // gives the context the screen's format until the first image
    ScopedMemoryDC memoryDc_;
    // What the memory context held before any image: selected back before the
    // held bitmap is deleted.
    HGDIOBJ initialBitmap_ = nullptr;
    // The depth last asked of a caller's context, and what it was asked of.
    HDC depthDc_ = nullptr;
    HGDIOBJ depthBitmap_ = nullptr;
    int bitDepth_ = 0;
};
