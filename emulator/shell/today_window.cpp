// Today screen: a plain page with the date, owner name and device state.
#include "emulator/shell/today_window.h"
#include "emulator/shell/shell_state.h"
#include "emulator/shell/window_class.h"
#include "emulator/lib/plain_paint.h"
#include "emulator/protocol.h"
#include "platform/emulated/device_state.h"
#include <strsafe.h>

namespace emu {

namespace {

void PaintToday(HWND window)
{
    PlainPaint paint(window);
    HDC dc = paint.dc();
    RECT r = paint.client();
    const int s = ShellScale();
    wchar_t date[64] = L"";
    GetDateFormatW(LOCALE_USER_DEFAULT, DATE_LONGDATE, nullptr, nullptr, date, 64);
    const DeviceState state = ReadDeviceState();
    wchar_t status[96];
    wchar_t battery[32] = L"No battery";
    if (state.batteryPercent <= 100)
        StringCchPrintfW(battery, 32, L"Battery %lu%%%s", state.batteryPercent, state.charging ? L" charging" : L"");
    StringCchPrintfW(status, 96, L"%s   %s", battery, WorkingCellularLine(state.lines) ? L"Phone on" : L"No phone");
    const wchar_t* lines[] = {L"Today", date, status};
    for (int i = 0; i < 3; ++i) {
        RECT line{6 * s, (6 + 22 * i) * s, r.right - 6 * s, (26 + 22 * i) * s};
        DrawTextW(dc, lines[i], -1, &line, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
    }
}

LRESULT CALLBACK TodayProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        PaintToday(window);
        return 0;
    case WM_CLOSE:
        return 0;   // the Today screen is never closed by an application's close button
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

HWND CreateToday(HINSTANCE instance)
{
    if (!RegisterShellClass(instance, TodayProc, kTodayClass))
        return nullptr;
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    const int top = 26 * ShellScale();
    HWND today = CreateWindowExW(0, kTodayClass, kTodayTitle, WS_POPUP, 0, top, width, height - top,
                                 nullptr, nullptr, instance, nullptr);
    if (!today)
        return nullptr;
    Shell().today = today;
    ShowWindow(today, SW_SHOW);
    SetForegroundWindow(today);
    UpdateWindow(today);
    return today;
}

} // namespace emu
