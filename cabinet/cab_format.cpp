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

// ---- Sources and the steps that open a cabinet -----------------------------

#include "cab_directory.h"

void CabSourceFromHandle(CabSource* s, CabReadFn read, CabSeekFn seek, int32_t handle) {
    memset(s, 0, sizeof *s);
    s->read = read;
    s->seek = seek;
    s->handle = handle;
}

void CabSourceFromMemory(CabSource* s, const uint8_t* bytes, uint32_t size) {
    memset(s, 0, sizeof *s);
    s->bytes = bytes;
    s->size = size;
}

int32_t CabSourceRead(CabSource* s, void* buffer, uint32_t count) {
    if (s->read) return s->read(s->handle, buffer, count);
    uint32_t left = s->pos < s->size ? s->size - s->pos : 0;
    if (count > left) count = left;
    if (count > 0x7FFFFFFFu) count = 0x7FFFFFFFu;
    if (count == 0) return 0;
    memcpy(buffer, s->bytes + s->pos, count);
    s->pos += count;
    return (int32_t)count;
}

int32_t CabSourceSeek(CabSource* s, int32_t pos) {
    if (s->read) return s->seek(s->handle, pos, 0);
    if (pos < 0) return -1;
    s->pos = (uint32_t)pos;
    return pos;
}

int32_t CabSourceTell(CabSource* s) {
    if (s->read) return s->seek(s->handle, 0, 1);
    return s->pos > 0x7FFFFFFFu ? -1 : (int32_t)s->pos;
}

CabErrorCode ReadCabHeaderRecord(CabSource* s, CabHeader* header, int* detail) {
    uint8_t raw[kCabHeaderSize];
    *detail = 0;
    if (CabSourceRead(s, raw, kCabHeaderSize) != (int32_t)kCabHeaderSize || !HasCabSignature(raw))
        return CabErrorCode::BadHeader;
    ParseCabHeader(raw, header);
    if (header->version != kCabVersion) {
        *detail = header->version;
        return CabErrorCode::BadVersion;
    }
    return CabErrorCode::None;
}

CabErrorCode ReadCabReserveSizes(CabSource* s, const CabHeader* header, CabReserveSizes* sizes) {
    uint8_t raw[kReserveSizesSize] = {0, 0, 0, 0};
    if ((header->flags & HasReserve) &&
        CabSourceRead(s, raw, kReserveSizesSize) != (int32_t)kReserveSizesSize)
        return CabErrorCode::BadHeader;
    sizes->header = ReadLe16(raw);
    sizes->folder = raw[2];
    sizes->block = raw[3];
    return CabErrorCode::None;
}

CabErrorCode ReadCabName(CabSource* s, char* dest) {
    dest[0] = 0;
    dest[kNameBufferSize - 1] = 0;
    int32_t pos = CabSourceTell(s);
    if (pos == -1) return CabErrorCode::Corrupt;
    int32_t got = CabSourceRead(s, dest, kNameReadSize);
    if (got <= 0) {
        dest[0] = 0;
        return CabErrorCode::Corrupt;
    }
    if (got > (int32_t)kNameReadSize) got = kNameReadSize;
    const char* end = (const char*)memchr(dest, 0, (size_t)got);
    if (!end) {
        dest[0] = 0;
        return CabErrorCode::Corrupt;
    }
    int32_t length = (int32_t)(end - dest);
    if (CabSourceSeek(s, pos + length + 1) == -1) return CabErrorCode::Corrupt;
    return CabErrorCode::None;
}
