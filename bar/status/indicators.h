// Signal, connection and volume state of the bar.
#pragma once

// Signal strength in five levels (0-4): which signal record is drawn and tapped.
extern int SignalLevel;

// Re-reads the indicators; returns whether anything changed (and then repaints).
bool RefreshStatusIndicators();
