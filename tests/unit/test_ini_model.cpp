// Randomized check of the INI engine against the in-memory model on generated files and operations.
#include <gtest/gtest.h>
#include <random>
#include <vector>
#include "common/ini.h"
#include "tests/unit/ini_model.h"
#include "tests/unit/ini_test_folder.h"

namespace {

const std::vector<std::string> kSections = {"Settings", "settings", "Skin Info", " Skin Info", "A", "", "x"};
const std::vector<std::string> kKeys = {"Skin", "skin", "Order", "k", "key\t", "Name", "#c"};
const std::vector<std::string> kValues = {"", "1", "a=b", "#x", "\\Program Files\\Velkis\\", "v+", "  spaced  ",
                                          std::string(300, 'w'), "\xE9\xFF", "8.5"};

class Generator {
public:
    explicit Generator(unsigned seed) : rng_(seed) {}

    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    bool Chance(int percent) { return Below(100) < percent; }
    const std::string& Pick(const std::vector<std::string>& from) { return from[size_t(Below(int(from.size())))]; }

    std::string Blanks()
    {
        static const char* const kinds[] = {"", "", "", " ", "  ", "\t", " \t "};
        return kinds[Below(7)];
    }

    std::string Line()
    {
        int kind = Below(100);
        if (kind < 18)
            return Blanks() + "[" + Pick(kSections) + (Chance(5) ? "" : "]") + Blanks();
        if (kind < 28)
            return Chance(50) ? "" : std::string(size_t(Below(3)), ' ');
        if (kind < 36)
            return Blanks() + "#" + Pick(kKeys) + "=" + Pick(kValues);
        if (kind < 40)
            return "just words";
        if (kind < 43)
            return "k=" + std::string(size_t(505 + Below(12)), 'L');
        if (kind < 46)
            return std::string("a=") + "\f\x1a"[Below(2)] + "b";
        std::string entry = Blanks() + Pick(kKeys) + Blanks() + "=" + Blanks() + Pick(kValues);
        if (Chance(15))
            entry += "+";
        return entry;
    }

    std::string File()
    {
        static const char* const ends[] = {"\n", "\r\n", "\r\r\n"};
        int endKind = Below(4); // 3: mixed
        std::string text;
        int lines = Below(14);
        for (int i = 0; i < lines; ++i) {
            text += Line();
            if (Chance(2))
                text += '\0';
            else if (i + 1 < lines || Chance(80))
                text += ends[endKind == 3 ? Below(3) : endKind];
        }
        return text;
    }

private:
    std::mt19937 rng_;
};

std::string Visible(const std::string& text)
{
    std::string out;
    for (char c : text) {
        unsigned char u = static_cast<unsigned char>(c);
        if (c == '\n')
            out += "\\n\n";
        else if (u < 0x20 || u >= 0x7F)
            out += "\\x" + std::string(1, "0123456789abcdef"[u >> 4]) + "0123456789abcdef"[u & 15];
        else
            out += c;
    }
    return out;
}

} // namespace

TEST(IniModel, EngineAgreesWithTheModelOnGeneratedFilesAndOperations)
{
    const unsigned seed = 20260301;
    const int cases = 2500;
    Generator gen(seed);
    IniTestFolder folder;
    std::wstring file = folder.Path(L"model.ini");
    int reads = 0, writes = 0, successes = 0;
    for (int c = 0; c < cases && !::testing::Test::HasFailure(); ++c) {
        ini_model::Disk disk;
        DeleteFileW(file.c_str());
        if (gen.Chance(92)) {
            disk.exists = true;
            disk.target = gen.File();
            IniTestFolder::Write(file, disk.target);
        }
        SCOPED_TRACE("seed " + std::to_string(seed) + ", case " + std::to_string(c) + ", file:\n" +
                     Visible(disk.target));
        int operations = 1 + gen.Below(6);
        for (int op = 0; op < operations && !::testing::Test::HasFailure(); ++op) {
            const std::string& section = gen.Pick(kSections);
            const std::string& key = gen.Pick(kKeys);
            if (gen.Chance(30)) {
                const std::string& value = gen.Pick(kValues);
                SCOPED_TRACE("write [" + section + "] " + key + "=" + value);
                ++writes;
                int want = ini_model::Write(disk, section, key, value);
                successes += want == INI_SUCCESS;
                EXPECT_EQ(IniWriteValue(file.c_str(), section.c_str(), key.c_str(), value.c_str()), want);
                EXPECT_EQ(IniTestFolder::Read(file), disk.exists ? disk.target : "<missing>");
                EXPECT_FALSE(IniTestFolder::Exists(IniTestFolder::ScratchPath()));
            } else {
                static const size_t capacities[] = {1, 5, 100, INI_LINE_MAX + 1};
                size_t capacity = capacities[gen.Below(4)];
                SCOPED_TRACE("read [" + section + "] " + key + " into " + std::to_string(capacity));
                ++reads;
                ini_model::ReadResult want = ini_model::Read(disk.exists ? &disk.target : nullptr, section, key);
                successes += want.code == INI_SUCCESS;
                std::string out(capacity + 4, '#');
                EXPECT_EQ(IniReadValue(file.c_str(), section.c_str(), key.c_str(), &out[0], capacity), want.code);
                IniLocation at = IniLastLocation();
                EXPECT_EQ(at.sectionLine, want.at.sectionLine);
                EXPECT_EQ(at.entryLine, want.at.entryLine);
                EXPECT_EQ(at.entrySpan, want.at.entrySpan);
                std::string expected(capacity + 4, '#');
                if (want.code == INI_SUCCESS) {
                    std::string cut = want.value.substr(0, capacity - 1);
                    expected.replace(0, cut.size() + 1, cut + '\0');
                }
                EXPECT_EQ(Visible(out), Visible(expected));
            }
        }
    }
    // The generator must reach both outcomes often, or the agreement says little.
    EXPECT_GT(successes, (reads + writes) / 5);
    EXPECT_LT(successes, (reads + writes) * 4 / 5);
    EXPECT_GT(writes, cases / 2);
}
