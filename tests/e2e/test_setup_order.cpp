// The Order page on the device: rows, moves, marks, the start-up shortcut, layouts.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <vector>
#include "emulator/lib/bar_button_finder.h"
#include "emulator/lib/device_paths.h"
#include "tests/e2e/bar_test_skin.h"
#include "tests/e2e/setup_test_kit.h"
#include "tests/kit/device.h"

using kit::Device;
using namespace setuptest;

namespace {

constexpr char kPhoneOrder[] = "signal,connection,home,volume,battery,clock,menu,close";

std::vector<bool> Marks(HWND list)
{
    std::vector<bool> marks;
    for (int i = 0; i < RowCount(list); ++i)
        marks.push_back(RowChecked(list, i));
    return marks;
}

void ExpectLayout(HWND window, int variant, const std::vector<int>& controls)
{
    const std::vector<RECT> expected = kit::TemplateRects(emu::InstallDir() + L"\\Tormalin.exe", variant, controls);
    for (size_t i = 0; i < controls.size(); ++i) {
        RECT seen{};
        GetWindowRect(GetDlgItem(window, controls[i]), &seen);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&seen), 2);
        const RECT& want = expected[i];
        EXPECT_TRUE(want.right > want.left && EqualRect(&seen, &want))
            << "template " << variant << " control " << controls[i] << ": seen " << seen.left << "," << seen.top
            << "," << seen.right << "," << seen.bottom << " want " << want.left << "," << want.top << ","
            << want.right << "," << want.bottom;
    }
}

int Variant(const Device& device, int portrait, int landscape, int square)
{
    const SIZE screen = device.Screen();
    return screen.cx > screen.cy ? landscape : screen.cx < screen.cy ? portrait : square;
}

} // namespace

TEST(SetupOrder, MovesAndMarksReachConfigWithSevenRowsWithoutAPhone)
{
    Device device(bartest::OptionsWithPhone(false));
    ASSERT_TRUE(ReadyWithTestSkin(device, kPhoneOrder, "11011111"));
    SetupRun setup = StartSetup(device);
    ASSERT_TRUE(setup.sheet);
    HWND page = WaitForPage(setup.sheet, kStartWithSystem);
    ASSERT_TRUE(page);
    HWND list = GetDlgItem(page, kList);
    EXPECT_EQ(Marks(list), (std::vector<bool>{true, true, false, true, true, true, true, true}));

    SendKey(list, VK_HOME);
    SendKey(list, VK_DOWN);
    SendKey(list, VK_DOWN);   // "Home", unchecked
    ASSERT_EQ(SelectionMark(list), 2);
    HWND up = GetDlgItem(page, kMoveUp);
    SendMessageW(up, BM_CLICK, 0, 0);
    EXPECT_EQ(SelectionMark(list), 1);
    EXPECT_EQ(Marks(list), (std::vector<bool>{true, false, true, true, true, true, true, true}));
    SendMessageW(up, BM_CLICK, 0, 0);
    SendMessageW(up, BM_CLICK, 0, 0);   // the first row stays first
    EXPECT_EQ(SelectionMark(list), 0);
    EXPECT_EQ(Marks(list), (std::vector<bool>{false, true, true, true, true, true, true, true}));

    SendKey(list, VK_END);
    SendMessageW(GetDlgItem(page, kMoveDown), BM_CLICK, 0, 0);   // the last row stays last
    EXPECT_EQ(SelectionMark(list), 7);
    SendKey(list, VK_UP);
    SendKey(list, VK_SPACE);   // "Menu button" unchecked
    EXPECT_FALSE(RowChecked(list, 6));

    PressOk(device, setup.sheet);
    ASSERT_TRUE(WaitSetupEnd(device, setup));
    const std::string config = device.ReadFile(kConfigPath);
    EXPECT_EQ(ConfigValue(config, "Order"), "home,signal,connection,volume,battery,clock,menu");
    EXPECT_EQ(ConfigValue(config, "Display"), "0111110");
}

