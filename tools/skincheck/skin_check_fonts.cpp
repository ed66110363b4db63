// The three font sections: keys present, typeface installed, colour and size readable.
#include "tools/skincheck/skin_check.h"
#include "common/font_spec.h"
#include "common/ini.h"
#include "platform/scoped_win.h"
#include <cstdlib>
#include <set>

namespace {

const char* const kFontSections[] = {"Title Font", "Timer Font", "Dialog Title"};
// In the ROM of every handheld the bar runs on, whatever the checking machine has.
const wchar_t* const kHandheldFonts[] = {L"Tahoma", L"Courier New"};

bool IsHandheldFont(const wchar_t* name)
{
    for (const wchar_t* font : kHandheldFonts)
        if (lstrcmpiW(font, name) == 0)
            return true;
    return false;
}

int CALLBACK NoteFamily(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found)
{
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool FontInstalled(const wchar_t* name)
{
    ScopedGetDC screen(nullptr);
    LOGFONTW wanted = {};
    wanted.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(wanted.lfFaceName, name, LF_FACESIZE);
    bool found = false;
    EnumFontFamiliesExW(screen.get(), &wanted, NoteFamily, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

// Digits only, optionally after a minus sign (Tormalin writes colours with "%d").
bool IsDecimal(const char* text, long long* value)
{
    const char* p = text[0] == '-' ? text + 1 : text;
    if (!*p)
        return false;
    for (const char* q = p; *q; ++q)
        if (*q < '0' || *q > '9')
            return false;
    *value = strtoll(text, nullptr, 10);
    return true;
}

std::string DefaultWords(const char* key)
{
    const FontSpec& d = kSkinFontDefaults;
    std::string name = key;
    if (name == "Name") return "the bar uses " + Narrow(d.name) + ".";
    if (name == "Size") return "the bar uses " + std::to_string(d.size) + " points.";
    if (name == "Style") return "the bar uses regular (0).";
    return "the bar uses black (0).";
}

void CheckColour(const char* section, const char* value, std::vector<Finding>& findings)
{
    long long colour = 0;
    if (!IsDecimal(value, &colour))
        AddFinding(findings, FindingKind::FontValue, section, "Color",
                   "\"" + std::string(value) + "\" is no decimal number; the bar reads the digits before the first "
                   "other character (none: black).");
    else if (colour < 0 || colour > 0xFFFFFF)
        AddFinding(findings, FindingKind::FontValue, section, "Color",
                   std::string(value) + " is out of range: a colour is 0 to 16777215 (blue x 65536 + green x 256 + "
                   "red); the text would not have the colour meant.");
}

void CheckFontSection(const wchar_t* skinPath, const char* section, std::vector<Finding>& findings,
                      std::set<std::wstring>& noted)
{
    char value[100];
    for (const char* key : {"Name", "Size", "Style", "Color"}) {
        int result = IniReadValue(skinPath, section, key, value, sizeof(value));
        if (result != INI_SUCCESS) {
            AddFinding(findings, FindingKind::MissingKey, section, key,
                       ReadFailureWords(result) + "; " + DefaultWords(key));
            continue;
        }
        std::string name = key;
        if (name == "Name") {
            FontSpec font = ReadFontSpec(skinPath, section);  // the name exactly as the bar takes it
            if (!value[0])
                AddFinding(findings, FindingKind::MissingKey, section, key, "is empty; " + DefaultWords(key));
            else if (FontInstalled(font.name))
                ;
            else if (IsHandheldFont(font.name)) {
                if (noted.insert(font.name).second)  // once per face
                    findings.push_back(Finding{FindingKind::FontNote, section, key,
                                           "note: [" + std::string(section) + "] Name: \"" + Narrow(font.name) +
                                               "\" is on every handheld but not installed on this machine, "
                                               "which draws it with a substitute."});
            } else
                AddFinding(findings, FindingKind::FontMissing, section, key,
                           "the font \"" + Narrow(font.name) + "\" is not installed; the system draws the text in a "
                           "font of its own choice.");
        } else if (name == "Size" && ParseSizePoints(value) == 0) {
            AddFinding(findings, FindingKind::FontValue, section, key,
                       "\"" + std::string(value) + "\" gives no size in points; the system picks a default height.");
        } else if (name == "Color") {
            CheckColour(section, value, findings);
        }
    }
}

}  // namespace

void CheckSkinFonts(const wchar_t* skinPath, std::vector<Finding>& findings)
{
    std::set<std::wstring> noted;
    for (const char* section : kFontSections)
        CheckFontSection(skinPath, section, findings, noted);
}
