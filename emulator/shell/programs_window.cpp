// The Programs list: one row per sample application (name and what to try); a tap starts it.
#include "emulator/shell/programs_window.h"
#include "emulator/shell/shell_app.h"
#include "emulator/shell/shell_state.h"
#include "emulator/lib/device_processes.h"
#include "emulator/lib/plain_paint.h"
#include "emulator/lib/sample_programs.h"
#include "emulator/protocol.h"
#include "platform/scoped_win.h"
#include <windowsx.h>

namespace emu {

namespace {

int pressedRow = -1;

void PaintRow(HDC dc, const SampleProgram& program, RECT row, bool pressed, HFONT nameFont, HFONT lineFont, int s)
{
    FillRect(dc, &row, static_cast<HBRUSH>(GetStockObject(pressed ? LTGRAY_BRUSH : WHITE_BRUSH)));
    RECT name{row.left + 6 * s, row.top + 2 * s, row.right - 4 * s, row.top + 17 * s};
    RECT line{row.left + 6 * s, name.bottom, row.right - 4 * s, row.bottom - 2 * s};
    {
        ScopedSelectObject font(dc, nameFont);
        DrawTextW(dc, program.window.title.c_str(), -1, &name, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
    }
    ScopedSelectObject font(dc, lineFont);
    DrawTextW(dc, program.purpose, -1, &line, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
    RECT rule{row.left, row.bottom - 1, row.right, row.bottom};
    FillRect(dc, &rule, static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH)));
}

void OnPaint(HWND window)
{
    PlainPaint paint(window);
    HDC dc = paint.dc();
    RECT r = paint.client();
    const int s = ShellScale();
    ScopedGdiObject<HFONT> nameFont(CreateShellAppFont(13 * s, FW_BOLD));
    ScopedGdiObject<HFONT> lineFont(CreateShellAppFont(11 * s, FW_NORMAL));
    const std::vector<SampleProgram>& programs = SamplePrograms();
    for (size_t i = 0; i < programs.size(); ++i)
        PaintRow(dc, programs[i], SampleProgramRowRect(static_cast<int>(i), r.right, s), static_cast<int>(i) == pressedRow,
                 nameFont.get(), lineFont.get(), s);
}

int RowAt(HWND window, LPARAM lParam)
{
    RECT r;
    GetClientRect(window, &r);
    return SampleProgramRowAt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), r.right, ShellScale());
}

void OnStylusDown(HWND window, LPARAM lParam)
{
    pressedRow = RowAt(window, lParam);
    InvalidateRect(window, nullptr, FALSE);
}

void StartProgram(const SampleProgram& program)
{
    PROCESS_INFORMATION pi = StartDeviceProgram(std::wstring(kWindowsDir) + L"\\" + kSampleAppExe, FormatSampleArgs({program.window}));
    if (pi.hProcess) {
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
    }
}

void OnStylusUp(HWND window, LPARAM lParam)
{
    const int row = RowAt(window, lParam);
    if (row >= 0 && row == pressedRow)
        StartProgram(SamplePrograms()[row]);
    pressedRow = -1;
    InvalidateRect(window, nullptr, FALSE);
}

LRESULT CALLBACK ProgramsProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: OnPaint(window); return 0;
    case WM_LBUTTONDOWN: OnStylusDown(window, lParam); return 0;
    case WM_LBUTTONUP: OnStylusUp(window, lParam); return 0;
    }
    return ShellAppDefProc(window, message, wParam, lParam);
}

} // namespace

HWND CreateProgramsWindow(HINSTANCE instance)
{
    return CreateShellAppWindow(instance, ProgramsProc, kProgramsClass, kProgramsTitle);
}

} // namespace emu
