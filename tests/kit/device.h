// End-to-end test kit: one emulated handheld per test, driven as a stylus would.
//
// A Device lays out a fresh device folder (drive D:, which the harness maps to
// build/device), a fresh device state and clean shell settings in the registry,
// installs the programs, starts the shell (shell32.exe) and waits for the system
// taskbar ("HHTaskBar") and the Today screen ("DesktopExplorerWindow"). Its
// destructor ends every device process. Devices may follow one another in one
// test program; only one exists at a time.
//
// Every wait is bounded. A Device also arms a watchdog: a test that keeps one
// alive longer than DeviceOptions::watchdogMs is reported and the program ends,
// so a hang never stalls the run.
//
// Sample windows: OpenSampleWindow starts sampleapp.exe, which creates the window
// with exactly the asked style and extended style. Where Win32 drops the caption
// OK-button bit (0x80000000) from the extended style, the window carries the
// property "HHCaptionOk" instead; the system taskbar honours either.
//
// Stylus: Tap posts WM_LBUTTONDOWN and WM_LBUTTONUP (wParam MK_LBUTTON, lParam the
// client point) and returns once the window's thread has handled them (for the
// system taskbar: once both are in its tap log).
#pragma once
#include <windows.h>
#include <functional>
#include <string>
#include <vector>
#include "platform/emulated/device_state.h"

namespace kit {

struct DeviceOptions {
    bool phone = true;          // false: the device has no line devices at all (state.lines is ignored)
    DeviceState state;          // written before the shell starts
    DWORD watchdogMs = 120000;  // longest life of one Device
};

// One thing a sample window was asked to do: what is "close", "command" (value =
// wParam), "down" (value = lParam), or "cwd" (text = the process's current folder,
// title empty).
struct SampleEvent {
    DWORD pid;
    std::string title;
    std::string what;
    unsigned long long value;
    std::string text;
};

// One stylus message as the system taskbar logged it.
struct TapRecord {
    UINT msg;
    WPARAM wParam;
    int x, y;
};

// One key event as the shell's keyboard hook logged it.
struct KeyRecord {
    DWORD vk;
    bool up;
    unsigned long long extra;
};

class Device {
public:
    explicit Device(const DeviceOptions& options = DeviceOptions());
    ~Device();
    Device(const Device&) = delete;
    Device& operator=(const Device&) = delete;

    // Whether construction succeeded; Error() says why not. The constructor has
    // already reported a test failure in that case.
    bool Ready() const { return error_.empty(); }
    const std::wstring& Error() const { return error_; }

    std::wstring Root() const;         // L"D:\\"
    std::wstring ProgramDir() const;   // L"D:\\Program Files\\Velkis"
    HWND Taskbar() const { return taskbar_; }
    HWND Today() const { return today_; }
    int Scale() const;                 // 1, or 2 on screens wider than 400 pixels
    SIZE Screen() const;

    // A process started by the device; the Device closes the handle.
    struct Process {
        HANDLE handle = nullptr;
        DWORD pid = 0;
    };
    // devicePath: "\Program Files\..." (device) or a Win32 path. Current folder: D:\.
    Process Start(const std::wstring& devicePath, const std::wstring& args = L"");
    // The exit code, or STILL_ACTIVE with *timedOut set when it did not end in time.
    DWORD WaitExit(const Process& process, DWORD timeoutMs, bool* timedOut = nullptr);

    // Waits for a window of class cls (and title, when given): top-level when parent
    // is null, else a child of parent. Null when none appeared in time.
    HWND WaitForWindow(const wchar_t* cls, const wchar_t* title, HWND parent = nullptr, DWORD timeoutMs = 5000);
    // Waits until no top-level window of class cls (and title) exists.
    bool WaitForNoWindow(const wchar_t* cls, const wchar_t* title, DWORD timeoutMs = 5000);
    // The same for shown top-level windows: the shell's popups exist, hidden, while closed.
    HWND WaitForShownWindow(const wchar_t* cls, const wchar_t* title, DWORD timeoutMs = 5000);
    bool WaitForNoShownWindow(const wchar_t* cls, const wchar_t* title, DWORD timeoutMs = 5000);

    // Starts \Program Files\Velkis\Velkis.exe and waits for its "VelkisClass" child
    // of the system taskbar, shown and painted; null when it is not in time.
    HWND StartBar(DWORD timeoutMs = 5000);

