// The system's start-up folder: the shell starts every shortcut in it after a reset.
#pragma once
#include <cstddef>

// Copies the folder's path (no trailing backslash) into out. The folder is not
// created when missing. False when the path does not fit; out is then "".
bool GetStartUpFolder(wchar_t* out, size_t capacity);
