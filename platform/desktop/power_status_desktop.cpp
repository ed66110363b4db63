// GetSystemPowerStatusEx2 of the handheld, filled from the desktop's power status.
// On the device: coredll.dll's own GetSystemPowerStatusEx2.
#include "handheld_sdk.h"

extern "C" DWORD WINAPI GetSystemPowerStatusEx2(PSYSTEM_POWER_STATUS_EX2 status, DWORD length, BOOL)
{
    SYSTEM_POWER_STATUS desktop;
    if (!status || length < sizeof(*status) || !GetSystemPowerStatus(&desktop))
        return 0;
    *status = SYSTEM_POWER_STATUS_EX2{};
    status->ACLineStatus = desktop.ACLineStatus;
    status->BatteryFlag = desktop.BatteryFlag;
    status->BatteryLifePercent = desktop.BatteryLifePercent;
    status->BatteryLifeTime = desktop.BatteryLifeTime;
    status->BatteryFullLifeTime = desktop.BatteryFullLifeTime;
    return sizeof(*status);
}
