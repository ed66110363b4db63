// Skin Info: the theme list's keys, HiRes, and what Tormalin's folder scan makes of a HiRes 1 skin.
#include "tools/skincheck/skin_check.h"
#include "bar/config/skin_names.h"
#include "common/ini.h"
#include "common/settings_contract.h"
#include "setup/theme_skins.h"
#include <algorithm>

namespace {

bool Contains(const std::vector<std::wstring>& list, const std::wstring& item)
{
    return std::find(list.begin(), list.end(), item) != list.end();
}

// Tormalin's own scan of the skin's folder at both screen widths: what a 480-pixel
// screen lists and a 240-pixel one does not, besides HiRes 1 skins themselves, is
// hidden by a HiRes 1 skin before it.
void CheckListing(const wchar_t* skinPath, int hiRes, std::vector<Finding>& findings)
{
    std::wstring path(skinPath);
    std::wstring folder = path.substr(0, path.find_last_of(L'\\') + 1);
    std::vector<std::wstring> wide = ScanSkinFolder(folder, 480), narrow = ScanSkinFolder(folder, 240);
    if (hiRes != 0)
        findings.push_back(Finding{FindingKind::NotListedNote, "Skin Info", "HiRes",
                                   "note: [Skin Info] HiRes: 1; Tormalin lists this skin only on screens at least "
                                   "330 pixels wide."});
    for (const std::wstring& skin : wide) {
        if (Contains(narrow, skin) || IsHiResSkin(skin.c_str()))
            continue;
        std::string name = "\"" + Narrow(skin.substr(folder.size())) + "\"";
        AddFinding(findings, FindingKind::HiResHides, "Skin Info", "HiRes",
                   (skin == path ? "this skin (" + name + ")" : name) +
                       " is not listed on 240-pixel screens: Tormalin stops reading this folder at a HiRes 1 "
                       "skin before it. Give a HiRes 1 skin a folder of its own.");
    }
}

void CheckHiRes(const wchar_t* skinPath, std::vector<Finding>& findings)
{
    char value[kSkinValueCapacity];
    int result = IniReadValue(skinPath, "Skin Info", "HiRes", value, sizeof(value));
    if (result != INI_SUCCESS) {
        AddFinding(findings, FindingKind::MissingKey, "Skin Info", "HiRes",
                   ReadFailureWords(result) + "; the bar treats the skin as HiRes 0, made for 240-pixel screens.");
    }
    int hiRes = ReadSkinHiRes(skinPath);
    if (result == INI_SUCCESS && hiRes != 0 && hiRes != 1)
        AddFinding(findings, FindingKind::HiResValue, "Skin Info", "HiRes",
                   "\"" + std::string(value) + "\" is neither 0 nor 1: both programs take the skin as HiRes 1, but other tools "
                   "may not; write 1.");
    CheckListing(skinPath, hiRes, findings);
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
