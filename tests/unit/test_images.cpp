// Image loading: the decoder behind the request record, CVOImage, LoadImageBitmap, CVOString.
#include <gtest/gtest.h>
#include <wincodec.h>
#include <algorithm>
#include <cstdlib>
#include "bar/config/image_bitmap.h"
#include "bar/config/vo_image.h"
#include "bar/config/vo_string.h"
#include "platform/image_decoder.h"
#include "tests/unit/gdi_count.h"
#include "tests/unit/image_files.h"

namespace {

int ChannelDistance(COLORREF a, COLORREF b)
{
    int d = abs(int(GetRValue(a)) - int(GetRValue(b)));
    d = std::max(d, abs(int(GetGValue(a)) - int(GetGValue(b))));
    return std::max(d, abs(int(GetBValue(a)) - int(GetBValue(b))));
}

void ExpectNaturalDib(HBITMAP bitmap, int width, int height)
{
    ASSERT_NE(bitmap, nullptr);
    DIBSECTION dib = {};
    ASSERT_EQ(GetObjectW(bitmap, sizeof(dib), &dib), int(sizeof(dib)));
    EXPECT_EQ(dib.dsBm.bmWidth, width);
    EXPECT_EQ(dib.dsBm.bmHeight, height);
    EXPECT_EQ(dib.dsBm.bmBitsPixel, 24);
}

// Reading rows bottom-up also proves the row order of the bitmaps handed out.
void ExpectSamePixels(HBITMAP bitmap, const TestPixels& pixels, int tolerance = 0, bool bottomUp = true)
{
    for (int y = 0; y < pixels.height; ++y)
        for (int x = 0; x < pixels.width; ++x)
            ASSERT_LE(ChannelDistance(SectionPixel(bitmap, x, y, bottomUp), pixels.at(x, y)), tolerance)
                << "pixel " << x << "," << y;
}

// A 24-bit bottom-up surface to draw into and read back.
struct DrawSurface {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP section = nullptr;
    HGDIOBJ previous = nullptr;
    DrawSurface(int width, int height, COLORREF fill)
    {
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        section = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        previous = SelectObject(dc, section);
        HBRUSH brush = CreateSolidBrush(fill);
        RECT all = {0, 0, width, height};
        FillRect(dc, &all, brush);
        DeleteObject(brush);
    }
    ~DrawSurface()
    {
        SelectObject(dc, previous);
        DeleteObject(section);
        DeleteDC(dc);
    }
    COLORREF at(int x, int y) const { return SectionPixel(section, x, y); }
};

int progressCalls = 0;
void* CALLBACK CountProgress(void* render, BOOL, LPARAM)
{
    ++progressCalls;
    return render;
}

struct Decode {
    BYTE transfer[1024] = {};
    HBITMAP bitmap = reinterpret_cast<HBITMAP>(1);  // the decoder must clear it
    DecodeRequest request = {};
    HDC dc = CreateCompatibleDC(nullptr);
    explicit Decode(MemorySource* source)
    {
        request = {kDecodeRequestSize, transfer, sizeof(transfer), 0, &bitmap, nullptr, 32,
                   reinterpret_cast<LPARAM>(source), dc, 100, 10000, 10000, ReadMemory, CountProgress,
                   kDecodeNoTransparentColour};
    }
    ~Decode()
    {
        if (bitmap && bitmap != reinterpret_cast<HBITMAP>(1))
            DeleteObject(bitmap);
        DeleteDC(dc);
    }
};

class Images : public ::testing::Test {
protected:
    TempFolder folder;
    std::wstring Write(const wchar_t* name, const std::vector<BYTE>& bytes)
    {
        std::wstring path = folder.Path(name);
        EXPECT_TRUE(WriteBytes(path, bytes));
        return path;
    }
};

}  // namespace

TEST(VOString, HoldsWhatItIsGivenAsItGrowsAndShrinks)
{
    CVOString s;
    EXPECT_EQ(s.Text(), nullptr);
    for (const std::wstring& text : {std::wstring(L"abcde"), std::wstring(21, L'y'), std::wstring(100, L'x'),
                                     std::wstring(L"short")}) {
        s.Assign(text.c_str());
        EXPECT_EQ(s.Text(), text);
        EXPECT_EQ(s.Length(), static_cast<int>(text.size()));
        EXPECT_GT(s.Capacity(), s.Length());
    }
}

