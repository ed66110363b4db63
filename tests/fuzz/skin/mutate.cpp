// The skin fuzz run's mutators.
#include "tests/fuzz/skin/mutate.h"
#include <algorithm>

uint32_t FuzzRandom::Next()
{
    state_ ^= state_ << 13;
    state_ ^= state_ >> 7;
    state_ ^= state_ << 17;
    return uint32_t(state_ >> 16);
}

namespace {

const uint32_t kInteresting[] = {0, 1, 0x7F, 0x80, 0xFF, 0x100, 0x7FFF, 0x8000, 0xFFFF, 0x10000,
                                 10000, 10001, 20000, 0x7FFFFFFF, 0x80000000u, 0xFFFFFFFFu};

size_t Position(const Bytes& data, FuzzRandom& random)
{
    // Half of the changes land in the first 64 bytes, where the headers are.
    size_t limit = random.OneIn(2) ? std::min<size_t>(data.size(), 64) : data.size();
    return random.Below(uint32_t(limit));
}

void PutValue(Bytes& data, size_t at, uint32_t value, int width, bool bigEndian)
{
    for (int i = 0; i < width && at + i < data.size(); ++i) {
        int shift = bigEndian ? 8 * (width - 1 - i) : 8 * i;
        data[at + i] = (unsigned char)(value >> shift);
    }
}

void MutateOnce(Bytes& data, FuzzRandom& random)
{
    if (data.empty()) {
        data.push_back((unsigned char)random.Next());
        return;
    }
    size_t at = Position(data, random);
    switch (random.Below(7)) {
    case 0: data[at] ^= (unsigned char)(1u << random.Below(8)); break;
    case 1: data[at] = (unsigned char)random.Next(); break;
    case 2: {
        int width = random.OneIn(2) ? 2 : 4;
        PutValue(data, at, kInteresting[random.Below(sizeof(kInteresting) / sizeof(kInteresting[0]))], width,
                 random.OneIn(2));
        break;
    }
    case 3: data.resize(random.Below(uint32_t(data.size()))); break;  // truncated
    case 4: {  // random bytes inserted
        size_t count = 1 + random.Below(32);
        Bytes insert(count);
        for (unsigned char& b : insert) b = (unsigned char)random.Next();
        data.insert(data.begin() + at, insert.begin(), insert.end());
        break;
    }
    case 5: {  // a stretch of the file copied over another place
        size_t from = random.Below(uint32_t(data.size())), count = 1 + random.Below(64);
        count = std::min(count, data.size() - from);
        Bytes piece(data.begin() + from, data.begin() + from + count);
        for (size_t i = 0; i < count && at + i < data.size(); ++i) data[at + i] = piece[i];
        break;
    }
    default: {  // a stretch removed
        size_t count = std::min<size_t>(1 + random.Below(16), data.size() - at);
        data.erase(data.begin() + at, data.begin() + at + count);
        break;
    }
    }
}

const char* const kSkinWords[] = {
    "[Skin Info]", "[Topbar]", "[Button Images]", "[Signal Images]", "[Volume image]", "[Battery image]",
    "[Title Font]", "[Timer Font]", "[Dialog Title]", "HiRes=1", "HiRes=-7", "HiRes=99999999999",
    "Landscape=", "Portrait=", "Start Menu Normal=", "Menu Pressed=", "Signal3 Normal=", "Volume=", "Battery=",
    "Name=", "Size=", "Style=", "Color=", "=", "[", "]", "\\", "..\\..\\", "images\\", "img.png", "img.gif",
    "img.jpg", "img.bmp", "nul", "con.bmp", "%s%n%d", "\r", "\n", "\t", " ", "\x1a", "\f", "-1",
    "4294967296", "1.5", "Size=9999999", "Color=-16777216", "Name=Tahoma", "Name=\x01\x02",
};

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::string Join(const std::vector<std::string>& lines)
{
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i) text += lines[i] + (i + 1 < lines.size() ? "\n" : "");
    return text;
}

void MutateSkinOnce(std::string& text, FuzzRandom& random)
{
    std::vector<std::string> lines = Lines(text);
    size_t n = lines.size(), i = random.Below(uint32_t(n));
    const char* word = kSkinWords[random.Below(sizeof(kSkinWords) / sizeof(kSkinWords[0]))];
    switch (random.Below(8)) {
    case 0: if (n > 1) lines.erase(lines.begin() + i); break;
    case 1: lines.insert(lines.begin() + i, lines[i]); break;
    case 2: std::swap(lines[i], lines[random.Below(uint32_t(n))]); break;
    case 3: lines.insert(lines.begin() + i, word); break;
    case 4: {  // the value replaced
        size_t eq = lines[i].find('=');
        if (eq != std::string::npos) lines[i] = lines[i].substr(0, eq + 1) + word;
        break;
    }
    case 5: lines[i].insert(random.Below(uint32_t(lines[i].size() + 1)), word); break;
    case 6: lines[i] += std::string(1 + random.Below(700), random.OneIn(2) ? 'A' : '\\'); break;
    default: {
        Bytes bytes(text.begin(), text.end());
        MutateOnce(bytes, random);
        text.assign(bytes.begin(), bytes.end());
        return;
    }
    }
    text = Join(lines);
}

}  // namespace

Bytes MutateImage(const Bytes& seed, FuzzRandom& random)
{
    Bytes data = seed;
    for (int i = 0, n = 1 + int(random.Below(8)); i < n; ++i) MutateOnce(data, random);
    return data;
}

std::string MutateSkin(const std::string& seed, FuzzRandom& random)
{
    std::string text = seed;
    for (int i = 0, n = 1 + int(random.Below(6)); i < n; ++i) MutateSkinOnce(text, random);
    return text;
}
