// Puts the device state back as a test found it, so later tests read the same device.
#pragma once
#include "platform/emulated/device_state.h"
#include "platform/scoped_win.h"

class KeptDeviceState {
public:
    KeptDeviceState() : existed_(KeyExists()), kept_(ReadDeviceState()) {}
    ~KeptDeviceState()
    {
        if (existed_)
            WriteDeviceState(kept_);
        else
            RegDeleteTreeW(HKEY_LOCAL_MACHINE, kDeviceStateKey);
    }
    KeptDeviceState(const KeptDeviceState&) = delete;
    KeptDeviceState& operator=(const KeptDeviceState&) = delete;
    static bool KeyExists()
    {
        ScopedRegKey key;
        return RegOpenKeyExW(HKEY_LOCAL_MACHINE, kDeviceStateKey, 0, KEY_READ, key.out()) == ERROR_SUCCESS;
    }
private:
    bool existed_;
    DeviceState kept_;
};
