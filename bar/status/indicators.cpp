// Signal, connection and volume indicators.
#include "bar/status/indicators.h"

int SignalLevel = 0;

bool RefreshStatusIndicators()
{
    return false;
}
