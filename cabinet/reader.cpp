// The reader context: creation, the header probe, destruction, and the
// error record every step writes into.
#include <string.h>

#include "cab_directory.h"
#include "cab_reader_state.h"

const char* CabErrorText(CabErrorCode code) {
    switch (code) {
        case CabErrorCode::None:
            return "no error";
#define STUB_CAB_ERROR_TEXT(name, value, text) \
    case CabErrorCode::name:                   \
        return text;
            STUB_CAB_ERRORS(STUB_CAB_ERROR_TEXT)
#undef STUB_CAB_ERROR_TEXT
    }
    return "unknown error";
}

const char* CabErrorName(CabErrorCode code) {
    switch (code) {
        case CabErrorCode::None:
            return "None";
#define STUB_CAB_ERROR_NAME(name, value, text) \
    case CabErrorCode::name:                   \
        return #name;
            STUB_CAB_ERRORS(STUB_CAB_ERROR_NAME)
#undef STUB_CAB_ERROR_NAME
    }
    return "Unknown";
}

void RecordError(CabReader* reader, CabErrorCode code, int detail) {
    reader->error->code = code;
    reader->error->detail = detail;
    reader->error->isSet = 1;
}

CabReader* CreateReader(CabAllocFn alloc, CabFreeFn free, CabOpenFn open, CabReadFn read,
                        CabWriteFn write, CabCloseFn close, CabSeekFn seek, int processorHint,
                        CabError* error) {
    CabReader* reader = (CabReader*)alloc(sizeof(CabReader));
    if (!reader) {
        error->code = CabErrorCode::NoMemory;
        error->detail = 0;
        error->isSet = 1;
        return nullptr;
    }
    memset(reader, 0, sizeof *reader);
    reader->error = error;
    reader->free = free;
    reader->alloc = alloc;
    reader->open = open;
    reader->read = read;
    reader->write = write;
    reader->close = close;
    reader->seek = seek;
    reader->processorHint = processorHint;
    reader->dataHandle = -1;
    reader->listHandle = -1;
    reader->outputHandle = -1;
    reader->currentFolder = kNoFolder;
    reader->heldReserveSize = kReserveNotHeld;
    reader->compressionType = MethodNone;
    return reader;
}

CabReader* CreateReaderIo(const CabIo* io, int processorHint, CabError* error) {
    return CreateReader(io->alloc, io->free, io->open, io->read, io->write, io->close, io->seek,
                        processorHint, error);
}

void SetBlockBuffers(CabReader* reader, CabBlockBufferFn supply) { reader->supply = supply; }

bool ProbeCabinet(CabReader* reader, int32_t handle, ProbeResult* result) {
    // Not a cabinet is no error of the probe; another version is.
    CabSource source;
    CabSourceFromHandle(&source, reader->read, reader->seek, handle);
    CabHeader header;
    int detail;
    CabErrorCode code = ReadCabHeaderRecord(&source, &header, &detail);
    if (code == CabErrorCode::BadVersion) RecordError(reader, code, detail);
    if (code != CabErrorCode::None) return false;
    result->cabinetSize = header.cabinetSize;
    result->folderCount = header.folderCount;
    result->fileCount = header.fileCount;
    result->setId = header.setId;
    result->cabinetIndex = header.cabinetIndex;
    result->hasReserve = (header.flags & HasReserve) ? 1 : 0;
    result->hasPrevious = (header.flags & HasPrevious) ? 1 : 0;
    result->hasNext = header.flags & HasNext;
    return true;
}

bool DestroyReader(CabReader* reader) {
    SwitchCompression(reader, MethodNone);
    if (reader->headerReserve) reader->free(reader->headerReserve);
    if (reader->folderEntry) reader->free(reader->folderEntry);
    if (reader->blockHeader) reader->free(reader->blockHeader);
    if (reader->listHandle != -1) reader->close(reader->listHandle);
    if (reader->dataHandle != -1) reader->close(reader->dataHandle);
    reader->free(reader);
    return true;
}
