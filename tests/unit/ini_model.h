// An in-memory model of the INI rules over whole files, predicting the engine's results for tests.
#pragma once
#include <algorithm>
#include <string>
#include <vector>

namespace ini_model {

constexpr size_t kLineMax = 512;

// The physical lines of a file, as the line reader splits them.
inline std::vector<std::string> Lines(const std::string& bytes)
{
    std::vector<std::string> lines;
    std::string current;
    bool started = false;  // a byte of the current line was read
    bool afterFull = false; // a full line owns the CRs and the LF or NUL that follow it
    for (char c : bytes) {
        if (afterFull) {
            if (c == '\r')
                continue;
            afterFull = false;
            if (c == '\n' || c == '\0')
                continue;
        }
        started = true;
        if (c == '\r')
            continue;
        if (c == '\n' || c == '\0') {
            lines.push_back(current);
            current.clear();
            started = false;
            continue;
        }
        current += c;
        if (c == '\f' || c == '\x1a' || current.size() == kLineMax) {
            afterFull = current.size() == kLineMax && c != '\f' && c != '\x1a';
            lines.push_back(current);
            current.clear();
            started = false;
        }
    }
    if (started)
        lines.push_back(current);
    return lines;
}

inline std::string TrimSpaces(const std::string& s)
{
    size_t b = s.find_first_not_of(' ');
    if (b == std::string::npos)
        return "";
    return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

inline std::string TrimLeadingSpaces(const std::string& s)
{
    size_t b = s.find_first_not_of(' ');
    return b == std::string::npos ? "" : s.substr(b);
}

struct Location {
    int sectionLine = 0;
    int entryLine = 0;
    int entrySpan = 0;
    bool operator==(const Location& o) const
    {
        return sectionLine == o.sectionLine && entryLine == o.entryLine && entrySpan == o.entrySpan;
    }
};

struct ReadResult {
    int code = 0;
    std::string value; // the whole value, before any cut to a caller's buffer
    Location at;
};

// The lookup over a file's bytes (nullptr: the file is missing).
inline ReadResult Read(const std::string* file, const std::string& section, const std::string& key)
{
    ReadResult r;
    if (!file) {
        r.code = -10;
        return r;
    }
    std::vector<std::string> lines = Lines(*file);
    size_t i = 0;
    bool found = false;
    while (i < lines.size() && !found) {
        std::string t = TrimSpaces(lines[i++]);
        if (t.empty() || t[0] != '[')
            continue;
        if (t.size() > 2 && t.back() != ']') {
            r.code = -14;
            return r;
        }
        std::string name = t.size() <= 2 ? "" : t.substr(1, t.size() - 2);
        if (name == section) {
            found = true;
            r.at.sectionLine = int(i);
        }
    }
    if (!found) {
        r.code = -1;
        return r;
    }
    while (i < lines.size()) {
        r.at.entryLine = int(i + 1);
        r.at.entrySpan = 1;
        std::string entry = TrimSpaces(lines[i++]);
        if (entry.empty() || entry[0] == '#')
            continue;
        if (entry[0] == '[') {
            r.code = -2;
            return r;
        }
        while (!entry.empty() && entry.back() == '+') {
            entry.pop_back();
            if (i == lines.size())
                break;
            std::string next = TrimLeadingSpaces(lines[i++]);
            ++r.at.entrySpan;
            if (next.empty())
                break;
            entry += next;
            size_t joined = entry.size() - (entry.back() == '+' ? 1 : 0);
            if (joined > kLineMax) {
                r.code = -22;
                return r;
            }
        }
        size_t start = entry.find_first_not_of(" \t");
        size_t equals = entry.find('=');
        if (start == std::string::npos || equals == std::string::npos || equals == start) {
            r.code = -14;
            return r;
        }
        std::string entryKey = entry.substr(start, equals - start);
        entryKey.erase(entryKey.find_last_not_of(' ') + 1);
        if (entryKey != key)
            continue;
        std::string value = entry.substr(equals + 1);
        r.value = value.substr(std::min(value.size(), value.find_first_not_of(" \t")));
        r.code = 0;
        return r;
    }
    r.code = -2;
    return r;
}

// The device as the engine sees it: the target file and the scratch file.
struct Disk {
    bool exists = false;
    std::string target;
    bool scratchExists = false;
    std::string scratch;
};

// Opens the harness can make fail, to reach the engine's failure paths.
struct Faults {
    bool scratchCreate = false; // creating the scratch file fails
    bool targetWrite = false;   // opening the target for writing or appending fails
};

// IniWriteValue on the model disk; returns the result code.
inline int Write(Disk& disk, const std::string& section, const std::string& key, const std::string& value,
                 const Faults& faults = {})
{
    ReadResult found = Read(disk.exists ? &disk.target : nullptr, section, key);
    if (found.code == -10 || found.code == -1) {
        if (faults.targetWrite)
            return -11;
        if (!disk.target.empty() && disk.target.back() != '\n')
            disk.target += '\n';
        disk.target += "[" + section + "]\n" + key + "=" + value + "\n";
        disk.exists = true;
        return 0;
    }
    if (found.code != 0 && found.code != -2)
        return found.code;
    if (faults.scratchCreate)
        return -11;
    std::vector<std::string> lines = Lines(disk.target);
    size_t head = found.code == 0 ? size_t(found.at.entryLine - 1) : size_t(found.at.sectionLine);
    size_t resume = found.code == 0 ? head + size_t(found.at.entrySpan) : head;
    std::string out;
    for (size_t i = 0; i < head; ++i)
        out += lines[i] + "\n";
    out += key + "=" + value + "\n";
    for (size_t i = resume; i < lines.size(); ++i)
        out += lines[i] + "\n";
    if (faults.targetWrite) {
        disk.scratchExists = true;
        disk.scratch = out;
        return -11;
    }
    disk.target = out;
    disk.scratchExists = false;
    disk.scratch.clear();
    return 0;
}

} // namespace ini_model
