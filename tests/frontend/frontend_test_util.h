// Helpers shared by the front-end tests: a scratch directory that removes
// itself, and a minimal hand-made cabinet header.
#ifndef STUB_TESTS_FRONTEND_TEST_UTIL_H
#define STUB_TESTS_FRONTEND_TEST_UTIL_H

#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>

#include <string>
#include <vector>

struct TempDir {
    std::string path;
    TempDir() {
        char tmpl[] = "/tmp/stub_frontend_XXXXXX";
        char* made = mkdtemp(tmpl);
        path = made ? made : "/tmp";
    }
    ~TempDir() {
        if (path.size() > 5) {
            std::string cmd = "chmod -R u+w '" + path + "' 2>/dev/null; rm -rf '" + path + "'";
            if (system(cmd.c_str()) != 0) fprintf(stderr, "could not remove %s\n", path.c_str());
        }
    }
    std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) const {
        std::string full = path + "/" + name;
        FILE* f = fopen(full.c_str(), "wb");
        if (f) {
            if (!bytes.empty()) fwrite(bytes.data(), 1, bytes.size(), f);
            fclose(f);
        }
        return full;
    }
};

inline std::vector<uint8_t> ReadFileBytes(const std::string& path) {
    std::vector<uint8_t> out;
    FILE* f = fopen(path.c_str(), "rb");
    if (!f) return out;
    uint8_t chunk[65536];
    size_t n;
    while ((n = fread(chunk, 1, sizeof chunk, f)) > 0) out.insert(out.end(), chunk, chunk + n);
    fclose(f);
    return out;
}

// A 36-byte cabinet header of version 1.3 with no folders and no files: the
// smallest thing the reader's probe accepts.
inline std::vector<uint8_t> MinimalCabinet() {
    std::vector<uint8_t> h(36, 0);
    h[0] = 'M';
    h[1] = 'S';
    h[2] = 'C';
    h[3] = 'F';
    h[8] = 36;   // cabinetSize
    h[16] = 36;  // firstFileOffset
    h[24] = 3;   // version minor
    h[25] = 1;   // version major
    h[32] = 0x34;
    h[33] = 0x12;
    return h;
}

#endif
