// The My Theme page's rules without the list box: the folder scan and the two skin lists.
#pragma once
#include <string>
#include <vector>

constexpr int kMaxSkins = 10;              // found skins, and added skins
constexpr size_t kSkinPathCapacity = 100;  // a path with its terminator

// Skins found below folder, in the order the file system returns them: folders
// whose attributes are exactly "directory" are searched in turn; a file named
// "*.skin" (exact case) is a skin. On a screen narrower than 330 pixels a skin with
// HiRes (common/settings_contract.h) is not listed; the rest of its folder still is.
// At most kMaxSkins are kept, and a path that does not fit kSkinPathCapacity is never listed.
std::vector<std::wstring> ScanSkinFolder(const std::wstring& folder, int screenWidth);

// The list's rows: found skins first, then the skins the user added.
struct ThemeRows {
    std::vector<std::wstring> found;
    std::vector<std::wstring> added;
    // "User Theme" as read, key by key: "" where the entry became a row of added, the
    // entry itself where its path is too long for a row (it is kept as it stands).
    std::vector<std::wstring> userThemes;
};

// Takes "User Theme"'s values as read (Theme1 onwards) into added and userThemes.
void TakeUserThemes(ThemeRows* rows, const std::vector<std::wstring>& values);

// Whether one more skin may be added: the kept entries count against the ten.
bool RoomForAnotherSkin(const ThemeRows& rows);

// The skin path of a row, or "" for no row.
std::wstring ThemeRowPath(const ThemeRows& rows, int row);

// The row showing themeFile: the first equal found skin, unless an added skin is
// equal too (the first such wins). -1 when none is.
int ThemeRowFor(const ThemeRows& rows, const std::wstring& themeFile);

// Removes a row's skin from its list; the rows after it move up.
void DeleteThemeRow(ThemeRows* rows, int row);

// The ten values of "User Theme" Theme1..Theme10: the entries as read, in their
// order, the listed ones replaced by the added skins in list order (places left over
// close up, further added skins follow) and the kept ones unchanged; then empties.
std::vector<std::wstring> UserThemeValues(const ThemeRows& rows);
