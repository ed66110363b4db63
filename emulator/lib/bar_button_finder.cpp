// Matching a skin's button image against the bar's band on the screen.
#include "emulator/lib/bar_button_finder.h"
#include "emulator/lib/device_paths.h"
#include "emulator/lib/screen_capture.h"
#include "emulator/protocol.h"
#include <cstdlib>
#include <string>
#include <vector>

namespace emu {

namespace {

std::wstring ReadSetting(const std::wstring& file, const wchar_t* section, const wchar_t* key)
{
    wchar_t value[MAX_PATH] = L"";
    GetPrivateProfileStringW(section, key, L"", value, MAX_PATH, file.c_str());
    return value;
}

// The image's pixels, top row first; empty when it cannot be loaded.
std::vector<COLORREF> ImagePixels(const std::wstring& path, int* width, int* height)
{
    std::vector<COLORREF> pixels;
    HBITMAP bitmap = static_cast<HBITMAP>(LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
    BITMAP info = {};
    if (!bitmap || !GetObjectW(bitmap, sizeof(info), &info)) {
        if (bitmap)
            DeleteObject(bitmap);
        return pixels;
    }
    BITMAPINFO request = {};
    request.bmiHeader.biSize = sizeof(request.bmiHeader);
    request.bmiHeader.biWidth = info.bmWidth;
    request.bmiHeader.biHeight = -info.bmHeight;
    request.bmiHeader.biPlanes = 1;
    request.bmiHeader.biBitCount = 32;
    std::vector<DWORD> raw(static_cast<size_t>(info.bmWidth) * info.bmHeight);
    HDC screen = GetDC(nullptr);
    if (GetDIBits(screen, bitmap, 0, info.bmHeight, raw.data(), &request, DIB_RGB_COLORS) == info.bmHeight) {
        for (DWORD p : raw)
            pixels.push_back(RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
        *width = info.bmWidth;
        *height = info.bmHeight;
    }
    ReleaseDC(nullptr, screen);
    DeleteObject(bitmap);
    return pixels;
}

bool Near(COLORREF a, COLORREF b)
{
    return std::abs(GetRValue(a) - GetRValue(b)) <= 8 && std::abs(GetGValue(a) - GetGValue(b)) <= 8 &&
           std::abs(GetBValue(a) - GetBValue(b)) <= 8;
}

// Whether the image, magnified by scale, lies on the screen band from x on: every
// pixel but the key colour's must agree (sampled at each image pixel's top-left).
bool ImageMatches(const std::vector<COLORREF>& image, int width, int height, const std::vector<COLORREF>& band,
                  int bandWidth, int x, int scale)
{
    const COLORREF key = image[0];
    int compared = 0;
    for (int row = 0; row < height; ++row) {
        for (int i = 0; i < width; ++i) {
            COLORREF pixel = image[static_cast<size_t>(row) * width + i];
            if (pixel == key)
                continue;
            if (!Near(pixel, band[static_cast<size_t>(row) * scale * bandWidth + x + i * scale]))
                return false;
            ++compared;
        }
    }
    return compared > 0;
}

} // namespace

bool FindBarButton(const wchar_t* skinKey, POINT* centre, const wchar_t* section)
{
    std::wstring config = DevicePath(std::wstring(kProgramDir) + L"\\config.ini");
    std::wstring skin = DevicePath(ReadSetting(config, L"Settings", L"Theme File"));
    std::wstring name = ReadSetting(skin, section, skinKey);
    size_t slash = skin.find_last_of(L'\\');
    if (name.empty() || slash == std::wstring::npos)
        return false;
    bool hiRes = _wtoi(ReadSetting(skin, L"Skin Info", L"HiRes").c_str()) != 0;
    int scale = !hiRes && ScreenRect().right > 400 ? 2 : 1;
    return FindImageFileOnBar(skin.substr(0, slash + 1) + name, scale, centre);
}

bool FindImageFileOnBar(const std::wstring& path, int scale, POINT* centre)
{
    int width = 0, height = 0;
    std::vector<COLORREF> image = ImagePixels(path, &width, &height);
    return !image.empty() && FindImageOnBar(image, width, height, scale, centre);
}

bool FindImageOnBar(const std::vector<COLORREF>& image, int width, int height, int scale, POINT* centre)
{
    if (image.empty() || width <= 0 || height <= 0)
        return false;
    int bandWidth = ScreenRect().right;
    std::vector<COLORREF> band = CaptureScreen(RECT{0, 0, bandWidth, height * scale});
    for (int x = bandWidth - width * scale; x >= 0 && !band.empty(); --x) {
        if (ImageMatches(image, width, height, band, bandWidth, x, scale)) {
            *centre = POINT{x + width * scale / 2, height * scale / 2};
            return true;
        }
    }
    return false;
}

} // namespace emu
