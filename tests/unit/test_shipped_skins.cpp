// The skins that ship and the menu icons: every key present, every image decodable and fit for drawing.
#include <gtest/gtest.h>
#include <windows.h>
#include <cstdlib>
#include <memory>
#include <ostream>
#include <string>
#include <vector>
#include "bar/config/image_bitmap.h"
#include "platform/resource_icon.h"
#include "resources/velkis_res.h"

namespace {

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kMagenta = RGB(255, 0, 255);
const COLORREF kBlack = RGB(0, 0, 0);

struct ShippedSkin {
    const wchar_t* file;  // below the installed Themes folder
    int scale;            // pixels per design pixel of the 26-pixel bar
    int hires;
};

void PrintTo(const ShippedSkin& skin, std::ostream* out)
{
    *out << std::string(skin.file, skin.file + wcslen(skin.file));
}

// The installed Themes folder: the test program lives in build\tests, the device image in build\install.
std::wstring ThemesFolder()
{
    wchar_t module[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, module, MAX_PATH);
    std::wstring path(module);
    path.resize(path.find_last_of(L'\\'));
    return path + L"\\..\\install\\Themes";
}

// A decoded image's pixels, read once; the handle is deleted at the end.
class Bitmap {
public:
    explicit Bitmap(HBITMAP handle)
    {
        BITMAP info = {};
        if (!handle || !GetObjectW(handle, sizeof(info), &info))
            return;
        BITMAPINFO request = {};
        request.bmiHeader.biSize = sizeof(request.bmiHeader);
        request.bmiHeader.biWidth = info.bmWidth;
        request.bmiHeader.biHeight = -info.bmHeight;  // top row first
        request.bmiHeader.biPlanes = 1;
        request.bmiHeader.biBitCount = 32;
        std::vector<DWORD> bits(size_t(info.bmWidth) * info.bmHeight);
        HDC dc = GetDC(nullptr);
        int rows = GetDIBits(dc, handle, 0, info.bmHeight, bits.data(), &request, DIB_RGB_COLORS);
        ReleaseDC(nullptr, dc);
        DeleteObject(handle);
        if (rows != info.bmHeight)
            return;
        width_ = info.bmWidth;
        height_ = info.bmHeight;
        pixels_.reserve(bits.size());
        for (DWORD v : bits)
            pixels_.push_back(RGB((v >> 16) & 0xff, (v >> 8) & 0xff, v & 0xff));
    }
    bool ok() const { return width_ > 0; }
    int width() const { return width_; }
    int height() const { return height_; }
    COLORREF at(int x, int y) const { return pixels_[size_t(y) * width_ + x]; }
    bool contains(COLORREF colour) const
    {
        for (COLORREF c : pixels_)
            if (c == colour)
                return true;
        return false;
    }
private:
    int width_ = 0;
    int height_ = 0;
    std::vector<COLORREF> pixels_;
};

class ShippedSkinTest : public ::testing::TestWithParam<ShippedSkin> {
protected:
    std::wstring skin = ThemesFolder() + L"\\" + GetParam().file;
    std::wstring folder = skin.substr(0, skin.find_last_of(L'\\'));
    int scale = GetParam().scale;

