// Skin Info: the theme list's keys, HiRes, and what Tormalin's list makes of a HiRes 1 skin.
#include "tools/skincheck/skin_check.h"
#include "bar/config/skin_names.h"
#include "common/ini.h"
#include "common/settings_contract.h"

namespace {

// What Tormalin's folder scan makes of the skin: a note, not a problem.
void NoteListing(int hiRes, std::vector<Finding>& findings)
{
    if (hiRes != 0)
        findings.push_back(Finding{FindingKind::NotListedNote, "Skin Info", "HiRes",
                                   "note: [Skin Info] HiRes: 1; Tormalin lists this skin only on screens at least "
                                   "330 pixels wide."});
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
    NoteListing(hiRes, findings);
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
