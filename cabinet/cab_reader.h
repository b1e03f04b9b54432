// Public interface of the cabinet reader.
//
// The reader is used through four operations on one context: CreateReader,
// ProbeCabinet, ExtractCabinet and DestroyReader. It does no I/O and no memory
// management of its own: the seven CabIo callbacks given to CreateReader do
// all of it. It reports through a notification callback (CabNotice), an
// optional data-block hook (HookRecord) and a caller-owned CabError in which
// every failure is recorded.
#ifndef STUB_CABINET_CAB_READER_H
#define STUB_CABINET_CAB_READER_H

#include <stdint.h>

#include "decoder_contract.h"

// The seven callbacks, in the order CreateReader takes them.
struct CabIo {
    CabAllocFn alloc;
    CabFreeFn free;
    CabOpenFn open;
    CabReadFn read;
    CabWriteFn write;
    CabCloseFn close;
    CabSeekFn seek;
};

// Open flags and permission bits, one encoding throughout.
enum : int {
    kOpenWriteOnly = 0x0001,
    kOpenReadWrite = 0x0002,
    kOpenSequential = 0x0020,
    kOpenCreate = 0x0100,
    kOpenTruncate = 0x0200,
    kOpenBinary = 0x8000,
    kPermRead = 0x0100,
    kPermWrite = 0x0080,
};

// Error codes, generated from one list: name, value, words for users.
#define STUB_CAB_ERRORS(X)                                                     \
    X(CannotOpen, 1, "cannot open cabinet")                                    \
    X(BadHeader, 2, "not a cabinet (bad header)")                              \
    X(BadVersion, 3, "unsupported cabinet version")                            \
    X(Corrupt, 4, "cabinet is corrupt")                                        \
    X(NoMemory, 5, "out of memory")                                            \
    X(UnsupportedCompression, 6, "unsupported compression method")             \
    X(DecoderFailed, 7, "compressed data cannot be decoded")                   \
    X(OutputFailed, 8, "cannot write output")                                  \
    X(ReserveChanged, 9, "reserve sizes differ between cabinets of the set")   \
    X(SetMismatch, 10, "cabinet does not belong to the set")                   \
    X(Aborted, 11, "aborted")

enum class CabErrorCode : int {
    None = 0,
#define STUB_CAB_ERROR_ENUM(name, value, text) name = value,
    STUB_CAB_ERRORS(STUB_CAB_ERROR_ENUM)
#undef STUB_CAB_ERROR_ENUM
};

// Words for a code; "no error" for None, "unknown error" outside the list.
const char* CabErrorText(CabErrorCode code);
// The code's own name ("Corrupt"), for diagnostics and tests.
const char* CabErrorName(CabErrorCode code);

// Owned by the caller, written only by the reader.
struct CabError {
    CabErrorCode code;
    int detail;  // BadVersion: the version found; 0 otherwise
    int isSet;   // 1 once any error was recorded; never cleared by the reader
};

struct ProbeResult {
    uint32_t cabinetSize;
    uint16_t folderCount;
    uint16_t fileCount;
    uint16_t setId;
    uint16_t cabinetIndex;
    int hasReserve;   // 1 or 0
    int hasPrevious;  // 1 or 0
    int hasNext;      // 2 (the flag bit's value) or 0
};

enum class NoticeKind : int {
    CabinetReady = 0,
    ContinuedFile = 1,
    OfferFile = 2,
    FileFinished = 3,
    NeedCabinet = 4,
    ListPosition = 5,
};

// The one notice record; a field a kind does not set keeps its old value.
struct CabNotice {
    int32_t size;
    char* text1;
    char* text2;
    char* text3;
    void* user;
    int handle;
    uint16_t date;
    uint16_t time;
    uint16_t attributes;
    uint16_t setId;
    uint16_t cabinetIndex;
    uint16_t folderIndex;
    int error;
};

typedef int (*CabNotifyFn)(NoticeKind kind, CabNotice* notice);

enum class HookKind : int {
    CabinetOpened = 0,
    FolderOpened = 1,
    BlockRead = 2,
};

struct HookRecord {
    HookKind kind;
    void* user;
    uint8_t* reserve;  // null when the area is empty
    uint16_t reserveSize;
    uint16_t setId;        // CabinetOpened
    int32_t cabinetIndex;  // CabinetOpened
    uint16_t folderIndex;  // FolderOpened
    uint8_t* data;         // BlockRead: the piece just read (in the block's buffer)
    uint16_t dataSize;     // BlockRead: piece + heldOver
    int split;             // BlockRead: 1 for either piece of a cut block
    uint16_t heldOver;     // BlockRead: bytes of the first piece before data
};

typedef int (*DataBlockHook)(HookRecord* record);

// Flags of ExtractCabinet. 0 walks exactly one pass: the named cabinet's list
// and, after a continuation, only the spanning entries at the head of the
// following cabinets' lists.
enum : int {
    // Extract the whole set in one call: go on through every cabinet of the
    // set and offer every file once, whatever order the lists give. Each
    // cabinet's list starts with a ListPosition notice (an answer of 0
    // entries ends the walk); the set's end brings a last one. Files that
    // began before the first cabinet are reported with ContinuedFile.
    kExtractWholeSet = 0x0001,
    // The caller only tests the data and drops what is written to it: the
    // reader still decodes and checks every block and makes every write,
    // but where a decoder can leave out delivering the bytes (LZX) it does,
    // and the bytes written are then not the file's.
    kExtractDropData = 0x0002,
};

struct CabReader;

CabReader* CreateReader(CabAllocFn alloc, CabFreeFn free, CabOpenFn open, CabReadFn read,
                        CabWriteFn write, CabCloseFn close, CabSeekFn seek, int processorHint,
                        CabError* error);
// Convenience form taking the callbacks as one table.
CabReader* CreateReaderIo(const CabIo* io, int processorHint, CabError* error);
bool ProbeCabinet(CabReader* reader, int32_t handle, ProbeResult* result);
bool ExtractCabinet(CabReader* reader, const char* cabinetName, const char* cabinetPath,
                    int flags, CabNotifyFn notify, DataBlockHook hook, void* user);
bool DestroyReader(CabReader* reader);

// Optional, for a caller that queues output in memory of its own: before a
// block is decoded by LZX or Quantum, or read from a stored folder, the
// reader asks `supply` for `size` bytes to put the block's data in, and its
// writes then pass pointers into that memory, so the caller can take the
// data where it lies instead of copying it. The memory must stay as it is
// until the reader asks again or the extraction returns. A null answer (or
// no function, the default) keeps the reader's own buffer. MSZIP folders
// always decode in the reader's buffer, which holds their history.
typedef uint8_t* (*CabBlockBufferFn)(uint32_t size);
void SetBlockBuffers(CabReader* reader, CabBlockBufferFn supply);

#endif
