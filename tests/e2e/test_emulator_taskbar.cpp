// The system taskbar answers taps at its places and logs every stylus message.
#include <gtest/gtest.h>
#include "tests/kit/device.h"
#include "emulator/protocol.h"

namespace {

constexpr DWORD kPlainWindow = WS_POPUP | WS_VISIBLE;

// Where the taskbar's icons answer on the 240-pixel (scale 1) and 480-pixel (scale 2)
// screens, with the analog clock (20 pixels x scale) or no clock.
struct IconPoints {
    int connection;
    int signal;
    int clock;   // -10: off the taskbar
};
IconPoints PointsFor(int scale, bool clock)
{
    if (scale == 1)
        return clock ? IconPoints{142, 162, 202} : IconPoints{162, 182, -10};
    return clock ? IconPoints{284, 324, 404} : IconPoints{324, 364, -10};
}

void SetShellDword(HKEY root, const wchar_t* key, const wchar_t* value, DWORD data)
{
    ASSERT_EQ(RegSetKeyValueW(root, key, value, REG_DWORD, &data, sizeof(data)), ERROR_SUCCESS);
}

// Taps the taskbar at (x, 13 x S) and expects the bubble named title (or none).
void ExpectBubbleAt(kit::Device& d, int x, const wchar_t* title)
{
    SCOPED_TRACE(kit::Narrow(title ? title : L"no bubble") + " at x=" + std::to_string(x));
    d.Tap(d.Taskbar(), x, 13 * d.Scale());
    if (!title) {
        EXPECT_EQ(kit::FindShownWindow(emu::kBubbleClass, nullptr), nullptr);
        return;
    }
    HWND bubble = d.WaitForShownWindow(emu::kBubbleClass, title, 2000);
    ASSERT_NE(bubble, nullptr);
    RECT r;
    GetWindowRect(bubble, &r);
    EXPECT_GE(r.top, 26 * d.Scale() - 1) << "the bubble opens below the taskbar";
    EXPECT_TRUE(x >= r.left && x < r.right) << "the bubble stands under the tapped icon";
    d.Tap(bubble, 5, 5);   // a tap closes it
    EXPECT_TRUE(d.WaitForNoShownWindow(emu::kBubbleClass, title, 2000));
}

} // namespace

TEST(EmulatorTaskbar, LiesAcrossTheTopAndLogsEveryStylusMessage)
{
    kit::Device d;
    ASSERT_TRUE(d.Ready());
    const int s = d.Scale();
    RECT r;
    GetWindowRect(d.Taskbar(), &r);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right, d.Screen().cx);
    EXPECT_EQ(r.bottom, 26 * s);
    EXPECT_TRUE(GetWindowLongW(d.Taskbar(), GWL_EXSTYLE) & WS_EX_TOPMOST);

    RECT today;
    GetWindowRect(d.Today(), &today);
    EXPECT_EQ(today.top, 26 * s);
    EXPECT_EQ(today.bottom, d.Screen().cy);

    d.ClearTaskbarTaps();
    PostMessageW(d.Taskbar(), WM_LBUTTONDOWN, 1, MAKELPARAM(100, 7));
    PostMessageW(d.Taskbar(), WM_LBUTTONUP, 0, MAKELPARAM(static_cast<WORD>(-10), 13));
    ASSERT_TRUE(kit::Device::WaitUntil([&] { return d.TaskbarTaps().size() == 2; }, 3000));
    const std::vector<kit::TapRecord> taps = d.TaskbarTaps();
    EXPECT_EQ(taps[0].msg, static_cast<UINT>(WM_LBUTTONDOWN));
    EXPECT_EQ(taps[0].wParam, 1u);
    EXPECT_EQ(taps[0].x, 100);
    EXPECT_EQ(taps[0].y, 7);
    EXPECT_EQ(taps[1].msg, static_cast<UINT>(WM_LBUTTONUP));
    EXPECT_EQ(taps[1].wParam, 0u);
    EXPECT_EQ(taps[1].x, -10) << "x is signed: the clock point of a hidden clock lies left of the screen";
    EXPECT_EQ(taps[1].y, 13);

    d.ClearTaskbarTaps();
    EXPECT_TRUE(d.TaskbarTaps().empty());
}

