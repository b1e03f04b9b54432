// Decoder throughput on the benchmark corpus held in memory: the corpus
// files, concatenated as one folder, are compressed once with the writer's
// MSZIP encoder; the benchmark then decodes every frame in order, as the
// reader would, and reports the output rate.
//
// The yardstick is libdeflate's raw-DEFLATE decoder (when it is installed).
// It has no preset dictionary, so it cannot follow a folder's history from
// frame to frame; both decoders are therefore also run on a second set of
// frames, each 32 KiB chunk compressed on its own (zlib, same level), and
// the ratio of their times on those identical frames is printed at the end.
// On a busy machine run with --benchmark_repetitions=N (and
// --benchmark_enable_random_interleaving=true): the ratio is then printed
// for the median and for the fastest repetitions.
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
#include <map>
#include <set>
#include <string>
#include <vector>

#include <zlib.h>
#ifdef HAVE_LIBDEFLATE
#include <libdeflate.h>
#endif

#include "encoders.h"
#include "mszip_decoder.h"

namespace {

std::vector<uint8_t> gFolder;
std::vector<cabwriter::EncodedBlock> gBlocks;
// The folder again, every 32 KiB chunk a frame of its own (no history).
std::vector<cabwriter::EncodedBlock> gOwnBlocks;

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

bool EncodeIndependent(int level) {
    for (size_t pos = 0; pos < gFolder.size(); pos += 32768) {
        uLong n = uLong(std::min<size_t>(32768, gFolder.size() - pos));
        z_stream z{};
        if (deflateInit2(&z, level, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) != Z_OK) return false;
        cabwriter::EncodedBlock block;
        block.bytes.resize(2 + deflateBound(&z, n));
        block.bytes[0] = 'C';
        block.bytes[1] = 'K';
        z.next_in = const_cast<Bytef*>(gFolder.data() + pos);
        z.avail_in = uInt(n);
        z.next_out = block.bytes.data() + 2;
        z.avail_out = uInt(block.bytes.size() - 2);
        int rc = deflate(&z, Z_FINISH);
        block.bytes.resize(2 + z.total_out);
        deflateEnd(&z);
        if (rc != Z_STREAM_END || block.bytes.size() > 32780) return false;
        block.uncompressedSize = uint16_t(n);
        gOwnBlocks.push_back(std::move(block));
    }
    return true;
}

void DecodeBlocks(benchmark::State& state, const std::vector<cabwriter::EncodedBlock>& blocks) {
    uint32_t maxOutput = 32768, maxInput;
    MszipDecoder* decoder = nullptr;
    if (MszipCreate(&maxOutput, Alloc, Free, &maxInput, &decoder) != CodecResult::Ok) {
        state.SkipWithError("create failed");
        return;
    }
    std::vector<uint8_t> out(32768, 0);
    for (auto _ : state) {
        MszipReset(decoder);
        for (const auto& block : blocks) {
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

void DecodeFolder(benchmark::State& state) { DecodeBlocks(state, gBlocks); }
void DecodeOwnFrames(benchmark::State& state) { DecodeBlocks(state, gOwnBlocks); }

#ifdef HAVE_LIBDEFLATE
// libdeflate on the independent frames, into one 32 KiB buffer as ours.
void LibdeflateOwnFrames(benchmark::State& state) {
    libdeflate_decompressor* d = libdeflate_alloc_decompressor();
    std::vector<uint8_t> out(32768, 0);
    for (auto _ : state) {
        for (const auto& block : gOwnBlocks) {
            size_t produced = 0;
            if (libdeflate_deflate_decompress(d, block.bytes.data() + 2, block.bytes.size() - 2,
                                              out.data(), out.size(), &produced) !=
                    LIBDEFLATE_SUCCESS ||
                produced != block.uncompressedSize) {
                state.SkipWithError("libdeflate failed");
                break;
            }
        }
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(gFolder.size()));
    libdeflate_free_decompressor(d);
}
#endif

// The console output, plus the CPU time per iteration of each benchmark
// for the closing ratio: with repetitions, the fastest repetition, since on
// a shared machine other work only ever adds time.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> cpu, median;
    bool usedBest = false;
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs) {
            if (r.error_occurred) continue;
            std::string name = r.run_name.function_name;
            bool best = r.run_type == Run::RT_Aggregate && r.aggregate_name == "min";
            if (best || (r.run_type == Run::RT_Iteration && !bests.count(name)))
                cpu[name] = r.GetAdjustedCPUTime();
            if (best) bests.insert(name), usedBest = true;
            if (r.run_type == Run::RT_Aggregate && r.aggregate_name == "median")
                median[name] = r.GetAdjustedCPUTime();
        }
    }

private:
    std::set<std::string> bests;
};

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
    if (!EncodeIndependent(level)) {
        fprintf(stderr, "zlib could not encode the independent frames\n");
        return 1;
    }
    size_t packed = 0, ownPacked = 0;
    for (const auto& b : gBlocks) packed += b.bytes.size();
    for (const auto& b : gOwnBlocks) ownPacked += b.bytes.size();
    fprintf(stderr, "corpus %.1f MB, MSZIP level %d: %.1f MB in %zu frames; "
            "independent frames %.1f MB\n", gFolder.size() / 1e6, level, packed / 1e6,
            gBlocks.size(), ownPacked / 1e6);
    auto minimum = [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); };
    for (auto* b : {benchmark::RegisterBenchmark("MszipDecodeCorpus", DecodeFolder),
                    benchmark::RegisterBenchmark("ZlibInflateCorpus", ZlibDecodeFolder),
                    benchmark::RegisterBenchmark("MszipOwnFrames", DecodeOwnFrames),
#ifdef HAVE_LIBDEFLATE
                    benchmark::RegisterBenchmark("LibdeflateOwnFrames", LibdeflateOwnFrames),
#endif
         })
        b->Unit(benchmark::kMillisecond)->ComputeStatistics("min", minimum);
#ifndef HAVE_LIBDEFLATE
    fprintf(stderr, "libdeflate not built in: no yardstick\n");
#endif
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
#ifdef HAVE_LIBDEFLATE
    if (reporter.cpu.count("MszipOwnFrames") && reporter.cpu.count("LibdeflateOwnFrames"))
        printf("MSZIP decoder speed / libdeflate's on the same frames: %.2f (CPU time%s)\n",
               reporter.cpu["LibdeflateOwnFrames"] / reporter.cpu["MszipOwnFrames"],
               reporter.usedBest ? ", fastest repetitions" : "");
    if (reporter.median.count("MszipOwnFrames") && reporter.median.count("LibdeflateOwnFrames"))
        printf("MSZIP decoder speed / libdeflate's on the same frames: %.2f (CPU time, medians)\n",
               reporter.median["LibdeflateOwnFrames"] / reporter.median["MszipOwnFrames"]);
#endif
    benchmark::Shutdown();
    return 0;
}
