// An icon resource of a module at one exact size.
#pragma once
#include <windows.h>
#include <cstddef>

// Which image of an icon group directory (the RT_GROUP_ICON resource's bytes) is
// square at size pixels, with the most colour bits; -1 when none is, or when the
// directory is cut short.
int IconImageOfSize(const BYTE* directory, size_t bytes, int size);

// The icon resource (RT_ICON) holding image index of a directory that IconImageOfSize
// found it in.
WORD IconImageId(const BYTE* directory, int index);

// The group's image of exactly size pixels as a new icon (another size is scaled
// by the system), or 0. The caller destroys it. Unlike LoadImage, the module's
// directory is read here, which spares Wine one look at the display per icon.
HICON LoadResourceIcon(HINSTANCE instance, int groupId, int size);
