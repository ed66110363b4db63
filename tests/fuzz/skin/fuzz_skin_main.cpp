// skin_fuzz SECONDS FINDINGS-FOLDER [SEED]: mutated skins and images through the bar's load sequence, in one process.
//
// Each execution writes one mutated file (the skin or one of its four images, BMP,
// PNG, JPEG, GIF), then releases and loads the bar's appearance as a reload does.
// Checked after every execution: the GDI objects after the release are those of
// the first release, config.ini is byte for byte what it was, and one load took
// less than a second. A finding keeps its files in FINDINGS-FOLDER and ends the run
// with status 1; a crash ends the process, and the files of the execution that
// caused it are still in the work folder, which is named on standard output first.
#include <windows.h>
#include <wincodec.h>
#include <cstdio>
#include <cstdlib>
#include <string>
#include "bar/core/appearance.h"
#include "bar/layout/bar_state.h"
#include "tests/fuzz/skin/mutate.h"
#include "tests/unit/gdi_count.h"
#include "tests/unit/image_files.h"

namespace {

const wchar_t* const kImageNames[] = {L"img.bmp", L"img.png", L"img.jpg", L"img.gif"};

std::string SeedSkin()
{
    std::string s = "[Skin Info]\r\nName=Fuzz\r\nHiRes=0\r\n[Topbar]\r\nLandscape=img.png\r\nPortrait=img.bmp\r\n"
                    "[Button Images]\r\n";
    const char* buttons[] = {"Start Menu", "Menu", "Close", "OK", "Volume", "Mute", "Battery/Memory", "Home",
                             "Connection", "Disconnect"};
    const char* images[] = {"img.bmp", "img.png", "img.jpg", "img.gif"};
    for (int i = 0; i < 10; ++i)
        s += std::string(buttons[i]) + " Normal=" + images[i % 4] + "\r\n" + buttons[i] + " Pressed=" +
             images[(i + 1) % 4] + "\r\n";
    s += "[Signal Images]\r\n";
    for (int level = 0; level < 5; ++level)
        s += "Signal" + std::to_string(level) + " Normal=" + images[level % 4] + "\r\nSignal" +
             std::to_string(level) + " Pressed=" + images[(level + 2) % 4] + "\r\n";
    s += "[Volume image]\r\nVolume=img.gif\r\n[Battery image]\r\nBattery=img.jpg\r\n"
         "[Title Font]\r\nName=Tahoma\r\nSize=9\r\nStyle=1\r\nColor=16315890\r\n"
         "[Timer Font]\r\nName=Tahoma\r\nSize=9\r\nStyle=3\r\nColor=255\r\n"
         "[Dialog Title]\r\nName=Tahoma\r\nSize=8\r\nStyle=0\r\nColor=3680798\r\n";
    return s;
}

bool WriteText(const std::wstring& path, const std::string& text)
{
    return WriteBytes(path, std::vector<BYTE>(text.begin(), text.end()));
}

struct Run {
    std::wstring work, themes, skin, config, findings;
    std::string configBytes;
    std::vector<Bytes> seedImages;
    std::string seedSkin;
    long long executions = 0, slowest = 0;
    int findingCount = 0;
};

bool Prepare(Run& run)
{
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    run.work = std::wstring(temp) + L"vsf" + std::to_wstring(GetCurrentProcessId());
    run.themes = run.work + L"\\Themes";
    run.skin = run.themes + L"\\fuzz.skin";
    run.config = run.work + L"\\config.ini";
    if (run.work.size() + 1 >= size_t(kProgramPathCapacity)) {
        fprintf(stderr, "skin_fuzz: the work folder's path is too long: %ls\n", run.work.c_str());
        return false;
    }
    CreateDirectoryW(run.work.c_str(), nullptr);
    CreateDirectoryW(run.themes.c_str(), nullptr);
    SetCurrentDirectoryW(run.work.c_str());  // the INI engine's scratch file stays in this drive's root
    std::string skinNarrow(run.skin.begin(), run.skin.end());
    run.configBytes = "[Settings]\r\nTheme File=" + skinNarrow +
                      "\r\n[TopBar Settings]\r\nOrder=signal,connection,home,volume,battery,clock,menu,close\r\n"
                      "Display=11111111\r\n";
    TestPixels small = GradientPixels(20, 26);  // the GIF's own has fewer than 256 colours
    run.seedImages = {EncodeBmp24(small), EncodeWithWic(GUID_ContainerFormatPng, small),
                      EncodeWithWic(GUID_ContainerFormatJpeg, small), EncodeWithWic(GUID_ContainerFormatGif, GradientPixels(10, 13))};
    run.seedSkin = SeedSkin();
    for (int i = 0; i < 4; ++i)
        if (run.seedImages[i].empty() || !WriteBytes(run.themes + L"\\" + kImageNames[i], run.seedImages[i])) {
            fprintf(stderr, "skin_fuzz: cannot make %ls\n", kImageNames[i]);
            return false;
        }
    return WriteText(run.skin, run.seedSkin) && WriteText(run.config, run.configBytes);
}

// Keeps this execution's files under FINDINGS-FOLDER\N-what.
void KeepFinding(Run& run, const char* what)
{
    ++run.findingCount;
    std::wstring folder = run.findings + L"\\" + std::to_wstring(run.findingCount) + L"-" +
                          std::wstring(what, what + strlen(what));
    CreateDirectoryW(run.findings.c_str(), nullptr);
    CreateDirectoryW(folder.c_str(), nullptr);
    CopyFileW(run.skin.c_str(), (folder + L"\\fuzz.skin").c_str(), FALSE);
    CopyFileW(run.config.c_str(), (folder + L"\\config.ini").c_str(), FALSE);
    for (const wchar_t* name : kImageNames)
        CopyFileW((run.themes + L"\\" + name).c_str(), (folder + L"\\" + name).c_str(), FALSE);
    printf("finding %d: %s after %lld executions (files in %ls)\n", run.findingCount, what, run.executions,
           folder.c_str());
}

std::string ReadText(const std::wstring& path)
{
    std::vector<BYTE> bytes = ReadBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

// One execution: one file changed, then release and load as a reload does.
void Execute(Run& run, FuzzRandom& random, int& baseline, LARGE_INTEGER frequency)
{
    int target = int(random.Below(5));
    if (target == 4) {
        WriteText(run.skin, MutateSkin(run.seedSkin, random));
    } else {
        WriteBytes(run.themes + L"\\" + kImageNames[target], MutateImage(run.seedImages[target], random));
    }
    LARGE_INTEGER a, b;
    QueryPerformanceCounter(&a);
    ReleaseAppearance();
    LoadAppearance();
    QueryPerformanceCounter(&b);
    ++run.executions;
    long long ms = (b.QuadPart - a.QuadPart) * 1000 / frequency.QuadPart;
    if (ms > run.slowest) run.slowest = ms;
    if (ms > 1000)
        KeepFinding(run, "slow-load");
    ReleaseAppearance();
    int gdi = GdiObjectCount();
    if (gdi != baseline) {
        KeepFinding(run, "gdi-leak");
        baseline = gdi;  // one leak is one finding
    }
    if (ReadText(run.config) != run.configBytes) {
        KeepFinding(run, "config-changed");
        WriteText(run.config, run.configBytes);
    }
    // Back to the seed, so the next execution changes one file again.
    if (target == 4) WriteText(run.skin, run.seedSkin);
    else WriteBytes(run.themes + L"\\" + kImageNames[target], run.seedImages[target]);
}

void RemoveWork(const Run& run)
{
    SetCurrentDirectoryW(L"\\");
    for (const wchar_t* name : kImageNames)
        DeleteFileW((run.themes + L"\\" + name).c_str());
    DeleteFileW(run.skin.c_str());
    DeleteFileW(run.config.c_str());
    RemoveDirectoryW(run.themes.c_str());
    RemoveDirectoryW(run.work.c_str());
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        fprintf(stderr, "usage: skin_fuzz SECONDS FINDINGS-FOLDER [SEED]\n");
        return 2;
    }
    double seconds = atof(argv[1]);
    Run run;
    std::string findings = argv[2];
    run.findings.assign(findings.begin(), findings.end());
    uint64_t seed = argc > 3 ? strtoull(argv[3], nullptr, 10) : GetTickCount();
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (!Prepare(run)) {
        fprintf(stderr, "skin_fuzz: cannot prepare the work folder\n");
        return 2;
    }
    printf("skin fuzz: seed %llu, work folder %ls\n", (unsigned long long)seed, run.work.c_str());
    fflush(stdout);
    lstrcpynW(programFolder, run.work.c_str(), kProgramPathCapacity);
    barInstance = GetModuleHandleW(nullptr);
    PhoneEdition = true;
    ScaleFactor = 1;

    // The first load and release fill the caches that stay (codecs, fonts).
    LoadAppearance();
    ReleaseAppearance();
    int baseline = GdiObjectCount();
    FuzzRandom random(seed);
    LARGE_INTEGER frequency, start, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    do {
        ScaleFactor = random.OneIn(4) ? 2 : 1;  // a skin for the small and for the large screen
        Execute(run, random, baseline, frequency);
        QueryPerformanceCounter(&now);
    } while (double(now.QuadPart - start.QuadPart) / double(frequency.QuadPart) < seconds && run.findingCount < 5);
    RemoveWork(run);
    printf("skin fuzz: %lld executions in %.0f s, slowest load %lld ms, %d finding%s\n", run.executions, seconds,
           run.slowest, run.findingCount, run.findingCount == 1 ? "" : "s");
    return run.findingCount ? 1 : 0;
}
