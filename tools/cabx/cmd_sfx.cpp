// cabx sfx: writes a self-extracting archive, the stub followed by the
// settings block and a cabinet. The cabinet is taken as it is when the one
// input already is a cabinet, and made from the inputs otherwise (files by
// their base name, directories with their contents below the directory's
// name). The stub is padded to its fixed size so that the settings block
// lands where the stub reads it.
#include <errno.h>
#include <iconv.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "cab_directory.h"
#include "cab_writer.h"
#include "cabx.h"
#include "gather.h"
#include "sfx_commands.h"

namespace cabx {

namespace {

void PutU32(std::vector<uint8_t>* b, uint32_t v) {
    for (int i = 0; i < 4; ++i) b->push_back((uint8_t)(v >> (8 * i)));
}

// The name an input is stored under: its last component ("." and ".."
// by the name of the directory they stand for; the root's contents go in
// without a name). Files below a directory follow under its name.
std::string StoredBaseName(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    size_t slash = path.rfind('/');
    std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    if (base == "." || base == "..") {
        char* real = realpath(path.c_str(), nullptr);
        if (real) {
            base = real;
            free(real);
            base = base.substr(base.rfind('/') + 1);
        }
    }
    return base == "/" ? std::string() : base;
}

int Usage(const std::string& message) { return UsageError("sfx", message); }

// `text` from one character set to another; false when a character does
// not convert (or the text is not valid in `from`).
bool Recode(const std::string& text, const char* to, const char* from, std::string* out) {
    iconv_t cd = iconv_open(to, from);
    if (cd == iconv_t(-1)) return false;
    std::string in = text;
    std::vector<char> buffer(in.size() * 4 + 16);
    char* inAt = &in[0];
    char* outAt = buffer.data();
    size_t left = in.size(), room = buffer.size();
    bool ok = iconv(cd, &inAt, &left, &outAt, &room) != size_t(-1) && left == 0 &&
              iconv(cd, nullptr, nullptr, &outAt, &room) != size_t(-1);
    iconv_close(cd);
    if (ok) out->assign(buffer.data(), outAt);
    return ok;
}

bool IsAscii(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return (unsigned char)c < 0x80; });
}

// The stub calls the ANSI interfaces of Windows: it takes the settings
// texts and the stored names as bytes of the system's code page, whatever
// a name's UTF-8 attribute says. What is given here in UTF-8 is therefore
// written in the code page the archive is meant for (Windows-1252 unless
// --encoding says otherwise); "UTF-8" keeps it as it is, for systems whose
// code page is UTF-8. ASCII is the same in all of them. False when the text
// is not UTF-8 or holds a character the code page lacks.
bool ToCodePage(const std::string& utf8, const std::string& charset, std::string* out) {
    if (IsAscii(utf8)) {
        *out = utf8;
        return true;
    }
    return Recode(utf8, charset.c_str(), "UTF-8", out);
}

// A text of the code page for display: bytes that do not convert as %XX,
// as names are shown.
std::string FromCodePage(const std::string& bytes, const std::string& charset) {
    std::string utf8;
    if (Recode(bytes, "UTF-8", charset.c_str(), &utf8)) return utf8;
    std::string shown;
    for (unsigned char c : bytes) {
        char hex[4];
        snprintf(hex, sizeof hex, "%%%02X", c);
        shown += c < 0x80 ? std::string(1, char(c)) : std::string(hex);
    }
    return shown;
}

// The bytes that begin a double-byte character in the code page: those
// that convert only together with a byte after them. None for single-byte
// code pages and for UTF-8, for which Windows names no lead bytes.
using LeadBytes = std::array<bool, 256>;
bool IsUtf8Charset(const std::string& charset);
LeadBytes LeadBytesOf(const std::string& charset) {
    LeadBytes lead{};
    iconv_t cd = IsUtf8Charset(charset) ? iconv_t(-1) : iconv_open("UTF-16LE", charset.c_str());
    if (cd == iconv_t(-1)) return lead;
    for (unsigned c = 0x80; c < 256; ++c) {
        char one = char(c), two[8];
        char* from = &one;
        char* to = two;
        size_t left = 1, room = sizeof two;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        lead[c] = iconv(cd, &from, &left, &to, &room) == size_t(-1) && errno == EINVAL;
    }
    iconv_close(cd);
    return lead;
}

