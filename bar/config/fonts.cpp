// Reading font sections of a skin and creating the skin's three fonts.
#include "bar/config/fonts.h"
#include "common/settings_contract.h"
#include "platform/scoped_win.h"
#include <strsafe.h>

SkinFont titleFont = {};
SkinFont timerFont = {};
SkinFont dialogTitleFont = {};

namespace {

SkinFont CreateSkinFont(const wchar_t* skinPath, const char* section, int logPixelsY)
{
    FontSpec fontSpec = ReadFontSpec(skinPath, section);
    LOGFONTW logFont = LogFontFromSpec(fontSpec, logPixelsY);
    return SkinFont{CreateFontIndirectW(&logFont), fontSpec.color};
}

void DeleteSkinFont(SkinFont& font)
{
    if (font.font)
        DeleteObject(font.font);
    font = {};
}

} // namespace

int ScreenLogPixelsY()
{
    ScopedGetDC screen(nullptr);
    return GetDeviceCaps(screen.get(), LOGPIXELSY);
}

int FontHeightForPoints(int points, int logPixelsY)
{
    return -static_cast<int>(points * logPixelsY / 72.0 + 0.5);
}

LOGFONTW LogFontFromSpec(const FontSpec& fontSpec, int logPixelsY)
{
    LOGFONTW logFont = {};
    logFont.lfHeight = FontHeightForPoints(fontSpec.size, logPixelsY);
    logFont.lfWeight = (fontSpec.style & 1) ? FW_BOLD : FW_NORMAL;
    logFont.lfItalic = (fontSpec.style & 2) ? TRUE : FALSE;
    logFont.lfCharSet = DEFAULT_CHARSET;
    StringCchCopyW(logFont.lfFaceName, LF_FACESIZE, fontSpec.name);
    return logFont;
}

void LoadSkinFonts(const wchar_t* skinPath)
{
    int logPixelsY = ScreenLogPixelsY();
    titleFont = CreateSkinFont(skinPath, "Title Font", logPixelsY);
    timerFont = CreateSkinFont(skinPath, kTimerFontSection, logPixelsY);
    dialogTitleFont = CreateSkinFont(skinPath, "Dialog Title", logPixelsY);
}

void ReleaseSkinFonts()
{
    DeleteSkinFont(titleFont);
    DeleteSkinFont(timerFont);
    DeleteSkinFont(dialogTitleFont);
}
