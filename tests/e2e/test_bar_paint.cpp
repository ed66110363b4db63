// What the bar shows on the device screen, read back pixel by pixel, at every screen profile.
#include <gtest/gtest.h>
#include "tests/e2e/bar_test_skin.h"
#include "tests/kit/device.h"

using kit::Device;
using namespace bartest;

namespace {

struct Expected {
    const char* name;
    int left;    // at scale 1, from the right edge's layout
    int width;
    COLORREF colour;
};

// Checks the middle of each expected button (positions at scale 1 measured from the
// right edge of the bar).
void ExpectButtons(Device& device, int right, std::initializer_list<Expected> buttons)
{
    int s = device.Scale();
    for (const Expected& b : buttons) {
        int x = right - (b.left - b.width / 2) * s;
        COLORREF seen = WaitForPixel(device, x, 13 * s, b.colour);
        EXPECT_TRUE(Near(seen, b.colour)) << b.name << " at x " << x << ": seen 0x" << std::hex << seen;
    }
}

COLORREF Background(Device& device)
{
    SIZE screen = device.Screen();
    return screen.cx > screen.cy ? kLandscape : kPortrait;
}

} // namespace

TEST(BarPaint, ButtonsStandInOrderFromTheStartButtonToTheRightEdge)
{
    kit::DeviceOptions options = OptionsWithPhone(false);
    options.state.connection = ConnectionAnswer::NotConnected;   // the connection pair shows disconnect
    // Clock hidden so that every place is known exactly.
    BarDevice b(options, kFullOrder, "1111011");
    ASSERT_TRUE(b.bar);
    Device& device = b.device;
    HWND bar = b.bar;
    int right = b.right;
    int s = b.s;
    RECT client;
    GetClientRect(bar, &client);
    EXPECT_EQ(client.right, right);
    EXPECT_EQ(client.bottom, 26 * s);

    // From the right edge: close, menu, battery, volume, home, disconnect.
    int x = 0;
    ExpectButtons(device, right, {
        {"close", x += kCloseWidth, kCloseWidth, kClose},
        {"menu", x += kMenuWidth, kMenuWidth, kMenu},
        {"battery", x += kBatteryWidth, kBatteryWidth, kBattery},
        {"volume", x += kVolumeWidth, kVolumeWidth, kVolume},
        {"home", x += kHomeWidth, kHomeWidth, kHome},
        {"disconnect", x += kDisconnectWidth, kDisconnectWidth, kDisconnect},
    });
    EXPECT_TRUE(Near(device.Pixel(kStartWidth * s / 2, 13 * s), kStart));
    // Key-coloured corners leave the background visible.
    EXPECT_TRUE(Near(device.Pixel(right - kCloseWidth * s, 0), Background(device)));
    // The title lies between the start button and the leftmost button.
    EXPECT_TRUE(Near(device.Pixel((kStartWidth + 2) * s, 25 * s), Background(device)));
    device.SavePng(L"bar-order-" + std::to_wstring(right) + L".png", RECT{0, 0, right, 26 * s});
}

TEST(BarPaint, HiddenButtonsTakeNoRoomAndADisabledCloseKeepsItsPlace)
{
    BarDevice b("0101011");   // home, battery, menu and close
    ASSERT_TRUE(b.bar);
    Device& device = b.device;
    HWND bar = b.bar;
    int right = b.right;
    // Volume and the clock are hidden: home stands right beside battery.
    ExpectButtons(device, right, {
        {"close", kCloseWidth, kCloseWidth, kClose},
        {"menu", kCloseWidth + kMenuWidth, kMenuWidth, kMenu},
        {"battery", kCloseWidth + kMenuWidth + kBatteryWidth, kBatteryWidth, kBattery},
        {"home", kCloseWidth + kMenuWidth + kBatteryWidth + kHomeWidth, kHomeWidth, kHome},
    });

    // A framed foreground window disables close: its place shows the background.
    ASSERT_TRUE(OpenForegroundApp(device, L"Framed", WS_OVERLAPPEDWINDOW | WS_VISIBLE));
    int s = device.Scale();
    COLORREF seen = WaitForPixel(device, right - kCloseWidth * s / 2, 13 * s, Background(device));
    EXPECT_TRUE(Near(seen, Background(device))) << std::hex << seen;
    ExpectButtons(device, right, {{"menu", kCloseWidth + kMenuWidth, kMenuWidth, kMenu}});

    // A tap on the disabled close does nothing.
    device.ClearTaskbarTaps();
    device.Tap(bar, right - kCloseWidth * s / 2, 13 * s);
    EXPECT_TRUE(device.TaskbarTaps().empty());
}

TEST(BarPaint, WithNoButtonShownTheTitleRunsToTheRightEdge)
{
    BarDevice b("0000000");
    ASSERT_TRUE(b.bar);
    Device& device = b.device;
    ASSERT_TRUE(OpenForegroundApp(device, std::wstring(60, L'W').c_str()));
    int s = b.s;
    int right = b.right;
    // Title text reaches the last fifth of the bar.
    bool found = Device::WaitUntil([&] {
        std::vector<COLORREF> pixels = device.ReadScreen(RECT{right * 4 / 5, 0, right, 26 * s});
        for (COLORREF c : pixels)
            if (Near(c, kTitleText))
                return true;
        return false;
    }, 3000);
    EXPECT_TRUE(found);
}

TEST(BarPaint, ThePressedImageShowsOnlyDuringThePress)
{
    BarDevice b("0000001");
    ASSERT_TRUE(b.bar);
    Device& device = b.device;
    HWND bar = b.bar;
    HWND app = OpenForegroundApp(device, L"Plain");
    ASSERT_TRUE(app);
    int s = b.s;
    int x = b.right - kCloseWidth * s / 2;
    ASSERT_TRUE(Near(WaitForPixel(device, x, 13 * s, kClose), kClose));
    // Press on close, release elsewhere (the title): pressed while held, normal after.
    device.PressAt(bar, x, 13 * s);
    EXPECT_TRUE(Near(WaitForPixel(device, x, 13 * s, kClosePressed), kClosePressed));
    device.ReleaseAt(bar, 60 * s, 13 * s);
    EXPECT_TRUE(Near(WaitForPixel(device, x, 13 * s, kClose), kClose));
    EXPECT_TRUE(IsWindow(app));
}
