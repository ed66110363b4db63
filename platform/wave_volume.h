// The device-wide volume of wave-output device 0, as the handheld's sound driver keeps it.
//
// One value for the whole device: the bar's mute indicator, the volume popup and the
// shell's volume bubble all read and set this same volume, in any process.
#pragma once
#include <windows.h>

// The volume of wave-output device 0: low word the left channel, high word the
// right, each 0 (silent) to 0xFFFF. 0 means both channels are silent (muted). A
// machine without wave output reads as full volume, 0xFFFFFFFF, so a failed read
// never shows mute.
DWORD WaveOutVolume();

// Sets that volume (same format) for every program at once. Failures are silent.
void SetWaveOutVolume(DWORD volume);
