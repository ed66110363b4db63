// Signal, connection and volume state of the bar.
#pragma once
#include <windows.h>

// Signal strength in five levels (0-4): which signal record is drawn and tapped.
// Written by RefreshStatusIndicators only.
extern int SignalLevel;

// The first button slot the paint draws: 0 with a phone, 1 without (slot 0 holds
// the signal button then). Written by RefreshStatusIndicators only.
extern int noPhonePainting;

// Re-reads the indicators and shows one button of each pair in use; returns
// whether anything changed (and then repaints at once). Without a phone the line
// service is not asked; a pair switched off by the Display setting is not read.
bool RefreshStatusIndicators();
