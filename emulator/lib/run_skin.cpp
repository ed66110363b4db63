// Copying the run command's skin onto the device and asking the bar to reload it.
#include "emulator/lib/run_skin.h"
#include "emulator/lib/device_install.h"
#include "emulator/lib/device_paths.h"
#include "emulator/protocol.h"
#include "common/bar_link.h"
#include "common/ini.h"
#include "common/ini_file.h"
#include <cstdio>
#include <windows.h>

namespace emu {

bool InstallRunSkin(const std::wstring& skinFile, std::wstring* error)
{
    const size_t slash = skinFile.find_last_of(L"\\/");
    if (slash == std::wstring::npos || GetFileAttributesW(skinFile.c_str()) == INVALID_FILE_ATTRIBUTES) {
        *error = L"no such skin file: " + skinFile;
        return false;
    }
    const std::wstring target = DevicePath(kRunSkinFolder);
    if (!CreateFolders(target) || !EmptyFolder(target) || !CopyFolder(skinFile.substr(0, slash), target)) {
        *error = L"cannot copy the skin's folder to " + target;
        return false;
    }
    // The INI engine's scratch file lives in the current drive's root: the device's.
    SetCurrentDirectoryW(DeviceRoot().c_str());
    const std::wstring deviceSkin = std::wstring(kRunSkinFolder) + L"\\" + skinFile.substr(slash + 1);
    std::string value;
    for (wchar_t c : deviceSkin)
        value += c < 0x100 ? static_cast<char>(c) : '?';
    const std::wstring config = DevicePath(std::wstring(kProgramDir) + L"\\config.ini");
    if (GetFileAttributesW(config.c_str()) == INVALID_FILE_ATTRIBUTES) {
        // Before the bar's first start: a file with the section alone; the bar adds the rest.
        FILE* fresh = IniOpenFile(config.c_str(), "wb");
        if (fresh) {
            std::fputs("[Settings]\r\n", fresh);
            std::fclose(fresh);
        }
    }
    if (IniWriteValue(config.c_str(), "Settings", "Theme File", value.c_str()) != INI_SUCCESS) {
        *error = L"cannot write " + config;
        return false;
    }
    return true;
}

bool ReloadRunningBar(unsigned timeoutMs)
{
    HWND bar = FindRunningBar();
    const UINT update = RegisterWindowMessageW(kUpdateMessageName);
    DWORD_PTR result = 0;
    return bar && SendMessageTimeoutW(bar, update, 0, 0, SMTO_NORMAL, timeoutMs, &result) != 0;
}

} // namespace emu
