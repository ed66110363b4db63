// Appends one line per stylus message, "<message> <wParam> <x> <y>", and one per key
// event, "<vk> <up> <extra>".
#include "emulator/shell/tap_log.h"
#include "emulator/lib/log_file.h"
#include <windowsx.h>
#include <cstdio>

namespace emu {

namespace {
std::wstring g_path;
std::wstring g_keyPath;

void AppendLine(const std::wstring& path, const char* line, int n)
{
    if (!path.empty() && n > 0 && n < 80)
        AppendToLogFile(path, line, static_cast<size_t>(n));
}
} // namespace

void SetTapLogPath(const std::wstring& path)
{
    g_path = path;
}

void AppendTap(UINT message, WPARAM wParam, LPARAM lParam)
{
    char line[80];
    int n = std::snprintf(line, sizeof(line), "%u %llu %d %d\n", message,
                          static_cast<unsigned long long>(wParam), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    AppendLine(g_path, line, n);
}

void SetKeyLogPath(const std::wstring& path)
{
    g_keyPath = path;
}

void AppendKey(DWORD virtualKey, bool up, ULONG_PTR extraInfo)
{
    char line[80];
    int n = std::snprintf(line, sizeof(line), "%lu %d %llu\n", virtualKey, up ? 1 : 0,
                          static_cast<unsigned long long>(extraInfo));
    AppendLine(g_keyPath, line, n);
}

} // namespace emu
