// The reader's seven callbacks for the self-extractor, over the platform.
//
// They make the executable read as a plain cabinet file: while cabinetBase
// is set, handles opened on it for reading are shifted by that offset
// (CabinetLocator.cpp). The write callback also drives the dialog's progress
// bar, whose range HandleNotice sets to each file's size.
#include "FrontEnd.h"

OffsetFileState offsetState = {0, {-1, -1}};
uint32_t progressTotal;
DialogHandle progressDialog;

namespace {

const LowLevelFileOps kPlatformOps = {PlatformOpen, PlatformRead, PlatformWrite, PlatformClose,
                                      PlatformSeek};

int32_t FileOpen(const char* path, int flags, int mode) {
    return OffsetOpen(&offsetState, &kPlatformOps, path, flags, mode);
}

int32_t FileWrite(int32_t handle, const void* buffer, uint32_t count) {
    progressTotal += count;
    if (progressDialog)
        PlatformSendItemMessage(progressDialog, IdProgress, ProgressSetPos, progressTotal, 0);
    return PlatformWrite(handle, buffer, count);
}

int FileClose(int32_t handle) { return OffsetClose(&offsetState, &kPlatformOps, handle); }

int32_t FileSeek(int32_t handle, int32_t offset, int origin) {
    return OffsetSeek(&offsetState, &kPlatformOps, handle, offset, origin);
}

}  // namespace

const CabIo OffsetFileIo = {PlatformAlloc, PlatformFree, FileOpen, PlatformRead,
                            FileWrite,     FileClose,    FileSeek};
