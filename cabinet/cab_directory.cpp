// A cabinet's directory for tools: the steps the walk opens a cabinet with
// (cab_format.cpp), then the folder entries, the file list and the data
// blocks at the positions the records give.
#include "cab_directory.h"

#include <string.h>

#define DIR_CHECK(cond, code)               \
    do {                                    \
        if (!(cond)) return CabErrorCode::code; \
    } while (0)

// Reads exactly count bytes at pos.
static bool ReadAt(CabSource* s, uint32_t pos, void* buffer, uint32_t count) {
    if (pos > 0x7FFFFFFFu || CabSourceSeek(s, (int32_t)pos) == -1) return false;
    return CabSourceRead(s, buffer, count) == (int32_t)count;
}

CabErrorCode ReadCabDirectory(CabSource* s, CabDirectory* dir, int* detail) {
    memset(dir, 0, sizeof *dir);
    *detail = 0;
    DIR_CHECK(CabSourceSeek(s, 0) == 0, BadHeader);
    CabErrorCode code = ReadCabHeaderRecord(s, &dir->header, detail);
    if (code != CabErrorCode::None) return code;
    code = ReadCabReserveSizes(s, &dir->header, &dir->reserve);
    if (code != CabErrorCode::None) return code;
    dir->folderEntrySize = kFolderEntryBaseSize + dir->reserve.folder;
    dir->blockHeaderSize = kBlockHeaderBaseSize + dir->reserve.block;
    int32_t at = CabSourceTell(s);
    DIR_CHECK(at != -1, BadHeader);
    dir->headerReservePos = (uint32_t)at;
    // The area must be there in full, as the walk reads it.
    uint8_t chunk[256];
    for (uint32_t left = dir->reserve.header; left > 0;) {
        uint32_t n = left < sizeof chunk ? left : (uint32_t)sizeof chunk;
        DIR_CHECK(CabSourceRead(s, chunk, n) == (int32_t)n, BadHeader);
        left -= n;
    }
    if (dir->header.flags & HasPrevious) {
        if ((code = ReadCabName(s, dir->previousCabinet)) != CabErrorCode::None) return code;
        if ((code = ReadCabName(s, dir->previousDisk)) != CabErrorCode::None) return code;
    }
    if (dir->header.flags & HasNext) {
        if ((code = ReadCabName(s, dir->nextCabinet)) != CabErrorCode::None) return code;
        if ((code = ReadCabName(s, dir->nextDisk)) != CabErrorCode::None) return code;
    }
    at = CabSourceTell(s);
    DIR_CHECK(at != -1, Corrupt);
    dir->firstFolderPos = (uint32_t)at;
    return CabErrorCode::None;
}

CabErrorCode ReadCabFolder(CabSource* s, const CabDirectory* dir, uint32_t index,
                           FolderEntry* entry, uint8_t* reserve) {
    DIR_CHECK(index < dir->header.folderCount, Corrupt);
    uint8_t raw[kFolderEntryBaseSize + 255];
    uint64_t pos = dir->firstFolderPos + (uint64_t)index * dir->folderEntrySize;
    DIR_CHECK(pos <= 0x7FFFFFFFu && ReadAt(s, (uint32_t)pos, raw, dir->folderEntrySize), Corrupt);
    ParseFolderEntry(raw, entry);
    if (reserve) memcpy(reserve, raw + kFolderEntryBaseSize, dir->reserve.folder);
    return CabErrorCode::None;
}

CabErrorCode ReadCabFile(CabSource* s, uint32_t* pos, FileEntry* entry, char* name) {
    uint8_t raw[kFileEntrySize];
    name[0] = 0;
    DIR_CHECK(ReadAt(s, *pos, raw, kFileEntrySize), Corrupt);
    ParseFileEntry(raw, entry);
    CabErrorCode code = ReadCabName(s, name);
    if (code != CabErrorCode::None) return code;
    int32_t next = CabSourceTell(s);
    DIR_CHECK(next != -1, Corrupt);
    *pos = (uint32_t)next;
    return CabErrorCode::None;
}

CabErrorCode ReadCabBlock(CabSource* s, const CabDirectory* dir, uint32_t* pos, CabBlock* block,
                          uint8_t* reserve, uint8_t* data) {
    uint8_t raw[kBlockHeaderBaseSize + kMaxBlockReserve];
    memset(block, 0, sizeof *block);
    DIR_CHECK(ReadAt(s, *pos, raw, dir->blockHeaderSize), Corrupt);
    ParseBlockHeader(raw, &block->header);
    uint64_t dataPos = (uint64_t)*pos + dir->blockHeaderSize;
    uint64_t end = dataPos + block->header.compressedSize;
    DIR_CHECK(end <= 0x7FFFFFFFu, Corrupt);
    block->dataPos = (uint32_t)dataPos;
    if (reserve) memcpy(reserve, raw + kBlockHeaderBaseSize, dir->reserve.block);
    if (data) {
        uint32_t size = block->header.compressedSize;
        DIR_CHECK(CabSourceRead(s, data, size) == (int32_t)size, Corrupt);
        uint32_t sum = DataBlockChecksum(raw, dir->blockHeaderSize, data, size);
        block->checked = 1;
        block->checksumOk = block->header.checksum == 0 || block->header.checksum == sum;
    }
    *pos = (uint32_t)end;
    return CabErrorCode::None;
}

CabErrorCode CheckCabBlocks(CabSource* s, const CabDirectory* dir, uint8_t* data,
                            uint32_t* folder, uint32_t* block, int* mismatch) {
    *mismatch = 0;
    // Blocks never share bytes, so a walk longer than the cabinet only reads
    // blocks again (folders that point at the same blocks): it ends there,
    // which keeps its work linear in the cabinet's size whatever the counts.
    uint64_t budget = s->read ? 0x7FFFFFFFu : s->size;
    for (; *folder < dir->header.folderCount; ++*folder) {
        FolderEntry entry;
        *block = 0;
        CabErrorCode code = ReadCabFolder(s, dir, *folder, &entry, nullptr);
        if (code != CabErrorCode::None) return code;
        uint32_t pos = entry.firstBlockOffset;
        for (; *block < entry.blockCount; ++*block) {
            CabBlock b;
            code = ReadCabBlock(s, dir, &pos, &b, nullptr, data);
            if (code != CabErrorCode::None) return code;
            uint64_t walked = dir->blockHeaderSize + (uint64_t)b.header.compressedSize;
            if (walked > budget) return CabErrorCode::None;
            budget -= walked;
            if (!b.checksumOk) {
                *mismatch = 1;
                return CabErrorCode::Corrupt;
            }
        }
    }
    return CabErrorCode::None;
}
