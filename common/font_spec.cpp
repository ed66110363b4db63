// Reading and writing a skin file's font section.
#include "common/font_spec.h"
#include "common/ini.h"
#include <strsafe.h>
#include <cstdio>
#include <cstdlib>

namespace {
constexpr int kValueCapacity = 100;
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

FontSpec ReadFontSpec(const wchar_t* skinPath, const char* section, const FontSpec& missing, unsigned* found)
{
    FontSpec fontSpec = missing;
    unsigned keys = 0;
    char value[kValueCapacity];
    if (IniReadValue(skinPath, section, "Name", value, sizeof(value)) == INI_SUCCESS && value[0]) {
        AnsiToWide(value, fontSpec.name, kFontNameCapacity);
        keys |= kFontNameKey;
    }
    if (IniReadValue(skinPath, section, "Size", value, sizeof(value)) == INI_SUCCESS) {
        fontSpec.size = ParseSizePoints(value);
        keys |= kFontSizeKey;
    }
    if (IniReadValue(skinPath, section, "Style", value, sizeof(value)) == INI_SUCCESS) {
        fontSpec.style = atoi(value);
        keys |= kFontStyleKey;
    }
    if (IniReadValue(skinPath, section, "Color", value, sizeof(value)) == INI_SUCCESS) {
        fontSpec.color = static_cast<COLORREF>(strtoul(value, nullptr, 10));
        keys |= kFontColorKey;
    }
    if (found)
        *found = keys;
    return fontSpec;
}

bool WriteFontSpec(const wchar_t* skinPath, const char* section, const FontSpec& fontSpec)
{
    char name[kFontNameCapacity];
    WideToAnsi(fontSpec.name, name, sizeof(name));
    char size[16];
    StringCchPrintfA(size, sizeof(size), "%d", fontSpec.size);
    char color[16];
    StringCchPrintfA(color, sizeof(color), "%d", static_cast<int>(fontSpec.color));
    bool ok = IniWriteValue(skinPath, section, "Name", name) == INI_SUCCESS;
    ok = IniWriteValue(skinPath, section, "Color", color) == INI_SUCCESS && ok;
    ok = IniWriteValue(skinPath, section, "Size", size) == INI_SUCCESS && ok;
    return ok;
}
