// Battery charge: the emulated device's value, or the system power status on a desktop.
#include "platform/power_status.h"
#include "platform/emulated/device_state.h"
#include "handheld_sdk.h"

BYTE MainBatteryLifePercent()
{
    DWORD percent = 255;
    if (ReadDeviceDword(device_value::BatteryPercent, &percent))
        return percent > 255 ? 255 : static_cast<BYTE>(percent);
    SYSTEM_POWER_STATUS_EX2 status = {};
    if (GetSystemPowerStatusEx2(&status, sizeof(status), TRUE) == 0)
        return 255;
    return status.BatteryLifePercent;
}
