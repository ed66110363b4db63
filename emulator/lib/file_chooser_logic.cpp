// The device's file chooser on paper: filter list, folder entries, layout.
#include "emulator/lib/file_chooser_logic.h"
#include <shlwapi.h>
#include <algorithm>

std::vector<std::pair<std::wstring, std::wstring>> ReadFilterList(const wchar_t* list)
{
    std::vector<std::pair<std::wstring, std::wstring>> filters;
    while (list && *list) {
        std::wstring name = list;
        list += name.size() + 1;
        if (!*list)
            break;
        std::wstring patterns = list;
        list += patterns.size() + 1;
        filters.emplace_back(name, patterns);
    }
    return filters;
}

namespace {

bool Matches(const std::wstring& name, const std::wstring& patterns)
{
    size_t start = 0;
    while (start <= patterns.size()) {
        const size_t end = std::min(patterns.find(L';', start), patterns.size());
        const std::wstring one = patterns.substr(start, end - start);
        if (!one.empty() && PathMatchSpecW(name.c_str(), one.c_str()))
            return true;
        start = end + 1;
    }
    return false;
}

bool IsRoot(const std::wstring& folder)
{
    return folder.size() <= 3 && folder.find(L'\\') + 1 == folder.size();
}

} // namespace

std::vector<FolderEntry> ListFolder(const std::wstring& folder, const std::wstring& patterns)
{
    std::vector<FolderEntry> folders, files;
    WIN32_FIND_DATAW fd;
    HANDLE find = FindFirstFileW(JoinPath(folder, L"*").c_str(), &fd);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = fd.cFileName;
            if (name == L"." || name == L"..")
                continue;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                folders.push_back({name, true});
            else if (Matches(name, patterns))
                files.push_back({name, false});
        } while (FindNextFileW(find, &fd));
        FindClose(find);
    }
    auto byName = [](const FolderEntry& a, const FolderEntry& b) { return lstrcmpiW(a.name.c_str(), b.name.c_str()) < 0; };
    std::sort(folders.begin(), folders.end(), byName);
    std::sort(files.begin(), files.end(), byName);
    std::vector<FolderEntry> entries;
    if (!IsRoot(folder))
        entries.push_back({L"..", true});
    entries.insert(entries.end(), folders.begin(), folders.end());
    entries.insert(entries.end(), files.begin(), files.end());
    return entries;
}

std::wstring ParentFolder(const std::wstring& folder)
{
    if (IsRoot(folder))
        return folder;
    std::wstring trimmed = folder;
    while (trimmed.size() > 1 && trimmed.back() == L'\\')
        trimmed.pop_back();
    const size_t cut = trimmed.find_last_of(L'\\');
    if (cut == std::wstring::npos)
        return folder;
    return cut <= 2 ? trimmed.substr(0, cut + 1) : trimmed.substr(0, cut);
}

std::wstring JoinPath(const std::wstring& folder, const std::wstring& name)
{
    if (!folder.empty() && folder.back() == L'\\')
        return folder + name;
    return folder + L"\\" + name;
}

FileChooserLayout LayOutFileChooser(SIZE client, int scale)
{
    scale = std::max(scale, 1);
    const int margin = 4 * scale, text = 14 * scale, row = 22 * scale;
    const int right = client.cx - margin;
    FileChooserLayout l;
    l.folder = RECT{margin, margin, right, margin + text};
    const int buttons = client.cy - margin - row;
    const int filter = buttons - margin - row;
    l.list = RECT{margin, l.folder.bottom + margin, right, std::max<LONG>(l.folder.bottom + margin, filter - margin)};
    // A drop-down list's height includes its open list.
    l.filter = RECT{margin, filter, right, filter + 4 * row};
    const int half = (right - margin - margin) / 2;
    l.ok = RECT{margin, buttons, margin + half, buttons + row};
    l.cancel = RECT{l.ok.right + margin, buttons, right, buttons + row};
    return l;
}
