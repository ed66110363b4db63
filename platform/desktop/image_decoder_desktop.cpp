// The image decoder over Windows Imaging Component: file bytes come only from the
// request's read callback, pixels go into a DIB section of the requested depth.
// On the device: IMGDECMP.DLL ordinal 1, DecompressImageIndirect, over the same request.
#include "platform/image_decoder.h"
#include "platform/image_header.h"
#include "platform/scoped_win.h"
#include <wincodec.h>
#include <cstring>
#include <vector>

namespace {

// COM is needed once per thread and stays for the thread's life. A thread that
// already chose the other apartment model is fine for WIC's in-process objects.
bool EnsureCom()
{
    thread_local HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    return SUCCEEDED(hr) || hr == RPC_E_CHANGED_MODE;
}

// One factory per thread, kept for the thread's life: creating it costs more than
// decoding a skin image. Never released; COM stays initialised as long.
IWICImagingFactory* Factory()
{
    thread_local IWICImagingFactory* factory = nullptr;
    if (!factory && FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                            IID_PPV_ARGS(&factory))))
        factory = nullptr;
    return factory;
}

bool ValidRequest(const DecodeRequest* r)
{
    return r && r->size == kDecodeRequestSize && r->bitmap && r->read && r->buffer &&
           r->bufferSize > 0;
}

UINT ScaledSize(UINT natural, int scale)
{
    if (scale <= 0 || scale == 100)
        return natural;
    unsigned long long s = (unsigned long long)natural * (unsigned)scale / 100u;
    if (s == 0) return 1;
    return s > 0x7FFFFFFFull ? 0x7FFFFFFFu : (UINT)s;
}

bool FitsLimits(const DecodeRequest& r, UINT naturalW, UINT naturalH)
{
    UINT w = ScaledSize(naturalW, r.scale), h = ScaledSize(naturalH, r.scale);
    return r.maxWidth > 0 && r.maxHeight > 0 && w <= (UINT)r.maxWidth && h <= (UINT)r.maxHeight;
}

// Whether the header already rules the image out. WIC under Wine unpacks a whole
// PNG, JPEG or GIF when it opens it, before anyone can ask the size: a 20000 x 20000
// PNG of a few hundred kilobytes took seconds of CPU before it was refused.
bool HeaderRefuses(const DecodeRequest& r, const std::vector<BYTE>& data)
{
    ImageExtent extent = ReadImageExtent(data.data(), data.size());
    if (extent.state == ExtentState::Unknown)
        return false;
    if (extent.state == ExtentState::Known && (extent.width == 0 || extent.height == 0))
        return true;
    return !FitsLimits(r, extent.width, extent.height);
}

enum class Gathered { Whole, TooLong, Refused };

// The whole file, pulled through the callback. The header is looked at while the
// bytes come in (at doubling sizes, so a long walk costs little), and reading stops
// as soon as it refuses the image.
Gathered GatherFile(const DecodeRequest& r, std::vector<BYTE>& data)
{
    if (r.bytesInBuffer > 0)
        data.assign(r.buffer, r.buffer + (r.bytesInBuffer < r.bufferSize ? r.bytesInBuffer : r.bufferSize));
    size_t nextLook = 0;
    for (;;) {
        if (data.size() >= nextLook && !data.empty()) {
            if (HeaderRefuses(r, data))
                return Gathered::Refused;
            nextLook = data.size() * 2;
        }
        DWORD got = r.read(reinterpret_cast<LPSTR>(r.buffer), r.bufferSize, r.callerValue);
        if (got == 0)
            return HeaderRefuses(r, data) ? Gathered::Refused : Gathered::Whole;
        if (got > r.bufferSize)  // a callback that claims more than it was given
            got = r.bufferSize;
        if (data.size() + got > kDecodeMaxFileBytes)
            return Gathered::TooLong;
        data.insert(data.end(), r.buffer, r.buffer + got);
    }
}

// WIC converts to 24 and 32 bits only; a 16-bit bitmap is filled from 32-bit
// pixels by GDI.
struct Target {
    WICPixelFormatGUID format;  // what WIC delivers
    WORD wicBits;
    WORD bits;                  // what the bitmap holds
};

Target TargetFor(DWORD bitDepth)
{
    if (bitDepth == 32) return {GUID_WICPixelFormat32bppBGR, 32, 32};
    if (bitDepth == 16) return {GUID_WICPixelFormat32bppBGR, 32, 16};
    return {GUID_WICPixelFormat24bppBGR, 24, 24};
}

UINT Stride(UINT width, WORD bits)
{
    return UINT(((unsigned long long)width * bits + 31) / 32 * 4);
}

BITMAPINFO TopDownInfo(UINT width, UINT height, WORD bits)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = LONG(width);
    info.bmiHeader.biHeight = -LONG(height);  // top-down: rows land as WIC writes them
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = bits;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// Fills bitmap from source; truncated or damaged pixel data fails here, after the
// header was accepted.
bool FillBitmap(const DecodeRequest& r, IWICBitmapSource* source, const Target& target, UINT w, UINT h,
                HBITMAP bitmap, BYTE* bits)
{
    UINT stride = Stride(w, target.wicBits);
    if (target.wicBits == target.bits)
        return SUCCEEDED(source->CopyPixels(nullptr, stride, stride * h, bits));
    std::vector<BYTE> staging;
    try {
        staging.resize(size_t(stride) * h);
    } catch (...) {
        return false;
    }
    if (FAILED(source->CopyPixels(nullptr, stride, UINT(staging.size()), staging.data())))
        return false;
    BITMAPINFO info = TopDownInfo(w, h, target.wicBits);
    return SetDIBits(r.dc, bitmap, 0, h, staging.data(), &info, DIB_RGB_COLORS) == int(h);
}

