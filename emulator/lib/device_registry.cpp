// Clean registry keys per device and default device state.
#include "emulator/lib/device_registry.h"
#include "emulator/lib/sound_settings.h"
#include <windows.h>

namespace emu {

namespace {
const wchar_t kShellKey[] = L"Software\\Microsoft\\Shell";
} // namespace

void ClearDeviceRegistry()
{
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, kDeviceStateKey);
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, kShellKey);
    RegDeleteTreeW(HKEY_CURRENT_USER, kShellKey);
    ClearSoundSettings();
}

bool ResetDeviceRegistry(const DeviceState& state)
{
    ClearDeviceRegistry();
    return ResetSoundSettings() && WriteDeviceState(state);
}

void EnsureDeviceState()
{
    HKEY key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kDeviceStateKey, 0, KEY_READ, &key) == ERROR_SUCCESS) {
        RegCloseKey(key);
        return;
    }
    WriteDeviceState(DeviceState{});
}

} // namespace emu
