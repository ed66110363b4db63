// Creating, deleting and finding the bar's start-up shortcut.
#include "setup/startup_shortcut.h"
#include "common/settings_contract.h"
#include "platform/shortcut.h"
#include "platform/startup_folder.h"
#include <windows.h>

std::wstring StartUpShortcutPath()
{
    wchar_t folder[MAX_PATH];
    if (!GetStartUpFolder(folder, MAX_PATH))
        return L"";
    return std::wstring(folder) + L"\\Velkis.lnk";
}

std::wstring StartUpShortcutTarget(const wchar_t* programFolder)
{
    wchar_t target[MAX_PATH];
    PathBelowProgramFolder(programFolder, L"Velkis", target, MAX_PATH);
    return L"\"" + std::wstring(target) + L"\"";
}

bool StartUpShortcutExists()
{
    const std::wstring path = StartUpShortcutPath();
    if (path.empty())
        return false;
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void WriteStartUpShortcut(bool wanted, const wchar_t* programFolder)
{
    const std::wstring path = StartUpShortcutPath();
    if (path.empty())
        return;
    if (wanted)
        CreateShortcutFile(path.c_str(), StartUpShortcutTarget(programFolder).c_str());
    else
        DeleteFileW(path.c_str());
}
