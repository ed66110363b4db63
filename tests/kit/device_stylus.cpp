// Stylus messages for device windows and the system taskbar's tap log.
#include "tests/kit/device.h"
#include <cstdio>

namespace kit {

namespace {

LPARAM Point(int x, int y)
{
    return MAKELPARAM(static_cast<WORD>(static_cast<SHORT>(x)), static_cast<WORD>(static_cast<SHORT>(y)));
}

} // namespace

bool Device::Settle(HWND window, DWORD timeoutMs)
{
    // A sent message would overtake the posted ones, so the barrier is posted too:
    // the default handling of WM_SETICON stores the icon, which WM_GETICON shows.
    // It is dispatched in order after what was posted before, also by the modal
    // loop of a menu or popup that one of those messages opened.
    DWORD_PTR original = 0, now = 0;
    if (!SendMessageTimeoutW(window, WM_GETICON, ICON_SMALL, 0, SMTO_NORMAL, timeoutMs, &original))
        return false;
    HICON marker = LoadIconW(nullptr, IDI_QUESTION);
    if (reinterpret_cast<DWORD_PTR>(marker) == original)
        marker = LoadIconW(nullptr, IDI_WARNING);
    if (!PostMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(marker)))
        return false;
    const bool settled = WaitUntil([&] {
        return SendMessageTimeoutW(window, WM_GETICON, ICON_SMALL, 0, SMTO_NORMAL, 500, &now)
            && now == reinterpret_cast<DWORD_PTR>(marker);
    }, timeoutMs);
    SendMessageTimeoutW(window, WM_SETICON, ICON_SMALL, static_cast<LPARAM>(original), SMTO_NORMAL, timeoutMs, &now);
    return settled;
}

void Device::PressAt(HWND window, int x, int y)
{
    const size_t before = window == taskbar_ ? TaskbarTaps().size() : 0;
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, Point(x, y));
    if (window == taskbar_)
        WaitUntil([&] { return TaskbarTaps().size() >= before + 1; }, 3000);
    else
        Settle(window);
}

void Device::ReleaseAt(HWND window, int x, int y)
{
    const size_t before = window == taskbar_ ? TaskbarTaps().size() : 0;
    PostMessageW(window, WM_LBUTTONUP, MK_LBUTTON, Point(x, y));
    if (window == taskbar_)
        WaitUntil([&] { return TaskbarTaps().size() >= before + 1; }, 3000);
    else
        Settle(window);
}

void Device::Tap(HWND window, int x, int y)
{
    const size_t before = window == taskbar_ ? TaskbarTaps().size() : 0;
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, Point(x, y));
    PostMessageW(window, WM_LBUTTONUP, MK_LBUTTON, Point(x, y));
    if (window == taskbar_)
        WaitUntil([&] { return TaskbarTaps().size() >= before + 2; }, 3000);
    Settle(window);
}

std::vector<TapRecord> Device::TaskbarTaps() const
{
    std::vector<TapRecord> taps;
    HANDLE file = CreateFileW(tapLog_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return taps;
    std::string text;
    char buffer[4096];
    DWORD got = 0;
    while (::ReadFile(file, buffer, sizeof(buffer), &got, nullptr) && got > 0)
        text.append(buffer, got);
    CloseHandle(file);
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        unsigned msg = 0;
        unsigned long long wParam = 0;
        int x = 0, y = 0;
        // Only whole lines count: the shell may be writing the next one.
        if (std::sscanf(text.substr(start, end - start).c_str(), "%u %llu %d %d", &msg, &wParam, &x, &y) == 4)
            taps.push_back(TapRecord{msg, static_cast<WPARAM>(wParam), x, y});
    }
    return taps;
}

void Device::ClearTaskbarTaps()
{
    HANDLE file = CreateFileW(tapLog_.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    SetFilePointer(file, 0, nullptr, FILE_BEGIN);
    SetEndOfFile(file);
    CloseHandle(file);
}

} // namespace kit
