// Encoder throughput: compresses inputs held in memory with the writer's
// encoders and prints, per input and method, the input size, the compressed
// size and the encoding rate in MB/s of thread CPU time (best of the runs;
// CPU time, since a shared machine disturbs it less than wall time), and a
// digest of the compressed bytes, which shows at a glance whether a change
// to an encoder altered its output.
//
// Inputs: the benchmark corpus (bench/make_corpus.sh), cut into folders at
// file boundaries as `cabx create` cuts them (a new folder once one holds
// 8 MiB), and synthetic inputs that stress the match finders: random bytes
// (nothing to find), runs of one byte (everything at distance 1), and
// 64 KiB stretches alternating between text and random bytes.
//
// usage: encoder_throughput [--corpus=DIR] [--methods=M,M,...] [--runs=N]
//                           [--synthetic-mb=N] [--corpus-mb=N] [--only=NAME,...]
//   methods: lzx:15..21, quantum:10..21, mszip (default lzx:21,lzx:15,quantum:21,quantum:15)
//   corpus-mb: use only the first N MB of the corpus (default all of it)
//   only: run only these inputs (corpus, random, runs, mixed)
#include <dirent.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "encoders.h"

namespace {

struct Input {
    std::string name;
    std::vector<std::vector<uint8_t>> folders;
    size_t Bytes() const {
        size_t n = 0;
        for (const auto& f : folders) n += f.size();
        return n;
    }
};

double ThreadSeconds() {
    timespec ts;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) * 1e-9;
}

// The corpus files in the order the extraction benchmarks pack them (text,
// then source, then binaries, each sorted by name), as 8 MiB folders.
bool LoadCorpus(const std::string& dir, size_t limit, Input* in) {
    DIR* d = opendir(dir.c_str());
    if (!d) return false;
    std::vector<std::string> names;
    while (dirent* e = readdir(d)) {
        std::string n = e->d_name;
        if (n.rfind("text", 0) == 0 || n.rfind("src", 0) == 0 || n.rfind("bin", 0) == 0)
            names.push_back(n);
    }
    closedir(d);
    auto rank = [](const std::string& n) { return n[0] == 't' ? 0 : n[0] == 's' ? 1 : 2; };
    std::sort(names.begin(), names.end(), [&](const std::string& a, const std::string& b) {
        return rank(a) != rank(b) ? rank(a) < rank(b) : a < b;
    });
    const size_t kFolder = size_t(8) << 20;
    size_t total = 0;
    in->name = "corpus";
    for (const std::string& name : names) {
        if (limit && total >= limit) break;
        std::ifstream f(dir + "/" + name, std::ios::binary);
        std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
        if (in->folders.empty() || in->folders.back().size() >= kFolder) in->folders.emplace_back();
        in->folders.back().insert(in->folders.back().end(), bytes.begin(), bytes.end());
        total += bytes.size();
    }
    return total != 0;
}

std::vector<uint8_t> RandomBytes(size_t n, uint32_t seed) {
    std::mt19937 rng(seed);
    std::vector<uint8_t> v(n);
    for (auto& b : v) b = uint8_t(rng());
    return v;
}

std::vector<uint8_t> TextBytes(size_t n, uint32_t seed) {
    static const char* words[] = {"the",  "cabinet", "folder", "block", "window", "of",   "and",
                                  "a",    "model",   "symbol", "range", "to",     "in",   "is",
                                  "with", "match",   "offset", "bytes", "file",   "data", "for"};
    std::mt19937 rng(seed);
    std::vector<uint8_t> v;
    while (v.size() < n) {
        const char* w = words[rng() % (sizeof words / sizeof *words)];
        v.insert(v.end(), w, w + strlen(w));
        v.push_back(rng() % 12 == 0 ? '\n' : ' ');
    }
    v.resize(n);
    return v;
}

std::vector<Input> Synthetic(size_t bytes) {
    std::vector<Input> inputs(3);
    inputs[0].name = "random";
    inputs[0].folders.push_back(RandomBytes(bytes, 1));
    inputs[1].name = "runs";
    std::vector<uint8_t> runs;
    std::mt19937 rng(2);
    while (runs.size() < bytes) runs.insert(runs.end(), 1000 + rng() % 100000, uint8_t(rng()));
    runs.resize(bytes);
    inputs[1].folders.push_back(std::move(runs));
    inputs[2].name = "mixed";
    std::vector<uint8_t> mixed;
    for (uint32_t k = 0; mixed.size() < bytes; ++k) {
        std::vector<uint8_t> part = k % 2 ? RandomBytes(65536, 10 + k) : TextBytes(65536, 10 + k);
        mixed.insert(mixed.end(), part.begin(), part.end());
    }
    mixed.resize(bytes);
    inputs[2].folders.push_back(std::move(mixed));
    return inputs;
}

