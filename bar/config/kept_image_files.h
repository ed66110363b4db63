// Decoded skin images kept between loads, so that a reload decodes only the files that changed.
#pragma once
#include <windows.h>
#include <vector>
#include "platform/file_stamp.h"

// No more pixel bytes are kept in all.
constexpr size_t kKeptImageBytesMax = 4 << 20;

// An image as a 24-bit bottom-up DIB holds it: rows of width * 3 bytes padded to four.
struct KeptImage {
    int width;
    int height;
    std::vector<BYTE> rows;
};

// What was known of a file before it was read.
struct ImageFileLookup {
    bool stamped;            // the stamp was read
    FileStamp stamp;
    const KeptImage* kept;   // its pixels, when they are kept and the file is unchanged
};

ImageFileLookup LookUpImageFile(const wchar_t* path);

// Keeps the pixels decoded from a file read after lookup, when it had lain unchanged
// for a while then: a change within the clock's resolution of the stamp could not be
// told. A change after the lookup gives the file a newer stamp, so what is kept under
// the older one is never taken for it.
void KeepImage(const wchar_t* path, const ImageFileLookup& lookup, int width, int height, const BYTE* rows);