TEST(VOString, EmptyNullAndSelfAssignment)
{
    CVOString empty(L"");
    ASSERT_NE(empty.Text(), nullptr);
    EXPECT_STREQ(empty.Text(), L"");
    EXPECT_EQ(empty.Capacity(), 16);

    CVOString s(L"\\Themes\\a.bmp");
    s.Assign(s.Text() + 8);  // a tail of its own buffer
    EXPECT_STREQ(s.Text(), L"a.bmp");
    EXPECT_EQ(s.Length(), 5);

    s.Assign(nullptr);
    EXPECT_EQ(s.Text(), nullptr);
    EXPECT_EQ(s.Length(), 0);
    EXPECT_EQ(s.Capacity(), 0);
}

TEST(VOString, EqualityIsExactAndTreatsAbsentAsEmpty)
{
    CVOString a, b;
    EXPECT_EQ(a.Equals(b), 1) << "two never-assigned strings";
    EXPECT_EQ(a.Equals(nullptr), 1);
    EXPECT_EQ(a.Equals(L""), 1);
    EXPECT_EQ(a.Equals(L"x"), 0);

    CVOString path(L"\\Themes\\Normal.bmp");
    EXPECT_EQ(path.Equals(L"\\Themes\\Normal.bmp"), 1);
    EXPECT_EQ(path.Equals(L"\\themes\\normal.bmp"), 0) << "case-sensitive";
    EXPECT_EQ(path.Equals(L"\\Themes\\Normal.bm"), 0);
    EXPECT_EQ(path.Equals(nullptr), 0);
    EXPECT_EQ(path.Equals(a), 0);
    b.Assign(L"");
    EXPECT_EQ(a.Equals(b), 1);
}

TEST(ImageDecoder, PullsTheFileOnlyThroughTheCallbackBuffer)
{
    TestPixels pixels = NoisePixels(40, 30);
    MemorySource source;
    source.data = EncodeWithWic(GUID_ContainerFormatPng, pixels);
    ASSERT_GT(source.data.size(), 1024u) << "needs several reads";
    Decode d(&source);
    progressCalls = 0;
    ASSERT_EQ(DecodeImage(&d.request), S_OK);
    EXPECT_EQ(source.position, source.data.size());
    EXPECT_GE(source.calls, int(source.data.size() / 1024));
    EXPECT_EQ(source.largestAsk, 1024u);
    EXPECT_EQ(progressCalls, 1);
    ASSERT_NE(d.bitmap, nullptr);
    DIBSECTION dib = {};
    ASSERT_EQ(GetObjectW(d.bitmap, sizeof(dib), &dib), int(sizeof(dib)));
    EXPECT_EQ(dib.dsBm.bmBitsPixel, 32) << "the requested depth";
    EXPECT_EQ(dib.dsBm.bmWidth, 40);
    EXPECT_EQ(dib.dsBm.bmHeight, 30);
    ExpectSamePixels(d.bitmap, pixels, 0, false);
}

