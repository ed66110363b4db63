// Turning the device screen: the new size, and Wine's virtual desktop taking it.
#include "emulator/lib/screen_rotation.h"
#include "emulator/protocol.h"
#include <strsafe.h>

namespace emu {

namespace {

// The desktop every device process shares (the harness names it "Default").
constexpr wchar_t kDesktopsKey[] = L"Software\\Wine\\Explorer\\Desktops";
constexpr wchar_t kDesktopName[] = L"Default";

bool NameDesktopSize(SIZE size)
{
    wchar_t text[32];
    if (FAILED(StringCchPrintfW(text, 32, L"%ldx%ld", size.cx, size.cy)))
        return false;
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kDesktopsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return false;
    const DWORD bytes = static_cast<DWORD>((lstrlenW(text) + 1) * sizeof(wchar_t));
    const bool ok = RegSetValueExW(key, kDesktopName, 0, REG_SZ, reinterpret_cast<const BYTE*>(text), bytes) ==
                    ERROR_SUCCESS;
    RegCloseKey(key);
    return ok;
}

bool ChangeScreenMode(SIZE size)
{
    DEVMODEW mode = {};
    mode.dmSize = sizeof(mode);
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
    mode.dmPelsWidth = static_cast<DWORD>(size.cx);
    mode.dmPelsHeight = static_cast<DWORD>(size.cy);
    return ChangeDisplaySettingsExW(nullptr, &mode, nullptr, 0, nullptr) == DISP_CHANGE_SUCCESSFUL;
}

} // namespace

SIZE TurnedScreenSize(SIZE now, Orientation want)
{
    const bool landscape = now.cx > now.cy;
    if ((want == Orientation::Portrait && !landscape) || (want == Orientation::Landscape && landscape) ||
        now.cx == now.cy)
        return now;
    return SIZE{now.cy, now.cx};
}

SIZE CurrentScreenSize()
{
    return SIZE{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

bool SetScreenSize(SIZE size)
{
    const SIZE now = CurrentScreenSize();
    if (now.cx == size.cx && now.cy == size.cy)
        return true;
    // Named first, so that the mode is in Wine's list and a later program of this
    // wineserver's life starts on a desktop of the same size. A process keeps the
    // list it read until a mode is set: setting the current one first renews it.
    if (!NameDesktopSize(size))
        return false;
    ChangeScreenMode(now);
    if (!ChangeScreenMode(size)) {
        NameDesktopSize(now);
        return false;
    }
    return true;
}

bool RequestScreenTurn(Orientation want, DWORD timeoutMs, SIZE* now)
{
    const SIZE before = CurrentScreenSize();
    const SIZE after = TurnedScreenSize(before, want);
    *now = before;
    HWND taskbar = FindWindowW(kTaskbarClass, nullptr);
    const UINT message = RegisterWindowMessageW(kRotateMessage);
    DWORD_PTR turned = 0;
    if (!taskbar || !message ||
        !SendMessageTimeoutW(taskbar, message, static_cast<WPARAM>(want), 0, SMTO_NORMAL, timeoutMs, &turned) ||
        !turned)
        return false;
    // The shell has turned; this process may look a moment later than it.
    for (const DWORD start = GetTickCount();; Sleep(20)) {
        *now = CurrentScreenSize();
        if (now->cx == after.cx && now->cy == after.cy)
            return true;
        if (GetTickCount() - start >= timeoutMs)
            return false;
    }
}

} // namespace emu
