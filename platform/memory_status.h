// Physical memory, as the global memory status reports it.
#pragma once
#include <windows.h>

struct PhysicalMemory {
    ULONGLONG total;       // bytes
    ULONGLONG available;   // bytes, never more than total
};

// Asks anew on each call; both are 0 when the status cannot be read.
PhysicalMemory ReadPhysicalMemory();
