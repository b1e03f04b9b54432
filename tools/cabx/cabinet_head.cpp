// What cabx reads from a cabinet itself: folder methods and block
// positions, the neighbours' names, which spanning entries a cabinet lists,
// and the checksum walk that names a damaged block.
#include <fcntl.h>
#include <string.h>
#include <unistd.h>

#include <algorithm>

#include "archive.h"

namespace cabx {

namespace {

uint32_t Le(const uint8_t* p, int n) {
    uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i) v = v << 8 | p[i];
    return v;
}


// Reads at places in a cabinet (offsets from its first byte) through a
// window of the file, so that walking thousands of entries costs a few
// reads.
struct Window {
    int fd;
    int64_t base;
    std::vector<uint8_t> data = std::vector<uint8_t>(64 << 10);
    int64_t start = -1;
    size_t len = 0;

    // Copies up to n bytes at pos; returns how many there were.
    size_t Get(uint32_t pos, void* out, size_t n) {
        int64_t at = base + pos;
        if (start < 0 || at < start || at + int64_t(n) > start + int64_t(len)) {
            if (n > data.size()) {
                ssize_t r = pread(fd, out, n, at);
                return r < 0 ? 0 : size_t(r);
            }
            ssize_t r = pread(fd, data.data(), data.size(), at);
            start = at;
            len = r < 0 ? 0 : size_t(r);
        }
        size_t from = size_t(at - start);
        size_t avail = from < len ? std::min(n, len - from) : 0;
        memcpy(out, data.data() + from, avail);
        return avail;
    }
};

bool ReadAt(Window& w, uint32_t pos, void* buf, size_t n) { return w.Get(pos, buf, n) == n; }

bool ReadName(Window& w, uint32_t* pos, std::string* out) {
    char buf[257] = {0};
    size_t n = w.Get(*pos, buf, 256);
    if (n == 0) return false;
    size_t len = strnlen(buf, n);
    if (len == n) return false;
    out->assign(buf, len);
    *pos += uint32_t(len + 1);
    return true;
}

}  // namespace

Head ReadHead(const std::string& path, int64_t base) {
    Head h;
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return h;
    Window w{fd, base};
    uint8_t hd[36];
    uint32_t pos = 36;
    if (!ReadAt(w, 0, hd, 36) || memcmp(hd, "MSCF", 4) != 0) {
        close(fd);
        return h;
    }
    h.folderCount = uint16_t(Le(hd + 26, 2));
    h.fileCount = uint16_t(Le(hd + 28, 2));
    h.flags = uint16_t(Le(hd + 30, 2));
    h.size = Le(hd + 8, 4);
    uint32_t firstFile = Le(hd + 16, 4);
    bool ok = true;
    if (h.flags & 4) {
        uint8_t r[4] = {0};
        ok = ReadAt(w, pos, r, 4);
        h.folderReserve = r[2];
        h.blockReserve = r[3];
        pos += 4 + uint32_t(Le(r, 2));
    }
    std::string disk;
    if (ok && (h.flags & 1)) ok = ReadName(w, &pos, &h.prev) && ReadName(w, &pos, &disk);
    if (ok && (h.flags & 2)) ok = ReadName(w, &pos, &h.next) && ReadName(w, &pos, &disk);
    for (unsigned i = 0; ok && i < h.folderCount; ++i) {
        uint8_t f[8] = {0};
        ok = ReadAt(w, pos, f, 8);
        h.firstBlock.push_back(Le(f, 4));
        h.blockCounts.push_back(uint16_t(Le(f + 4, 2)));
        h.types.push_back(uint16_t(Le(f + 6, 2)));
        pos += 8 + h.folderReserve;
    }
    pos = firstFile;
    for (unsigned i = 0; ok && i < h.fileCount; ++i) {
        uint8_t e[16] = {0};
        std::string name;
        ok = ReadAt(w, pos, e, 16);
        pos += 16;
        ok = ok && ReadName(w, &pos, &name);
        uint16_t fi = uint16_t(Le(e + 8, 2));
        h.continuesIn |= fi == 0xFFFD || fi == 0xFFFF;
        h.continuesOut |= fi == 0xFFFE || fi == 0xFFFF;
    }
    close(fd);
    h.ok = ok;
    return h;
}

namespace {

uint32_t Checksum(const uint8_t* p, size_t n, uint32_t v) {
    size_t i = 0;
    for (; i + 4 <= n; i += 4) v ^= Le(p + i, 4);
    uint32_t tail = 0;
    for (; i < n; ++i) tail = tail << 8 | p[i];
    return v ^ tail;
}

}  // namespace

// Looks for a block whose checksum does not match, to say more than
// "corrupt". Returns a description, or "".
std::string FindBadBlock(const std::string& path, int64_t base) {
    Head h = ReadHead(path, base);
    if (!h.ok) return "";
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return "";
    Window w{fd, base};
    std::string found;
    std::vector<uint8_t> buf;
    for (unsigned f = 0; f < h.folderCount && found.empty(); ++f) {
        uint32_t pos = h.firstBlock[f];
        for (unsigned b = 0; b < h.blockCounts[f]; ++b) {
            uint8_t hdr[8 + 255];
            uint32_t hs = 8 + h.blockReserve;
            if (!ReadAt(w, pos, hdr, hs)) break;
            uint32_t size = uint32_t(Le(hdr + 4, 2));
            buf.resize(size);
            if (!ReadAt(w, pos + hs, buf.data(), size)) break;
            uint32_t stored = Le(hdr, 4);
            uint32_t sum = Checksum(hdr + 4, 4 + h.blockReserve, Checksum(buf.data(), size, 0));
            if (stored != 0 && stored != sum) {
                found = "block checksum mismatch (folder " + std::to_string(f) + ", block " +
                        std::to_string(b) + ")";
                break;
            }
            pos += hs + size;
        }
    }
    close(fd);
    return found;
}

std::string MethodName(uint16_t type) {
    switch (type & 15) {
        case 0: return "none";
        case 1: return "mszip";
        case 2: return "quantum:" + std::to_string(type >> 8 & 31);
        case 3: return "lzx:" + std::to_string(type >> 8 & 31);
        default: return "unknown(" + std::to_string(type) + ")";
    }
}

}  // namespace cabx
