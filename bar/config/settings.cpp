// config.ini for the bar: paths and defaults, order and visibility of the button table.
#include "bar/config/settings.h"
#include "bar/config/buttons.h"
#include "bar/config/skin.h"
#include "common/order_words.h"
#include "common/settings_contract.h"
#include "common/ini.h"
#include <strsafe.h>

SettingsPaths settingsPaths = {};

namespace {

constexpr int kValueCapacity = 100;

// Reads a key of config.ini, widened; empty when missing.
void ReadConfigWide(const char* section, const char* key, wchar_t* out, size_t capacity)
{
    char value[kValueCapacity] = "";
    IniReadValue(settingsPaths.configPath, section, key, value, sizeof(value));
    AnsiToWide(value, out, capacity);
}

void ResolveSkinPath(bool phone)
{
    char value[kValueCapacity] = "";
    int result = IniReadValue(settingsPaths.configPath, kSettingsSection, kThemeFileKey, value, sizeof(value));
    if (result == INI_SUCCESS && value[0] != '\0') {
        AnsiToWide(value, settingsPaths.skinPath, kSettingsPathCapacity);
        return;
    }
    StringCchCopyW(settingsPaths.skinPath, kSettingsPathCapacity, settingsPaths.defaultSkinPath);
    char narrow[kSettingsPathCapacity];
    WideToAnsi(settingsPaths.skinPath, narrow, sizeof(narrow));
    IniWriteValue(settingsPaths.configPath, kSettingsSection, kThemeFileKey, narrow);
    IniWriteValue(settingsPaths.configPath, kTopBarSection, kOrderKey, DefaultOrder(phone));
}

void EnsureDisplay(bool phone)
{
    char value[kValueCapacity] = "";
    int result = IniReadValue(settingsPaths.configPath, kTopBarSection, kDisplayKey, value, sizeof(value));
    if (result != INI_SUCCESS || value[0] == '\0')
        IniWriteValue(settingsPaths.configPath, kTopBarSection, kDisplayKey, DefaultDisplay(phone));
}

} // namespace

void TakeImageSizes(ButtonTable& buttons, SignalImageSet& signal, bool phone)
{
    for (ButtonRecord& record : buttons.slots) {
        SIZE size = BitmapSize(record.normalImage);
        record.width = size.cx;
        record.height = size.cy;
    }
    if (!phone)
        return;
    for (ButtonRecord& record : signal.levels) {
        SIZE size = BitmapSize(record.normalImage);
        record.width = size.cx;
        record.height = size.cy;
    }
}

void ApplyOrder(ButtonTable& buttons, bool phone)
{
    wchar_t order[kValueCapacity];
    ReadConfigWide(kTopBarSection, kOrderKey, order, kValueCapacity);
    ApplyOrderText(buttons, order, phone);
}

void ApplyVisibility(ButtonTable& buttons)
{
    wchar_t order[kValueCapacity];
    wchar_t display[kValueCapacity];
    ReadConfigWide(kTopBarSection, kOrderKey, order, kValueCapacity);
    ReadConfigWide(kTopBarSection, kDisplayKey, display, kValueCapacity);
    ApplyVisibilityText(buttons, order, display);
}

void ResolveSettingsPaths(const wchar_t* programFolder, bool phone)
{
    settingsPaths.programFolder = programFolder;
    PathBelowProgramFolder(programFolder, kConfigFileName, settingsPaths.configPath, kSettingsPathCapacity);
    PathBelowProgramFolder(programFolder, kDefaultSkinPath, settingsPaths.defaultSkinPath, kSettingsPathCapacity);
    ResolveSkinPath(phone);
    EnsureDisplay(phone);
    SkinFolderOf(settingsPaths.skinPath, settingsPaths.skinFolder, kSettingsPathCapacity);
}
