// Image sizes read from headers, and the decoder refusing an oversized image from its header.
#include <gtest/gtest.h>
#include <vector>
#include "platform/image_decoder.h"
#include "platform/image_header.h"
#include "tests/unit/image_files.h"

namespace {

using Bytes = std::vector<BYTE>;

Bytes Cat(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

const Bytes kPngSignature = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
// IHDR of 20000 x 20000, 8-bit grey.
const Bytes kHugeIhdr = {0, 0, 0, 13, 'I', 'H', 'D', 'R', 0, 0, 0x4E, 0x20, 0, 0, 0x4E, 0x20, 8, 0, 0, 0, 0};
const Bytes kGifScreen10 = {'G', 'I', 'F', '8', '9', 'a', 10, 0, 10, 0, 0, 0, 0};
// An image of 48 x 5 at (0, 0), no colour table, one data block.
const Bytes kGifImage48x5 = {0x2C, 0, 0, 0, 0, 48, 0, 5, 0, 0, 2, 1, 0, 0};
const Bytes kJpegApp0 = {0xFF, 0xD8, 0xFF, 0xE0, 0, 6, 'J', 'F', 'I', 'F'};
// Frame header: precision 8, height 256, width 512.
const Bytes kJpegSof = {0xFF, 0xC0, 0, 11, 8, 1, 0, 2, 0, 1, 1, 0x11, 0};

Bytes BmpHeader(DWORD headerSize, const Bytes& sizeFields)
{
    Bytes b = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,
               BYTE(headerSize), 0, 0, 0};
    b.insert(b.end(), sizeFields.begin(), sizeFields.end());
    return b;
}

}  // namespace

TEST(ImageHeader, SizesOfTheFourFormats)
{
    struct Case { const char* what; Bytes bytes; ExtentState state; UINT width, height; };
    const Case cases[] = {
        {"png", Cat({kPngSignature, kHugeIhdr}), ExtentState::Known, 20000, 20000},
        {"png cut in IHDR", Cat({kPngSignature, {0, 0, 0, 13, 'I', 'H'}}), ExtentState::Incomplete, 0, 0},
        {"png other chunk first", Cat({kPngSignature, {0, 0, 0, 13, 'g', 'A', 'M', 'A', 0, 0, 0, 1, 0, 0, 0, 1}}),
         ExtentState::Unknown, 0, 0},
        {"bmp info, top-down", BmpHeader(40, {30, 0, 0, 0, 0xEC, 0xFF, 0xFF, 0xFF}), ExtentState::Known, 30, 20},
        {"bmp negative width", BmpHeader(40, {0xFF, 0xFF, 0xFF, 0xFF, 1, 0, 0, 0}), ExtentState::Known, 0, 1},
        {"bmp core", BmpHeader(12, {0x80, 2, 0xE0, 1}), ExtentState::Known, 640, 480},
        {"bmp odd header", BmpHeader(7, {1, 0, 1, 0, 1, 0, 1, 0}), ExtentState::Unknown, 0, 0},
        {"jpeg", Cat({kJpegApp0, {0xFF}, kJpegSof}), ExtentState::Known, 512, 256},
        {"jpeg cut in APP0", Bytes(kJpegApp0.begin(), kJpegApp0.begin() + 8), ExtentState::Incomplete, 0, 0},
        {"jpeg data before frame", Cat({kJpegApp0, {0xFF, 0xDA, 0, 2}}), ExtentState::Unknown, 0, 0},
        {"gif", Cat({kGifScreen10, kGifImage48x5, {0x3B}}), ExtentState::Known, 48, 10},
        {"gif without trailer", Cat({kGifScreen10, kGifImage48x5}), ExtentState::Incomplete, 48, 10},
        {"text", {'[', 'S', 'k', 'i', 'n', ']', 13, 10, 'x'}, ExtentState::Unknown, 0, 0},
    };
    for (const Case& c : cases) {
        ImageExtent e = ReadImageExtent(c.bytes.data(), c.bytes.size());
        EXPECT_EQ(e.state, c.state) << c.what;
        EXPECT_EQ(e.width, c.width) << c.what;
        EXPECT_EQ(e.height, c.height) << c.what;
    }
    EXPECT_EQ(ReadImageExtent(nullptr, 10).state, ExtentState::Unknown);
}

namespace {

HRESULT DecodeFrom(MemorySource& source, HBITMAP* bitmap)
{
    BYTE transfer[1024];
    HDC dc = CreateCompatibleDC(nullptr);
    DecodeRequest r = {kDecodeRequestSize, transfer, sizeof(transfer), 0, bitmap, nullptr, 24,
                       reinterpret_cast<LPARAM>(&source), dc, 100, 10000, 10000, ReadMemory, nullptr,
                       kDecodeNoTransparentColour};
    HRESULT hr = DecodeImage(&r);
    DeleteDC(dc);
    return hr;
}

}  // namespace

TEST(ImageHeader, AnOversizedImageIsRefusedFromItsHeaderBeforeTheRestIsRead)
{
    struct Case { const char* what; Bytes bytes; };
    Bytes filler(8000, 0x5A);
    const Case cases[] = {
        {"png 20000 x 20000", Cat({kPngSignature, kHugeIhdr, filler})},
        {"bmp 10001 wide", Cat({BmpHeader(40, {0x11, 0x27, 0, 0, 1, 0, 0, 0}), filler})},
        {"jpeg 0 high", Cat({kJpegApp0, {0xFF, 0xC0, 0, 11, 8, 0, 0, 0, 1, 1, 1, 0x11, 0}, filler})},
    };
    for (const Case& c : cases) {
        MemorySource source;
        source.data = c.bytes;
        HBITMAP bitmap = reinterpret_cast<HBITMAP>(1);
        EXPECT_EQ(DecodeFrom(source, &bitmap), E_FAIL) << c.what;
        EXPECT_EQ(bitmap, nullptr) << c.what;
        EXPECT_EQ(source.calls, 1) << c.what;
        EXPECT_EQ(source.position, 1024u) << c.what;
    }
    // A GIF's later image counts as well; it is seen once the file is read.
    MemorySource gif;
    gif.data = Cat({kGifScreen10, kGifImage48x5, {0x2C, 0, 0, 0, 0, 0x20, 0x4E, 1, 0, 0, 2, 1, 0, 0, 0x3B}});
    HBITMAP bitmap = nullptr;
    EXPECT_EQ(DecodeFrom(gif, &bitmap), E_FAIL);
    EXPECT_EQ(bitmap, nullptr);
}
