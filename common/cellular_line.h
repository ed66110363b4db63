// The cellular-line test, and the walk over the telephony line devices it shares with
// the bar's signal reading.
#pragma once
#include <windows.h>
#include <functional>

// Sizes of the records the walk hands to the line service, as on the handheld.
constexpr DWORD kLineCapsBufferSize = 1316;
constexpr DWORD kLineStatusSize = 88;
constexpr DWORD kLineStatusSignalOffset = 44;

// Initialises telephony as "GPRSStatus" and visits, in device order, every line
// device named "Cellular Line" that negotiates, reports its capabilities, opens and
// answers its status, with the status record's signal field. A device that fails
// a step is skipped. visit returns false to end the walk early. Telephony is shut
// down (closing the lines it opened) before the walk returns. False when telephony
// could not be initialised.
bool WalkCellularLines(const std::function<bool(DWORD signal)>& visit);

// Whether the device has an openable "Cellular Line" that answers its status.
bool DetectCellularLine();
