// The sample application's record of what its windows were asked to do.
#pragma once
#include <windows.h>
#include <string>

namespace sample {

void SetEventLogPath(const std::wstring& path);   // empty: no record
// Appends "<pid> <title>|<what> <wParam>" as UTF-8, one line per event.
void LogEvent(HWND window, const char* what, WPARAM wParam);
// Appends "<pid> |cwd <current folder>" once at start.
void LogCurrentFolder();

} // namespace sample
