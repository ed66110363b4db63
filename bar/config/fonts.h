// Skin fonts: the four keys of a font section and the logical font made from them.
#pragma once
#include <windows.h>

struct FontSpec {
    wchar_t name[30];   // typeface, at most 29 characters
    int size;           // points, integer part of the Size value
    int style;          // 1 bold, 2 italic
    COLORREF color;     // 0x00BBGGRR
};

// A font built from a FontSpec, with the text colour kept beside it.
struct SkinFont {
    HFONT font;
    COLORREF color;
};

// Reads Name, Size, Style and Color of section; a missing key keeps the default
// (Tahoma, 9 points, regular, black).
FontSpec ReadFontSpec(const wchar_t* skinPath, const char* section);

// Integer part of a decimal text: "9.5" is 9; anything that is no number is 0.
int ParseSizePoints(const char* text);

// The screen's vertical logical pixels per inch.
int ScreenLogPixelsY();

// Character height for a point size at a vertical density: negative, rounded half up.
int FontHeightForPoints(int points, int logPixelsY);

// The logical-font record of a fontSpec at a vertical density.
LOGFONTW LogFontFromSpec(const FontSpec& fontSpec, int logPixelsY);

// The three fonts of the skin, created by LoadSkinFonts and deleted by ReleaseSkinFonts.
extern SkinFont titleFont;
extern SkinFont timerFont;
extern SkinFont dialogTitleFont;

void LoadSkinFonts(const wchar_t* skinPath);
void ReleaseSkinFonts();
