// Signal, connection and volume state of the bar.
#pragma once
#include <windows.h>

// Signal strength in five levels (0-4): which signal record is drawn and tapped.
// Written by RefreshStatusIndicators only.
extern int SignalLevel;

// Re-reads the indicators and shows one button of each pair in use; returns
// whether anything changed (and then repaints at once).
bool RefreshStatusIndicators();

// The level for a line's signal field (0..0xFFFF); a field that rounds to 0 per
// cent keeps the previous level.
int SignalLevelFromStrength(DWORD signal, int previousLevel);
