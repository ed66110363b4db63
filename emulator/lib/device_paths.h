// Where the build keeps the programs, and how device paths become Win32 paths.
#pragma once
#include <string>

namespace emu {

// The build tree (as a Win32 path, no trailing backslash), found from the running
// program's own location: build/<folder>/<program>.exe.
std::wstring BuildDir();

std::wstring EmulatorDir();   // build/emulator: shell32.exe, sampleapp.exe, tools
std::wstring InstallDir();    // build/install: Velkis.exe, Tormalin.exe, Themes
std::wstring DeviceDllDir();  // build/emulator/windows: the device's own DLLs

// "\Program Files\x" -> "D:\Program Files\x"; other paths are returned unchanged.
std::wstring DevicePath(const std::wstring& path);

// The device root as Win32 path, "D:\".
std::wstring DeviceRoot();

// The device folder through the build tree (build/device), which the harness maps
// as the device drive.
std::wstring DeviceFolderInBuild();

// Creates every missing folder of path. Returns whether the folder exists afterwards.
bool CreateFolders(const std::wstring& path);

} // namespace emu
