// Clean registry keys per device and default device state.
#include "emulator/lib/device_registry.h"
#include "emulator/lib/sound_settings.h"
#include "platform/regional_settings.h"
#include <windows.h>

namespace emu {

namespace {
const wchar_t kShellKey[] = L"Software\\Microsoft\\Shell";
constexpr LCID kSystemDefaultLocale = 0x800;

// The time pattern and separator go back to the locale's own (the prefix keeps what a
// previous device set), and the device's copy of them goes.
void ResetRegionalSettings()
{
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, kRegionalOverridesKey);
    const LCTYPE items[] = {LOCALE_STIMEFORMAT, LOCALE_STIME};
    for (LCTYPE item : items) {
        wchar_t value[80] = L"";
        if (GetLocaleInfoW(kSystemDefaultLocale, item | LOCALE_NOUSEROVERRIDE, value, 80))
            SetLocaleInfoW(kSystemDefaultLocale, item, value);
    }
}
} // namespace

void ClearDeviceRegistry()
{
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, kDeviceStateKey);
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, kShellKey);
    RegDeleteTreeW(HKEY_CURRENT_USER, kShellKey);
    ClearSoundSettings();
    ResetRegionalSettings();
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
