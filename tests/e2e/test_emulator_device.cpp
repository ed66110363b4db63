// The device: fresh folder and state per test, installation, reset, screen.
#include <gtest/gtest.h>
#include "tests/kit/device.h"
#include "platform/regional_settings.h"
#include "emulator/lib/device_paths.h"
#include "emulator/lib/shortcut_text.h"
#include "emulator/protocol.h"
#include <cstdio>
#include <cstdlib>

TEST(EmulatorDevice, StateWrittenByATestIsWhatThePlatformReads)
{
    kit::DeviceOptions options;
    options.phone = false;
    options.state.lines = {{L"Cellular Line", 0x4000, LineStep::None}};
    options.state.connection = ConnectionAnswer::Connected;
    options.state.batteryPercent = 255;
    options.state.waveVolume = 0x11112222;
    options.state.platformMajor = 4;
    options.state.cards = {{L"SD Card", 2000, 1000}};
    kit::Device d(options);
    ASSERT_TRUE(d.Ready());
    DeviceState expected = options.state;
    expected.lines.clear();
    EXPECT_TRUE(ReadDeviceState() == expected);
    EXPECT_TRUE(d.FileExists(L"\\SD Card")) << "storage cards are folders in the root";

    expected.batteryPercent = 5;
    expected.cards.clear();
    d.SetDeviceState(expected);
    EXPECT_TRUE(ReadDeviceState() == expected);
}

