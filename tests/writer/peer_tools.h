// Helpers for tests that run programs: the peer extractors used as
// independent oracles, and cabx itself. A missing peer is a visible skip.
#ifndef STUB_TESTS_PEER_TOOLS_H
#define STUB_TESTS_PEER_TOOLS_H

#include <stdio.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace peer {

namespace fs = std::filesystem;

struct RunResult {
    int status = -1;  // exit status, or -1 when the program did not exit normally
    std::string out;  // stdout and stderr together unless redirected in the command
};

// Runs a shell command line, capturing its output.
inline RunResult Run(const std::string& command) {
    RunResult r;
    FILE* p = popen((command + " 2>&1").c_str(), "r");
    if (!p) return r;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) r.out.append(buf, n);
    int st = pclose(p);
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    return r;
}

inline bool HaveTool(const std::string& name) {
    return Run("command -v " + name + " >/dev/null").status == 0;
}

inline std::string Quote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// A fresh directory under the build tree, removed when the object dies.
class TempDir {
public:
    explicit TempDir(const std::string& tag) {
        static int counter = 0;
        path_ = fs::path(STUB_BINARY_DIR) / "test-tmp" /
                (tag + "-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~TempDir() {
        // Make read-only files and directories removable again.
        Run("chmod -R u+rwx " + Quote(path_.string()));
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    const fs::path& path() const { return path_; }
    std::string operator/(const std::string& s) const { return (path_ / s).string(); }

private:
    fs::path path_;
};

inline void WriteFile(const fs::path& p, const std::vector<uint8_t>& bytes) {
    fs::create_directories(p.parent_path());
    std::ofstream f(p, std::ios::binary);
    f.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

inline std::vector<uint8_t> ReadFile(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(f), {});
}

// Every regular file below root, by '/'-separated relative path.
inline std::map<std::string, std::vector<uint8_t>> ReadTree(const fs::path& root) {
    std::map<std::string, std::vector<uint8_t>> out;
    if (!fs::exists(root)) return out;
    for (const auto& e : fs::recursive_directory_iterator(root))
        if (e.is_regular_file()) out[fs::relative(e.path(), root).generic_string()] = ReadFile(e.path());
    return out;
}

inline std::vector<uint8_t> RandomBytes(size_t n, uint32_t seed) {
    std::mt19937 rng(seed);
    std::vector<uint8_t> v(n);
    for (auto& b : v) b = uint8_t(rng());
    return v;
}

// Text-like bytes that compress (for the compressing methods).
inline std::vector<uint8_t> TextBytes(size_t n, uint32_t seed) {
    static const char* words[] = {"cabinet ", "folder ", "block ", "the ", "data ", "file ",
                                  "spans ", "into ", "next\n", "reserve "};
    std::mt19937 rng(seed);
    std::vector<uint8_t> v;
    while (v.size() < n) {
        const char* w = words[rng() % 10];
        while (*w && v.size() < n) v.push_back(uint8_t(*w++));
    }
    return v;
}

}  // namespace peer

#define REQUIRE_TOOL(name)                                                      \
    do {                                                                        \
        if (!peer::HaveTool(name)) GTEST_SKIP() << "peer tool '" << name        \
                                                << "' is not installed; skipped"; \
    } while (0)

#endif
