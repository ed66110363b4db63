// Entry sequence of the bar: one copy only, the start-up facts, the bar window, the loop.
#include "bar/core/startup.h"
#include "bar/layout/bar_state.h"
#include "bar/core/bar_window.h"
#include "common/bar_link.h"
#include "common/cellular_line.h"
#include "common/settings_contract.h"
#include "common/shell_classes.h"
#include "platform/processes.h"
#include "platform/scoped_win.h"
#include "platform/shell_windows.h"
#include <commctrl.h>
#include <strsafe.h>
#include <cwchar>

namespace {

int RunMessageLoop()
{
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}

bool CollectShellProcess(const ProcessInfo& info, void*)
{
    if (IsShellProcessName(info.exeFile) && ShellProcessList.count < kMaxShellProcesses)
        ShellProcessList.ids[ShellProcessList.count++] = info.processId;
    return true;
}

} // namespace

int ScaleFactorForWidth(int screenWidth)
{
    return screenWidth > 400 ? 2 : 1;
}

bool IsShellProcessName(const wchar_t* exeFile)
{
    const wchar_t* lastSlash = wcsrchr(exeFile, L'\\');
    const wchar_t* name = lastSlash ? lastSlash + 1 : exeFile;
    return wcscmp(name, L"shell32.exe") == 0;
}

bool RetryWithPause(bool (*attempt)(), int tries, DWORD pauseMilliseconds)
{
    for (int attempted = 0; attempted < tries; ++attempted) {
        if (attempted > 0)
            Sleep(pauseMilliseconds);
        if (attempt())
            return true;
    }
    return false;
}

bool BuildShellProcessList()
{
    ShellProcessList = {};
    return ForEachProcess(CollectShellProcess, nullptr);
}

bool CreateBarWindow(HINSTANCE instance, int showCommand)
{
    barInstance = instance;
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);

    WNDCLASSW windowClass = {};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = BarWindowProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = kBarClassName;
    if (!RegisterClassW(&windowClass))
        return false;

    // Retrying at once and without end would hang the start at full load when the
    // device can take no snapshot; after a second the list stays empty: shell
    // windows then count as ordinary tasks until the bar is restarted.
    RetryWithPause(BuildShellProcessList, kSnapshotTries, kSnapshotPause);

    // Without a system taskbar there is nothing to lie over.
    HWND taskbar = FindWindowW(kTaskbarClassName, nullptr);
    if (!taskbar)
        return false;
    RECT client;
    GetClientRect(taskbar, &client);

    HWND window = CreateWindowExW(0, kBarClassName, L"", BarWindowStyle(), 0, 0, client.right, client.bottom,
                                  taskbar, nullptr, instance, nullptr);
    if (!window)
        return false;
    barWindow = window;
    updateMessageId = RegisterWindowMessageW(kUpdateMessageName);
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    return true;
}

int StartBar(HINSTANCE instance, HINSTANCE, LPWSTR, int showCommand)
{
    barInstance = instance;
    PhoneEdition = DetectCellularLine();

    // A path that does not fit the buffer would be cut into a wrong folder, where
    // the bar would write its settings; such an installation does not start.
    wchar_t modulePath[kProgramPathCapacity];
    DWORD copied = GetModuleFileNameW(nullptr, modulePath, kProgramPathCapacity);
    if (!ProgramFolderFromModulePath(modulePath, copied, kProgramPathCapacity, programFolder, kProgramPathCapacity))
        return 0;

    ScaleFactor = ScaleFactorForWidth(GetSystemMetrics(SM_CXSCREEN));

    // Held as long as the bar runs: it tells a second copy that one is running.
    ScopedHandle mutex(CreateMutexW(nullptr, TRUE, kBarClassName));
    if (mutex.valid() && GetLastError() == ERROR_ALREADY_EXISTS) {
        if (HWND running = FindRunningBar())
            SendMessageW(running, MSG_SHOW_MENU, 0, 0);
        return 1;
    }

    if (!CreateBarWindow(instance, showCommand))
        return 0;
    return RunMessageLoop();
}
