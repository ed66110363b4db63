// Writing the solid-colour test skin onto the device.
#include "tests/e2e/bar_test_skin.h"
#include "emulator/lib/screen_rotation.h"
#include <cstdio>
#include <cstdlib>

namespace bartest {

namespace {

constexpr COLORREF kKey = RGB(255, 0, 255);

void Put16(std::string& s, unsigned v) { s += char(v & 0xFF); s += char((v >> 8) & 0xFF); }
void Put32(std::string& s, unsigned v) { Put16(s, v & 0xFFFF); Put16(s, v >> 16); }

// A 24-bit BMP of one colour with a key-coloured top-left pixel; columns from
// keyLeft on (or rows from keyTop on, counted from the top) have colour key instead.
std::string Bmp(int width, int height, COLORREF body, bool keyCorner = true, COLORREF key = kKey, int keyLeft = -1,
                int keyTop = -1)
{
    int stride = (width * 3 + 3) & ~3;
    std::string s;
    s += "BM";
    Put32(s, 54 + stride * height);
    Put32(s, 0);
    Put32(s, 54);
    Put32(s, 40);
    Put32(s, width);
    Put32(s, height);
    Put16(s, 1);
    Put16(s, 24);
    Put32(s, 0);
    Put32(s, stride * height);
    Put32(s, 2835);
    Put32(s, 2835);
    Put32(s, 0);
    Put32(s, 0);
    for (int row = height - 1; row >= 0; --row) {   // bottom-up
        for (int x = 0; x < width; ++x) {
            bool keyed = (keyCorner && row == 0 && x == 0) || (keyLeft >= 0 && x >= keyLeft) ||
                         (keyTop >= 0 && row >= keyTop);
            COLORREF c = keyed ? key : body;
            s += char(GetBValue(c));
            s += char(GetGValue(c));
            s += char(GetRValue(c));
        }
        s.append(stride - width * 3, '\0');
    }
    return s;
}

const char kSkin[] =
    "[Skin Info]\nName=Test\nHiRes=0\n"
    "[Topbar]\nLandscape=land.bmp\nPortrait=port.bmp\n"
    "[Button Images]\n"
    "Start Menu Normal=start.bmp\nStart Menu Pressed=start.bmp\n"
    "Menu Normal=menu.bmp\nMenu Pressed=menu.bmp\n"
    "Close Normal=close.bmp\nClose Pressed=close_down.bmp\n"
    "OK Normal=ok.bmp\nOK Pressed=ok.bmp\n"
    "Volume Normal=volume.bmp\nVolume Pressed=volume.bmp\n"
    "Mute Normal=mute.bmp\nMute Pressed=mute.bmp\n"
    "Battery/Memory Normal=battery.bmp\nBattery/Memory Pressed=battery.bmp\n"
    "Home Normal=home.bmp\nHome Pressed=home.bmp\n"
    "Connection Normal=connection.bmp\nConnection Pressed=connection.bmp\n"
    "Disconnect Normal=disconnect.bmp\nDisconnect Pressed=disconnect.bmp\n"
    "[Signal Images]\n"
    "Signal0 Normal=signal.bmp\nSignal0 Pressed=signal.bmp\nSignal1 Normal=signal.bmp\nSignal1 Pressed=signal.bmp\n"
    "Signal2 Normal=signal.bmp\nSignal2 Pressed=signal.bmp\nSignal3 Normal=signal.bmp\nSignal3 Pressed=signal.bmp\n"
    "Signal4 Normal=signal.bmp\nSignal4 Pressed=signal.bmp\n"
    "[Volume image]\nVolume=popup_volume.bmp\n[Battery image]\nBattery=popup_battery.bmp\n"
    "[Title Font]\nName=Tahoma\nSize=9\nStyle=1\nColor=65280\n"
    "[Timer Font]\nName=Tahoma\nSize=9\nStyle=1\nColor=65535\n"
    "[Dialog Title]\nName=Tahoma\nSize=8\nStyle=0\nColor=0\n";

} // namespace

bool InstallTestSkin(kit::Device& device, const char* order, const char* display)
{
    const std::wstring dir = L"\\Program Files\\Velkis\\Themes\\Test\\";
    struct Image { const wchar_t* name; int width; COLORREF colour; bool key; } images[] = {
        {L"port.bmp", 240, kPortrait, false},    {L"land.bmp", 320, kLandscape, false},
        {L"start.bmp", kStartWidth, kStart, true}, {L"menu.bmp", kMenuWidth, kMenu, true},
        {L"close.bmp", kCloseWidth, kClose, true}, {L"close_down.bmp", kCloseWidth, kClosePressed, true},
        {L"ok.bmp", kOkWidth, kOk, true},          {L"volume.bmp", kVolumeWidth, kVolume, true},
        {L"mute.bmp", kMuteWidth, kMute, true},    {L"battery.bmp", kBatteryWidth, kBattery, true},
        {L"home.bmp", kHomeWidth, kHome, true},    {L"connection.bmp", kConnectionWidth, kConnection, true},
        {L"disconnect.bmp", kDisconnectWidth, kDisconnect, true}, {L"signal.bmp", 16, RGB(70, 70, 70), true},
    };
    bool ok = true;
    for (const Image& image : images)
        ok = device.WriteFile(dir + image.name, Bmp(image.width, 26, image.colour, image.key)) && ok;
    ok = device.WriteFile(dir + L"popup_battery.bmp", Bmp(kBatteryPopupWidth, kBatteryPopupHeight, kBatteryPopup, false,
                                                           RGB(0, 0, 0), kBatteryPopupWidth * 3 / 4)) && ok;
    ok = device.WriteFile(dir + L"popup_volume.bmp", Bmp(kVolumePopupWidth, kVolumePopupHeight, kVolumePopup, false, kKey,
                                                          -1, kVolumePopupHeight / 2)) && ok;
    ok = device.WriteFile(dir + L"test.skin", kSkin) && ok;
    std::string config = "[Settings]\nTheme File=\\Program Files\\Velkis\\Themes\\Test\\test.skin\n"
                         "[TopBar Settings]\nOrder=" + std::string(order) + "\nDisplay=" + display + "\n";
    return device.WriteFile(L"\\Program Files\\Velkis\\config.ini", config) && ok;
}

bool Near(COLORREF a, COLORREF b)
{
    return abs(int(GetRValue(a)) - int(GetRValue(b))) <= 8 && abs(int(GetGValue(a)) - int(GetGValue(b))) <= 8 &&
           abs(int(GetBValue(a)) - int(GetBValue(b))) <= 8;
}

COLORREF WaitForPixel(kit::Device& device, int x, int y, COLORREF c, DWORD timeoutMs)
{
    COLORREF seen = CLR_INVALID;
    kit::Device::WaitUntil([&] {
        seen = device.Pixel(x, y);
        return Near(seen, c);
    }, timeoutMs);
    return seen;
}

kit::DeviceOptions OptionsWithPhone(bool phone)
{
    kit::DeviceOptions options;
    options.phone = phone;
    return options;
}

BarDevice::BarDevice(const kit::DeviceOptions& options, const char* order, const char* display,
                     const std::function<void(kit::Device&)>& beforeBar)
    : device(options)
{
    if (!device.Ready() || !InstallTestSkin(device, order, display))
        return;
    if (beforeBar)
        beforeBar(device);
    bar = device.StartBar();
    s = device.Scale();
    right = device.Screen().cx;
}

BarDevice::BarDevice(const char* display, bool phone) : BarDevice(OptionsWithPhone(phone), kFullOrder, display) {}

HWND OpenForegroundApp(kit::Device& device, const wchar_t* title, DWORD style)
{
    HWND app = device.OpenSampleWindow(title, L"SampleApp", style, 0);
    if (!app)
        return nullptr;
    SetForegroundWindow(app);
    kit::Device::WaitUntil([&] { return GetForegroundWindow() == app; }, 3000);
    return app;
}

HWND OpenPopup(BarDevice& b, int x, const wchar_t* title)
{
    b.device.Tap(b.bar, x, 13 * b.s);
    HWND popup = b.device.WaitForWindow(L"#32770", title);
    // Shown once its initialisation is over.
    if (popup && !kit::Device::WaitUntil([&] { return IsWindowVisible(popup) != FALSE; }, 3000))
        return nullptr;
    return popup;
}

ScreenKept::~ScreenKept()
{
    const SIZE now = emu::CurrentScreenSize();
    if (now.cx != size.cx || now.cy != size.cy)
        emu::SetScreenSize(size);
}

int FindInRow(kit::Device& device, int y, int width, COLORREF c)
{
    std::vector<COLORREF> row = device.ReadScreen(RECT{0, y, width, y + 1});
    for (int x = width - 1; x >= 0; --x)
        if (Near(row[x], c))
            return x;
    return -1;
}

} // namespace bartest