// The name the stub writes for a stored name (both in the code page), as
// its name cleaning makes it. Leading separators, '?' and a drive prefix
// are skipped. Control bytes, bytes 0x7F to 0x9F and 0xE0 to 0xFF standing
// alone (not the halves of a double-byte character) and the characters
// Windows forbids in names become '_', and '/' becomes '\\'. Then, part by
// part: one of only dots and spaces has its dots replaced, one whose stem
// names a device its first letter, and a directory its trailing dots and
// spaces. Lead bytes are those a double-byte code page cannot end a text
// with.
std::string AsTheStubWrites(const std::string& name, const LeadBytes& lead) {
    auto skippedLead = [](char c) { return c == '/' || c == '\\' || c == '?'; };
    size_t at = 0;
    while (at < name.size() && skippedLead(name[at])) ++at;
    if (at + 1 < name.size() && name[at + 1] == ':') at += 2;
    while (at < name.size() && skippedLead(name[at])) ++at;
    std::string out = name.substr(at);
    auto guard = [&out](size_t begin, size_t end, bool directory) {
        const std::string part = out.substr(begin, end - begin);
        if (part.find_first_not_of(". ") == std::string::npos)
            for (size_t k = begin; k < end; ++k)
                if (out[k] == '.') out[k] = '_';
        std::string stem = part.substr(0, part.find('.'));
        stem.erase(stem.find_last_not_of(' ') + 1);
        for (char& c : stem) c = char(toupper(static_cast<unsigned char>(c)));
        const bool numbered = stem.size() == 4 && (stem.compare(0, 3, "COM") == 0 ||
                                                   stem.compare(0, 3, "LPT") == 0);
        const unsigned char digit = numbered ? stem[3] : 0;
        if (stem == "CON" || stem == "PRN" || stem == "AUX" || stem == "NUL" ||
            stem == "CONIN$" || stem == "CONOUT$" ||
            (numbered && ((digit >= '0' && digit <= '9') || digit == 0xB9 || digit == 0xB2 ||
                          digit == 0xB3)))
            out[begin] = '_';
        while (directory && end > begin && (out[end - 1] == '.' || out[end - 1] == ' '))
            out[--end] = '_';
    };
    size_t part = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        unsigned char c = out[i];
        if (lead[c] && i + 1 < out.size()) {
            ++i;
        } else if (c == '/' || c == '\\') {
            out[i] = '\\';
            guard(part, i, true);
            part = i + 1;
        } else if (c < 0x20 || (c >= 0x7F && c <= 0x9F) || c >= 0xE0 || strchr(":*?\"<>|", c)) {
            out[i] = '_';
        }
    }
    guard(part, out.size(), false);
    return out;
}

bool IsUtf8Charset(const std::string& charset) {
    std::string upper;
    for (char c : charset) upper += char(toupper(static_cast<unsigned char>(c)));
    return upper == "UTF-8" || upper == "UTF8";
}

// The longest destination folder the stub's 260-byte path holds with the
// separator it adds and the terminator.
constexpr size_t kSfxMaxFolder = 258;

// A name as Windows compares it: '/' and '\\' alike, leading separators
// gone, ASCII letters in either case alike (a double-byte character's
// second byte is no letter, whatever its value).
std::string WindowsKey(const std::string& name, const LeadBytes& lead) {
    std::string key;
    for (size_t i = 0; i < name.size(); ++i) {
        char c = name[i];
        if (lead[static_cast<unsigned char>(c)] && i + 1 < name.size()) {
            key += c;
            key += name[++i];
            continue;
        }
        if (c == '/') c = '\\';
        if (c == '\\' && key.empty()) continue;
        key += char(c >= 'A' && c <= 'Z' ? c + 32 : c);
    }
    return key;
}

