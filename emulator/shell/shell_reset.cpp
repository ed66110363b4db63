// Reset: everything on the device stops, a fresh shell boots.
#include "emulator/shell/shell_reset.h"
#include "emulator/shell/shell_state.h"
#include "emulator/lib/device_processes.h"
#include "emulator/protocol.h"
#include <windows.h>

namespace emu {

void ResetDevice()
{
    TerminateDeviceProcesses(3000);
    wchar_t self[MAX_PATH * 2];
    DWORD n = GetModuleFileNameW(nullptr, self, MAX_PATH * 2);
    if (n == 0 || n >= MAX_PATH * 2)
        return;
    wchar_t after[32];
    wsprintfW(after, L" %s %lu", kAfterArg, GetCurrentProcessId());
    PROCESS_INFORMATION pi = StartDeviceProgram(self, Shell().restartArgs + after);
    if (pi.hProcess) {
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
    }
    if (Shell().today)
        DestroyWindow(Shell().today);
    if (Shell().taskbar)
        DestroyWindow(Shell().taskbar);   // ends the message loop
}

} // namespace emu
