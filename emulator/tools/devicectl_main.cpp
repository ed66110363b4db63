// devicectl.exe: the run command's hands on the emulated handheld.
//   install            fresh device folder and registry, programs and skins installed
//   boot [TAPLOG]      starts the shell and waits for the taskbar and Today screen
//   start PATH [ARGS]  starts a device program (device root as current folder)
//   reset              soft-resets the device
//   wait               returns when the shell has gone (the device screen closed)
//   metrics            prints the screen size and density the device sees
//   rotate [portrait|landscape]  turns the screen (by default to the other
//                      orientation) and returns once it has its new size, printed
//   tap-button KEY     taps the bar's button that shows the skin image KEY
//                      ("Volume Normal"), as the stylus would
//   sheet-page N       shows page N (from 0) of the open setup sheet, as a tap on its tab
//   skin FILE          copies the skin's folder onto the device and makes it the theme;
//                      a running bar reloads, as on the setup program's OK
//   find-image BMP [SCALE]  prints where the bar shows that bitmap (drawn at
//                      SCALE, 1 by default); status 1 when it does not
//   stop               ends every device program
#include "emulator/lib/bar_button_finder.h"
#include "emulator/lib/device_install.h"
#include "emulator/lib/device_paths.h"
#include "emulator/lib/device_processes.h"
#include "emulator/lib/device_registry.h"
#include "emulator/lib/run_skin.h"
#include "emulator/lib/screen_rotation.h"
#include "emulator/protocol.h"
#include "platform/device_reset.h"
#include <cstdio>
#include <string>

namespace {

HWND WaitForShellWindow(const wchar_t* cls, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        if (HWND w = FindWindowW(cls, nullptr))
            return w;
        if (GetTickCount() - start >= timeoutMs)
            return nullptr;
        Sleep(20);
    }
}

int Install()
{
    std::wstring error;
    DeviceState state;
    if (!emu::ResetDeviceRegistry(state) || !emu::InstallDevice(state, &error)) {
        std::fwprintf(stderr, L"devicectl install: %ls\n", error.c_str());
        return 1;
    }
    return 0;
}

int Boot(int argc, wchar_t** argv)
{
    std::wstring args;
    if (argc > 2)
        args = std::wstring(emu::kTapLogArg) + L" " + emu::QuoteArg(argv[2]);
    PROCESS_INFORMATION pi = emu::StartDeviceProgram(std::wstring(emu::kWindowsDir) + L"\\" + emu::kShellExe, args);
    if (!pi.hProcess) {
        std::fwprintf(stderr, L"devicectl boot: cannot start the shell\n");
        return 1;
    }
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    HWND taskbar = WaitForShellWindow(emu::kTaskbarClass, 15000);
    for (DWORD start = GetTickCount(); taskbar && !GetPropW(taskbar, emu::kShellReadyProp) && GetTickCount() - start < 5000;)
        Sleep(20);
    if (!taskbar || !GetPropW(taskbar, emu::kShellReadyProp) || !WaitForShellWindow(emu::kTodayClass, 5000)) {
        std::fwprintf(stderr, L"devicectl boot: the shell did not show its windows\n");
        return 1;
    }
    return 0;
}

int Start(int argc, wchar_t** argv)
{
    if (argc < 3)
        return 2;
    std::wstring args;
    for (int i = 3; i < argc; ++i)
        args += (args.empty() ? L"" : L" ") + emu::QuoteArg(argv[i]);
    PROCESS_INFORMATION pi = emu::StartDeviceProgram(argv[2], args);
    if (!pi.hProcess) {
        std::fwprintf(stderr, L"devicectl start: cannot start %ls\n", argv[2]);
        return 1;
    }
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return 0;
}

int Wait()
{
    while (FindWindowW(emu::kTaskbarClass, nullptr) || FindWindowW(emu::kTodayClass, nullptr))
        Sleep(500);
    return 0;
}

