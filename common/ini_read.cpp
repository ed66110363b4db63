// Looking up one value: every read opens the file, scans it from the top and closes it.
#include "common/ini.h"
#include "common/ini_file.h"
#include <cstring>

namespace {

IniLocation location;

struct FileCloser {
    FILE* file;
    ~FileCloser() { fclose(file); }
};

void TrimBoth(char* text)
{
    TrimLeft(text);
    TrimRight(text);
}

// Reads lines up to the section's header; INI_SUCCESS when it was found.
int FindSection(FILE* file, const char* section, int& lineNumber)
{
    char line[INI_LINE_MAX + 1];
    for (;;) {
        int n = IniReadLine(file, line, INI_LINE_MAX);
        if (n == INI_LINE_STREAM_ERROR)
            return INI_READ_ERROR;
        if (n == INI_LINE_END_OF_FILE)
            return INI_NO_SECTION;
        ++lineNumber;
        TrimBoth(line);
        size_t len = strlen(line);
        if (len == 0 || line[0] != '[')
            continue; // empty, comment, or an entry outside the section
        if (len > 2 && line[len - 1] != ']')
            return INI_BAD_LINE;
        // Lines of one or two characters ("[", "[]", "[x") name the empty section.
        line[len - 1] = '\0';
        if (strcmp(line + 1, section) == 0) {
            location.sectionLine = lineNumber;
            return INI_SUCCESS;
        }
    }
}

// Appends the continuation lines of an entry whose text (length len) ends in "+".
int JoinContinuations(FILE* file, char* entry, size_t len, int& lineNumber)
{
    char line[INI_LINE_MAX + 1];
    while (len > 0 && entry[len - 1] == '+') {
        entry[--len] = '\0';
        int n = IniReadLine(file, line, INI_LINE_MAX);
        if (n == INI_LINE_STREAM_ERROR)
            return INI_READ_ERROR;
        if (n == INI_LINE_END_OF_FILE)
            break;
        ++lineNumber;
        ++location.entrySpan;
        TrimLeft(line);
        size_t added = strlen(line);
        if (added == 0)
            break;
        size_t kept = added - (line[added - 1] == '+' ? 1 : 0);
        if (len + kept > size_t(INI_LINE_MAX))
            return INI_TOO_LONG;
        memcpy(entry + len, line, added + 1);
        len += added;
    }
    return INI_SUCCESS;
}

// Reads the entries of the found section until the key; copies its value on success.
int FindKey(FILE* file, const char* key, char* out, size_t outCapacity, int& lineNumber)
{
    // A joined entry holds up to INI_LINE_MAX bytes plus one more line with its "+".
    char entry[2 * INI_LINE_MAX + 2];
    for (;;) {
        int n = IniReadLine(file, entry, INI_LINE_MAX);
        if (n == INI_LINE_STREAM_ERROR)
            return INI_READ_ERROR;
        if (n == INI_LINE_END_OF_FILE)
            return INI_NO_KEY;
        ++lineNumber;
        location.entryLine = lineNumber;
        location.entrySpan = 1;
        TrimBoth(entry);
        if (entry[0] == '\0' || entry[0] == '#')
            continue;
        if (entry[0] == '[')
            return INI_NO_KEY;
        int joined = JoinContinuations(file, entry, strlen(entry), lineNumber);
        if (joined != INI_SUCCESS)
            return joined;
        char* entryKey;
        char* value;
        if (IniSplitKeyValue(entry, &entryKey, &value) != INI_SPLIT_ENTRY)
            return INI_BAD_LINE;
        if (strcmp(entryKey, key) != 0)
            continue;
        if (outCapacity > 0) {
            size_t len = strlen(value);
            if (len >= outCapacity)
                len = outCapacity - 1;
            memcpy(out, value, len);
            out[len] = '\0';
        }
        return INI_SUCCESS;
    }
}

} // namespace

IniLocation IniLastLocation()
{
    return location;
}

int IniReadValue(const wchar_t* path, const char* section, const char* key, char* out, size_t outCapacity)
{
    location = IniLocation{0, 0, 0};
    if (!path || !section || !key || (!out && outCapacity > 0))
        return INI_CANNOT_OPEN;
    IniFilesLock lock;
    if (!lock.Held())
        return INI_CANNOT_OPEN;
    FILE* file = IniOpenFile(path, "rb");
    if (!file)
        return INI_CANNOT_OPEN;
    FileCloser closer{file};
    int lineNumber = 0;
    int result = FindSection(file, section, lineNumber);
    if (result != INI_SUCCESS)
        return result;
    return FindKey(file, key, out, outCapacity, lineNumber);
}
