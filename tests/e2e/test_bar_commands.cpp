// The menu's fixed commands: the screen, the power key, the reset, the setup program.
#include <gtest/gtest.h>
#include "tests/e2e/bar_menu_kit.h"
#include "tests/kit/device.h"
#include "emulator/protocol.h"

using kit::Device;
using namespace bartest;

namespace {

void Choose(BarDevice& b, UINT command)
{
    OpenMenu menu = OpenBarMenu(b, 0);
    ASSERT_TRUE(menu.window);
    TapLine(b.device, menu, LineOfCommand(command, 0), menu.frame.left + 40 * b.s);
}

// The screen is dark while the blank window stands, and lit again after a tap on it.
void ExpectDarkUntilTapped(BarDevice& b, const wchar_t* reason)
{
    HWND blank = b.device.WaitForWindow(emu::kBlankScreenClass, reason);
    ASSERT_TRUE(blank);
    const int x = b.right / 2, y = b.device.Screen().cy / 2;
    EXPECT_TRUE(Near(WaitForPixel(b.device, x, y, RGB(0, 0, 0)), RGB(0, 0, 0)));
    EXPECT_TRUE(Near(WaitForPixel(b.device, b.right - 2, 13 * b.s, RGB(0, 0, 0)), RGB(0, 0, 0))) << "the bar too";
    b.device.Tap(blank, x, y);
    EXPECT_TRUE(b.device.WaitForNoWindow(emu::kBlankScreenClass, nullptr, 3000));
    EXPECT_TRUE(Near(WaitForPixel(b.device, b.right - 2, 13 * b.s, kMenu), kMenu));
}

} // namespace

TEST(BarCommands, TurnOffScreenDarkensTheScreenUntilATapOrSaysTheDisplayCannot)
{
    BarDevice b("0000010");
    ASSERT_TRUE(b.bar);
    Choose(b, 40001);
    ExpectDarkUntilTapped(b, emu::kDisplayOffTitle);

    WriteDeviceDword(device_value::DisplayPowerEscape, 0);
    Choose(b, 40001);
    HWND box = b.device.WaitForWindow(L"Dialog", L"Pocket PC Display Off Feature");
    ASSERT_TRUE(box);
    wchar_t text[80] = L"";
    Device::WaitUntil([&] {
        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            wchar_t cls[16] = L"";
            GetClassNameW(child, cls, 16);
            if (lstrcmpiW(cls, L"Static") == 0 && GetWindowTextW(child, text, 80) > 0)
                return true;
        }
        return false;
    }, 3000);
    EXPECT_STREQ(text, L"Sorry, your Pocket PC does not support DisplayOff");
    EXPECT_FALSE(FindWindowW(emu::kBlankScreenClass, nullptr));
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(b.device.WaitForNoWindow(L"Dialog", L"Pocket PC Display Off Feature", 3000));
}

TEST(BarCommands, ShutDownPressesThePowerKeyAndTheBarRunsOn)
{
    BarDevice b("0000010");
    ASSERT_TRUE(b.bar);
    Choose(b, 40002);
    ExpectDarkUntilTapped(b, emu::kAsleepTitle);
    std::vector<kit::KeyRecord> keys;
    for (const kit::KeyRecord& key : b.device.KeyEvents())
        if (key.vk == 0xDF)
            keys.push_back(key);
    ASSERT_EQ(keys.size(), 2u);
    EXPECT_EQ(keys[0].vk, 0xDFu);
    EXPECT_FALSE(keys[0].up);
    EXPECT_EQ(keys[1].vk, 0xDFu);
    EXPECT_TRUE(keys[1].up);
    EXPECT_EQ(keys[0].extra + keys[1].extra, 0u);
    EXPECT_TRUE(IsWindow(b.bar));
}

TEST(BarCommands, RestartResetsTheDeviceAndTheStartUpShortcutBringsTheBarBack)
{
    BarDevice b("0000010");
    ASSERT_TRUE(b.bar);
    HWND app = OpenForegroundApp(b.device, L"Notes");
    ASSERT_TRUE(app);
    ASSERT_TRUE(b.device.CreateShortcut(L"\\Windows\\StartUp\\Velkis.lnk", L"\\Program Files\\Velkis\\Velkis", L""));
    const HWND oldTaskbar = b.device.Taskbar();
    // Menu: one task.
    OpenMenu menu = OpenBarMenu(b, 1);
    ASSERT_TRUE(menu.window);
    TapLine(b.device, menu, LineOfCommand(40003, 1), menu.frame.left + 40 * b.s);

    HWND taskbar = nullptr, bar = nullptr;
    EXPECT_TRUE(Device::WaitUntil([&] {
        taskbar = FindWindowW(emu::kTaskbarClass, nullptr);
        bar = taskbar && taskbar != oldTaskbar ? FindWindowExW(taskbar, nullptr, L"VelkisClass", nullptr) : nullptr;
        return bar != nullptr;
    }, 15000)) << "a new shell, and the bar from the start-up folder";
    EXPECT_FALSE(IsWindow(app)) << "the reset ended every program";
    EXPECT_FALSE(IsWindow(b.bar));
}

TEST(BarCommands, OptionsStartsTheSetupProgramAndNothingWhenItIsMissing)
{
    BarDevice b("0000010");
    ASSERT_TRUE(b.bar);
    Choose(b, 40024);
    HWND sheet = b.device.WaitForShownWindow(L"#32770", L"Velkis Option");
    EXPECT_TRUE(sheet) << "the setup program's sheet";
    if (sheet)
        PostMessageW(sheet, WM_CLOSE, 0, 0);
    EXPECT_TRUE(b.device.WaitForNoWindow(L"#32770", L"Velkis Option", 5000));

    // The file is free once the ending process has let go of it.
    const std::wstring setup = b.device.ProgramDir() + L"\\Tormalin.exe";
    ASSERT_TRUE(Device::WaitUntil([&] { return DeleteFileW(setup.c_str()) != FALSE; }, 5000));
    Choose(b, 40024);
    b.device.Settle(b.bar);
    EXPECT_FALSE(FindWindowW(L"#32770", nullptr) || FindWindowW(L"Dialog", nullptr)) << "no message of any kind";
    EXPECT_TRUE(IsWindow(b.bar));
}
