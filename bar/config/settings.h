// Loading config.ini and the skin into the bar's button table, fonts and paths.
#pragma once
#include <windows.h>

constexpr int kSettingsPathCapacity = 100;

struct SettingsPaths {
    const wchar_t* programFolder;                   // the start-up value
    wchar_t configPath[kSettingsPathCapacity];
    wchar_t skinPath[kSettingsPathCapacity];
    wchar_t skinFolder[kSettingsPathCapacity];
};

extern SettingsPaths settingsPaths;
extern bool settingsLoaded;

// The whole load sequence; run at window creation and at every reload.
void LoadSettings();

// Reads Order from config.ini and rearranges the button table.
void ApplyOrder();

// Reads Order and Display from config.ini and sets the shown flags.
void ApplyVisibility();