TEST(ImageDecoder, HonoursDepthScalePrefilledBytesAndLimits)
{
    TestPixels pixels = GradientPixels(40, 30);
    std::vector<BYTE> bmp = EncodeBmp24(pixels);
    {   // Bytes already in the buffer are the start of the file.
        MemorySource source;
        source.data.assign(bmp.begin() + 100, bmp.end());
        Decode d(&source);
        memcpy(d.transfer, bmp.data(), 100);
        d.request.bytesInBuffer = 100;
        d.request.bitDepth = 24;
        d.request.scale = 50;
        ASSERT_EQ(DecodeImage(&d.request), S_OK);
        BITMAP info = {};
        GetObjectW(d.bitmap, sizeof(info), &info);
        EXPECT_EQ(info.bmWidth, 20);
        EXPECT_EQ(info.bmHeight, 15);
        EXPECT_EQ(info.bmBitsPixel, 24);
    }
    {   // A 16-bit display gets 16-bit pixels: 5 bits a channel.
        MemorySource source;
        source.data = bmp;
        Decode d(&source);
        d.request.bitDepth = 16;
        ASSERT_EQ(DecodeImage(&d.request), S_OK);
        BITMAP info = {};
        GetObjectW(d.bitmap, sizeof(info), &info);
        EXPECT_EQ(info.bmBitsPixel, 16);
        DrawSurface canvas(40, 30, RGB(0, 0, 0));
        HDC source16 = CreateCompatibleDC(nullptr);
        HGDIOBJ previous = SelectObject(source16, d.bitmap);
        BitBlt(canvas.dc, 0, 0, 40, 30, source16, 0, 0, SRCCOPY);
        SelectObject(source16, previous);
        DeleteDC(source16);
        for (int y = 0; y < 30; y += 7)
            for (int x = 0; x < 40; x += 9)
                EXPECT_LE(ChannelDistance(canvas.at(x, y), pixels.at(x, y)), 8) << x << "," << y;
    }
    {   // Larger than the maximum after scaling: no bitmap.
        MemorySource source;
        source.data = bmp;
        Decode d(&source);
        d.request.maxWidth = 39;
        EXPECT_TRUE(FAILED(DecodeImage(&d.request)));
        EXPECT_EQ(d.bitmap, nullptr);
        source.position = 0;
        d.request.maxWidth = 40;
        d.request.maxHeight = 29;
        EXPECT_TRUE(FAILED(DecodeImage(&d.request)));
        EXPECT_EQ(d.bitmap, nullptr);
    }
    {   // A source that never ends is cut off at the size limit.
        MemorySource source;
        source.endless = true;
        Decode d(&source);
        EXPECT_EQ(DecodeImage(&d.request), E_OUTOFMEMORY);
        EXPECT_EQ(d.bitmap, nullptr);
        EXPECT_LE(source.calls, int(kDecodeMaxFileBytes / 1024) + 1);
    }
    {   // A malformed record is refused before any read.
        MemorySource source;
        source.data = bmp;
        Decode d(&source);
        d.request.size = sizeof(DecodeRequest) + 1;
        EXPECT_EQ(DecodeImage(&d.request), E_INVALIDARG);
        d.request.size = kDecodeRequestSize;
        d.request.read = nullptr;
        EXPECT_EQ(DecodeImage(&d.request), E_INVALIDARG);
        EXPECT_EQ(d.bitmap, nullptr);
        EXPECT_EQ(source.calls, 0);
        EXPECT_EQ(DecodeImage(nullptr), E_INVALIDARG);
    }
}

TEST_F(Images, EveryFormatBecomesA24BitDibOfNaturalSize)
{
    TestPixels gradient = GradientPixels(7, 5);  // odd width: padded BMP rows
    struct Case { const wchar_t* name; std::vector<BYTE> bytes; const TestPixels* pixels; int tolerance; };
    TestPixels quadrants = QuadrantPixels(32);  // one colour per 16x16 block
    std::vector<Case> cases = {
        {L"a.bmp", EncodeBmp24(gradient), &gradient, 0},
        {L"a.png", EncodeWithWic(GUID_ContainerFormatPng, gradient), &gradient, 0},
        {L"a.gif", EncodeWithWic(GUID_ContainerFormatGif, gradient), &gradient, 0},
        {L"a.jpg", EncodeWithWic(GUID_ContainerFormatJpeg, quadrants), &quadrants, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "file " << std::string(c.name, c.name + wcslen(c.name)));
        ASSERT_FALSE(c.bytes.empty()) << "test image not encoded";
        HBITMAP bitmap = LoadImageBitmap(nullptr, Write(c.name, c.bytes).c_str());
        ExpectNaturalDib(bitmap, c.pixels->width, c.pixels->height);
        if (c.tolerance >= 0) {
            ExpectSamePixels(bitmap, *c.pixels, c.tolerance);
        } else {  // lossy: the middle of each quadrant
            for (int y : {8, 24})
                for (int x : {8, 24})
                    EXPECT_LE(ChannelDistance(SectionPixel(bitmap, x, y), c.pixels->at(x, y)), 12)
                        << "pixel " << x << "," << y;
        }
        DeleteObject(bitmap);
    }
}

TEST_F(Images, AWindowsContextServesAsWellAsTheScreens)
{
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    TestPixels pixels = GradientPixels(240, 26);
    HBITMAP bitmap = LoadImageBitmap(window, Write(L"bar.bmp", EncodeBmp24(pixels)).c_str());
    ExpectNaturalDib(bitmap, 240, 26);
    ExpectSamePixels(bitmap, pixels);
    DeleteObject(bitmap);
    DestroyWindow(window);
}

