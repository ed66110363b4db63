// Storing the volume popup's choice when it closes.
#pragma once
#include "bar/status/volume_choice.h"

// Writes the sound settings for the choice's mode and sets the device volume:
// volumePosition and ringerPosition are the sliders' positions at closing (a
// volume position outside 0..10 counts as 0). Without a phone the ringer, its
// level and the ring tone are left alone. Whether the device is muted is read
// from the mode the last close stored: On after a mute takes Mute, Key and Screen
// back from VolumeUnmuted, and a mute after a mute leaves that backup alone.
void StoreSoundChoice(const VolumeChoice& choice, int volumePosition, int ringerPosition, bool phone);
