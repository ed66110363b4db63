// The setup program's one record of edited values, and its loading and saving.
#pragma once
#include <windows.h>
#include "common/font_spec.h"
#include <string>
#include <vector>

constexpr int kThemeFileCapacity = 100;
constexpr int kOrderCapacity = 60;
constexpr int kDisplayCapacity = 10;
constexpr int kTimerFontNameCapacity = kFontNameCapacity;   // a whole face name
constexpr int kProgramFolderCapacity = 100;

// Owned by the sheet for its whole life; every page holds a pointer to it.
struct SetupSettings {
    wchar_t themeFile[kThemeFileCapacity];       // full path of the active skin
    wchar_t order[kOrderCapacity];               // comma-separated Order words
    wchar_t display[kDisplayCapacity];           // "1"/"0" per Order row
    wchar_t timerFontName[kTimerFontNameCapacity];
    COLORREF timerColor;
    float timerSize;                             // points
    unsigned timerFontKeys;                      // kFont...Key bits of the timer values OK writes
    bool startWithSystem;                        // the start-up shortcut is to exist
    // "User Theme" Theme1 onwards as read, up to the first missing or empty key; the
    // My Theme page replaces them with all ten values and sets storeUserThemes.
    std::vector<std::wstring> userThemes;
    bool storeUserThemes;
};

// The running program's folder with its trailing backslash. False (out "") when the
// module path does not fit its buffer of kProgramFolderCapacity units: a cut path
// would name a wrong folder.
bool ProgramFolder(wchar_t* out, size_t capacity);

// program folder + "config.ini".
std::wstring SettingsFilePath(const wchar_t* programFolder);

// Fills settings from config.ini and the active skin's "Timer Font" section. A
// missing value counts as empty; a missing or empty "Display" is written as
// "11111111" at once and used. Without Order or Theme File the bar's defaults are
// used; a Theme File longer than its field is not taken (themeFile stays empty,
// and SaveSettings then leaves it as it is). A "Timer Font" key the skin lacks
// shows as the bar draws it (Tahoma, 9, black) and is not among timerFontKeys.
// All of it under one hold of the INI files' lock: a hung holder costs one wait.
void LoadSettings(SetupSettings* settings, const wchar_t* programFolder);

// Writes "User Theme" (when storeUserThemes), Order, Theme File (unless empty)
// and Display, creates or deletes the start-up shortcut, and writes those of Name,
// Color and Size of the skin's "Timer Font" that timerFontKeys names, all under one
// hold of the INI files' lock. False, writing nothing, when the lock cannot be had;
// other failures are ignored.
bool SaveSettings(const SetupSettings& settings, const wchar_t* programFolder);

// "Size" as written: one decimal below 11 with a fractional part, else none.
std::string FormatTimerSize(float size);
