// Deterministic test inputs that compress the way real files do: text with
// a vocabulary, noise, runs, and mixtures.
#ifndef STUB_TESTS_MSZIP_TEST_DATA_H
#define STUB_TESTS_MSZIP_TEST_DATA_H

#include <stdint.h>

#include <string>
#include <vector>

namespace mszip_test {

inline uint32_t NextRandom(uint32_t& state) {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
}

inline std::vector<uint8_t> TextData(size_t size, uint32_t seed = 1) {
    static const char* words[] = {"the ", "cabinet ", "folder ", "frame ", "stream ", "of ",
                                  "bits ", "and ", "a ", "decoder\n", "window ", "match ",
                                  "literal ", "length ", "distance ", "table, ", "code. "};
    std::vector<uint8_t> out;
    while (out.size() < size) {
        const char* w = words[NextRandom(seed) % (sizeof words / sizeof *words)];
        out.insert(out.end(), w, w + strlen(w));
    }
    out.resize(size);
    return out;
}

inline std::vector<uint8_t> NoiseData(size_t size, uint32_t seed = 7) {
    std::vector<uint8_t> out(size);
    for (auto& b : out) b = uint8_t(NextRandom(seed));
    return out;
}

// Text, noise and runs in turns of a few KiB, so that one folder exercises
// stored, fixed and dynamic blocks, long and short matches.
inline std::vector<uint8_t> MixedData(size_t size, uint32_t seed = 3) {
    std::vector<uint8_t> out;
    while (out.size() < size) {
        size_t n = 1000 + NextRandom(seed) % 9000;
        std::vector<uint8_t> part;
        switch (NextRandom(seed) % 4) {
            case 0: part = TextData(n, NextRandom(seed) | 1); break;
            case 1: part = NoiseData(n, NextRandom(seed) | 1); break;
            case 2: part.assign(n, uint8_t(NextRandom(seed))); break;
            default:  // a short pattern repeated: overlapping matches of distance < 8
                for (size_t i = 0; i < n; i++) part.push_back(uint8_t("abcabcdx"[i % (1 + n % 7)]));
        }
        out.insert(out.end(), part.begin(), part.end());
    }
    out.resize(size);
    return out;
}

}  // namespace mszip_test

#endif
