// Build-tree and device path helpers.
#include "emulator/lib/device_paths.h"
#include "emulator/protocol.h"
#include <windows.h>

namespace emu {

namespace {
std::wstring Parent(const std::wstring& path)
{
    size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(0, slash);
}
} // namespace

std::wstring BuildDir()
{
    std::wstring module(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = GetModuleFileNameW(nullptr, &module[0], static_cast<DWORD>(module.size()));
        if (n < module.size()) {
            module.resize(n);
            break;
        }
        module.resize(module.size() * 2);
    }
    return Parent(Parent(module));
}

std::wstring EmulatorDir()
{
    return BuildDir() + L"\\emulator";
}

std::wstring InstallDir()
{
    return BuildDir() + L"\\install";
}

std::wstring DeviceDllDir()
{
    return EmulatorDir() + L"\\windows";
}

std::wstring DevicePath(const std::wstring& path)
{
    if (!path.empty() && path[0] == L'\\' && (path.size() < 2 || path[1] != L'\\'))
        return kDeviceDrive + path;
    return path;
}

std::wstring DeviceRoot()
{
    return std::wstring(kDeviceDrive) + L"\\";
}

std::wstring DeviceFolderInBuild()
{
    return BuildDir() + L"\\device";
}

bool CreateFolders(const std::wstring& path)
{
    DWORD attrs = GetFileAttributesW(path.c_str());
    if (attrs != INVALID_FILE_ATTRIBUTES)
        return (attrs & FILE_ATTRIBUTE_DIRECTORY) != 0;
    size_t slash = path.find_last_of(L'\\');
    if (slash != std::wstring::npos && slash > 2)
        CreateFolders(path.substr(0, slash));
    return CreateDirectoryW(path.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

} // namespace emu
