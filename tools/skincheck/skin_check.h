// The skin checker: what a skin lacks or gets wrong, in plain words, read with the bar's own loader.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

enum class FindingKind {
    CannotRead,      // the skin file itself
    MissingKey,      // a key (or its whole section) the bar reads is not there
    MissingFile,     // an image key names a file that does not exist
    Undecodable,     // the file exists but gives no image
    PathTooLong,     // folder and name do not fit the bar's 99 characters
    ImageSize,       // a bar image does not fit the bar's height at the skin's HiRes
    HiResValue,      // HiRes neither 0 nor 1
    FontMissing,     // a font that is not installed
    FontValue,       // a colour out of range, or a size that is no number
    NotListedNote,   // notes, not problems: a HiRes 1 skin is not listed on 240-pixel screens;
    FontNote,        // a handheld's own font missing on the checking machine
};

struct Finding {
    FindingKind kind;
    std::string section;
    std::string key;
    std::string text;  // the whole sentence, naming key, file and what the bar does
    bool problem() const { return kind != FindingKind::NotListedNote && kind != FindingKind::FontNote; }
};

// Every finding about the skin at skinPath (a full path). The signal images are
// checked as a phone reads them.
std::vector<Finding> CheckSkin(const wchar_t* skinPath);

// Shared by the check files: the bar's height in a skin's own pixels.
int SkinBarHeight(int hiRes);
void AddFinding(std::vector<Finding>& findings, FindingKind kind, const char* section, const char* key,
                const std::string& text);

// A skin's text as the report prints it: one byte per UTF-16 unit, as the INI files hold it.
std::string Narrow(const std::wstring& text);

// "is missing", "is missing with its whole section", ... for an IniReadValue result.
std::string ReadFailureWords(int readResult);

void CheckSkinImages(const wchar_t* skinPath, int hiRes, std::vector<Finding>& findings);
void CheckSkinFonts(const wchar_t* skinPath, std::vector<Finding>& findings);
void CheckSkinInfo(const wchar_t* skinPath, std::vector<Finding>& findings);
