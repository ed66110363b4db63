// The font record of skin files (FontSpec) and its read and write.
//
// Contract for both programs. A font is four keys of one skin-file section:
// Name (typeface, at most 31 characters), Size (points; only the digits before
// the first other character count, so "9.5" is 9 and "-5" is 0), Style (1 bold,
// 2 italic) and Color (decimal 0x00BBGGRR; written signed with "%d", read back
// to the same bits). The bar reads "Title Font", "Timer Font" and "Dialog Title";
// the setup program reads and writes "Timer Font".
#pragma once
#include <windows.h>

constexpr int kFontNameCapacity = LF_FACESIZE;   // a whole face name and its terminator

struct FontSpec {
    wchar_t name[kFontNameCapacity];   // typeface, at most 31 characters
    int size;                          // points, integer part of the Size value
    int style;                         // 1 bold, 2 italic
    COLORREF color;                    // 0x00BBGGRR
};

// What the bar uses for a key the skin lacks: Tahoma, 9 points, regular, black.
constexpr FontSpec kSkinFontDefaults = {L"Tahoma", 9, 0, 0};

// Which keys a read found (ReadFontSpec's found).
constexpr unsigned kFontNameKey = 1, kFontSizeKey = 2, kFontStyleKey = 4, kFontColorKey = 8;

// Reads Name, Size, Style and Color of section; a key that cannot be read, and
// an empty Name, keep the value of missing. Never fails. found, when given,
// receives the kFont...Key bits of the keys that were read.
FontSpec ReadFontSpec(const wchar_t* skinPath, const char* section, const FontSpec& missing = kSkinFontDefaults,
                      unsigned* found = nullptr);

// Writes Name, Size (whole points, "%d") and Color ("%d") of fontSpec into
// section; Style is left as it is. Returns false when any write failed.
bool WriteFontSpec(const wchar_t* skinPath, const char* section, const FontSpec& fontSpec);

// Integer part of a decimal text: "9.5" is 9; anything that is no number is 0.
int ParseSizePoints(const char* text);
