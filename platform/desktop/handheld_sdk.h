// The handheld's own calls and records that the desktop's headers lack, declared as the
// handheld's SDK declares them; the desktop layer defines each over a desktop call.
// On the device its SDK headers (winbase.h) declare them and coredll.dll exports them.
#pragma once
#include <windows.h>
#include <cstddef>

struct SYSTEM_POWER_STATUS_EX2 {
    BYTE ACLineStatus;
    BYTE BatteryFlag;
    BYTE BatteryLifePercent;
    BYTE Reserved1;
    DWORD BatteryLifeTime;
    DWORD BatteryFullLifeTime;
    BYTE Reserved2;
    BYTE BackupBatteryFlag;
    BYTE BackupBatteryLifePercent;
    BYTE Reserved3;
    DWORD BackupBatteryLifeTime;
    DWORD BackupBatteryFullLifeTime;
    DWORD BatteryVoltage;
    DWORD BatteryCurrent;
    DWORD BatteryAverageCurrent;
    DWORD BatteryAverageInterval;
    DWORD BatterymAHourConsumed;
    DWORD BatteryTemperature;
    DWORD BackupBatteryVoltage;
    BYTE BatteryChemistry;
};
static_assert(offsetof(SYSTEM_POWER_STATUS_EX2, BatteryVoltage) == 24, "voltage follows the backup battery");
typedef SYSTEM_POWER_STATUS_EX2* PSYSTEM_POWER_STATUS_EX2;
static_assert(sizeof(SYSTEM_POWER_STATUS_EX2) == 56, "the handheld's power record is 56 bytes");

// Fills status (length bytes of it) and returns the bytes filled, 0 on failure.
// update: read the battery driver anew rather than its last report.
extern "C" DWORD WINAPI GetSystemPowerStatusEx2(PSYSTEM_POWER_STATUS_EX2 status, DWORD length, BOOL update);
