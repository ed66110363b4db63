// The program folder, the paths below it and the HiRes rule, worked out once for both programs.
#include "common/settings_contract.h"
#include "common/ini.h"
#include <strsafe.h>
#include <cstdlib>
#include <cwchar>

bool ProgramFolderFromModulePath(const wchar_t* path, DWORD copied, DWORD capacity, wchar_t* folder,
                                 size_t folderCapacity)
{
    if (folderCapacity == 0)
        return false;
    folder[0] = L'\0';
    if (copied == 0 || copied >= capacity)
        return false;
    const wchar_t* lastSlash = wcsrchr(path, L'\\');
    if (!lastSlash)
        return false;
    size_t length = static_cast<size_t>(lastSlash - path);
    if (length >= folderCapacity)
        return false;
    return SUCCEEDED(StringCchCopyNW(folder, folderCapacity, path, length));
}

bool PathBelowProgramFolder(const wchar_t* folder, const wchar_t* name, wchar_t* out, size_t capacity)
{
    if (capacity == 0)
        return false;
    const size_t length = wcslen(folder);
    const bool slash = length > 0 && folder[length - 1] == L'\\';
    if (SUCCEEDED(StringCchPrintfW(out, capacity, slash ? L"%s%s" : L"%s\\%s", folder, name)))
        return true;
    out[0] = L'\0';
    return false;
}

int ReadSkinHiRes(const wchar_t* skinPath)
{
    char value[INI_LINE_MAX + 1] = "0";
    if (IniReadValue(skinPath, kSkinInfoSection, kHiResKey, value, sizeof(value)) != INI_SUCCESS)
        return 0;
    return atoi(value);
}

bool IsHiResSkin(const wchar_t* skinPath)
{
    return ReadSkinHiRes(skinPath) != 0;
}
