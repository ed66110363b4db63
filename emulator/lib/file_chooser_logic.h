// The device's file chooser on paper: the filter list, a folder's entries and the layout.
#pragma once
#include <windows.h>
#include <string>
#include <utility>
#include <vector>

// The (name, patterns) pairs of an open-file filter list: "name\0patterns\0...\0\0".
std::vector<std::pair<std::wstring, std::wstring>> ReadFilterList(const wchar_t* list);

struct FolderEntry {
    std::wstring name;
    bool folder;
};

// What folder offers: ".." below a drive's root, its folders, then its files that match
// one of patterns (";"-separated, "*.skin;*.txt"), each group in name order.
std::vector<FolderEntry> ListFolder(const std::wstring& folder, const std::wstring& patterns);

// "D:\a\b" -> "D:\a", "D:\a" -> "D:\"; a root stays as it is.
std::wstring ParentFolder(const std::wstring& folder);
std::wstring JoinPath(const std::wstring& folder, const std::wstring& name);

struct FileChooserLayout {
    RECT folder{}, list{}, filter{}, ok{}, cancel{};
};

// One under the other: the folder's name, the entries, the filter box, OK and Cancel.
FileChooserLayout LayOutFileChooser(SIZE client, int scale);
