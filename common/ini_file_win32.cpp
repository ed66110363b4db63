// Files by wide name on Windows: the device drive is the current drive, so "\x" is a device path.
#include "common/ini_file.h"
#include <cwchar>

FILE* IniOpenFile(const wchar_t* path, const char* mode)
{
    wchar_t wideMode[8] = {};
    for (int i = 0; i < 7 && mode[i]; ++i)
        wideMode[i] = wchar_t(mode[i]);
    return _wfopen(path, wideMode);
}

bool IniRemoveFile(const wchar_t* path)
{
    return _wremove(path) == 0;
}
