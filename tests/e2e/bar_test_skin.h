// A test skin of solid, distinct colours, so that pixels tell which button lies where.
#pragma once
#include <windows.h>
#include <functional>
#include <string>
#include "tests/kit/device.h"

namespace bartest {

// Colours of the test skin (bodies; every button image has a magenta top-left key pixel).
constexpr COLORREF kPortrait = RGB(10, 20, 30);
constexpr COLORREF kLandscape = RGB(30, 20, 10);
constexpr COLORREF kStart = RGB(200, 200, 0);
constexpr COLORREF kMenu = RGB(0, 0, 200);
constexpr COLORREF kClose = RGB(0, 200, 200);
constexpr COLORREF kClosePressed = RGB(250, 250, 250);
constexpr COLORREF kOk = RGB(150, 90, 40);
constexpr COLORREF kVolume = RGB(100, 0, 0);
constexpr COLORREF kMute = RGB(0, 100, 0);
constexpr COLORREF kBattery = RGB(0, 0, 100);
constexpr COLORREF kHome = RGB(100, 100, 0);
constexpr COLORREF kConnection = RGB(0, 100, 100);
constexpr COLORREF kDisconnect = RGB(100, 0, 100);
constexpr COLORREF kTitleText = RGB(0, 255, 0);
// Popup images: the battery image's right quarter is black (transparent there),
// the volume image's lower half magenta (transparent there).
constexpr COLORREF kBatteryPopup = RGB(200, 180, 160);
constexpr COLORREF kVolumePopup = RGB(160, 180, 200);
constexpr int kBatteryPopupWidth = 200;
constexpr int kBatteryPopupHeight = 180;
constexpr int kVolumePopupWidth = 80;
constexpr int kVolumePopupHeight = 168;

// Pixel widths at scale 1 (the skin is HiRes 0, so a scale-2 screen doubles them).
constexpr int kStartWidth = 26;
constexpr int kMenuWidth = 20;
constexpr int kCloseWidth = 21;
constexpr int kOkWidth = 22;
constexpr int kVolumeWidth = 23;
constexpr int kMuteWidth = 24;
constexpr int kBatteryWidth = 25;
constexpr int kHomeWidth = 19;
constexpr int kConnectionWidth = 18;
constexpr int kDisconnectWidth = 17;

// Every button named once: a partial list keeps loaded records in the free slots.
constexpr const char* kFullOrder = "connection,home,volume,battery,clock,menu,close";

// Installs the skin under \Program Files\Velkis\Themes\Test and a config.ini that
// selects it with the given Order and Display.
bool InstallTestSkin(kit::Device& device, const char* order, const char* display);

// Whether two colours are equal within a small tolerance (the screen may be 16-bit).
bool Near(COLORREF a, COLORREF b);

// Waits until the screen pixel has colour c (bounded); returns the last colour seen.
COLORREF WaitForPixel(kit::Device& device, int x, int y, COLORREF c, DWORD timeoutMs = 3000);

// A device wearing the test skin with the bar running (bar is null when it did not start).
struct BarDevice {
    kit::Device device;
    HWND bar = nullptr;
    int s = 1;        // scale factor
    int right = 0;    // the bar's right edge

    BarDevice(const kit::DeviceOptions& options, const char* order, const char* display,
              const std::function<void(kit::Device&)>& beforeBar = nullptr);
    explicit BarDevice(const char* display, bool phone = false);
};

kit::DeviceOptions OptionsWithPhone(bool phone);

// Opens a plain sample window and waits until it is the foreground window.
HWND OpenForegroundApp(kit::Device& device, const wchar_t* title, DWORD style = WS_POPUP | WS_VISIBLE);

// Taps the bar at x and waits (bounded) until the popup captioned title shows; null when it did not.
HWND OpenPopup(BarDevice& b, int x, const wchar_t* title);

// Whatever happens in a test that turns the screen, it stands as it did at the
// start for the tests after it (declared after the device, so that the shell is there).
struct ScreenKept {
    SIZE size;
    ~ScreenKept();
};

// The rightmost x of a screen row y that has colour c, or -1.
int FindInRow(kit::Device& device, int y, int width, COLORREF c);

} // namespace bartest
