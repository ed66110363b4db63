// Mutations of skin files and images for the skin fuzz run: byte-level for images, line- and token-level for skins.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// A small deterministic generator, so that a run can be repeated from its seed.
class FuzzRandom {
public:
    explicit FuzzRandom(uint64_t seed) : state_(seed * 2654435761u + 1) {}
    uint32_t Next();
    uint32_t Below(uint32_t n) { return n ? Next() % n : 0; }
    bool OneIn(uint32_t n) { return Below(n) == 0; }
private:
    uint64_t state_;
};

using Bytes = std::vector<unsigned char>;

// One to eight stacked changes to an image file, biased towards its header.
Bytes MutateImage(const Bytes& seed, FuzzRandom& random);

// One to six stacked changes to a skin's text: lines dropped, doubled or swapped,
// keys, section names and values from the skin's vocabulary, long values, bytes.
std::string MutateSkin(const std::string& seed, FuzzRandom& random);
