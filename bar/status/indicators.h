// Signal, connection and volume state of the bar.
#pragma once

// Re-reads the indicators; returns whether anything changed (and then repaints).
bool RefreshStatusIndicators();
