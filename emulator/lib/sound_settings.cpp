// A fresh device's sound settings: volumes, sound mode, ring tone and ring level.
#include "emulator/lib/sound_settings.h"

namespace emu {

namespace {

const wchar_t kControlPanel[] = L"ControlPanel";

bool SetDword(const wchar_t* key, const wchar_t* name, DWORD value)
{
    return RegSetKeyValueW(HKEY_CURRENT_USER, key, name, REG_DWORD, &value, sizeof(value)) == ERROR_SUCCESS;
}

bool SetText(const wchar_t* key, const wchar_t* name, const wchar_t* text)
{
    DWORD size = static_cast<DWORD>((wcslen(text) + 1) * sizeof(wchar_t));
    return RegSetKeyValueW(HKEY_CURRENT_USER, key, name, REG_SZ, text, size) == ERROR_SUCCESS;
}

// Mute, Key and Screen: which event sounds play (all of them on a fresh device).
bool SetFurtherSounds(const wchar_t* key)
{
    return SetDword(key, L"Mute", 7) && SetDword(key, L"Key", 2) && SetDword(key, L"Screen", 2);
}

} // namespace

void ClearSoundSettings()
{
    RegDeleteTreeW(HKEY_CURRENT_USER, kControlPanel);
}

bool ResetSoundSettings()
{
    ClearSoundSettings();
    const wchar_t volume[] = L"ControlPanel\\Volume";
    const wchar_t unmuted[] = L"ControlPanel\\VolumeUnmuted";
    const wchar_t overrides[] = L"ControlPanel\\Notifications\\ShellOverrides";
    return SetDword(volume, L"Volume", kDefaultSystemVolume) && SetDword(volume, L"Ringer", kDefaultRingerVolume) &&
           SetFurtherSounds(volume) && SetDword(unmuted, L"Volume", kDefaultSystemVolume) && SetFurtherSounds(unmuted) &&
           SetDword(overrides, L"Mode", 0) && SetDword(overrides, L"SavedVolume", kDefaultSystemVolume) &&
           SetDword(overrides, L"SavedRingerVolume", kDefaultRingerVolume) &&
           SetText(L"ControlPanel\\Sounds\\RingTone0", L"Sound", kDefaultRingTone) &&
           SetDword(L"ControlPanel\\SoundCategories\\Ring", L"InitVol", 3);
}

} // namespace emu
