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

// Written by this folder's load steps only: LoadSkin fills the records and
// ReleaseSkin empties them; bar/config/settings.cpp arranges the order, image sizes and shown
// flags. Between loads only these fields change: rect (the layout in
// bar/core/paint.cpp), pressed (bar/core/stylus.cpp), and shown and enabled of the
// pairs (bar/status/indicators.cpp, bar/actions/close_button.cpp).
extern ButtonTable buttonTable;
extern SignalImageSet signalImages;
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

// Fills backgrounds, the ten buttons' images, menu icons, popup images and (with a
// phone) the signal set from the skin file. Missing keys reuse the value read just
// before them; an empty value or a missing file gives no image.
void LoadSkin(const wchar_t* skinPath, const SkinLoadFacts& facts);

// LoadSkin, or LoadSkin of the default skin instead when the skin gives the bar
// no menu button image: without that button a person could never reach the menu
// and its "Options..." again. Returns the path of the skin loaded.
const wchar_t* LoadSkinOrDefault(const wchar_t* skinPath, const wchar_t* defaultSkinPath, const SkinLoadFacts& facts);

// Reads Skin Info / HiRes and sets ImageScale for the screen's scale factor.
void ApplySkinScale(const wchar_t* skinPath, int scaleFactor);

// The image scale for a skin's HiRes flag at a screen scale factor.
int ImageScaleFor(bool hiRes, int scaleFactor);

// The folder of a skin path: up to and without its last backslash ("" when none).
void SkinFolderOf(const wchar_t* skinPath, wchar_t* folder, size_t capacity);

// Pixel size of a bitmap (0 x 0 for none).
SIZE BitmapSize(HBITMAP bitmap);

// Deletes every image, icon and font the last load created; safe to call when
// nothing is loaded.
void ReleaseSkin();
