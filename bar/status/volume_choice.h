// What the volume popup holds while it is open: the checked mode, the slider
// positions and the positions to return to. The transitions need no window.
#pragma once
#include <windows.h>

enum SoundMode { SOUND_ON = 0, SOUND_VIBRATE = 1, SOUND_OFF = 2 };

struct VolumeChoice {
    SoundMode mode;            // the checked radio button
    int volumePosition;        // slider positions, 0 (loudest) to 10
    int ringerPosition;
    int savedVolumePosition;   // where On puts the sliders back
    int savedRingerPosition;
    bool mutePending;          // Off or Vibrate chosen (or opened in) and no slider moved since
};

// The registry's values at opening. Mode 1 and 2 stand at the bottom; any other
// Mode is On with the device's volume and the registry's ringer volume.
struct SoundSettings {
    DWORD mode;
    DWORD deviceVolume;
    DWORD ringer;
    DWORD savedVolume;
    DWORD savedRinger;
};

// The choice at opening; opened in Off or Vibrate, a mute is pending. Without a phone the saved ringer position is kept from
// previousSavedRinger, since nothing reads the ringer then.
VolumeChoice InitialVolumeChoice(const SoundSettings& settings, bool phone, int previousSavedRinger);

// On: both sliders go back to the saved positions; On while On changes nothing.
void ChooseSoundOn(VolumeChoice& choice);

// Off or Vibrate: the first of them saves the positions and drops the sliders to
// the bottom; switching between the two keeps what the first saved.
void ChooseSoundMuted(VolumeChoice& choice, SoundMode mode);

// A slider was let go at position: within 0..10 it means On at that position
// (returns true), anything else changes nothing.
bool ReleaseVolumeSlider(VolumeChoice& choice, int position);
bool ReleaseRingerSlider(VolumeChoice& choice, int position);
