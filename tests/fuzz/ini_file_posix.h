// Native (POSIX) file access for the INI engine: where device paths live, and a hook on opens.
#pragma once
#include <string>

// The folder that stands for the device's root: "\name" opens <root>/name. Without it
// (and without INI_DEVICE_ROOT in the environment) device paths fail to open.
void IniSetDeviceRoot(const std::string& folder);

// Called before every open with the native path and mode; returning false fails the open.
using IniOpenHook = bool (*)(const std::string& nativePath, const char* mode);
void IniSetOpenHook(IniOpenHook hook);

// The native path of a wide path: backslashes become slashes, other units UTF-8.
std::string IniNativePath(const wchar_t* path);
