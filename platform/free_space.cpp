// Free space of a folder's store.
#include "platform/free_space.h"

FolderSpace FreeSpaceOfFolder(const wchar_t* folder)
{
    ULARGE_INTEGER toCaller = {}, total = {}, totalFree = {};
    // The object store is the device's root folder.
    if (!GetDiskFreeSpaceExW(folder ? folder : L"\\", &toCaller, &total, &totalFree))
        return FolderSpace{0, 0, 0};
    return FolderSpace{toCaller.QuadPart, total.QuadPart, totalFree.QuadPart};
}
