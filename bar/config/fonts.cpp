// Reading font sections of a skin and creating the skin's three fonts.
#include "bar/config/fonts.h"
#include "common/ini.h"
#include <strsafe.h>
#include <cstdlib>

SkinFont titleFont = {};
SkinFont timerFont = {};
SkinFont dialogTitleFont = {};

namespace {

constexpr int kValueCapacity = 100;

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
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

int ParseSizePoints(const char* text)
{
    int points = 0;
    for (const char* p = text; *p >= '0' && *p <= '9'; ++p) {
        if (points > 100000)
            break;
        points = points * 10 + (*p - '0');
    }
    return points;
}

int FontHeightForPoints(int points, int logPixelsY)
{
    return -static_cast<int>(points * logPixelsY / 72.0 + 0.5);
}

FontSpec ReadFontSpec(const wchar_t* skinPath, const char* section)
{
    FontSpec fontSpec = {L"Tahoma", 9, 0, 0};
    char value[kValueCapacity];
    if (IniReadValue(skinPath, section, "Name", value, sizeof(value)) == INI_SUCCESS && value[0])
        AnsiToWide(value, fontSpec.name, 30);
    if (IniReadValue(skinPath, section, "Size", value, sizeof(value)) == INI_SUCCESS)
        fontSpec.size = ParseSizePoints(value);
    if (IniReadValue(skinPath, section, "Style", value, sizeof(value)) == INI_SUCCESS)
        fontSpec.style = atoi(value);
    if (IniReadValue(skinPath, section, "Color", value, sizeof(value)) == INI_SUCCESS)
        fontSpec.color = static_cast<COLORREF>(strtoul(value, nullptr, 10));
    return fontSpec;
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
    timerFont = CreateSkinFont(skinPath, "Timer Font", logPixelsY);
    dialogTitleFont = CreateSkinFont(skinPath, "Dialog Title", logPixelsY);
}

void ReleaseSkinFonts()
{
    DeleteSkinFont(titleFont);
    DeleteSkinFont(timerFont);
    DeleteSkinFont(dialogTitleFont);
}
