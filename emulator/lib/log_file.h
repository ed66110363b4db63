// Log files that device programs append to while the tests read or empty them.
#pragma once
#include <cstddef>
#include <string>

namespace emu {

// Appends size bytes to path, creating it. The file is opened per call and shared,
// so a reader may open, read or truncate it at any moment.
bool AppendToLogFile(const std::wstring& path, const char* data, size_t size);

// The whole content of path; empty when it cannot be opened. A writer may be in
// the middle of a line, so callers take only lines that end in '\n'.
std::string ReadLogFile(const std::wstring& path);

} // namespace emu
