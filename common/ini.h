// The INI text engine of both programs: 8-bit line-based files, kept in memory only under a hold of their lock, rewritten via a scratch file.
#pragma once
#include <cstddef>
#include <cstdio>

// Result codes shared by every operation.
constexpr int INI_SUCCESS = 0;
constexpr int INI_NO_SECTION = -1;     // end of file before the section
constexpr int INI_NO_KEY = -2;         // the section holds no entry of that key
constexpr int INI_CANNOT_OPEN = -10;   // the file could not be opened for reading
constexpr int INI_CANNOT_CREATE = -11; // a file could not be opened for writing, or the copy-back failed
constexpr int INI_READ_ERROR = -12;    // the stream reported an error (or a rewrite ran out of lines)
constexpr int INI_WRITE_ERROR = -13;   // a write reported failure
constexpr int INI_BAD_LINE = -14;      // malformed entry in the section, or a bad header before it
constexpr int INI_TOO_LONG = -22;      // a continued entry would exceed INI_LINE_MAX
constexpr int INI_LOCKED = -30;        // a write found the files' lock held by a hung program: nothing written

// Longest line, and longest joined entry, in bytes (buffers add one for the terminator).
constexpr int INI_LINE_MAX = 512;

// IniReadLine's results besides the number of bytes stored.
constexpr int INI_LINE_END_OF_FILE = -1;
constexpr int INI_LINE_STREAM_ERROR = -2;

// IniSplitKeyValue's results.
constexpr int INI_SPLIT_ENTRY = 1;
constexpr int INI_SPLIT_BLANK = 0;
constexpr int INI_SPLIT_NO_KEY = -1;     // the first non-blank character is "="
constexpr int INI_SPLIT_NO_EQUALS = -2;

// The scratch file of every rewrite: a device path, in the root folder of the current drive.
constexpr const wchar_t* INI_SCRATCH_PATH = L"\\dax_software_ini";

// Where the last IniReadValue stopped; IniWriteValue rewrites the file from it.
// Lines are physical lines counted from 1.
struct IniLocation {
    int sectionLine; // header of the section found, 0 while none was found
    int entryLine;   // first line of the entry read last inside that section
    int entrySpan;   // physical lines that entry occupies (1 + continuation lines)
};

// The single process-wide record left by the last IniReadValue (the engine is not reentrant).
IniLocation IniLastLocation();

// Copies the value of key in the first section of that name into out, cut to
// outCapacity - 1 bytes and terminated. out is written only on INI_SUCCESS. When the
// files' lock cannot be had the file is read as it stands.
int IniReadValue(const wchar_t* path, const char* section, const char* key, char* out, size_t outCapacity);

// Replaces the value, or adds the key (under its section's header) or the section (at the end).
// INI_LOCKED, touching nothing, when the files' lock cannot be had.
int IniWriteValue(const wchar_t* path, const char* section, const char* key, const char* value);

// Copies a file byte for byte: 0, INI_CANNOT_OPEN, INI_CANNOT_CREATE, INI_READ_ERROR, INI_WRITE_ERROR.
int IniCopyFile(const wchar_t* source, const wchar_t* target);

// Reads one line into buffer (capacity bytes plus a terminator). Returns the bytes stored,
// INI_LINE_END_OF_FILE when the file ended before a single byte, INI_LINE_STREAM_ERROR.
// LF and NUL end a line and are dropped, CR is dropped anywhere, FF and SUB end a line and
// stay in it; a longer line continues as the next one.
int IniReadLine(FILE* stream, char* buffer, int capacity);

// Splits "key = value" in place at the first "=": key without surrounding blanks (a
// trailing tab stays), value without leading spaces and tabs. Returns INI_SPLIT_*.
int IniSplitKeyValue(char* line, char** key, char** value);

// Remove leading or trailing spaces (0x20 only) in place.
void TrimLeft(char* text);
void TrimRight(char* text);

// One byte to one UTF-16 unit and back (keeping the low byte). The output is cleared
// first and always terminated; text longer than outCapacity - 1 is cut. A null text is "".
void AnsiToWide(const char* text, wchar_t* out, size_t outCapacity);
void WideToAnsi(const wchar_t* text, char* out, size_t outCapacity);
