// The settings contract of both programs: config.ini's place, sections, keys and defaults, and a skin's HiRes rule.
//
// Both programs read and write config.ini and the skin through these names only.
// The defaults of Order and Display are DefaultOrder and DefaultDisplay
// (common/order_words.h); that of Theme File is kDefaultSkinPath below the program
// folder.
#pragma once
#include <windows.h>

constexpr char kSettingsSection[] = "Settings";
constexpr char kThemeFileKey[] = "Theme File";
constexpr char kTopBarSection[] = "TopBar Settings";
constexpr char kOrderKey[] = "Order";
constexpr char kDisplayKey[] = "Display";
constexpr char kUserThemeSection[] = "User Theme";   // keys Theme1 to Theme10
constexpr int kUserThemeKeys = 10;
constexpr char kTimerFontSection[] = "Timer Font";   // in the skin, like the other font sections
constexpr char kSkinInfoSection[] = "Skin Info";
constexpr char kHiResKey[] = "HiRes";

constexpr wchar_t kConfigFileName[] = L"config.ini";
constexpr wchar_t kDefaultSkinPath[] = L"Themes\\Default\\barconfin.skin";

// The program folder from the module path: everything before its last backslash.
// copied is what the module-name call returned for a buffer of capacity units; a
// name that filled the buffer may be cut, and a cut name must never yield a wrong
// folder, so that case (and a name without backslash) gives false.
bool ProgramFolderFromModulePath(const wchar_t* path, DWORD copied, DWORD capacity, wchar_t* folder,
                                 size_t folderCapacity);

// A file below the program folder: folder and name joined by one backslash, whether
// or not folder ends in one. False (and "") when it does not fit: a cut path would
// name another file.
bool PathBelowProgramFolder(const wchar_t* folder, const wchar_t* name, wchar_t* out, size_t capacity);

// A skin's [Skin Info] HiRes: the value's leading decimal number; a missing key or
// a value that is no number is 0.
int ReadSkinHiRes(const wchar_t* skinPath);

// The one HiRes rule: any HiRes but 0 marks a skin made for high-resolution screens
// (the bar then draws its images at their own size, the setup program does not list
// it on small screens).
bool IsHiResSkin(const wchar_t* skinPath);
