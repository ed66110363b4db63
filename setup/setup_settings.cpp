// Loading SetupSettings from config.ini and the skin, and saving them back.
#include "setup/setup_settings.h"
#include "setup/startup_shortcut.h"
#include "common/cellular_line.h"
#include "common/font_spec.h"
#include "common/order_words.h"
#include "common/ini.h"
#include "common/ini_file.h"
#include "common/settings_contract.h"
#include <strsafe.h>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

// The setup program offers every row shown, phone or not.
const char* const kDefaultDisplay = DefaultDisplay(true);

// The value of key, or "" when it cannot be read.
void ReadText(const wchar_t* path, const char* section, const char* key, char (&out)[INI_LINE_MAX + 1])
{
    if (IniReadValue(path, section, key, out, sizeof out) != INI_SUCCESS)
        out[0] = '\0';
}

void WriteWide(const wchar_t* path, const char* section, const char* key, const wchar_t* value)
{
    char narrow[INI_LINE_MAX + 1];
    WideToAnsi(value, narrow, sizeof narrow);
    IniWriteValue(path, section, key, narrow);
}

std::string UserThemeKey(int k)
{
    char key[16];
    StringCchPrintfA(key, sizeof key, "Theme%d", k);
    return key;
}

} // namespace

bool ProgramFolder(wchar_t* out, size_t capacity)
{
    if (capacity == 0)
        return false;
    out[0] = L'\0';
    wchar_t module[kProgramFolderCapacity];
    const DWORD copied = GetModuleFileNameW(nullptr, module, kProgramFolderCapacity);
    wchar_t folder[kProgramFolderCapacity];
    if (!ProgramFolderFromModulePath(module, copied, kProgramFolderCapacity, folder, kProgramFolderCapacity))
        return false;
    if (SUCCEEDED(StringCchPrintfW(out, capacity, L"%s\\", folder)))
        return true;
    out[0] = L'\0';
    return false;
}

std::wstring SettingsFilePath(const wchar_t* programFolder)
{
    wchar_t path[kProgramFolderCapacity + 16];
    PathBelowProgramFolder(programFolder, kConfigFileName, path, sizeof(path) / sizeof(path[0]));
    return path;
}

void LoadSettings(SetupSettings* settings, const wchar_t* programFolder)
{
    *settings = SetupSettings{};
    IniFilesLock filesLock;
    const std::wstring path = SettingsFilePath(programFolder);
    char value[INI_LINE_MAX + 1];

    // Before the bar's first start there is no config.ini: the bar's own defaults are
    // offered, so that OK keeps the buttons the bar would show.
    ReadText(path.c_str(), kTopBarSection, kOrderKey, value);
    AnsiToWide(value[0] ? value : DefaultOrder(DetectCellularLine()), settings->order, kOrderCapacity);
    ReadText(path.c_str(), kSettingsSection, kThemeFileKey, value);
    if (strlen(value) >= static_cast<size_t>(kThemeFileCapacity))
        settings->themeFile[0] = L'\0';   // cut, it would name another file: left as it is
    else if (value[0])
        AnsiToWide(value, settings->themeFile, kThemeFileCapacity);
    else
        PathBelowProgramFolder(programFolder, kDefaultSkinPath, settings->themeFile, kThemeFileCapacity);
    ReadText(path.c_str(), kTopBarSection, kDisplayKey, value);
    if (value[0] == '\0') {
        IniWriteValue(path.c_str(), kTopBarSection, kDisplayKey, kDefaultDisplay);
        StringCchCopyA(value, sizeof value, kDefaultDisplay);
    }
    AnsiToWide(value, settings->display, kDisplayCapacity);
    for (int k = 1; k <= kUserThemeKeys; ++k) {
        ReadText(path.c_str(), kUserThemeSection, UserThemeKey(k).c_str(), value);
        if (!value[0])
            break;
        wchar_t skin[INI_LINE_MAX + 1];
        AnsiToWide(value, skin, INI_LINE_MAX + 1);
        settings->userThemes.push_back(skin);
    }

    // The skin's clock font; what it lacks is offered as the bar draws it, and only
    // written back once the Timer page has stored it.
    unsigned found = 0;
    const FontSpec timerFont = ReadFontSpec(settings->themeFile, kTimerFontSection, kSkinFontDefaults, &found);
    StringCchCopyW(settings->timerFontName, kTimerFontNameCapacity, timerFont.name);
    settings->timerSize = static_cast<float>(timerFont.size);
    settings->timerColor = timerFont.color;
    settings->timerFontKeys = found & (kFontNameKey | kFontSizeKey | kFontColorKey);
}

bool SaveSettings(const SetupSettings& settings, const wchar_t* programFolder)
{
    // A hung holder may be halfway through these files: the person's choices stay on screen.
    IniFilesLock filesLock;
    if (!filesLock.Held())
        return false;
    const std::wstring path = SettingsFilePath(programFolder);
    for (int k = 1; settings.storeUserThemes && k <= kUserThemeKeys; ++k) {
        const size_t i = static_cast<size_t>(k - 1);
        WriteWide(path.c_str(), kUserThemeSection, UserThemeKey(k).c_str(),
                  i < settings.userThemes.size() ? settings.userThemes[i].c_str() : L"");
    }
    WriteWide(path.c_str(), kTopBarSection, kOrderKey, settings.order);
    // Empty only when config.ini's skin did not fit the field and no other was chosen.
    if (settings.themeFile[0])
        WriteWide(path.c_str(), kSettingsSection, kThemeFileKey, settings.themeFile);
    WriteWide(path.c_str(), kTopBarSection, kDisplayKey, settings.display);

    WriteStartUpShortcut(settings.startWithSystem, programFolder);

    if (settings.themeFile[0] == L'\0')
        return true;   // no skin to write the clock's font into
    if (settings.timerFontKeys & kFontNameKey)
        WriteWide(settings.themeFile, kTimerFontSection, "Name", settings.timerFontName);
    if (settings.timerFontKeys & kFontColorKey) {
        char number[32];
        StringCchPrintfA(number, sizeof number, "%d", static_cast<int>(settings.timerColor));
        IniWriteValue(settings.themeFile, kTimerFontSection, "Color", number);
    }
    if (settings.timerFontKeys & kFontSizeKey)
        IniWriteValue(settings.themeFile, kTimerFontSection, "Size", FormatTimerSize(settings.timerSize).c_str());
    return true;
}

std::string FormatTimerSize(float size)
{
    char text[32];
    const bool fractional = size != std::floor(size);
    StringCchPrintfA(text, sizeof text, size < 11 && fractional ? "%.1f" : "%.0f", static_cast<double>(size));
    return text;
}
