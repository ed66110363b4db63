// Opening and deleting files by their wide names: each build links its own implementation.
#pragma once
#include <cstdio>

// fopen with a wide path; a path beginning with "\" is a device path (root of the device).
FILE* IniOpenFile(const wchar_t* path, const char* mode);

// Deletes a file; true when it is gone.
bool IniRemoveFile(const wchar_t* path);
