// Reading a cabinet's directory: the header, the reserve sizes and areas,
// the neighbour cabinets' names, the folder and file entries, and the data
// blocks with their checksums, from an open handle (the reader's callbacks)
// or from bytes in memory.
//
// The extraction walk opens every cabinet with the first three steps
// (ReadCabHeaderRecord, ReadCabReserveSizes, ReadCabName), so a tool that
// reads a directory with ReadCabDirectory accepts and refuses exactly what
// the walk does, with the same error codes:
//   - fewer than 36 header bytes, or no signature:        BadHeader
//   - version other than 1.3:                             BadVersion (detail: the version)
//   - reserve sizes or header reserve area cut short:     BadHeader
//   - a name without its zero within 256 bytes, or none:  Corrupt
//   - a folder entry, file entry or block cut short:      Corrupt
// Nothing here allocates; every position is an offset from the cabinet's
// first byte, as the format counts them.
#ifndef STUB_CABINET_CAB_DIRECTORY_H
#define STUB_CABINET_CAB_DIRECTORY_H

#include <stdint.h>

#include "cab_format.h"
#include "cab_reader.h"

// Where the bytes come from: a handle read through callbacks (read != null;
// positions are those of the seek callback), or a buffer in memory.
struct CabSource {
    CabReadFn read;
    CabSeekFn seek;
    int32_t handle;
    const uint8_t* bytes;
    uint32_t size;
    uint32_t pos;  // memory: where the next read starts (may lie past the end)
};

void CabSourceFromHandle(CabSource* source, CabReadFn read, CabSeekFn seek, int32_t handle);
void CabSourceFromMemory(CabSource* source, const uint8_t* bytes, uint32_t size);
// Reads up to count bytes; the number read, or -1.
int32_t CabSourceRead(CabSource* source, void* buffer, uint32_t count);
// Moves to an absolute position; the position, or -1.
int32_t CabSourceSeek(CabSource* source, int32_t pos);
// The current position, or -1.
int32_t CabSourceTell(CabSource* source);

struct CabReserveSizes {
    uint16_t header;  // bytes of the header reserve area
    uint8_t folder;   // extra bytes at the end of every FolderEntry
    uint8_t block;    // extra bytes at the end of every DataBlockHeader
};

// The walk's own steps. Each reads on from where the source stands.
// The 36-byte header: BadHeader, or BadVersion with the version in *detail.
CabErrorCode ReadCabHeaderRecord(CabSource* source, CabHeader* header, int* detail);
// The reserve sizes (all 0 without HasReserve): BadHeader when cut short.
CabErrorCode ReadCabReserveSizes(CabSource* source, const CabHeader* header,
                                 CabReserveSizes* sizes);
// A zero-terminated name of at most 255 characters into a kNameBufferSize
// buffer (always terminated); leaves the source after its zero. Corrupt when
// nothing can be read or no zero lies within the 256 bytes read.
CabErrorCode ReadCabName(CabSource* source, char* dest);

// Everything before the folder entries.
struct CabDirectory {
    CabHeader header;
    CabReserveSizes reserve;
    uint32_t headerReservePos;  // the header reserve area (reserve.header bytes)
    uint32_t firstFolderPos;    // the first FolderEntry: right after the names
    uint32_t folderEntrySize;   // 8 + reserve.folder
    uint32_t blockHeaderSize;   // 8 + reserve.block
    char previousCabinet[kNameBufferSize];
    char previousDisk[kNameBufferSize];
    char nextCabinet[kNameBufferSize];
    char nextDisk[kNameBufferSize];
};

// Reads the directory from the cabinet's first byte (position 0 of the
// source), checking it as the walk does when it opens a cabinet.
CabErrorCode ReadCabDirectory(CabSource* source, CabDirectory* dir, int* detail);

// Folder `index` (below header.folderCount); with `reserve`, also its
// reserve area (reserve.folder bytes). Corrupt when cut short.
CabErrorCode ReadCabFolder(CabSource* source, const CabDirectory* dir, uint32_t index,
                           FolderEntry* entry, uint8_t* reserve);

// The file entry at *pos (header.firstFileOffset for the first) and its
// name; *pos moves to the next entry. Corrupt when cut short.
CabErrorCode ReadCabFile(CabSource* source, uint32_t* pos, FileEntry* entry, char* name);

enum : uint32_t { kMaxBlockReserve = 255, kMaxBlockData = 65535 };

struct CabBlock {
    DataBlockHeader header;
    uint32_t dataPos;  // the block's first data byte
    int checked;       // 1 when the data were read and the checksum compared
    int checksumOk;    // checked: stored checksum 0 or equal to the computed one
};

// The data block whose header lies at *pos (a folder's firstBlockOffset for
// its first); *pos moves past its data. With `reserve` (reserve.block
// bytes) the block's reserve area is copied out; with `data`
// (kMaxBlockData bytes) its data are read and the checksum compared.
// Corrupt when the header, or the data when read, are cut short.
CabErrorCode ReadCabBlock(CabSource* source, const CabDirectory* dir, uint32_t* pos,
                          CabBlock* block, uint8_t* reserve, uint8_t* data);

// The checksum walk: every block of every folder from *folder on, in
// order. Stops at the first block that is cut short (Corrupt) or whose
// checksum does not match (Corrupt, *mismatch set); *folder and *block then
// name it. Reads at most as many block bytes as the source holds (2^31 - 1
// for a handle).
CabErrorCode CheckCabBlocks(CabSource* source, const CabDirectory* dir, uint8_t* data,
                            uint32_t* folder, uint32_t* block, int* mismatch);

#endif
