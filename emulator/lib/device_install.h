// A fresh device folder with the programs and skins installed.
#pragma once
#include <string>
#include "platform/emulated/device_state.h"

namespace emu {

// Empties the device root, then lays out \Program Files\Velkis (Velkis.exe,
// Tormalin.exe and Themes\ from the build's install image), \Windows (the shell, the
// sample application and the device's DLLs), \Windows\StartUp and a folder per storage card of state.
// Fails (with a reason in error) when the device drive is not the build's device
// folder, so a stray mapping never gets emptied.
bool InstallDevice(const DeviceState& state, std::wstring* error);

// Deletes a folder's content, recursively; the folder itself stays.
bool EmptyFolder(const std::wstring& folder);

// Copies a folder tree; files that exist are replaced.
bool CopyFolder(const std::wstring& from, const std::wstring& to);

} // namespace emu
