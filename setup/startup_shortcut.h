// The start-up shortcut that starts the bar after a reset.
#pragma once
#include <string>

// The start-up folder + "\Velkis.lnk"; "" when the folder is unknown.
std::wstring StartUpShortcutPath();

// The shortcut's target: the bar's path without extension, in double quotes.
std::wstring StartUpShortcutTarget(const wchar_t* programFolder);

// Whether the shortcut file exists.
bool StartUpShortcutExists();

// Creates the shortcut (wanted) or deletes it; a missing file is no error.
void WriteStartUpShortcut(bool wanted, const wchar_t* programFolder);
