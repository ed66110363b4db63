// Stylus messages for device windows and the system taskbar's tap log.
#include "tests/kit/device.h"
#include "emulator/lib/log_file.h"
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
    // A sent message would overtake the posted ones, so the barrier is a paint:
    // a thread takes WM_PAINT only when no posted message is left, and a modal loop
    // that one of those messages opened dispatches it as well. A pixel of the
    // window is invalidated and the barrier is passed once nothing is left to paint.
    if (!IsWindowVisible(window)) {
        DWORD_PTR ignored = 0;
        return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &ignored) != 0;
    }
    RECT pixel{0, 0, 1, 1};
    if (!InvalidateRect(window, &pixel, FALSE))
        return false;
    return WaitUntil([&] { return !IsWindow(window) || !GetUpdateRect(window, nullptr, FALSE); }, timeoutMs);
}

void Device::PressAt(HWND window, int x, int y)
{
    PostOne(window, WM_LBUTTONDOWN, x, y);
}

void Device::ReleaseAt(HWND window, int x, int y)
{
    PostOne(window, WM_LBUTTONUP, x, y);
}

void Device::PostOne(HWND window, UINT message, int x, int y)
{
    const size_t before = window == taskbar_ ? TaskbarTaps().size() : 0;
    PostMessageW(window, message, MK_LBUTTON, Point(x, y));
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
    const std::string text = emu::ReadLogFile(tapLog_);
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

std::vector<KeyRecord> Device::KeyEvents() const
{
    std::vector<KeyRecord> keys;
    const std::string text = emu::ReadLogFile(keyLog_);
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        unsigned long vk = 0;
        int up = 0;
        unsigned long long extra = 0;
        if (std::sscanf(text.substr(start, end - start).c_str(), "%lu %d %llu", &vk, &up, &extra) == 3)
            keys.push_back(KeyRecord{vk, up != 0, extra});
    }
    return keys;
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
