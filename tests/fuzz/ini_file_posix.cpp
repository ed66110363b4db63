// Files by wide name for the native build: a leading backslash is the device root folder.
#include "common/ini_file.h"
#include "tests/fuzz/ini_file_posix.h"
#include <cstdio>
#include <cstdlib>

namespace {
std::string deviceRoot;
IniOpenHook openHook;

void AppendUtf8(std::string& out, unsigned long unit)
{
    if (unit < 0x80) {
        out += char(unit);
    } else if (unit < 0x800) {
        out += char(0xC0 | (unit >> 6));
        out += char(0x80 | (unit & 0x3F));
    } else if (unit < 0x10000) {
        out += char(0xE0 | (unit >> 12));
        out += char(0x80 | ((unit >> 6) & 0x3F));
        out += char(0x80 | (unit & 0x3F));
    } else if (unit < 0x110000) {
        out += char(0xF0 | (unit >> 18));
        out += char(0x80 | ((unit >> 12) & 0x3F));
        out += char(0x80 | ((unit >> 6) & 0x3F));
        out += char(0x80 | (unit & 0x3F));
    } else {
        out += '?';
    }
}
} // namespace

void IniSetDeviceRoot(const std::string& folder)
{
    deviceRoot = folder;
}

void IniSetOpenHook(IniOpenHook hook)
{
    openHook = hook;
}

std::string IniNativePath(const wchar_t* path)
{
    std::string out;
    if (path[0] == L'\\') {
        std::string root = deviceRoot;
        if (root.empty() && getenv("INI_DEVICE_ROOT"))
            root = getenv("INI_DEVICE_ROOT");
        if (root.empty())
            return ""; // never the host's own root folder
        out = root;
    }
    for (const wchar_t* p = path; *p; ++p)
        AppendUtf8(out, *p == L'\\' ? '/' : static_cast<unsigned long>(*p));
    return out;
}

FILE* IniOpenFile(const wchar_t* path, const char* mode)
{
    std::string native = IniNativePath(path);
    if (native.empty() || (openHook && !openHook(native, mode)))
        return nullptr;
    return fopen(native.c_str(), mode);
}

bool IniRemoveFile(const wchar_t* path)
{
    std::string native = IniNativePath(path);
    return !native.empty() && remove(native.c_str()) == 0;
}

// The fuzzer is one process with one thread: nobody to share the files with. The
// holds are still counted, for the texts a hold keeps.
static int lockDepth = 0;
static unsigned holdNumber = 0;

bool IniLockFiles()
{
    if (lockDepth++ == 0)
        ++holdNumber;
    return true;
}

void IniUnlockFiles()
{
    if (lockDepth > 0)
        --lockDepth;
}

unsigned IniHoldNumber()
{
    return holdNumber;
}
