// Icon resources at one exact size, read from the module's group directory.
// On the device: LoadImageW(IMAGE_ICON, size, size), which picks the group's image of
// that size itself; on Wine the directory read here spares one look at the display.
#include "platform/resource_icon.h"

namespace {

const BYTE* ResourceBytes(HINSTANCE instance, LPCWSTR name, LPCWSTR type, DWORD* bytes)
{
    HRSRC found = FindResourceW(instance, name, type);
    HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    *bytes = found ? SizeofResource(instance, found) : 0;
    return loaded ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
}

} // namespace

HICON LoadResourceIcon(HINSTANCE instance, int groupId, int size)
{
    DWORD bytes = 0;
    const BYTE* directory = ResourceBytes(instance, MAKEINTRESOURCEW(groupId), RT_GROUP_ICON, &bytes);
    const int index = IconImageOfSize(directory, bytes, size);
    if (index < 0)
        return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(groupId), IMAGE_ICON, size, size, 0));
    const BYTE* image = ResourceBytes(instance, MAKEINTRESOURCEW(IconImageId(directory, index)), RT_ICON, &bytes);
    if (!image)
        return nullptr;
    return CreateIconFromResourceEx(const_cast<BYTE*>(image), bytes, TRUE, 0x00030000, size, size, LR_DEFAULTCOLOR);
}
