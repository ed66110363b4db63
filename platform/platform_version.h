// The platform's version, which decides a few shell geometry rules.
#pragma once
#include <windows.h>

// Major version number of the platform: 4 or 5 on the handhelds the bar was made
// for; on a desktop its own (5 or more), which counts as the newer handheld.
DWORD PlatformMajorVersion();
