// The sound settings a fresh handheld keeps under HKEY_CURRENT_USER\ControlPanel.
#pragma once
#include <windows.h>

namespace emu {

// Values of a fresh device: sound on, system volume at 0xCCCCCCCC (the device
// state's default wave volume), ringer at 0x99999999, a ring tone file.
constexpr DWORD kDefaultSystemVolume = 0xCCCCCCCC;
constexpr DWORD kDefaultRingerVolume = 0x99999999;
constexpr wchar_t kDefaultRingTone[] = L"\\Windows\\Ring.wav";

// Deletes ControlPanel and writes the fresh device's sound settings.
bool ResetSoundSettings();

// Deletes ControlPanel, as a device never ran.
void ClearSoundSettings();

} // namespace emu