TEST(EmulatorTaskbar, TapReturnsAfterTheTaskbarOrAWindowHandledThePress)
{
    kit::Device d;
    ASSERT_TRUE(d.Ready());
    d.ClearTaskbarTaps();
    for (int i = 0; i < 10; ++i) {
        d.Tap(d.Taskbar(), 120 + i, 5);
        ASSERT_EQ(d.TaskbarTaps().size(), static_cast<size_t>(2 * (i + 1)));
    }
    HWND w = d.OpenSampleWindow(L"Pad", L"PadClass", kPlainWindow, 0);
    ASSERT_NE(w, nullptr);
    for (int i = 1; i <= 20; ++i) {
        d.Tap(w, i, 2 * i);
        size_t downs = 0;
        for (const kit::SampleEvent& e : d.SampleEvents())
            downs += e.what == "down";
        ASSERT_EQ(downs, static_cast<size_t>(i));
    }
}

TEST(EmulatorTaskbar, StartButtonOpensTheStartMenuOnThePress)
{
    kit::Device d;
    ASSERT_TRUE(d.Ready());
    const int s = d.Scale();
    d.PressAt(d.Taskbar(), 30 * s, 13 * s);
    HWND menu = d.WaitForShownWindow(emu::kStartMenuClass, emu::kStartMenuTitle, 2000);
    ASSERT_NE(menu, nullptr) << "the bar forwards only the press of the start button";
    RECT r;
    GetWindowRect(menu, &r);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 26 * s);
    // A second press closes it again.
    d.Tap(d.Taskbar(), 10 * s, 5 * s);
    EXPECT_TRUE(d.WaitForNoShownWindow(emu::kStartMenuClass, nullptr, 2000));
    // A press just right of the start button opens nothing.
    d.Tap(d.Taskbar(), 60 * s, 13 * s);
    EXPECT_EQ(kit::FindShownWindow(emu::kStartMenuClass, nullptr), nullptr);
}

TEST(EmulatorTaskbar, CloseButtonClosesTheForegroundApplicationOrSendsOkToACaptionOkOne)
{
    kit::Device d;
    ASSERT_TRUE(d.Ready());
    const int s = d.Scale();
    // As the bar presses it: down with wParam 1, up with wParam 0, sent.
    const LPARAM at = MAKELPARAM(d.Screen().cx - 13 * s, 13 * s);
    const struct { const wchar_t* title; const wchar_t* cls; bool captionOk; } cases[] = {
        {L"Notes", L"NotesClass", false}, {L"Confirm", L"Dialog", true}};
    for (const auto& c : cases) {
        HWND app = d.OpenSampleWindow(c.title, c.cls, kPlainWindow, c.captionOk ? 0x80000000 : 0);
        ASSERT_NE(app, nullptr);
        ASSERT_TRUE(kit::Device::WaitUntil([&] { return GetForegroundWindow() == app; }, 2000));
        SendMessageW(d.Taskbar(), WM_LBUTTONDOWN, 1, at);
        SendMessageW(d.Taskbar(), WM_LBUTTONUP, 0, at);
        ASSERT_TRUE(d.WaitForNoWindow(c.cls, c.title, 3000));
        bool sawClose = false, sawCommand = false, sawOk = false;
        for (const kit::SampleEvent& e : d.SampleEvents()) {
            if (e.title != kit::Narrow(c.title))
                continue;
            sawClose = sawClose || e.what == "close";
            sawCommand = sawCommand || e.what == "command";
            sawOk = sawOk || (e.what == "command" && e.value == IDOK);
        }
        EXPECT_EQ(sawClose, !c.captionOk) << kit::Narrow(c.title);
        EXPECT_EQ(sawCommand, c.captionOk) << kit::Narrow(c.title);
        EXPECT_EQ(sawOk, c.captionOk) << kit::Narrow(c.title);
    }
}

