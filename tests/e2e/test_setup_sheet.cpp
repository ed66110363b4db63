// The setup program's sheet on the device: Exit, OK with and without a bar, the bar's reload.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <string>
#include <vector>
#include "tests/e2e/bar_test_skin.h"
#include "tests/e2e/setup_test_kit.h"
#include "tests/kit/device.h"

using kit::Device;
using namespace setuptest;

namespace {

// What the test's stand-in bar and a top-level listener heard.
struct Heard {
    int updates = 0;
    bool zeroParameters = true;
    bool filesWrittenFirst = true;
    int settingChanges = 0;
    Device* device = nullptr;
} g_heard;

UINT UpdateMessage()
{
    static const UINT message = RegisterWindowMessageW(L"Velkis_UpdateNotify");
    return message;
}

// Every file the OK path writes must be there when the bar hears of it.
bool FilesWritten(Device& device)
{
    const std::string config = device.ReadFile(kConfigPath);
    const std::string skin = device.ReadFile(L"\\Program Files\\Velkis\\Themes\\Test\\test.skin");
    const size_t timerFont = skin.find("[Timer Font]");
    return ConfigValue(config, "Display") == "11111111" && device.FileExists(kShortcutPath) &&
           timerFont != std::string::npos && ConfigValue(skin.substr(timerFont), "Size") == "10";
}

LRESULT CALLBACK ListenerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == UpdateMessage()) {
        ++g_heard.updates;
        g_heard.zeroParameters = g_heard.zeroParameters && wParam == 0 && lParam == 0;
        g_heard.filesWrittenFirst = g_heard.filesWrittenFirst && FilesWritten(*g_heard.device);
        return 0;
    }
    if (message == WM_SETTINGCHANGE && wParam == 0xF2)
        ++g_heard.settingChanges;
    return DefWindowProcW(window, message, wParam, lParam);
}

// A window of the bar's class in this process: a child of the system taskbar when
// parent is given, else top-level.
HWND CreateStandIn(const wchar_t* cls, HWND parent)
{
    WNDCLASSW wc{};
    wc.lpfnWndProc = ListenerProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = cls;
    RegisterClassW(&wc);
    return CreateWindowExW(0, cls, L"", parent ? WS_CHILD : WS_POPUP, 0, 0, 1, 1, parent, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

// Waits for the process while this thread answers what is sent to its windows.
bool WaitPumping(HANDLE process, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMs) {
        if (MsgWaitForMultipleObjects(1, &process, FALSE, 50, QS_ALLINPUT) == WAIT_OBJECT_0)
            return true;
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
    }
    return false;
}

// A device with the test skin whose clock size has a fraction, and the setup open.
void PrepareFiles(Device& device)
{
    ASSERT_TRUE(bartest::InstallTestSkin(device, "signal,connection,home,volume,battery,clock,menu,close", "11111111"));
    const std::wstring skin = L"\\Program Files\\Velkis\\Themes\\Test\\test.skin";
    std::string text = device.ReadFile(skin);
    text.replace(text.find("Size=9\nStyle=1\nColor=65535"), 6, "Size=10.5");
    ASSERT_TRUE(device.WriteFile(skin, text));
}

// Starts the setup program, checks "Start with System" and gives OK; false when a page was missing.
bool OkWithStartUp(Device& device, SetupRun* setup)
{
    *setup = StartSetup(device);
    HWND page = setup->sheet ? WaitForPage(setup->sheet, kStartWithSystem) : nullptr;
    if (!page)
        return false;
    SendMessageW(GetDlgItem(page, kStartWithSystem), BM_CLICK, 0, 0);
    PressOk(device, setup->sheet);
    return true;
}

void RunOkPath(bool childOfTaskbar, int expectedMessages)
{
    Device device;
    ASSERT_TRUE(device.Ready());
    PrepareFiles(device);
    g_heard = Heard();
    g_heard.device = &device;
    HWND standIn = CreateStandIn(L"VelkisClass", childOfTaskbar ? device.Taskbar() : nullptr);
    HWND listener = CreateStandIn(L"SetupTestListener", nullptr);
    ASSERT_TRUE(standIn && listener);

    SetupRun setup;
    ASSERT_TRUE(OkWithStartUp(device, &setup));
    EXPECT_TRUE(WaitPumping(setup.process.handle, 10000));

    EXPECT_TRUE(FilesWritten(device));
    EXPECT_EQ(g_heard.updates, expectedMessages);
    EXPECT_EQ(g_heard.settingChanges, expectedMessages);
    EXPECT_TRUE(g_heard.zeroParameters);
    EXPECT_TRUE(g_heard.filesWrittenFirst);
    DestroyWindow(standIn);
    DestroyWindow(listener);
}

} // namespace

