// The skin checker: the shipped skins are complete; each broken skin trips its one finding.
#include <gtest/gtest.h>
#include <algorithm>
#include <string>
#include "tests/unit/image_files.h"
#include "tests/unit/ini_test_folder.h"
#include "tools/skincheck/skin_check.h"

namespace {

std::wstring BuildFolder()
{
    wchar_t module[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, module, MAX_PATH);
    std::wstring path(module);
    return path.substr(0, path.find_last_of(L'\\')) + L"\\..";
}

std::string Problems(const std::vector<Finding>& findings)
{
    std::string all;
    for (const Finding& f : findings)
        if (f.problem())
            all += f.text + "\n";
    return all;
}

int ProblemCount(const std::vector<Finding>& findings)
{
    int count = 0;
    for (const Finding& f : findings)
        count += f.problem();
    return count;
}

std::vector<BYTE> SolidBmp(int width, int height)
{
    TestPixels pixels;
    pixels.width = width;
    pixels.height = height;
    pixels.colours.assign(size_t(width) * height, RGB(255, 0, 255));
    return EncodeBmp24(pixels);
}

// A complete skin of HiRes 0: every key, every image 26 pixels high.
std::string CompleteSkin()
{
    std::string s = "[Skin Info]\nName=T\nAuthor=A\nAuthorEmail=a@b\nNotes=n\nHiRes=0\n"
                    "[Topbar]\nLandscape=land.bmp\nPortrait=port.bmp\n[Button Images]\n";
    for (const char* b : {"Start Menu", "Menu", "Close", "OK", "Volume", "Mute", "Battery/Memory", "Home",
                          "Connection", "Disconnect"})
        s += std::string(b) + " Normal=b.bmp\n" + b + " Pressed=b.bmp\n";
    s += "[Signal Images]\n";
    for (int level = 0; level < 5; ++level)
        s += "Signal" + std::to_string(level) + " Normal=b.bmp\nSignal" + std::to_string(level) + " Pressed=b.bmp\n";
    s += "[Volume image]\nVolume=pop.bmp\n[Battery image]\nBattery=pop.bmp\n";
    for (const char* f : {"Title Font", "Timer Font", "Dialog Title"})
        s += "[" + std::string(f) + "]\nName=Tahoma\nSize=9\nStyle=1\nColor=16777215\n";
    return s;
}

std::string Replace(std::string text, const std::string& from, const std::string& to)
{
    size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos)
        text.replace(at, from.size(), to);
    return text;
}

class SkinCheck : public ::testing::Test {
protected:
    TempFolder folder;  // only files: the check also reads the folder itself
    void SetUp() override
    {
        WriteBytes(folder.Path(L"land.bmp"), SolidBmp(320, 26));
        WriteBytes(folder.Path(L"port.bmp"), SolidBmp(240, 26));
        WriteBytes(folder.Path(L"b.bmp"), SolidBmp(20, 26));
        WriteBytes(folder.Path(L"tall.bmp"), SolidBmp(20, 30));
        WriteBytes(folder.Path(L"pop.bmp"), SolidBmp(100, 160));
        WriteBytes(folder.Path(L"junk.png"), std::vector<BYTE>(600, 0x33));
    }
    std::wstring Skin(const std::string& text)
    {
        std::wstring path = folder.Path(L"t.skin");
        IniTestFolder::Write(path, text);
        return path;
    }
    static DWORD RunChecker(const std::wstring& skin)
    {
        std::wstring command = L"\"" + BuildFolder() + L"\\tools\\skincheck\\skincheck.exe\" \"" + skin + L"\"";
        SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
        HANDLE nul = CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0, nullptr);
        STARTUPINFOW si = {};
        si.cb = sizeof(si);
        si.dwFlags = STARTF_USESTDHANDLES;  // its report is not this test's output
        si.hStdOutput = si.hStdError = nul;
        PROCESS_INFORMATION pi = {};
        BOOL started = CreateProcessW(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi);
        CloseHandle(nul);
        if (!started)
            return 99;
        DWORD code = 98;
        if (WaitForSingleObject(pi.hProcess, 30000) == WAIT_OBJECT_0)
            GetExitCodeProcess(pi.hProcess, &code);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
        return code;
    }
};

}  // namespace

