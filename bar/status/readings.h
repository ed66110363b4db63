// What the indicators show, read from the device's services.
#pragma once
#include <windows.h>

// Longest wait for the connection manager to give a status other than "unknown";
// after it the answer is "not connected".
constexpr DWORD kConnectionStatusWaitMs = 200;
// Polls made back to back before the wait starts pausing between polls.
constexpr int kConnectionPollsWithoutPause = 50;

// The level (0-4) of the last "Cellular Line" whose status was read; 0 without one.
int ReadSignalLevel();

// The level for a line's signal field (0..0xFFFF); a field that rounds to 0 per
// cent keeps previousLevel.
int SignalLevelFromStrength(DWORD signal, int previousLevel);

// Whether a connection to the Internet destination is up. Asks the connection
// manager each time; never waits longer than kConnectionStatusWaitMs.
bool IsInternetConnected();

// Whether the volume of wave-output device 0 is 0.
bool IsMuted();
