// Soft reset of the device (the reboot I/O control's role on the emulated handheld).
#pragma once
#include <windows.h>

// The hardware abstraction layer's reboot request.
constexpr DWORD IOCTL_HAL_REBOOT = 0x0101003C;

// The kernel I/O control of the handheld. IOCTL_HAL_REBOOT (no buffers) resets the
// device: every device program ends, the shell restarts and runs the start-up
// folder; the call returns at once. Other codes fail with ERROR_NOT_SUPPORTED.
BOOL KernelIoControl(DWORD code, void* input, DWORD inputSize, void* output, DWORD outputSize, DWORD* returned);

// Asks the device to reset. Returns false when there is no shell to ask.
bool RequestDeviceReset();
