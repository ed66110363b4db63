// Physical memory: the emulated device's values, or the global memory status on a desktop.
#include "platform/memory_status.h"
#include "platform/emulated/device_state.h"

namespace {

PhysicalMemory Bounded(ULONGLONG total, ULONGLONG available)
{
    return PhysicalMemory{total, available < total ? available : total};
}

} // namespace

PhysicalMemory ReadPhysicalMemory()
{
    ULONGLONG total = 0;
    ULONGLONG available = 0;
    if (ReadDeviceQword(device_value::MemoryTotal, &total)) {
        ReadDeviceQword(device_value::MemoryFree, &available);
        return Bounded(total, available);
    }
    MEMORYSTATUS status = {};
    status.dwLength = sizeof(status);
    GlobalMemoryStatus(&status);
    return Bounded(status.dwTotalPhys, status.dwAvailPhys);
}
