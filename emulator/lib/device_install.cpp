// Installs a fresh device: folders, programs, skins.
#include "emulator/lib/device_install.h"
#include "emulator/lib/device_paths.h"
#include "emulator/protocol.h"
#include <windows.h>
#include <functional>

namespace emu {

namespace {

bool IsDots(const wchar_t* name)
{
    return lstrcmpW(name, L".") == 0 || lstrcmpW(name, L"..") == 0;
}

// Calls visit for every entry of folder but "." and "..", even after one failed.
// True when every visit succeeded; a folder that cannot be listed has nothing to visit.
bool ForEachEntry(const std::wstring& folder, const std::function<bool(const WIN32_FIND_DATAW&)>& visit)
{
    WIN32_FIND_DATAW fd;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &fd);
    if (find == INVALID_HANDLE_VALUE)
        return true;
    bool ok = true;
    do {
        if (!IsDots(fd.cFileName))
            ok = visit(fd) && ok;
    } while (FindNextFileW(find, &fd));
    FindClose(find);
    return ok;
}

// The device drive must be the build's device folder: a marker written through one
// path has to appear under the other.
bool DriveIsBuildDevice(std::wstring* error)
{
    const std::wstring folder = DeviceFolderInBuild();
    if (!CreateFolders(folder)) {
        *error = L"cannot create " + folder;
        return false;
    }
    wchar_t name[64];
    wsprintfW(name, L"\\.drive-check-%lu", GetCurrentProcessId());
    const std::wstring viaBuild = folder + name;
    HANDLE h = CreateFileW(viaBuild.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        *error = L"cannot write " + viaBuild;
        return false;
    }
    CloseHandle(h);
    const bool same = GetFileAttributesW((DeviceRoot() + (name + 1)).c_str()) != INVALID_FILE_ATTRIBUTES;
    DeleteFileW(viaBuild.c_str());
    if (!same)
        *error = std::wstring(kDeviceDrive) + L" is not mapped to " + folder + L" (run under the harness)";
    return same;
}

bool CopyOne(const std::wstring& from, const std::wstring& to)
{
    if (GetFileAttributesW(from.c_str()) == INVALID_FILE_ATTRIBUTES)
        return true;   // not built yet: the device simply lacks it
    return CopyFileW(from.c_str(), to.c_str(), FALSE) != 0;
}

} // namespace

bool EmptyFolder(const std::wstring& folder)
{
    return ForEachEntry(folder, [&](const WIN32_FIND_DATAW& fd) {
        const std::wstring path = folder + L"\\" + fd.cFileName;
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            return EmptyFolder(path) && RemoveDirectoryW(path.c_str());
        return DeleteFileW(path.c_str()) != 0;
    });
}

bool CopyFolder(const std::wstring& from, const std::wstring& to)
{
    if (!CreateFolders(to))
        return false;
    return ForEachEntry(from, [&](const WIN32_FIND_DATAW& fd) {
        const std::wstring src = from + L"\\" + fd.cFileName;
        const std::wstring dst = to + L"\\" + fd.cFileName;
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            return CopyFolder(src, dst);
        return CopyFileW(src.c_str(), dst.c_str(), FALSE) != 0;
    });
}

bool InstallDevice(const DeviceState& state, std::wstring* error)
{
    std::wstring ignored;
    if (!error)
        error = &ignored;
    if (!DriveIsBuildDevice(error))
        return false;
    const std::wstring root = DeviceRoot();
    if (!EmptyFolder(root.substr(0, 2))) {
        *error = L"cannot empty the device folder (a device program still running?)";
        return false;
    }
    const std::wstring program = DevicePath(kProgramDir);
    const std::wstring windows = DevicePath(kWindowsDir);
    bool ok = CreateFolders(program) && CreateFolders(DevicePath(kStartUpDir))
        && CreateFolders(DevicePath(L"\\My Documents"));
    for (const StorageCardState& card : state.cards)
        ok = CreateFolders(DevicePath(L"\\" + card.name)) && ok;
    const std::wstring install = InstallDir();
    const std::wstring emulator = EmulatorDir();
    ok = ok && CopyOne(install + L"\\Velkis.exe", program + L"\\Velkis.exe")
        && CopyOne(install + L"\\Tormalin.exe", program + L"\\Tormalin.exe")
        && CopyOne(emulator + L"\\" + kShellExe, windows + L"\\" + kShellExe)
        && CopyOne(emulator + L"\\" + kSampleAppExe, windows + L"\\" + kSampleAppExe);
    if (ok && GetFileAttributesW((install + L"\\Themes").c_str()) != INVALID_FILE_ATTRIBUTES)
        ok = CopyFolder(install + L"\\Themes", program + L"\\Themes");
    ok = ok && CopyFolder(DeviceDllDir(), windows);
    if (!ok)
        *error = L"cannot lay out the device folder";
    return ok;
}

} // namespace emu
