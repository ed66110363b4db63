// The system taskbar answers taps at its places and logs every stylus message.
#include <gtest/gtest.h>
#include "tests/kit/device.h"
#include "emulator/protocol.h"

namespace {

constexpr DWORD kPlainWindow = WS_POPUP | WS_VISIBLE;

// Tap points as the bar computes them: S scale, C system clock width, W screen width.
int ConnectionX(int w, int s, int c, bool phone) { return w - (phone ? 50 : 30) * s - c - 28 * s; }
int SignalX(int w, int s, int c) { return w - 30 * s - c - 28 * s; }
int ClockX(int w, int s, int c) { return c ? w - c / 2 - 28 * s : -10; }

void SetShellDword(HKEY root, const wchar_t* key, const wchar_t* value, DWORD data)
{
    ASSERT_EQ(RegSetKeyValueW(root, key, value, REG_DWORD, &data, sizeof(data)), ERROR_SUCCESS);
}

// Width of the digital clock with TBOpt 1: the time in the bold 8-point system font.
int BoldTimeWidth()
{
    wchar_t time[20] = L"";
    GetTimeFormatW(0x0800, TIME_NOSECONDS | TIME_NOTIMEMARKER, nullptr, nullptr, time, 20);
    HDC dc = GetDC(nullptr);
    LOGFONTW lf{};
    GetObjectW(GetStockObject(SYSTEM_FONT), sizeof(lf), &lf);
    lf.lfHeight = -static_cast<int>(GetDeviceCaps(dc, LOGPIXELSY) / 9.0 + 0.5);
    lf.lfWeight = FW_BOLD;
    HFONT font = CreateFontIndirectW(&lf);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, time, lstrlenW(time), &size);
    SelectObject(dc, old);
    DeleteObject(font);
    ReleaseDC(nullptr, dc);
    return size.cx;
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

TEST(EmulatorTaskbar, TapReturnsAfterTheTaskbarHandledBothMessages)
{
    kit::Device d;
    ASSERT_TRUE(d.Ready());
    d.ClearTaskbarTaps();
    for (int i = 0; i < 10; ++i) {
        d.Tap(d.Taskbar(), 120 + i, 5);
        ASSERT_EQ(d.TaskbarTaps().size(), static_cast<size_t>(2 * (i + 1)));
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

TEST(EmulatorTaskbar, CloseButtonClosesTheForegroundApplication)
{
    kit::Device d;
    ASSERT_TRUE(d.Ready());
    const int s = d.Scale();
    HWND app = d.OpenSampleWindow(L"Notes", L"NotesClass", kPlainWindow, 0);
    ASSERT_NE(app, nullptr);
    ASSERT_TRUE(kit::Device::WaitUntil([&] { return GetForegroundWindow() == app; }, 2000));
    // As the bar presses it: down with wParam 1, up with wParam 0, sent.
    const LPARAM at = MAKELPARAM(d.Screen().cx - 13 * s, 13 * s);
    SendMessageW(d.Taskbar(), WM_LBUTTONDOWN, 1, at);
    SendMessageW(d.Taskbar(), WM_LBUTTONUP, 0, at);
    ASSERT_TRUE(d.WaitForNoWindow(L"NotesClass", L"Notes", 3000));
    bool sawClose = false, sawOk = false;
    for (const kit::SampleEvent& e : d.SampleEvents()) {
        sawClose = sawClose || (e.title == "Notes" && e.what == "close");
        sawOk = sawOk || (e.title == "Notes" && e.what == "command");
    }
    EXPECT_TRUE(sawClose);
    EXPECT_FALSE(sawOk);
}

TEST(EmulatorTaskbar, OkButtonSendsOkToAnApplicationWithTheCaptionOkStyle)
{
    kit::Device d;
    ASSERT_TRUE(d.Ready());
    const int s = d.Scale();
    HWND app = d.OpenSampleWindow(L"Confirm", L"Dialog", kPlainWindow, 0x80000000);
    ASSERT_NE(app, nullptr);
    ASSERT_TRUE(kit::Device::WaitUntil([&] { return GetForegroundWindow() == app; }, 2000));
    d.Tap(d.Taskbar(), d.Screen().cx - 13 * s, 13 * s);
    ASSERT_TRUE(d.WaitForNoWindow(L"Dialog", L"Confirm", 3000));
    bool sawClose = false, sawOk = false;
    for (const kit::SampleEvent& e : d.SampleEvents()) {
        sawClose = sawClose || (e.title == "Confirm" && e.what == "close");
        sawOk = sawOk || (e.title == "Confirm" && e.what == "command" && e.value == IDOK);
    }
    EXPECT_TRUE(sawOk);
    EXPECT_FALSE(sawClose);
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
    const int w = d.Screen().cx, s = d.Scale(), c = 20 * s;
    ExpectBubbleAt(d, ConnectionX(w, s, c, true), emu::kConnectionBubble);
    ExpectBubbleAt(d, SignalX(w, s, c), emu::kSignalBubble);
    ExpectBubbleAt(d, ClockX(w, s, c), emu::kClockBubble);
    const std::vector<kit::TapRecord> taps = d.TaskbarTaps();
    ASSERT_GE(taps.size(), 2u);
    EXPECT_EQ(taps[0].x, ConnectionX(w, s, c, true));
    EXPECT_EQ(taps[0].y, 13 * s);
}

TEST(EmulatorTaskbar, LimitedClockHidesTheClockWhileAnApplicationIsInFront)
{
    kit::Device d;
    ASSERT_TRUE(d.Ready());
    HWND app = d.OpenSampleWindow(L"Notes", L"NotesClass", kPlainWindow, 0);
    ASSERT_NE(app, nullptr);
    ASSERT_TRUE(kit::Device::WaitUntil([&] { return GetForegroundWindow() == app; }, 2000));
    const int w = d.Screen().cx, s = d.Scale();
    ExpectBubbleAt(d, ConnectionX(w, s, 0, true), emu::kConnectionBubble);
    ExpectBubbleAt(d, SignalX(w, s, 0), emu::kSignalBubble);
    ExpectBubbleAt(d, ClockX(w, s, 0), nullptr);
    EXPECT_EQ(GetForegroundWindow(), app) << "taps on the taskbar leave the application in front";
}

TEST(EmulatorTaskbar, WithoutAPhoneTheConnectionIconTakesTheSignalPlace)
{
    kit::DeviceOptions options;
    options.phone = false;
    kit::Device d(options);
    ASSERT_TRUE(d.Ready());
    SetShellDword(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Shell\\TaskBar", L"LimitedClock", 0);
    const int w = d.Screen().cx, s = d.Scale(), c = 20 * s;
    ExpectBubbleAt(d, ConnectionX(w, s, c, false), emu::kConnectionBubble);
    ExpectBubbleAt(d, ConnectionX(w, s, c, true), nullptr);
}

TEST(EmulatorTaskbar, DigitalClockTakesTheWidthOfTheBoldTime)
{
    kit::Device d;
    ASSERT_TRUE(d.Ready());
    SetShellDword(HKEY_CURRENT_USER, L"Software\\Microsoft\\Shell", L"AnalogClock", 0);
    SetShellDword(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Shell", L"TBOpt", 1);
    SetShellDword(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Shell\\TaskBar", L"LimitedClock", 0);
    HWND app = d.OpenSampleWindow(L"Notes", L"NotesClass", kPlainWindow, 0);
    ASSERT_NE(app, nullptr);
    const int w = d.Screen().cx, s = d.Scale(), c = BoldTimeWidth();
    ASSERT_GT(c, 0);
    ExpectBubbleAt(d, ClockX(w, s, c), emu::kClockBubble);
    ExpectBubbleAt(d, ConnectionX(w, s, c, true), emu::kConnectionBubble);
    ExpectBubbleAt(d, SignalX(w, s, c), emu::kSignalBubble);
}

TEST(EmulatorTaskbar, NoClockMovesTheIconsRight)
{
    kit::Device d;
    ASSERT_TRUE(d.Ready());
    SetShellDword(HKEY_CURRENT_USER, L"Software\\Microsoft\\Shell", L"AnalogClock", 0);
    SetShellDword(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Shell", L"TBOpt", 0);
    const int w = d.Screen().cx, s = d.Scale();
    ExpectBubbleAt(d, ClockX(w, s, 0), nullptr);
    ExpectBubbleAt(d, SignalX(w, s, 0), emu::kSignalBubble);
    ExpectBubbleAt(d, ConnectionX(w, s, 0, true), emu::kConnectionBubble);
}
