// Screen capture through the screen device context; PNG encoding through WIC.
#include "emulator/lib/screen_capture.h"
#include <wincodec.h>

namespace emu {

RECT ScreenRect()
{
    return RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

std::vector<COLORREF> CaptureScreen(const RECT& r)
{
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (w <= 0 || h <= 0)
        return {};
    HDC screen = GetDC(nullptr);
    if (!screen)
        return {};
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;   // top-down rows
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC mem = CreateCompatibleDC(screen);
    std::vector<COLORREF> out;
    if (dib && mem && bits) {
        HGDIOBJ old = SelectObject(mem, dib);
        if (BitBlt(mem, 0, 0, w, h, screen, r.left, r.top, SRCCOPY)) {
            GdiFlush();
            const BYTE* p = static_cast<const BYTE*>(bits);
            out.resize(static_cast<size_t>(w) * h);
            for (size_t i = 0; i < out.size(); ++i)
                out[i] = RGB(p[i * 4 + 2], p[i * 4 + 1], p[i * 4]);
        }
        SelectObject(mem, old);
    }
    if (mem) DeleteDC(mem);
    if (dib) DeleteObject(dib);
    ReleaseDC(nullptr, screen);
    return out;
}

namespace {

template <class T> struct ComPtr {
    T* p = nullptr;
    ~ComPtr() { if (p) p->Release(); }
    T** operator&() { return &p; }
    T* operator->() const { return p; }
};

bool Encode(const std::wstring& path, const std::vector<BYTE>& rgb, int width, int height)
{
    ComPtr<IWICImagingFactory> factory;
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapEncoder> encoder;
    ComPtr<IWICBitmapFrameEncode> frame;
    ComPtr<IPropertyBag2> props;
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    const UINT stride = static_cast<UINT>(width) * 3;
    return SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_IWICImagingFactory, reinterpret_cast<void**>(&factory)))
        && SUCCEEDED(factory->CreateStream(&stream))
        && SUCCEEDED(stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE))
        && SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder))
        && SUCCEEDED(encoder->Initialize(stream.p, WICBitmapEncoderNoCache))
        && SUCCEEDED(encoder->CreateNewFrame(&frame, &props))
        && SUCCEEDED(frame->Initialize(props.p))
        && SUCCEEDED(frame->SetSize(width, height))
        && SUCCEEDED(frame->SetPixelFormat(&format))
        && IsEqualGUID(format, GUID_WICPixelFormat24bppBGR)
        && SUCCEEDED(frame->WritePixels(height, stride, stride * height, const_cast<BYTE*>(rgb.data())))
        && SUCCEEDED(frame->Commit())
        && SUCCEEDED(encoder->Commit());
}

} // namespace

bool WritePng(const std::wstring& path, const std::vector<COLORREF>& pixels, int width, int height)
{
    if (width <= 0 || height <= 0 || pixels.size() != static_cast<size_t>(width) * height)
        return false;
    std::vector<BYTE> bgr(pixels.size() * 3);
    for (size_t i = 0; i < pixels.size(); ++i) {
        bgr[i * 3] = GetBValue(pixels[i]);
        bgr[i * 3 + 1] = GetGValue(pixels[i]);
        bgr[i * 3 + 2] = GetRValue(pixels[i]);
    }
    const HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const bool ok = Encode(path, bgr, width, height);
    if (SUCCEEDED(init))
        CoUninitialize();
    return ok;
}

} // namespace emu
