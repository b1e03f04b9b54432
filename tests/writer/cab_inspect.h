// Test-side cabinet inspection, written independently of the reader: parses
// a cabinet's records, checks every block's checksum, and joins the folders
// of a set (cut blocks included) to recover each file's bytes. Only stored
// folders can be joined; for others the raw block bytes are returned.
#ifndef STUB_TESTS_CAB_INSPECT_H
#define STUB_TESTS_CAB_INSPECT_H

#include <stdint.h>

#include <string.h>

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace cabinspect {

inline uint32_t Le16(const std::vector<uint8_t>& d, size_t p) {
    return d.at(p) | uint32_t(d.at(p + 1)) << 8;
}
inline uint32_t Le32(const std::vector<uint8_t>& d, size_t p) {
    return Le16(d, p) | Le16(d, p + 2) << 16;
}

// The format's checksum, written from its definition.
inline uint32_t Checksum(const uint8_t* p, size_t n, uint32_t seed) {
    uint32_t v = seed;
    size_t i = 0;
    for (; i + 4 <= n; i += 4) v ^= p[i] | p[i + 1] << 8 | p[i + 2] << 16 | uint32_t(p[i + 3]) << 24;
    switch (n - i) {
        case 3: v ^= uint32_t(p[i]) << 16 | p[i + 1] << 8 | p[i + 2]; break;
        case 2: v ^= uint32_t(p[i]) << 8 | p[i + 1]; break;
        case 1: v ^= p[i]; break;
    }
    return v;
}

struct Block {
    uint32_t checksum;
    uint16_t compressedSize, uncompressedSize;
    std::vector<uint8_t> reserve, data;
    bool checksumOk;  // stored checksum 0, or equal to the computed one
};
struct Folder {
    uint32_t firstBlockOffset;
    uint16_t blockCount, compressionType;
    std::vector<uint8_t> reserve;
    std::vector<Block> blocks;
};
struct File {
    uint32_t size, folderOffset;
    uint16_t folderIndex, date, time, attributes;
    std::string name;
};
struct Cab {
    uint32_t cabinetSize, firstFileOffset;
    uint16_t version, folderCount, fileCount, flags, setId, cabinetIndex;
    uint16_t headerReserveSize = 0;
    uint8_t folderReserveSize = 0, blockReserveSize = 0;
    std::vector<uint8_t> headerReserve;
    std::string prevCab, prevDisk, nextCab, nextDisk;
    std::vector<Folder> folders;
    std::vector<File> files;
};

// Throws std::out_of_range on a truncated cabinet.
inline Cab Parse(const std::vector<uint8_t>& d) {
    Cab c;
    if (d.size() < 36 || memcmp(d.data(), "MSCF", 4) != 0) throw std::out_of_range("signature");
    c.cabinetSize = Le32(d, 8);
    c.firstFileOffset = Le32(d, 16);
    c.version = Le16(d, 24);
    c.folderCount = Le16(d, 26);
    c.fileCount = Le16(d, 28);
    c.flags = Le16(d, 30);
    c.setId = Le16(d, 32);
    c.cabinetIndex = Le16(d, 34);
    size_t p = 36;
    if (c.flags & 4) {
        c.headerReserveSize = Le16(d, p);
        c.folderReserveSize = d.at(p + 2);
        c.blockReserveSize = d.at(p + 3);
        p += 4;
        c.headerReserve.assign(d.begin() + p, d.begin() + p + c.headerReserveSize);
        p += c.headerReserveSize;
    }
    auto str = [&](std::string* s) {
        size_t e = p;
        while (d.at(e)) ++e;
        s->assign(d.begin() + p, d.begin() + e);
        p = e + 1;
    };
    if (c.flags & 1) str(&c.prevCab), str(&c.prevDisk);
    if (c.flags & 2) str(&c.nextCab), str(&c.nextDisk);
    for (unsigned i = 0; i < c.folderCount; ++i) {
        Folder f;
        f.firstBlockOffset = Le32(d, p);
        f.blockCount = Le16(d, p + 4);
        f.compressionType = Le16(d, p + 6);
        f.reserve.assign(d.begin() + p + 8, d.begin() + p + 8 + c.folderReserveSize);
        p += 8 + c.folderReserveSize;
        size_t q = f.firstBlockOffset;
        for (unsigned b = 0; b < f.blockCount; ++b) {
            Block k;
            k.checksum = Le32(d, q);
            k.compressedSize = Le16(d, q + 4);
            k.uncompressedSize = Le16(d, q + 6);
            size_t hs = 8 + c.blockReserveSize;
            if (q + hs + k.compressedSize > d.size()) throw std::out_of_range("block");
            k.reserve.assign(d.begin() + q + 8, d.begin() + q + hs);
            k.data.assign(d.begin() + q + hs, d.begin() + q + hs + k.compressedSize);
            uint32_t sum = Checksum(k.data.data(), k.data.size(), 0);
            sum = Checksum(d.data() + q + 4, 4 + c.blockReserveSize, sum);
            k.checksumOk = k.checksum == 0 || k.checksum == sum;
            f.blocks.push_back(std::move(k));
            q += hs + f.blocks.back().compressedSize;
        }
        c.folders.push_back(std::move(f));
    }
    p = c.firstFileOffset;
    for (unsigned i = 0; i < c.fileCount; ++i) {
        File f;
        f.size = Le32(d, p);
        f.folderOffset = Le32(d, p + 4);
        f.folderIndex = Le16(d, p + 8);
        f.date = Le16(d, p + 10);
        f.time = Le16(d, p + 12);
        f.attributes = Le16(d, p + 14);
        p += 16;
        str(&f.name);
        c.files.push_back(std::move(f));
    }
    return c;
}

// Joins the stored folders of a set, given its cabinets in order, and
// returns every file's bytes by name (each file once). A folder continued
// into the next cabinet is that cabinet's folder 0; a block whose
// uncompressedSize is 0 is joined with the next cabinet's first block.
inline std::map<std::string, std::vector<uint8_t>> ExtractStoredSet(const std::vector<Cab>& cabs) {
    std::map<std::string, std::vector<uint8_t>> out;
    std::vector<uint8_t> folderData;  // the current logical folder
    std::vector<uint8_t> pending;     // first piece of a cut block
    for (size_t c = 0; c < cabs.size(); ++c) {
        const Cab& cab = cabs[c];
        std::vector<std::vector<uint8_t>> data(cab.folders.size());
        for (size_t f = 0; f < cab.folders.size(); ++f) {
            std::vector<uint8_t> d = f == 0 ? folderData : std::vector<uint8_t>();
            for (const Block& b : cab.folders[f].blocks) {
                pending.insert(pending.end(), b.data.begin(), b.data.end());
                if (b.uncompressedSize == 0) continue;
                d.insert(d.end(), pending.begin(), pending.end());
                pending.clear();
            }
            data[f] = d;
        }
        for (const File& file : cab.files) {
            uint16_t fi = file.folderIndex;
            if (fi == 0xFFFD || fi == 0xFFFF) fi = 0;
            if (fi == 0xFFFE) fi = cab.folderCount - 1;
            if (fi >= data.size()) continue;
            if (file.size == 0) {  // may stand where its folder begins, offset past it
                out[file.name];
                continue;
            }
            const std::vector<uint8_t>& d = data[fi];
            if (uint64_t(file.folderOffset) + file.size > d.size()) continue;  // completes later
            out[file.name].assign(d.begin() + file.folderOffset,
                                  d.begin() + file.folderOffset + file.size);
        }
        // The last folder carries on when a file spans into the next cabinet
        // (the writer never cuts a folder between files) or a block is cut.
        bool spans = !pending.empty();
        for (const File& file : cab.files)
            spans |= file.folderIndex == 0xFFFE || file.folderIndex == 0xFFFF;
        folderData = spans && !data.empty() ? data.back() : std::vector<uint8_t>();
    }
    return out;
}

}  // namespace cabinspect

#endif
