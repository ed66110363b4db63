// Loading and releasing the skin's images, icons and fonts.
#include "bar/config/skin.h"
#include "bar/config/fonts.h"
#include "bar/config/image_bitmap.h"
#include "bar/config/skin_names.h"
#include "common/settings_contract.h"
#include "platform/resource_icon.h"
#include "resources/velkis_res.h"
#include <strsafe.h>
#include <cwchar>

SkinImages skinImages = {};
int ImageScale = 1;
bool skinHiRes = false;

namespace {

SkinImage MakeSkinImage(HBITMAP bitmap)
{
    SIZE size = BitmapSize(bitmap);
    return SkinImage{bitmap, static_cast<int>(size.cx), static_cast<int>(size.cy)};
}

HBITMAP LoadNamedImage(ImageBitmapLoader& loader, const wchar_t* folder, const SkinImageName& name)
{
    wchar_t path[kSkinImagePathCapacity];
    if (name.value[0] == '\0' || !JoinSkinPath(folder, name.value, path, kSkinImagePathCapacity))
        return nullptr;
    return loader.Load(path);
}

// Puts one loaded image where its key says.
void Place(const SkinImageName& name, HBITMAP bitmap, ButtonTable& buttons, SignalImageSet& signal)
{
    switch (name.role) {
    case ROLE_LANDSCAPE: skinImages.landscape = MakeSkinImage(bitmap); break;
    case ROLE_PORTRAIT: skinImages.portrait = MakeSkinImage(bitmap); break;
    case ROLE_BUTTON_NORMAL: buttons.slots[name.index].normalImage = bitmap; break;
    case ROLE_BUTTON_PRESSED: buttons.slots[name.index].pressedImage = bitmap; break;
    case ROLE_VOLUME_POPUP: skinImages.volumePopup = MakeSkinImage(bitmap); break;
    case ROLE_BATTERY_POPUP: skinImages.batteryPopup = MakeSkinImage(bitmap); break;
    case ROLE_SIGNAL_NORMAL: signal.levels[name.index].normalImage = bitmap; break;
    case ROLE_SIGNAL_PRESSED: signal.levels[name.index].pressedImage = bitmap; break;
    }
}

void MarkSignalLevels(SignalImageSet& signal)
{
    for (ButtonRecord& record : signal.levels) {
        record.shown = TRUE;
        record.enabled = TRUE;
        record.pressed = FALSE;
        record.id = BUTTON_SIGNAL;
    }
}

void LoadMenuIcons(HINSTANCE instance, int scaleFactor)
{
    int size = 16 * scaleFactor;
    HICON* icons = skinImages.menuIcons;
    icons[MENU_ICON_CLOSE] = LoadResourceIcon(instance, scaleFactor == 1 ? IDI_TASK_CLOSE : IDI_TASK_CLOSE_LARGE, size);
    icons[MENU_ICON_SCREEN] = LoadResourceIcon(instance, IDI_SCREEN_OFF, size);
    icons[MENU_ICON_SHUT_DOWN] = LoadResourceIcon(instance, IDI_SHUT_DOWN, size);
    icons[MENU_ICON_RESTART] = LoadResourceIcon(instance, IDI_RESTART, size);
    icons[MENU_ICON_OPTIONS] = LoadResourceIcon(instance, IDI_OPTIONS, size);
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
    skinHiRes = IsHiResSkin(skinPath);
    ImageScale = ImageScaleFor(skinHiRes, scaleFactor);
}

void LoadSkin(const wchar_t* skinPath, const SkinLoadFacts& facts, ButtonTable& buttons, SignalImageSet& signal)
{
    // Every key is read first; the reads and the image loads touch different files.
    SkinImageNames names;
    ReadSkinImageNames(skinPath, facts.phone, &names);
    wchar_t folder[kSkinImagePathCapacity];
    SkinFolderOf(skinPath, folder, kSkinImagePathCapacity);

    buttons = LoadedButtonTable();
    signal = {};
    ImageBitmapLoader loader(facts.window);
    for (int i = 0; i < names.count; ++i)
        Place(names.entries[i], LoadNamedImage(loader, folder, names.entries[i]), buttons, signal);
    buttons.slots[0].rect = RECT{0, 0, 60 * facts.scaleFactor, kBarHeight * facts.scaleFactor};
    if (facts.phone)
        MarkSignalLevels(signal);
    LoadMenuIcons(facts.instance, facts.scaleFactor);
}

const wchar_t* LoadSkinOrDefault(const wchar_t* skinPath, const wchar_t* defaultSkinPath, const SkinLoadFacts& facts,
                                 ButtonTable& buttons, SignalImageSet& signal)
{
    LoadSkin(skinPath, facts, buttons, signal);
    const int menu = FindSlotById(buttons, BUTTON_MENU);
    if ((menu >= 0 && buttons.slots[menu].normalImage) || wcscmp(skinPath, defaultSkinPath) == 0)
        return skinPath;
    ReleaseSkin(buttons, signal);
    LoadSkin(defaultSkinPath, facts, buttons, signal);
    return defaultSkinPath;
}

void ReleaseSkin(ButtonTable& buttons, SignalImageSet& signal)
{
    for (ButtonRecord& record : buttons.slots)
        DeleteRecordImages(record);
    buttons = {};
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
    for (ButtonRecord& record : signal.levels)
        DeleteRecordImages(record);
    signal = {};
    ReleaseSkinFonts();
}
