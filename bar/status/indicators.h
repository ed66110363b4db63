// Signal, connection and volume state of the bar.
#pragma once
#include <windows.h>

// Re-reads the indicators into SignalLevel and firstPaintedSlot (bar/layout/bar_state.h)
// and shows one button of each pair in use; returns whether anything changed (and
// then lays the bar out again and repaints at once). Without a phone the line
// service is not asked; a pair switched off by the Display setting is not read.
bool RefreshStatusIndicators();
