// The callbacks a reader runs with: reads through the buffered handles,
// positions shifted to the cabinet inside a self-extracting file, writes
// into the run's output pipeline (or nowhere, for test), and the stop
// signal shared by the passes of a parallel extraction.
#include "archive.h"

namespace cabx {

namespace {
const LowLevelFileOps gOps = {BufferedOpen, BufferedRead, PosixWriteAll, BufferedClose, BufferedSeek};
}  // namespace

namespace {
thread_local OffsetFileState gOffsets;
thread_local OutputPipeline* gOutput = nullptr;
thread_local PassControl* gControl = nullptr;
}  // namespace
OffsetFileState& Offsets() { return gOffsets; }
OutputPipeline*& Output() { return gOutput; }
PassControl*& Control() { return gControl; }
namespace {
thread_local bool gStoppedByOthers = false;
}  // namespace
bool StoppedByOthers() { return gStoppedByOthers; }
void ResetStoppedByOthers() { gStoppedByOthers = false; }

// Answers a callback with a failure once another pass has failed.
bool StopRequested() {
    if (!gControl || !gControl->Stopped()) return false;
    gStoppedByOthers = true;
    return true;
}
namespace {

int32_t IoOpen(const char* path, int flags, int mode) {
    return OffsetOpen(&gOffsets, &gOps, path, flags, mode);
}
int32_t IoWrite(int32_t h, const void* buffer, uint32_t count) {
    int32_t n;
    if (StopRequested()) n = -1;
    else if (h == kTestHandle) n = int32_t(count);
    else if (gOutput && OutputPipeline::IsHandle(h))
        n = gOutput->Write(h, buffer, count) ? int32_t(count) : -1;
    else n = PosixWriteAll(h, buffer, count);
    if (n > 0) gProgress.bytes.fetch_add(uint32_t(n), std::memory_order_relaxed);
    ShowProgress(false);
    return n;
}
// The reader closes an output handle itself only when it gives up on the
// file after an error.
int IoClose(int32_t h) {
    if (h == kTestHandle) return 0;
    if (OutputPipeline::IsHandle(h)) {
        // The file is incomplete: its temporary file is removed.
        if (gOutput) gOutput->Abandon(h);
        return 0;
    }
    return OffsetClose(&gOffsets, &gOps, h);
}
int32_t IoSeek(int32_t h, int32_t offset, int origin) {
    return OffsetSeek(&gOffsets, &gOps, h, offset, origin);
}
// A block's memory in the output pipeline's current chunk; the reader's
// own buffer when there is no pipeline (test, list).
uint8_t* IoBlockBuffer(uint32_t size) { return gOutput ? gOutput->BlockBuffer(size) : nullptr; }
}  // namespace

const CabIo kIo = {Alloc, Free, IoOpen, BufferedRead, IoWrite, IoClose, IoSeek};

CabReader* CreateRunReader(CabError* error) {
    CabReader* reader = CreateReaderIo(&kIo, -1, error);
    if (reader) SetBlockBuffers(reader, IoBlockBuffer);
    return reader;
}

const CabIo kPlainIo = {Alloc, Free, PosixOpen, PosixRead, PosixWriteAll, PosixClose, PosixSeek};

}  // namespace cabx
