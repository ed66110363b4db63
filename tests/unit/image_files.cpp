// Test images written at test time: hand-made BMPs, WIC-encoded PNG, JPEG and GIF.
#include "tests/unit/image_files.h"
#include <wincodec.h>
#include <algorithm>
#include <cstring>

TestPixels GradientPixels(int width, int height)
{
    TestPixels p;
    p.width = width;
    p.height = height;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            p.colours.push_back(RGB((x * 37 + 11) & 0xFF, (y * 53 + 7) & 0xFF, ((x + y) * 19 + 3) & 0xFF));
    return p;
}

TestPixels NoisePixels(int width, int height)
{
    TestPixels p;
    p.width = width;
    p.height = height;
    unsigned state = 12345;
    for (int i = 0; i < width * height; ++i) {
        state = state * 1103515245u + 12345u;
        p.colours.push_back(COLORREF((state >> 8) & 0xFFFFFF));
    }
    return p;
}

TestPixels QuadrantPixels(int side)
{
    TestPixels p;
    p.width = p.height = side;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            bool right = x >= side / 2, bottom = y >= side / 2;
            p.colours.push_back(!bottom ? (right ? RGB(0, 255, 0) : RGB(255, 0, 0))
                                        : (right ? RGB(255, 255, 255) : RGB(0, 0, 255)));
        }
    return p;
}

TempFolder::TempFolder()
{
    wchar_t base[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, base);
    static LONG counter = 0;
    wchar_t name[64] = {};
    swprintf(name, 64, L"velkis-img-%lu-%ld", GetCurrentProcessId(), InterlockedIncrement(&counter));
    folder_ = std::wstring(base) + name;
    CreateDirectoryW(folder_.c_str(), nullptr);
}

TempFolder::~TempFolder()
{
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW((folder_ + L"\\*").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                DeleteFileW(Path(found.cFileName).c_str());
        } while (FindNextFileW(find, &found));
        FindClose(find);
    }
    RemoveDirectoryW(folder_.c_str());
}

bool WriteBytes(const std::wstring& path, const std::vector<BYTE>& bytes)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    BOOL ok = bytes.empty() || WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == bytes.size();
}

std::vector<BYTE> ReadBytes(const std::wstring& path)
{
    std::vector<BYTE> bytes;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return bytes;
    bytes.resize(GetFileSize(file, nullptr));
    DWORD read = 0;
    if (!bytes.empty() && !ReadFile(file, bytes.data(), DWORD(bytes.size()), &read, nullptr))
        read = 0;
    bytes.resize(read);
    CloseHandle(file);
    return bytes;
}

namespace {

void Put16(std::vector<BYTE>& out, unsigned v) { out.push_back(BYTE(v)); out.push_back(BYTE(v >> 8)); }
void Put32(std::vector<BYTE>& out, unsigned v) { Put16(out, v & 0xFFFF); Put16(out, v >> 16); }

std::vector<BYTE> BgrRows(const TestPixels& p, int& stride)
{
    stride = p.width * 3;
    std::vector<BYTE> rows;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) {
            COLORREF c = p.at(x, y);
            rows.push_back(GetBValue(c));
            rows.push_back(GetGValue(c));
            rows.push_back(GetRValue(c));
        }
    return rows;
}

template <typename T>
struct Ref {
    T* p = nullptr;
    ~Ref() { if (p) p->Release(); }
    T* operator->() const { return p; }
};

}  // namespace

std::vector<BYTE> EncodeBmp24(const TestPixels& p)
{
    int stride = (p.width * 3 + 3) & ~3;
    std::vector<BYTE> out;
    out.push_back('B');
    out.push_back('M');
    Put32(out, 54 + stride * p.height);
    Put32(out, 0);
    Put32(out, 54);
    Put32(out, 40);
    Put32(out, p.width);
    Put32(out, p.height);  // bottom-up
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, BI_RGB);
    Put32(out, stride * p.height);
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = p.height - 1; y >= 0; --y) {
        for (int x = 0; x < p.width; ++x) {
            COLORREF c = p.at(x, y);
            out.push_back(GetBValue(c));
            out.push_back(GetGValue(c));
            out.push_back(GetRValue(c));
        }
        for (int pad = p.width * 3; pad < stride; ++pad)
            out.push_back(0);
    }
    return out;
}

