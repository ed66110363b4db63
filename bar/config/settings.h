// config.ini for the bar: the paths it names, its defaults, and the order and visibility it sets.
//
// These are steps of the load sequence; bar/core/appearance.cpp runs them in order.
#pragma once
#include <windows.h>
#include "bar/config/buttons.h"

constexpr int kSettingsPathCapacity = 100;

struct SettingsPaths {
    const wchar_t* programFolder;                   // the start-up value
    wchar_t configPath[kSettingsPathCapacity];
    wchar_t skinPath[kSettingsPathCapacity];
    wchar_t skinFolder[kSettingsPathCapacity];
    wchar_t defaultSkinPath[kSettingsPathCapacity];   // Themes\Default\barconfin.skin beside the program
};

// Written only by ResolveSettingsPaths.
extern SettingsPaths settingsPaths;

// config.ini beside the program; the skin path from Settings / Theme File, which
// when missing or empty becomes the default skin, written back together with the
// default Order; a missing or empty Display is written with its default; the skin
// folder and the default skin's path. phone chooses the defaults.
void ResolveSettingsPaths(const wchar_t* programFolder, bool phone);

// Reads Order from config.ini and rearranges buttons.
void ApplyOrder(ButtonTable& buttons, bool phone);

// Takes each button's normal image size into its record; with a phone also the
// signal levels'.
void TakeImageSizes(ButtonTable& buttons, SignalImageSet& signal, bool phone);

// Reads Order and Display from config.ini and sets the shown flags of buttons.
void ApplyVisibility(ButtonTable& buttons);
