// cabx sfx: writes a self-extracting archive, the stub followed by the
// settings block and a cabinet. The cabinet is taken as it is when the one
// input already is a cabinet, and made from the inputs otherwise (files by
// their base name, directories with their contents below the directory's
// name). The stub is padded to its fixed size so that the settings block
// lands where the stub reads it.
#include <dirent.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

#include "cab_writer.h"
#include "cabx.h"
#include "sfx_commands.h"

namespace cabx {

namespace {

void PutU32(std::vector<uint8_t>* b, uint32_t v) {
    for (int i = 0; i < 4; ++i) b->push_back((uint8_t)(v >> (8 * i)));
}

bool ReadAll(const std::string& path, std::vector<uint8_t>* out) {
    FILE* f = fopen(path.c_str(), "rb");
    if (!f) return false;
    out->clear();
    uint8_t chunk[65536];
    size_t n;
    while ((n = fread(chunk, 1, sizeof chunk, f)) > 0) out->insert(out->end(), chunk, chunk + n);
    bool ok = !ferror(f);
    fclose(f);
    return ok;
}

void DosTime(time_t when, uint16_t* date, uint16_t* dosTime) {
    struct tm t;
    localtime_r(&when, &t);
    if (t.tm_year < 80) {
        *date = (1 << 5) | 1;  // 1980-01-01
        *dosTime = 0;
        return;
    }
    *date = (uint16_t)((t.tm_year - 80) << 9 | (t.tm_mon + 1) << 5 | t.tm_mday);
    *dosTime = (uint16_t)(t.tm_hour << 11 | t.tm_min << 5 | t.tm_sec / 2);
}

bool AddPath(const std::string& path, const std::string& stored,
             std::vector<cabwriter::Entry>* entries, std::string* error) {
    struct stat st;
    if (stat(path.c_str(), &st) != 0) {
        *error = "cannot read " + path;
        return false;
    }
    if (S_ISDIR(st.st_mode)) {
        DIR* dir = opendir(path.c_str());
        if (!dir) {
            *error = "cannot read directory " + path;
            return false;
        }
        std::vector<std::string> names;
        while (dirent* e = readdir(dir))
            if (strcmp(e->d_name, ".") && strcmp(e->d_name, "..")) names.push_back(e->d_name);
        closedir(dir);
        std::sort(names.begin(), names.end());
        for (const std::string& name : names)
            if (!AddPath(path + "/" + name, stored + "\\" + name, entries, error)) return false;
        return true;
    }
    cabwriter::Entry entry;
    entry.name = stored;
    if (entry.name.size() > 255) {
        *error = "name too long for a cabinet: " + stored;
        return false;
    }
    if (!ReadAll(path, &entry.data)) {
        *error = "cannot read " + path;
        return false;
    }
    DosTime(st.st_mtime, &entry.date, &entry.time);
    entry.attributes = (st.st_mode & S_IWUSR) ? 0x20 : 0x21;
    entries->push_back(std::move(entry));
    return true;
}

std::string BaseName(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool ParseMethod(const std::string& text, cabwriter::FolderSpec* spec) {
    std::string name = text, bits;
    size_t colon = text.find(':');
    if (colon != std::string::npos) {
        name = text.substr(0, colon);
        bits = text.substr(colon + 1);
    }
    if (name == "none" || name == "stored") {
        spec->method = cabwriter::Method::Stored;
    } else if (name == "mszip") {
        spec->method = cabwriter::Method::Mszip;
    } else if (name == "quantum" || name == "lzx") {
        spec->method = name == "lzx" ? cabwriter::Method::Lzx : cabwriter::Method::Quantum;
        spec->windowBits = 21;
    } else {
        return false;
    }
    if (!bits.empty()) {
        char* end = nullptr;
        long value = strtol(bits.c_str(), &end, 10);
        if (*end || spec->method == cabwriter::Method::Stored) return false;
        if (spec->method == cabwriter::Method::Mszip) {
            if (value < 0 || value > 9) return false;
            spec->level = (int)value;
            return true;
        }
        long low = spec->method == cabwriter::Method::Lzx ? 15 : 10;
        if (value < low || value > 21) return false;
        spec->windowBits = (int)value;
    }
    return true;
}

int Usage(const std::string& message) { return UsageError("sfx", message); }

// Where the stub may be, in order: $CABX_STUB alone when it is set; else
// Stub.exe beside cabx (a build tree), in the data folder of cabx's own
// installation, and in the data folder it was configured for.
std::vector<std::string> StubCandidates() {
    if (const char* env = getenv("CABX_STUB")) return {env};
    std::vector<std::string> places;
    char self[4096];
    ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    if (n > 0) {
        std::string dir(self, (size_t)n);
        dir = dir.substr(0, dir.rfind('/') + 1);
        places.push_back(dir + "Stub.exe");
#ifdef CABX_STUB_RELATIVE
        places.push_back(dir + CABX_STUB_RELATIVE);
#endif
    }
#ifdef CABX_STUB_INSTALLED
    places.push_back(CABX_STUB_INSTALLED);
#endif
    if (places.empty()) places.push_back("Stub.exe");
    return places;
}

std::string DefaultStub() {
    std::vector<std::string> places = StubCandidates();
    for (const std::string& p : places)
        if (access(p.c_str(), R_OK) == 0) return p;
    return places.front();
}

}  // namespace

std::vector<uint8_t> SfxSettingsBlock(const SfxSettingsSpec& s) {
    std::vector<uint8_t> b;
    PutU32(&b, (uint32_t)s.defaultFolder.size());
    PutU32(&b, (uint32_t)s.openAfterExtract.size());
    PutU32(&b, (uint32_t)s.messageCaption.size());
    PutU32(&b, (uint32_t)s.messageText.size());
    PutU32(&b, (uint32_t)s.messageKind);
    b.push_back(s.confirmOverwrite ? 1 : 0);
    b.push_back(s.showMessage ? 1 : 0);
    b.push_back(0);
    b.push_back(0);
    for (const std::string* t :
         {&s.defaultFolder, &s.openAfterExtract, &s.messageCaption, &s.messageText})
        b.insert(b.end(), t->begin(), t->end());
    return b;
}

bool BuildSfx(const std::vector<uint8_t>& stub, const SfxSettingsSpec& spec,
              const std::vector<uint8_t>& cabinet, std::vector<uint8_t>* out,
              std::string* error) {
    if (stub.size() > kSfxStubSize) {
        *error = "the stub is " + std::to_string(stub.size()) + " bytes, larger than " +
                 std::to_string(kSfxStubSize);
        return false;
    }
    if (stub.size() < 2 || stub[0] != 'M' || stub[1] != 'Z') {
        *error = "the stub is not an executable image";
        return false;
    }
    *out = stub;
    out->resize(kSfxStubSize, 0);
    std::vector<uint8_t> block = SfxSettingsBlock(spec);
    out->insert(out->end(), block.begin(), block.end());
    out->insert(out->end(), cabinet.begin(), cabinet.end());
    if (out->size() - cabinet.size() + 8 > (1u << 20)) {
        *error = "the settings texts are too long: the cabinet must begin in the first MiB";
        return false;
    }
    return true;
}

int SfxCommand(int argc, char** argv) {
    SfxSettingsSpec spec;
    std::string stubPath = DefaultStub();
    bool stubGiven = false;
    cabwriter::FolderSpec folder;
    folder.method = cabwriter::Method::Mszip;
    std::vector<std::string> rest;
    for (int i = 0; i < argc; ++i) {
        std::string a = argv[i];
        auto value = [&](std::string* to) {
            if (i + 1 >= argc) return false;
            *to = argv[++i];
            return true;
        };
        std::string kind, method;
        if (a == "--stub") {
            if (!value(&stubPath)) return Usage("--stub needs a file");
            stubGiven = true;
        } else if (a == "-m") {
            if (!value(&method) || !ParseMethod(method, &folder))
                return Usage("bad method '" + method + "'");
        } else if (a == "--folder") {
            if (!value(&spec.defaultFolder)) return Usage("--folder needs a folder");
        } else if (a == "--open") {
            if (!value(&spec.openAfterExtract)) return Usage("--open needs a name");
        } else if (a == "--caption") {
            if (!value(&spec.messageCaption)) return Usage("--caption needs a text");
        } else if (a == "--message") {
            if (!value(&spec.messageText)) return Usage("--message needs a text");
            spec.showMessage = true;
        } else if (a == "--kind") {
            if (!value(&kind)) return Usage("--kind needs info, yesno or okcancel");
            if (kind == "info") spec.messageKind = 0;
            else if (kind == "yesno") spec.messageKind = 1;
            else if (kind == "okcancel") spec.messageKind = 2;
            else return Usage("bad message kind '" + kind + "'");
        } else if (a == "--confirm-overwrite") {
            spec.confirmOverwrite = true;
        } else if (a.size() > 1 && a[0] == '-') {
            return Usage("unknown option '" + a + "'");
        } else {
            rest.push_back(a);
        }
    }
    if (rest.size() < 2) return Usage("needs OUT.exe and a cabinet or at least one PATH");
    std::string outPath = rest[0];
    std::string error;

    std::vector<uint8_t> stub, cabinet;
    if (!ReadAll(stubPath, &stub)) {
        fprintf(stderr, "cabx sfx: cannot read the stub %s (use --stub FILE)\n",
                stubPath.c_str());
        if (!stubGiven) {
            fprintf(stderr, "cabx sfx: looked in");
            for (const std::string& p : StubCandidates()) fprintf(stderr, " %s", p.c_str());
            fprintf(stderr, "\n  a build with i686-w64-mingw32-g++ installed makes the stub\n");
        }
        return 1;
    }
    struct stat st;
    bool oneFile = rest.size() == 2 && stat(rest[1].c_str(), &st) == 0 && S_ISREG(st.st_mode);
    if (oneFile && ReadAll(rest[1], &cabinet) && cabinet.size() >= 4 &&
        memcmp(cabinet.data(), "MSCF", 4) == 0) {
        // Taken as it is.
    } else {
        std::vector<cabwriter::Entry> entries;
        for (size_t i = 1; i < rest.size(); ++i) {
            if (!AddPath(rest[i], BaseName(rest[i]), &entries, &error)) {
                fprintf(stderr, "cabx sfx: %s: %s\n", outPath.c_str(), error.c_str());
                return 1;
            }
        }
        cabwriter::Options options;
        options.folders = {folder};
        std::vector<cabwriter::Cabinet> cabinets;
        if (!cabwriter::WriteCabinets(entries, options, &cabinets, &error) ||
            cabinets.size() != 1) {
            fprintf(stderr, "cabx sfx: %s: %s\n", outPath.c_str(),
                    error.empty() ? "cannot write cabinet" : error.c_str());
            return 1;
        }
        cabinet = std::move(cabinets[0].bytes);
    }
    std::vector<uint8_t> out;
    if (!BuildSfx(stub, spec, cabinet, &out, &error)) {
        fprintf(stderr, "cabx sfx: %s: %s\n", outPath.c_str(), error.c_str());
        return 1;
    }
    FILE* f = fopen(outPath.c_str(), "wb");
    bool written = f && fwrite(out.data(), 1, out.size(), f) == out.size();
    if (f && fclose(f) != 0) written = false;
    if (!written) {
        fprintf(stderr, "cabx sfx: cannot write %s\n", outPath.c_str());
        return 1;
    }
    chmod(outPath.c_str(), 0755);
    return 0;
}

}  // namespace cabx