TEST(SetupSheet, ExitFromTheMenuBarKeepsOnlyTheDisplayDefault)
{
    Device device;
    ASSERT_TRUE(device.Ready());
    const std::string config = "[Settings]\nTheme File=\\Program Files\\Velkis\\Themes\\Default\\barconfin.skin\n"
                               "[TopBar Settings]\nOrder=clock,home\n";
    ASSERT_TRUE(device.WriteFile(kConfigPath, config));
    SetupRun setup = StartSetup(device);
    ASSERT_TRUE(setup.sheet);
    HWND page = WaitForPage(setup.sheet, kStartWithSystem);
    ASSERT_TRUE(page);
    EXPECT_EQ(SendMessageW(PropSheet_GetTabControl(setup.sheet), TCM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_NE(GetWindowLongW(setup.sheet, GWL_EXSTYLE) & 0x80000000, 0);
    EXPECT_EQ(RowCount(GetDlgItem(page, kList)), 2);

    SendMessageW(GetDlgItem(page, kMoveDown), BM_CLICK, 0, 0);   // no row marked: nothing moves
    HWND menuBar = FindWindowExW(setup.sheet, nullptr, L"menu_worker", nullptr);
    ASSERT_TRUE(menuBar);
    device.Tap(menuBar, 10 * device.Scale(), 10 * device.Scale());   // "Exit"
    ASSERT_TRUE(WaitSetupEnd(device, setup));
    const std::string after = device.ReadFile(kConfigPath);
    EXPECT_EQ(ConfigValue(after, "Display"), "11111111");
    EXPECT_EQ(ConfigValue(after, "Order"), "clock,home");
    EXPECT_FALSE(device.FileExists(kShortcutPath));
}

TEST(SetupSheet, OkWritesTheFilesAndTellsOnlyARunningBarOnceAfterEveryFile)
{
    // A window of the bar's class that is no child of the system taskbar is no bar.
    for (bool running : {false, true}) {
        SCOPED_TRACE(running ? "a running bar" : "no bar");
        RunOkPath(running, running ? 1 : 0);
    }
}

TEST(SetupSheet, OptionsOpensTheSheetAndOkMakesTheBarShowTheNewOrder)
{
    bartest::BarDevice b(bartest::OptionsWithPhone(false), bartest::kFullOrder, "1111111");
    ASSERT_TRUE(b.bar);
    const int y = 13 * b.s;
    const int rightmost = b.right - 10 * b.s;
    ASSERT_TRUE(bartest::Near(bartest::WaitForPixel(b.device, rightmost, y, bartest::kClose), bartest::kClose));

    PostMessageW(b.bar, WM_COMMAND, 40024, 0);   // the bar menu's "Options..."
    HWND sheet = b.device.WaitForWindow(L"#32770", L"Velkis Option");
    ASSERT_TRUE(sheet);
    HWND page = WaitForPage(sheet, kStartWithSystem);
    ASSERT_TRUE(page);
    HWND list = GetDlgItem(page, kList);
    SendKey(list, VK_END);   // "OK/Close" goes before "Menu button"
    SendMessageW(GetDlgItem(page, kMoveUp), BM_CLICK, 0, 0);
    PressOk(b.device, sheet);
    ASSERT_TRUE(b.device.WaitForNoWindow(L"#32770", L"Velkis Option", 10000));
    EXPECT_EQ(ConfigValue(b.device.ReadFile(kConfigPath), "Order"), "connection,home,volume,battery,clock,close,menu");
    EXPECT_TRUE(bartest::Near(bartest::WaitForPixel(b.device, rightmost, y, bartest::kMenu), bartest::kMenu));
}

TEST(SetupSheet, ABarThatDoesNotAnswerCannotKeepTheSheetOpen)
{
    Device device;
    ASSERT_TRUE(device.Ready());
    PrepareFiles(device);
    // This thread answers nothing until the setup program has ended: a hung bar.
    HWND standIn = CreateStandIn(L"VelkisClass", device.Taskbar());
    ASSERT_TRUE(standIn);
    SetupRun setup;
    ASSERT_TRUE(OkWithStartUp(device, &setup));
    // The update waits 5 s at most, the broadcast after it 2 s per program.
    EXPECT_TRUE(WaitSetupEnd(device, setup, 15000));
    EXPECT_TRUE(FilesWritten(device));
    DestroyWindow(standIn);
}

TEST(SetupSheet, TwoSetupProgramsConfirmingAtOnceLeaveWhatOneWould)
{
    kit::DeviceOptions options;
    options.watchdogMs = 300000;
    Device device(options);
    ASSERT_TRUE(device.Ready());
    PrepareFiles(device);
    const std::wstring skinPath = L"\\Program Files\\Velkis\\Themes\\Test\\test.skin";
    const std::string config = device.ReadFile(kConfigPath), skin = device.ReadFile(skinPath);
    // Both files as they are after that many setup programs got OK at the same moment.
    auto confirm = [&](int programs) {
        device.WriteFile(kConfigPath, config);
        device.WriteFile(skinPath, skin);
        std::vector<SetupRun> runs;
        for (int i = 0; i < programs; ++i) {
            runs.push_back(StartSetup(device));
            EXPECT_TRUE(WaitForPage(runs.back().sheet, kStartWithSystem));
        }
        for (const SetupRun& run : runs)
            PostMessageW(run.sheet, WM_COMMAND, IDOK, 0);   // what the taskbar's OK sends
        for (const SetupRun& run : runs)
            EXPECT_TRUE(WaitSetupEnd(device, run));
        return device.ReadFile(kConfigPath) + "\n--- skin ---\n" + device.ReadFile(skinPath);
    };
    const std::string oneWriter = confirm(1);
    ASSERT_NE(oneWriter.find("Size=10\n"), std::string::npos) << oneWriter;   // written, not just kept
    for (int round = 0; round < 20; ++round)
        ASSERT_EQ(confirm(2), oneWriter) << "round " << round;
}
