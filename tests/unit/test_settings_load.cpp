// The bar's load sequence on real files: config.ini defaults, skin images, fonts, reloads.
#include <gtest/gtest.h>
#include <atomic>
#include <string>
#include <thread>
#include "bar/config/buttons.h"
#include "bar/config/fonts.h"
#include "bar/config/settings.h"
#include "bar/config/skin.h"
#include "bar/core/appearance.h"
#include "bar/layout/bar_state.h"
#include "bar/layout/button_table.h"
#include "bar/core/bar_window.h"
#include "bar/core/startup.h"
#include "bar/core/stylus.h"
#include "common/ini_file.h"
#include "setup/theme_skins.h"
#include "tests/unit/fake_taskbar.h"
#include "tests/unit/gdi_count.h"
#include "tests/unit/image_files.h"
#include "tests/unit/ini_test_folder.h"

namespace {

std::string Narrow(const std::wstring& text)
{
    std::string out;
    for (wchar_t c : text)
        out += static_cast<char>(c);
    return out;
}

TestPixels Solid(int width, int height, COLORREF colour)
{
    TestPixels pixels;
    pixels.width = width;
    pixels.height = height;
    pixels.colours.assign(size_t(width) * height, colour);
    return pixels;
}

const char kFullSkin[] =
    "[Skin Info]\r\nName=Test\r\nHiRes=0\r\n"
    "[Topbar]\r\nLandscape=bg_land.bmp\r\nPortrait=bg_port.bmp\r\n"
    "[Button Images]\r\n"
    "Start Menu Normal=start.bmp\r\nStart Menu Pressed=start.bmp\r\n"
    "Menu Normal=img\\menu.bmp\r\n"                 // no Pressed: the Normal file serves both
    "Close Normal=close.bmp\r\nClose Pressed=close_down.bmp\r\n"
    "OK Normal=ok.bmp\r\nOK Pressed=ok.bmp\r\n"
    "Volume Normal=vol.bmp\r\nVolume Pressed=vol.bmp\r\n"
    "Mute Normal=no_such_file.bmp\r\nMute Pressed=no_such_file.bmp\r\n"
    "Battery/Memory Normal=bat.bmp\r\nBattery/Memory Pressed=bat.bmp\r\n"
    "Home Normal=home.bmp\r\nHome Pressed=home.bmp\r\n"
    "Connection Normal=conn.bmp\r\nConnection Pressed=conn.bmp\r\n"
    "Disconnect Normal=disc.bmp\r\nDisconnect Pressed=\r\n"
    "[Signal Images]\r\nSignal0 Normal=sig.bmp\r\nSignal0 Pressed=sig.bmp\r\n"
    "Signal1 Normal=sig.bmp\r\n"
    "[Volume image]\r\nVolume=popup_vol.bmp\r\n"
    "[Battery image]\r\nBattery=popup_bat.bmp\r\n"
    "[Title Font]\r\nName=Tahoma\r\nSize=9.5\r\nStyle=3\r\nColor=255\r\n"
    "[Timer Font]\r\nName=Courier New\r\nSize=12\r\nStyle=0\r\nColor=65280\r\n"
    "[Dialog Title]\r\nName=Arial\r\n";

class SettingsLoadTest : public ::testing::Test {
protected:
    IniTestFolder folder;
    std::wstring skinDir;

    void SetUp() override
    {
        std::wstring root = folder.Path(L"");
        root.pop_back();
        wcsncpy(programFolder, root.c_str(), kProgramPathCapacity - 1);
        barInstance = GetModuleHandleW(nullptr);
        barWindow = nullptr;
        ScaleFactor = 1;
        PhoneEdition = true;
        CreateDirectoryW(folder.Path(L"Themes").c_str(), nullptr);
        skinDir = folder.Path(L"Themes\\Default");
        CreateDirectoryW(skinDir.c_str(), nullptr);
        CreateDirectoryW((skinDir + L"\\img").c_str(), nullptr);
        Image(L"bg_land.bmp", 320, 26, RGB(10, 10, 10));
        Image(L"bg_port.bmp", 240, 26, RGB(20, 20, 20));
        Image(L"start.bmp", 60, 26, RGB(0, 0, 200));
        Image(L"img\\menu.bmp", 21, 26, RGB(1, 2, 3));
        Image(L"close.bmp", 22, 26, RGB(200, 0, 0));
        Image(L"close_down.bmp", 22, 26, RGB(0, 200, 0));
        for (const wchar_t* name : {L"ok.bmp", L"vol.bmp", L"bat.bmp", L"home.bmp", L"conn.bmp", L"disc.bmp"})
            Image(name, 18, 24, RGB(90, 90, 90));
        Image(L"sig.bmp", 17, 26, RGB(40, 40, 40));
        Image(L"popup_vol.bmp", 80, 100, RGB(255, 0, 255));
        Image(L"popup_bat.bmp", 200, 150, RGB(0, 0, 0));
    }
    void TearDown() override { ReleaseAppearance(); }

