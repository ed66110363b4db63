// On the emulated handheld the shell performs the reset; it is asked by a message.
#include "platform/device_reset.h"

bool RequestDeviceReset()
{
    HWND taskbar = FindWindowW(L"HHTaskBar", nullptr);
    const UINT message = RegisterWindowMessageW(L"HHEmu_Reset");
    return taskbar && message && PostMessageW(taskbar, message, 0, 0);
}

BOOL KernelIoControl(DWORD code, void*, DWORD, void*, DWORD, DWORD* returned)
{
    if (returned)
        *returned = 0;
    if (code == IOCTL_HAL_REBOOT)
        return RequestDeviceReset() ? TRUE : FALSE;
    SetLastError(ERROR_NOT_SUPPORTED);
    return FALSE;
}
