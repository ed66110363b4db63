// The main battery's charge, as the system power status reports it.
#pragma once
#include <windows.h>

// Life per cent of the main battery: 0..100, or a value above 100 (255) when the
// charge is unknown. Each call asks anew (the status is refreshed, never cached).
BYTE MainBatteryLifePercent();
