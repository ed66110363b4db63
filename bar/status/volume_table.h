// The volume popup's slider positions and the volumes they stand for.
#pragma once
#include <windows.h>

constexpr int kVolumeSteps = 10;   // positions 0 (top, loudest) to 10 (bottom, silent)

// Both 16-bit halves hold floor(65535 x (10 - position) / 10); a position outside
// 0..10 is taken as the nearest end.
DWORD VolumeForPosition(int position);

// The first position whose table volume is not greater than volume (unsigned).
int PositionForVolume(DWORD volume);

// The ringer category's level 0..5 for a 32-bit volume.
DWORD RingLevelForVolume(DWORD volume);