// An uncompressed 24-bit BMP, the skins' usual format, copied by GDI straight into
// the DIB section: WIC takes about 150 us a file under Wine, this about 10. Any
// other file, a scaled request or a BMP whose pixels do not all fit gives 0 and
// goes through WIC, which then decides as before.
HBITMAP DecodePlainBmp(const DecodeRequest& r, const std::vector<BYTE>& data)
{
    BITMAPFILEHEADER file;
    BITMAPINFO header = {};
    if ((r.scale > 0 && r.scale != 100) || data.size() < sizeof(file) + sizeof(header.bmiHeader))
        return nullptr;
    std::memcpy(&file, data.data(), sizeof(file));
    std::memcpy(&header.bmiHeader, data.data() + sizeof(file), sizeof(header.bmiHeader));
    const BITMAPINFOHEADER& h = header.bmiHeader;
    if (file.bfType != 0x4D42 || h.biSize != sizeof(BITMAPINFOHEADER) || h.biPlanes != 1 || h.biBitCount != 24 ||
        h.biCompression != BI_RGB || h.biWidth <= 0 || h.biHeight == 0 || h.biHeight == LONG(0x80000000))
        return nullptr;
    const UINT width = UINT(h.biWidth), height = UINT(h.biHeight < 0 ? -h.biHeight : h.biHeight);
    if (!FitsLimits(r, width, height))
        return nullptr;
    const unsigned long long pixelBytes = (unsigned long long)Stride(width, 24) * height;
    if (file.bfOffBits < sizeof(file) + sizeof(h) || file.bfOffBits > data.size() ||
        pixelBytes > data.size() - file.bfOffBits)
        return nullptr;
    const Target target = TargetFor(r.bitDepth);
    BITMAPINFO info = TopDownInfo(width, height, target.bits);
    void* bits = nullptr;
    ScopedBitmap bitmap(CreateDIBSection(r.dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (bitmap.get() &&
        SetDIBits(r.dc, bitmap.get(), 0, height, data.data() + file.bfOffBits, &header, DIB_RGB_COLORS) == int(height))
        return bitmap.release();
    return nullptr;
}

// Decodes data into a new DIB section, or returns 0.
HBITMAP DecodeBytes(const DecodeRequest& r, std::vector<BYTE>& data)
{
    if (data.empty())
        return nullptr;
    if (HBITMAP plain = DecodePlainBmp(r, data))
        return plain;
    IWICImagingFactory* factory = Factory();
    if (!factory)
        return nullptr;
    ComRef<IWICStream> stream;
    ComRef<IWICBitmapDecoder> decoder;
    ComRef<IWICBitmapFrameDecode> frame;
    if (FAILED(factory->CreateStream(stream.out())) ||
        FAILED(stream->InitializeFromMemory(data.data(), (DWORD)data.size())) ||
        FAILED(factory->CreateDecoderFromStream(stream.get(), nullptr, WICDecodeMetadataCacheOnDemand,
                                                decoder.out())) ||
        FAILED(decoder->GetFrame(0, frame.out())))
        return nullptr;

    UINT naturalW = 0, naturalH = 0;
    if (FAILED(frame->GetSize(&naturalW, &naturalH)) || naturalW == 0 || naturalH == 0)
        return nullptr;
    if (!FitsLimits(r, naturalW, naturalH))
        return nullptr;
    UINT w = ScaledSize(naturalW, r.scale), h = ScaledSize(naturalH, r.scale);

    IWICBitmapSource* source = frame.get();
    ComRef<IWICBitmapScaler> scaler;
    if (w != naturalW || h != naturalH) {
        if (FAILED(factory->CreateBitmapScaler(scaler.out())) ||
            FAILED(scaler->Initialize(frame.get(), w, h, WICBitmapInterpolationModeFant)))
            return nullptr;
        source = scaler.get();
    }
    Target target = TargetFor(r.bitDepth);
    ComRef<IWICFormatConverter> converter;
    if (FAILED(factory->CreateFormatConverter(converter.out())) ||
        FAILED(converter->Initialize(source, target.format, WICBitmapDitherTypeNone, nullptr, 0.0,
                                     WICBitmapPaletteTypeCustom)))
        return nullptr;

    if ((unsigned long long)w * 4 * h > 0x7FFFFFFFull)
        return nullptr;
    BITMAPINFO info = TopDownInfo(w, h, target.bits);
    void* bits = nullptr;
    ScopedBitmap bitmap(CreateDIBSection(r.dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap.get() || !bits || !FillBitmap(r, converter.get(), target, w, h, bitmap.get(), static_cast<BYTE*>(bits)))
        return nullptr;
    return bitmap.release();
}

}  // namespace

HRESULT DecodeImage(DecodeRequest* request)
{
    if (request && request->bitmap)
        *request->bitmap = nullptr;
    if (!ValidRequest(request))
        return E_INVALIDARG;
    if (!EnsureCom())
        return E_FAIL;
    HBITMAP bitmap = nullptr;
    try {
        std::vector<BYTE> data;
        Gathered gathered = GatherFile(*request, data);
        if (gathered == Gathered::TooLong)
            return E_OUTOFMEMORY;
        if (gathered == Gathered::Refused)
            return E_FAIL;
        bitmap = DecodeBytes(*request, data);
    } catch (...) {  // only allocation can throw here
        return E_OUTOFMEMORY;
    }
    if (!bitmap)
        return E_FAIL;
    *request->bitmap = bitmap;
    if (request->progress)
        request->progress(nullptr, TRUE, request->callerValue);
    return S_OK;
}
