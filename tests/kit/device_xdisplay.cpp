// What the X display shows of the device screen: the framebuffer under Wine's virtual desktop window.
#include "tests/kit/device.h"
#include "emulator/lib/device_paths.h"
#include <cstdio>

namespace kit {

namespace {

// The PPM file's pixels once it is there and whole; false before.
bool DecodePpm(const std::string& data, std::vector<COLORREF>* pixels, SIZE* size)
{
    unsigned width = 0, height = 0, maximum = 0;
    int header = 0;
    if (std::sscanf(data.c_str(), "P6 %u %u %u%n", &width, &height, &maximum, &header) != 3 || maximum != 255 ||
        width > 8192 || height > 8192)
        return false;
    const size_t start = static_cast<size_t>(header) + 1;   // one white-space byte ends the header
    if (data.size() < start + size_t(width) * height * 3)
        return false;
    const auto* p = reinterpret_cast<const unsigned char*>(data.data()) + start;
    pixels->resize(size_t(width) * height);
    for (size_t i = 0; i < pixels->size(); ++i)
        (*pixels)[i] = RGB(p[i * 3], p[i * 3 + 1], p[i * 3 + 2]);
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
    const std::wstring file = emu::BuildDir() + L"\\e2e\\x-display.ppm";
    emu::CreateFolders(emu::BuildDir() + L"\\e2e");
    DeleteFileW(file.c_str());
    const std::string unixFile = UnixPath(file);
    if (!window || unixFile.empty()) {
        *why = "not on Wine's X11 desktop";
        return false;
    }
    // The reader is a program of the host; Wine starts it as one, but its end cannot
    // be waited for, so the file is awaited (the reader renames it into place whole).
    wchar_t command[1200];
    std::swprintf(command, 1200, L"/usr/bin/python3 \"%hs\" \"%hs\" 0x%llx", X_DISPLAY_READER, unixFile.c_str(),
                  static_cast<unsigned long long>(window));
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        *why = "cannot run /usr/bin/python3 " X_DISPLAY_READER;
        return false;
    }
    if (pi.hThread) CloseHandle(pi.hThread);
    if (pi.hProcess) CloseHandle(pi.hProcess);
    const bool read = WaitUntil([&] {
        return DecodePpm(ReadFile(file), pixels, size);
    }, 5000);
    if (!read)
        *why = "the X display reader wrote no picture";
    return read;
}

} // namespace kit
