// Loading and releasing the skin's images, icons and fonts.
#include "bar/config/skin.h"
#include "bar/config/fonts.h"
#include "bar/config/image_bitmap.h"
#include "common/ini.h"
#include "resources/velkis_res.h"
#include <strsafe.h>
#include <cstdio>
#include <cstdlib>
#include <cwchar>

ButtonTable buttonTable = {};
SignalImageSet signalImages = {};
SkinImages skinImages = {};
int ImageScale = 1;
bool skinHiRes = false;

namespace {

constexpr int kValueCapacity = 100;
constexpr int kPathCapacity = 100;

// One load's reads share this buffer: a failed read leaves the value of the read
// before it, which is how a skin without Pressed images reuses its Normal ones.
struct SkinReader {
    HWND window;
    const wchar_t* skinPath;
    wchar_t folder[kPathCapacity];
    char value[kValueCapacity];

    void Read(const char* section, const char* key)
    {
        IniReadValue(skinPath, section, key, value, sizeof(value));
    }

    HBITMAP LoadImage(const char* section, const char* key)
    {
        Read(section, key);
        if (value[0] == '\0')
            return nullptr;
        wchar_t name[kValueCapacity];
        AnsiToWide(value, name, kValueCapacity);
        wchar_t path[kPathCapacity];
        // A joined path that does not fit is no image, never a cut path.
        if (FAILED(StringCchPrintfW(path, kPathCapacity, L"%s\\%s", folder, name)))
            return nullptr;
        return LoadImageBitmap(window, path);
    }
};

const char* const kButtonKeys[10] = {
    "Start Menu", "Menu", "Close", "OK", "Volume", "Mute", "Battery/Memory", "Home", "Connection", "Disconnect",
};

SkinImage MakeSkinImage(HBITMAP bitmap)
{
    SIZE size = BitmapSize(bitmap);
    return SkinImage{bitmap, static_cast<int>(size.cx), static_cast<int>(size.cy)};
}

void LoadButtonImages(SkinReader& reader, ButtonRecord& record, const char* key)
{
    char name[64];
    snprintf(name, sizeof(name), "%s Normal", key);
    record.normalImage = reader.LoadImage("Button Images", name);
    snprintf(name, sizeof(name), "%s Pressed", key);
    record.pressedImage = reader.LoadImage("Button Images", name);
}

void LoadSignalImages(SkinReader& reader)
{
    for (int level = 0; level < kSignalLevels; ++level) {
        ButtonRecord& record = signalImages.levels[level];
        char name[32];
        snprintf(name, sizeof(name), "Signal%d Normal", level);
        record.normalImage = reader.LoadImage("Signal Images", name);
        reader.value[0] = '\0';
        snprintf(name, sizeof(name), "Signal%d Pressed", level);
        record.pressedImage = reader.LoadImage("Signal Images", name);
        record.shown = TRUE;
        record.enabled = TRUE;
        record.pressed = FALSE;
        record.id = BUTTON_SIGNAL;
    }
}

HICON LoadMenuIcon(HINSTANCE instance, int resourceId, int size)
{
    return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(resourceId), IMAGE_ICON, size, size, 0));
}

void LoadMenuIcons(HINSTANCE instance, int scaleFactor)
{
    int size = 16 * scaleFactor;
    HICON* icons = skinImages.menuIcons;
    icons[MENU_ICON_CLOSE] = LoadMenuIcon(instance, scaleFactor == 1 ? IDI_TASK_CLOSE : IDI_TASK_CLOSE_LARGE, size);
    icons[MENU_ICON_SCREEN] = LoadMenuIcon(instance, IDI_SCREEN_OFF, size);
    icons[MENU_ICON_SHUT_DOWN] = LoadMenuIcon(instance, IDI_SHUT_DOWN, size);
    icons[MENU_ICON_RESTART] = LoadMenuIcon(instance, IDI_RESTART, size);
    icons[MENU_ICON_OPTIONS] = LoadMenuIcon(instance, IDI_OPTIONS, size);
}

void DeleteBitmap(HBITMAP& bitmap)
{
    if (bitmap)
        DeleteObject(bitmap);
    bitmap = nullptr;
}

void DeleteRecordImages(ButtonRecord& record)
{
    // A record may use one bitmap for both states only if a loader shared it; the
    // loader never does, but never delete the same handle twice.
    if (record.pressedImage == record.normalImage)
        record.pressedImage = nullptr;
    DeleteBitmap(record.normalImage);
    DeleteBitmap(record.pressedImage);
}

} // namespace

SIZE BitmapSize(HBITMAP bitmap)
{
    BITMAP info;
    if (!bitmap || !GetObjectW(bitmap, sizeof(info), &info))
        return SIZE{0, 0};
    return SIZE{info.bmWidth, info.bmHeight < 0 ? -info.bmHeight : info.bmHeight};
}

void SkinFolderOf(const wchar_t* skinPath, wchar_t* folder, size_t capacity)
{
    const wchar_t* lastSlash = wcsrchr(skinPath, L'\\');
    size_t length = lastSlash ? static_cast<size_t>(lastSlash - skinPath) : 0;
    StringCchCopyNW(folder, capacity, skinPath, length);
}

int ImageScaleFor(bool hiRes, int scaleFactor)
{
    return (!hiRes && scaleFactor == 2) ? 2 : 1;
}

void ApplySkinScale(const wchar_t* skinPath, int scaleFactor)
{
    char value[kValueCapacity] = "0";
    IniReadValue(skinPath, "Skin Info", "HiRes", value, sizeof(value));
    skinHiRes = atoi(value) != 0;
    ImageScale = ImageScaleFor(skinHiRes, scaleFactor);
}

void LoadSkin(const wchar_t* skinPath, const SkinLoadFacts& facts)
{
    SkinReader reader = {};
    reader.window = facts.window;
    reader.skinPath = skinPath;
    SkinFolderOf(skinPath, reader.folder, kPathCapacity);

    skinImages.landscape = MakeSkinImage(reader.LoadImage("Topbar", "Landscape"));
    skinImages.portrait = MakeSkinImage(reader.LoadImage("Topbar", "Portrait"));

    buttonTable = LoadedButtonTable();
    for (int slot = 0; slot < 10; ++slot)
        LoadButtonImages(reader, buttonTable.slots[slot], kButtonKeys[slot]);
    buttonTable.slots[0].rect = RECT{0, 0, 60 * facts.scaleFactor, 26 * facts.scaleFactor};

    LoadMenuIcons(facts.instance, facts.scaleFactor);

    skinImages.volumePopup = MakeSkinImage(reader.LoadImage("Volume image", "Volume"));
    skinImages.batteryPopup = MakeSkinImage(reader.LoadImage("Battery image", "Battery"));

    signalImages = {};
    if (facts.phone)
        LoadSignalImages(reader);
}

void ReleaseSkin()
{
    for (ButtonRecord& record : buttonTable.slots)
        DeleteRecordImages(record);
    buttonTable = {};
    for (HICON& icon : skinImages.menuIcons) {
        if (icon)
            DestroyIcon(icon);
        icon = nullptr;
    }
    DeleteBitmap(skinImages.volumePopup.bitmap);
    DeleteBitmap(skinImages.landscape.bitmap);
    DeleteBitmap(skinImages.portrait.bitmap);
    DeleteBitmap(skinImages.batteryPopup.bitmap);
    skinImages = {};
    for (ButtonRecord& record : signalImages.levels)
        DeleteRecordImages(record);
    signalImages = {};
    ReleaseSkinFonts();
}
