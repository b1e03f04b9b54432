// The reader context and the steps its source files share. Internal to the
// reader (tests include it to look at the state after a call).
#ifndef STUB_CABINET_CAB_READER_STATE_H
#define STUB_CABINET_CAB_READER_STATE_H

#include <stdint.h>

#include "cab_format.h"
#include "cab_reader.h"

enum : uint32_t {
    kPathBufferSize = 257,      // cabinetPath: at most 256 characters
    kFullPathBufferSize = 258,  // cabinetPath + name: at most 257 characters
    kMaxPathLength = 256,
    kMaxFullPathLength = 257,
    kReserveNotHeld = 0xFFFFFFFFu,
    kStoredBufferSize = 32768,
};

struct CabReader {
    CabError* error;
    CabFreeFn free;
    CabAllocFn alloc;
    CabOpenFn open;
    CabReadFn read;
    CabWriteFn write;
    CabCloseFn close;
    CabSeekFn seek;
    int processorHint;
    CabNotifyFn notify;
    DataBlockHook hook;
    int32_t firstFolderPos;  // position of the open cabinet's first FolderEntry
    uint32_t blockOffset;    // folder offset of the block in the output buffer
    void* decoder;
    void* user;
    uint8_t* inputBuffer;
    uint8_t* outputBuffer;
    CabBlockBufferFn supply;  // optional: memory of the caller's for a block's data
    uint8_t* blockData;       // the current block's data: outputBuffer or supplied
    uint8_t* folderEntry;    // folderEntrySize bytes, the current FolderEntry
    uint8_t* blockHeader;    // blockHeaderSize bytes, the current DataBlockHeader
    uint8_t* headerReserve;  // the open cabinet's header reserve area
    CabHeader header;        // the open cabinet's header
    FileEntry fileEntry;     // the entry read last
    int32_t dataHandle;      // folder entries and data blocks
    int32_t listHandle;      // header, names and file list
    int32_t outputHandle;    // the file being written, -1 when none
    uint32_t currentFolder;  // folder the decoder stands in, kNoFolder for none
    uint32_t maxUncompressed;
    uint32_t maxCompressed;
    int crossed;             // the running extraction moved into a following cabinet
    uint32_t heldReserveSize;
    uint32_t folderEntrySize;  // 8 + folder reserve, fixed by the first cabinet
    uint32_t blockHeaderSize;  // 8 + block reserve, fixed by the first cabinet
    uint16_t filesLeft;
    uint16_t skipOnNext;
    uint16_t blocksLeft;
    uint16_t compressionType;  // of the current decoder; MethodNone when there is none
    char fileName[kNameBufferSize];
    char previousCabinet[kNameBufferSize];
    char previousDisk[kNameBufferSize];
    char nextCabinet[kNameBufferSize];
    char nextDisk[kNameBufferSize];
    char cabinetPath[kPathBufferSize];
    char fullPath[kFullPathBufferSize];
    CabNotice notice;
    HookRecord hookRecord;

    // Beyond the base walk.
    DataBlockHeader block;  // the current block's header, compressedSize joined
    int flags;              // ExtractCabinet's flags
    // Folder 0 of the open cabinet goes on from a previous cabinet: it can
    // only be read from where the decoder stands, never started afresh.
    int folderZeroContinues;
    uint32_t cabinetsOpened;  // counts successful cabinet openings
    // Whole-set walk: list position in the open cabinet up to which the
    // entries continued from the previous cabinet repeat files already dealt
    // with there.
    int32_t repeatEnd;
    // Whole-set walk: the cabinet count when the file being written was
    // offered, and the empty files of cabinets its data passed through
    // whole (entries and names, back to back), offered once it is done.
    uint32_t offeredIn;
    uint8_t* held;
    uint32_t heldSize, heldCapacity;
};

// Records an error: all three fields of the caller's CabError.
void RecordError(CabReader* reader, CabErrorCode code, int detail);

// Every test of untrusted input: on failure record `code` and fail the step.
#define CAB_CHECK(cond, reader, code)                          \
    do {                                                       \
        if (!(cond)) {                                         \
            RecordError((reader), CabErrorCode::code, 0);      \
            return false;                                      \
        }                                                      \
    } while (0)

// Data blocks and decoder dispatch.
bool ReadBlock(CabReader* reader, uint32_t heldOver);
bool DecodeBlock(CabReader* reader);
bool ResetDecoder(CabReader* reader);
bool SwitchCompression(CabReader* reader, uint16_t compressionType);
bool CreateDecoder(CabReader* reader);
bool DestroyDecoder(CabReader* reader);

#endif
