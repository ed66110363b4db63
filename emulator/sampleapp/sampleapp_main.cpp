// Sample application: opens the windows its command line asks for, in one process.
//   sampleapp.exe [--log PATH] --window TITLE CLASS STYLE EXSTYLE [--traits N] [--file PATH] [--window ...]
// A window of class "Dialog" (like any sample window) closes on WM_COMMAND IDOK and
// on WM_CLOSE; a window whose class begins with "WMP " (the media player) quits on
// Ctrl+Q. The program ends with its last window. With --log, the current folder,
// every WM_CLOSE, WM_COMMAND, Ctrl+Q, stylus press and hang is recorded for the tests.
// --traits (emu::sample_trait bits, emulator/lib/command_line.h) add behaviour:
//   1 IgnoresClose    WM_CLOSE is logged and the window stays.
//   2 SmallIcon       the window has a small icon of its own (plain magenta).
//   4 Notes           an edit control (id 100) fills the window; typing (WM_CHAR
//                     posted to the edit will do) marks the text unsaved. WM_CLOSE
//                     with unsaved text shows a modal dialog as a message box would
//                     (class "#32770", titled as the window, static 0xFFFF "Save
//                     changes?", buttons IDYES, IDNO, IDCANCEL): Yes
//                     writes the text as UTF-8 to --file PATH (a device path such as
//                     "\My Documents\a.txt", or a Win32 path), by default to
//                     "\My Documents\Notes.txt", and closes; No closes; Cancel stays.
//                     The box answers WM_COMMAND IDYES/IDNO/IDCANCEL.
//   8 HangButton      a "Hang 10 s" button (command 200): the window's thread
//                     sleeps 10 s and answers nothing meanwhile. Posting WM_COMMAND
//                     200 to the window starts the hang without a tap.
//  16 HangsWhenReady  that hang starts by itself as soon as the windows are shown.
//  32 PausesOnClose   WM_CLOSE first logs "pause" and sleeps 2 s (a busy program),
//                     then is handled as usual.
#include "emulator/lib/command_line.h"
#include "emulator/lib/plain_paint.h"
#include "emulator/sampleapp/event_log.h"
#include "emulator/sampleapp/hang.h"
#include "emulator/sampleapp/notes.h"
#include "emulator/protocol.h"
#include "platform/scoped_win.h"
#include <windows.h>
#include <cwchar>
#include <set>

namespace {

int g_open = 0;
HICON g_smallIcon = nullptr;

using sample::SampleWindow;

int ScreenScale()
{
    return GetSystemMetrics(SM_CXSCREEN) > 400 ? 2 : 1;
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

LRESULT OnCommand(HWND window, SampleWindow* self, WPARAM wParam)
{
    sample::LogEvent(window, "command", wParam);
    if (LOWORD(wParam) == IDOK) {
        // Dialogs and windows with the caption OK button both end on OK.
        DestroyWindow(window);
        return 0;
    }
    const DWORD hangs = emu::sample_trait::HangButton | emu::sample_trait::HangsWhenReady;
    if (self && (self->traits & hangs) && LOWORD(wParam) == emu::kHangCommand)
        sample::HangNow(window);
    else if (self && self->edit && LOWORD(wParam) == emu::kNotesEditId)
        sample::OnNotesEditCommand(*self, HIWORD(wParam));
    return 0;
}

void OnPaint(HWND window)
{
    emu::PlainPaint paint(window);
    HDC dc = paint.dc();
    RECT r = paint.client();
    wchar_t title[64] = L"";
    GetWindowTextW(window, title, 64);
    DrawTextW(dc, title, -1, &r, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}

LRESULT OnClose(HWND window, SampleWindow* self, WPARAM wParam)
{
    if (self && (self->traits & emu::sample_trait::PausesOnClose))
        sample::PauseBeforeClosing(window);
    sample::LogEvent(window, "close", wParam);
    if (!self)
        return 0;
    if (self->traits & emu::sample_trait::IgnoresClose)
        return 0;
    if (self->edit && !sample::NotesMayClose(window, *self))
        return 0;
    DestroyWindow(window);
    return 0;
}

void OnSetFocus(SampleWindow* self)
{
    if (self && self->edit)
        SetFocus(self->edit);   // typing into Notes goes to its text
}

LRESULT OnKeyDown(HWND window, WPARAM wParam, LPARAM lParam)
{
    if (wParam == 'Q' && (GetKeyState(VK_CONTROL) & 0x8000)) {
        sample::LogEvent(window, "ctrlq", 0);
        if (IsMediaPlayer(window))
            DestroyWindow(window);
        return 0;
    }
    return DefWindowProcW(window, WM_KEYDOWN, wParam, lParam);
}

void OnStylusDown(HWND window, LPARAM lParam)
{
    Sleep(20);   // a slow handler, so a test that does not wait for it shows
    sample::LogEvent(window, "down", lParam);
}

void OnDestroy(HWND window)
{
    RemovePropW(window, emu::kCaptionOkProp);
    RemovePropW(window, emu::kSampleReadyProp);
    if (--g_open <= 0)
        PostQuitMessage(0);
}

void OnNcDestroy(HWND window, SampleWindow* self)
{
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    delete self;
}

LRESULT CALLBACK SampleProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    SampleWindow* self = sample::SampleWindowOf(window);
    switch (message) {
    case WM_COMMAND: return OnCommand(window, self, wParam);
    case WM_PAINT: OnPaint(window); return 0;
    case WM_CLOSE: return OnClose(window, self, wParam);
    case WM_SETFOCUS: OnSetFocus(self); return 0;
    case WM_KEYDOWN: return OnKeyDown(window, wParam, lParam);
    case WM_LBUTTONDOWN: OnStylusDown(window, lParam); return 0;
    case WM_DESTROY: OnDestroy(window); return 0;
    case WM_NCDESTROY: OnNcDestroy(window, self); return 0;
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
    const int top = 26 * ScreenScale();
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
    SampleWindow* self = new SampleWindow;
    self->traits = wanted.traits;
    self->file = wanted.file;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    if (wanted.traits & emu::sample_trait::Notes)
        sample::CreateNotesEdit(window, *self);
    if (wanted.traits & emu::sample_trait::HangButton)
        sample::CreateHangButton(window);
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

namespace sample {

SampleWindow* SampleWindowOf(HWND window)
{
    return reinterpret_cast<SampleWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

HFONT SampleFont()
{
    static ScopedFont font(CreateFontW(-12 * ScreenScale(), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                       DEFAULT_PITCH | FF_SWISS, L"Tahoma"));
    return font.get();
}

} // namespace sample

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
    for (HWND w : windows) {
        SetPropW(w, emu::kSampleReadyProp, reinterpret_cast<HANDLE>(1));
        const SampleWindow* self = sample::SampleWindowOf(w);
        if (self && (self->traits & emu::sample_trait::HangsWhenReady))
            PostMessageW(w, WM_COMMAND, emu::kHangCommand, 0);
    }
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
