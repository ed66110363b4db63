// The checker's order: the skin file, its description, images, fonts.
#include "tools/skincheck/skin_check.h"
#include "bar/config/skin_names.h"
#include "common/settings_contract.h"
#include "common/ini.h"

int SkinBarHeight(int hiRes)
{
    return hiRes == 0 ? 26 : 52;
}

std::string Narrow(const std::wstring& text)
{
    std::string out;
    for (wchar_t c : text)
        out += char(c);
    return out;
}

std::string ReadFailureWords(int readResult)
{
    switch (readResult) {
    case INI_NO_SECTION: return "is missing, with its whole section";
    case INI_NO_KEY: return "is missing";
    case INI_BAD_LINE: return "cannot be read: a malformed line in the section stops the reader before it";
    case INI_TOO_LONG: return "cannot be read: a continued line grows longer than 512 characters";
    default: return "cannot be read";
    }
}

void AddFinding(std::vector<Finding>& findings, FindingKind kind, const char* section, const char* key,
                const std::string& text)
{
    std::string where = "[" + std::string(section) + "]";
    if (key && *key)
        where += " " + std::string(key);
    findings.push_back(Finding{kind, section, key ? key : "", where + ": " + text});
}

std::vector<Finding> CheckSkin(const wchar_t* skinPath)
{
    std::vector<Finding> findings;
    DWORD attributes = GetFileAttributesW(skinPath);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        findings.push_back(Finding{FindingKind::CannotRead, "", "",
                                   "The skin file cannot be read: the bar would show no images and default fonts."});
        return findings;
    }
    CheckSkinInfo(skinPath, findings);
    CheckSkinImages(skinPath, ReadSkinHiRes(skinPath), findings);
    CheckSkinFonts(skinPath, findings);
    return findings;
}