// Warns of each name the stub writes otherwise, and refuses two names it
// would write to one file (as Windows compares names, less the trailing
// dots and spaces it drops): the later would silently replace the earlier.
// Also refuses a name that is a file for one entry and a directory for
// another.
// Each name is given for display (UTF-8) and as the stored bytes.
bool CheckStubNames(const std::vector<std::pair<std::string, std::string>>& names,
                    const std::string& charset, const std::string& outPath) {
    std::map<std::string, std::string> taken, directories;  // key -> a name shown
    const LeadBytes lead = LeadBytesOf(charset);
    // A file and a directory of one name cannot both be made: the stub
    // would stop there, leaving the files after it unextracted.
    auto clash = [&outPath](const std::string& file, const std::string& other) {
        fprintf(stderr, "cabx sfx: %s: '%s' would be extracted as a file where '%s' needs a "
                "directory: the archive would not extract\n", Printable(outPath).c_str(),
                Printable(file).c_str(), Printable(other).c_str());
        return false;
    };
    for (const auto& [shown, bytes] : names) {
        std::string written = AsTheStubWrites(bytes, lead);
        const std::string writtenShown = FromCodePage(written, charset);
        if (written != bytes)
            fprintf(stderr, "cabx sfx: warning: %s: '%s' is extracted as '%s' (the stub writes '_' "
                    "for characters and names that are unsafe on Windows)\n",
                    Printable(outPath).c_str(), Printable(shown).c_str(),
                    Printable(writtenShown).c_str());
        while (!written.empty() && (written.back() == '.' || written.back() == ' '))
            written.pop_back();
        const std::string key = WindowsKey(written, lead);
        const auto [it, fresh] = taken.emplace(key, shown);
        if (!fresh) {
            fprintf(stderr, "cabx sfx: %s: '%s' and '%s' would both be extracted as '%s': one of "
                    "them would be lost\n", Printable(outPath).c_str(), Printable(it->second).c_str(),
                    Printable(shown).c_str(), Printable(writtenShown).c_str());
            return false;
        }
        if (const auto d = directories.find(key); d != directories.end()) return clash(shown, d->second);
        for (size_t cut = key.find('\\'); cut != std::string::npos; cut = key.find('\\', cut + 1)) {
            const std::string directory = key.substr(0, cut);
            if (const auto f = taken.find(directory); f != taken.end()) return clash(f->second, shown);
            directories.emplace(directory, shown);
        }
    }
    return true;
}

// Calls `each` with every file entry and stored name of a cabinet in
// memory while it returns true; false when the directory or an entry does
// not read.
template <typename Each>
bool ForEachStoredFile(const std::vector<uint8_t>& cabinet, Each each) {
    CabSource source;
    CabSourceFromMemory(&source, cabinet.data(),
                        cabinet.size() > UINT32_MAX ? UINT32_MAX : uint32_t(cabinet.size()));
    CabDirectory dir;
    int detail;
    if (ReadCabDirectory(&source, &dir, &detail) != CabErrorCode::None) return false;
    uint32_t pos = dir.header.firstFileOffset;
    for (uint32_t i = 0; i < dir.header.fileCount; ++i) {
        FileEntry e;
        char stored[kNameBufferSize];
        if (ReadCabFile(&source, &pos, &e, stored) != CabErrorCode::None) return false;
        if (!each(e, std::string(stored))) break;
    }
    return true;
}

// The stored names of a ready cabinet, for CheckStubNames; false (said)
// when one is in UTF-8 with characters outside ASCII and the archive is not
// for a UTF-8 code page: the stub would take its bytes for the code page's
// and write another name. A cabinet whose directory does not read gives no
// names: it is taken as it is.
bool ReadyCabinetNames(const std::vector<uint8_t>& cabinet, const std::string& charset,
                       const std::string& outPath,
                       std::vector<std::pair<std::string, std::string>>* names) {
    bool ok = true;
    ForEachStoredFile(cabinet, [&](const FileEntry& e, const std::string& bytes) {
        const bool utf8 = (e.attributes & 0x80) != 0;
        if (utf8 && !IsAscii(bytes) && !IsUtf8Charset(charset)) {
            fprintf(stderr, "cabx sfx: %s: '%s' is stored in UTF-8, which the stub does not read "
                    "(it takes names in the system's code page): give the files themselves, or "
                    "--encoding UTF-8 for systems whose code page is UTF-8\n",
                    Printable(outPath).c_str(), Printable(bytes).c_str());
            ok = false;
            return false;
        }
        names->push_back({utf8 ? bytes : FromCodePage(bytes, charset), bytes});
        return true;
    });
    return ok;
}

