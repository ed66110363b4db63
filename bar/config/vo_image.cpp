// CVOImage: loads a file through the image decoder and draws it.
#include "bar/config/vo_image.h"
#include "platform/colour_stretch.h"
#include "platform/image_decoder.h"
#include "platform/scoped_win.h"
#include <cstring>

namespace {

constexpr DWORD kTransferBytes = 1024;
constexpr int kScalePercent = 100;
constexpr int kMaxImageSide = 10000;

DWORD CALLBACK ReadFromFile(LPSTR buffer, DWORD size, LPARAM callerValue)
{
    DWORD read = 0;
    if (!ReadFile(reinterpret_cast<HANDLE>(callerValue), buffer, size, &read, nullptr))
        return 0;
    return read;
}

void* CALLBACK IgnoreProgress(void* renderObject, BOOL, LPARAM)
{
    return renderObject;
}

}  // namespace

CVOImage::~CVOImage()
{
    Release();
    if (memoryDc_.get())
        SelectObject(memoryDc_.get(), initialBitmap_);
}

void CVOImage::Release()
{
    if (bitmap_.get()) {
        SelectObject(memoryDc_.get(), initialBitmap_);
        bitmap_.reset();
    }
    width_ = 0;
    height_ = 0;
    fileName_.Assign(nullptr);
}

int CVOImage::Load(HDC dc, const wchar_t* path)
{
    if (!dc || !path)
        return 0;
    if (bitmap_.get()) {
        if (fileName_.Text() && fileName_.Equals(path))
            return 1;
        Release();
    }
    if (!memoryDc_.get()) {
        if (!memoryDc_.Create(dc))
            return 0;
        screenBitmap_.reset(CreateCompatibleBitmap(dc, GetDeviceCaps(dc, HORZRES), GetDeviceCaps(dc, VERTRES)));
        initialBitmap_ = screenBitmap_.get() ? SelectObject(memoryDc_.get(), screenBitmap_.get())
                                             : GetCurrentObject(memoryDc_.get(), OBJ_BITMAP);
    }

    ScopedHandle file(CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        return 0;

    BYTE transfer[kTransferBytes] = {};
    DecodeRequest request = {};
    request.size = kDecodeRequestSize;
    request.buffer = transfer;
    request.bufferSize = kTransferBytes;
    request.bytesInBuffer = 0;
    HBITMAP decoded = nullptr;
    request.bitmap = &decoded;
    request.renderObject = nullptr;
    request.bitDepth = DWORD(BitDepthOf(dc));
    request.callerValue = reinterpret_cast<LPARAM>(file.get());
    request.dc = memoryDc_.get();
    request.scale = kScalePercent;
    request.maxWidth = kMaxImageSide;
    request.maxHeight = kMaxImageSide;
    request.read = ReadFromFile;
    request.progress = IgnoreProgress;
    request.transparentColour = kDecodeNoTransparentColour;
    HRESULT hr = DecodeImage(&request);
    bitmap_.reset(decoded);

    // A file that opens but does not decode is treated like a missing one.
    BITMAP info = {};
    HGDIOBJ previous = nullptr;
    if (FAILED(hr) || !bitmap_.get() || !GetObjectW(bitmap_.get(), sizeof(info), &info) || info.bmWidth <= 0 ||
        info.bmHeight == 0 || !(previous = SelectObject(memoryDc_.get(), bitmap_.get()))) {
        bitmap_.reset();
        return 0;
    }
    if (previous == screenBitmap_.get())
        screenBitmap_.reset();
    width_ = info.bmWidth;
    height_ = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
    fileName_.Assign(path);
    return 1;
}

// Asking a context's depth costs Wine a round trip (up to 100 us an image); the answer
// follows the context and the bitmap selected in it.
int CVOImage::BitDepthOf(HDC dc)
{
    HGDIOBJ selected = GetCurrentObject(dc, OBJ_BITMAP);
    if (dc != depthDc_ || selected != depthBitmap_) {
        depthDc_ = dc;
        depthBitmap_ = selected;
        bitDepth_ = GetDeviceCaps(dc, BITSPIXEL);
    }
    return bitDepth_;
}

int CVOImage::Draw(HDC target, int x, int y, int width, int height)
{
    if (!bitmap_.get() || !target)
        return 1;
    if (width == -1 && height == -1) {
        BitBlt(target, x, y, width_, height_, memoryDc_.get(), 0, 0, SRCCOPY);
    } else {
        StretchColourCopy(target, x, y, width, height, memoryDc_.get(), width_, height_);
    }
    return 1;
}
