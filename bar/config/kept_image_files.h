// Image files' bytes kept between loads, so that a reload opens only the files that changed.
#pragma once
#include <windows.h>
#include <vector>
#include "platform/file_stamp.h"

// No larger file is kept, nor more in all.
constexpr size_t kKeptImageBytesMax = 4 << 20;

// What was known of a file before it was read.
struct ImageFileLookup {
    bool stamped;                    // the stamp was read
    FileStamp stamp;
    const std::vector<BYTE>* kept;   // its bytes, when they are kept and the file is unchanged
};

ImageFileLookup LookUpImageFile(const wchar_t* path);

// Keeps the whole bytes of a file read after lookup, when it had lain unchanged for a
// while then: a change within the clock's resolution of the stamp could not be told.
void KeepImageFile(const wchar_t* path, const ImageFileLookup& lookup, std::vector<BYTE>&& whole);
