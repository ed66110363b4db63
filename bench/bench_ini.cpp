// The INI engine against Wine's profile functions on a skin file: a full skin load, one rewrite.
#include "bench/bench.h"
#include "common/ini.h"
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace {

using Keys = std::vector<std::pair<std::string, std::string>>; // section, key

// Writes the skin file and lists its keys in file order.
std::string SkinText(Keys& keys)
{
    std::string text = "# Default skin\r\n";
    auto section = [&](const char* name, const std::vector<std::string>& names,
                       const std::string& valuePrefix) {
        text += std::string("[") + name + "]\r\n";
        for (const std::string& key : names) {
            text += key + "=" + valuePrefix + key + "\r\n";
            keys.push_back({name, key});
        }
        text += "\r\n";
    };
    section("Skin Info", {"Name", "Author", "Version", "Date", "Comment"}, "");
    section("Topbar", {"Portrait", "Landscape", "Square", "Height", "TextColor", "Transparent"}, "topbar_");
    std::vector<std::string> buttons;
    for (const char* b : {"Start", "Menu", "Close", "OK", "Volume", "Mute", "Battery", "Home", "Connection",
                          "Disconnect"}) {
        buttons.push_back(b);
        buttons.push_back(std::string(b) + "Pressed");
    }
    section("Button Images", buttons, "buttons\\");
    std::vector<std::string> signal;
    for (int level = 0; level < 5; ++level) {
        signal.push_back("Signal" + std::to_string(level));
        signal.push_back("Signal" + std::to_string(level) + "Pressed");
    }
    section("Signal Images", signal, "signal\\");
    section("Volume image", {"Background", "Slider", "Thumb"}, "volume\\");
    section("Battery image", {"Background", "Bar", "Memory"}, "battery\\");
    for (const char* font : {"Title Font", "Timer Font", "Dialog Title"}) {
        text += std::string("[") + font + "]\r\nName=Tahoma\r\nSize=8.5\r\nStyle=1\r\nColor=16777215\r\n\r\n";
        for (const char* key : {"Name", "Size", "Style", "Color"})
            keys.push_back({font, key});
    }
    return text;
}

struct SkinFile {
    Keys keys;
    std::wstring wide;
    std::string narrow;
    wchar_t previous[MAX_PATH] = {};

    SkinFile()
    {
        // The rewrite's scratch file goes to the root of the current drive.
        GetCurrentDirectoryW(MAX_PATH, previous);
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        SetCurrentDirectoryW(temp);
        wide = std::wstring(temp) + L"velkis-bench.skin";
        char path[MAX_PATH];
        WideToAnsi(wide.c_str(), path, MAX_PATH);
        narrow = path;
        std::string text = SkinText(keys);
        FILE* f = _wfopen(wide.c_str(), L"wb");
        if (f) {
            fwrite(text.data(), 1, text.size(), f);
            fclose(f);
        }
    }
    ~SkinFile()
    {
        DeleteFileW(wide.c_str());
        SetCurrentDirectoryW(previous);
    }
};

void PrintPair(const char* what, double ours, double wine)
{
    printf("%s: engine %.1f us, Wine profile API %.1f us, engine/Wine %.2f\n", what, ours / 1000.0, wine / 1000.0,
           ours / wine);
}

} // namespace

BENCHMARK_CASE(IniSkinLoad)
{
    SkinFile skin;
    char out[100];
    int misses = 0;
    double ours = NanosecondsPerCall([&] {
        for (const auto& k : skin.keys)
            misses += IniReadValue(skin.wide.c_str(), k.first.c_str(), k.second.c_str(), out, sizeof out) != 0;
    });
    double wine = NanosecondsPerCall([&] {
        for (const auto& k : skin.keys)
            misses += GetPrivateProfileStringA(k.first.c_str(), k.second.c_str(), "", out, sizeof out,
                                               skin.narrow.c_str()) == 0;
    });
    printf("%zu keys per load%s\n", skin.keys.size(), misses ? " (SOME KEYS MISSING)" : "");
    PrintPair("skin load", ours, wine);
}

BENCHMARK_CASE(IniRewriteValue)
{
    SkinFile skin;
    int flip = 0;
    int failures = 0;
    double ours = NanosecondsPerCall([&] {
        failures += IniWriteValue(skin.wide.c_str(), "Timer Font", "Size", (++flip & 1) ? "9" : "10") != 0;
    });
    double wine = NanosecondsPerCall([&] {
        failures += !WritePrivateProfileStringA("Timer Font", "Size", (++flip & 1) ? "9" : "10", skin.narrow.c_str());
    });
    if (failures)
        printf("(%d WRITES FAILED)\n", failures);
    PrintPair("rewrite one value", ours, wine);
}
