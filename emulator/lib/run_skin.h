// The run command's skin: a skin from anywhere, copied onto the device and worn by the bar.
#pragma once
#include <string>

namespace emu {

// Where the run command puts the skin's folder on the device.
constexpr wchar_t kRunSkinFolder[] = L"\\Program Files\\Velkis\\Themes\\Run";

// Copies the folder of skinFile (a Win32 path) to kRunSkinFolder, replacing what is
// there, and makes config.ini's Theme File name the copy; the other settings stay.
// False with the reason in error.
bool InstallRunSkin(const std::wstring& skinFile, std::wstring* error);

// Sends the running bar the update message, as the setup program's OK does; true
// once the bar has reloaded, false when no bar answered within timeoutMs.
bool ReloadRunningBar(unsigned timeoutMs);

} // namespace emu
