// The handheld's start-up folder is \Windows\StartUp on the device's own drive.
#include "platform/startup_folder.h"
#include <windows.h>
#include <strsafe.h>

bool GetStartUpFolder(wchar_t* out, size_t capacity)
{
    if (capacity == 0)
        return false;
    if (SUCCEEDED(StringCchCopyW(out, capacity, L"\\Windows\\StartUp")))
        return true;
    out[0] = L'\0';
    return false;
}
