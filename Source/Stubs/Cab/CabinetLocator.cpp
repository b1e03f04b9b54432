// Finding the cabinet inside a self-extracting executable.
//
// The executable is the stub, the settings block and then a cabinet. The
// cabinet's position is written nowhere: it is found by scanning the head of
// the file for the cabinet header's first eight bytes ("MSCF" and a zero
// reserved word) and asking the reader's probe whether a real header starts
// there. The stub's own code or the settings texts may hold those eight
// bytes too; the probe rejects such decoys and the scan moves on one byte.
//
// Once the offset B is known, every handle the reader opens on the executable
// is "shifted": opening seeks it to B and every position is reported minus B,
// so the reader sees a cabinet file that starts at 0. Only two handles are
// shifted at once (the reader's list and data handles); output files, opened
// write-only, never are.
#include "CabinetLocator.h"

#include <string.h>

namespace {

const uint8_t kSignature[8] = {'M', 'S', 'C', 'F', 0, 0, 0, 0};

// Slot of a recorded handle, or -1.
int SlotOf(const OffsetFileState* state, int32_t handle) {
    if (handle == -1) return -1;
    for (int i = 0; i < 2; ++i)
        if (state->cabinetHandles[i] == handle) return i;
    return -1;
}

}  // namespace

void InitOffsetFileState(OffsetFileState* state) {
    state->cabinetBase = 0;
    state->cabinetHandles[0] = -1;
    state->cabinetHandles[1] = -1;
}

int32_t OffsetOpen(OffsetFileState* state, const LowLevelFileOps* ops, const char* path,
                   int flags, int mode) {
    int32_t handle = ops->open(path, flags, mode);
    if (handle == -1 || state->cabinetBase == 0 || (flags & kOpenWriteOnly)) return handle;
    ops->seek(handle, state->cabinetBase, 0);
    for (int i = 0; i < 2; ++i) {
        if (state->cabinetHandles[i] == -1) {
            state->cabinetHandles[i] = handle;
            break;
        }
    }
    return handle;
}

int OffsetClose(OffsetFileState* state, const LowLevelFileOps* ops, int32_t handle) {
    int slot = SlotOf(state, handle);
    if (slot >= 0) state->cabinetHandles[slot] = -1;
    return ops->close(handle);
}

int32_t OffsetSeek(OffsetFileState* state, const LowLevelFileOps* ops, int32_t handle,
                   int32_t offset, int origin) {
    if (SlotOf(state, handle) < 0) return ops->seek(handle, offset, origin);
    int32_t base = state->cabinetBase;
    // Origin 0 counts from the cabinet's first byte; the sum is formed in 64
    // bits so that a hostile offset cannot wrap into a valid position.
    if (origin == 0) {
        int64_t target = (int64_t)offset + base;
        if (target < 0 || target > INT32_MAX) return -1;
        offset = (int32_t)target;
    }
    int32_t position = ops->seek(handle, offset, origin);
    if (position == -1) return -1;
    return position - base;
}

int32_t CabinetLocator(const CabIo* io, const char* path, const uint8_t* head,
                       uint32_t headSize) {
    CabError error = {CabErrorCode::None, 0, 0};
    CabReader* reader = CreateReaderIo(io, -1, &error);
    if (!reader) return -1;
    int32_t found = -1;
    int32_t handle = io->open(path, kOpenBinary | kOpenSequential, 0);
    if (handle != -1) {
        ProbeResult probe;
        if (headSize > 10 && head[0] == 'M' && head[1] == 'Z') {
            // Candidates start at 2: "MZ" occupies the first two bytes.
            for (uint32_t i = 2; i + 8 <= headSize && i <= INT32_MAX; ++i) {
                if (head[i] != 'M' || memcmp(head + i, kSignature, 8) != 0) continue;
                if (io->seek(handle, (int32_t)i, 0) != (int32_t)i) continue;
                if (ProbeCabinet(reader, handle, &probe)) {
                    found = (int32_t)i;
                    break;
                }
            }
        } else if (ProbeCabinet(reader, handle, &probe)) {
            found = 0;
        }
        io->close(handle);
    }
    DestroyReader(reader);
    return found;
}
