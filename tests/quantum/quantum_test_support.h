// Helpers shared by the Quantum tests: sample data, a decoder driven through
// its public operations with counting allocation callbacks, and folder
// encoding through the writer's encoder.
#ifndef STUB_TESTS_QUANTUM_SUPPORT_H
#define STUB_TESTS_QUANTUM_SUPPORT_H

#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>

#include <random>
#include <string>
#include <vector>

#include "encoders.h"
#include "quantum_decoder.h"

namespace qtest {

inline std::vector<uint8_t> ReadFile(const std::string& path) {
    std::vector<uint8_t> bytes;
    FILE* f = fopen(path.c_str(), "rb");
    if (!f) return bytes;
    uint8_t chunk[65536];
    size_t n;
    while ((n = fread(chunk, 1, sizeof chunk, f)) > 0) bytes.insert(bytes.end(), chunk, chunk + n);
    fclose(f);
    return bytes;
}

// English-like text from a fixed vocabulary.
inline std::vector<uint8_t> Text(size_t size, uint32_t seed = 1) {
    static const char* words[] = {
        "the",     "cabinet", "folder", "block",  "window",   "decoder", "of",    "and",
        "a",       "model",   "symbol", "range",  "to",       "in",      "is",    "with",
        "match",   "offset",  "length", "bytes",  "compress", "archive", "file",  "data",
        "stream",  "frequency", "table", "each",  "that",     "for",     "which", "it"};
    std::mt19937 rng(seed);
    std::string s;
    while (s.size() < size) {
        s += words[rng() % 32];
        unsigned r = rng() % 16;
        s += r == 0 ? ".\n" : r == 1 ? ", " : " ";
    }
    return std::vector<uint8_t>(s.begin(), s.begin() + size);
}

inline std::vector<uint8_t> Random(size_t size, uint32_t seed = 7) {
    std::mt19937 rng(seed);
    std::vector<uint8_t> v(size);
    for (auto& b : v) b = (uint8_t)rng();
    return v;
}

// An x86-64 program: the test executable itself, repeated to `size` bytes.
inline std::vector<uint8_t> Binary(size_t size) {
    std::vector<uint8_t> exe = ReadFile("/proc/self/exe");
    std::vector<uint8_t> v;
    while (v.size() < size && !exe.empty())
        v.insert(v.end(), exe.begin(), exe.begin() + std::min(exe.size(), size - v.size()));
    return v;
}

// Allocation callbacks that count live blocks and can be told to fail.
struct AllocCounter {
    static inline int live = 0;
    static inline int failAfter = -1;  // -1: never; n: the (n+1)-th allocation fails
    static void* Alloc(uint32_t size) {
        if (failAfter == 0) return nullptr;
        if (failAfter > 0) --failAfter;
        ++live;
        return malloc(size);
    }
    static void Free(void* p) {
        if (p) --live;
        free(p);
    }
};

// A decoder made with malloc-backed callbacks.
struct Decoder {
    QuantumDecoder* q = nullptr;
    explicit Decoder(int windowBits, uint32_t maxOutput = 32768) {
        QuantumParams params{windowBits, -1};
        uint32_t maxInput = 0;
        QuantumCreate(&maxOutput, &params, AllocCounter::Alloc, AllocCounter::Free, &maxInput, &q,
                      nullptr, nullptr, nullptr, nullptr, nullptr);
    }
    ~Decoder() {
        if (q) QuantumDestroy(q);
    }
    CodecResult Block(const std::vector<uint8_t>& in, uint32_t size, std::vector<uint8_t>* out) {
        out->assign(size, 0xEE);
        uint32_t outSize = size;
        return QuantumDecompress(q, in.data(), (uint32_t)in.size(), out->data(), &outSize);
    }
};

inline std::vector<cabwriter::EncodedBlock> Encode(const std::vector<uint8_t>& data, int windowBits,
                                                   uint32_t blockSize = 32768) {
    cabwriter::FolderSpec spec;
    spec.method = cabwriter::Method::Quantum;
    spec.windowBits = windowBits;
    std::vector<cabwriter::EncodedBlock> blocks;
    std::string error;
    if (!cabwriter::EncodeQuantum(data.data(), data.size(), spec, blockSize, &blocks, &error))
        blocks.clear();
    return blocks;
}

// Decodes a folder's blocks with a fresh decoder; false on any failure.
inline bool DecodeFolder(const std::vector<cabwriter::EncodedBlock>& blocks, int windowBits,
                         std::vector<uint8_t>* out) {
    Decoder d(windowBits);
    if (!d.q) return false;
    out->clear();
    std::vector<uint8_t> piece;
    for (const auto& b : blocks) {
        if (d.Block(b.bytes, b.uncompressedSize, &piece) != CodecResult::Ok) return false;
        out->insert(out->end(), piece.begin(), piece.end());
    }
    return true;
}

}  // namespace qtest

#endif
