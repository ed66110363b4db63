// PaintBar with the default skin against one plain BitBlt of the whole bar, and one reload, in one run.
// The bar's width is the screen's: run under each profile to measure 240 and 480 pixels
// (scripts/wine-exec.sh --profile hires build/bench/benchmarks.exe Paint).
#include "bench/bench.h"
#include "bar/config/settings.h"
#include "bar/config/skin.h"
#include "bar/layout/bar_state.h"
#include "bar/core/bar_window.h"
#include "bar/core/paint.h"
#include "bar/layout/bar_layout.h"
#include "bar/core/startup.h"
#include "common/ini.h"
#include <cstdio>
#include <string>

namespace {

// The install image lies beside the benchmark's folder in the build tree.
std::wstring DefaultSkinPath()
{
    wchar_t exe[MAX_PATH];
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring path = exe;
    path.resize(path.find_last_of(L'\\'));
    path.resize(path.find_last_of(L'\\'));
    return path + L"\\install\\Themes\\Default\\barconfin.skin";
}

double ProcessCpuMilliseconds()
{
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    auto ms = [](const FILETIME& t) { return (double(t.dwHighDateTime) * 4294967296.0 + t.dwLowDateTime) / 1e4; };
    return ms(kernel) + ms(user);
}

struct PaintBench {
    HWND taskbar = nullptr;
    wchar_t folder[MAX_PATH] = L"";

    bool SetUp()
    {
        WNDCLASSW taskbarClass = {};
        taskbarClass.lpfnWndProc = DefWindowProcW;
        taskbarClass.hInstance = GetModuleHandleW(nullptr);
        taskbarClass.lpszClassName = L"HHTaskBar";
        RegisterClassW(&taskbarClass);
        int width = GetSystemMetrics(SM_CXSCREEN);
        ScaleFactor = ScaleFactorForWidth(width);
        taskbar = CreateWindowExW(WS_EX_TOPMOST, L"HHTaskBar", L"", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                                  width, 26 * ScaleFactor, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);

        // A private program folder whose config.ini names the shipped default skin.
        GetTempPathW(MAX_PATH, folder);
        wcscat(folder, L"velkis-bench");
        CreateDirectoryW(folder, nullptr);
        wcsncpy(programFolder, folder, kProgramPathCapacity - 1);
        std::wstring config = std::wstring(folder) + L"\\config.ini";
        char skin[MAX_PATH];
        WideToAnsi(DefaultSkinPath().c_str(), skin, sizeof(skin));
        DeleteFileW(config.c_str());
        IniWriteValue(config.c_str(), "Settings", "Theme File", skin);
        PhoneEdition = true;
        return taskbar && CreateBarWindow(GetModuleHandleW(nullptr), SW_SHOWNOACTIVATE);
    }

    void TearDown()
    {
        DestroyWindow(barWindow);
        DestroyWindow(taskbar);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            if (msg.message != WM_QUIT)
                DispatchMessageW(&msg);
    }
};

} // namespace

BENCHMARK_CASE(PaintBarAgainstOneBitBlt)
{
    PaintBench bench;
    if (!bench.SetUp()) {
        printf("cannot create the bar window\n");
        return;
    }
    RECT r;
    GetClientRect(barWindow, &r);
    HDC dc = GetDC(barWindow);
    // What a paint message costs besides beginning and ending the paint.
    double paint = NanosecondsPerCall([&] {
        KeepLayoutCurrent(false);
        PaintBar(barWindow, dc);
    });
    // A paint the system asked for (the window uncovered, the screen turned) also
    // asks the screen's size.
    double systemPaint = NanosecondsPerCall([&] {
        KeepLayoutCurrent(true);
        PaintBar(barWindow, dc);
    });

    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, r.right, r.bottom);
    HGDIOBJ old = SelectObject(memory, bitmap);
    double blit = NanosecondsPerCall([&] { BitBlt(dc, 0, 0, r.right, r.bottom, memory, 0, 0, SRCCOPY); });
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);

    printf("bar %ldx%ld (scale %d, image scale %d)\n", r.right, r.bottom, ScaleFactor, ImageScale);
    printf("PaintBar          %10.1f us\n", paint / 1000.0);
    printf("BitBlt whole bar  %10.1f us\n", blit / 1000.0);
    printf("ratio             %10.1f\n", paint / blit);
    printf("system-asked paint%10.1f us  (ratio %.1f)\n", systemPaint / 1000.0, systemPaint / blit);

    // The skin and its images are in the OS's file cache after the first load.
    double reload = NanosecondsPerCall([&] { ReloadAppearance(barWindow); });
    printf("reload            %10.1f ms\n", reload / 1e6);
    // Wall time follows the machine's other load; the process's own CPU time less so
    // (the window server's share is not in it).
    const int reloads = 50;
    double before = ProcessCpuMilliseconds();
    for (int i = 0; i < reloads; ++i)
        ReloadAppearance(barWindow);
    printf("reload, CPU       %10.1f ms\n", (ProcessCpuMilliseconds() - before) / reloads);
    ReleaseDC(barWindow, dc);
    bench.TearDown();
}
