// Start menu and bubbles: plain non-activating popups that close when tapped.
//
// They belong to a process of their own (shell32.exe --popups), made once and then
// only placed, shown and hidden by the shell. (That once served the X display, which
// xwd misread; docs/wine-facts.md says why nothing needs it now.)
#include "emulator/shell/popups.h"
#include "emulator/shell/shell_app.h"
#include "emulator/shell/shell_state.h"
#include "emulator/shell/window_class.h"
#include "emulator/lib/clock_width.h"
#include "emulator/lib/device_processes.h"
#include "emulator/lib/plain_paint.h"
#include "emulator/protocol.h"
#include "platform/emulated/device_state.h"
#include "platform/wave_volume.h"
#include <windowsx.h>
#include <strsafe.h>
#include <string>

namespace emu {

namespace {

const wchar_t* const kStartItems[] = {L"Today", L"Programs", L"Settings", L"Help"};
constexpr int kStartItemCount = 4;

// The signal field of the first working cellular line, 0 without one.
DWORD CellularSignal(const std::vector<TelephonyLineState>& lines)
{
    const TelephonyLineState* line = WorkingCellularLine(lines);
    if (!line)
        return 0;
    return line->signal > 0xFFFF ? 0xFFFF : line->signal;
}

void BubbleText(const wchar_t* title, wchar_t* out, int capacity)
{
    const DeviceState s = ReadDeviceState();
    if (lstrcmpW(title, kConnectionBubble) == 0) {
        StringCchCopyW(out, capacity, s.connection == ConnectionAnswer::Connected ? L"Connected" : L"Not connected");
    } else if (lstrcmpW(title, kSignalBubble) == 0) {
        StringCchPrintfW(out, capacity, L"Phone: %lu%%", CellularSignal(s.lines) * 100 / 0xFFFF);
    } else if (lstrcmpW(title, kVolumeBubble) == 0) {
        StringCchPrintfW(out, capacity, L"Volume: %lu%%", (WaveOutVolume() & 0xFFFF) * 100 / 0xFFFF);
    } else {
        FormatClockText(1, out, capacity);
    }
}

void PaintPopup(HWND window)
{
    PlainPaint paint(window);
    HDC dc = paint.dc();
    RECT r = paint.client();
    const int scale = ShellScale();
    if (window == Shell().startMenu) {
        const int row = 20 * scale;
        for (int i = 0; i < kStartItemCount; ++i) {
            RECT item{4 * scale, i * row, r.right, (i + 1) * row};
            DrawTextW(dc, kStartItems[i], -1, &item, DT_SINGLELINE | DT_VCENTER);
        }
    } else {
        wchar_t title[32] = L"", text[64] = L"";
        GetWindowTextW(window, title, 32);
        BubbleText(title, text, 64);
        RECT top = r, bottom = r;
        top.bottom = r.bottom / 2;
        bottom.top = top.bottom;
        DrawTextW(dc, title, -1, &top, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
        DrawTextW(dc, text, -1, &bottom, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    }
}

// A tap on the volume bubble mutes the device, or gives a muted device its volume back.
void ToggleMute()
{
    static DWORD beforeMute = 0xCCCCCCCC;
    const DWORD volume = WaveOutVolume();
    if (volume != 0)
        beforeMute = volume;
    SetWaveOutVolume(volume != 0 ? 0 : beforeMute);
}

bool IsVolumeBubble(HWND window)
{
    wchar_t title[32] = L"";
    GetWindowTextW(window, title, 32);
    return window == Shell().bubble && lstrcmpW(title, kVolumeBubble) == 0;
}

void OnStartMenuTap(int y)
{
    switch (y / (20 * ShellScale())) {
    case 0:
        if (HWND today = FindWindowW(kTodayClass, kTodayTitle))
            SetForegroundWindow(today);
        break;
    case 1: OpenShellApp(kProgramsApp); break;
    case 2: OpenShellApp(kSettingsApp); break;
    }
}

LRESULT CALLBACK PopupProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        PaintPopup(window);
        return 0;
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_LBUTTONUP:
        if (window == Shell().startMenu)
            OnStartMenuTap(GET_Y_LPARAM(lParam));
        else if (IsVolumeBubble(window))
            ToggleMute();
        ShowWindow(window, SW_HIDE);
        return 0;
    case WM_DESTROY:
        if (window == Shell().startMenu) Shell().startMenu = nullptr;
        if (window == Shell().bubble) Shell().bubble = nullptr;
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND CreatePopup(const wchar_t* cls, const wchar_t* title)
{
    return CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, cls, title, WS_POPUP | WS_BORDER,
                           0, 0, 1, 1, nullptr, nullptr, Shell().instance, nullptr);
}

DWORD popupHost = 0;

// Waits (bounded) for the popup host's window of class cls.
HWND WaitForPopup(const wchar_t* cls, DWORD hostPid)
{
    for (DWORD start = GetTickCount(); GetTickCount() - start < 10000; Sleep(10)) {
        for (HWND w = FindWindowExW(nullptr, nullptr, cls, nullptr); w; w = FindWindowExW(nullptr, w, cls, nullptr)) {
            DWORD pid = 0;
            GetWindowThreadProcessId(w, &pid);
            if (pid == hostPid)
                return w;
        }
    }
    return nullptr;
}

// Places popup within the screen's width and shows it, freshly painted.
void ShowPopup(HWND popup, int x, int y, int w, int h)
{
    if (!popup)
        return;
    const int screen = GetSystemMetrics(SM_CXSCREEN);
    if (x + w > screen) x = screen - w;
    if (x < 0) x = 0;
    // Placed without a z-order change and then shown: Wine raises the window on the
    // X display only this way (a z-order change on the same call leaves it below).
    SetWindowPos(popup, nullptr, x, y, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(popup, nullptr, TRUE);
    ShowWindow(popup, SW_SHOWNOACTIVATE);
    // A first show leaves the popup under the other windows on the X display until
    // it is raised on a call of its own.
    SetWindowPos(popup, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool IsOpen(HWND popup)
{
    return popup && IsWindowVisible(popup);
}

} // namespace

int RunPopupHost(HINSTANCE instance, DWORD shellPid)
{
    HANDLE shell = OpenProcess(SYNCHRONIZE, FALSE, shellPid);
    if (!shell || !RegisterShellClass(instance, PopupProc, kStartMenuClass)
        || !RegisterShellClass(instance, PopupProc, kBubbleClass))
        return 1;
    Shell().instance = instance;
    Shell().startMenu = CreatePopup(kStartMenuClass, kStartMenuTitle);
    Shell().bubble = CreatePopup(kBubbleClass, L"");
    // Until the shell ends.
    while (MsgWaitForMultipleObjects(1, &shell, FALSE, INFINITE, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
    }
    CloseHandle(shell);
    return 0;
}

void StartPopupHost()
{
    wchar_t self[MAX_PATH];
    if (!GetModuleFileNameW(nullptr, self, MAX_PATH))
        return;
    PROCESS_INFORMATION pi = StartDeviceProgram(self, std::wstring(kPopupsArg) + L" " + std::to_wstring(GetCurrentProcessId()));
    if (!pi.hProcess)
        return;
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    popupHost = pi.dwProcessId;
}

bool ConnectPopupHost()
{
    Shell().startMenu = WaitForPopup(kStartMenuClass, popupHost);
    Shell().bubble = WaitForPopup(kBubbleClass, popupHost);
    return Shell().startMenu && Shell().bubble;
}

void ClosePopups()
{
    if (IsOpen(Shell().startMenu)) ShowWindow(Shell().startMenu, SW_HIDE);
    if (IsOpen(Shell().bubble)) ShowWindow(Shell().bubble, SW_HIDE);
}

void ToggleStartMenu()
{
    if (IsOpen(Shell().startMenu)) {
        ShowWindow(Shell().startMenu, SW_HIDE);
        return;
    }
    ClosePopups();
    const int s = ShellScale();
    ShowPopup(Shell().startMenu, 0, 26 * s, 100 * s, 20 * s * kStartItemCount);
}

void ShowBubble(TaskbarPlace place, const RECT& icon)
{
    ClosePopups();
    const int s = ShellScale();
    const int w = 100 * s, h = 40 * s;
    const int center = (icon.left + icon.right) / 2;
    SetWindowTextW(Shell().bubble, TaskbarPlaceName(place));
    ShowPopup(Shell().bubble, center - w / 2, icon.bottom, w, h);
}

} // namespace emu