    // Opens one window in a new sampleapp.exe process and waits for it. traits:
    // emu::sample_trait bits (ignores WM_CLOSE, own small icon, Notes, the hang;
    // emulator/sampleapp/sampleapp_main.cpp says how each behaves).
    HWND OpenSampleWindow(const wchar_t* title, const wchar_t* cls, DWORD style, DWORD exStyle, DWORD traits = 0,
                          DWORD timeoutMs = 5000);
    // Opens windows of one application (one sampleapp.exe process), the last one
    // in front, and waits for them; empty when they are not all there in time.
    struct SampleWindow {
        const wchar_t* title;
        const wchar_t* cls;
        DWORD traits;
    };
    std::vector<HWND> OpenSampleWindows(const std::vector<SampleWindow>& windows, DWORD timeoutMs = 5000);

    // Stylus on a window, at a point in its client coordinates.
    void Tap(HWND window, int x, int y);
    void PressAt(HWND window, int x, int y);
    void ReleaseAt(HWND window, int x, int y);
    // Returns once window's thread has handled what was posted to it before (or
    // runs a modal loop that one of those messages opened). The barrier is a
    // repaint of one pixel of the window, which a thread does only with no posted
    // message left. A control that repaints itself at once while handling a press
    // (a button) passes its own barrier early: settle on its dialog instead, and
    // wait for the state the input should leave.
    bool Settle(HWND window, DWORD timeoutMs = 3000);

    // Events of every sample window this device opened, in order.
    std::vector<SampleEvent> SampleEvents() const;

    std::vector<TapRecord> TaskbarTaps() const;
    // Every key event the device's shell saw, in order.
    std::vector<KeyRecord> KeyEvents() const;
    void ClearTaskbarTaps();

    // Screen pixels of r (screen coordinates), row-major.
    std::vector<COLORREF> ReadScreen(const RECT& r) const;
    COLORREF Pixel(int x, int y) const;
    // The device screen as the X display shows it (the framebuffer under Wine's
    // virtual desktop window, scripts/x-display.py), row-major; false with the reason in why.
    bool ReadXDisplay(std::vector<COLORREF>* pixels, SIZE* size, std::string* why) const;
    // PNG of r, for people; a relative path lands in build\e2e.
    bool SavePng(const std::wstring& path, const RECT& r) const;

    // Device files, by device path ("\Program Files\Velkis\config.ini").
    std::string ReadFile(const std::wstring& devicePath, bool* found = nullptr) const;
    bool WriteFile(const std::wstring& devicePath, const std::string& content);
    bool FileExists(const std::wstring& devicePath) const;

    void SetDeviceState(const DeviceState& state);

    // Writes a shortcut (.lnk) at a device path that starts target with args.
    bool CreateShortcut(const std::wstring& linkDevicePath, const std::wstring& target, const std::wstring& args);

    // Soft reset: every device program ends, a new shell starts and runs the
    // start-up folder. Returns once the new taskbar and Today screen exist.
    bool Reset(DWORD timeoutMs = 10000);

    // Polls cond every 10 ms until it holds or timeoutMs passed.
    static bool WaitUntil(const std::function<bool()>& cond, DWORD timeoutMs);

private:
    bool StartShell();
    // Posts one stylus message and waits as PressAt and ReleaseAt promise.
    void PostOne(HWND window, UINT message, int x, int y);
    void StopAll();
    void Fail(const std::wstring& why);

    std::wstring error_;
    std::wstring tapLog_;
    std::wstring keyLog_;
    std::wstring sampleLog_;
    HWND taskbar_ = nullptr;
    HWND today_ = nullptr;
    std::vector<Process> processes_;
    HANDLE watchdogStop_ = nullptr;
    HANDLE watchdog_ = nullptr;
};

// Registry reads for tests: false / empty when the value is absent.
bool ReadRegDword(HKEY root, const wchar_t* key, const wchar_t* value, DWORD* out);
std::wstring ReadRegString(HKEY root, const wchar_t* key, const wchar_t* value);

// A shown top-level window of class cls (and title, when given), or null. The
// shell's popups exist hidden while closed.
HWND FindShownWindow(const wchar_t* cls, const wchar_t* title);

// Top-level window of class cls (and title, when given) owned by process pid.
HWND FindProcessWindow(DWORD pid, const wchar_t* cls, const wchar_t* title);
// The process that owns window; 0 once it is gone.
DWORD WindowProcess(HWND window);

// Control rectangles, in the dialog's client coordinates, of dialog template id of a
// program file (a path here), made into a hidden dialog: the dialog units converted.
std::vector<RECT> TemplateRects(const std::wstring& program, int id, const std::vector<int>& controls);

// Narrow text for test messages.
std::string Narrow(const std::wstring& text);

} // namespace kit