// Whether the cabinet lists a file of that name: the stub opens the file
// after extraction by its name below the destination, and a name that is
// not in the archive opens nothing, without a word to the user.
bool CabinetHolds(const std::vector<uint8_t>& cabinet, const std::string& name,
                  const std::string& charset) {
    const LeadBytes lead = LeadBytesOf(charset);
    const std::string want = WindowsKey(name, lead);
    bool found = false;
    ForEachStoredFile(cabinet, [&](const FileEntry&, const std::string& stored) {
        found = WindowsKey(stored, lead) == want;
        return !found;
    });
    return found;
}

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
    std::string charset = "CP1252";
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
        } else if (a == "--encoding") {
            if (!value(&charset)) return Usage("--encoding needs a character set");
            iconv_t cd = iconv_open(charset.c_str(), "UTF-8");
            if (cd == iconv_t(-1)) return Usage("unknown character set '" + charset + "' (see iconv --list)");
            iconv_close(cd);
            // The stub reads texts and names as bytes of a Windows code page,
            // in which ASCII is itself (UTF-16 and the like would be cut at
            // their first zero byte).
            std::string ascii, coded;
            for (char c = ' '; c < 0x7F; ++c) ascii += c;
            if (!Recode(ascii, charset.c_str(), "UTF-8", &coded) || coded != ascii)
                return Usage("'" + charset + "' is not a code page the stub can use: it does not "
                             "write ASCII as ASCII");
        } else if (a == "--confirm-overwrite") {
            spec.confirmOverwrite = true;
        } else if (a.size() > 1 && a[0] == '-') {
            return Usage("unknown option '" + a + "'");
        } else {
            rest.push_back(a);
        }
    }
    if (rest.size() < 2) return Usage("needs OUT.exe and a cabinet or at least one PATH");
    for (auto text : {std::make_pair("--folder", &spec.defaultFolder),
                      std::make_pair("--open", &spec.openAfterExtract),
                      std::make_pair("--caption", &spec.messageCaption),
                      std::make_pair("--message", &spec.messageText)})
        if (!ToCodePage(*text.second, charset, text.second))
            return Usage(std::string(text.first) + " cannot be written in " + charset +
                         " (the archive's code page; see --encoding)");
    // The stub reads the folder field into a path of 260 bytes with its
    // terminator and adds a separator: a longer folder would be cut short
    // there and the files extracted into another folder.
    if (spec.defaultFolder.size() > kSfxMaxFolder)
        return Usage("--folder is " + std::to_string(spec.defaultFolder.size()) +
                     " bytes long; the stub takes at most " + std::to_string(kSfxMaxFolder));
    std::string outPath = rest[0];
    std::string error;

    std::vector<uint8_t> stub, cabinet;
    if (!ReadAll(stubPath, 0, &stub)) {
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
    std::vector<std::pair<std::string, std::string>> names;  // shown, stored
    if (oneFile && ReadAll(rest[1], size_t(st.st_size), &cabinet) && cabinet.size() >= 4 &&
        memcmp(cabinet.data(), "MSCF", 4) == 0) {
        // Taken as it is.
        if (!ReadyCabinetNames(cabinet, charset, outPath, &names)) return 1;
    } else {
        Inputs inputs(outPath);
        for (size_t i = 1; i < rest.size(); ++i) {
            std::string stored = StoredBaseName(rest[i]);
            if (!stored.empty() && !StorablePart(stored)) {
                fprintf(stderr, "cabx sfx: %s: '%s': cannot be stored under the name '%s'\n",
                        outPath.c_str(), rest[i].c_str(), stored.c_str());
                return 1;
            }
            if (!inputs.Add(rest[i], stored, &error)) {
                fprintf(stderr, "cabx sfx: %s\n", Printable(outPath + ": " + error).c_str());
                return 1;
            }
        }
        std::vector<cabwriter::Entry>& entries = inputs.entries();
        if (entries.empty()) {
            fprintf(stderr, "cabx sfx: %s\n",
                    Printable(outPath + ": nothing to store (no regular files in the paths given)")
                        .c_str());
            return 1;
        }
        for (cabwriter::Entry& e : entries) {
            std::string name;
            if (!ToCodePage(e.name, charset, &name)) {
                fprintf(stderr, "cabx sfx: %s: '%s' cannot be written in %s (the archive's code page; "
                        "see --encoding)\n", Printable(outPath).c_str(), Printable(e.name).c_str(),
                        charset.c_str());
                return 1;
            }
            names.push_back({e.name, name});
            e.name = name;
            if (!IsUtf8Charset(charset)) e.attributes &= ~0x80;
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
    if (!CheckStubNames(names, charset, outPath)) return 1;
    if (!spec.openAfterExtract.empty() && !CabinetHolds(cabinet, spec.openAfterExtract, charset))
        fprintf(stderr, "cabx sfx: warning: %s: --open '%s': the archive holds no file of that name\n",
                Printable(outPath).c_str(), Printable(spec.openAfterExtract).c_str());
    std::vector<uint8_t> out;
    if (!BuildSfx(stub, spec, cabinet, &out, &error)) {
        fprintf(stderr, "cabx sfx: %s\n", Printable(outPath + ": " + error).c_str());
        return 1;
    }
    MadeFiles made;
    if (!made.Stage(outPath, out, 0777, &error) || !made.Commit(&error)) {
        fprintf(stderr, "cabx sfx: %s\n", Printable(outPath + ": " + error).c_str());
        return 1;
    }
    return 0;
}

}  // namespace cabx
