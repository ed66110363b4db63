// Draws start button, status icons, clock and close/OK, off-screen then in one copy.
#include "emulator/shell/taskbar_paint.h"
#include "emulator/shell/shell_state.h"
#include "emulator/lib/clock_width.h"
#include "platform/emulated/device_state.h"
#include <cwchar>

namespace emu {

namespace {

const COLORREF kBarColour = RGB(16, 40, 120);
const COLORREF kInkColour = RGB(255, 255, 255);

void Label(HDC dc, RECT r, const wchar_t* text)
{
    DrawTextW(dc, text, -1, &r, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
}

void Frame(HDC dc, const RECT& r, int inset)
{
    RECT f{r.left + inset, r.top + inset, r.right - inset, r.bottom - inset};
    FrameRect(dc, &f, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

// Signal: rising bars; connection: two arrows; volume: a speaker; analog clock: a dial.
void SignalIcon(HDC dc, const RECT& r, int s)
{
    HBRUSH ink = CreateSolidBrush(kInkColour);
    for (int i = 0; i < 4; ++i) {
        RECT bar{r.left + (3 + 4 * i) * s, r.bottom - (6 + 4 * i) * s, r.left + (6 + 4 * i) * s, r.bottom - 4 * s};
        FillRect(dc, &bar, ink);
    }
    DeleteObject(ink);
}

void TextIcon(HDC dc, const RECT& r, const wchar_t* text)
{
    Label(dc, r, text);
}

bool InternetConnectedState()
{
    DWORD answer = 0;
    ReadDeviceDword(device_value::Connection, &answer);
    return static_cast<ConnectionAnswer>(answer) == ConnectionAnswer::Connected;
}

void AnalogClockIcon(HDC dc, const RECT& r, int s)
{
    HGDIOBJ pen = SelectObject(dc, GetStockObject(WHITE_PEN));
    HGDIOBJ brush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    const int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2, rad = 7 * s;
    Ellipse(dc, cx - rad, cy - rad, cx + rad, cy + rad);
    MoveToEx(dc, cx, cy, nullptr);
    LineTo(dc, cx, cy - rad + 2 * s);
    MoveToEx(dc, cx, cy, nullptr);
    LineTo(dc, cx + rad - 3 * s, cy);
    SelectObject(dc, brush);
    SelectObject(dc, pen);
}

} // namespace

bool TaskbarLook::operator==(const TaskbarLook& o) const
{
    return foreground == o.foreground && ok == o.ok && clockWidth == o.clockWidth && phone == o.phone
        && std::wcscmp(clock, o.clock) == 0;
}

TaskbarLook CurrentTaskbarLook()
{
    TaskbarLook look;
    look.foreground = GetForegroundWindow();
    look.ok = WantsOkButton(look.foreground);
    const TaskbarLayout layout = CurrentTaskbarLayout();
    look.clockWidth = layout.clock.right - layout.clock.left;
    look.phone = layout.signal.right > layout.signal.left;
    FormatClockText(ReadClockSettings().tbOpt, look.clock, 20);
    return look;
}

void PaintTaskbar(HWND taskbar)
{
    PAINTSTRUCT ps;
    HDC paint = BeginPaint(taskbar, &ps);
    RECT client;
    GetClientRect(taskbar, &client);
    HDC dc = CreateCompatibleDC(paint);
    HBITMAP canvas = CreateCompatibleBitmap(paint, client.right, client.bottom);
    HGDIOBJ oldBitmap = SelectObject(dc, canvas);

    const int s = ShellScale();
    const TaskbarLayout l = CurrentTaskbarLayout();
    const TaskbarLook look = CurrentTaskbarLook();
    HBRUSH back = CreateSolidBrush(kBarColour);
    FillRect(dc, &client, back);
    DeleteObject(back);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kInkColour);

    Frame(dc, l.start, 2 * s);
    Label(dc, l.start, L"Start");
    if (l.connection.right > l.connection.left)
        TextIcon(dc, l.connection, InternetConnectedState() ? L"\x2195" : L"x");
    if (look.phone)
        SignalIcon(dc, l.signal, s);
    TextIcon(dc, l.volume, L"\x266A");
    if (look.clockWidth > 0) {
        if (ReadClockSettings().analogClock == 1 || ReadClockSettings().analogClock == -1)
            AnalogClockIcon(dc, l.clock, s);
        else
            Label(dc, l.clock, look.clock);
    }
    Frame(dc, l.close, 3 * s);
    Label(dc, l.close, look.ok ? L"ok" : L"X");

    BitBlt(paint, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
    SelectObject(dc, oldBitmap);
    DeleteObject(canvas);
    DeleteDC(dc);
    EndPaint(taskbar, &ps);
}

} // namespace emu
