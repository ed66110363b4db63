// On the emulated handheld the shell performs the reset; it is asked by a message.
#include "platform/device_reset.h"
#include <windows.h>

bool RequestDeviceReset()
{
    HWND taskbar = FindWindowW(L"HHTaskBar", nullptr);
    const UINT message = RegisterWindowMessageW(L"HHEmu_Reset");
    return taskbar && message && PostMessageW(taskbar, message, 0, 0);
}
