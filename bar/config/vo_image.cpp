// CVOImage: loads a file through the image decoder and draws it.
#include "bar/config/vo_image.h"
#include "platform/image_decoder.h"
#include "platform/scoped_win.h"

namespace {

constexpr DWORD kTransferBytes = 1024;
constexpr int kScalePercent = 100;
constexpr int kMaxImageSide = 10000;

DWORD CALLBACK ReadFromFile(LPSTR buffer, DWORD size, LPARAM callerValue)
{
    HANDLE file = reinterpret_cast<HANDLE>(callerValue);
    if (file == INVALID_HANDLE_VALUE)
        return 0;
    DWORD read = 0;
    if (!ReadFile(file, buffer, size, &read, nullptr))
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
    if (memoryDc_) {
        SelectObject(memoryDc_, initialBitmap_);
        DeleteDC(memoryDc_);
    }
    if (screenBitmap_)
        DeleteObject(screenBitmap_);
}

void CVOImage::Release()
{
    if (bitmap_) {
        SelectObject(memoryDc_, initialBitmap_);
        DeleteObject(bitmap_);
        bitmap_ = nullptr;
    }
    width_ = 0;
    height_ = 0;
    fileName_.Assign(nullptr);
}

int CVOImage::Load(HDC dc, const wchar_t* path)
{
    if (!dc || !path)
        return 0;
    if (bitmap_) {
        if (fileName_.Text() && fileName_.Equals(path))
            return 1;
        Release();
    }
    if (!memoryDc_) {
        memoryDc_ = CreateCompatibleDC(dc);
        if (!memoryDc_)
            return 0;
        screenBitmap_ = CreateCompatibleBitmap(dc, GetDeviceCaps(dc, HORZRES), GetDeviceCaps(dc, VERTRES));
        initialBitmap_ = screenBitmap_ ? SelectObject(memoryDc_, screenBitmap_)
                                       : GetCurrentObject(memoryDc_, OBJ_BITMAP);
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
    request.bitmap = &bitmap_;
    request.renderObject = nullptr;
    request.bitDepth = DWORD(GetDeviceCaps(dc, BITSPIXEL));
    request.callerValue = reinterpret_cast<LPARAM>(file.get());
    request.dc = memoryDc_;
    request.scale = kScalePercent;
    request.maxWidth = kMaxImageSide;
    request.maxHeight = kMaxImageSide;
    request.read = ReadFromFile;
    request.progress = IgnoreProgress;
    request.transparentColour = kDecodeNoTransparentColour;
    HRESULT hr = DecodeImage(&request);

    // A file that opens but does not decode is treated like a missing one.
    BITMAP info = {};
    HGDIOBJ previous = nullptr;
    if (FAILED(hr) || !bitmap_ || !GetObjectW(bitmap_, sizeof(info), &info) || info.bmWidth <= 0 ||
        info.bmHeight == 0 || !(previous = SelectObject(memoryDc_, bitmap_))) {
        if (bitmap_)
            DeleteObject(bitmap_);
        bitmap_ = nullptr;
        return 0;
    }
    if (previous == screenBitmap_) {
        DeleteObject(screenBitmap_);
        screenBitmap_ = nullptr;
    }
    width_ = info.bmWidth;
    height_ = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
    fileName_.Assign(path);
    return 1;
}

int CVOImage::Draw(HDC target, int x, int y, int width, int height)
{
    if (!bitmap_ || !target)
        return 1;
    if (width == -1 && height == -1) {
        BitBlt(target, x, y, width_, height_, memoryDc_, 0, 0, SRCCOPY);
    } else {
        // The default mode ANDs away rows when shrinking; colour images want them dropped.
        int oldMode = SetStretchBltMode(target, COLORONCOLOR);
        StretchBlt(target, x, y, width, height, memoryDc_, 0, 0, width_, height_, SRCCOPY);
        if (oldMode)
            SetStretchBltMode(target, oldMode);
    }
    return 1;
}
