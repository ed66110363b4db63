// Asking the user for a skin file: the optional provider "gsgetfile.dll", else the system's dialog.
#pragma once
#include <windows.h>
#include <string>

constexpr DWORD kProviderDialogFlags = 0x81204;
constexpr DWORD kSystemDialogFlags = 0x81004;

// The chosen file's full path, or "" when the user cancelled.
std::wstring ChooseSkinFile(HWND owner);