std::vector<BYTE> EncodeWithWic(const GUID& container, const TestPixels& p)
{
    std::vector<BYTE> result;
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    Ref<IWICImagingFactory> factory;
    Ref<IStream> stream;
    Ref<IWICBitmapEncoder> encoder;
    Ref<IWICBitmapFrameEncode> frame;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory.p))) ||
        FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &stream.p)) ||
        FAILED(factory->CreateEncoder(container, nullptr, &encoder.p)) ||
        FAILED(encoder->Initialize(stream.p, WICBitmapEncoderNoCache)) ||
        FAILED(encoder->CreateNewFrame(&frame.p, nullptr)) ||
        FAILED(frame->Initialize(nullptr)) ||
        FAILED(frame->SetSize(p.width, p.height)))
        return result;

    bool indexed = IsEqualGUID(container, GUID_ContainerFormatGif);
    WICPixelFormatGUID format = indexed ? GUID_WICPixelFormat8bppIndexed : GUID_WICPixelFormat24bppBGR;
    if (FAILED(frame->SetPixelFormat(&format)))
        return result;
    int stride = 0;
    std::vector<BYTE> rows = BgrRows(p, stride);
    if (indexed) {
        std::vector<WICColor> palette;
        std::vector<BYTE> indices;
        for (COLORREF c : p.colours) {
            WICColor w = 0xFF000000u | (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
            size_t i = 0;
            while (i < palette.size() && palette[i] != w) ++i;
            if (i == palette.size()) palette.push_back(w);
            indices.push_back(BYTE(i));
        }
        Ref<IWICPalette> wicPalette;
        if (palette.size() > 256 || FAILED(factory->CreatePalette(&wicPalette.p)) ||
            FAILED(wicPalette->InitializeCustom(palette.data(), UINT(palette.size()))) ||
            FAILED(frame->SetPalette(wicPalette.p)))
            return result;
        rows = indices;
        stride = p.width;
    }
    if (FAILED(frame->WritePixels(p.height, stride, UINT(rows.size()), rows.data())) ||
        FAILED(frame->Commit()) || FAILED(encoder->Commit()))
        return result;

    HGLOBAL memory = nullptr;
    if (FAILED(GetHGlobalFromStream(stream.p, &memory)))
        return result;
    STATSTG stat = {};
    stream->Stat(&stat, STATFLAG_NONAME);
    const BYTE* bytes = static_cast<const BYTE*>(GlobalLock(memory));
    if (bytes)
        result.assign(bytes, bytes + stat.cbSize.QuadPart);
    GlobalUnlock(memory);
    return result;
}

COLORREF SectionPixel(HBITMAP section, int x, int y, bool bottomUp)
{
    DIBSECTION dib = {};
    if (GetObjectW(section, sizeof(dib), &dib) != sizeof(dib) || !dib.dsBm.bmBits)
        return CLR_INVALID;
    GdiFlush();
    int height = dib.dsBm.bmHeight;
    int row = bottomUp ? height - 1 - y : y;
    int bytesPerPixel = dib.dsBm.bmBitsPixel / 8;
    const BYTE* p = static_cast<const BYTE*>(dib.dsBm.bmBits) + size_t(row) * dib.dsBm.bmWidthBytes + size_t(x) * bytesPerPixel;
    return RGB(p[2], p[1], p[0]);
}

DWORD CALLBACK ReadMemory(LPSTR buffer, DWORD size, LPARAM callerValue)
{
    MemorySource* source = reinterpret_cast<MemorySource*>(callerValue);
    ++source->calls;
    source->largestAsk = std::max(source->largestAsk, size);
    if (source->endless) {
        memset(buffer, 0x42, size);
        return size;
    }
    DWORD n = DWORD(std::min<size_t>(source->data.size() - source->position, size));
    memcpy(buffer, source->data.data() + source->position, n);
    source->position += n;
    return n;
}
