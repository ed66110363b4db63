// Free space of a folder's store: the emulated device's object store and cards, or
// the disk behind the folder on a desktop.
#include "platform/free_space.h"
#include "platform/emulated/device_state.h"
#include <cwchar>

namespace {

// The emulated device's answer; false when there is no device state.
bool DeviceFolderSpace(const wchar_t* folder, FolderSpace* space)
{
    ULONGLONG total = 0;
    ULONGLONG free = 0;
    if (!ReadDeviceQword(device_value::StorageTotal, &total))
        return false;
    *space = FolderSpace{0, 0, 0};
    if (!folder) {
        ReadDeviceQword(device_value::StorageFree, &free);
        *space = FolderSpace{free, total, free};
        return true;
    }
    // A card is a folder of the root: "\Storage Card".
    const wchar_t* name = folder[0] == L'\\' ? folder + 1 : folder;
    for (const StorageCardState& card : ReadDeviceState().cards)
        if (card.name == name)
            *space = FolderSpace{card.freeBytes, card.totalBytes, card.freeBytes};
    return true;
}

} // namespace

FolderSpace FreeSpaceOfFolder(const wchar_t* folder)
{
    FolderSpace space;
    if (DeviceFolderSpace(folder, &space))
        return space;
    ULARGE_INTEGER toCaller = {}, total = {}, totalFree = {};
    // The object store is the root folder of the current drive.
    if (!GetDiskFreeSpaceExW(folder ? folder : L"\\", &toCaller, &total, &totalFree))
        return FolderSpace{0, 0, 0};
    return FolderSpace{toCaller.QuadPart, total.QuadPart, totalFree.QuadPart};
}
