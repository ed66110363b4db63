// Skin fonts: the logical font made from a font section (common/font_spec.h) and the skin's three fonts.
#pragma once
#include <windows.h>
#include "common/font_spec.h"

// A font built from a FontSpec, with the text colour kept beside it.
struct SkinFont {
    HFONT font;
    COLORREF color;
};

// The screen's vertical logical pixels per inch.
int ScreenLogPixelsY();

// Character height for a point size at a vertical density: negative, rounded half up.
int FontHeightForPoints(int points, int logPixelsY);

// The logical-font record of a fontSpec at a vertical density.
LOGFONTW LogFontFromSpec(const FontSpec& fontSpec, int logPixelsY);

// The three fonts of the skin, created by LoadSkinFonts and deleted by ReleaseSkinFonts
// (both in bar/config/fonts.cpp, the only writer).
extern SkinFont titleFont;
extern SkinFont timerFont;
extern SkinFont dialogTitleFont;

void LoadSkinFonts(const wchar_t* skinPath);
void ReleaseSkinFonts();
