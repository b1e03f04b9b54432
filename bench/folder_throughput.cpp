// In-memory decoder throughput on a cabinet (not a test; bench/bench_peers.sh
// runs it to set cabx test against the decoders alone).
//
// Reads a cabinet, keeps every data block of its MSZIP, Quantum and LZX
// folders in memory, then decodes each folder frame by frame through the
// decoders' common table as the reader does, RUNS times,
// and prints the best output rate, the least CPU time of a run (which a busy
// machine disturbs less than the wall time) and a hash of the output
// (identical output from two builds of the decoder gives the same hash).
//
// usage: folder_throughput CABINET [RUNS]
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <vector>

#include "cab_directory.h"
#include "decoder_contract.h"
#include "lzx_decoder.h"
#include "quantum_decoder.h"

namespace {

struct Folder {
    unsigned method = 0;
    int windowBits = 0;
    std::vector<const uint8_t*> data;
    std::vector<uint16_t> in, out;
};

void* Alloc(uint32_t n) { return malloc(n); }
void Free(void* p) { free(p); }

const DecoderOps* OpsFor(unsigned method) {
    switch (method) {
        case MethodMszip: return &kMszipDecoderOps;
        case MethodQuantum: return &kQuantumDecoderOps;
        case MethodLzx: return &kLzxDecoderOps;
    }
    return nullptr;
}

double CpuSeconds() {
    timespec t;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: folder_throughput CABINET [RUNS]\n");
        return 2;
    }
    const int runs = argc > 2 ? atoi(argv[2]) : 3;
    std::ifstream f(argv[1], std::ios::binary);
    std::vector<uint8_t> cab((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    CabSource src;
    CabSourceFromMemory(&src, cab.data(), uint32_t(cab.size()));
    CabDirectory dir;
    int detail;
    if (ReadCabDirectory(&src, &dir, &detail) != CabErrorCode::None) {
        fprintf(stderr, "%s: not a cabinet\n", argv[1]);
        return 1;
    }
    if (dir.header.flags & (HasPrevious | HasNext)) {
        fprintf(stderr, "cabinet sets are not supported\n");
        return 1;
    }
    std::vector<Folder> list;
    uint64_t total = 0;
    for (uint32_t i = 0; i < dir.header.folderCount; ++i) {
        FolderEntry entry;
        if (ReadCabFolder(&src, &dir, i, &entry, nullptr) != CabErrorCode::None)
            return fprintf(stderr, "truncated cabinet\n"), 1;
        Folder fo;
        fo.method = CompressionMethod(entry.compressionType);
        if (!OpsFor(fo.method)) continue;
        fo.windowBits = CompressionWindowBits(entry.compressionType);
        uint32_t b = entry.firstBlockOffset;
        for (uint32_t k = 0; k < entry.blockCount; ++k) {
            CabBlock block;
            if (ReadCabBlock(&src, &dir, &b, &block, nullptr, nullptr) != CabErrorCode::None ||
                b > cab.size())
                return fprintf(stderr, "truncated cabinet\n"), 1;
            fo.data.push_back(&cab[block.dataPos]);
            fo.in.push_back(block.header.compressedSize);
            fo.out.push_back(block.header.uncompressedSize);
            total += block.header.uncompressedSize;
        }
        list.push_back(std::move(fo));
    }
    double best = 1e30, bestCpu = 1e30;
    uint64_t hash = 0;
    std::vector<uint8_t> output(32768);
    // Run 0 hashes all output and is not timed.
    for (int r = 0; r <= runs; ++r) {
        if (r == 0) hash = 1469598103934665603ull;
        auto start = std::chrono::steady_clock::now();
        const double startCpu = CpuSeconds();
        for (const Folder& fo : list) {
            const DecoderOps* ops = OpsFor(fo.method);
            QuantumParams quantum{fo.windowBits, -1};
            LzxConfig lzx{1u << fo.windowBits};
            const void* params = fo.method == MethodQuantum ? (const void*)&quantum
                                 : fo.method == MethodLzx   ? (const void*)&lzx
                                                            : nullptr;
            uint32_t maxOut = 32768, maxIn = 0;
            void* d = nullptr;
            if (ops->create(&maxOut, params, Alloc, Free, &maxIn, &d, nullptr) != CodecResult::Ok)
                return fprintf(stderr, "create failed\n"), 1;
            ops->reset(d);
            for (size_t k = 0; k < fo.data.size(); ++k) {
                // MSZIP is given the whole buffer, as the reader does.
                uint32_t n = fo.method == MethodMszip ? maxOut : fo.out[k];
                if (ops->decompress(d, fo.data[k], fo.in[k], output.data(), &n) != CodecResult::Ok)
                    return fprintf(stderr, "block %zu: bad data\n", k), 1;
                if (r == 0)
                    for (uint32_t i = 0; i < n; ++i) hash = (hash ^ output[i]) * 1099511628211ull;
            }
            ops->destroy(d);
        }
        const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const double cpu = CpuSeconds() - startCpu;
        if (r > 0 && s < best) best = s;
        if (r > 0 && cpu < bestCpu) bestCpu = cpu;
    }
    printf("%llu bytes in %zu folder(s): best %.3f s, %.1f MB/s; best CPU %.3f s, %.1f MB/s (hash %016llx)\n",
           (unsigned long long)total, list.size(), best, total / 1e6 / best, bestCpu,
           total / 1e6 / bestCpu, (unsigned long long)hash);
    return 0;
}
