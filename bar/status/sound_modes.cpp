// The registry values and device volume that each of On, Off and Vibrate leaves.
#include "bar/status/sound_modes.h"
#include "bar/status/sound_registry.h"
#include "bar/status/volume_table.h"
#include "platform/wave_volume.h"
#include <cwchar>

namespace {

constexpr wchar_t kVibrateTone[] = L"*vibrate*";

// Mute, Key and Screen of ControlPanel\Volume as they were read; one that could
// not be read is never written back or copied.
struct FurtherSettings {
    DWORD values[3];
    bool read[3];
};
constexpr const wchar_t* kFurtherNames[3] = {L"Mute", L"Key", L"Screen"};

FurtherSettings ReadFurtherSettings(const wchar_t* key)
{
    FurtherSettings settings = {};
    for (int i = 0; i < 3; ++i)
        settings.read[i] = ReadSoundDword(key, kFurtherNames[i], &settings.values[i]);
    return settings;
}

void WriteFurtherSettings(const wchar_t* key, const FurtherSettings& settings)
{
    for (int i = 0; i < 3; ++i)
        if (settings.read[i])
            WriteSoundDword(key, kFurtherNames[i], settings.values[i]);
}

// Whether the device's sound is off or vibrating now, as the last close left it.
bool DeviceMuted()
{
    DWORD mode = SOUND_ON;
    return ReadSoundDword(sound_key::ShellOverrides, L"Mode", &mode) && (mode == SOUND_VIBRATE || mode == SOUND_OFF);
}

// Silences the system sounds and keeps what they were under VolumeUnmuted; when
// they are silent already, the backup holds what they were before and stays.
void TurnSoundOff(int volumePosition, bool muted)
{
    FurtherSettings further = ReadFurtherSettings(sound_key::Volume);
    WriteSoundDword(sound_key::Volume, L"Volume", 0);
    WriteSoundDword(sound_key::Volume, L"Key", 0);
    WriteSoundDword(sound_key::Volume, L"Screen", 0);
    if (muted)
        return;
    WriteSoundDword(sound_key::VolumeUnmuted, L"Volume", VolumeForPosition(volumePosition));
    WriteFurtherSettings(sound_key::VolumeUnmuted, further);
}

// Puts the ring tone aside while the phone vibrates.
void SaveRingTone()
{
    wchar_t sound[kSoundTextCapacity];
    if (!ReadSoundText(sound_key::RingTone, L"Sound", sound, kSoundTextCapacity) || wcscmp(sound, kVibrateTone) == 0)
        return;
    WriteSoundText(sound_key::RingTone, L"SavedSound", sound);
}

void RestoreRingTone()
{
    wchar_t sound[kSoundTextCapacity];
    wchar_t saved[kSoundTextCapacity];
    bool soundRead = ReadSoundText(sound_key::RingTone, L"Sound", sound, kSoundTextCapacity);
    if (!ReadSoundText(sound_key::RingTone, L"SavedSound", saved, kSoundTextCapacity))
        return;
    if (soundRead && wcscmp(sound, kVibrateTone) == 0)
        WriteSoundText(sound_key::RingTone, L"Sound", saved);
}

// Coming back from a mute, the key and screen sounds return from their backup.
void StoreOn(int volumePosition, int ringerPosition, bool phone, bool muted)
{
    FurtherSettings further = ReadFurtherSettings(muted ? sound_key::VolumeUnmuted : sound_key::Volume);
    DWORD volume = VolumeForPosition(volumePosition);
    WriteSoundDword(sound_key::Volume, L"Volume", volume);
    WriteFurtherSettings(sound_key::Volume, further);
    SetWaveOutVolume(volume);
    WriteSoundDword(sound_key::ShellOverrides, L"Mode", SOUND_ON);
    if (!phone)
        return;
    DWORD ringer = VolumeForPosition(ringerPosition);
    WriteSoundDword(sound_key::Volume, L"Ringer", ringer);
    WriteFurtherSettings(sound_key::Volume, further);
    WriteSoundDword(sound_key::RingCategory, L"InitVol", RingLevelForVolume(ringer));
    RestoreRingTone();
}

void StoreMuted(const VolumeChoice& choice, int volumePosition, bool phone, bool muted)
{
    TurnSoundOff(volumePosition, muted);
    SetWaveOutVolume(0);
    WriteSoundDword(sound_key::ShellOverrides, L"SavedVolume", VolumeForPosition(choice.savedVolumePosition));
    WriteSoundDword(sound_key::ShellOverrides, L"Mode", choice.mode);
    if (!phone)
        return;
    DWORD savedRinger = VolumeForPosition(choice.savedRingerPosition);
    WriteSoundDword(sound_key::Volume, L"Ringer", 0);
    WriteSoundDword(sound_key::ShellOverrides, L"SavedRingerVolume", savedRinger);
    if (choice.mode == SOUND_OFF) {
        WriteSoundDword(sound_key::RingCategory, L"InitVol", 0);
        RestoreRingTone();
    } else {
        WriteSoundDword(sound_key::RingCategory, L"InitVol", RingLevelForVolume(savedRinger));
        SaveRingTone();
        WriteSoundText(sound_key::RingTone, L"Sound", kVibrateTone);
    }
}

} // namespace

void StoreSoundChoice(const VolumeChoice& choice, int volumePosition, int ringerPosition, bool phone)
{
    if (volumePosition < 0 || volumePosition > kVolumeSteps)
        volumePosition = 0;
    const bool muted = DeviceMuted();
    if (choice.mode == SOUND_ON)
        StoreOn(volumePosition, ringerPosition, phone, muted);
    else
        StoreMuted(choice, volumePosition, phone, muted);
}
