// System clock width: the rules, the registry reads and the text measurement.
#include "emulator/lib/clock_width.h"
#include "emulator/protocol.h"
#include "platform/platform_version.h"

namespace emu {

int SystemClockWidthFor(const ClockSettings& s, int scale, const std::function<int()>& digitalWidth)
{
    const bool limited = s.limitedClock != 0;   // absent (-1) counts as limited
    const bool hidden = s.platformMajor >= 5 && limited && !s.todayInFront;
    if (s.analogClock == 1 || s.analogClock == -1)
        return hidden ? 0 : 20 * scale;
    if (s.platformMajor < 5)
        return digitalWidth();
    return hidden ? 0 : digitalWidth();
}

int ReadRegistryInt(HKEY root, const wchar_t* key, const wchar_t* value)
{
    DWORD data = 0, size = sizeof(data), type = 0;
    if (RegGetValueW(root, key, value, RRF_RT_REG_DWORD, &type, &data, &size) != ERROR_SUCCESS)
        return -1;
    return static_cast<int>(data);
}

ClockSettings ReadClockSettings()
{
    ClockSettings s;
    s.tbOpt = ReadRegistryInt(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Shell", L"TBOpt");
    s.analogClock = ReadRegistryInt(HKEY_CURRENT_USER, L"Software\\Microsoft\\Shell", L"AnalogClock");
    s.limitedClock = ReadRegistryInt(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Shell\\TaskBar", L"LimitedClock");
    s.platformMajor = static_cast<int>(PlatformMajorVersion());
    wchar_t cls[61] = L"";
    HWND fg = GetForegroundWindow();
    if (fg)
        GetClassNameW(fg, cls, 61);
    s.todayInFront = lstrcmpW(cls, kTodayClass) == 0;
    return s;
}

namespace {

void FormatTime(wchar_t* out, int capacity)
{
    if (GetTimeFormatW(0x0800, TIME_NOSECONDS | TIME_NOTIMEMARKER, nullptr, nullptr, out, capacity) == 0)
        out[0] = L'\0';
}

void FormatDate(wchar_t* out, int capacity)
{
    if (GetDateFormatW(0x0800, DATE_SHORTDATE, nullptr, nullptr, out, capacity) == 0)
        out[0] = L'\0';
}

int TextWidth(HWND window, const wchar_t* text, bool bold)
{
    HDC dc = GetDC(window);
    if (!dc)
        return 0;
    LOGFONTW lf{};
    GetObjectW(GetStockObject(SYSTEM_FONT), sizeof(lf), &lf);
    lf.lfHeight = -static_cast<int>(GetDeviceCaps(dc, LOGPIXELSY) / 9.0 + 0.5);
    if (bold)
        lf.lfWeight = FW_BOLD;
    HFONT font = CreateFontIndirectW(&lf);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, text, lstrlenW(text), &size);
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    DeleteObject(font);
    return size.cx;
}

} // namespace

void FormatClockText(int tbOpt, wchar_t* out, int capacity)
{
    // Any other setting reserves room for the wider text; the time is what shows.
    if (tbOpt == 2)
        FormatDate(out, capacity);
    else
        FormatTime(out, capacity);
}

int MeasureDigitalClock(HWND window, int tbOpt)
{
    if (tbOpt == 0)
        return 0;
    wchar_t time[20], date[20];
    FormatTime(time, 20);
    FormatDate(date, 20);
    if (tbOpt == 1 || tbOpt == -1)
        return TextWidth(window, time, true);
    if (tbOpt == 2)
        return TextWidth(window, date, false);
    int t = TextWidth(window, time, false);
    int d = TextWidth(window, date, false);
    return t > d ? t : d;
}

int CurrentSystemClockWidth(HWND window, int scale)
{
    ClockSettings s = ReadClockSettings();
    return SystemClockWidthFor(s, scale, [&] { return MeasureDigitalClock(window, s.tbOpt); });
}

} // namespace emu
