// Signal, connection and volume indicators.
#include "bar/status/indicators.h"

bool RefreshStatusIndicators()
{
    return false;
}
