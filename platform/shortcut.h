// Shortcut files in the device shell's own format.
//
// A shortcut is one line of 8-bit text: the target's length in characters, "#",
// then the target exactly as given, for example 12#"\Foo\Bar" (callers quote a
// target that holds blanks; the quotes count). The device's reset reads this format.
#pragma once
#include <string>

// The text of a shortcut to target (narrowed with the system's code page).
std::string ShortcutText(const wchar_t* target);

// Writes, or replaces, the shortcut file at linkPath. False when target is empty or
// the file cannot be written; a failed write leaves no half-written file behind.
bool CreateShortcutFile(const wchar_t* linkPath, const wchar_t* target);
