// Colour-keyed copies: key pixels left out, nearest-pixel stretching, clipping.
#include <gtest/gtest.h>
#include <vector>
#include "bar/core/keyed_copy.h"

namespace {

// A plain pixel buffer viewed like a DIB section.
struct Buffer {
    std::vector<BYTE> bytes;
    PixelView view;
    Buffer(int width, int height, int bytesPerPixel, bool bottomUp)
    {
        int stride = (width * bytesPerPixel + 3) & ~3;
        bytes.assign(size_t(stride) * height, 0);
        view = PixelView{bytes.data(), width, height, stride, bytesPerPixel, bottomUp};
    }
    void Set(int x, int y, COLORREF c)
    {
        int row = view.bottomUp ? view.height - 1 - y : y;
        BYTE* p = bytes.data() + row * view.stride + x * view.bytesPerPixel;
        p[0] = GetBValue(c);
        p[1] = GetGValue(c);
        p[2] = GetRValue(c);
    }
    void Fill(COLORREF c)
    {
        for (int y = 0; y < view.height; ++y)
            for (int x = 0; x < view.width; ++x)
                Set(x, y, c);
    }
    COLORREF At(int x, int y) const { return PixelAt(view, x, y); }
};

constexpr COLORREF kKey = RGB(255, 0, 255);
constexpr COLORREF kBody = RGB(10, 200, 30);
constexpr COLORREF kBack = RGB(1, 2, 3);

} // namespace

TEST(KeyedCopy, LeavesOutEveryKeyPixelAndKeepsRowOrder)
{
    Buffer src(3, 2, 3, true);   // 24-bit bottom-up, as skin images are
    src.Fill(kBody);
    src.Set(0, 0, kKey);
    src.Set(2, 1, kKey);
    src.Set(1, 1, RGB(9, 9, 9));
    Buffer dst(5, 4, 4, false);  // 32-bit top-down canvas
    dst.Fill(kBack);
    RECT everything = {0, 0, 5, 4};
    CopyKeyed(src.view, dst.view, RECT{1, 1, 4, 3}, PixelAt(src.view, 0, 0), everything);
    EXPECT_EQ(dst.At(1, 1), kBack);          // key
    EXPECT_EQ(dst.At(2, 1), kBody);
    EXPECT_EQ(dst.At(3, 1), kBody);
    EXPECT_EQ(dst.At(2, 2), RGB(9, 9, 9));   // second row stays second
    EXPECT_EQ(dst.At(3, 2), kBack);          // key
    EXPECT_EQ(dst.At(0, 0), kBack);          // outside the target
    EXPECT_EQ(dst.At(4, 3), kBack);
}

TEST(KeyedCopy, StretchesByNearestPixelAndHonoursTheClip)
{
    Buffer src(2, 1, 3, true);
    src.Set(0, 0, RGB(100, 0, 0));
    src.Set(1, 0, RGB(0, 100, 0));
    Buffer dst(8, 2, 4, false);
    dst.Fill(kBack);
    CopyKeyed(src.view, dst.view, RECT{0, 0, 8, 2}, kKey, RECT{0, 0, 8, 2});
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(dst.At(x, 1), RGB(100, 0, 0)) << x;
    for (int x = 4; x < 8; ++x)
        EXPECT_EQ(dst.At(x, 0), RGB(0, 100, 0)) << x;

    dst.Fill(kBack);
    CopyKeyed(src.view, dst.view, RECT{0, 0, 8, 2}, kKey, RECT{3, 0, 8, 2});
    EXPECT_EQ(dst.At(2, 0), kBack);
    EXPECT_EQ(dst.At(3, 0), RGB(100, 0, 0));
}

TEST(KeyedCopy, TargetsPartlyOrWhollyOutsideTheCanvasAreCut)
{
    Buffer src(4, 4, 3, true);
    src.Fill(kBody);
    Buffer dst(4, 4, 4, false);
    dst.Fill(kBack);
    RECT everything = {0, 0, 4, 4};
    CopyKeyed(src.view, dst.view, RECT{-2, -2, 2, 2}, kKey, everything);
    EXPECT_EQ(dst.At(0, 0), kBody);
    EXPECT_EQ(dst.At(1, 1), kBody);
    EXPECT_EQ(dst.At(2, 2), kBack);
    CopyKeyed(src.view, dst.view, RECT{10, 10, 20, 20}, kKey, everything);
    CopyKeyed(src.view, dst.view, RECT{3, 3, 3, 9}, kKey, everything);   // empty target
    CopyKeyed(src.view, dst.view, RECT{2, 2, 400, 400}, kKey, everything);
    EXPECT_EQ(dst.At(3, 3), kBody);
}

TEST(KeyedCopy, OnlyDibSectionsOfTwentyFourOrThirtyTwoBitsHaveAView)
{
    PixelView view;
    EXPECT_FALSE(ViewOfBitmap(nullptr, &view));
    HDC screen = GetDC(nullptr);
    HBITMAP ddb = CreateCompatibleBitmap(screen, 4, 4);
    ReleaseDC(nullptr, screen);
    EXPECT_FALSE(ViewOfBitmap(ddb, &view));
    DeleteObject(ddb);

    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 3, 2, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_TRUE(ViewOfBitmap(dib, &view));
    EXPECT_EQ(view.width, 3);
    EXPECT_EQ(view.height, 2);
    EXPECT_EQ(view.stride, 12);
    EXPECT_TRUE(view.bottomUp);
    DeleteObject(dib);
}
