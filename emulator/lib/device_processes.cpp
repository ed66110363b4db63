// Device processes: start with the device as current drive, find, terminate.
#include "emulator/lib/device_processes.h"
#include "emulator/lib/device_paths.h"
#include "emulator/protocol.h"
#include "platform/processes.h"

namespace emu {

std::wstring QuoteArg(const std::wstring& arg)
{
    if (!arg.empty() && arg.find_first_of(L" \t\"") == std::wstring::npos)
        return arg;
    std::wstring out = L"\"";
    size_t slashes = 0;
    for (wchar_t c : arg) {
        if (c == L'\\') {
            ++slashes;
            continue;
        }
        out.append(c == L'"' ? slashes * 2 + 1 : slashes, L'\\');
        slashes = 0;
        out += c;
    }
    out.append(slashes * 2, L'\\');
    return out + L"\"";
}

PROCESS_INFORMATION StartDeviceProgram(const std::wstring& path, const std::wstring& args)
{
    const std::wstring program = DevicePath(path);
    std::wstring commandLine = QuoteArg(program);
    if (!args.empty())
        commandLine += L" " + args;
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    const std::wstring root = DeviceRoot();
    // Under load Wine now and then fails a process start outright; a second try starts it.
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (attempt)
            Sleep(100);
        if (CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, root.c_str(),
                           &si, &pi))
            return pi;
        if (GetFileAttributesW(program.c_str()) == INVALID_FILE_ATTRIBUTES)
            break;   // nothing there to start: no point in trying again
    }
    return PROCESS_INFORMATION{};
}

bool IsDeviceProcessImage(const std::wstring& imagePath)
{
    if (imagePath.size() >= 2 && CompareStringOrdinal(imagePath.c_str(), 2, kDeviceDrive, 2, TRUE) == CSTR_EQUAL)
        return true;
    size_t slash = imagePath.find_last_of(L"\\/");
    const std::wstring name = slash == std::wstring::npos ? imagePath : imagePath.substr(slash + 1);
    for (const wchar_t* known : {kShellExe, kSampleAppExe, L"Velkis.exe", L"Tormalin.exe"}) {
        if (CompareStringOrdinal(name.c_str(), -1, known, -1, TRUE) == CSTR_EQUAL)
            return true;
    }
    return false;
}

namespace {

std::wstring ImagePath(HANDLE process)
{
    wchar_t path[MAX_PATH * 2];
    DWORD size = MAX_PATH * 2;
    if (!QueryFullProcessImageNameW(process, 0, path, &size))
        return L"";
    return std::wstring(path, size);
}

struct Collect {
    std::vector<DWORD> ids;
};

bool Visit(const ProcessInfo& info, void* context)
{
    if (info.processId == GetCurrentProcessId() || info.processId == 0)
        return true;
    bool device = IsDeviceProcessImage(info.exeFile);
    if (!device) {
        HANDLE h = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, info.processId);
        if (h) {
            device = IsDeviceProcessImage(ImagePath(h));
            CloseHandle(h);
        }
    }
    if (device)
        static_cast<Collect*>(context)->ids.push_back(info.processId);
    return true;
}

} // namespace

std::vector<DWORD> DeviceProcessIds()
{
    Collect c;
    ForEachProcess(Visit, &c);
    return c.ids;
}

int TerminateDeviceProcesses(DWORD timeoutMs, DWORD keep)
{
    // A process that one of them started just before it ended is missing from the
    // snapshot (the shell starts its popups process): snapshots repeat until one
    // finds nothing left, within the time given.
    const DWORD start = GetTickCount();
    int ended = 0;
    for (;;) {
        std::vector<HANDLE> handles;
        for (DWORD id : DeviceProcessIds()) {
            if (id == keep)
                continue;
            HANDLE h = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
            if (!h)
                continue;
            if (WaitForSingleObject(h, 0) == WAIT_OBJECT_0) {   // ended; a handle keeps it listed
                CloseHandle(h);
                continue;
            }
            TerminateProcess(h, 1);
            handles.push_back(h);
        }
        if (handles.empty())
            return ended;
        for (HANDLE h : handles) {
            DWORD spent = GetTickCount() - start;
            if (WaitForSingleObject(h, spent < timeoutMs ? timeoutMs - spent : 0) == WAIT_OBJECT_0)
                ++ended;
            CloseHandle(h);
        }
        if (GetTickCount() - start >= timeoutMs)
            return ended;
    }
}

} // namespace emu
