// The cellular-line test. Until the telephony line service is in platform/, the
// answer comes from the device state's line flag.
#include "common/cellular_line.h"
#include "platform/device_state.h"

bool DetectCellularLine()
{
    return ReadDeviceDword(device_value::CellularLine, 1) != 0;
}
