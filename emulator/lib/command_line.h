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
constexpr DWORD Notes = 4;          // an edit fills the window; closing with unsaved text asks to save
constexpr DWORD HangButton = 8;     // a "Hang 10 s" button stops the window's thread for 10 s
constexpr DWORD HangsWhenReady = 16;  // that hang starts by itself once the windows are shown
constexpr DWORD PausesOnClose = 32;   // WM_CLOSE is answered after 2 s without answering anything
}

// The "Hang 10 s" button's command: posting WM_COMMAND with this id to a window with
// the HangButton trait starts the hang as a tap on the button would.
constexpr WORD kHangCommand = 200;
// The Notes window's edit control id; WM_CHAR posted to it is typing.
constexpr WORD kNotesEditId = 100;
// Where Notes saves when its window was given no --file.
constexpr wchar_t kNotesDefaultFile[] = L"\\My Documents\\Notes.txt";

// One window the sample application opens.
struct SampleWindowSpec {
    std::wstring title;
    std::wstring cls;
    DWORD style = 0;
    DWORD exStyle = 0;
    DWORD traits = 0;
    std::wstring file = L"";   // Notes: where Yes saves (empty: kNotesDefaultFile)
};

// sampleapp.exe [--log PATH] --window TITLE CLASS STYLE EXSTYLE [--traits N] [--file PATH] [--window ...]
// Returns false (and nothing) on any malformed argument.
bool ParseSampleArgs(const std::vector<std::wstring>& args, std::vector<SampleWindowSpec>* out,
                     std::wstring* logPath = nullptr);
std::wstring FormatSampleArgs(const std::vector<SampleWindowSpec>& windows, const std::wstring& logPath = L"");

} // namespace emu
