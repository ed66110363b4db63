// Image loading: LoadImageBitmap on a bar-sized BMP and PNG, and a repeated CVOImage load.
#include "bench/bench.h"
#include <wincodec.h>
#include <cstdio>
#include "bar/config/image_bitmap.h"
#include "bar/config/vo_image.h"
#include "tests/unit/image_files.h"

namespace {

void TimeLoad(const char* label, const std::wstring& path)
{
    LARGE_INTEGER freq, a, b;
    QueryPerformanceFrequency(&freq);
    QueryPerformanceCounter(&a);
    DeleteObject(LoadImageBitmap(nullptr, path.c_str()));
    QueryPerformanceCounter(&b);
    printf("  %-28s first call %8.1f us\n", label, double(b.QuadPart - a.QuadPart) * 1e6 / double(freq.QuadPart));
    double ns = NanosecondsPerCall([&] { DeleteObject(LoadImageBitmap(nullptr, path.c_str())); });
    printf("  %-28s %8.1f us per call\n", label, ns / 1000.0);
}

}  // namespace

BENCHMARK_CASE(LoadImageBitmap_240x26)
{
    TempFolder folder;
    TestPixels pixels = GradientPixels(240, 26);
    std::wstring bmp = folder.Path(L"bar.bmp"), png = folder.Path(L"bar.png");
    if (!WriteBytes(bmp, EncodeBmp24(pixels)) || !WriteBytes(png, EncodeWithWic(GUID_ContainerFormatPng, pixels))) {
        printf("  could not write the test images\n");
        return;
    }
    TimeLoad("BMP 240x26", bmp);
    TimeLoad("PNG 240x26", png);

    HDC dc = CreateCompatibleDC(nullptr);
    CVOImage image;
    image.Load(dc, bmp.c_str());
    double ns = NanosecondsPerCall([&] { image.Load(dc, bmp.c_str()); });
    printf("  %-28s %8.3f us per call\n", "CVOImage same file again", ns / 1000.0);
    DeleteDC(dc);
}
