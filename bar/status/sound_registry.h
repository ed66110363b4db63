// The platform's sound settings in the registry (HKEY_CURRENT_USER). Keys are only
// opened, never created: a missing key reads as absent and takes no writes.
#pragma once
#include <windows.h>

namespace sound_key {
constexpr wchar_t Volume[] = L"ControlPanel\\Volume";
constexpr wchar_t VolumeUnmuted[] = L"ControlPanel\\VolumeUnmuted";
constexpr wchar_t ShellOverrides[] = L"ControlPanel\\Notifications\\ShellOverrides";
constexpr wchar_t RingTone[] = L"ControlPanel\\Sounds\\RingTone0";
constexpr wchar_t RingCategory[] = L"ControlPanel\\SoundCategories\\Ring";
}

constexpr size_t kSoundTextCapacity = 260;

// False when the key or the value is missing or not a 32-bit number.
bool ReadSoundDword(const wchar_t* key, const wchar_t* value, DWORD* out);

// The value, or 0 when it cannot be read.
DWORD SoundDwordOrZero(const wchar_t* key, const wchar_t* value);

void WriteSoundDword(const wchar_t* key, const wchar_t* value, DWORD data);

// Text of at most capacity - 1 units; false when missing or not text.
bool ReadSoundText(const wchar_t* key, const wchar_t* value, wchar_t* out, size_t capacity);

void WriteSoundText(const wchar_t* key, const wchar_t* value, const wchar_t* text);
