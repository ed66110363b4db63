// Transitions of the volume popup's choice: radio buttons and slider releases.
#include "bar/status/volume_choice.h"
#include "bar/status/volume_table.h"

namespace {

bool InRange(int position)
{
    return position >= 0 && position <= kVolumeSteps;
}

} // namespace

VolumeChoice InitialVolumeChoice(const SoundSettings& settings, bool phone, int previousSavedRinger)
{
    VolumeChoice choice = {};
    DWORD volume = 0;
    DWORD ringer = 0;
    if (settings.mode == SOUND_VIBRATE || settings.mode == SOUND_OFF) {
        choice.mode = static_cast<SoundMode>(settings.mode);
    } else {
        choice.mode = SOUND_ON;
        volume = settings.deviceVolume;
        ringer = settings.ringer;
    }
    choice.savedVolumePosition = PositionForVolume(settings.savedVolume);
    choice.savedRingerPosition = phone ? PositionForVolume(settings.savedRinger) : previousSavedRinger;
    choice.volumePosition = PositionForVolume(volume);
    choice.ringerPosition = PositionForVolume(ringer);
    // Opened muted, the saved positions are the volumes to return to: Off or
    // Vibrate chosen now must not take the sliders' bottom for them.
    choice.mutePending = choice.mode != SOUND_ON;
    return choice;
}

void ChooseSoundOn(VolumeChoice& choice)
{
    // On while On: the sliders stay where the person left them.
    if (choice.mode == SOUND_ON)
        return;
    choice.mode = SOUND_ON;
    choice.mutePending = false;
    choice.volumePosition = choice.savedVolumePosition;
    choice.ringerPosition = choice.savedRingerPosition;
}

void ChooseSoundMuted(VolumeChoice& choice, SoundMode mode)
{
    choice.mode = mode;
    if (choice.mutePending)
        return;
    choice.mutePending = true;
    choice.savedVolumePosition = choice.volumePosition;
    choice.savedRingerPosition = choice.ringerPosition;
    choice.volumePosition = kVolumeSteps;
    choice.ringerPosition = kVolumeSteps;
}

bool ReleaseVolumeSlider(VolumeChoice& choice, int position)
{
    if (!InRange(position))
        return false;
    choice.mode = SOUND_ON;
    choice.mutePending = false;
    choice.volumePosition = position;
    choice.savedVolumePosition = position;
    return true;
}

bool ReleaseRingerSlider(VolumeChoice& choice, int position)
{
    if (!InRange(position))
        return false;
    choice.mode = SOUND_ON;
    choice.mutePending = false;
    choice.ringerPosition = position;
    choice.savedRingerPosition = position;
    return true;
}
