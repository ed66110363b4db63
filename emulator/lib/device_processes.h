// Starting device programs and stopping every process of the device.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

namespace emu {

// Starts a program (device path or Win32 path) with the device root as current
// folder. Returns the process information (both handles owned by the caller), or
// a zero hProcess on failure.
PROCESS_INFORMATION StartDeviceProgram(const std::wstring& path, const std::wstring& args);

// Whether a process belongs to the device: its program lives on the device drive,
// or it is one of the device's programs by file name.
bool IsDeviceProcessImage(const std::wstring& imagePath);

// Ids of the running device processes, except the caller.
std::vector<DWORD> DeviceProcessIds();

// Terminates every device process except the caller and except, when given, the
// process keep; waits for each at most timeoutMs in total. Returns how many ended.
int TerminateDeviceProcesses(DWORD timeoutMs, DWORD keep = 0);

// Quotes one command-line argument so that CommandLineToArgvW gives it back.
std::wstring QuoteArg(const std::wstring& arg);

} // namespace emu
