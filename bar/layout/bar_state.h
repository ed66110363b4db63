// Process-wide values of the bar: start-up facts, the bar window's state and the indicators' choices.
#pragma once
#include <windows.h>
#include "common/bar_link.h"   // the bar window's class and messages

constexpr UINT_PTR TIMER_FOREGROUND = 1;
constexpr UINT_PTR TIMER_STATUS = 2;
constexpr UINT_PTR TIMER_CLOCK = 3;            // one-shot at the next minute's turn
constexpr UINT kForegroundPeriodFirst = 400;    // until the first reload
constexpr UINT kForegroundPeriod = 1000;        // after every reload
constexpr UINT kStatusPeriod = 5000;

constexpr int kProgramPathCapacity = 80;         // module file name buffer, in UTF-16 units
constexpr int kMaxShellProcesses = 4;

struct ShellProcesses {
    DWORD ids[kMaxShellProcesses];
    int count;
};

// Set once at start-up; written by bar/core/startup.cpp only.
extern HINSTANCE barInstance;
extern bool PhoneEdition;
extern wchar_t programFolder[kProgramPathCapacity];
extern int ScaleFactor;
extern ShellProcesses ShellProcessList;
extern HWND barWindow;              // none until CreateBarWindow has created it
extern UINT updateMessageId;

// State of the bar window, each with its one writer.
extern HWND lastForegroundWindow;   // bar/core/foreground.cpp (AdoptForegroundWindow)
extern bool ignoreTap;              // bar/core/stylus.cpp
// When the last menu loop ended (message time), 0 when no press has come since.
extern DWORD menuClosedTime;        // bar/core/stylus.cpp
extern HWND volumePopupWindow;      // bar/status/volume_popup.cpp, while the popup is open
extern HWND batteryPopupWindow;     // bar/status/battery_popup.cpp, while the popup is open

// Written by RefreshStatusIndicators (bar/status/indicators.cpp) only.
extern int SignalLevel;             // 0-4: which signal record is drawn and tapped
extern int firstPaintedSlot;        // 0 with a phone, 1 without (slot 0 is the start button)
