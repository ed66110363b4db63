// The bar's load sequence: config.ini with its defaults, the skin, order and visibility.
#include "bar/config/settings.h"
#include "bar/config/buttons.h"
#include "bar/config/fonts.h"
#include "bar/config/skin.h"
#include "bar/core/bar_state.h"
#include "bar/actions/close_button.h"
#include "bar/status/indicators.h"
#include "common/ini.h"
#include <strsafe.h>

SettingsPaths settingsPaths = {};
bool settingsLoaded = false;

namespace {

constexpr int kValueCapacity = 100;
constexpr char kSettingsSection[] = "Settings";
constexpr char kThemeFileKey[] = "Theme File";
constexpr char kTopBarSection[] = "TopBar Settings";

// Reads a key of config.ini, widened; empty when missing.
void ReadConfigWide(const char* section, const char* key, wchar_t* out, size_t capacity)
{
    char value[kValueCapacity] = "";
    IniReadValue(settingsPaths.configPath, section, key, value, sizeof(value));
    AnsiToWide(value, out, capacity);
}

void ResolveSkinPath()
{
    char value[kValueCapacity] = "";
    int result = IniReadValue(settingsPaths.configPath, kSettingsSection, kThemeFileKey, value, sizeof(value));
    if (result == INI_SUCCESS && value[0] != '\0') {
        AnsiToWide(value, settingsPaths.skinPath, kSettingsPathCapacity);
        return;
    }
    StringCchPrintfW(settingsPaths.skinPath, kSettingsPathCapacity, L"%s\\%s", settingsPaths.programFolder,
                     L"Themes\\Default\\barconfin.skin");
    char narrow[kSettingsPathCapacity];
    WideToAnsi(settingsPaths.skinPath, narrow, sizeof(narrow));
    IniWriteValue(settingsPaths.configPath, kSettingsSection, kThemeFileKey, narrow);
    IniWriteValue(settingsPaths.configPath, kTopBarSection, "Order", DefaultOrder(PhoneEdition));
}

void EnsureDisplay()
{
    char value[kValueCapacity] = "";
    int result = IniReadValue(settingsPaths.configPath, kTopBarSection, "Display", value, sizeof(value));
    if (result != INI_SUCCESS || value[0] == '\0')
        IniWriteValue(settingsPaths.configPath, kTopBarSection, "Display", DefaultDisplay(PhoneEdition));
}

void TakeImageSizes()
{
    for (ButtonRecord& record : buttonTable.slots) {
        SIZE size = BitmapSize(record.normalImage);
        record.width = size.cx;
        record.height = size.cy;
    }
    if (!PhoneEdition)
        return;
    for (ButtonRecord& record : signalImages.levels) {
        SIZE size = BitmapSize(record.normalImage);
        record.width = size.cx;
        record.height = size.cy;
    }
}

// A hand-written Order may leave a button out of the table altogether.
bool IsShown(int id)
{
    int slot = FindSlotById(buttonTable, id);
    return slot >= 0 && buttonTable.slots[slot].shown;
}

} // namespace

void ApplyOrder()
{
    wchar_t order[kValueCapacity];
    ReadConfigWide(kTopBarSection, "Order", order, kValueCapacity);
    ApplyOrderText(buttonTable, order, PhoneEdition);
}

void ApplyVisibility()
{
    wchar_t order[kValueCapacity];
    wchar_t display[kValueCapacity];
    ReadConfigWide(kTopBarSection, "Order", order, kValueCapacity);
    ReadConfigWide(kTopBarSection, "Display", display, kValueCapacity);
    ApplyVisibilityText(buttonTable, order, display);
}

void LoadSettings()
{
    HCURSOR previousCursor = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    settingsLoaded = false;

    settingsPaths.programFolder = programFolder;
    StringCchPrintfW(settingsPaths.configPath, kSettingsPathCapacity, L"%s\\%s", programFolder, L"config.ini");
    ResolveSkinPath();
    EnsureDisplay();
    SkinFolderOf(settingsPaths.skinPath, settingsPaths.skinFolder, kSettingsPathCapacity);

    LoadSkin(barWindow, settingsPaths.skinPath);
    LoadSkinFonts(settingsPaths.skinPath);
    ApplyOrder();
    TakeImageSizes();
    settingsLoaded = true;
    ApplySkinScale(settingsPaths.skinPath, ScaleFactor);
    ApplyVisibility();
    closePairInUse = IsShown(BUTTON_CLOSE) || IsShown(BUTTON_OK);

    RefreshStatusIndicators();
    lastForegroundWindow = GetForegroundWindow();
    UpdateCloseButtonState();
    SetCursor(previousCursor);
}
