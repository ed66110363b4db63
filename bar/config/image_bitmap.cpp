// LoadImageBitmap: decodes with a CVOImage and copies the result into a 24-bit DIB.
#include "bar/config/image_bitmap.h"
#include "bar/config/vo_image.h"

namespace {

class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() { if (dc_) ReleaseDC(window_, dc_); }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return dc_; }
private:
    HWND window_;
    HDC dc_;
};

class MemoryDc {
public:
    explicit MemoryDc(HDC reference) : dc_(reference ? CreateCompatibleDC(reference) : nullptr) {}
    ~MemoryDc() { if (dc_) DeleteDC(dc_); }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    HDC get() const { return dc_; }
private:
    HDC dc_;
};

}  // namespace

HBITMAP LoadImageBitmap(HWND window, const wchar_t* path)
{
    WindowDc windowDc(window);
    if (!windowDc.get())
        return nullptr;
    // Both memory contexts go in every case, also when there is no image.
    MemoryDc target(windowDc.get());
    MemoryDc reference(windowDc.get());
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
    HGDIOBJ previous = SelectObject(target.get(), section);
    image.Draw(target.get(), 0, 0, -1, -1);
    SelectObject(target.get(), previous);
    GdiFlush();  // callers may read the bits directly
    return section;
}
