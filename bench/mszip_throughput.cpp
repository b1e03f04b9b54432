// Decoder throughput on the benchmark corpus held in memory: the corpus
// files, concatenated as one folder, are compressed once with the writer's
// MSZIP encoder; the benchmark then decodes every frame in order, as the
// reader would, and reports the output rate.
//
// usage: mszip_throughput CORPUS_DIR [--level=N] [benchmark options]
#include <benchmark/benchmark.h>
#include <dirent.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <zlib.h>

#include "encoders.h"
#include "mszip_decoder.h"

namespace {

std::vector<uint8_t> gFolder;
std::vector<cabwriter::EncodedBlock> gBlocks;

void* Alloc(uint32_t n) { return malloc(n); }
void Free(void* p) { free(p); }

bool LoadCorpus(const std::string& dir) {
    DIR* d = opendir(dir.c_str());
    if (!d) return false;
    std::vector<std::string> names;
    while (dirent* e = readdir(d))
        if (e->d_name[0] != '.') names.push_back(e->d_name);
    closedir(d);
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        std::ifstream f(dir + "/" + name, std::ios::binary);
        gFolder.insert(gFolder.end(), std::istreambuf_iterator<char>(f),
                       std::istreambuf_iterator<char>());
    }
    return !gFolder.empty();
}

void DecodeFolder(benchmark::State& state) {
    uint32_t maxOutput = 32768, maxInput;
    MszipDecoder* decoder = nullptr;
    if (MszipCreate(&maxOutput, Alloc, Free, &maxInput, &decoder) != CodecResult::Ok) {
        state.SkipWithError("create failed");
        return;
    }
    std::vector<uint8_t> out(32768, 0);
    for (auto _ : state) {
        MszipReset(decoder);
        for (const auto& block : gBlocks) {
            uint32_t produced = 32768;
            if (MszipDecompress(decoder, block.bytes.data(), uint32_t(block.bytes.size()),
                                out.data(), &produced) != CodecResult::Ok ||
                produced != block.uncompressedSize) {
                state.SkipWithError("decode failed");
                break;
            }
        }
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(gFolder.size()));
    MszipDestroy(decoder);
}

// The same frames through zlib's inflate, for reference: raw DEFLATE with
// the previous 32 KiB of output as the preset dictionary.
void ZlibDecodeFolder(benchmark::State& state) {
    std::vector<uint8_t> out(gFolder.size());
    z_stream z{};
    inflateInit2(&z, -15);
    for (auto _ : state) {
        size_t pos = 0;
        for (const auto& block : gBlocks) {
            inflateReset(&z);
            if (pos) inflateSetDictionary(&z, out.data() + pos - std::min<size_t>(pos, 32768),
                                          uInt(std::min<size_t>(pos, 32768)));
            z.next_in = const_cast<Bytef*>(block.bytes.data() + 2);
            z.avail_in = uInt(block.bytes.size() - 2);
            z.next_out = out.data() + pos;
            z.avail_out = block.uncompressedSize;
            if (inflate(&z, Z_FINISH) != Z_STREAM_END) {
                state.SkipWithError("zlib failed");
                break;
            }
            pos += block.uncompressedSize;
        }
        benchmark::DoNotOptimize(out.data());
    }
    inflateEnd(&z);
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(gFolder.size()));
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    int level = 6;
    std::string dir;
    for (int i = 1; i < argc; i++) {
        if (strncmp(argv[i], "--level=", 8) == 0)
            level = atoi(argv[i] + 8);
        else
            dir = argv[i];
    }
    if (dir.empty() || !LoadCorpus(dir)) {
        fprintf(stderr, "usage: mszip_throughput CORPUS_DIR [--level=N]\n");
        return 2;
    }
    cabwriter::FolderSpec spec;
    spec.method = cabwriter::Method::Mszip;
    spec.level = level;
    std::string error;
    if (!cabwriter::EncodeMszip(gFolder.data(), gFolder.size(), spec, 32768, &gBlocks, &error)) {
        fprintf(stderr, "encode: %s\n", error.c_str());
        return 1;
    }
    size_t packed = 0;
    for (const auto& b : gBlocks) packed += b.bytes.size();
    fprintf(stderr, "corpus %.1f MB, MSZIP level %d: %.1f MB in %zu frames\n", gFolder.size() / 1e6,
            level, packed / 1e6, gBlocks.size());
    benchmark::RegisterBenchmark("MszipDecodeCorpus", DecodeFolder)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ZlibInflateCorpus", ZlibDecodeFolder)->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
