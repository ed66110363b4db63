// Resolves each start-up shortcut and starts its target on the device.
#include "emulator/shell/startup_folder.h"
#include "emulator/lib/device_paths.h"
#include "emulator/lib/device_processes.h"
#include "emulator/protocol.h"
#include <windows.h>
#include <shlobj.h>
#include <shellapi.h>

namespace emu {

namespace {

// Target and arguments of a shortcut; false when it cannot be read.
bool ReadShortcut(const std::wstring& link, std::wstring* target, std::wstring* args)
{
    IShellLinkW* shellLink = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&shellLink))))
        return false;
    bool ok = false;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        wchar_t path[MAX_PATH] = L"", arguments[1024] = L"";
        ok = SUCCEEDED(file->Load(link.c_str(), STGM_READ))
            && SUCCEEDED(shellLink->GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH)) && path[0] != L'\0';
        if (ok && FAILED(shellLink->GetArguments(arguments, 1024)))
            arguments[0] = L'\0';
        *target = path;
        *args = arguments;
        file->Release();
    }
    shellLink->Release();
    return ok;
}

bool StartShortcut(const std::wstring& link)
{
    std::wstring target, args;
    if (ReadShortcut(link, &target, &args)) {
        PROCESS_INFORMATION pi = StartDeviceProgram(target, args);
        if (pi.hProcess) {
            CloseHandle(pi.hThread);
            CloseHandle(pi.hProcess);
            return true;
        }
    }
    // Whatever the shortcut holds, the shell's own execution may still know it.
    const std::wstring root = DeviceRoot();
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    info.lpFile = link.c_str();
    info.lpDirectory = root.c_str();
    info.nShow = SW_SHOW;
    return ShellExecuteExW(&info) != FALSE;
}

} // namespace

int RunStartUpFolder()
{
    const std::wstring folder = DevicePath(kStartUpDir);
    const HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    int started = 0;
    WIN32_FIND_DATAW fd;
    HANDLE find = FindFirstFileW((folder + L"\\*.lnk").c_str(), &fd);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && StartShortcut(folder + L"\\" + fd.cFileName))
                ++started;
        } while (FindNextFileW(find, &fd));
        FindClose(find);
    }
    if (SUCCEEDED(init))
        CoUninitialize();
    return started;
}

} // namespace emu