    void Image(const wchar_t* name, int width, int height, COLORREF colour)
    {
        WriteBytes(skinDir + L"\\" + name, EncodeBmp24(Solid(width, height, colour)));
    }
    std::wstring SkinPath() const { return skinDir + L"\\barconfin.skin"; }
    std::wstring ConfigPath() const { return folder.Path(L"config.ini"); }
    void WriteSkin(const std::string& text) { IniTestFolder::Write(SkinPath(), text); }
    void Load()
    {
        ReleaseAppearance();
        LoadAppearance();
    }
    const ButtonRecord& Button(int id) { return buttonTable.slots[FindSlotById(buttonTable, id)]; }
    void DestroyBar()
    {
        DestroyWindow(barWindow);
        barWindow = nullptr;
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            if (msg.message != WM_QUIT)
                DispatchMessageW(&msg);
        UnregisterClassW(kBarClassName, GetModuleHandleW(nullptr));
    }
};

} // namespace

TEST_F(SettingsLoadTest, FirstStartWritesThemeOrderAndDisplayWithAndWithoutAPhone)
{
    const struct { bool phone; const char* settings; } cases[] = {
        {true, "Display=11111111\nOrder=signal,connection,home,volume,battery,clock,menu,close\n"},
        {false, "Display=1111111\nOrder=connection,home,volume,battery,clock,menu,close\n"},
    };
    for (const auto& c : cases) {
        PhoneEdition = c.phone;
        DeleteFileW(ConfigPath().c_str());
        WriteSkin(kFullSkin);
        Load();
        // Display, written last, is a new key of an existing section: it goes under the header.
        EXPECT_EQ(IniTestFolder::Read(ConfigPath()),
                  "[Settings]\nTheme File=" + Narrow(SkinPath()) + "\n[TopBar Settings]\n" + c.settings);
        EXPECT_EQ(std::wstring(settingsPaths.skinPath), SkinPath());
        EXPECT_EQ(std::wstring(settingsPaths.skinFolder), skinDir);
        // Without a phone the signal set is never read.
        EXPECT_EQ(signalImages.levels[0].normalImage != nullptr, c.phone);
        for (const ButtonRecord& level : signalImages.levels)
            EXPECT_TRUE(c.phone || (!level.normalImage && !level.shown));
    }
}

TEST_F(SettingsLoadTest, ATapOnAFreshlyLoadedBarHitsItsButtonBeforeAnyPaint)
{
    WriteSkin(kFullSkin);
    IniTestFolder::Write(ConfigPath(), "[Settings]\nTheme File=" + Narrow(SkinPath()) +
                                           "\n[TopBar Settings]\nOrder=signal,connection,home,volume,battery,clock,menu,close"
                                           "\nDisplay=00100010\n");
    Load();   // no window: nothing is ever painted
    const int right = GetSystemMetrics(SM_CXSCREEN);
    bool enabled = false;
    EXPECT_EQ(HitTestButton(POINT{right - 1, 25}, &enabled), BUTTON_MENU);   // 21 wide, at the right edge
    EXPECT_TRUE(enabled);
    EXPECT_EQ(HitTestButton(POINT{right - 21, 0}, &enabled), BUTTON_MENU);
    EXPECT_EQ(HitTestButton(POINT{right - 22, 0}, &enabled), BUTTON_HOME);   // 18 wide, 24 high
    EXPECT_EQ(HitTestButton(POINT{right - 39, 23}, &enabled), BUTTON_HOME);
    EXPECT_EQ(HitTestButton(POINT{right - 39, 24}, &enabled), -1);
    EXPECT_EQ(HitTestButton(POINT{right - 40, 10}, &enabled), -1);          // the title
    EXPECT_EQ(HitTestButton(POINT{59, 25}, &enabled), BUTTON_START_MENU);
}

