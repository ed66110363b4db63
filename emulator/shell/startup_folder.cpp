// Reads each start-up shortcut in the device's text format and starts its target.
#include "emulator/shell/startup_folder.h"
#include "emulator/lib/device_paths.h"
#include "emulator/lib/device_processes.h"
#include "emulator/lib/log_file.h"
#include "emulator/lib/shortcut_text.h"
#include "emulator/protocol.h"
#include <windows.h>

namespace emu {

namespace {

bool StartShortcut(const std::wstring& link)
{
    ShortcutCommand command;
    if (!ParseShortcutText(ReadLogFile(link), &command))
        return false;
    PROCESS_INFORMATION pi = StartDeviceProgram(ProgramFileOf(command.target), command.arguments);
    if (!pi.hProcess)
        return false;
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return true;
}

} // namespace

int RunStartUpFolder()
{
    const std::wstring folder = DevicePath(kStartUpDir);
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
    return started;
}

} // namespace emu
