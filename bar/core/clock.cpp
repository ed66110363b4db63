// The system taskbar's clock geometry: its width and the places the bar forwards taps to.
#include "bar/core/clock.h"
#include "bar/config/fonts.h"
#include "bar/layout/bar_layout.h"
#include "bar/layout/bar_state.h"
#include "common/shell_classes.h"
#include "platform/platform_version.h"
#include "platform/registry_value.h"
#include "platform/scoped_win.h"
#include <cwchar>

namespace {

constexpr wchar_t kShellKey[] = L"Software\\Microsoft\\Shell";
constexpr wchar_t kTaskBarKey[] = L"Software\\Microsoft\\Shell\\TaskBar";
constexpr DWORD kAbsent = static_cast<DWORD>(-1);

// A clock setting, or kAbsent when it cannot be read.
DWORD ClockSetting(HKEY root, const wchar_t* keyPath, const wchar_t* valueName)
{
    DWORD value = kAbsent;
    return ReadRegistryDword(root, keyPath, valueName, &value) ? value : kAbsent;
}

bool TodayInFront()
{
    wchar_t className[60] = L"";
    HWND foreground = GetForegroundWindow();
    if (foreground)
        GetClassNameW(foreground, className, 60);
    return wcscmp(className, kTodayClassName) == 0;
}

int MeasureClockText(bool date, bool bold)
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    wchar_t text[kClockTextCapacity] = L"";
    if (date)
        GetDateFormatW(kSystemDefaultLocale, DATE_SHORTDATE, &now, nullptr, text, kClockTextCapacity);
    else
        FormatClockText(now, text, kClockTextCapacity);
    ScopedFont font(ClockFont(bold));
    ScopedGetDC dc(barWindow);
    ScopedSelectObject selected(dc.get(), font.get());
    SIZE size = {0, 0};
    GetTextExtentPoint32W(dc.get(), text, lstrlenW(text), &size);
    return size.cx;
}

} // namespace

HFONT ClockFont(bool bold)
{
    LOGFONTW logFont = {};
    GetObjectW(GetStockObject(SYSTEM_FONT), sizeof(logFont), &logFont);
    logFont.lfHeight = -static_cast<int>(ScreenLogPixelsY() / 9.0 + 0.5);
    logFont.lfWidth = 0;
    if (bold)
        logFont.lfWeight = FW_BOLD;
    return CreateFontIndirectW(&logFont);
}

int DigitalClockWidthFor(DWORD tbOpt, int (*measure)(bool date, bool bold))
{
    if (tbOpt == 0)
        return 0;
    if (tbOpt == 1 || tbOpt == kAbsent)
        return measure(false, true);
    if (tbOpt == 2)
        return measure(true, false);
    int time = measure(false, false);
    int date = measure(true, false);
    return time > date ? time : date;
}

int DigitalClockWidth()
{
    return DigitalClockWidthFor(ClockSetting(HKEY_LOCAL_MACHINE, kShellKey, L"TBOpt"), MeasureClockText);
}

int SystemClockWidthFor(const ClockSettings& settings, int scaleFactor, int (*digitalWidth)())
{
    bool limited = settings.limitedClock != 0;   // absent (-1) counts as limited
    if (settings.analogClock == 1 || settings.analogClock == kAbsent) {
        if (settings.majorVersion >= 5 && limited && !settings.todayInFront)
            return 0;
        return 20 * scaleFactor;
    }
    if (settings.majorVersion < 5)
        return digitalWidth();
    if (!limited || settings.todayInFront)
        return digitalWidth();
    return 0;
}

int SystemClockWidth()
{
    ClockSettings settings;
    settings.analogClock = ClockSetting(HKEY_CURRENT_USER, kShellKey, L"AnalogClock");
    settings.majorVersion = PlatformMajorVersion();
    settings.todayInFront = TodayInFront();
    settings.limitedClock = ClockSetting(HKEY_LOCAL_MACHINE, kTaskBarKey, L"LimitedClock");
    return SystemClockWidthFor(settings, ScaleFactor, DigitalClockWidth);
}

TapPoints TapPointsFor(int right, int scaleFactor, int clockWidth, bool phone)
{
    int s = scaleFactor;
    int y = 13 * s;
    TapPoints points;
    points.connection = POINT{right - (phone ? 50 : 30) * s - clockWidth - 28 * s, y};
    points.signal = POINT{right - 30 * s - clockWidth - 28 * s, y};
    points.clock = POINT{clockWidth != 0 ? right - clockWidth / 2 - 28 * s : -10, y};
    return points;
}

namespace {
TapPoints CurrentTapPoints(HWND bar)
{
    RECT r;
    GetClientRect(bar, &r);
    return TapPointsFor(r.right, ScaleFactor, SystemClockWidth(), PhoneEdition);
}
}

void ConnectionTapPoint(HWND bar, POINT* point)
{
    *point = CurrentTapPoints(bar).connection;
}

void ClockTapPoint(HWND bar, POINT* point)
{
    *point = CurrentTapPoints(bar).clock;
}

void SignalTapPoint(HWND bar, POINT* point)
{
    *point = CurrentTapPoints(bar).signal;
}
