// The device's registry: a clean start for every device.
#pragma once
#include "platform/emulated/device_state.h"

namespace emu {

// Deletes the device state and the shell settings that the bar reads or writes
// (HKLM and HKCU Software\Microsoft\Shell with their sub-keys) and the sound
// settings (HKCU ControlPanel), puts the regional time pattern and separator back to
// the locale's own and deletes their copy (HKLM nls\overrides), then writes fresh
// sound settings and state.
bool ResetDeviceRegistry(const DeviceState& state);

// Deletes what ResetDeviceRegistry writes, leaving the prefix as a device never ran.
void ClearDeviceRegistry();

// Writes the default device state when none is there yet (a shell started by hand).
void EnsureDeviceState();

} // namespace emu
