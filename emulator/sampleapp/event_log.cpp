// Appends sample-window events to a file shared by every sample process.
#include "emulator/sampleapp/event_log.h"
#include "emulator/lib/log_file.h"
#include <cstdio>

namespace sample {

namespace {

std::wstring g_path;

std::string Utf8(const wchar_t* text)
{
    char buffer[512];
    const int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, buffer, sizeof(buffer), nullptr, nullptr);
    return n > 0 ? std::string(buffer) : std::string();
}

void Append(const std::string& line)
{
    if (!g_path.empty())
        emu::AppendToLogFile(g_path, line.data(), line.size());
}

} // namespace

void SetEventLogPath(const std::wstring& path)
{
    g_path = path;
}

void LogEvent(HWND window, const char* what, WPARAM wParam)
{
    wchar_t title[128] = L"";
    GetWindowTextW(window, title, 128);
    char tail[64];
    std::snprintf(tail, sizeof(tail), "|%s %llu\n", what, static_cast<unsigned long long>(wParam));
    Append(std::to_string(GetCurrentProcessId()) + " " + Utf8(title) + tail);
}

void LogCurrentFolder()
{
    wchar_t folder[MAX_PATH] = L"";
    GetCurrentDirectoryW(MAX_PATH, folder);
    Append(std::to_string(GetCurrentProcessId()) + " |cwd " + Utf8(folder) + "\n");
}

} // namespace sample
