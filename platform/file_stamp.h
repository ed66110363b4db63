// A file's size and times, read without opening it (an open costs Wine a round trip to its server).
#pragma once
#include <windows.h>

struct FileStamp {
    LONGLONG size;
    LONGLONG lastWrite;  // 100 ns units since 1601
    LONGLONG lastChange; // set by every write and rename; no program can set it back
};

// False when the path cannot be looked at or is a folder.
bool ReadFileStamp(const wchar_t* path, FileStamp& stamp);

bool SameFileStamp(const FileStamp& a, const FileStamp& b);
