// Sample application: opens the windows its command line asks for, in one process.
//   sampleapp.exe [--log PATH] --window TITLE CLASS STYLE EXSTYLE [--traits N] [--window ...]
// A window of class "Dialog" (like any sample window) closes on WM_COMMAND IDOK and
// on WM_CLOSE, unless its traits say it ignores WM_CLOSE; a window whose class
// begins with "WMP " (the media player) quits on Ctrl+Q. The program ends with its
// last window. With --log, the current folder, every WM_CLOSE, WM_COMMAND, Ctrl+Q
// and stylus press is recorded for the tests.
#include "emulator/lib/command_line.h"
#include "emulator/sampleapp/event_log.h"
#include "emulator/protocol.h"
#include <windows.h>
#include <cwchar>
#include <set>

namespace {

int g_open = 0;
HICON g_smallIcon = nullptr;

DWORD TraitsOf(HWND window)
{
    return static_cast<DWORD>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

bool IsMediaPlayer(HWND window)
{
    wchar_t cls[16] = L"";
    GetClassNameW(window, cls, 16);
    return wcsncmp(cls, L"WMP ", 4) == 0;
}

// A small icon of one plain colour, so that a test can tell it from any other.
HICON MakeSmallIcon()
{
    const int size = GetSystemMetrics(SM_CXSMICON);
    HDC screen = GetDC(nullptr);
    HBITMAP colour = CreateCompatibleBitmap(screen, size, size);
    HBITMAP mask = CreateBitmap(size, size, 1, 1, nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, colour);
    HBRUSH brush = CreateSolidBrush(RGB(255, 0, 255));
    RECT r{0, 0, size, size};
    FillRect(dc, &r, brush);
    SelectObject(dc, mask);
    PatBlt(dc, 0, 0, size, size, BLACKNESS);
    SelectObject(dc, old);
    DeleteObject(brush);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    ICONINFO info{TRUE, 0, 0, mask, colour};
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(colour);
    DeleteObject(mask);
    return icon;
}

LRESULT CALLBACK SampleProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        sample::LogEvent(window, "command", wParam);
        if (LOWORD(wParam) == IDOK) {
            // Dialogs and windows with the caption OK button both end on OK.
            DestroyWindow(window);
            return 0;
        }
        break;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        RECT r;
        GetClientRect(window, &r);
        FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        wchar_t title[64] = L"";
        GetWindowTextW(window, title, 64);
        DrawTextW(dc, title, -1, &r, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
        EndPaint(window, &ps);
        return 0;
    }
    case WM_CLOSE:
        sample::LogEvent(window, "close", wParam);
        if (TraitsOf(window) & emu::sample_trait::IgnoresClose)
            return 0;
        break;
    case WM_KEYDOWN:
        if (wParam == 'Q' && (GetKeyState(VK_CONTROL) & 0x8000)) {
            sample::LogEvent(window, "ctrlq", 0);
            if (IsMediaPlayer(window))
                DestroyWindow(window);
            return 0;
        }
        break;
    case WM_LBUTTONDOWN:
        Sleep(20);   // a slow handler, so a test that does not wait for it shows
        sample::LogEvent(window, "down", lParam);
        return 0;
    case WM_DESTROY:
        RemovePropW(window, emu::kCaptionOkProp);
        RemovePropW(window, emu::kSampleReadyProp);
        if (--g_open <= 0)
            PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool RegisterSampleClass(HINSTANCE instance, const std::wstring& cls, std::set<std::wstring>& done)
{
    if (done.count(cls))
        return true;
    WNDCLASSW wc{};
    wc.lpfnWndProc = SampleProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    wc.lpszClassName = cls.c_str();
    if (!RegisterClassW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return false;
    done.insert(cls);
    return true;
}

HWND OpenWindow(HINSTANCE instance, const emu::SampleWindowSpec& wanted)
{
    // Below the taskbar, filling the screen, unless the style makes it a child.
    const int top = GetSystemMetrics(SM_CXSCREEN) > 400 ? 52 : 26;
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN) - top;
    const DWORD style = wanted.style & ~WS_VISIBLE;
    HWND window = CreateWindowExW(wanted.exStyle, wanted.cls.c_str(), wanted.title.c_str(), style & ~WS_CHILD,
                                  0, top, width, height, nullptr, nullptr, instance, nullptr);
    if (!window)
        return nullptr;
    // Creation normalises some bits (caption, child of nobody); put back exactly what
    // was asked, since the bar decides close or OK from these bits.
    SetWindowLongW(window, GWL_STYLE, static_cast<LONG>(style));
    SetWindowLongW(window, GWL_EXSTYLE, static_cast<LONG>(wanted.exStyle));
    SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    const DWORD kept = static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE));
    if ((wanted.exStyle & emu::kCaptionOkBit) && !(kept & emu::kCaptionOkBit))
        SetPropW(window, emu::kCaptionOkProp, reinterpret_cast<HANDLE>(1));
    SetWindowLongPtrW(window, GWLP_USERDATA, static_cast<LONG_PTR>(wanted.traits));
    if (wanted.traits & emu::sample_trait::SmallIcon) {
        if (!g_smallIcon)
            g_smallIcon = MakeSmallIcon();
        SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(g_smallIcon));
    }
    ++g_open;
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    UpdateWindow(window);
    return window;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int)
{
    std::vector<emu::SampleWindowSpec> wantedWindows;
    std::wstring log;
    if (!emu::ParseSampleArgs(emu::CommandLineArgs(), &wantedWindows, &log) || wantedWindows.empty())
        return 2;
    sample::SetEventLogPath(log);
    sample::LogCurrentFolder();
    std::set<std::wstring> registered;
    std::vector<HWND> windows;
    for (const emu::SampleWindowSpec& wanted : wantedWindows) {
        if (RegisterSampleClass(instance, wanted.cls, registered)) {
            if (HWND w = OpenWindow(instance, wanted))
                windows.push_back(w);
        }
    }
    if (g_open == 0)
        return 1;
    for (HWND w : windows)
        SetPropW(w, emu::kSampleReadyProp, reinterpret_cast<HANDLE>(1));
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
