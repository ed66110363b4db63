// The device's regional time settings: the time pattern and separator of the system default locale.
#pragma once
#include <cstddef>

// The key under HKEY_LOCAL_MACHINE where the device keeps them, and the value names.
constexpr wchar_t kRegionalOverridesKey[] = L"nls\\overrides";
constexpr wchar_t kTimePatternValue[] = L"STFmt";
constexpr wchar_t kTimeSeparatorValue[] = L"STime";

// Reads one of the two values into out (cut to capacity). False, out "", when the
// value is absent or is no string.
bool ReadTimeSetting(const wchar_t* name, wchar_t* out, size_t capacity);

// Sets the time pattern (locale item 0x1003) and the time separator (item 0x1E) of
// the system default locale (0x800), for the whole device at once, and keeps both
// where ReadTimeSetting finds them. False when the locale refused either.
bool SetTimeSettings(const wchar_t* pattern, const wchar_t* separator);

// Makes this process format times with the device's current pattern and separator.
// The desktop keeps locale values per process from their first use, so a program
// that runs on while another one changes them calls this before it formats again
// (the bar on every reload). Nothing happens while the device keeps no such values.
void AdoptTimeSettings();
