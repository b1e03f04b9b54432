// cabx create: files and directories into a cabinet or a set of cabinets.
#include <errno.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "cab_writer.h"
#include "cabx.h"
#include "gather.h"

namespace cabx {

namespace {

namespace fs = std::filesystem;

constexpr unsigned long long kDefaultFolderSize = 8ull << 20;

int Usage(const std::string& message) { return UsageError("create", message); }

// The name a path is stored under: relative, '\' separated, no "." parts.
bool StoredName(const std::string& path, std::string* out) {
    std::string name;
    size_t i = 0;
    while (i <= path.size()) {
        size_t j = path.find('/', i);
        if (j == std::string::npos) j = path.size();
        std::string part = path.substr(i, j - i);
        if (part == ".." || part.find('\\') != std::string::npos) return false;
        if (!part.empty() && part != ".") name += (name.empty() ? "" : "\\") + part;
        i = j + 1;
    }
    *out = name;
    return !name.empty();
}

// "DIR/." (and ".") stands for the directory's contents: they are stored
// under names relative to DIR, without DIR's own name in front.
bool IsContentsOf(const std::string& path) {
    std::string p = path;
    while (p.size() > 1 && p.back() == '/') p.pop_back();
    return p == "." || (p.size() >= 2 && p.compare(p.size() - 2, 2, "/.") == 0);
}

// A path on the command line: a file stored under the path as given, a
// directory with everything below it; "DIR/." stores DIR's contents under
// names relative to DIR.
bool AddPath(const std::string& arg, Inputs* inputs, std::string* error) {
    std::string stored;
    struct stat st;
    if (IsContentsOf(arg) && (stat(arg.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))) {
        *error = "'" + arg + "': not a directory";
        return false;
    }
    if (!IsContentsOf(arg) && !StoredName(arg, &stored)) {
        *error = "'" + arg + "': cannot be stored (empty, or a part is '..' or holds '\\')";
        return false;
    }
    return inputs->Add(arg, stored, error);
}

// Folders are independent compressed streams: an extractor can decode them
// in parallel, at the price of a fresh window (and, for LZX, fresh trees) at
// each folder's start. A new folder starts at a file boundary once the
// current one holds `folderSize` bytes of input (0: one folder for
// everything); files are never split between folders. Returns the count.
unsigned AssignFolders(std::vector<cabwriter::Entry>* entries, unsigned long long folderSize) {
    unsigned folder = 0;
    unsigned long long filled = 0;
    for (cabwriter::Entry& e : *entries) {
        if (folderSize && filled >= folderSize) {
            ++folder;
            filled = 0;
        }
        e.folder = folder;
        filled += e.data.size();
    }
    return folder + 1;
}

}  // namespace

int Create(int argc, char** argv) {
    cabwriter::Options options;
    cabwriter::FolderSpec spec;  // MSZIP unless -m says otherwise, as cabinet makers do
    spec.method = cabwriter::Method::Mszip;
    spec.level = 6;
    std::vector<std::string> paths;
    std::string out;
    unsigned long long folderSize = kDefaultFolderSize;
    int setId = -1;  // -1: a random one
    for (int i = 0; i < argc; ++i) {
        std::string a = argv[i];
        auto value = [&](std::string* v) {
            if (i + 1 >= argc) return false;
            *v = argv[++i];
            return true;
        };
        std::string v;
        if (a == "-m") {
            if (!value(&v) || !ParseMethod(v, &spec)) return Usage("bad method '" + v + "'");
        } else if (a == "--max-size") {
            unsigned long long n;
            if (!value(&v) || !ParseNumber(v, 0xFFFFFFFFull, &n) || n == 0)
                return Usage("bad maximum size '" + v + "'");
            options.maxCabinetSize = uint32_t(n);
        } else if (a == "--folder-size") {
            if (!value(&v) || !ParseNumber(v, 0xFFFFFFFFull, &folderSize))
                return Usage("bad folder size '" + v + "'");
        } else if (a == "--set-id") {
            unsigned long long n;
            if (!value(&v) || !ParseNumber(v, 0xFFFF, &n)) return Usage("bad set id '" + v + "' (0-65535)");
            setId = int(n);
        } else if (a == "--reserve") {
            unsigned long long h, f, b;
            if (!value(&v)) return Usage("--reserve needs H,F,B");
            size_t c1 = v.find(','), c2 = c1 == std::string::npos ? c1 : v.find(',', c1 + 1);
            if (c2 == std::string::npos || !ParseNumber(v.substr(0, c1), 65535, &h) ||
                !ParseNumber(v.substr(c1 + 1, c2 - c1 - 1), 255, &f) ||
                !ParseNumber(v.substr(c2 + 1), 255, &b))
                return Usage("bad reserve sizes '" + v + "' (H 0-65535, F and B 0-255)");
            options.headerReserve = uint16_t(h);
            options.folderReserve = uint8_t(f);
            options.blockReserve = uint8_t(b);
        } else if (a.size() > 1 && a[0] == '-' && paths.empty() && out.empty()) {
            return Usage("unknown option '" + a + "'");
        } else if (out.empty()) {
            out = a;
        } else {
            paths.push_back(a);
        }
    }
    if (out.empty() || paths.empty()) return Usage("needs OUT.cab and at least one PATH");

    std::string error;
    Inputs inputs(out);
    for (const std::string& p : paths)
        if (!AddPath(p, &inputs, &error)) {
            fprintf(stderr, "cabx: %s\n", Printable(out + ": " + error).c_str());
            return kExitFailure;
        }
    std::vector<cabwriter::Entry>& entries = inputs.entries();
    if (entries.empty()) {
        // A cabinet must list a file: readers refuse one that lists none.
        fprintf(stderr, "cabx: %s\n",
                Printable(out + ": nothing to store (no regular files in the paths given)").c_str());
        return kExitFailure;
    }
    options.folders.assign(AssignFolders(&entries, folderSize), spec);
    // Names of a set: OUT.cab first, then OUT2.cab, OUT3.cab, ...
    fs::path outPath(out);
    std::string stem = outPath.stem().string(), ext = outPath.extension().string();
    options.firstName = outPath.filename().string();
    options.namePattern = stem + "%d" + ext;
    // A set's cabinets carry one set ID, random unless given, so that two
    // sets written into one directory cannot be taken for one.
    options.setId = setId >= 0 ? uint16_t(setId) : uint16_t(std::random_device()());
    // Every extractor can then join the set: no file begins in the part of a
    // folder that continues from a previous cabinet.
    options.closeFoldersAtCuts = true;
    std::vector<cabwriter::Cabinet> cabinets;
    if (!cabwriter::WriteCabinets(entries, options, &cabinets, &error)) {
        fprintf(stderr, "cabx: %s\n", Printable(out + ": " + error).c_str());
        return kExitFailure;
    }
    // Into a pipe, a device or standard output's own file (/dev/stdout),
    // the summary would join the cabinet's bytes: it goes to the error
    // stream there. Decided before the file is replaced.
    struct stat st, std;
    FILE* summary = stdout;
    if (stat(out.c_str(), &st) == 0 &&
        (!S_ISREG(st.st_mode) || (fstat(STDOUT_FILENO, &std) == 0 && std.st_dev == st.st_dev &&
                                  std.st_ino == st.st_ino)))
        summary = stderr;
    fs::path dir = outPath.parent_path();
    MadeFiles made;
    for (const cabwriter::Cabinet& c : cabinets) {
        fs::path p = dir / c.name;
        if (!made.Stage(p.string(), c.bytes, 0666, &error)) {
            fprintf(stderr, "cabx: %s\n", Printable(p.string() + ": " + error).c_str());
            return kExitFailure;
        }
    }
    if (!made.Commit(&error)) {
        fprintf(stderr, "cabx: %s\n", Printable(out + ": " + error).c_str());
        return kExitFailure;
    }
    for (const cabwriter::Cabinet& c : cabinets)
        fprintf(summary, "%s: %zu bytes\n", (dir / c.name).c_str(), c.bytes.size());
    return kExitOk;
}

}  // namespace cabx
