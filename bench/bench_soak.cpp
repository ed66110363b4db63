// Soak: 200 reloads and 100 sample applications opened and closed while the bar runs
// on the emulated device; the bar process's GDI objects and memory before and after.
#include "bench/bench.h"
#include <windows.h>
#include <psapi.h>
#include <winternl.h>
#include <cstdio>
#include <vector>
#include "common/bar_link.h"
#include "tests/kit/device.h"

namespace {

// Wine answers 0 to GetGuiResources; its per-process GDI handle table is counted
// instead, read from the bar's process block (24-byte entries, a live one has a
// non-zero type byte at offset 14).
int RemoteGdiObjects(HANDLE process)
{
    PROCESS_BASIC_INFORMATION basic = {};
    ULONG size = 0;
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof(basic), &size) != 0)
        return -1;
    const BYTE* table = nullptr;
    SIZE_T read = 0;
    if (!ReadProcessMemory(process, reinterpret_cast<const BYTE*>(basic.PebBaseAddress) + 0xF8, &table,
                           sizeof(table), &read) || !table)
        return -1;
    std::vector<BYTE> entries(0x4000 * 24);
    if (!ReadProcessMemory(process, table, entries.data(), entries.size(), &read))
        return -1;
    int live = 0;
    for (size_t i = 0; i < 0x4000; ++i)
        live += entries[i * 24 + 14] != 0;
    return live;
}

struct Sample {
    int gdi;
    double committedMb, workingMb;
};

Sample Measure(HANDLE process)
{
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof(memory);
    GetProcessMemoryInfo(process, &memory, sizeof(memory));
    // Wine leaves PrivateUsage at 0; the committed bytes are in PagefileUsage.
    return Sample{RemoteGdiObjects(process), memory.PagefileUsage / 1048576.0, memory.WorkingSetSize / 1048576.0};
}

void Print(const char* stage, const Sample& s, double seconds)
{
    printf("  %-26s GDI objects %5d   committed %7.2f MB   working set %7.2f MB   (%.1f s)\n", stage, s.gdi,
           s.committedMb, s.workingMb, seconds);
    fflush(stdout);
}

double Seconds(DWORD since)
{
    return (GetTickCount() - since) / 1000.0;
}

}  // namespace

BENCHMARK_CASE(SoakReloadsAndApplications)
{
    const int reloads = 200, apps = 100;
    kit::DeviceOptions options;
    options.watchdogMs = 600000;  // the soak outlives a test's device
    kit::Device device(options);
    HWND bar = device.Ready() ? device.StartBar() : nullptr;
    if (!bar) {
        printf("  no device or no bar\n");
        return;
    }
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, kit::WindowProcess(bar));
    UINT update = RegisterWindowMessageW(kUpdateMessageName);
    DWORD_PTR result = 0;
    // One reload first, so that what stays for the bar's life (codecs, fonts) is in the baseline.
    SendMessageTimeoutW(bar, update, 0, 0, SMTO_ABORTIFHUNG, 10000, &result);
    device.Settle(bar);
    DWORD start = GetTickCount();
    Print("before", Measure(process), 0);

    DWORD t = GetTickCount();
    int failed = 0;
    for (int i = 0; i < reloads; ++i)
        failed += !SendMessageTimeoutW(bar, update, 0, 0, SMTO_ABORTIFHUNG, 10000, &result);
    device.Settle(bar);
    char stage[64];
    snprintf(stage, sizeof(stage), "after %d reloads", reloads);
    Print(stage, Measure(process), Seconds(t));

    t = GetTickCount();
    int opened = 0;
    for (int i = 0; i < apps; ++i) {
        wchar_t title[32];
        wsprintfW(title, L"Soak %d", i);
        HWND window = device.OpenSampleWindow(title, L"SoakWindow", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0);
        if (!window)
            continue;
        ++opened;
        device.Settle(bar);
        PostMessageW(window, WM_CLOSE, 0, 0);
        kit::Device::WaitUntil([&] { return !IsWindow(window); }, 5000);
    }
    device.Settle(bar);
    snprintf(stage, sizeof(stage), "after %d/%d applications", opened, apps);
    Print(stage, Measure(process), Seconds(t));
    printf("  %d reloads (%d failed), %d applications, %.1f s in all\n", reloads, failed, opened, Seconds(start));
    CloseHandle(process);
}