TEST_F(SettingsLoadTest, AThemeFileWithoutOrderIsNotCompletedAndAnEmptyOneIsReset)
{
    WriteSkin(kFullSkin);
    std::string config = "[Settings]\r\nTheme File=" + Narrow(SkinPath()) + "\r\n[TopBar Settings]\r\nDisplay=1011\r\n";
    IniTestFolder::Write(ConfigPath(), config);
    Load();
    EXPECT_EQ(IniTestFolder::Read(ConfigPath()), config);
    for (int slot = 0; slot < kButtonCount; ++slot)
        EXPECT_EQ(buttonTable.slots[slot].id, slot);

    // An empty Theme File brings back the default skin and order; Display stays.
    IniTestFolder::Write(ConfigPath(), "[Settings]\r\nTheme File=\r\n[TopBar Settings]\r\nDisplay=1011\r\n");
    Load();
    std::string after = IniTestFolder::Read(ConfigPath());
    EXPECT_NE(after.find("Theme File=" + Narrow(SkinPath()) + "\n"), std::string::npos) << after;
    EXPECT_NE(after.find("Order=signal,connection,home"), std::string::npos) << after;
    EXPECT_NE(after.find("Display=1011\n"), std::string::npos) << after;
}

TEST_F(SettingsLoadTest, ImagesFollowTheMissingKeyAndMissingFileRules)
{
    WriteSkin(kFullSkin);
    Load();
    // Sub-folder names resolve against the skin's folder; sizes are the normal image's.
    EXPECT_NE(Button(BUTTON_MENU).normalImage, nullptr);
    EXPECT_EQ(Button(BUTTON_MENU).width, 21);
    EXPECT_EQ(Button(BUTTON_MENU).height, 26);
    // No Pressed key: the value read before it (the Normal file) is used again.
    ASSERT_NE(Button(BUTTON_MENU).pressedImage, nullptr);
    EXPECT_NE(Button(BUTTON_MENU).pressedImage, Button(BUTTON_MENU).normalImage);
    EXPECT_EQ(BitmapSize(Button(BUTTON_MENU).pressedImage).cx, 21);
    EXPECT_EQ(SectionPixel(Button(BUTTON_CLOSE).pressedImage, 3, 3), RGB(0, 200, 0));
    // A missing file gives no image and no room.
    EXPECT_EQ(Button(BUTTON_MUTE).normalImage, nullptr);
    EXPECT_EQ(Button(BUTTON_MUTE).width, 0);
    EXPECT_EQ(Button(BUTTON_MUTE).height, 0);
    // An empty value gives no image.
    EXPECT_EQ(Button(BUTTON_DISCONNECT).pressedImage, nullptr);
    // Start button: fixed rectangle.
    EXPECT_EQ(buttonTable.slots[0].rect.right, 60);
    EXPECT_EQ(buttonTable.slots[0].rect.bottom, 26);
    // Backgrounds and popups keep their sizes.
    EXPECT_EQ(skinImages.landscape.width, 320);
    EXPECT_EQ(skinImages.portrait.width, 240);
    EXPECT_EQ(skinImages.volumePopup.height, 100);
    EXPECT_EQ(skinImages.batteryPopup.width, 200);
    for (HICON icon : skinImages.menuIcons)
        EXPECT_NE(icon, nullptr);
}

TEST_F(SettingsLoadTest, SignalSetReusesValuesButClearsBeforeEachPressedKey)
{
    WriteSkin(kFullSkin);
    Load();
    const ButtonRecord* levels = signalImages.levels;
    EXPECT_NE(levels[0].normalImage, nullptr);
    EXPECT_NE(levels[0].pressedImage, nullptr);
    EXPECT_NE(levels[1].normalImage, nullptr);
    EXPECT_EQ(levels[1].pressedImage, nullptr);   // missing Pressed: cleared buffer, no image
    EXPECT_EQ(levels[2].normalImage, nullptr);    // takes level 1's empty Pressed value
    EXPECT_EQ(levels[0].width, 17);
    for (const ButtonRecord& level : signalImages.levels) {
        EXPECT_EQ(level.id, BUTTON_SIGNAL);
        EXPECT_TRUE(level.shown);
        EXPECT_TRUE(level.enabled);
    }
}

