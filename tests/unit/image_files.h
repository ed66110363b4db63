// Test images written at test time: hand-made BMPs, WIC-encoded PNG, JPEG and GIF.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

struct TestPixels {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> colours;  // row-major, top row first
    COLORREF at(int x, int y) const { return colours[size_t(y) * width + x]; }
};

// Every pixel a different colour, so flips, shifts and channel swaps show.
TestPixels GradientPixels(int width, int height);
// Pseudo-random colours: compresses badly, so the file is large.
TestPixels NoisePixels(int width, int height);
// Four solid quadrants (red, green, blue, white): survives JPEG's loss.
TestPixels QuadrantPixels(int side);

// A folder below the temporary folder, removed with its files at destruction.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    std::wstring Path(const wchar_t* name) const { return folder_ + L"\\" + name; }
private:
    std::wstring folder_;
};

bool WriteBytes(const std::wstring& path, const std::vector<BYTE>& bytes);
std::vector<BYTE> ReadBytes(const std::wstring& path);

// A 24-bit bottom-up BMP, written byte by byte.
std::vector<BYTE> EncodeBmp24(const TestPixels& pixels);
// container: GUID_ContainerFormatPng, ...Jpeg or ...Gif (palette of the image's colours).
std::vector<BYTE> EncodeWithWic(const GUID& container, const TestPixels& pixels);

// The colour of pixel (x, y) of a 24- or 32-bit DIB section, top row 0. The row
// order must be given: GetObject reports a positive height for both.
COLORREF SectionPixel(HBITMAP section, int x, int y, bool bottomUp = true);

// Serves bytes from memory to a decoder's read callback and records how it is asked.
struct MemorySource {
    std::vector<BYTE> data;
    size_t position = 0;
    int calls = 0;
    DWORD largestAsk = 0;
    bool endless = false;  // never reports the end
};
// The read callback; callerValue is the MemorySource.
DWORD CALLBACK ReadMemory(LPSTR buffer, DWORD size, LPARAM callerValue);
