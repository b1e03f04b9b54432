// Test-side cabinet inspection: every record of a cabinet (read with the
// reader's directory code, which has tests of its own on hand-made bytes),
// every block's checksum, and the stored folders of a set joined (cut
// blocks included) to recover each file's bytes. Only stored folders can be
// joined; for others the raw block bytes are returned.
#ifndef STUB_TESTS_CAB_INSPECT_H
#define STUB_TESTS_CAB_INSPECT_H

#include <stdint.h>

#include <string.h>

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "cab_directory.h"

namespace cabinspect {

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

// Reads every record with the reader's directory code; throws
// std::out_of_range on a cabinet it refuses (truncated, unterminated name).
inline Cab Parse(const std::vector<uint8_t>& d) {
    auto must = [](CabErrorCode code, const char* what) {
        if (code != CabErrorCode::None) throw std::out_of_range(what);
    };
    CabSource s;
    CabSourceFromMemory(&s, d.data(), uint32_t(d.size()));
    CabDirectory dir;
    int detail;
    must(ReadCabDirectory(&s, &dir, &detail), "directory");
    Cab c;
    const CabHeader& h = dir.header;
    c.cabinetSize = h.cabinetSize;
    c.firstFileOffset = h.firstFileOffset;
    c.version = h.version;
    c.folderCount = h.folderCount;
    c.fileCount = h.fileCount;
    c.flags = h.flags;
    c.setId = h.setId;
    c.cabinetIndex = h.cabinetIndex;
    c.headerReserveSize = dir.reserve.header;
    c.folderReserveSize = dir.reserve.folder;
    c.blockReserveSize = dir.reserve.block;
    c.headerReserve.assign(d.begin() + dir.headerReservePos,
                           d.begin() + dir.headerReservePos + dir.reserve.header);
    c.prevCab = dir.previousCabinet;
    c.prevDisk = dir.previousDisk;
    c.nextCab = dir.nextCabinet;
    c.nextDisk = dir.nextDisk;
    std::vector<uint8_t> data(kMaxBlockData);
    for (unsigned i = 0; i < c.folderCount; ++i) {
        Folder f;
        FolderEntry e;
        f.reserve.resize(c.folderReserveSize);
        must(ReadCabFolder(&s, &dir, i, &e, f.reserve.data()), "folder");
        f.firstBlockOffset = e.firstBlockOffset;
        f.blockCount = e.blockCount;
        f.compressionType = e.compressionType;
        uint32_t q = f.firstBlockOffset;
        for (unsigned b = 0; b < f.blockCount; ++b) {
            Block k;
            CabBlock info;
            k.reserve.resize(c.blockReserveSize);
            must(ReadCabBlock(&s, &dir, &q, &info, k.reserve.data(), data.data()), "block");
            k.checksum = info.header.checksum;
            k.compressedSize = info.header.compressedSize;
            k.uncompressedSize = info.header.uncompressedSize;
            k.data.assign(data.begin(), data.begin() + k.compressedSize);
            k.checksumOk = info.checksumOk != 0;
            f.blocks.push_back(std::move(k));
        }
        c.folders.push_back(std::move(f));
    }
    uint32_t p = c.firstFileOffset;
    for (unsigned i = 0; i < c.fileCount; ++i) {
        File f;
        FileEntry e;
        char name[kNameBufferSize];
        must(ReadCabFile(&s, &p, &e, name), "file");
        f.size = e.size;
        f.folderOffset = e.folderOffset;
        f.folderIndex = e.folderIndex;
        f.date = e.date;
        f.time = e.time;
        f.attributes = e.attributes;
        f.name = name;
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
