// Runs a fuzz target over saved inputs, as an ordinary test: each argument
// is a file or a directory of files. Exits non-zero if the target aborts;
// sanitizer builds turn any memory fault into a failure.
#include <dirent.h>
#include <stdint.h>
#include <stdio.h>
#include <sys/stat.h>

#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

static bool RunFile(const std::string& path) {
    FILE* f = fopen(path.c_str(), "rb");
    if (!f) {
        fprintf(stderr, "cannot open %s\n", path.c_str());
        return false;
    }
    std::vector<uint8_t> bytes;
    uint8_t chunk[65536];
    size_t n;
    while ((n = fread(chunk, 1, sizeof chunk, f)) > 0) bytes.insert(bytes.end(), chunk, chunk + n);
    fclose(f);
    LLVMFuzzerTestOneInput(bytes.empty() ? nullptr : bytes.data(), bytes.size());
    return true;
}

int main(int argc, char** argv) {
    int files = 0;
    for (int i = 1; i < argc; ++i) {
        struct stat st;
        if (stat(argv[i], &st) != 0) continue;  // no corpus yet: nothing to replay
        if (S_ISDIR(st.st_mode)) {
            DIR* dir = opendir(argv[i]);
            if (!dir) return 1;
            while (struct dirent* e = readdir(dir)) {
                if (e->d_name[0] == '.') continue;
                if (!RunFile(std::string(argv[i]) + "/" + e->d_name)) return 1;
                ++files;
            }
            closedir(dir);
        } else {
            if (!RunFile(argv[i])) return 1;
            ++files;
        }
    }
    printf("replayed %d inputs\n", files);
    return 0;
}
