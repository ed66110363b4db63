// Command-line arguments of the emulator's programs, and the sample windows they ask for.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

namespace emu {

// This process's arguments, without the program name.
std::vector<std::wstring> CommandLineArgs();

// A number in decimal or 0x-hexadecimal; false when text is not entirely one.
bool ParseNumber(const std::wstring& text, unsigned long* value);

// How a sample window behaves beyond its styles.
namespace sample_trait {
constexpr DWORD IgnoresClose = 1;   // WM_CLOSE is logged and the window stays
constexpr DWORD SmallIcon = 2;      // the window answers WM_GETICON with its own small icon
}

// One window the sample application opens.
struct SampleWindowSpec {
    std::wstring title;
    std::wstring cls;
    DWORD style = 0;
    DWORD exStyle = 0;
    DWORD traits = 0;
};

// sampleapp.exe [--log PATH] --window TITLE CLASS STYLE EXSTYLE [--traits N] [--window ...]
// Returns false (and nothing) on any malformed argument.
bool ParseSampleArgs(const std::vector<std::wstring>& args, std::vector<SampleWindowSpec>* out,
                     std::wstring* logPath = nullptr);
std::wstring FormatSampleArgs(const std::vector<SampleWindowSpec>& windows, const std::wstring& logPath = L"");

} // namespace emu
