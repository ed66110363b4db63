// Wave-output volume: the emulated device's value, or the real device 0 on a desktop.
#include "platform/wave_volume.h"
#include "platform/emulated/device_state.h"
#include <mmsystem.h>

namespace {

// Device 0 by number: the wave functions take a device id where a handle goes.
HWAVEOUT WaveDeviceZero()
{
    return reinterpret_cast<HWAVEOUT>(static_cast<UINT_PTR>(0));
}

} // namespace

DWORD WaveOutVolume()
{
    DWORD volume = 0xFFFFFFFF;
    if (ReadDeviceDword(device_value::WaveVolume, &volume))
        return volume;
    if (waveOutGetVolume(WaveDeviceZero(), &volume) != MMSYSERR_NOERROR)
        return 0xFFFFFFFF;
    return volume;
}

void SetWaveOutVolume(DWORD volume)
{
    DWORD ignored;
    if (ReadDeviceDword(device_value::WaveVolume, &ignored))
        WriteDeviceDword(device_value::WaveVolume, volume);
    else
        waveOutSetVolume(WaveDeviceZero(), volume);
}
