// cabx create: files and directories into a cabinet or a set of cabinets.
#include <errno.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <time.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "cab_writer.h"
#include "cabx.h"

namespace cabx {

namespace {

namespace fs = std::filesystem;

constexpr unsigned long long kDefaultFolderSize = 8ull << 20;

int Usage(const std::string& message) { return UsageError("create", message); }

bool ParseNumber(const std::string& s, unsigned long long max, unsigned long long* out) {
    if (s.empty() || s.find_first_not_of("0123456789") != std::string::npos) return false;
    errno = 0;
    *out = strtoull(s.c_str(), nullptr, 10);
    return errno == 0 && *out <= max;
}

bool ParseMethod(const std::string& text, cabwriter::FolderSpec* spec) {
    std::string name = text.substr(0, text.find(':'));
    std::string arg = text.find(':') == std::string::npos ? "" : text.substr(text.find(':') + 1);
    unsigned long long v = 0;
    if (name == "none" || name == "stored") {
        spec->method = cabwriter::Method::Stored;
        return arg.empty();
    }
    if (name == "mszip") {
        spec->method = cabwriter::Method::Mszip;
        spec->level = 6;
        if (arg.empty()) return true;
        if (!ParseNumber(arg, 9, &v)) return false;
        spec->level = int(v);
        return true;
    }
    if (name == "lzx" || name == "quantum") {
        bool lzx = name == "lzx";
        spec->method = lzx ? cabwriter::Method::Lzx : cabwriter::Method::Quantum;
        spec->windowBits = 21;
        if (arg.empty()) return true;
        if (!ParseNumber(arg, 21, &v) || v < (lzx ? 15u : 10u)) return false;
        spec->windowBits = int(v);
        return true;
    }
    return false;
}

// The name a path is stored under: relative, '\' separated, no "." parts.
bool StoredName(const std::string& path, std::string* out) {
    std::string name;
    size_t i = 0;
    while (i <= path.size()) {
        size_t j = path.find('/', i);
        if (j == std::string::npos) j = path.size();
        std::string part = path.substr(i, j - i);
        if (part == "..") return false;
        if (!part.empty() && part != ".") name += (name.empty() ? "" : "\\") + part;
        i = j + 1;
    }
    *out = name;
    return !name.empty();
}

void DosTime(time_t t, uint16_t* date, uint16_t* time) {
    struct tm tm;
    localtime_r(&t, &tm);
    if (tm.tm_year < 80) tm = {}, tm.tm_year = 80, tm.tm_mday = 1;
    if (tm.tm_year > 207) tm.tm_year = 207;
    *date = uint16_t((tm.tm_year - 80) << 9 | (tm.tm_mon + 1) << 5 | tm.tm_mday);
    *time = uint16_t(tm.tm_hour << 11 | tm.tm_min << 5 | tm.tm_sec / 2);
}

bool AddFile(const fs::path& path, const std::string& stored, std::vector<cabwriter::Entry>* out,
             std::string* error) {
    struct stat st;
    if (stat(path.c_str(), &st) != 0) {
        *error = "'" + path.string() + "': " + strerror(errno);
        return false;
    }
    if (stored.size() > 255) {
        *error = "'" + path.string() + "': stored name longer than 255 bytes";
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        *error = "'" + path.string() + "': cannot read";
        return false;
    }
    cabwriter::Entry e;
    e.name = stored;
    e.data.assign(std::istreambuf_iterator<char>(in), {});
    if (e.data.size() != size_t(st.st_size)) {
        *error = "'" + path.string() + "': read error";
        return false;
    }
    DosTime(st.st_mtime, &e.date, &e.time);
    e.attributes = 0x20;
    if (!(st.st_mode & S_IWUSR)) e.attributes |= 0x01;
    for (unsigned char c : stored)
        if (c >= 0x80) e.attributes |= 0x80;  // the name is UTF-8
    out->push_back(std::move(e));
    return true;
}

// "DIR/." (and ".") stands for the directory's contents: they are stored
// under names relative to DIR, without DIR's own name in front.
bool IsContentsOf(const std::string& path) {
    std::string p = path;
    while (p.size() > 1 && p.back() == '/') p.pop_back();
    return p == "." || (p.size() >= 2 && p.compare(p.size() - 2, 2, "/.") == 0);
}

// `skip`: the cabinet being written, never taken into itself when it lies
// in a directory being stored (as with "cabx create out.cab .").
bool AddPath(const std::string& arg, const fs::path& skip, std::vector<cabwriter::Entry>* out,
             std::string* error) {
    std::string stored;
    std::error_code ec;
    const bool contents = IsContentsOf(arg);
    if (contents) {
        // Names are relative to the directory, so its own path (even with
        // "..") never reaches a stored name.
        if (!fs::is_directory(arg, ec)) {
            *error = "'" + arg + "': not a directory";
            return false;
        }
    } else if (!StoredName(arg, &stored)) {
        *error = "'" + arg + "': cannot be stored (empty or contains '..')";
        return false;
    }
    if (!contents && !fs::is_directory(arg, ec)) return AddFile(arg, stored, out, error);
    std::vector<std::pair<std::string, fs::path>> files;
    for (auto it = fs::recursive_directory_iterator(arg, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec)) {
        if (!it->is_regular_file()) continue;
        std::error_code same;
        if (fs::weakly_canonical(it->path(), same) == skip) continue;
        std::string rel = fs::relative(it->path(), arg).generic_string();
        std::string name = stored.empty() ? "" : stored + "\\";
        for (char c : rel) name += c == '/' ? '\\' : c;
        files.push_back({name, it->path()});
    }
    if (ec) {
        *error = "'" + arg + "': " + ec.message();
        return false;
    }
    std::sort(files.begin(), files.end());
    for (auto& f : files)
        if (!AddFile(f.second, f.first, out, error)) return false;
    return true;
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

    std::vector<cabwriter::Entry> entries;
    std::string error;
    std::error_code ec;
    const fs::path skip = fs::weakly_canonical(out, ec);
    for (const std::string& p : paths)
        if (!AddPath(p, skip, &entries, &error)) {
            fprintf(stderr, "cabx: %s: %s\n", out.c_str(), error.c_str());
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
        fprintf(stderr, "cabx: %s: %s\n", out.c_str(), error.c_str());
        return kExitFailure;
    }
    fs::path dir = outPath.parent_path();
    for (const cabwriter::Cabinet& c : cabinets) {
        fs::path p = dir / c.name;
        std::ofstream f(p, std::ios::binary | std::ios::trunc);
        f.write(reinterpret_cast<const char*>(c.bytes.data()), std::streamsize(c.bytes.size()));
        f.close();
        if (!f) {
            fprintf(stderr, "cabx: %s: cannot write\n", p.c_str());
            return kExitFailure;
        }
        printf("%s: %zu bytes\n", p.c_str(), c.bytes.size());
    }
    return kExitOk;
}

}  // namespace cabx
