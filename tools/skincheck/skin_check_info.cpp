// Skin Info: the theme list's keys, HiRes, and what Tormalin's folder scan makes of a HiRes 1 skin.
#include "tools/skincheck/skin_check.h"
#include "bar/config/skin_names.h"
#include "common/ini.h"
#include "platform/scoped_win.h"
#include <cwchar>

namespace {

std::string Narrow(const std::wstring& text)
{
    std::string out;
    for (wchar_t c : text)
        out += char(c);
    return out;
}

bool EndsWithSkin(const wchar_t* name)
{
    size_t length = wcslen(name);
    return length >= 5 && wcscmp(name + length - 5, L".skin") == 0;
}

// The skins below folder, at any depth, as Tormalin's scan would find them.
void SkinsBelow(const std::wstring& folder, std::vector<std::wstring>& skins, int depth)
{
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW((folder + L"*.*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE || depth > 8)
        return;
    do {
        std::wstring name = entry.cFileName;
        if (name == L"." || name == L"..")
            continue;
        if (entry.dwFileAttributes == FILE_ATTRIBUTE_DIRECTORY)
            SkinsBelow(folder + name + L"\\", skins, depth + 1);
        else if (EndsWithSkin(entry.cFileName))
            skins.push_back(folder + name);
    } while (FindNextFileW(find, &entry));
    FindClose(find);
}

// The skins in the skin's folder (and below) that Tormalin's scan never reaches on
// a screen narrower than 330 pixels: it stops reading a folder at a HiRes 1 skin.
std::vector<std::wstring> HiddenAfter(const wchar_t* skinPath)
{
    std::wstring path(skinPath);
    size_t slash = path.find_last_of(L'\\');
    std::wstring folder = path.substr(0, slash + 1);
    std::vector<std::wstring> hidden;
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW((folder + L"*.*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE)
        return hidden;
    bool after = false;
    do {
        std::wstring name = entry.cFileName;
        if (name == L"." || name == L"..")
            continue;
        if (after && entry.dwFileAttributes == FILE_ATTRIBUTE_DIRECTORY)
            SkinsBelow(folder + name + L"\\", hidden, 0);
        else if (after && EndsWithSkin(entry.cFileName))
            hidden.push_back(folder + name);
        // The scan stops at the first HiRes 1 skin, whichever it is.
        if (!after && EndsWithSkin(entry.cFileName) && ReadSkinHiRes((folder + name).c_str()) == 1)
            after = true;
    } while (FindNextFileW(find, &entry));
    FindClose(find);
    for (std::wstring& skin : hidden)
        skin = skin.substr(folder.size());
    return hidden;
}

void CheckHiRes(const wchar_t* skinPath, std::vector<Finding>& findings)
{
    char value[kSkinValueCapacity];
    int result = IniReadValue(skinPath, "Skin Info", "HiRes", value, sizeof(value));
    if (result != INI_SUCCESS) {
        AddFinding(findings, FindingKind::MissingKey, "Skin Info", "HiRes",
                   ReadFailureWords(result) + "; the bar treats the skin as HiRes 0, made for 240-pixel screens.");
        return;
    }
    int hiRes = ReadSkinHiRes(skinPath);
    if (hiRes != 0 && hiRes != 1) {
        AddFinding(findings, FindingKind::HiResValue, "Skin Info", "HiRes",
                   "\"" + std::string(value) + "\" is neither 0 nor 1: the bar draws the skin as HiRes 1, but "
                   "Tormalin lists it on 240-pixel screens as a HiRes 0 skin.");
        return;
    }
    if (hiRes != 1)
        return;
    findings.push_back(Finding{FindingKind::NotListedNote, "Skin Info", "HiRes",
                               "note: [Skin Info] HiRes: 1; Tormalin lists this skin only on screens at least 330 "
                               "pixels wide."});
    for (const std::wstring& name : HiddenAfter(skinPath))
        AddFinding(findings, FindingKind::HiResHides, "Skin Info", "HiRes",
                   "1 here makes Tormalin stop reading this folder on 240-pixel screens: \"" + Narrow(name) +
                       "\" after it is not listed there. Give a HiRes 1 skin a folder of its own.");
}

}  // namespace

void CheckSkinInfo(const wchar_t* skinPath, std::vector<Finding>& findings)
{
    char value[kSkinValueCapacity];
    for (const char* key : {"Name", "Author", "AuthorEmail", "Notes"}) {
        int result = IniReadValue(skinPath, "Skin Info", key, value, sizeof(value));
        if (result != INI_SUCCESS)
            AddFinding(findings, FindingKind::MissingKey, "Skin Info", key,
                       ReadFailureWords(result) + "; Tormalin shows it empty in the theme list.");
    }
    CheckHiRes(skinPath, findings);
}
