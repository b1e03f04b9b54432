// cabx info: what a self-extracting archive holds. The settings block is
// read at the stub's fixed size, the cabinet is found the way the stub finds
// it (scanning the first MiB), and its folders and files are listed from
// its directory, read with the reader's own checks.
#include <fcntl.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "CabinetLocator.h"
#include "cab_directory.h"
#include "cabx.h"
#include "sfx_commands.h"

namespace cabx {

namespace {

int32_t InfoOpen(const char* path, int flags, int) {
    return open(path, (flags & 3) ? O_RDONLY | O_CLOEXEC : O_RDONLY | O_CLOEXEC);
}
int32_t InfoRead(int32_t h, void* b, uint32_t n) { return (int32_t)read(h, b, n); }
int32_t InfoWrite(int32_t, const void*, uint32_t) { return -1; }
int InfoClose(int32_t h) { return close(h); }
int32_t InfoSeek(int32_t h, int32_t off, int origin) {
    off_t r = lseek(h, off, origin == 0 ? SEEK_SET : origin == 1 ? SEEK_CUR : SEEK_END);
    return r < 0 || r > INT32_MAX ? -1 : (int32_t)r;
}
void* InfoAlloc(uint32_t n) { return malloc(n); }
void InfoFree(void* p) { free(p); }

std::string Quoted(const std::vector<uint8_t>& f, size_t at, size_t n) {
    std::string out = "\"";
    for (size_t i = at; i < at + n; ++i) {
        uint8_t c = f[i];
        if (c == '"' || c == '\\') out += '\\';
        if (c < 0x20 || c == 0x7F) {
            char hex[8];
            snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        } else {
            out += (char)c;
        }
    }
    return out + "\"";
}

std::string Format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
std::string Format(const char* fmt, ...) {
    char buffer[1024];
    va_list args;
    va_start(args, fmt);
    vsnprintf(buffer, sizeof buffer, fmt, args);
    va_end(args);
    return buffer;
}

const char* MethodName(uint16_t type) {
    switch (CompressionMethod(type)) {
    case MethodStored: return "stored";
    case MethodMszip: return "MSZIP";
    case MethodQuantum: return "Quantum";
    case MethodLzx: return "LZX";
    default: return "unknown";
    }
}

// A stored name with control bytes written as \xHH, so that a hostile name
// cannot drive the terminal.
std::string Escaped(const char* stored) {
    std::string out;
    for (const char* p = stored; *p; ++p) {
        unsigned char c = (unsigned char)*p;
        char hex[8];
        snprintf(hex, sizeof hex, "\\x%02X", c);
        out += c < 0x20 || c == 0x7F ? std::string(hex) : std::string(1, (char)c);
    }
    return out;
}

void Settings(const std::vector<uint8_t>& f, std::string* text) {
    const size_t base = kSfxStubSize;
    if (f.size() < base + 24 || f[0] != 'M' || f[1] != 'Z') {
        *text += "Settings block: none (not a self-extracting archive of this stub)\n";
        return;
    }
    uint32_t len[4];
    uint64_t total = 0;
    for (int i = 0; i < 4; ++i) total += len[i] = ReadLe32(&f[base + 4 * i]);
    int32_t kind = (int32_t)ReadLe32(&f[base + 16]);
    *text += Format("Settings block at %zu:\n", base);
    if (base + 24 + total > f.size()) {
        *text += "  lengths run past the end of the file: the stub ignores this block\n";
        return;
    }
    static const char* const kNames[4] = {"default folder", "open after extract",
                                          "message caption", "message text"};
    size_t at = base + 24;
    for (int i = 0; i < 4; ++i) {
        *text += Format("  %-19s %s\n", (std::string(kNames[i]) + ":").c_str(),
                        Quoted(f, at, len[i]).c_str());
        at += len[i];
    }
    const char* kindName = kind == 1 ? "yes/no" : kind == 2 ? "OK/cancel" : "information";
    *text += Format("  message kind:       %s (%d)\n", kindName, kind);
    *text += Format("  show message:       %s\n", f[base + 21] ? "yes" : "no");
    *text += Format("  confirm overwrite:  %s\n", f[base + 20] ? "yes" : "no");
}

}  // namespace

bool DescribeSfx(const std::string& path, std::string* text, std::string* error) {
    std::vector<uint8_t> f;
    FILE* file = fopen(path.c_str(), "rb");
    if (!file) {
        *error = "cannot open " + path;
        return false;
    }
    uint8_t chunk[65536];
    size_t n;
    while ((n = fread(chunk, 1, sizeof chunk, file)) > 0) f.insert(f.end(), chunk, chunk + n);
    fclose(file);
    text->clear();
    Settings(f, text);

    const CabIo io = {InfoAlloc, InfoFree, InfoOpen, InfoRead, InfoWrite, InfoClose, InfoSeek};
    uint32_t head = f.size() < ScanLimit ? (uint32_t)f.size() : ScanLimit;
    int32_t base = CabinetLocator(&io, path.c_str(), f.data(), head);
    if (base < 0) {
        *error = "no cabinet found in the first MiB of " + path;
        return false;
    }
    // The directory is read with the reader's own checks; what cannot be
    // read is named rather than guessed at.
    CabSource source;
    size_t present = f.size() - (size_t)base;
    CabSourceFromMemory(&source, f.data() + base, present > UINT32_MAX ? UINT32_MAX : (uint32_t)present);
    CabDirectory dir;
    int detail;
    CabErrorCode code = ReadCabDirectory(&source, &dir, &detail);
    const CabHeader& h = dir.header;
    *text += Format("Cabinet at offset %d: version %u.%u, %u bytes, set 0x%04X, index %u, "
                    "%u folder(s), %u file(s)\n",
                    base, h.version >> 8, h.version & 0xFF, h.cabinetSize, h.setId,
                    h.cabinetIndex, h.folderCount, h.fileCount);
    if (code == CabErrorCode::BadHeader) {
        *text += "  (the reserve area runs past the end of the file)\n";
        return true;
    }
    if (code != CabErrorCode::None) {
        *text += "  (a neighbour cabinet's name runs past the end of the file or is not "
                 "terminated within 256 bytes)\n";
        return true;
    }
    for (int i = 0; i < 2; ++i) {
        if (!(h.flags & (i == 0 ? HasPrevious : HasNext))) continue;
        *text += Format("  %s cabinet: \"%s\" (disk \"%s\")\n", i == 0 ? "previous" : "next",
                        Escaped(i == 0 ? dir.previousCabinet : dir.nextCabinet).c_str(),
                        Escaped(i == 0 ? dir.previousDisk : dir.nextDisk).c_str());
    }
    *text += "Folders:\n";
    for (uint32_t i = 0; i < h.folderCount; ++i) {
        FolderEntry e;
        if (ReadCabFolder(&source, &dir, i, &e, nullptr) != CabErrorCode::None) {
            *text += Format("  (folder entry %u runs past the end of the file)\n", i);
            return true;
        }
        unsigned bits = CompressionWindowBits(e.compressionType);
        *text += Format("  %3u  %-8s", i, MethodName(e.compressionType));
        *text += (CompressionMethod(e.compressionType) >= 2 && bits)
                     ? Format(" window 2^%-2u", bits)
                     : std::string(12, ' ');
        *text += Format(" %5u block(s) at %u\n", e.blockCount, e.firstBlockOffset);
    }
    *text += "Files:\n";
    uint32_t pos = h.firstFileOffset;
    for (uint32_t i = 0; i < h.fileCount; ++i) {
        FileEntry e;
        char name[kNameBufferSize];
        if (ReadCabFile(&source, &pos, &e, name) != CabErrorCode::None) {
            *text += Format("  (file entry %u runs past the end of the file or its name is not "
                            "terminated within 256 bytes)\n",
                            i);
            return true;
        }
        std::string folder = e.folderIndex >= SpansFromPrevious
                                 ? (e.folderIndex == SpansFromPrevious ? "prev"
                                    : e.folderIndex == SpansIntoNext ? "next" : "both")
                                 : std::to_string(e.folderIndex);
        *text += Format("  %10u  %04u-%02u-%02u %02u:%02u:%02u  0x%02X  %-4s  %s\n", e.size,
                        1980 + (e.date >> 9), (e.date >> 5) & 15, e.date & 31, e.time >> 11,
                        (e.time >> 5) & 63, (e.time & 31) * 2, e.attributes, folder.c_str(),
                        Escaped(name).c_str());
    }
    return true;
}

int InfoCommand(int argc, char** argv) {
    if (argc != 1 || argv[0][0] == '-')
        return UsageError("info", argc == 0 ? "no archive given"
                                  : argc > 1 ? "more than one archive given"
                                             : "unknown option '" + std::string(argv[0]) + "'");
    std::string text, error;
    bool ok = DescribeSfx(argv[0], &text, &error);
    fputs(text.c_str(), stdout);
    if (!ok) fprintf(stderr, "cabx info: %s\n", error.c_str());
    return ok ? 0 : 1;
}

}  // namespace cabx
