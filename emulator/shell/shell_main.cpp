// The handheld's shell process (shell32.exe): system taskbar, Today screen, start-up.
#include "emulator/shell/popups.h"
#include "emulator/shell/screen_power.h"
#include "emulator/shell/shell_app.h"
#include "emulator/shell/shell_state.h"
#include "emulator/shell/startup_folder.h"
#include "emulator/shell/tap_log.h"
#include "emulator/shell/taskbar_window.h"
#include "emulator/shell/today_window.h"
#include "emulator/lib/command_line.h"
#include "emulator/lib/device_paths.h"
#include "emulator/lib/device_processes.h"
#include "emulator/lib/device_registry.h"
#include "emulator/protocol.h"
#include "platform/emulated/device_state.h"
#include <windows.h>

namespace {

// A shell started by a reset waits until the previous one has gone, so that there
// is never more than one system taskbar.
void WaitForPreviousShell(DWORD pid)
{
    HANDLE previous = OpenProcess(SYNCHRONIZE, FALSE, pid);
    if (!previous)
        return;
    WaitForSingleObject(previous, 10000);
    CloseHandle(previous);
}

void ReadArguments()
{
    const std::vector<std::wstring> args = emu::CommandLineArgs();
    std::wstring restart;
    for (size_t i = 0; i + 1 < args.size(); i += 2) {
        unsigned long pid = 0;
        if (args[i] == emu::kTapLogArg) {
            emu::SetTapLogPath(args[i + 1]);
            restart += std::wstring(emu::kTapLogArg) + L" " + emu::QuoteArg(args[i + 1]) + L" ";
        } else if (args[i] == emu::kKeyLogArg) {
            emu::SetKeyLogPath(args[i + 1]);
            restart += std::wstring(emu::kKeyLogArg) + L" " + emu::QuoteArg(args[i + 1]) + L" ";
        } else if (args[i] == emu::kAfterArg && emu::ParseNumber(args[i + 1], &pid)) {
            WaitForPreviousShell(pid);
        }
    }
    emu::Shell().restartArgs = restart;
}

// The shell pid after --popups, or 0 when this is the shell itself.
DWORD PopupHostFor()
{
    const std::vector<std::wstring> args = emu::CommandLineArgs();
    unsigned long pid = 0;
    if (args.size() == 2 && args[0] == emu::kPopupsArg && emu::ParseNumber(args[1], &pid))
        return pid;
    return 0;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int)
{
    if (DWORD shell = PopupHostFor())
        return emu::RunPopupHost(instance, shell);
    const std::vector<std::wstring> args = emu::CommandLineArgs();
    int appExit = 0;
    // An app the shell does not know is refused: it must never start a second shell.
    if (!args.empty() && args[0] == emu::kAppArg)
        return args.size() == 2 && emu::RunShellApp(instance, args[1].c_str(), &appExit) ? appExit : 2;
    ReadArguments();
    SetCurrentDirectoryW(emu::DeviceRoot().c_str());
    emu::EnsureDeviceState();
    emu::Shell().instance = instance;
    // Like the handheld's own taskbar, the shell learns once at boot whether there is a phone.
    emu::Shell().phone = WorkingCellularLine(ReadDeviceLines()) != nullptr;
    emu::StartPopupHost();   // starts while the shell makes its own windows
    if (!emu::RegisterBlankScreenClass(instance) || !emu::CreateToday(instance) || !emu::CreateTaskbar(instance))
        return 1;
    emu::WatchPowerKey(instance);
    emu::ConnectPopupHost();
    emu::RunStartUpFolder();
    SetPropW(emu::Shell().taskbar, emu::kShellReadyProp, reinterpret_cast<HANDLE>(1));
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