TEST_F(SettingsLoadTest, BothProgramsReadHiResAlike)
{
    WriteSkin(kFullSkin);
    Load();
    EXPECT_EQ(ImageScale, 1);
    // A HiRes skin: the bar draws its images at their own size on a scale-2 screen,
    // the setup program does not list it on a 240-pixel one. No key or no number counts as 0.
    ScaleFactor = 2;
    const struct { const char* value; bool hiRes; } cases[] = {
        {"HiRes=0", false}, {"HiRes=1", true}, {"HiRes=2", true}, {"HiRes=x", false}, {"", false}};
    for (const auto& c : cases) {
        std::string skin = kFullSkin;
        skin.replace(skin.find("HiRes=0"), 7, c.value);
        WriteSkin(skin);
        Load();
        EXPECT_EQ(ImageScale, c.hiRes ? 1 : 2) << "the bar, " << c.value;
        EXPECT_EQ(skinHiRes, c.hiRes) << c.value;
        EXPECT_EQ(buttonTable.slots[0].rect.right, 120) << "the start button follows the screen";
        EXPECT_EQ(ScanSkinFolder(skinDir, 240).empty(), c.hiRes) << "the setup program, " << c.value;
    }
}

TEST_F(SettingsLoadTest, FontsUseTheIntegerPointSizeAndStyleFlags)
{
    WriteSkin(kFullSkin);
    Load();
    // Nine points are 12 pixels at 96 dpi, 24 at 192.
    int dpi = ScreenLogPixelsY();
    ASSERT_TRUE(dpi == 96 || dpi == 192) << dpi;
    const LONG ninePoints = dpi == 96 ? -12 : -24;

    LOGFONTW title;
    ASSERT_TRUE(GetObjectW(titleFont.font, sizeof(title), &title));
    EXPECT_EQ(title.lfHeight, ninePoints);
    EXPECT_EQ(title.lfWeight, FW_BOLD);
    EXPECT_TRUE(title.lfItalic);
    EXPECT_STREQ(title.lfFaceName, L"Tahoma");
    EXPECT_EQ(titleFont.color, RGB(255, 0, 0));

    LOGFONTW timer;
    ASSERT_TRUE(GetObjectW(timerFont.font, sizeof(timer), &timer));
    EXPECT_EQ(timer.lfWeight, FW_NORMAL);
    EXPECT_FALSE(timer.lfItalic);
    EXPECT_STREQ(timer.lfFaceName, L"Courier New");
    EXPECT_EQ(timerFont.color, RGB(0, 255, 0));

    // Missing Size, Style and Color take defaults rather than the Name.
    LOGFONTW dialog;
    ASSERT_TRUE(GetObjectW(dialogTitleFont.font, sizeof(dialog), &dialog));
    EXPECT_EQ(dialog.lfHeight, ninePoints);
    EXPECT_STREQ(dialog.lfFaceName, L"Arial");
    EXPECT_EQ(dialogTitleFont.color, 0u);
}

TEST(FontRules, SizeAndHeightConversions)
{
    EXPECT_EQ(ParseSizePoints("9.5"), 9);
    EXPECT_EQ(ParseSizePoints("12"), 12);
    EXPECT_EQ(ParseSizePoints(""), 0);
    EXPECT_EQ(ParseSizePoints("abc"), 0);
    EXPECT_EQ(ParseSizePoints("99999999999999999999"), 999999);   // stops before it can overflow
    EXPECT_EQ(ParseSizePoints("-5"), 0);
    EXPECT_EQ(FontHeightForPoints(9, 96), -12);
    EXPECT_EQ(FontHeightForPoints(8, 96), -11);   // 10.67 rounds up
    EXPECT_EQ(FontHeightForPoints(9, 192), -24);
}

TEST_F(SettingsLoadTest, SkinWithoutAnyKeysLoadsNothingAndNeverCrashes)
{
    WriteSkin("garbage without sections\r\n=\r\n[[[\r\n");
    Load();
    for (const ButtonRecord& record : buttonTable.slots) {
        EXPECT_EQ(record.normalImage, nullptr);
        EXPECT_EQ(record.width, 0);
    }
    EXPECT_EQ(skinImages.portrait.bitmap, nullptr);
    EXPECT_NE(titleFont.font, nullptr);
    // A skin that does not exist at all behaves the same.
    IniTestFolder::Write(ConfigPath(), "[Settings]\r\nTheme File=D:\\nowhere\\x.skin\r\n");
    Load();
    EXPECT_EQ(buttonTable.slots[1].normalImage, nullptr);
}

