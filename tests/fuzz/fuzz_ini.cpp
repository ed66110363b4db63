// Fuzz target of the INI engine: arbitrary files and operations, checked against the model.
//
// Every result, value, location and the files on disk must agree with the model, and the
// engine may open no file but the target and the scratch file.
//
// Input: a byte (0x00: the file is missing) and the file's bytes, then operations, each
// after a 0x01 byte, fields split by 0x02: kind ('r' read, 'w' write, 'S' write whose scratch
// file cannot be created, 'T' write whose target cannot be opened for writing), section,
// key, and the value (writes) or the decimal capacity of the read buffer (reads).
#include "common/ini.h"
#include "tests/fuzz/ini_file_posix.h"
#include "tests/unit/ini_model.h"
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

const wchar_t kTarget[] = L"\\config.ini";
std::string root, targetPath, scratchPath;
ini_model::Faults faults;

[[noreturn]] void Fail(const char* what, const std::string& detail = "")
{
    fprintf(stderr, "ini fuzz: %s %s\n", what, detail.c_str());
    abort();
}

bool OnOpen(const std::string& path, const char* mode)
{
    bool writing = strchr(mode, 'w') || strchr(mode, 'a');
    if (path != targetPath && path != scratchPath)
        Fail("opened a foreign file:", path);
    if (!writing)
        return true;
    if (path == scratchPath)
        return !faults.scratchCreate;
    return !faults.targetWrite;
}

bool ReadFile(const std::string& path, std::string& bytes)
{
    FILE* f = fopen(path.c_str(), "rb");
    if (!f)
        return false;
    bytes.clear();
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, f)) > 0)
        bytes.append(buffer, n);
    fclose(f);
    return true;
}

void CheckDisk(const ini_model::Disk& disk)
{
    std::string bytes;
    bool exists = ReadFile(targetPath, bytes);
    if (exists != disk.exists || (exists && bytes != disk.target))
        Fail("target differs from the model");
    exists = ReadFile(scratchPath, bytes);
    if (exists != disk.scratchExists || (exists && bytes != disk.scratch))
        Fail("scratch file differs from the model");
    DIR* dir = opendir(root.c_str());
    if (!dir)
        Fail("device root vanished");
    while (dirent* e = readdir(dir)) {
        std::string name = e->d_name;
        if (name != "." && name != ".." && name != "config.ini" && name != "dax_software_ini")
            Fail("file written beside the target:", name);
    }
    closedir(dir);
}

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos)
            return parts;
        start = end + 1;
    }
}

// Names and values reach the engine as C strings.
std::string Field(const std::vector<std::string>& fields, size_t i)
{
    return i < fields.size() ? std::string(fields[i].c_str()) : std::string();
}

void ReadInto(const ini_model::ReadResult& want, const std::string& section, const std::string& key,
              size_t capacity)
{
    // Exactly the capacity, so that the sanitizer sees any write past it.
    std::vector<char> out(capacity, 'Z');
    int code = IniReadValue(kTarget, section.c_str(), key.c_str(), out.data(), capacity);
    if (code != want.code)
        Fail("read result differs:", std::to_string(code) + " vs " + std::to_string(want.code));
    IniLocation at = IniLastLocation();
    if (!(ini_model::Location{at.sectionLine, at.entryLine, at.entrySpan} == want.at))
        Fail("location differs");
    std::vector<char> expected(capacity, 'Z');
    if (code == INI_SUCCESS && capacity > 0) {
        size_t len = std::min(want.value.size(), capacity - 1);
        memcpy(expected.data(), want.value.data(), len);
        expected[len] = '\0';
    }
    if (out != expected)
        Fail("read buffer differs, capacity", std::to_string(capacity));
}

void RunRead(const ini_model::Disk& disk, const std::string& section, const std::string& key, size_t capacity)
{
    ini_model::ReadResult want = ini_model::Read(disk.exists ? &disk.target : nullptr, section, key);
    ReadInto(want, section, key, capacity);
    // A value that just fits, and one byte too long for its buffer.
    if (want.code == INI_SUCCESS) {
        ReadInto(want, section, key, want.value.size() + 1);
        ReadInto(want, section, key, want.value.size());
    }
}

void RunWrite(ini_model::Disk& disk, const std::string& section, const std::string& key, const std::string& value)
{
    int want = ini_model::Write(disk, section, key, value, faults);
    int code = IniWriteValue(kTarget, section.c_str(), key.c_str(), value.c_str());
    if (code != want)
        Fail("write result differs:", std::to_string(code) + " vs " + std::to_string(want));
    CheckDisk(disk);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    const char* given = getenv("INI_DEVICE_ROOT");
    if (given && *given) {
        root = given;
    } else {
        char folder[] = "/tmp/ini-fuzz-XXXXXX";
        if (!mkdtemp(folder))
            Fail("no temp folder");
        root = folder;
    }
    IniSetDeviceRoot(root);
    IniSetOpenHook(OnOpen);
    targetPath = root + "/config.ini";
    scratchPath = root + "/dax_software_ini"; // the device's root folder, whatever the engine names
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<std::string> records = Split(std::string(reinterpret_cast<const char*>(data), size), '\x01');
    faults = {};
    remove(targetPath.c_str());
    remove(scratchPath.c_str());

    ini_model::Disk disk;
    const std::string& head = records[0];
    if (!head.empty() && head[0] != 0) {
        disk.exists = true;
        disk.target = head.substr(1);
        FILE* f = fopen(targetPath.c_str(), "wb");
        if (!f || fwrite(disk.target.data(), 1, disk.target.size(), f) != disk.target.size() || fclose(f) != 0)
            Fail("cannot prepare the target");
    }
    for (size_t i = 1; i < records.size() && i <= 32; ++i) {
        std::vector<std::string> fields = Split(records[i], '\x02');
        char kind = fields[0].empty() ? 'r' : fields[0][0];
        std::string section = Field(fields, 1), key = Field(fields, 2), last = Field(fields, 3);
        if (kind == 'w' || kind == 'S' || kind == 'T') {
            faults.scratchCreate = kind == 'S';
            faults.targetWrite = kind == 'T';
            RunWrite(disk, section, key, last);
            faults = {};
        } else {
            size_t capacity = last.empty() ? INI_LINE_MAX + 1 : strtoul(last.c_str(), nullptr, 10) % 2048;
            RunRead(disk, section, key, capacity);
        }
    }
    CheckDisk(disk);
    return 0;
}