TEST(EmulatorTaskbar, CloseButtonLeavesTheTodayScreenAlone)
{
    kit::Device d;
    ASSERT_TRUE(d.Ready());
    ASSERT_TRUE(kit::Device::WaitUntil([&] { return GetForegroundWindow() == d.Today(); }, 2000));
    d.Tap(d.Taskbar(), d.Screen().cx - 13 * d.Scale(), 13 * d.Scale());
    EXPECT_TRUE(IsWindow(d.Today()));
    EXPECT_TRUE(IsWindow(d.Taskbar()));
}

TEST(EmulatorTaskbar, IconsOpenTheirBubblesAtTheComputedPointsWithTheTodayScreenInFront)
{
    kit::Device d;   // analog clock, limited clock, platform 5: the clock icon shows on Today
    ASSERT_TRUE(d.Ready());
    ASSERT_TRUE(kit::Device::WaitUntil([&] { return GetForegroundWindow() == d.Today(); }, 2000));
    const IconPoints p = PointsFor(d.Scale(), true);
    ExpectBubbleAt(d, p.connection, emu::kConnectionBubble);
    ExpectBubbleAt(d, p.signal, emu::kSignalBubble);
    ExpectBubbleAt(d, p.clock, emu::kClockBubble);
    const std::vector<kit::TapRecord> taps = d.TaskbarTaps();
    ASSERT_GE(taps.size(), 2u);
    EXPECT_EQ(taps[0].x, p.connection);
    EXPECT_EQ(taps[0].y, 13 * d.Scale());
}

TEST(EmulatorTaskbar, LimitedClockHidesTheClockWhileAnApplicationIsInFront)
{
    kit::Device d;
    ASSERT_TRUE(d.Ready());
    HWND app = d.OpenSampleWindow(L"Notes", L"NotesClass", kPlainWindow, 0);
    ASSERT_NE(app, nullptr);
    ASSERT_TRUE(kit::Device::WaitUntil([&] { return GetForegroundWindow() == app; }, 2000));
    const IconPoints p = PointsFor(d.Scale(), false);
    ExpectBubbleAt(d, p.connection, emu::kConnectionBubble);
    ExpectBubbleAt(d, p.signal, emu::kSignalBubble);
    ExpectBubbleAt(d, p.clock, nullptr);
    EXPECT_EQ(GetForegroundWindow(), app) << "taps on the taskbar leave the application in front";
}

TEST(EmulatorTaskbar, WithoutAPhoneTheConnectionIconTakesTheSignalPlace)
{
    kit::DeviceOptions options;
    options.phone = false;
    kit::Device d(options);
    ASSERT_TRUE(d.Ready());
    SetShellDword(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Shell\\TaskBar", L"LimitedClock", 0);
    const IconPoints p = PointsFor(d.Scale(), true);
    ExpectBubbleAt(d, p.signal, emu::kConnectionBubble);
    ExpectBubbleAt(d, p.connection, nullptr);
}

TEST(EmulatorTaskbar, NoClockMovesTheIconsRight)
{
    kit::Device d;
    ASSERT_TRUE(d.Ready());
    SetShellDword(HKEY_CURRENT_USER, L"Software\\Microsoft\\Shell", L"AnalogClock", 0);
    SetShellDword(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Shell", L"TBOpt", 0);
    const IconPoints p = PointsFor(d.Scale(), false);
    ExpectBubbleAt(d, p.clock, nullptr);
    ExpectBubbleAt(d, p.signal, emu::kSignalBubble);
    ExpectBubbleAt(d, p.connection, emu::kConnectionBubble);
}