TEST_F(Images, AnUnchangedFileIsNotReadAgainAndAChangedOneIsDecodedAnew)
{
    TestPixels before = GradientPixels(7, 5), after = before;  // odd width: padded rows
    std::reverse(after.colours.begin(), after.colours.end());
    std::wstring path = Write(L"kept.bmp", EncodeBmp24(before));
    Sleep(3200);  // only a file that has lain still for a while is kept
    HBITMAP first = LoadImageBitmap(nullptr, path.c_str());
    ExpectSamePixels(first, before);
    DeleteObject(first);
    {   // While no one may open it, only what was kept can give the image.
        HANDLE locked = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(locked, INVALID_HANDLE_VALUE);
        HBITMAP again = LoadImageBitmap(nullptr, path.c_str());
        ExpectNaturalDib(again, 7, 5);
        ExpectSamePixels(again, before);
        DeleteObject(again);
        CloseHandle(locked);
    }
    ASSERT_TRUE(WriteBytes(path, EncodeBmp24(after)));  // same size, other pixels
    HBITMAP changed = LoadImageBitmap(nullptr, path.c_str());
    ExpectSamePixels(changed, after);
    DeleteObject(changed);
}

TEST_F(Images, MissingCorruptAndTruncatedFilesGiveNoImage)
{
    TestPixels pixels = GradientPixels(30, 20);
    std::vector<BYTE> png = EncodeWithWic(GUID_ContainerFormatPng, pixels);
    std::vector<BYTE> bmp = EncodeBmp24(pixels);
    std::vector<BYTE> garbage(3000);
    for (size_t i = 0; i < garbage.size(); ++i) garbage[i] = BYTE(i * 7 + 1);

    std::vector<std::pair<const wchar_t*, std::vector<BYTE>>> files = {
        {L"empty.png", {}},
        {L"garbage.png", garbage},
        {L"half.png", std::vector<BYTE>(png.begin(), png.begin() + png.size() / 2)},
        {L"half.bmp", std::vector<BYTE>(bmp.begin(), bmp.begin() + bmp.size() / 2)},
        {L"header.bmp", std::vector<BYTE>(bmp.begin(), bmp.begin() + 54)},
        {L"wide.bmp", EncodeBmp24(GradientPixels(10001, 1))},
        {L"tall.png", EncodeWithWic(GUID_ContainerFormatPng, GradientPixels(1, 10001))},
    };
    HDC dc = CreateCompatibleDC(nullptr);
    for (const auto& f : files) {
        SCOPED_TRACE(testing::Message() << std::string(f.first, f.first + wcslen(f.first)));
        std::wstring path = Write(f.first, f.second);
        EXPECT_EQ(LoadImageBitmap(nullptr, path.c_str()), nullptr);
        CVOImage image;
        EXPECT_EQ(image.Load(dc, path.c_str()), 0);
        EXPECT_EQ(image.Width(), 0);
    }
    std::wstring missing = folder.Path(L"missing.bmp");
    EXPECT_EQ(LoadImageBitmap(nullptr, missing.c_str()), nullptr);
    EXPECT_EQ(LoadImageBitmap(nullptr, nullptr), nullptr);
    CVOImage image;
    EXPECT_EQ(image.Load(dc, missing.c_str()), 0);
    EXPECT_EQ(image.Width(), 0);
    EXPECT_EQ(image.Height(), 0);
    EXPECT_EQ(image.Bitmap(), nullptr);
    DeleteDC(dc);
}

TEST_F(Images, TheLargestAllowedSideStillLoads)
{
    HBITMAP bitmap = LoadImageBitmap(nullptr, Write(L"edge.bmp", EncodeBmp24(GradientPixels(10000, 1))).c_str());
    ExpectNaturalDib(bitmap, 10000, 1);
    DeleteObject(bitmap);
}