bool ParseMethod(const std::string& text, cabwriter::FolderSpec* spec) {
    size_t colon = text.find(':');
    std::string name = text.substr(0, colon);
    spec->windowBits = colon == std::string::npos ? 0 : atoi(text.c_str() + colon + 1);
    if (name == "lzx") spec->method = cabwriter::Method::Lzx;
    else if (name == "quantum") spec->method = cabwriter::Method::Quantum;
    else if (name == "mszip") spec->method = cabwriter::Method::Mszip;
    else return false;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    std::string corpus = "/tmp/stub-bench/corpus";
    std::string methods = "lzx:21,lzx:15,quantum:21,quantum:15";
    int runs = 1;
    size_t syntheticMb = 3, corpusMb = 0;
    std::string only;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        auto value = [&](const char* key) -> const char* {
            size_t n = strlen(key);
            return a.compare(0, n, key) == 0 ? argv[i] + n : nullptr;
        };
        if (const char* v = value("--corpus=")) corpus = v;
        else if (const char* v = value("--methods=")) methods = v;
        else if (const char* v = value("--runs=")) runs = std::max(1, atoi(v));
        else if (const char* v = value("--synthetic-mb=")) syntheticMb = strtoul(v, nullptr, 10);
        else if (const char* v = value("--corpus-mb=")) corpusMb = strtoul(v, nullptr, 10);
        else if (const char* v = value("--only=")) only = std::string(",") + v + ",";
        else {
            fprintf(stderr, "usage: %s [--corpus=DIR] [--methods=M,...] [--runs=N] "
                            "[--synthetic-mb=N] [--corpus-mb=N] [--only=NAME,...]\n", argv[0]);
            return 2;
        }
    }

    std::vector<Input> inputs;
    Input c;
    if (!corpus.empty() && LoadCorpus(corpus, corpusMb << 20, &c)) inputs.push_back(std::move(c));
    else if (!corpus.empty()) fprintf(stderr, "no corpus in %s (bench/make_corpus.sh makes one)\n", corpus.c_str());
    if (syntheticMb)
        for (Input& s : Synthetic(syntheticMb << 20)) inputs.push_back(std::move(s));

    printf("%-8s %-11s %11s %11s %7s %8s %8s  %s\n", "input", "method", "bytes", "packed", "ratio",
           "cpu s", "MB/s", "digest");
    for (size_t from = 0; from < methods.size();) {
        size_t comma = methods.find(',', from);
        if (comma == std::string::npos) comma = methods.size();
        const std::string m = methods.substr(from, comma - from);
        from = comma + 1;
        cabwriter::FolderSpec spec;
        if (!ParseMethod(m, &spec)) {
            fprintf(stderr, "unknown method %s\n", m.c_str());
            return 2;
        }
        cabwriter::FolderEncoder encode = cabwriter::EncoderFor(spec.method);
        for (const Input& in : inputs) {
            if (!only.empty() && only.find("," + in.name + ",") == std::string::npos) continue;
            double best = 1e30;
            size_t packed = 0;
            uint32_t digest = 0;
            for (int r = 0; r < runs; ++r) {
                packed = 0;
                digest = 2166136261u;  // FNV-1a over every block's bytes
                double t0 = ThreadSeconds();
                for (const auto& folder : in.folders) {
                    std::vector<cabwriter::EncodedBlock> blocks;
                    std::string error;
                    if (!encode(folder.data(), folder.size(), spec, 32768, &blocks, &error)) {
                        fprintf(stderr, "%s: %s\n", m.c_str(), error.c_str());
                        return 1;
                    }
                    const double t1 = ThreadSeconds();
                    for (const auto& b : blocks) {
                        packed += b.bytes.size();
                        for (uint8_t byte : b.bytes) digest = (digest ^ byte) * 16777619u;
                    }
                    t0 += ThreadSeconds() - t1;  // the digest is not the encoder's time
                }
                best = std::min(best, ThreadSeconds() - t0);
            }
            const size_t bytes = in.Bytes();
            printf("%-8s %-11s %11zu %11zu %6.2f%% %8.3f %8.2f  %08x\n", in.name.c_str(), m.c_str(),
                   bytes, packed, 100.0 * double(packed) / double(bytes), best,
                   double(bytes) / 1e6 / best, digest);
            fflush(stdout);
        }
    }
    return 0;
}
