// Files, screen pixels and registry values of the device, for tests to check.
#include "tests/kit/device.h"
#include "emulator/lib/device_paths.h"
#include "emulator/lib/screen_capture.h"

namespace kit {

std::vector<COLORREF> Device::ReadScreen(const RECT& r) const
{
    return emu::CaptureScreen(r);
}

COLORREF Device::Pixel(int x, int y) const
{
    const std::vector<COLORREF> p = emu::CaptureScreen(RECT{x, y, x + 1, y + 1});
    return p.empty() ? CLR_INVALID : p[0];
}

bool Device::SavePng(const std::wstring& path, const RECT& r) const
{
    std::wstring target = path;
    if (path.size() < 2 || (path[1] != L':' && path[0] != L'\\')) {
        emu::CreateFolders(emu::BuildDir() + L"\\e2e");
        target = emu::BuildDir() + L"\\e2e\\" + path;
    }
    return emu::WritePng(target, emu::CaptureScreen(r), r.right - r.left, r.bottom - r.top);
}

std::string Device::ReadFile(const std::wstring& devicePath, bool* found) const
{
    std::string content;
    HANDLE file = CreateFileW(emu::DevicePath(devicePath).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (found)
        *found = file != INVALID_HANDLE_VALUE;
    if (file == INVALID_HANDLE_VALUE)
        return content;
    char buffer[8192];
    DWORD got = 0;
    while (::ReadFile(file, buffer, sizeof(buffer), &got, nullptr) && got > 0)
        content.append(buffer, got);
    CloseHandle(file);
    return content;
}

bool Device::WriteFile(const std::wstring& devicePath, const std::string& content)
{
    const std::wstring path = emu::DevicePath(devicePath);
    const size_t slash = path.find_last_of(L'\\');
    if (slash != std::wstring::npos && slash > 2)
        emu::CreateFolders(path.substr(0, slash));
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool ok = ::WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr)
        && written == content.size();
    CloseHandle(file);
    return ok;
}

bool Device::FileExists(const std::wstring& devicePath) const
{
    return GetFileAttributesW(emu::DevicePath(devicePath).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool ReadRegDword(HKEY root, const wchar_t* key, const wchar_t* value, DWORD* out)
{
    DWORD size = sizeof(*out);
    return RegGetValueW(root, key, value, RRF_RT_REG_DWORD, nullptr, out, &size) == ERROR_SUCCESS;
}

std::wstring ReadRegString(HKEY root, const wchar_t* key, const wchar_t* value)
{
    wchar_t buffer[1024];
    DWORD size = sizeof(buffer);
    if (RegGetValueW(root, key, value, RRF_RT_REG_SZ, nullptr, buffer, &size) != ERROR_SUCCESS)
        return L"";
    return buffer;
}

namespace {

struct WindowQuery {
    DWORD pid;
    const wchar_t* cls;
    const wchar_t* title;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param)
{
    auto* q = reinterpret_cast<WindowQuery*>(param);
    if (WindowProcess(window) != q->pid)
        return TRUE;
    wchar_t text[256];
    if (q->cls && (!GetClassNameW(window, text, 256) || lstrcmpW(text, q->cls) != 0))
        return TRUE;
    if (q->title) {
        text[0] = L'\0';
        GetWindowTextW(window, text, 256);
        if (lstrcmpW(text, q->title) != 0)
            return TRUE;
    }
    q->found = window;
    return FALSE;
}

} // namespace

HWND FindProcessWindow(DWORD pid, const wchar_t* cls, const wchar_t* title)
{
    WindowQuery q{pid, cls, title, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&q));
    return q.found;
}

DWORD WindowProcess(HWND window)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return pid;
}

std::string Narrow(const std::wstring& text)
{
    std::string out;
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    if (n > 0) {
        out.resize(n);
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), &out[0], n, nullptr, nullptr);
    }
    return out;
}

} // namespace kit