TEST_F(Images, ReloadingKeepsTheSameFileAndReleasesAnother)
{
    TestPixels first = GradientPixels(7, 5), second = QuadrantPixels(16);
    std::wstring a = Write(L"a.bmp", EncodeBmp24(first));
    std::wstring b = Write(L"b.png", EncodeWithWic(GUID_ContainerFormatPng, second));
    HDC dc = CreateCompatibleDC(nullptr);
    {
        CVOImage image;
        ASSERT_EQ(image.Load(dc, a.c_str()), 1);
        HBITMAP held = image.Bitmap();
        ASSERT_NE(held, nullptr);
        EXPECT_EQ(image.Width(), 7);
        EXPECT_EQ(image.Height(), 5);

        // The same file again is not read at all: it may even be gone.
        ASSERT_TRUE(DeleteFileW(a.c_str()));
        EXPECT_EQ(image.Load(dc, a.c_str()), 1);
        EXPECT_EQ(image.Bitmap(), held);

        ASSERT_EQ(image.Load(dc, b.c_str()), 1);
        EXPECT_EQ(image.Width(), 16);
        EXPECT_EQ(image.Height(), 16);
        EXPECT_NE(image.Bitmap(), nullptr);
        EXPECT_EQ(GetObjectType(held), 0u) << "the first bitmap was deleted";

        // A file that fails afterwards leaves the object empty, not half-held.
        EXPECT_EQ(image.Load(dc, a.c_str()), 0);
        EXPECT_EQ(image.Bitmap(), nullptr);
        EXPECT_EQ(image.Width(), 0);
        EXPECT_EQ(image.Height(), 0);
        DrawSurface canvas(4, 4, RGB(1, 2, 3));
        EXPECT_EQ(image.Draw(canvas.dc, 0, 0, -1, -1), 1);
        EXPECT_EQ(canvas.at(0, 0), RGB(1, 2, 3));

        ASSERT_EQ(image.Load(dc, b.c_str()), 1) << "and it can load again";
        EXPECT_EQ(image.Width(), 16);
    }
    DeleteDC(dc);
}

TEST_F(Images, DrawCopiesAtNaturalSizeOrStretches)
{
    TestPixels pixels = GradientPixels(7, 5);
    HDC dc = CreateCompatibleDC(nullptr);
    CVOImage image;
    ASSERT_EQ(image.Load(dc, Write(L"a.bmp", EncodeBmp24(pixels)).c_str()), 1);
    const COLORREF fill = RGB(250, 1, 250);
    {
        DrawSurface canvas(20, 20, fill);
        EXPECT_EQ(image.Draw(canvas.dc, 2, 3, -1, -1), 1);
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x) {
                bool inside = x >= 2 && x < 9 && y >= 3 && y < 8;
                ASSERT_EQ(canvas.at(x, y), inside ? pixels.at(x - 2, y - 3) : fill) << x << "," << y;
            }
    }
    {
        DrawSurface canvas(20, 20, fill);
        EXPECT_EQ(image.Draw(canvas.dc, 1, 1, 14, 10), 1);
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 14; ++x)
                ASSERT_EQ(canvas.at(1 + x, 1 + y), pixels.at(x / 2, y / 2)) << x << "," << y;
        EXPECT_EQ(canvas.at(15, 5), fill);
        EXPECT_EQ(canvas.at(5, 11), fill);
    }
    {   // Only one side -1 is a stretch too, not a natural copy.
        // (Which row a negative height lands on is GDI's business.)
        DrawSurface canvas(20, 20, fill);
        EXPECT_EQ(image.Draw(canvas.dc, 0, 5, 14, -1), 1);
        EXPECT_TRUE(canvas.at(13, 4) != fill || canvas.at(13, 5) != fill) << "stretched to 14 wide";
        EXPECT_EQ(canvas.at(0, 7), fill) << "not copied at natural height";
    }
    DeleteDC(dc);
}

TEST_F(Images, RepeatedLoadsLeaveNoGdiObjectsBehind)
{
    std::wstring bmp = Write(L"a.bmp", EncodeBmp24(GradientPixels(24, 26)));
    std::wstring png = Write(L"b.png", EncodeWithWic(GUID_ContainerFormatPng, GradientPixels(24, 26)));
    std::wstring bad = Write(L"c.png", std::vector<BYTE>(200, 0x89));
    std::wstring missing = folder.Path(L"none.bmp");
    // Warm up: first use of COM and the codecs may create objects that stay.
    DeleteObject(LoadImageBitmap(nullptr, png.c_str()));
    DeleteObject(LoadImageBitmap(nullptr, bmp.c_str()));

    int before = GdiObjectCount();
    ASSERT_GT(before, 0);
    HDC dc = CreateCompatibleDC(nullptr);
    for (int i = 0; i < 100; ++i) {
        HBITMAP a = LoadImageBitmap(nullptr, (i % 2 ? png : bmp).c_str());
        ASSERT_NE(a, nullptr);
        DeleteObject(a);
        EXPECT_EQ(LoadImageBitmap(nullptr, (i % 2 ? bad : missing).c_str()), nullptr);
        CVOImage image;
        image.Load(dc, bmp.c_str());
        image.Load(dc, png.c_str());
        image.Load(dc, bad.c_str());
        image.Load(dc, bmp.c_str());
    }
    DeleteDC(dc);
    EXPECT_EQ(GdiObjectCount(), before);
}
