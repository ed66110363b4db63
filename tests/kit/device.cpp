// Device lifecycle: fresh folder and registry, the shell, and stopping everything.
#include "tests/kit/device.h"
#include "emulator/lib/command_line.h"
#include "emulator/lib/device_install.h"
#include "emulator/lib/device_paths.h"
#include "emulator/lib/device_processes.h"
#include "emulator/lib/device_registry.h"
#include "emulator/lib/taskbar_layout.h"
#include "emulator/protocol.h"
#include "platform/device_reset.h"
#include <gtest/gtest.h>
#include <cstdio>

namespace kit {

namespace {

DWORD WINAPI Watchdog(void* param)
{
    auto* args = static_cast<std::pair<HANDLE, DWORD>*>(param);
    const HANDLE stop = args->first;
    const DWORD limit = args->second;
    delete args;
    if (WaitForSingleObject(stop, limit) == WAIT_OBJECT_0)
        return 0;
    std::fprintf(stderr, "kit: a test kept its device for more than %lu ms; stopping the test program\n", limit);
    std::fflush(stderr);
    emu::TerminateDeviceProcesses(3000);
    TerminateProcess(GetCurrentProcess(), 3);
    return 0;
}

} // namespace

Device::Device(const DeviceOptions& options)
{
    watchdogStop_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    watchdog_ = CreateThread(nullptr, 0, Watchdog, new std::pair<HANDLE, DWORD>(watchdogStop_, options.watchdogMs), 0, nullptr);

    // Whatever an earlier device left running goes first, so the folder can be emptied.
    emu::TerminateDeviceProcesses(5000);
    WaitForNoWindow(emu::kTaskbarClass, nullptr, 3000);

    DeviceState state = options.state;
    if (!options.phone)
        state.lines.clear();
    if (!emu::ResetDeviceRegistry(state)) {
        Fail(L"cannot write the device state");
        return;
    }
    std::wstring error;
    if (!emu::InstallDevice(state, &error)) {
        Fail(error);
        return;
    }
    const std::wstring logDir = emu::BuildDir() + L"\\e2e";
    emu::CreateFolders(logDir);
    tapLog_ = logDir + L"\\taskbar-taps.log";
    keyLog_ = logDir + L"\\shell-keys.log";
    DeleteFileW(keyLog_.c_str());
    sampleLog_ = logDir + L"\\sample-events.log";
    DeleteFileW(tapLog_.c_str());
    DeleteFileW(sampleLog_.c_str());
    if (!StartShell())
        return;
}

Device::~Device()
{
    StopAll();
    emu::ClearDeviceRegistry();
    SetEvent(watchdogStop_);
    if (watchdog_) {
        WaitForSingleObject(watchdog_, 2000);
        CloseHandle(watchdog_);
    }
    CloseHandle(watchdogStop_);
}

void Device::Fail(const std::wstring& why)
{
    error_ = why;
    ADD_FAILURE() << "device: " << Narrow(why);
}

bool Device::StartShell()
{
    const std::wstring args = std::wstring(emu::kTapLogArg) + L" " + emu::QuoteArg(tapLog_) + L" " + emu::kKeyLogArg
        + L" " + emu::QuoteArg(keyLog_);
    const Process shell = Start(std::wstring(emu::kWindowsDir) + L"\\" + emu::kShellExe, args);
    if (!shell.handle) {
        Fail(L"cannot start the shell");
        return false;
    }
    taskbar_ = WaitForWindow(emu::kTaskbarClass, nullptr, nullptr, 15000);
    WaitUntil([&] { return taskbar_ && GetPropW(taskbar_, emu::kShellReadyProp); }, 5000);
    today_ = WaitForWindow(emu::kTodayClass, emu::kTodayTitle, nullptr, 5000);
    if (!taskbar_ || !today_ || !GetPropW(taskbar_, emu::kShellReadyProp)) {
        Fail(L"the shell did not show the system taskbar and the Today screen");
        return false;
    }
    return true;
}

void Device::StopAll()
{
    for (const Process& p : processes_)
        TerminateProcess(p.handle, 1);
    emu::TerminateDeviceProcesses(5000);
    for (const Process& p : processes_) {
        WaitForSingleObject(p.handle, 2000);
        CloseHandle(p.handle);
    }
    processes_.clear();
    WaitForNoWindow(emu::kTaskbarClass, nullptr, 3000);
    taskbar_ = today_ = nullptr;
}

std::wstring Device::Root() const
{
    return emu::DeviceRoot();
}

std::wstring Device::ProgramDir() const
{
    return emu::DevicePath(emu::kProgramDir);
}

int Device::Scale() const
{
    return emu::TaskbarScale(GetSystemMetrics(SM_CXSCREEN));
}

SIZE Device::Screen() const
{
    return SIZE{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

Device::Process Device::Start(const std::wstring& devicePath, const std::wstring& args)
{
    PROCESS_INFORMATION pi = emu::StartDeviceProgram(devicePath, args);
    if (!pi.hProcess)
        return Process{};
    CloseHandle(pi.hThread);
    processes_.push_back(Process{pi.hProcess, pi.dwProcessId});
    return processes_.back();
}

DWORD Device::WaitExit(const Process& process, DWORD timeoutMs, bool* timedOut)
{
    const bool late = !process.handle || WaitForSingleObject(process.handle, timeoutMs) != WAIT_OBJECT_0;
    if (timedOut)
        *timedOut = late;
    DWORD code = STILL_ACTIVE;
    if (!late)
        GetExitCodeProcess(process.handle, &code);
    return code;
}

HWND Device::WaitForWindow(const wchar_t* cls, const wchar_t* title, HWND parent, DWORD timeoutMs)
{
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindWindowExW(parent, nullptr, cls, title)) != nullptr; }, timeoutMs);
    return found;
}

