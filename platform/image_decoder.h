// The image decoder: an image file, pulled through a read callback, becomes a bitmap.
#pragma once
#include <windows.h>

// Reads up to size bytes of the image into buffer; returns the number read, 0 at
// the end of the data or on failure. callerValue is the request's, handed back.
typedef DWORD (CALLBACK* DecodeReadProc)(LPSTR buffer, DWORD size, LPARAM callerValue);

// Called once when the bitmap is complete; the decoder ignores the result.
typedef void* (CALLBACK* DecodeProgressProc)(void* renderObject, BOOL complete, LPARAM callerValue);

// The value callers put in DecodeRequest::size. It is the record's size on the
// handheld; here the fields are wider, but callers and decoder agree on the number.
constexpr DWORD kDecodeRequestSize = 60;
constexpr DWORD kDecodeNoTransparentColour = 0xFFFFFFFF;

// Nothing larger is accepted from the read callback: the whole file is gathered
// in memory before decoding, and a skin image is a few kilobytes.
constexpr DWORD kDecodeMaxFileBytes = 32u << 20;

struct DecodeRequest {
    DWORD size;                  // kDecodeRequestSize
    BYTE* buffer;                // transfer buffer the read callback fills
    DWORD bufferSize;            // its size in bytes
    DWORD bytesInBuffer;         // bytes already in buffer: the start of the file
    HBITMAP* bitmap;             // out: the bitmap created; the caller owns it
    void** renderObject;         // out, optional: never set by this decoder
    DWORD bitDepth;              // bits per pixel of the bitmap to create
    LPARAM callerValue;          // handed back to both callbacks
    HDC dc;                      // context the bitmap is made for
    int scale;                   // per cent of the natural size; 0 counts as 100
    int maxWidth;                // larger images (after scaling) give no bitmap
    int maxHeight;
    DecodeReadProc read;
    DecodeProgressProc progress; // optional
    DWORD transparentColour;     // kDecodeNoTransparentColour; other values are ignored
};

// Decodes BMP, PNG, JPEG, GIF (first frame) and whatever else the system's codecs
// read. On success *request->bitmap holds a top-down DIB section of bitDepth bits
// (32 or 16; any other depth gives 24) and S_OK is returned. On any failure (bad
// record, unreadable, truncated or oversized data) *request->bitmap is set to 0
// when the pointer is there, and a failure code is returned. Never throws.
// A BMP, PNG, JPEG or GIF whose header gives a size beyond the limits (or no size)
// is refused from the header: reading stops there and nothing is decoded.
HRESULT DecodeImage(DecodeRequest* request);
