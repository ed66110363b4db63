// An image's pixel size read from its header alone, so oversized images are refused before decoding.
#pragma once
#include <windows.h>
#include <cstddef>

enum class ExtentState {
    Known,       // the whole header was read: width and height are final
    Incomplete,  // more bytes are needed; width and height are the largest seen so far
    Unknown,     // not a BMP, PNG, JPEG or GIF header this reader understands
};

struct ImageExtent {
    ExtentState state;
    UINT width;   // 0 when the header says none (or a negative width)
    UINT height;
};

// The size of a BMP (info or core header), PNG (IHDR), JPEG (first frame header)
// or GIF (the logical screen and every image in the file, each side's largest) from
// the first size bytes of the file. Never reads past data + size.
ImageExtent ReadImageExtent(const BYTE* data, size_t size);