int Metrics()
{
    HDC screen = GetDC(nullptr);
    std::wprintf(L"%dx%d %d\n", GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                 GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
    return 0;
}

int Rotate(int argc, wchar_t** argv)
{
    const std::wstring want = argc > 2 ? argv[2] : L"";
    if (!want.empty() && want != L"portrait" && want != L"landscape")
        return 2;
    const emu::Orientation orientation = want.empty() ? emu::Orientation::Other
                                         : want == L"portrait" ? emu::Orientation::Portrait
                                                               : emu::Orientation::Landscape;
    SIZE now;
    const bool turned = emu::RequestScreenTurn(orientation, 10000, &now);
    std::wprintf(L"%ldx%ld\n", now.cx, now.cy);
    if (!turned)
        std::fwprintf(stderr, L"devicectl rotate: the screen did not turn\n");
    return turned ? 0 : 1;
}

int TapButton(int argc, wchar_t** argv)
{
    // The bar may still be starting: its window and first paint come within seconds.
    HWND bar = nullptr;
    POINT centre;
    bool found = false;
    for (DWORD start = GetTickCount(); argc >= 3 && !found && GetTickCount() - start < 10000; Sleep(100)) {
        HWND taskbar = FindWindowW(emu::kTaskbarClass, nullptr);
        bar = taskbar ? FindWindowExW(taskbar, nullptr, L"VelkisClass", nullptr) : nullptr;
        found = bar && emu::FindBarButton(argv[2], &centre);
    }
    if (!found) {
        std::fwprintf(stderr, L"devicectl tap-button: no bar button shows %ls\n", argc < 3 ? L"" : argv[2]);
        return 1;
    }
    ScreenToClient(bar, &centre);
    LPARAM point = MAKELPARAM(centre.x, centre.y);
    PostMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, point);
    PostMessageW(bar, WM_LBUTTONUP, 0, point);
    return 0;
}

} // namespace

int SheetPage(int argc, wchar_t** argv)
{
    HWND sheet = FindWindowW(L"#32770", L"Velkis Option");
    if (!sheet || argc < 3) {
        std::fwprintf(stderr, L"devicectl sheet-page: no setup sheet open\n");
        return 1;
    }
    SendMessageW(sheet, WM_USER + 101, static_cast<WPARAM>(_wtoi(argv[2])), 0);   // PSM_SETCURSEL
    return 0;
}

int Skin(int argc, wchar_t** argv)
{
    std::wstring error;
    if (argc < 3 || !emu::InstallRunSkin(argv[2], &error)) {
        std::fwprintf(stderr, L"devicectl skin: %ls\n", error.c_str());
        return 1;
    }
    emu::ReloadRunningBar(5000);   // none before the bar starts
    return 0;
}

int FindImage(int argc, wchar_t** argv)
{
    POINT centre;
    if (argc < 3 || !emu::FindImageFileOnBar(argv[2], argc > 3 ? _wtoi(argv[3]) : 1, &centre))
        return 1;
    std::wprintf(L"%ld %ld\n", centre.x, centre.y);
    return 0;
}

int wmain(int argc, wchar_t** argv)
{
    const std::wstring command = argc > 1 ? argv[1] : L"";
    if (command == L"install") return Install();
    if (command == L"boot") return Boot(argc, argv);
    if (command == L"start") return Start(argc, argv);
    if (command == L"reset") return RequestDeviceReset() ? 0 : 1;
    if (command == L"wait") return Wait();
    if (command == L"metrics") return Metrics();
    if (command == L"rotate") return Rotate(argc, argv);
    if (command == L"tap-button") return TapButton(argc, argv);
    if (command == L"sheet-page") return SheetPage(argc, argv);
    if (command == L"skin") return Skin(argc, argv);
    if (command == L"find-image") return FindImage(argc, argv);
    if (command == L"stop") return emu::TerminateDeviceProcesses(5000) >= 0 ? 0 : 1;
    std::fwprintf(stderr, L"usage: devicectl install|boot [TAPLOG]|start PATH [ARGS]|reset|wait|metrics|rotate [portrait|landscape]|tap-button KEY|sheet-page N|skin FILE|find-image BMP [SCALE]|stop\n");
    return 2;
}
