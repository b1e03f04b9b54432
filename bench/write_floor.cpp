// What an extraction costs before any decoding: the least work every
// extractor does for the corpus, measured in this process alone.
//
// Loads the corpus files (bench/make_corpus.sh, named in MANIFEST.tsv) into
// memory, then, timed: reads INPUT, if given, through a 256 KiB buffer to
// its end (what a tool must at least do to its cabinet), and creates every
// corpus file below OUT, as an extractor does, written through a 256 KiB
// buffer. The
// kernel's side of creating and filling the files is the same for every
// tool, so a tool's CPU time can be at most as many times below a peer's as
// the peer's time is above this.
//
// usage: write_floor RESULT_FILE CORPUS_DIR OUT_DIR [INPUT]
// Writes "WALL USER SYSTEM" (seconds) of the timed part to RESULT_FILE.
#include <errno.h>
#include <string.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "bench_clock.h"

namespace {

// Writes size bytes from the start of `from` (at least size bytes long).
bool WriteAll(int fd, const char* from, size_t size) {
    size_t done = 0;
    while (done < size) {
        ssize_t n = write(fd, from + done, size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += size_t(n);
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4 || argc > 5) {
        fprintf(stderr, "usage: write_floor RESULT_FILE CORPUS_DIR OUT_DIR [INPUT]\n");
        return 2;
    }
    const std::string corpus = argv[2], out = argv[3];
    std::ifstream manifest(corpus + "/MANIFEST.tsv");
    std::string line;
    std::getline(manifest, line);  // the header
    std::vector<std::pair<std::string, std::string>> files;
    while (std::getline(manifest, line)) {
        std::string name = line.substr(0, line.find('\t'));
        std::ifstream f(corpus + "/" + name, std::ios::binary);
        if (!f) {
            fprintf(stderr, "write_floor: cannot read %s/%s\n", corpus.c_str(), name.c_str());
            return 1;
        }
        files.emplace_back(name, std::string(std::istreambuf_iterator<char>(f), {}));
    }
    if (files.empty()) {
        fprintf(stderr, "write_floor: no files in %s/MANIFEST.tsv\n", corpus.c_str());
        return 1;
    }

    rusage before{}, after{};
    getrusage(RUSAGE_SELF, &before);
    const double start = Now();
    if (argc == 5) {
        int fd = open(argv[4], O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            perror(argv[4]);
            return 1;
        }
        std::vector<char> buffer(256 << 10);
        ssize_t n;
        while ((n = read(fd, buffer.data(), buffer.size())) != 0) {
            if (n < 0 && errno != EINTR) {
                perror(argv[4]);
                return 1;
            }
        }
        close(fd);
    }
    // Each file goes to the kernel through one reused buffer, as an
    // extractor writes from its output buffer: on a virtual machine, write()
    // from 64 MiB of memory the process last touched long ago took four
    // times the system time of the same data staged through a buffer that
    // stays in the caches, and would not be a floor.
    std::vector<char> stage(256 << 10);
    for (const auto& [name, data] : files) {
        std::string path = out + "/" + name;
        for (size_t p = path.find('/', out.size() + 1); p != std::string::npos; p = path.find('/', p + 1))
            mkdir(path.substr(0, p).c_str(), 0755);  // an existing one is fine
        int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        bool ok = fd >= 0;
        for (size_t at = 0; ok && at < data.size(); at += stage.size()) {
            size_t n = std::min(stage.size(), data.size() - at);
            memcpy(stage.data(), data.data() + at, n);
            ok = WriteAll(fd, stage.data(), n);
        }
        if (!ok || close(fd) != 0) {
            perror(path.c_str());
            return 1;
        }
    }
    const double wall = Now() - start;
    getrusage(RUSAGE_SELF, &after);

    FILE* result = fopen(argv[1], "w");
    if (!result) {
        perror(argv[1]);
        return 1;
    }
    fprintf(result, "%.6f %.6f %.6f\n", wall, Seconds(after.ru_utime) - Seconds(before.ru_utime),
            Seconds(after.ru_stime) - Seconds(before.ru_stime));
    return fclose(result) == 0 ? 0 : 1;
}
