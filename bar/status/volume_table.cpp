// The volume table and the ring level, in both directions.
#include "bar/status/volume_table.h"

DWORD VolumeForPosition(int position)
{
    if (position < 0)
        position = 0;
    if (position > kVolumeSteps)
        position = kVolumeSteps;
    DWORD half = 65535u * static_cast<DWORD>(kVolumeSteps - position) / kVolumeSteps;
    return (half << 16) | half;
}

int PositionForVolume(DWORD volume)
{
    int position = 0;
    while (position < kVolumeSteps && VolumeForPosition(position) > volume)
        ++position;
    return position;
}

DWORD RingLevelForVolume(DWORD volume)
{
    if (volume == 0)
        return 0;
    if (volume < 858993460u)
        return 1;
    if (volume < 1717986919u)
        return 2;
    if (volume < 0x9999999Au)
        return 3;
    if (volume < 0xCCCCCCCDu)
        return 4;
    return 5;
}
