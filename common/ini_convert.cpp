// Conversions at the INI engine's boundary: one byte per UTF-16 unit.
#include "common/ini.h"
#include <cstring>

void AnsiToWide(const char* text, wchar_t* out, size_t outCapacity)
{
    if (!out || outCapacity == 0)
        return;
    memset(out, 0, outCapacity * sizeof(wchar_t));
    if (!text)
        return;
    for (size_t i = 0; i + 1 < outCapacity && text[i]; ++i)
        out[i] = wchar_t(static_cast<unsigned char>(text[i]));
}

void WideToAnsi(const wchar_t* text, char* out, size_t outCapacity)
{
    if (!out || outCapacity == 0)
        return;
    memset(out, 0, outCapacity);
    if (!text)
        return;
    for (size_t i = 0; i + 1 < outCapacity && text[i]; ++i)
        out[i] = char(text[i] & 0xFF);
}
