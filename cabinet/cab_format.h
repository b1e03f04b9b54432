// The cabinet file format, version 1.3: record layouts, constants and the
// data-block checksum.
//
// A cabinet is, in this order: a 36-byte CabHeader; with HasReserve the
// three reserve sizes and the header reserve area; with HasPrevious the
// previous cabinet's and disk's names; with HasNext the next cabinet's and
// disk's names; folderCount FolderEntry records; at firstFileOffset the
// FileEntry records, each followed by its name; and at each folder's
// firstBlockOffset its data blocks, each a DataBlockHeader and its data.
// Integers are little-endian; offsets count from the CabHeader's first byte.
// A folder cut at a cabinet's end continues as folder 0 of the next cabinet.
#ifndef STUB_CABINET_CAB_FORMAT_H
#define STUB_CABINET_CAB_FORMAT_H

#include <stdint.h>

enum : uint32_t {
    kCabHeaderSize = 36,
    kReserveSizesSize = 4,
    kFolderEntryBaseSize = 8,
    kFileEntrySize = 16,
    kBlockHeaderBaseSize = 8,
    // Names: at most 255 characters and their zero byte.
    kMaxNameLength = 255,
    kNameReadSize = 256,
    // A name buffer: the name, its zero, and one spare byte that is always
    // zero, so a name rewritten by a callback stays terminated.
    kNameBufferSize = 257,
    kCabVersion = 0x0103,  // minor 3, major 1, read as one u16
};

// CabHeader flags.
enum : uint16_t {
    HasPrevious = 0x0001,
    HasNext = 0x0002,
    HasReserve = 0x0004,
};

// Special FileEntry folder indices.
enum : uint16_t {
    SpansFromPrevious = 0xFFFD,  // began in the previous cabinet
    SpansIntoNext = 0xFFFE,      // runs on into the next cabinet
    SpansBoth = 0xFFFF,
    kFolderIndexContinued = 0xFFFC,  // offered, then used as a plain index
    kNoFolder = 0xFFFF,
};

// FileEntry attribute the reader interprets.
enum : uint16_t { RunAfterExtract = 0x0040 };

// CompressionType: bits 0-3 method, bits 8-12 window bits.
enum : unsigned {
    MethodStored = 0,
    MethodMszip = 1,
    MethodQuantum = 2,
    MethodLzx = 3,
    MethodNone = 15,  // the reader's own "no decoder yet"
};
inline unsigned CompressionMethod(uint16_t type) { return type & 0x000Fu; }
inline unsigned CompressionWindowBits(uint16_t type) { return (type >> 8) & 0x1Fu; }

struct CabHeader {
    uint8_t signature[4];  // "MSCF"
    uint32_t reserved1;
    uint32_t cabinetSize;
    uint32_t reserved2;
    uint32_t firstFileOffset;
    uint32_t reserved3;
    uint16_t version;  // bytes 24-25: minor, major
    uint16_t folderCount;
    uint16_t fileCount;
    uint16_t flags;
    uint16_t setId;
    uint16_t cabinetIndex;
};

struct FolderEntry {
    uint32_t firstBlockOffset;
    uint16_t blockCount;
    uint16_t compressionType;
};

struct FileEntry {
    uint32_t size;
    uint32_t folderOffset;
    uint16_t folderIndex;
    uint16_t date;
    uint16_t time;
    uint16_t attributes;
};

struct DataBlockHeader {
    uint32_t checksum;  // 0: the block carries no checksum
    uint16_t compressedSize;
    uint16_t uncompressedSize;  // 0: first piece of a block cut at the cabinet's end
};

inline uint16_t ReadLe16(const uint8_t* p) { return (uint16_t)(p[0] | p[1] << 8); }
inline uint32_t ReadLe32(const uint8_t* p) {
    return (uint32_t)p[0] | (uint32_t)p[1] << 8 | (uint32_t)p[2] << 16 | (uint32_t)p[3] << 24;
}
inline void WriteLe16(uint8_t* p, uint16_t v) {
    p[0] = (uint8_t)v;
    p[1] = (uint8_t)(v >> 8);
}
inline void WriteLe32(uint8_t* p, uint32_t v) {
    WriteLe16(p, (uint16_t)v);
    WriteLe16(p + 2, (uint16_t)(v >> 16));
}

// Decoders of the raw records; the buffers hold at least the record's size.
void ParseCabHeader(const uint8_t* raw, CabHeader* header);
bool HasCabSignature(const uint8_t* raw);
void ParseFolderEntry(const uint8_t* raw, FolderEntry* entry);
void ParseFileEntry(const uint8_t* raw, FileEntry* entry);
void ParseBlockHeader(const uint8_t* raw, DataBlockHeader* header);

// XOR of the little-endian 32-bit groups of the bytes, with the 1 to 3 bytes
// left over folded in with the first of them most significant.
uint32_t BlockChecksum(const uint8_t* bytes, uint32_t length, uint32_t seed);

// The checksum a data block carries: over its data with seed 0, then over
// its header from offset 4 on (the sizes and the block reserve area).
uint32_t DataBlockChecksum(const uint8_t* header, uint32_t headerSize, const uint8_t* data,
                           uint32_t dataSize);

#endif
