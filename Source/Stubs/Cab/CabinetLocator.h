// Finding the cabinet inside a self-extracting executable, and the file
// callbacks that make the executable read as a plain cabinet file.
//
// Portable: no platform calls. The low-level file operations come from the
// caller (the Win32 or POSIX platform layer, or cabx), and the shifting state
// is an explicit record so that the Linux tools can hold their own.
#ifndef STUB_SFX_CABINET_LOCATOR_H
#define STUB_SFX_CABINET_LOCATOR_H

#include <stdint.h>

#include "cab_reader.h"

// Largest head of the executable that is scanned for the cabinet (1 MiB).
enum : uint32_t { ScanLimit = 1048576 };

// The platform's low-level file calls, with the flag encoding of cab_reader.h.
struct LowLevelFileOps {
    CabOpenFn open;
    CabReadFn read;
    CabWriteFn write;
    CabCloseFn close;
    CabSeekFn seek;
};

// Shifting state: positions on a recorded handle count from cabinetBase.
struct OffsetFileState {
    int32_t cabinetBase;        // 0 for a plain cabinet file
    int32_t cabinetHandles[2];  // shifted handles, -1 when free
};

void InitOffsetFileState(OffsetFileState* state);

// Opens through ops->open; when cabinetBase is not 0 and the flags are not
// write-only, seeks the new handle to cabinetBase and records it in the first
// free slot (not recorded when both are taken).
int32_t OffsetOpen(OffsetFileState* state, const LowLevelFileOps* ops, const char* path,
                   int flags, int mode);
// Frees the handle's slot, then closes it; returns the close result.
int OffsetClose(OffsetFileState* state, const LowLevelFileOps* ops, int32_t handle);
// Unrecorded handles: ops->seek unchanged. Recorded handles: origin 0 seeks
// to offset + cabinetBase, origins 1 and 2 pass through; the result is the
// underlying position minus cabinetBase, or -1.
int32_t OffsetSeek(OffsetFileState* state, const LowLevelFileOps* ops, int32_t handle,
                   int32_t offset, int origin);

// Scans the head of the executable at `path` for the cabinet: an "MZ" image
// longer than 10 bytes is searched from offset 2 for "MSCF" and four zero
// bytes, each candidate confirmed with ProbeCabinet through a handle opened
// with io->open (flags 0x8020, mode 0); anything else is probed at 0.
// Returns the cabinet's offset, or -1. The callbacks in io must not shift
// (cabinetBase 0 while locating).
int32_t CabinetLocator(const CabIo* io, const char* path, const uint8_t* head,
                       uint32_t headSize);

#endif
