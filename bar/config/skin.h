// The skin's objects: loading them from a skin file and releasing them.
#pragma once
#include <windows.h>
#include "bar/config/buttons.h"

constexpr int kMenuIconCount = 5;

// Which menu icon stands in which place of SkinImages::menuIcons.
enum MenuIcon { MENU_ICON_CLOSE = 0, MENU_ICON_SCREEN, MENU_ICON_SHUT_DOWN, MENU_ICON_RESTART, MENU_ICON_OPTIONS };

struct SkinImage {
    HBITMAP bitmap;
    int width;
    int height;
};

struct SkinImages {
    SkinImage landscape;
    SkinImage portrait;
    SkinImage volumePopup;
    SkinImage batteryPopup;
    HICON menuIcons[kMenuIconCount];
};

// Loaded by LoadSkin, deleted by ReleaseSkin.
extern ButtonTable buttonTable;
extern SignalImageSet signalImages;
extern SkinImages skinImages;
extern int ImageScale;      // 2 for a small-screen skin on a scale-2 screen, else 1
extern bool skinHiRes;

// Fills backgrounds, the ten buttons' images, menu icons, popup images and (with a
// phone) the signal set from the skin file. Missing keys reuse the value read just
// before them; an empty value or a missing file gives no image.
void LoadSkin(HWND window, const wchar_t* skinPath);

// Reads Skin Info / HiRes and sets ImageScale for the screen's scale factor.
void ApplySkinScale(const wchar_t* skinPath, int scaleFactor);

// The image scale for a skin's HiRes flag at a screen scale factor.
int ImageScaleFor(bool hiRes, int scaleFactor);

// The folder of a skin path: up to and without its last backslash ("" when none).
void SkinFolderOf(const wchar_t* skinPath, wchar_t* folder, size_t capacity);

// Pixel size of a bitmap (0 x 0 for none).
SIZE BitmapSize(HBITMAP bitmap);

// Deletes everything the last load created, fonts and the bar menu included;
// safe to call when nothing is loaded.
void ReleaseSkin();