TEST(EmulatorDevice, EveryDeviceStartsFromAFreshFolderAndRegistry)
{
    {
        kit::Device first;
        ASSERT_TRUE(first.Ready());
        EXPECT_TRUE(first.WriteFile(L"\\Program Files\\Velkis\\config.ini", "[Stale]\r\n"));
        EXPECT_TRUE(first.WriteFile(L"\\leftover.txt", "x"));
        DWORD v = 0;
        ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Shell", L"TBOpt", REG_DWORD, &v, sizeof(v)),
                  ERROR_SUCCESS);
        kit::DeviceOptions changed;
        changed.state.batteryPercent = 3;
        first.SetDeviceState(changed.state);
        ASSERT_NE(first.OpenSampleWindow(L"Old", L"OldClass", WS_POPUP | WS_VISIBLE, 0), nullptr);
    }
    EXPECT_EQ(FindWindowW(L"OldClass", nullptr), nullptr) << "a device's programs end with it";
    ASSERT_TRUE(SetTimeSettings(L"H.mm.ss", L"."));   // as a run that chose it leaves the prefix
    kit::Device second;
    ASSERT_TRUE(second.Ready());
    EXPECT_FALSE(second.FileExists(L"\\Program Files\\Velkis\\config.ini"));
    EXPECT_FALSE(second.FileExists(L"\\leftover.txt"));
    DWORD v = 0;
    EXPECT_FALSE(kit::ReadRegDword(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Shell", L"TBOpt", &v));
    EXPECT_EQ(ReadDeviceState().batteryPercent, DeviceState().batteryPercent);
    // The clock pattern a previous device chose is gone: programs format as the locale does.
    wchar_t pattern[80] = L"", separator[8] = L"";
    GetLocaleInfoW(0x800, LOCALE_STIMEFORMAT | LOCALE_NOUSEROVERRIDE, pattern, 80);
    GetLocaleInfoW(0x800, LOCALE_STIME | LOCALE_NOUSEROVERRIDE, separator, 8);
    EXPECT_EQ(kit::ReadRegString(HKEY_CURRENT_USER, L"Control Panel\\International", L"sTimeFormat"), pattern);
    EXPECT_EQ(kit::ReadRegString(HKEY_CURRENT_USER, L"Control Panel\\International", L"sTime"), separator);
    wchar_t kept[80] = L"";
    EXPECT_FALSE(ReadTimeSetting(kTimePatternValue, kept, 80));
}

TEST(EmulatorDevice, InstallsTheProgramsSkinsAndSystemFolders)
{
    kit::Device d;
    ASSERT_TRUE(d.Ready());
    EXPECT_EQ(d.Root(), L"D:\\");
    EXPECT_EQ(d.ProgramDir(), L"D:\\Program Files\\Velkis");
    EXPECT_TRUE(d.FileExists(L"\\Program Files\\Velkis\\Velkis.exe"));
    EXPECT_TRUE(d.FileExists(L"\\Program Files\\Velkis\\Tormalin.exe"));
    EXPECT_TRUE(d.FileExists(L"\\Windows\\StartUp"));
    EXPECT_TRUE(d.FileExists(L"\\Windows\\shell32.exe"));
    if (d.FileExists(L"\\Program Files\\Velkis\\Themes")) {
        EXPECT_TRUE(d.FileExists(L"\\Program Files\\Velkis\\Themes\\Default\\barconfin.skin"));
    }

    // Device paths are files of the build's device folder.
    ASSERT_TRUE(d.WriteFile(L"\\My Documents\\note.txt", "hello"));
    bool found = false;
    EXPECT_EQ(d.ReadFile(L"D:\\My Documents\\note.txt", &found), "hello");
    EXPECT_TRUE(found);
    d.ReadFile(L"\\missing.txt", &found);
    EXPECT_FALSE(found);
}

TEST(EmulatorDevice, ResetRestartsTheShellAndRunsTheStartUpFolder)
{
    kit::Device d;
    ASSERT_TRUE(d.Ready());
    HWND before = d.OpenSampleWindow(L"Running", L"RunningClass", WS_POPUP | WS_VISIBLE, 0);
    ASSERT_NE(before, nullptr);
    const HWND oldTaskbar = d.Taskbar();
    const DWORD oldShell = kit::WindowProcess(oldTaskbar);
    ASSERT_TRUE(d.CreateShortcut(L"\\Windows\\StartUp\\Started.lnk", L"\\Windows\\sampleapp.exe",
                                 L"--window Started StartedClass 0x90000000 0"));

    ASSERT_TRUE(d.Reset());
    EXPECT_NE(d.Taskbar(), oldTaskbar);
    EXPECT_NE(kit::WindowProcess(d.Taskbar()), oldShell);
    EXPECT_FALSE(IsWindow(oldTaskbar));
    EXPECT_TRUE(d.WaitForNoWindow(L"RunningClass", L"Running", 3000)) << "a reset ends every device program";
    HWND started = d.WaitForWindow(L"StartedClass", L"Started", nullptr, 5000);
    ASSERT_NE(started, nullptr) << "the start-up shortcut runs after the reset";

    // The new taskbar logs and answers as the old one did.
    d.ClearTaskbarTaps();
    d.Tap(d.Taskbar(), 30 * d.Scale(), 13 * d.Scale());
    EXPECT_EQ(d.TaskbarTaps().size(), 2u);
    EXPECT_NE(d.WaitForShownWindow(emu::kStartMenuClass, nullptr, 2000), nullptr);
}

TEST(EmulatorDevice, ShortcutsAreTheDevicesNumberHashCommandText)
{
    EXPECT_EQ(emu::FormatShortcutText(L"\\Program Files\\Velkis\\Velkis", L""), "30#\"\\Program Files\\Velkis\\Velkis\"");
    struct Case { std::string text; bool ok; const wchar_t* target; const wchar_t* args; } cases[] = {
        {"30#\"\\Program Files\\Velkis\\Velkis\"\r\n", true, L"\\Program Files\\Velkis\\Velkis", L""},
        {"99#\"\\Windows\\sampleapp.exe\"  --window A B 0 0", true, L"\\Windows\\sampleapp.exe", L"--window A B 0 0"},
        {"12#\\Windows\\x.exe -a", true, L"\\Windows\\x.exe", L"-a"},
        {std::string("\xFF\xFE" "5\0#\0\"\0a\0\"\0", 12), true, L"a", L""},
        {"#\"a\"", false, L"", L""},
        {"12\"a\"", false, L"", L""},
        {"3#\"a", false, L"", L""},
        {"3#", false, L"", L""},
        {"", false, L"", L""},
    };
    for (const Case& c : cases) {
        emu::ShortcutCommand command;
        EXPECT_EQ(emu::ParseShortcutText(c.text, &command), c.ok) << c.text;
        EXPECT_EQ(command.target, c.target) << c.text;
        EXPECT_EQ(command.arguments, c.args) << c.text;
    }
    EXPECT_EQ(emu::ProgramFileOf(L"\\P\\Velkis"), L"\\P\\Velkis.exe");
    EXPECT_EQ(emu::ProgramFileOf(L"\\P.d\\a.exe"), L"\\P.d\\a.exe");
    EXPECT_EQ(emu::ProgramFileOf(L"\\P.d\\Velkis"), L"\\P.d\\Velkis.exe");
}

TEST(EmulatorDevice, ScreenHasTheProfileSizeAndShowsTaskbarAndToday)
{
    kit::Device d;
    ASSERT_TRUE(d.Ready());
    if (const char* screen = std::getenv("VELKIS_SCREEN")) {
        int w = 0, h = 0;
        ASSERT_EQ(std::sscanf(screen, "%dx%d", &w, &h), 2);
        EXPECT_EQ(d.Screen().cx, w);
        EXPECT_EQ(d.Screen().cy, h);
    }
    const int s = d.Scale();
    ASSERT_TRUE(kit::Device::WaitUntil([&] { return d.Pixel(d.Screen().cx / 2, 30 * s + 200 * s / 2) == RGB(255, 255, 255); }, 2000))
        << "the Today screen is white below the taskbar";
    // The taskbar's plain background between the start button and the icons.
    EXPECT_EQ(d.Pixel(70 * s, 2 * s), RGB(16, 40, 120));
    const RECT bar{0, 0, d.Screen().cx, 26 * s};
    const std::vector<COLORREF> pixels = d.ReadScreen(bar);
    ASSERT_EQ(pixels.size(), static_cast<size_t>(d.Screen().cx * 26 * s));
    EXPECT_EQ(pixels[2 * s * d.Screen().cx + 70 * s], RGB(16, 40, 120));

    const std::wstring png = emu::BuildDir() + L"\\e2e\\device-screen.png";
    DeleteFileW(png.c_str());
    ASSERT_TRUE(d.SavePng(png, RECT{0, 0, d.Screen().cx, d.Screen().cy}));
    bool found = false;
    const std::string bytes = d.ReadFile(png, &found);
    ASSERT_TRUE(found);
    EXPECT_EQ(bytes.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
}
