// Looking up one value: a read scans the file from the top; the files' text is kept while the lock is held.
#include "common/ini.h"
#include "common/ini_file.h"
#include "common/ini_source.h"
#include <cstring>
#include <vector>

namespace {

IniLocation location;

struct FileCloser {
    FILE* file;
    ~FileCloser()
    {
        if (file)
            fclose(file);
    }
};

// A load reads some fifty keys from two files under one hold of the lock; opening a
// file for each costs Wine a round trip to its server. Nobody else writes while the
// lock is held, and the engine's own writes forget what was kept.
struct KeptText {
    std::wstring path;
    std::string text;
};
thread_local std::vector<KeptText> keptTexts;
thread_local unsigned keptHold = 0;  // the hold they were read under

// Larger files are read from disk on every lookup.
constexpr size_t kKeptTextMax = 1 << 20;

bool ReadWhole(FILE* file, std::string& text)
{
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, file)) > 0) {
        if (text.size() + n > kKeptTextMax)
            return false;
        text.append(buffer, n);
    }
    return !ferror(file);
}

// The file's whole text, kept for the rest of the hold (what an earlier hold kept is
// dropped first); null when it does not open
// (missing set) or cannot be read whole, and the caller then reads the file itself.
const std::string* HeldText(const wchar_t* path, bool& missing)
{
    missing = false;
    if (keptHold != IniHoldNumber()) {
        keptTexts.clear();
        keptHold = IniHoldNumber();
    }
    for (const KeptText& kept : keptTexts)
        if (kept.path == path)
            return &kept.text;
    FILE* file = IniOpenFile(path, "rb");
    missing = !file;
    if (!file)
        return nullptr;
    FileCloser closer{file};
    KeptText kept{path, std::string()};
    if (!ReadWhole(file, kept.text))
        return nullptr;
    keptTexts.push_back(std::move(kept));
    return &keptTexts.back().text;
}

void TrimBoth(char* text)
{
    TrimLeft(text);
    TrimRight(text);
}

// Reads lines up to the section's header; INI_SUCCESS when it was found.
int FindSection(IniSource& source, const char* section, int& lineNumber)
{
    char line[INI_LINE_MAX + 1];
    for (;;) {
        int n = IniReadLine(source, line, INI_LINE_MAX);
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
int JoinContinuations(IniSource& source, char* entry, size_t len, int& lineNumber)
{
    char line[INI_LINE_MAX + 1];
    while (len > 0 && entry[len - 1] == '+') {
        entry[--len] = '\0';
        int n = IniReadLine(source, line, INI_LINE_MAX);
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
int FindKey(IniSource& source, const char* key, char* out, size_t outCapacity, int& lineNumber)
{
    // A joined entry holds up to INI_LINE_MAX bytes plus one more line with its "+".
    char entry[2 * INI_LINE_MAX + 2];
    for (;;) {
        int n = IniReadLine(source, entry, INI_LINE_MAX);
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
        int joined = JoinContinuations(source, entry, strlen(entry), lineNumber);
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
    IniSource source;
    // Its holder hung: the file as it stands beats a file taken for missing, and no
    // text is kept outside a hold.
    if (lock.Held()) {
        bool missing = false;
        source.text = HeldText(path, missing);
        if (missing)
            return INI_CANNOT_OPEN;
    }
    FileCloser closer{nullptr};
    if (!source.text) {
        source.file = closer.file = IniOpenFile(path, "rb");
        if (!source.file)
            return INI_CANNOT_OPEN;
    }
    int lineNumber = 0;
    int result = FindSection(source, section, lineNumber);
    if (result != INI_SUCCESS)
        return result;
    return FindKey(source, key, out, outCapacity, lineNumber);
}

void IniForgetHeldTexts()
{
    keptTexts.clear();
}
