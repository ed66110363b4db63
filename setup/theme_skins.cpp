// Finding skins below the program folder and keeping the found and added lists.
#include "setup/theme_skins.h"
#include "common/settings_contract.h"
#include <windows.h>
#include <cstdlib>
#include <cwchar>

namespace {

bool EndsWithSkin(const wchar_t* name)
{
    const size_t length = wcslen(name);
    return length >= 5 && wcscmp(name + length - 5, L".skin") == 0;
}

void ScanInto(const std::wstring& folder, int screenWidth, std::vector<std::wstring>* found)
{
    const std::wstring base = folder.empty() || folder.back() == L'\\' ? folder : folder + L"\\";
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW((base + L"*.*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::wstring path = base + entry.cFileName;
        if (entry.dwFileAttributes == FILE_ATTRIBUTE_DIRECTORY) {
            // The desktop lists a folder's own entries too; they would never end.
            if (wcscmp(entry.cFileName, L".") != 0 && wcscmp(entry.cFileName, L"..") != 0)
                ScanInto(path, screenWidth, found);
            continue;
        }
        if (!EndsWithSkin(entry.cFileName))
            continue;
        // A small screen leaves out only the skin made for large ones.
        if (screenWidth < 330 && IsHiResSkin(path.c_str()))
            continue;
        if (path.size() < kSkinPathCapacity && found->size() < static_cast<size_t>(kMaxSkins))
            found->push_back(path);
    } while (FindNextFileW(search, &entry));
    FindClose(search);
}

} // namespace

std::vector<std::wstring> ScanSkinFolder(const std::wstring& folder, int screenWidth)
{
    std::vector<std::wstring> found;
    ScanInto(folder, screenWidth, &found);
    return found;
}

std::wstring ThemeRowPath(const ThemeRows& rows, int row)
{
    if (row < 0)
        return L"";
    const size_t index = static_cast<size_t>(row);
    if (index < rows.found.size())
        return rows.found[index];
    return index - rows.found.size() < rows.added.size() ? rows.added[index - rows.found.size()] : L"";
}

int ThemeRowFor(const ThemeRows& rows, const std::wstring& themeFile)
{
    int row = -1;
    for (size_t i = 0; i < rows.found.size() && row < 0; ++i)
        if (rows.found[i] == themeFile)
            row = static_cast<int>(i);
    for (size_t i = 0; i < rows.added.size(); ++i)
        if (rows.added[i] == themeFile)
            return static_cast<int>(rows.found.size() + i);
    return row;
}

void DeleteThemeRow(ThemeRows* rows, int row)
{
    if (row < 0)
        return;
    const size_t index = static_cast<size_t>(row);
    if (index < rows->found.size())
        rows->found.erase(rows->found.begin() + index);
    else if (index - rows->found.size() < rows->added.size())
        rows->added.erase(rows->added.begin() + (index - rows->found.size()));
}

void TakeUserThemes(ThemeRows* rows, const std::vector<std::wstring>& values)
{
    for (const std::wstring& value : values) {
        const bool listed = value.size() < kSkinPathCapacity;
        if (listed)
            rows->added.push_back(value);
        rows->userThemes.push_back(listed ? L"" : value);
    }
}

bool RoomForAnotherSkin(const ThemeRows& rows)
{
    size_t kept = 0;
    for (const std::wstring& entry : rows.userThemes)
        kept += entry.empty() ? 0 : 1;
    return rows.added.size() + kept < static_cast<size_t>(kMaxSkins);
}

std::vector<std::wstring> UserThemeValues(const ThemeRows& rows)
{
    std::vector<std::wstring> values;
    size_t next = 0;
    for (const std::wstring& entry : rows.userThemes) {
        if (!entry.empty())
            values.push_back(entry);
        else if (next < rows.added.size())
            values.push_back(rows.added[next++]);
    }
    while (next < rows.added.size())
        values.push_back(rows.added[next++]);
    values.resize(kMaxSkins);
    return values;
}
