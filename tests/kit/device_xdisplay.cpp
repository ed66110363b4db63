// What the X display shows of the device screen: Wine's virtual desktop window, read with xwd.
#include "tests/kit/device.h"
#include "emulator/lib/device_paths.h"
#include <cstdio>

namespace kit {

namespace {

constexpr size_t kXwdHeaderWords = 25;

DWORD Big32(const std::string& data, size_t word)
{
    const auto* p = reinterpret_cast<const unsigned char*>(data.data()) + word * 4;
    return (DWORD(p[0]) << 24) | (DWORD(p[1]) << 16) | (DWORD(p[2]) << 8) | p[3];
}

// The 8-bit channel that mask selects from pixel.
BYTE Channel(DWORD pixel, DWORD mask)
{
    if (!mask)
        return 0;
    int shift = 0;
    while (!((mask >> shift) & 1))
        ++shift;
    const DWORD max = mask >> shift;
    return static_cast<BYTE>(((pixel & mask) >> shift) * 255 / max);
}

// The xwd file's pixels once the file is complete; false while it is still short.
bool DecodeXwd(const std::string& data, std::vector<COLORREF>* pixels, SIZE* size)
{
    if (data.size() < kXwdHeaderWords * 4)
        return false;
    const DWORD headerSize = Big32(data, 0), width = Big32(data, 4), height = Big32(data, 5);
    const DWORD lsbFirst = Big32(data, 7) == 0, bitsPerPixel = Big32(data, 11), bytesPerLine = Big32(data, 12);
    const DWORD red = Big32(data, 14), green = Big32(data, 15), blue = Big32(data, 16), colours = Big32(data, 19);
    const size_t bytes = bitsPerPixel / 8;
    const size_t start = size_t(headerSize) + size_t(colours) * 12;
    if (bytes < 3 || bytes > 4 || width > 8192 || height > 8192 || data.size() < start + size_t(bytesPerLine) * height)
        return false;
    pixels->resize(size_t(width) * height);
    for (DWORD y = 0; y < height; ++y) {
        for (DWORD x = 0; x < width; ++x) {
            const auto* p = reinterpret_cast<const unsigned char*>(data.data()) + start + y * bytesPerLine + x * bytes;
            DWORD value = 0;
            for (size_t i = 0; i < bytes; ++i)
                value |= DWORD(p[i]) << (8 * (lsbFirst ? i : bytes - 1 - i));
            (*pixels)[size_t(y) * width + x] = RGB(Channel(value, red), Channel(value, green), Channel(value, blue));
        }
    }
    size->cx = static_cast<LONG>(width);
    size->cy = static_cast<LONG>(height);
    return true;
}

std::string UnixPath(const std::wstring& path)
{
    typedef char*(CDECL * UnixFileName)(const wchar_t*);
    auto convert = reinterpret_cast<UnixFileName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    char* unix = convert ? convert(path.c_str()) : nullptr;
    if (!unix)
        return "";
    std::string result = unix;
    HeapFree(GetProcessHeap(), 0, unix);
    return result;
}

} // namespace

bool Device::ReadXDisplay(std::vector<COLORREF>* pixels, SIZE* size, std::string* why) const
{
    const auto window = reinterpret_cast<UINT_PTR>(GetPropW(GetDesktopWindow(), L"__wine_x11_whole_window"));
    const std::wstring file = emu::BuildDir() + L"\\e2e\\x-display.xwd";
    emu::CreateFolders(emu::BuildDir() + L"\\e2e");
    DeleteFileW(file.c_str());
    const std::string unixFile = UnixPath(file);
    if (!window || unixFile.empty()) {
        *why = "not on Wine's X11 desktop";
        return false;
    }
    // xwd is a program of the host; Wine starts it as one, but its end cannot be
    // waited for, so the file is read until it is complete.
    wchar_t command[600];
    std::swprintf(command, 600, L"/usr/bin/xwd -silent -id 0x%llx -out %hs", static_cast<unsigned long long>(window),
                  unixFile.c_str());
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        *why = "cannot run /usr/bin/xwd (Debian package x11-apps)";
        return false;
    }
    if (pi.hThread) CloseHandle(pi.hThread);
    if (pi.hProcess) CloseHandle(pi.hProcess);
    const bool read = WaitUntil([&] {
        return DecodeXwd(ReadFile(file), pixels, size);
    }, 5000);
    if (!read)
        *why = "xwd wrote no complete picture";
    return read;
}

} // namespace kit
