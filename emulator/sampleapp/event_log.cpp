// Appends sample-window events to a file shared by every sample process.
#include "emulator/sampleapp/event_log.h"
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
    if (g_path.empty())
        return;
    HANDLE file = CreateFileW(g_path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
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