TEST_F(SkinCheck, TheShippedSkinsAndACompleteOneAreClean)
{
    std::wstring themes = BuildFolder() + L"\\install\\Themes\\";
    for (const wchar_t* skin : {L"Default\\barconfin.skin", L"GraphiteHiRes\\graphite.skin", L"Harbour\\harbour.skin"})
        EXPECT_EQ(Problems(CheckSkin((themes + skin).c_str())), "") << Narrow(skin);
    // The HiRes 1 skin is told it is not listed on small screens, without a problem.
    std::vector<Finding> hiRes = CheckSkin((themes + L"GraphiteHiRes\\graphite.skin").c_str());
    ASSERT_FALSE(hiRes.empty());
    EXPECT_EQ(hiRes[0].kind, FindingKind::NotListedNote);
    EXPECT_EQ(Problems(CheckSkin(Skin(CompleteSkin()).c_str())), "");
    EXPECT_EQ(RunChecker(themes + L"Default\\barconfin.skin"), 0u);
}

TEST_F(SkinCheck, EachBrokenSkinTripsItsOneFinding)
{
    struct Case { std::string from, to; FindingKind kind; const char* section; const char* key; const char* words; };
    const Case cases[] = {
        {"\nMenu Pressed=b.bmp\n", "\n", FindingKind::MissingKey, "Button Images", "Menu Pressed",
         "is missing; the bar uses \"b.bmp\", the file of the key read before it"},
        {"[Battery image]\nBattery=pop.bmp\n", "", FindingKind::MissingKey, "Battery image", "Battery",
         "whole section; the bar uses \"pop.bmp\""},
        {"Mute Normal=b.bmp", "Mute Normal=gone.bmp", FindingKind::MissingFile, "Button Images", "Mute Normal",
         "\"gone.bmp\" does not exist; the button takes no room"},
        {"Home Normal=b.bmp", "Home Normal=junk.png", FindingKind::Undecodable, "Button Images", "Home Normal",
         "\"junk.png\" is no image"},
        {"Volume Normal=b.bmp", "Volume Normal=tall.bmp", FindingKind::ImageSize, "Button Images", "Volume Normal",
         "20 x 30 pixels, but the bar is 26 pixels high for a HiRes 0 skin: its lower part is cut off"},
        {"Name=Tahoma\nSize=9", "Name=No Such Face\nSize=9", FindingKind::FontMissing, "Title Font", "Name",
         "\"No Such Face\" is not installed"},
        {"Color=16777215\n[Dialog", "Color=16777216\n[Dialog", FindingKind::FontValue, "Timer Font", "Color",
         "16777216 is out of range"},
        {"Author=A\n", "", FindingKind::MissingKey, "Skin Info", "Author", "is missing; Tormalin shows it empty"},
    };
    for (const Case& c : cases) {
        std::vector<Finding> findings = CheckSkin(Skin(Replace(CompleteSkin(), c.from, c.to)).c_str());
        SCOPED_TRACE(c.section + std::string(" / ") + c.key);
        ASSERT_EQ(ProblemCount(findings), 1) << Problems(findings);
        const Finding& problem = *std::find_if(findings.begin(), findings.end(),
                                               [](const Finding& f) { return f.problem(); });
        EXPECT_EQ(problem.kind, c.kind);
        EXPECT_EQ(problem.section, c.section);
        EXPECT_EQ(problem.key, c.key);
        EXPECT_NE(problem.text.find(c.words), std::string::npos) << problem.text;
    }
    // HiRes 2: taken as HiRes 1 by both programs, but still not the value to write. Its images are made 52 high.
    WriteBytes(folder.Path(L"land.bmp"), SolidBmp(640, 52));
    WriteBytes(folder.Path(L"port.bmp"), SolidBmp(480, 52));
    WriteBytes(folder.Path(L"b.bmp"), SolidBmp(40, 52));
    std::wstring hiRes2 = Skin(Replace(CompleteSkin(), "HiRes=0", "HiRes=2"));
    std::vector<Finding> findings = CheckSkin(hiRes2.c_str());
    ASSERT_EQ(ProblemCount(findings), 1) << Problems(findings);
    EXPECT_EQ(findings[0].kind, FindingKind::HiResValue);
    EXPECT_EQ(RunChecker(hiRes2), 1u);
}
