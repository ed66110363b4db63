// Appends one line per stylus message: "<message> <wParam> <x> <y>".
#include "emulator/shell/tap_log.h"
#include "emulator/lib/log_file.h"
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
    AppendToLogFile(g_path, line, static_cast<size_t>(n));
}

} // namespace emu
