// Header readers for the four formats skins use; bounds-checked walks over the file's first bytes.
#include "platform/image_header.h"
#include <cstring>

namespace {

constexpr ImageExtent kUnknown = {ExtentState::Unknown, 0, 0};

UINT Le16(const BYTE* p) { return UINT(p[0]) | UINT(p[1]) << 8; }
UINT Be16(const BYTE* p) { return UINT(p[0]) << 8 | UINT(p[1]); }
UINT Le32(const BYTE* p) { return Le16(p) | Le16(p + 2) << 16; }
UINT Be32(const BYTE* p) { return Be16(p) << 16 | Be16(p + 2); }

ImageExtent Incomplete(UINT w = 0, UINT h = 0) { return {ExtentState::Incomplete, w, h}; }
ImageExtent Known(UINT w, UINT h) { return {ExtentState::Known, w, h}; }

ImageExtent BmpExtent(const BYTE* d, size_t n)
{
    if (n < 18)
        return Incomplete();
    UINT headerSize = Le32(d + 14);
    if (headerSize == 12)
        return n < 22 ? Incomplete() : Known(Le16(d + 18), Le16(d + 20));
    if (headerSize < 16)
        return kUnknown;
    if (n < 26)
        return Incomplete();
    int width = int(Le32(d + 18)), height = int(Le32(d + 22));
    // A negative height is a top-down image; the most negative one has no positive twin.
    UINT h = height >= 0 ? UINT(height) : 0u - UINT(height);
    return Known(width > 0 ? UINT(width) : 0, h);
}

ImageExtent PngExtent(const BYTE* d, size_t n)
{
    if (n < 24)
        return Incomplete();
    if (memcmp(d + 12, "IHDR", 4) != 0)
        return kUnknown;
    return Known(Be32(d + 16), Be32(d + 20));
}

bool IsFrameHeader(BYTE marker)
{
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

ImageExtent JpegExtent(const BYTE* d, size_t n)
{
    size_t at = 2;
    for (;;) {
        while (at < n && d[at] != 0xFF)  // bytes between segments are skipped, as decoders do
            ++at;
        while (at < n && d[at] == 0xFF)  // fill bytes
            ++at;
        if (at >= n)
            return Incomplete();
        BYTE marker = d[at++];
        if (marker == 0x01 || marker == 0xD8 || (marker >= 0xD0 && marker <= 0xD7))
            continue;  // no length follows
        if (marker == 0xD9 || marker == 0xDA)
            return kUnknown;  // no frame header before the data: the decoder decides
        if (at + 2 > n)
            return Incomplete();
        size_t length = Be16(d + at);
        if (IsFrameHeader(marker)) {
            if (at + 7 > n)
                return Incomplete();
            return Known(Be16(d + at + 5), Be16(d + at + 3));
        }
        if (length < 2)
            return kUnknown;
        at += length;
    }
}

// Skips a chain of sub-blocks; false when the data ends first.
bool SkipSubBlocks(const BYTE* d, size_t n, size_t& at)
{
    for (;;) {
        if (at >= n)
            return false;
        BYTE length = d[at++];
        if (length == 0)
            return true;
        at += length;
    }
}

UINT Larger(UINT a, UINT b) { return a > b ? a : b; }

// Every image of the file counts: the decoder unpacks them all when it opens the file.
ImageExtent GifExtent(const BYTE* d, size_t n)
{
    if (n < 13)
        return Incomplete();
    UINT w = Le16(d + 6), h = Le16(d + 8);
    size_t at = 13;
    if (d[10] & 0x80)
        at += 3u << ((d[10] & 7) + 1);
    for (;;) {
        if (at >= n)
            return Incomplete(w, h);
        BYTE kind = d[at++];
        if (kind == 0x3B)
            return Known(w, h);
        if (kind == 0x21) {
            ++at;  // the extension's label
            if (!SkipSubBlocks(d, n, at))
                return Incomplete(w, h);
        } else if (kind == 0x2C) {
            if (at + 9 > n)
                return Incomplete(w, h);
            w = Larger(w, Le16(d + at + 4));
            h = Larger(h, Le16(d + at + 6));
            BYTE flags = d[at + 8];
            at += 9;
            if (flags & 0x80)
                at += 3u << ((flags & 7) + 1);
            ++at;  // the code size
            if (!SkipSubBlocks(d, n, at))
                return Incomplete(w, h);
        } else {
            return Known(w, h);  // not a GIF block: the decoder stops here as well
        }
    }
}

bool StartsWith(const BYTE* d, size_t n, const char* magic, size_t length)
{
    return n >= length && memcmp(d, magic, length) == 0;
}

}  // namespace

ImageExtent ReadImageExtent(const BYTE* data, size_t size)
{
    if (!data)
        return kUnknown;
    if (size < 2)
        return Incomplete();
    if (StartsWith(data, size, "BM", 2))
        return BmpExtent(data, size);
    if (data[0] == 0xFF && data[1] == 0xD8)
        return JpegExtent(data, size);
    if (size < 6)
        return Incomplete();
    if (StartsWith(data, size, "GIF87a", 6) || StartsWith(data, size, "GIF89a", 6))
        return GifExtent(data, size);
    if (size < 8)
        return Incomplete();
    if (StartsWith(data, size, "\x89PNG\r\n\x1a\n", 8))
        return PngExtent(data, size);
    return kUnknown;
}
