// The line level of the INI engine: reading one line, trimming, splitting an entry.
#include "common/ini.h"
#include "common/ini_source.h"
#include <cstring>

namespace {

int Next(IniSource& source)
{
    if (source.file)
        return getc(source.file);
    const std::string& text = *source.text;
    return source.next < text.size() ? static_cast<unsigned char>(text[source.next++]) : EOF;
}

// Only ever the byte read last.
void PutBack(IniSource& source, int c)
{
    if (source.file)
        ungetc(c, source.file);
    else
        --source.next;
}

bool Failed(const IniSource& source)
{
    return source.file && ferror(source.file);
}

} // namespace

int IniReadLine(FILE* stream, char* buffer, int capacity)
{
    if (!stream)
        return INI_LINE_STREAM_ERROR;
    IniSource source;
    source.file = stream;
    return IniReadLine(source, buffer, capacity);
}

int IniReadLine(IniSource& source, char* buffer, int capacity)
{
    if ((!source.file && !source.text) || !buffer || capacity < 1)
        return INI_LINE_STREAM_ERROR;
    int stored = 0;
    bool readAny = false;
    bool ended = false;
    while (stored < capacity) {
        int c = Next(source);
        if (c == EOF) {
            buffer[stored] = '\0';
            if (Failed(source))
                return INI_LINE_STREAM_ERROR;
            return readAny ? stored : INI_LINE_END_OF_FILE;
        }
        readAny = true;
        if (c == '\r')
            continue;
        if (c == '\n' || c == '\0') {
            ended = true;
            break;
        }
        buffer[stored++] = char(c);
        if (c == '\f' || c == 0x1A) {
            ended = true;
            break;
        }
    }
    buffer[stored] = '\0';
    if (!ended) {
        // A full line owns the line end that follows it; otherwise a line of exactly
        // capacity bytes would read as itself plus an empty line, and a rewrite would
        // insert that blank line into the file.
        int c;
        do
            c = Next(source);
        while (c == '\r');
        if (c == EOF) {
            if (Failed(source))
                return INI_LINE_STREAM_ERROR;
        } else if (c != '\n' && c != '\0') {
            PutBack(source, c);
        }
    }
    return stored;
}

void TrimLeft(char* text)
{
    if (!text)
        return;
    size_t skip = strspn(text, " ");
    if (skip)
        memmove(text, text + skip, strlen(text + skip) + 1);
}

void TrimRight(char* text)
{
    if (!text)
        return;
    size_t len = strlen(text);
    while (len > 0 && text[len - 1] == ' ')
        text[--len] = '\0';
}

int IniSplitKeyValue(char* line, char** key, char** value)
{
    char* start = line + strspn(line, " \t");
    if (*start == '\0')
        return INI_SPLIT_BLANK;
    if (*start == '=')
        return INI_SPLIT_NO_KEY;
    char* equals = strchr(start, '=');
    if (!equals)
        return INI_SPLIT_NO_EQUALS;
    *equals = '\0';
    TrimRight(start);
    *key = start;
    *value = equals + 1 + strspn(equals + 1, " \t");
    return INI_SPLIT_ENTRY;
}
