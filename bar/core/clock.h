// Where the system taskbar under the bar shows its clock and icons.
#pragma once
#include <windows.h>

// Width of the system taskbar's clock right now (0 when it shows none).
int SystemClockWidth();
// Width of the system's digital clock text.
int DigitalClockWidth();

// The system's clock font: stock system font at 8 points, bold or regular. The
// caller deletes it.
HFONT ClockFont(bool bold);

// Tap points in the bar's client coordinates.
void ConnectionTapPoint(HWND bar, POINT* point);
void ClockTapPoint(HWND bar, POINT* point);
void SignalTapPoint(HWND bar, POINT* point);

// Pure rules behind the functions above.
struct ClockSettings {
    DWORD analogClock;    // -1 when absent
    DWORD limitedClock;   // -1 when absent
    DWORD majorVersion;
    bool todayInFront;
};
int SystemClockWidthFor(const ClockSettings& settings, int scaleFactor, int (*digitalWidth)());
// measure gives the width of the time or date text in bold or regular ClockFont.
int DigitalClockWidthFor(DWORD tbOpt, int (*measure)(bool date, bool bold));

struct TapPoints {
    POINT connection;
    POINT signal;
    POINT clock;
};
TapPoints TapPointsFor(int right, int scaleFactor, int clockWidth, bool phone);
