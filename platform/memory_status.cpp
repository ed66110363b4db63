// Physical memory from the global memory status.
#include "platform/memory_status.h"

PhysicalMemory ReadPhysicalMemory()
{
    MEMORYSTATUSEX status = {};
    status.dwLength = sizeof(status);
    if (!GlobalMemoryStatusEx(&status))
        return PhysicalMemory{0, 0};
    ULONGLONG available = status.ullAvailPhys < status.ullTotalPhys ? status.ullAvailPhys : status.ullTotalPhys;
    return PhysicalMemory{status.ullTotalPhys, available};
}
