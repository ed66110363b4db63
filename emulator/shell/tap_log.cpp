// Appends one line per stylus message: "<message> <wParam> <x> <y>".
#include "emulator/shell/tap_log.h"
#include <windowsx.h>
#include <cstdio>

namespace emu {

namespace {
std::wstring g_path;
} // namespace

void SetTapLogPath(const std::wstring& path)
{
    g_path = path;
}

void AppendTap(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (g_path.empty())
        return;
    char line[80];
    int n = std::snprintf(line, sizeof(line), "%u %llu %d %d\n", message,
                          static_cast<unsigned long long>(wParam), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    if (n <= 0 || n >= static_cast<int>(sizeof(line)))
        return;
    // Opened per line and shared, so a test may read or empty it at any moment.
    HANDLE file = CreateFileW(g_path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(file, line, static_cast<DWORD>(n), &written, nullptr);
    CloseHandle(file);
}

} // namespace emu
