// Where the INI reader takes its lines from: an open file, or a file's text kept in memory.
#pragma once
#include <cstddef>
#include <cstdio>
#include <string>

struct IniSource {
    FILE* file = nullptr;              // read with getc when set
    const std::string* text = nullptr; // otherwise read from here, from byte next on
    size_t next = 0;
};

// IniReadLine over either kind of source, with the same results for the same bytes.
int IniReadLine(IniSource& source, char* buffer, int capacity);
