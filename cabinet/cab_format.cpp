// Record decoding and the data-block checksum.
#include "cab_format.h"

#include <string.h>

bool HasCabSignature(const uint8_t* raw) { return memcmp(raw, "MSCF", 4) == 0; }

void ParseCabHeader(const uint8_t* raw, CabHeader* h) {
    memcpy(h->signature, raw, 4);
    h->reserved1 = ReadLe32(raw + 4);
    h->cabinetSize = ReadLe32(raw + 8);
    h->reserved2 = ReadLe32(raw + 12);
    h->firstFileOffset = ReadLe32(raw + 16);
    h->reserved3 = ReadLe32(raw + 20);
    h->version = ReadLe16(raw + 24);
    h->folderCount = ReadLe16(raw + 26);
    h->fileCount = ReadLe16(raw + 28);
    h->flags = ReadLe16(raw + 30);
    h->setId = ReadLe16(raw + 32);
    h->cabinetIndex = ReadLe16(raw + 34);
}

void ParseFolderEntry(const uint8_t* raw, FolderEntry* e) {
    e->firstBlockOffset = ReadLe32(raw);
    e->blockCount = ReadLe16(raw + 4);
    e->compressionType = ReadLe16(raw + 6);
}

void ParseFileEntry(const uint8_t* raw, FileEntry* e) {
    e->size = ReadLe32(raw);
    e->folderOffset = ReadLe32(raw + 4);
    e->folderIndex = ReadLe16(raw + 8);
    e->date = ReadLe16(raw + 10);
    e->time = ReadLe16(raw + 12);
    e->attributes = ReadLe16(raw + 14);
}

void ParseBlockHeader(const uint8_t* raw, DataBlockHeader* h) {
    h->checksum = ReadLe32(raw);
    h->compressedSize = ReadLe16(raw + 4);
    h->uncompressedSize = ReadLe16(raw + 6);
}

uint32_t BlockChecksum(const uint8_t* bytes, uint32_t length, uint32_t seed) {
    uint32_t value = seed;
    uint32_t groups = length / 4;
    for (uint32_t i = 0; i < groups; ++i, bytes += 4) value ^= ReadLe32(bytes);
    switch (length & 3) {
        case 3:
            value ^= (uint32_t)bytes[0] << 16 | (uint32_t)bytes[1] << 8 | bytes[2];
            break;
        case 2:
            value ^= (uint32_t)bytes[0] << 8 | bytes[1];
            break;
        case 1:
            value ^= bytes[0];
            break;
    }
    return value;
}

uint32_t DataBlockChecksum(const uint8_t* header, uint32_t headerSize, const uint8_t* data,
                           uint32_t dataSize) {
    uint32_t seed = BlockChecksum(data, dataSize, 0);
    return BlockChecksum(header + 4, headerSize - 4, seed);
}
