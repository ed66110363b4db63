// The setup program's OK on the device: from the press to the sheet's close with the
// bar running on the default skin, and how much of it is the bar's reload.
#include "bench/bench.h"
#include <mmsystem.h>
#include <algorithm>
#include <cstdio>
#include <vector>
#include "tests/e2e/setup_test_kit.h"
#include "tests/kit/device.h"

namespace {

constexpr int kRounds = 10;

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to)
{
    LARGE_INTEGER freq;
    QueryPerformanceFrequency(&freq);
    return double(to.QuadPart - from.QuadPart) * 1000.0 / double(freq.QuadPart);
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

// The bar's handling of the update message alone, as the setup program sends it.
std::vector<double> TimeReloads(HWND bar)
{
    const UINT update = RegisterWindowMessageW(L"Velkis_UpdateNotify");
    std::vector<double> times;
    for (int i = 0; i < kRounds; ++i) {
        LARGE_INTEGER a, b;
        QueryPerformanceCounter(&a);
        SendMessageW(bar, update, 0, 0);
        QueryPerformanceCounter(&b);
        times.push_back(Milliseconds(a, b));
    }
    return times;
}

// One OK: the sheet is up with its Order page, OK is given as the taskbar gives it,
// and the clock stops when the sheet's window is gone.
double TimeOneOk(kit::Device& device)
{
    setuptest::SetupRun setup = setuptest::StartSetup(device);
    if (!setup.sheet || !setuptest::WaitForPage(setup.sheet, setuptest::kStartWithSystem))
        return -1.0;
    device.Settle(setup.sheet);
    LARGE_INTEGER a, b;
    QueryPerformanceCounter(&a);
    PostMessageW(setup.sheet, WM_COMMAND, IDOK, 0);
    while (IsWindow(setup.sheet))
        Sleep(1);
    QueryPerformanceCounter(&b);
    setuptest::WaitSetupEnd(device, setup);
    return Milliseconds(a, b);
}

} // namespace

BENCHMARK_CASE(SetupOkToClose)
{
    kit::Device device;
    HWND bar = device.Ready() ? device.StartBar() : nullptr;
    if (!bar) {
        printf("  no device or no bar\n");
        return;
    }
    timeBeginPeriod(1);
    std::vector<double> ok;
    for (int i = 0; i < kRounds; ++i) {
        const double ms = TimeOneOk(device);
        if (ms < 0) {
            printf("  the sheet did not open\n");
            timeEndPeriod(1);
            return;
        }
        ok.push_back(ms);
    }
    timeEndPeriod(1);
    const std::vector<double> reload = TimeReloads(bar);
    const double okMedian = Median(ok), reloadMedian = Median(reload);
    printf("  OK press to sheet closed   median %7.1f ms  best %7.1f ms (%d rounds)\n", okMedian,
           *std::min_element(ok.begin(), ok.end()), kRounds);
    printf("  bar reload (update sent)   median %7.1f ms  best %7.1f ms\n", reloadMedian,
           *std::min_element(reload.begin(), reload.end()));
    printf("  share of the reload        %7.0f %%\n", okMedian > 0 ? 100.0 * reloadMedian / okMedian : 0.0);
}
