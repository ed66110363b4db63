// Starting the shell's own applications and giving them their common frame.
#include "emulator/shell/shell_app.h"
#include "emulator/shell/device_panel.h"
#include "emulator/shell/programs_window.h"
#include "emulator/shell/shell_state.h"
#include "emulator/shell/window_class.h"
#include "emulator/lib/device_processes.h"
#include "emulator/protocol.h"
#include "platform/done_button.h"

namespace emu {

namespace {

struct ShellApp {
    const wchar_t* arg;
    const wchar_t* cls;
    const wchar_t* title;
    HWND (*create)(HINSTANCE);
};

const ShellApp kApps[] = {
    {kProgramsApp, kProgramsClass, kProgramsTitle, CreateProgramsWindow},
    {kSettingsApp, kSettingsClass, kSettingsTitle, CreateDevicePanel},
};

const ShellApp* AppOf(const wchar_t* arg)
{
    for (const ShellApp& app : kApps)
        if (lstrcmpW(app.arg, arg) == 0)
            return &app;
    return nullptr;
}

} // namespace

void OpenShellApp(const wchar_t* arg)
{
    const ShellApp* app = AppOf(arg);
    if (!app)
        return;
    if (HWND running = FindWindowW(app->cls, app->title)) {
        SetForegroundWindow(running);
        return;
    }
    wchar_t self[MAX_PATH];
    if (!GetModuleFileNameW(nullptr, self, MAX_PATH))
        return;
    PROCESS_INFORMATION pi = StartDeviceProgram(self, std::wstring(kAppArg) + L" " + arg);
    if (pi.hProcess) {
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
    }
}

bool RunShellApp(HINSTANCE instance, const wchar_t* arg, int* exitCode)
{
    const ShellApp* app = AppOf(arg);
    if (!app)
        return false;
    Shell().instance = instance;
    *exitCode = 1;
    if (!app->create(instance))
        return true;
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    *exitCode = 0;
    return true;
}

HWND CreateShellAppWindow(HINSTANCE instance, WNDPROC proc, const wchar_t* cls, const wchar_t* title)
{
    if (!RegisterShellClass(instance, proc, cls))
        return nullptr;
    const int top = 26 * ShellScale();
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN) - top;
    HWND window = CreateWindowExW(0, cls, title, WS_POPUP, 0, top, width, height, nullptr, nullptr, instance, nullptr);
    if (!window)
        return nullptr;
    ShowDoneButton(window);
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    UpdateWindow(window);
    return window;
}

namespace {

// A turned screen: the window fills the screen below the taskbar again.
void OnDisplayChange(HWND window)
{
    const int top = 26 * ShellScale();
    SetWindowPos(window, nullptr, 0, top, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN) - top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(window, nullptr, TRUE);   // what it shows is laid out by its width
}

} // namespace

LRESULT ShellAppDefProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_DISPLAYCHANGE:
        OnDisplayChange(window);
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK)
            DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HFONT CreateShellAppFont(int height, int weight)
{
    return CreateFontW(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Tahoma");
}

} // namespace emu
