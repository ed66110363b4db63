// Free space of a folder's store: the object store or a storage card.
#pragma once
#include <windows.h>

struct FolderSpace {
    ULONGLONG freeToCaller;   // bytes, as 64-bit values
    ULONGLONG total;
    ULONGLONG totalFree;
};

// folder null: the root of the object store; otherwise a device path such as
// "\Storage Card". A folder without a store behind it gives all zeros.
FolderSpace FreeSpaceOfFolder(const wchar_t* folder);