bool Device::WaitForNoWindow(const wchar_t* cls, const wchar_t* title, DWORD timeoutMs)
{
    return WaitUntil([&] { return FindWindowW(cls, title) == nullptr; }, timeoutMs);
}

HWND Device::WaitForShownWindow(const wchar_t* cls, const wchar_t* title, DWORD timeoutMs)
{
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindShownWindow(cls, title)) != nullptr; }, timeoutMs);
    return found;
}

bool Device::WaitForNoShownWindow(const wchar_t* cls, const wchar_t* title, DWORD timeoutMs)
{
    return WaitUntil([&] { return FindShownWindow(cls, title) == nullptr; }, timeoutMs);
}

HWND FindShownWindow(const wchar_t* cls, const wchar_t* title)
{
    for (HWND w = FindWindowExW(nullptr, nullptr, cls, title); w; w = FindWindowExW(nullptr, w, cls, title)) {
        if (IsWindowVisible(w))
            return w;
    }
    return nullptr;
}

HWND Device::StartBar(DWORD timeoutMs)
{
    if (!Start(std::wstring(emu::kProgramDir) + L"\\Velkis.exe").handle)
        return nullptr;
    // The window exists while the bar still loads its skin, hidden: messages posted
    // then would wait behind the start, and Settle cannot tell. Started is shown
    // and painted once.
    const DWORD start = GetTickCount();
    HWND bar = WaitForWindow(L"VelkisClass", nullptr, taskbar_, timeoutMs);
    const DWORD spent = GetTickCount() - start;
    if (!bar || !WaitUntil([&] { return IsWindowVisible(bar) && !GetUpdateRect(bar, nullptr, FALSE); },
                           spent < timeoutMs ? timeoutMs - spent : 0))
        return nullptr;
    return bar;
}

HWND Device::OpenSampleWindow(const wchar_t* title, const wchar_t* cls, DWORD style, DWORD exStyle, DWORD traits,
                              DWORD timeoutMs)
{
    emu::SampleWindowSpec wanted{title, cls, style, exStyle, traits};
    const Process p = Start(std::wstring(emu::kWindowsDir) + L"\\" + emu::kSampleAppExe, emu::FormatSampleArgs({wanted}, sampleLog_));
    if (!p.handle)
        return nullptr;
    HWND found = nullptr;
    WaitUntil([&] {
        found = FindProcessWindow(p.pid, cls, title);
        return found && GetPropW(found, emu::kSampleReadyProp);
    }, timeoutMs);
    return found && GetPropW(found, emu::kSampleReadyProp) ? found : nullptr;
}

std::vector<HWND> Device::OpenSampleWindows(const std::vector<SampleWindow>& windows, DWORD timeoutMs)
{
    std::vector<emu::SampleWindowSpec> wanted;
    for (const SampleWindow& w : windows)
        wanted.push_back(emu::SampleWindowSpec{w.title, w.cls, WS_POPUP | WS_VISIBLE, 0, w.traits});
    const Process p = Start(std::wstring(emu::kWindowsDir) + L"\\" + emu::kSampleAppExe, emu::FormatSampleArgs(wanted, sampleLog_));
    std::vector<HWND> found(windows.size());
    const bool all = p.handle && WaitUntil([&] {
        for (size_t i = 0; i < windows.size(); ++i) {
            found[i] = FindProcessWindow(p.pid, windows[i].cls, windows[i].title);
            if (!found[i] || !GetPropW(found[i], emu::kSampleReadyProp))
                return false;
        }
        return true;
    }, timeoutMs);
    return all ? found : std::vector<HWND>();
}

void Device::SetDeviceState(const DeviceState& state)
{
    EXPECT_TRUE(WriteDeviceState(state));
}

bool Device::Reset(DWORD timeoutMs)
{
    const HWND oldTaskbar = taskbar_;
    if (!RequestDeviceReset())
        return false;
    const bool ok = WaitUntil([&] {
        HWND t = FindWindowW(emu::kTaskbarClass, nullptr);
        return t && t != oldTaskbar && GetPropW(t, emu::kShellReadyProp) && FindWindowW(emu::kTodayClass, emu::kTodayTitle);
    }, timeoutMs);
    taskbar_ = FindWindowW(emu::kTaskbarClass, nullptr);
    today_ = FindWindowW(emu::kTodayClass, emu::kTodayTitle);
    return ok;
}

bool Device::WaitUntil(const std::function<bool()>& cond, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        if (cond())
            return true;
        if (GetTickCount() - start >= timeoutMs)
            return cond();
        Sleep(10);
    }
}

} // namespace kit