    std::wstring Value(const wchar_t* section, const wchar_t* key) const
    {
        wchar_t value[128] = {};
        GetPrivateProfileStringW(section, key, L"", value, 128, skin.c_str());
        return value;
    }
    HBITMAP Load(const wchar_t* section, const wchar_t* key) const
    {
        std::wstring name = Value(section, key);
        EXPECT_FALSE(name.empty()) << "missing key " << std::string(key, key + wcslen(key));
        EXPECT_LT(name.size(), 100u);
        return name.empty() ? nullptr : LoadImageBitmap(nullptr, (folder + L"\\" + name).c_str());
    }
    // Luminance difference between a font's colour and a background colour, 0 to 255.
    static int Contrast(COLORREF a, COLORREF b)
    {
        auto lum = [](COLORREF c) { return (299 * GetRValue(c) + 587 * GetGValue(c) + 114 * GetBValue(c)) / 1000; };
        return std::abs(lum(a) - lum(b));
    }
    // A pressed image must look clearly different: count differing pixels.
    static int Differences(const Bitmap& a, const Bitmap& b)
    {
        int count = 0;
        for (int y = 0; y < a.height() && y < b.height(); ++y)
            for (int x = 0; x < a.width() && x < b.width(); ++x)
                count += a.at(x, y) != b.at(x, y);
        return count;
    }
    void CheckButton(const Bitmap& normal, const Bitmap& pressed, const wchar_t* name)
    {
        std::string label(name, name + wcslen(name));
        ASSERT_TRUE(normal.ok() && pressed.ok()) << label;
        EXPECT_EQ(normal.height(), 26 * scale) << label;
        EXPECT_EQ(pressed.width(), normal.width()) << label;
        EXPECT_EQ(pressed.height(), normal.height()) << label;
        // The top-left pixel is the transparent colour: all four corners must be it, so the
        // bar shows through around the glyph.
        for (const Bitmap* image : {&normal, &pressed}) {
            COLORREF key = image->at(0, 0);
            EXPECT_EQ(image->at(image->width() - 1, 0), key) << label;
            EXPECT_EQ(image->at(0, image->height() - 1), key) << label;
            EXPECT_EQ(image->at(image->width() - 1, image->height() - 1), key) << label;
        }
        EXPECT_GT(Differences(normal, pressed), normal.width() * normal.height() / 4) << label;
    }
};

TEST_P(ShippedSkinTest, DescribesItselfForTheThemeList)
{
    for (const wchar_t* key : {L"Name", L"Author", L"AuthorEmail", L"Notes"})
        EXPECT_FALSE(Value(L"Skin Info", key).empty());
    EXPECT_EQ(Value(L"Skin Info", L"HiRes"), std::to_wstring(GetParam().hires));
}

TEST_P(ShippedSkinTest, BackgroundsFillTheBarWithoutTransparentRed)
{
    const int widths[] = {320, 240};
    int i = 0;
    for (const wchar_t* key : {L"Landscape", L"Portrait"}) {
        Bitmap image(Load(L"Topbar", key));
        ASSERT_TRUE(image.ok());
        EXPECT_EQ(image.width(), widths[i++] * scale);
        EXPECT_EQ(image.height(), 26 * scale);
        EXPECT_FALSE(image.contains(kRed));
    }
}

TEST_P(ShippedSkinTest, EveryButtonHasDistinctNormalAndPressedImages)
{
    const wchar_t* buttons[] = {L"Start Menu", L"Menu", L"Close", L"OK", L"Volume", L"Mute",
                                L"Battery/Memory", L"Home", L"Connection", L"Disconnect"};
    for (const wchar_t* button : buttons) {
        Bitmap normal(Load(L"Button Images", (std::wstring(button) + L" Normal").c_str()));
        Bitmap pressed(Load(L"Button Images", (std::wstring(button) + L" Pressed").c_str()));
        CheckButton(normal, pressed, button);
        // The start image stays small: the title is drawn right of it, inside the
        // start menu's fixed tap area, and needs the room.
        EXPECT_LE(normal.width(), 26 * scale);
    }
}

TEST_P(ShippedSkinTest, FiveSignalLevelsLookDifferent)
{
    std::vector<std::unique_ptr<Bitmap>> levels;
    for (int level = 0; level < 5; ++level) {
        std::wstring normal = L"Signal" + std::to_wstring(level) + L" Normal";
        std::wstring pressed = L"Signal" + std::to_wstring(level) + L" Pressed";
        levels.push_back(std::make_unique<Bitmap>(Load(L"Signal Images", normal.c_str())));
        Bitmap pressedImage(Load(L"Signal Images", pressed.c_str()));
        CheckButton(*levels.back(), pressedImage, normal.c_str());
    }
    for (int a = 0; a < 5; ++a)
        for (int b = a + 1; b < 5; ++b)
            EXPECT_GT(Differences(*levels[a], *levels[b]), 0) << a << " and " << b;
}

TEST_P(ShippedSkinTest, PopupImagesFitTheScreenAndKeepTheirTransparentColours)
{
    Bitmap volume(Load(L"Volume image", L"Volume"));
    ASSERT_TRUE(volume.ok());
    EXPECT_TRUE(volume.contains(kMagenta));               // the dialog shows through
    EXPECT_LE(volume.width(), 140 * scale);               // placed at x 100, on a 240-pixel screen
    EXPECT_GE(volume.height(), 160 * scale);              // room for the sliders and the three choices

    Bitmap battery(Load(L"Battery image", L"Battery"));
    ASSERT_TRUE(battery.ok());
    EXPECT_FALSE(battery.contains(kBlack));               // black would punch holes
    EXPECT_LE(battery.width(), 220 * scale);              // placed at x 20
    EXPECT_GE(battery.height(), 165 * scale);             // two storage cards
}

TEST_P(ShippedSkinTest, FontsAreCompleteAndReadableOnTheirBackgrounds)
{
    Bitmap bar(Load(L"Topbar", L"Portrait"));
    Bitmap battery(Load(L"Battery image", L"Battery"));
    ASSERT_TRUE(bar.ok() && battery.ok());
    COLORREF barMiddle = bar.at(bar.width() / 2, bar.height() / 2);
    COLORREF popupBody = battery.at(battery.width() / 2, battery.height() / 2);
    struct { const wchar_t* section; COLORREF under; } fonts[] = {
        {L"Title Font", barMiddle}, {L"Timer Font", barMiddle}, {L"Dialog Title", popupBody}};
    for (const auto& font : fonts) {
        EXPECT_FALSE(Value(font.section, L"Name").empty());
        int size = _wtoi(Value(font.section, L"Size").c_str());
        EXPECT_GE(size, 7);
        EXPECT_LE(size, 12);
        std::wstring style = Value(font.section, L"Style");
        EXPECT_TRUE(style == L"0" || style == L"1" || style == L"2" || style == L"3");
        std::wstring color = Value(font.section, L"Color");
        ASSERT_FALSE(color.empty());
        COLORREF text = static_cast<COLORREF>(_wtoi(color.c_str()));
        EXPECT_GT(Contrast(text, font.under), 128) << std::string(color.begin(), color.end());
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, ShippedSkinTest,
                         ::testing::Values(ShippedSkin{L"Default\\barconfin.skin", 1, 0},
                                           ShippedSkin{L"GraphiteHiRes\\graphite.skin", 2, 1},
                                           ShippedSkin{L"Harbour\\harbour.skin", 1, 0}));

// Draws an icon over a grey square and returns the pixels at a corner and at the centre.
void DrawIconSample(HICON icon, int size, COLORREF* corner, COLORREF* centre)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = size;
    info.bmiHeader.biHeight = size;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP section = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(dc, section);
    RECT all = {0, 0, size, size};
    HBRUSH grey = CreateSolidBrush(RGB(128, 128, 128));
    FillRect(dc, &all, grey);
    DeleteObject(grey);
    DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
    SelectObject(dc, previous);
    DeleteDC(dc);
    GdiFlush();
    const BYTE* rows = static_cast<const BYTE*>(bits);
    int stride = (size * 3 + 3) & ~3;
    auto pixel = [&](int x, int y) {  // bottom-up rows
        const BYTE* p = rows + size_t(size - 1 - y) * stride + size_t(x) * 3;
        return RGB(p[2], p[1], p[0]);
    };
    *corner = pixel(0, 0);
    *centre = pixel(size / 2, size / 2);
    DeleteObject(section);
}

TEST(MenuIcons, EachIconHasBothSizesWithTransparentCorners)
{
    for (int id : {IDI_TASK_CLOSE, IDI_TASK_CLOSE_LARGE, IDI_SCREEN_OFF, IDI_RESTART, IDI_SHUT_DOWN, IDI_OPTIONS}) {
        for (int size : {16, 32}) {
            HICON icon = LoadResourceIcon(GetModuleHandleW(nullptr), id, size);
            ASSERT_NE(icon, nullptr) << id << " at " << size;
            ICONINFO parts = {};
            ASSERT_TRUE(GetIconInfo(icon, &parts));
            BITMAP colour = {};
            GetObjectW(parts.hbmColor, sizeof(colour), &colour);
            EXPECT_EQ(colour.bmWidth, size) << id;
            EXPECT_EQ(colour.bmHeight, size) << id;
            DeleteObject(parts.hbmColor);
            DeleteObject(parts.hbmMask);
            COLORREF corner = 0, centre = 0;
            DrawIconSample(icon, size, &corner, &centre);
            EXPECT_EQ(corner, RGB(128, 128, 128)) << id << " at " << size;  // rounded or empty corner
            EXPECT_NE(centre, RGB(128, 128, 128)) << id << " at " << size;  // the picture itself
            DestroyIcon(icon);
        }
    }
}

TEST(MenuIcons, AGroupDirectoryIsReadOnlyAsFarAsItGoes)
{
    // Header (reserved, type 1, count 2), then 14-byte entries: 16 px at 8 and 32 bits, 0 for 256 px.
    std::vector<BYTE> directory = {0, 0, 1, 0, 2, 0,
                                   16, 16, 0, 0, 1, 0, 8, 0, 0, 0, 0, 0, 1, 0,
                                   16, 16, 0, 0, 1, 0, 32, 0, 0, 0, 0, 0, 2, 0};
    EXPECT_EQ(IconImageOfSize(directory.data(), directory.size(), 16), 1);
    EXPECT_EQ(IconImageOfSize(directory.data(), directory.size(), 32), -1);
    directory[20] = directory[21] = 0;
    EXPECT_EQ(IconImageOfSize(directory.data(), directory.size(), 256), 1);
    directory[4] = 3;  // a third entry the bytes do not hold
    EXPECT_EQ(IconImageOfSize(directory.data(), directory.size(), 16), -1);
    EXPECT_EQ(IconImageOfSize(directory.data(), 5, 16), -1);
}

}  // namespace
