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

// Written by LoadSkin and ReleaseSkin only.
extern SkinImages skinImages;
// Written by ApplySkinScale only.
extern int ImageScale;      // 2 for a small-screen skin on a scale-2 screen, else 1
extern bool skinHiRes;

// What a skin load takes from the bar's start-up facts.
struct SkinLoadFacts {
    HWND window;          // bitmaps are made for its context; null: the screen's
    HINSTANCE instance;   // holds the menu icons
    int scaleFactor;
    bool phone;           // only a phone loads the signal set
};

// Fills backgrounds, menu icons and popup images, and makes buttons the table as
// loaded with the ten buttons' images and signal (with a phone) the signal set, from
// the skin file. Missing keys reuse the value read just before them; an empty value
// or a missing file gives no image.
void LoadSkin(const wchar_t* skinPath, const SkinLoadFacts& facts, ButtonTable& buttons, SignalImageSet& signal);

// LoadSkin, or LoadSkin of the default skin instead when the skin gives the bar
// no menu button image: without that button a person could never reach the menu
// and its "Options..." again. Returns the path of the skin loaded.
const wchar_t* LoadSkinOrDefault(const wchar_t* skinPath, const wchar_t* defaultSkinPath, const SkinLoadFacts& facts,
                                 ButtonTable& buttons, SignalImageSet& signal);

// Reads Skin Info / HiRes and sets ImageScale for the screen's scale factor.
void ApplySkinScale(const wchar_t* skinPath, int scaleFactor);

// The image scale for a skin's HiRes flag at a screen scale factor.
int ImageScaleFor(bool hiRes, int scaleFactor);

// The folder of a skin path: up to and without its last backslash ("" when none).
void SkinFolderOf(const wchar_t* skinPath, wchar_t* folder, size_t capacity);

// Pixel size of a bitmap (0 x 0 for none).
SIZE BitmapSize(HBITMAP bitmap);

// Deletes every image, icon and font the last load created, the images of buttons
// and signal among them, and empties both; safe to call when nothing is loaded.
void ReleaseSkin(ButtonTable& buttons, SignalImageSet& signal);
