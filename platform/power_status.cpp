// Battery charge from the system power status.
#include "platform/power_status.h"

BYTE MainBatteryLifePercent()
{
    SYSTEM_POWER_STATUS status = {};
    if (!GetSystemPowerStatus(&status))
        return 255;
    return status.BatteryLifePercent;
}
