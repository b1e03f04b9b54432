// Writes the Quantum seed inputs: encoder-made folders in the layout of
// fuzz_quantum.cpp, and a two-folder Quantum cabinet for the reader target.
//   make_quantum_seeds CORPUS/quantum CORPUS/reader
#include <stdio.h>
#include <string>
#include <vector>
#include "cab_writer.h"
#include "encoders.h"
using namespace cabwriter;
static void Save(const std::string& p, const std::vector<uint8_t>& b) { FILE* f = fopen(p.c_str(), "wb"); fwrite(b.data(), 1, b.size(), f); fclose(f); }
static std::vector<uint8_t> Data(size_t n, int kind) {
    std::vector<uint8_t> v; uint32_t x = 12345;
    const char* t = "the folder block window decoder of and a model symbol range ";
    for (size_t i = 0; i < n; ++i) { x = x * 1103515245u + 12345u; v.push_back(kind == 0 ? t[(i * 7 + (x >> 28)) % 61] : kind == 1 ? (uint8_t)(x >> 16) : (uint8_t)(i % 251 < 30 ? 0 : i)); }
    return v;
}
int main(int, char** argv) {
    std::string qdir = argv[1], rdir = argv[2];
    int seeds[][4] = {{10, 300, 0, 1}, {15, 2000, 0, 2}, {21, 1200, 1, 1}, {12, 40000, 2, 2}, {18, 5000, 0, 3}};
    int k = 0;
    for (auto& s : seeds) {
        FolderSpec spec; spec.method = Method::Quantum; spec.windowBits = s[0];
        std::vector<uint8_t> d = Data(s[1], s[2]);
        std::vector<EncodedBlock> blocks; std::string e;
        EncodeQuantum(d.data(), d.size(), spec, s[3] == 1 ? 32768 : s[1] / s[3] + 1, &blocks, &e);
        std::vector<uint8_t> in = {(uint8_t)(s[0] - 10), (uint8_t)(k & 1 ? 4 : 0)};
        for (auto& b : blocks) {
            in.push_back(b.uncompressedSize & 0xFF); in.push_back(b.uncompressedSize >> 8);
            in.push_back(b.bytes.size() & 0xFF); in.push_back(b.bytes.size() >> 8);
            in.insert(in.end(), b.bytes.begin(), b.bytes.end());
        }
        Save(qdir + "/seed-w" + std::to_string(s[0]) + "-" + std::to_string(k++) + ".bin", in);
    }
    // Reader seeds: a Quantum cabinet with two folders of different windows.
    Options o; FolderSpec a, b; a.method = b.method = Method::Quantum; a.windowBits = 10; b.windowBits = 21;
    o.folders = {a, b};
    std::vector<Entry> es(3);
    es[0].name = "a.txt"; es[0].data = Data(3000, 0); es[0].folder = 0;
    es[1].name = "dir\\b.bin"; es[1].data = Data(700, 2); es[1].folder = 1;
    es[2].name = "c.txt"; es[2].data = Data(900, 0); es[2].folder = 1;
    Save(rdir + "/quantum.cab", WriteCabinet(es, o));
}
