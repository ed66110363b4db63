// Width of the system taskbar's clock, from the platform's clock settings.
#pragma once
#include <windows.h>
#include <functional>

namespace emu {

// The settings that decide the clock; -1 stands for an absent registry value.
struct ClockSettings {
    int tbOpt = -1;          // HKLM Software\Microsoft\Shell TBOpt
    int analogClock = -1;    // HKCU Software\Microsoft\Shell AnalogClock
    int limitedClock = -1;   // HKLM Software\Microsoft\Shell\TaskBar LimitedClock
    int platformMajor = 5;   // from the device state
    bool todayInFront = false;
};

// The rules alone: digitalWidth is asked only when a digital clock shows.
int SystemClockWidthFor(const ClockSettings& s, int scale, const std::function<int()>& digitalWidth);

// Reads the settings now: registry, device state, foreground window.
ClockSettings ReadClockSettings();

// Width of the digital clock text for tbOpt, measured in window's device context with
// the 8-point system font (bold for the time alone).
int MeasureDigitalClock(HWND window, int tbOpt);

// The clock's text as the taskbar shows it (time, date or both by tbOpt).
void FormatClockText(int tbOpt, wchar_t* out, int capacity);

// Everything together, as the system taskbar lays itself out at this moment.
int CurrentSystemClockWidth(HWND window, int scale);

// Reads a DWORD registry value, or -1 when the key or value cannot be read.
int ReadRegistryInt(HKEY root, const wchar_t* key, const wchar_t* value);

} // namespace emu