TEST_F(SettingsLoadTest, HundredReloadsLeakNoGdiObjects)
{
    WriteSkin(kFullSkin);
    Load();
    int before = GdiObjectCount();
    ASSERT_GT(before, 0);
    for (int i = 0; i < 100; ++i)
        Load();
    int after = GdiObjectCount();
    EXPECT_EQ(after, before);
    ReleaseAppearance();
    EXPECT_EQ(buttonTable.slots[1].normalImage, nullptr);
    EXPECT_EQ(titleFont.font, nullptr);
}

TEST_F(SettingsLoadTest, AnEditedSkinShowsAfterTheUpdateMessage)
{
    WriteSkin(kFullSkin);
    FakeTaskbar taskbar;
    ASSERT_TRUE(CreateBarWindow(GetModuleHandleW(nullptr), SW_SHOWNOACTIVATE));
    EXPECT_EQ(Button(BUTTON_MENU).width, 21);

    Image(L"img\\menu.bmp", 33, 26, RGB(5, 5, 5));
    SendMessageW(barWindow, updateMessageId, 0, 0);
    // The reload ran inside the send.
    EXPECT_EQ(Button(BUTTON_MENU).width, 33);

    IniTestFolder::Write(ConfigPath(), "[Settings]\nTheme File=" + Narrow(SkinPath()) +
                                           "\n[TopBar Settings]\nOrder=signal,connection,home,volume,battery,clock,menu,close"
                                           "\nDisplay=00000000\n");
    SendMessageW(barWindow, updateMessageId, 0, 0);
    for (const ButtonRecord& record : buttonTable.slots)
        EXPECT_TRUE(record.id == BUTTON_START_MENU || !record.shown) << record.id;

    DestroyBar();
}

TEST_F(SettingsLoadTest, AHungHolderOfTheFilesLockCostsOneWaitAndChangesNeitherTheFilesNorTheBar)
{
    WriteSkin(kFullSkin);
    FakeTaskbar taskbar;
    ASSERT_TRUE(CreateBarWindow(GetModuleHandleW(nullptr), SW_SHOWNOACTIVATE));
    ASSERT_EQ(Button(BUTTON_MENU).width, 21);
    // What a load would change: a wider menu image, and an empty Theme File that it
    // would fill with the defaults.
    Image(L"img\\menu.bmp", 33, 26, RGB(5, 5, 5));
    const std::string config = "[Settings]\nTheme File=\n[TopBar Settings]\nOrder=menu\nDisplay=0\n";
    IniTestFolder::Write(ConfigPath(), config);
    {
        // Another program that hangs while it holds the lock.
        HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        std::atomic<bool> taken{false};
        std::thread holder([&] {
            const bool held = IniLockFiles();
            taken = true;
            WaitForSingleObject(release, 60000);
            if (held)
                IniUnlockFiles();
        });
        while (!taken)
            Sleep(1);
        DWORD start = GetTickCount();
        SendMessageW(barWindow, updateMessageId, 0, 0);
        const DWORD waited = GetTickCount() - start;
        EXPECT_GE(waited, 9000u);
        EXPECT_LT(waited, 15000u) << "one wait, not one per lookup";
        EXPECT_EQ(Button(BUTTON_MENU).width, 21) << "the bar keeps what it wears";
        EXPECT_TRUE(Button(BUTTON_MENU).shown);
        EXPECT_EQ(IniTestFolder::Read(ConfigPath()), config);

        // The process waits no more; a first load reads the files as they stand and writes nothing.
        start = GetTickCount();
        SendMessageW(barWindow, updateMessageId, 0, 0);
        Load();
        EXPECT_LT(GetTickCount() - start, 3000u);
        EXPECT_EQ(Button(BUTTON_MENU).width, 33);
        EXPECT_FALSE(Button(BUTTON_MENU).shown);
        EXPECT_EQ(IniTestFolder::Read(ConfigPath()), config);
        SetEvent(release);
        holder.join();
        CloseHandle(release);
    }
    // Once the holder lets go, the next update reloads and writes the defaults.
    Image(L"img\\menu.bmp", 40, 26, RGB(5, 5, 5));
    SendMessageW(barWindow, updateMessageId, 0, 0);
    EXPECT_EQ(Button(BUTTON_MENU).width, 40);
    EXPECT_NE(IniTestFolder::Read(ConfigPath()).find("Theme File=" + Narrow(SkinPath())), std::string::npos);

    DestroyBar();
}