TEST(SetupOrder, StartWithSystemFollowsTheShortcutAndTheResetStartsTheBar)
{
    Device device;
    ASSERT_TRUE(ReadyWithTestSkin(device, kPhoneOrder, "11111111"));
    ASSERT_TRUE(device.WriteFile(kShortcutPath, "5#\\nope"));
    SetupRun setup = StartSetup(device);
    HWND page = WaitForPage(setup.sheet, kStartWithSystem);
    ASSERT_TRUE(page);
    EXPECT_EQ(SendMessageW(GetDlgItem(page, kStartWithSystem), BM_GETCHECK, 0, 0), BST_CHECKED);
    PostMessageW(page, WM_COMMAND, kExitCommand, 0);
    ASSERT_TRUE(WaitSetupEnd(device, setup));
    EXPECT_EQ(device.ReadFile(kShortcutPath), "5#\\nope");

    ASSERT_TRUE(DeleteFileW(emu::DevicePath(kShortcutPath).c_str()));
    setup = StartSetup(device);
    page = WaitForPage(setup.sheet, kStartWithSystem);
    ASSERT_TRUE(page);
    HWND check = GetDlgItem(page, kStartWithSystem);
    EXPECT_EQ(SendMessageW(check, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    SendMessageW(check, BM_CLICK, 0, 0);
    PressOk(device, setup.sheet);
    ASSERT_TRUE(WaitSetupEnd(device, setup));
    const std::string target = "\"D:\\Program Files\\Velkis\\Velkis\"";
    EXPECT_EQ(device.ReadFile(kShortcutPath), std::to_string(target.size()) + "#" + target);

    ASSERT_TRUE(device.Reset());
    EXPECT_TRUE(device.WaitForWindow(L"VelkisClass", nullptr, device.Taskbar(), 10000));
}

TEST(SetupOrder, BeforeTheBarsFirstStartTheDefaultRowsShowAndOkKeepsThemForTheBar)
{
    Device device;
    ASSERT_TRUE(device.Ready());
    ASSERT_FALSE(device.FileExists(kConfigPath));
    SetupRun setup = StartSetup(device);
    HWND page = WaitForPage(setup.sheet, kStartWithSystem);
    ASSERT_TRUE(page);
    EXPECT_EQ(Marks(GetDlgItem(page, kList)), std::vector<bool>(8, true));
    PressOk(device, setup.sheet);
    ASSERT_TRUE(WaitSetupEnd(device, setup));

    ASSERT_TRUE(device.StartBar());
    POINT centre;
    for (const wchar_t* button : {L"Home Normal", L"Battery/Memory Normal", L"Menu Normal"})
        EXPECT_TRUE(Device::WaitUntil([&] { return emu::FindBarButton(button, &centre); }, 3000)) << kit::Narrow(button);
}

TEST(SetupLayout, ControlsStandWhereTheScreensVariantPutsThem)
{
    Device device;
    ASSERT_TRUE(ReadyWithTestSkin(device, kPhoneOrder, "11111111"));
    SetupRun setup = StartSetup(device);
    HWND order = WaitForPage(setup.sheet, kStartWithSystem);
    ASSERT_TRUE(order);
    ExpectLayout(order, Variant(device, 129, 134, 137), {kList, kMoveUp, kMoveDown, kStartWithSystem});

    // The title's rule line under the band, black, with the page's white below it.
    const int s = device.Scale();
    POINT rule{30 * s, 25 * s};
    ClientToScreen(order, &rule);
    // Shown is not yet painted: the pixels are awaited (bounded).
    EXPECT_TRUE(bartest::Near(bartest::WaitForPixel(device, rule.x, rule.y, RGB(0, 0, 0)), RGB(0, 0, 0)));
    EXPECT_TRUE(bartest::Near(bartest::WaitForPixel(device, rule.x, rule.y + 3 * s, RGB(255, 255, 255)),
                              RGB(255, 255, 255)));

    SendMessageW(setup.sheet, PSM_SETCURSEL, 2, 0);
    HWND theme = WaitForPage(setup.sheet, kAddTheme);
    ASSERT_TRUE(theme);
    ExpectLayout(theme, Variant(device, 130, 139, 140), {kList, kAddTheme, 1012, 1013, 1014, 1015});

    PostMessageW(setup.sheet, WM_COMMAND, kAboutCommand, 0);
    HWND about = nullptr;
    // The box exists during its set-up, where it takes its size and layout: read once shown.
    Device::WaitUntil([&] {
        about = kit::FindProcessWindow(setup.process.pid, L"#32770", L"About");
        return about && IsWindowVisible(about);
    }, 5000);
    ASSERT_TRUE(about);
    ExpectLayout(about, Variant(device, 163, 166, 142), {1053, 1054});
    PostMessageW(about, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(device.WaitForNoWindow(L"#32770", L"About"));
    EXPECT_TRUE(ExitSetup(device, setup));
}
