// The extraction walk: from one named cabinet through its file list, asking
// the caller which files to extract, positioning the decoder in each file's
// folder and writing the file's bytes, and following a folder whose data run
// past the cabinet's end into the next cabinet of the set.
//
// State across cabinets: the decoder (and its history) goes on into folder 0
// of the next cabinet without a reset; blockOffset keeps counting from the
// folder's first byte, so the folderOffset values of the entries there count
// from the folder's very beginning. The next cabinet's list repeats the
// entries of the files that run into it at its head (folder index
// SpansFromPrevious or SpansBoth); the walk passes over those it has already
// dealt with.
//
// Two handles are kept on the open cabinet: the list handle reads the
// header, names and file list forwards; the data handle reads folder
// entries and data blocks.
#include <string.h>

#include "cab_directory.h"
#include "cab_reader_state.h"

static bool WholeSet(const CabReader* r) { return (r->flags & kExtractWholeSet) != 0; }

// Closes both cabinet handles, the data handle first when moving on to the
// next cabinet and the list handle first when the extraction ends.
static bool CloseCabinetHandles(CabReader* r, bool dataFirst) {
    bool ok = true;
    int32_t* first = dataFirst ? &r->dataHandle : &r->listHandle;
    int32_t* second = dataFirst ? &r->listHandle : &r->dataHandle;
    if (*first != -1 && r->close(*first) != 0) ok = false;
    *first = -1;
    if (*second != -1 && r->close(*second) != 0) ok = false;
    *second = -1;
    return ok;
}

// The list handle as a source for the steps shared with the directory reader.
static CabSource ListSource(const CabReader* r) {
    CabSource source;
    CabSourceFromHandle(&source, r->read, r->seek, r->listHandle);
    return source;
}

// Reads a zero-terminated name of at most 255 characters through the list
// handle into a kNameBufferSize buffer and leaves the handle after its zero.
static bool ReadCabString(CabReader* r, char* dest) {
    CabSource source = ListSource(r);
    CAB_CHECK(ReadCabName(&source, dest) == CabErrorCode::None, r, Corrupt);
    return true;
}

static bool OpenCabinet(CabReader* r, const char* name, bool expect, uint16_t setId,
                        uint16_t index) {
    size_t pathLength = strlen(r->cabinetPath);
    size_t nameLength = strlen(name);
    // Refuse rather than truncate a path that does not fit.
    CAB_CHECK(pathLength + nameLength <= kMaxFullPathLength, r, CannotOpen);
    memcpy(r->fullPath, r->cabinetPath, pathLength);
    memcpy(r->fullPath + pathLength, name, nameLength + 1);

    r->listHandle = r->open(r->fullPath, kOpenBinary, kPermRead | kPermWrite);
    CAB_CHECK(r->listHandle != -1, r, CannotOpen);
    r->dataHandle = r->open(r->fullPath, kOpenBinary, kPermRead | kPermWrite);
    CAB_CHECK(r->dataHandle != -1, r, CannotOpen);

    CabSource source = ListSource(r);
    CabHeader header;
    int detail;
    CabErrorCode code = ReadCabHeaderRecord(&source, &header, &detail);
    if (code != CabErrorCode::None) {
        RecordError(r, code, detail);
        return false;
    }
    if (expect)
        CAB_CHECK(header.setId == setId && header.cabinetIndex == index, r, SetMismatch);
    r->header = header;

    CabReserveSizes sizes;
    CAB_CHECK(ReadCabReserveSizes(&source, &header, &sizes) == CabErrorCode::None, r, BadHeader);
    uint32_t headerReserve = sizes.header;
    uint32_t folderEntrySize = kFolderEntryBaseSize + sizes.folder;
    uint32_t blockHeaderSize = kBlockHeaderBaseSize + sizes.block;

    if (r->heldReserveSize == kReserveNotHeld || headerReserve != r->heldReserveSize) {
        if (r->headerReserve) r->free(r->headerReserve);
        r->headerReserve = nullptr;
        r->heldReserveSize = kReserveNotHeld;
        if (headerReserve > 0) {
            r->headerReserve = (uint8_t*)r->alloc(headerReserve);
            CAB_CHECK(r->headerReserve, r, NoMemory);
        }
        r->heldReserveSize = headerReserve;
    }
    if (headerReserve > 0)
        CAB_CHECK(r->read(r->listHandle, r->headerReserve, headerReserve) ==
                      (int32_t)headerReserve,
                  r, BadHeader);

    if (!r->folderEntry) {
        r->folderEntry = (uint8_t*)r->alloc(folderEntrySize);
        CAB_CHECK(r->folderEntry, r, NoMemory);
        r->folderEntrySize = folderEntrySize;
    } else {
        CAB_CHECK(folderEntrySize == r->folderEntrySize, r, ReserveChanged);
    }
    if (!r->blockHeader) {
        r->blockHeader = (uint8_t*)r->alloc(blockHeaderSize);
        CAB_CHECK(r->blockHeader, r, NoMemory);
        r->blockHeaderSize = blockHeaderSize;
    } else {
        CAB_CHECK(blockHeaderSize == r->blockHeaderSize, r, ReserveChanged);
    }

    r->previousCabinet[0] = r->previousDisk[0] = 0;
    r->nextCabinet[0] = r->nextDisk[0] = 0;
    if (header.flags & HasPrevious) {
        if (!ReadCabString(r, r->previousCabinet) || !ReadCabString(r, r->previousDisk))
            return false;
    }
    if (header.flags & HasNext) {
        if (!ReadCabString(r, r->nextCabinet) || !ReadCabString(r, r->nextDisk)) return false;
    }

    r->firstFolderPos = r->seek(r->listHandle, 0, 1);
    CAB_CHECK(r->firstFolderPos != -1, r, Corrupt);
    CAB_CHECK(r->seek(r->listHandle, (int32_t)header.firstFileOffset, 0) != -1, r, Corrupt);
    r->filesLeft = header.fileCount;
    r->spanSkipped = 0;
    r->cabinetsOpened++;

    CabNotice* n = &r->notice;
    n->text1 = r->nextCabinet;
    n->text2 = r->nextDisk;
    n->text3 = r->cabinetPath;
    n->user = r->user;
    n->setId = header.setId;
    n->cabinetIndex = header.cabinetIndex;
    CAB_CHECK(r->notify(NoticeKind::CabinetReady, n) != -1, r, Aborted);
    if (r->hook) {
        HookRecord* rec = &r->hookRecord;
        rec->kind = HookKind::CabinetOpened;
        rec->user = r->user;
        rec->reserve = headerReserve ? r->headerReserve : nullptr;
        rec->reserveSize = (uint16_t)headerReserve;
        rec->setId = header.setId;
        rec->cabinetIndex = header.cabinetIndex;
        CAB_CHECK(r->hook(rec) != -1, r, Aborted);
    }
    return true;
}

static bool ListNotice(CabReader* r) {
    int32_t pos = r->seek(r->listHandle, 0, 1);
    CAB_CHECK(pos != -1, r, Corrupt);
    CabNotice* n = &r->notice;
    n->folderIndex = r->filesLeft;
    n->setId = r->header.setId;
    n->size = pos;
    n->user = r->user;
    CAB_CHECK(r->notify(NoticeKind::ListPosition, n) != -1, r, Aborted);
    r->filesLeft = n->folderIndex;
    if (r->filesLeft != 0 && n->size != pos)
        CAB_CHECK(r->seek(r->listHandle, n->size, 0) != -1, r, Aborted);
    return true;
}

static bool ReadFileEntry(CabReader* r) {
    uint8_t raw[kFileEntrySize];
    CAB_CHECK(r->read(r->listHandle, raw, kFileEntrySize) == (int32_t)kFileEntrySize, r,
              Corrupt);
    ParseFileEntry(raw, &r->fileEntry);
    return ReadCabString(r, r->fileName);
}

static bool OpenFolder(CabReader* r, uint32_t folder) {
    r->currentFolder = folder;
    int32_t pos = r->firstFolderPos + (int32_t)(folder * r->folderEntrySize);
    CAB_CHECK(r->seek(r->dataHandle, pos, 0) != -1, r, Corrupt);
    CAB_CHECK(r->read(r->dataHandle, r->folderEntry, r->folderEntrySize) ==
                  (int32_t)r->folderEntrySize,
              r, Corrupt);
    FolderEntry entry;
    ParseFolderEntry(r->folderEntry, &entry);
    CAB_CHECK(r->seek(r->dataHandle, (int32_t)entry.firstBlockOffset, 0) != -1, r, Corrupt);
    r->blocksLeft = entry.blockCount;
    if (!SwitchCompression(r, entry.compressionType)) return false;
    if (r->hook) {
        HookRecord* rec = &r->hookRecord;
        rec->kind = HookKind::FolderOpened;
        rec->user = r->user;
        rec->reserveSize = (uint16_t)(r->folderEntrySize - kFolderEntryBaseSize);
        rec->reserve = rec->reserveSize ? r->folderEntry + kFolderEntryBaseSize : nullptr;
        rec->folderIndex = (uint16_t)folder;
        CAB_CHECK(r->hook(rec) != -1, r, Aborted);
    }
    return true;
}

// Closes the open cabinet and opens the next one of the set, asking the
// caller with NeedCabinet before each attempt until one succeeds or the
// caller aborts. With openFolder, folder 0 of the new cabinet is opened
// too, continuing the current decoder.
static bool OpenNextCabinet(CabReader* r, bool openFolder) {
    // A cabinet that names no next cabinet ends the set: data that would run
    // on beyond it are damaged, and there is nothing to ask for.
    CAB_CHECK(r->header.flags & HasNext, r, Corrupt);
    uint16_t setId = r->header.setId;
    uint16_t index = (uint16_t)(r->header.cabinetIndex + 1);
    // The names asked for; a failed attempt may have read another cabinet's
    // names over them, and the next attempt asks for the same cabinet again.
    char wantedName[kNameBufferSize];
    char wantedDisk[kNameBufferSize];
    memcpy(wantedName, r->nextCabinet, kNameBufferSize);
    memcpy(wantedDisk, r->nextDisk, kNameBufferSize);
    int error = 0;
    for (;;) {
        memcpy(r->nextCabinet, wantedName, kNameBufferSize);
        memcpy(r->nextDisk, wantedDisk, kNameBufferSize);
        CabNotice* n = &r->notice;
        n->text1 = r->nextCabinet;
        n->text2 = r->nextDisk;
        n->text3 = r->cabinetPath;
        n->user = r->user;
        n->setId = setId;
        n->cabinetIndex = index;
        n->error = error;
        CAB_CHECK(CloseCabinetHandles(r, true), r, Corrupt);
        CAB_CHECK(r->notify(NoticeKind::NeedCabinet, n) != -1, r, Aborted);
        // The callback may have rewritten the name and the path in place.
        r->nextCabinet[kNameBufferSize - 1] = 0;
        r->cabinetPath[kPathBufferSize - 1] = 0;
        memcpy(wantedName, r->nextCabinet, kNameBufferSize);
        memcpy(wantedDisk, r->nextDisk, kNameBufferSize);
        if (OpenCabinet(r, wantedName, true, setId, index) && (!openFolder || OpenFolder(r, 0)))
            return true;
        if (r->error->code == CabErrorCode::Aborted) return false;
        error = (int)r->error->code;
    }
}

// Moves on into folder 0 of the next cabinet when the current folder's
// blocks in this cabinet are used up or a block is cut at its end. The
// entries at the head of the new list that the walk has dealt with already
// (the file being written, when there is one, and the spanning files the
// caller declined) are passed over; the last one read is the current file's.
// Passes over the entries at the head of a newly opened cabinet's list that
// repeat files already dealt with. A declined file that runs on into yet
// another cabinet (SpansBoth) is listed again there, so it is counted again;
// otherwise the walk would take its entry there for the current file's.
static bool PassOverRepeatedEntries(CabReader* r, bool currentFileLast) {
    uint16_t again = 0;
    while (r->skipOnNext != 0) {
        CAB_CHECK(r->filesLeft != 0, r, Corrupt);
        r->filesLeft--;
        r->skipOnNext--;
        if (!ReadFileEntry(r)) return false;
        bool current = currentFileLast && r->skipOnNext == 0;
        if (!current && r->fileEntry.folderIndex == SpansBoth) again++;
    }
    r->skipOnNext = again;
    if (again) r->spanSkipped = 1;
    return true;
}

static bool ContinueToNextCabinet(CabReader* r) {
    if (!OpenNextCabinet(r, true)) return false;
    if (!r->draining) r->skipOnNext++;
    if (!PassOverRepeatedEntries(r, !r->draining)) return false;
    r->crossed = 1;
    r->carried = 1;
    return true;
}

// Makes the next block of the current folder the block in the output buffer.
static bool NextBlock(CabReader* r) {
    r->blockOffset += r->block.uncompressedSize;
    r->block.uncompressedSize = 0;  // nothing valid in the buffer until decoded
    if (r->blocksLeft == 0) {
        if (!ContinueToNextCabinet(r)) return false;
        CAB_CHECK(r->blocksLeft != 0, r, Corrupt);
    }
    r->blocksLeft--;
    if (!ReadBlock(r, 0)) return false;
    if (r->block.uncompressedSize == 0) {
        uint32_t firstPiece = r->block.compressedSize;
        if (!ContinueToNextCabinet(r)) return false;
        CAB_CHECK(r->blocksLeft != 0, r, Corrupt);
        if (!ReadBlock(r, firstPiece)) return false;
        r->blocksLeft--;
    }
    if (!DecodeBlock(r)) {
        r->block.uncompressedSize = 0;
        return false;
    }
    return true;
}

// The folder of this cabinet a file entry's data lie in.
static uint32_t TargetFolder(const CabReader* r, uint16_t f) {
    if (WholeSet(r) && r->carried && (f == SpansFromPrevious || f == SpansBoth)) return 0;
    if (f == SpansIntoNext || f == SpansBoth) return (uint16_t)(r->header.folderCount - 1);
    return f;
}

// True when the file's folder is the one carried on from the previous
// cabinet, whose earlier data are gone.
static bool InCarriedFolder(const CabReader* r, uint16_t f) {
    if (!WholeSet(r)) return r->crossed != 0;
    return r->carried && TargetFolder(r, f) == r->currentFolder;
}

static bool SelectFolderIndex(CabReader* r, uint32_t folder) {
    CAB_CHECK(folder != kNoFolder, r, Corrupt);  // a spanning entry in a cabinet without folders
    if (folder == r->currentFolder) return true;
    r->carried = 0;
    if (!ResetDecoder(r) || !OpenFolder(r, folder) || !NextBlock(r)) return false;
    r->blockOffset = 0;
    return true;
}

static bool SelectFolder(CabReader* r, uint16_t f) {
    if (!WholeSet(r) && r->crossed) return true;  // go on from where the decoder stands
    return SelectFolderIndex(r, TargetFolder(r, f));
}

static bool FinishFile(CabReader* r) {
    CabNotice* n = &r->notice;
    n->text1 = r->fileName;
    n->handle = r->outputHandle;
    n->date = r->fileEntry.date;
    n->time = r->fileEntry.time;
    n->attributes = r->fileEntry.attributes;
    n->user = r->user;
    n->folderIndex = r->fileEntry.folderIndex;
    n->size = 0;
    if (n->attributes & RunAfterExtract) {
        n->size = 1;
        n->attributes = (uint16_t)(n->attributes & ~RunAfterExtract);
    }
    int answer = r->notify(NoticeKind::FileFinished, n);
    r->outputHandle = -1;
    CAB_CHECK(answer != -1, r, Aborted);
    CAB_CHECK(answer != 0, r, OutputFailed);
    return true;
}

static bool CopyFileData(CabReader* r, uint16_t f) {
    uint32_t offset = r->fileEntry.folderOffset;
    uint32_t remaining = r->fileEntry.size;
    if (offset < r->blockOffset) {
        // Data before the block in the buffer: the folder is decoded again
        // from its start, unless it came from the previous cabinet.
        CAB_CHECK(!InCarriedFolder(r, f), r, Corrupt);
        r->currentFolder = kNoFolder;
    }
    if (!SelectFolder(r, f)) return false;
    CAB_CHECK(offset >= r->blockOffset, r, Corrupt);
    while (offset - r->blockOffset >= r->block.uncompressedSize)
        if (!NextBlock(r)) return false;
    for (;;) {
        uint32_t inBlock = offset - r->blockOffset;
        uint32_t n = r->block.uncompressedSize - inBlock;
        if (n > remaining) n = remaining;
        if (n > 0)
            CAB_CHECK(r->write(r->outputHandle, r->outputBuffer + inBlock, n) == (int32_t)n, r,
                      OutputFailed);
        offset += n;
        remaining -= n;
        if (remaining == 0) return true;
        if (!NextBlock(r)) return false;
    }
}

static bool WriteCurrentFile(CabReader* r) {
    uint16_t f = r->fileEntry.folderIndex;
    if (r->fileEntry.size != 0 && !CopyFileData(r, f)) {
        if (r->outputHandle != -1) r->close(r->outputHandle);
        r->outputHandle = -1;
        return false;
    }
    return FinishFile(r);
}

enum class EntryAction { Offer, Report, EndPass, PassOver };

static EntryAction Classify(const CabReader* r, uint16_t f) {
    bool fromPrevious = f == SpansFromPrevious || f == SpansBoth;
    bool local = f < r->header.folderCount || f == SpansIntoNext || f == kFolderIndexContinued;
    if (WholeSet(r)) {
        if (fromPrevious) return r->carried ? EntryAction::Offer : EntryAction::Report;
        return local ? EntryAction::Offer : EntryAction::PassOver;
    }
    if (r->crossed) return fromPrevious ? EntryAction::Offer : EntryAction::EndPass;
    if (fromPrevious) return EntryAction::Report;
    return local ? EntryAction::Offer : EntryAction::PassOver;
}

static bool TreatEntry(CabReader* r) {
    const FileEntry* e = &r->fileEntry;
    uint16_t f = e->folderIndex;
    CabNotice* n = &r->notice;
    n->size = (int32_t)e->size;
    n->text1 = r->fileName;
    n->text2 = r->previousCabinet;
    n->text3 = r->previousDisk;
    n->date = e->date;
    n->time = e->time;
    n->attributes = e->attributes;
    n->user = r->user;
    n->folderIndex = f;

    switch (Classify(r, f)) {
        case EntryAction::Report:
            CAB_CHECK(r->notify(NoticeKind::ContinuedFile, n) != -1, r, Aborted);
            return true;
        case EntryAction::EndPass:
            r->filesLeft = 0;
            return true;
        case EntryAction::PassOver:
            return true;
        case EntryAction::Offer:
            break;
    }
    int answer = r->notify(NoticeKind::OfferFile, n);
    CAB_CHECK(answer != -1, r, Aborted);
    if (answer == 0) {
        if (f == SpansIntoNext || f == SpansBoth) {
            r->skipOnNext++;
            r->spanSkipped = 1;
        }
        return true;
    }
    r->outputHandle = answer;
    return WriteCurrentFile(r);
}

// Whole-set walk, at the end of a cabinet's list: move on to the next
// cabinet. When a file running into it was declined, its folder continues
// there: decode the rest of that folder in this cabinet so the decoder
// stands where the next cabinet's folder 0 goes on. Otherwise the next
// cabinet starts afresh.
static bool MoveToNextCabinet(CabReader* r) {
    if (r->spanSkipped) {
        uint32_t opened = r->cabinetsOpened;
        r->draining = 1;
        bool ok = SelectFolderIndex(r, TargetFolder(r, SpansIntoNext));
        while (ok && r->cabinetsOpened == opened) ok = NextBlock(r);
        r->draining = 0;
        return ok;
    }
    if (!OpenNextCabinet(r, false) || !PassOverRepeatedEntries(r, false)) return false;
    r->currentFolder = kNoFolder;
    r->crossed = 1;
    r->carried = 0;
    return true;
}

bool ExtractCabinet(CabReader* r, const char* cabinetName, const char* cabinetPath, int flags,
                    CabNotifyFn notify, DataBlockHook hook, void* user) {
    bool result = false;
    if (!cabinetPath) cabinetPath = "";
    r->notify = notify;
    r->hook = hook;
    r->user = user;
    r->flags = flags;
    r->skipOnNext = 0;
    r->carried = 0;
    r->draining = 0;
    size_t pathLength = strlen(cabinetPath);
    if (!cabinetName || pathLength > kMaxPathLength) {
        RecordError(r, CabErrorCode::CannotOpen, 0);
        goto done;
    }
    memcpy(r->cabinetPath, cabinetPath, pathLength + 1);
    if (!OpenCabinet(r, cabinetName, false, 0, 0)) goto done;
    r->crossed = 0;
    r->currentFolder = kNoFolder;
    r->block.uncompressedSize = 0;
    r->blockOffset = 0;
    memcpy(r->cabinetPath, cabinetPath, pathLength + 1);

    if (!ListNotice(r)) goto done;
    for (;;) {
        if (r->filesLeft == 0) {
            if (!WholeSet(r) || !(r->header.flags & HasNext)) break;
            if (!MoveToNextCabinet(r)) goto done;
            if (r->filesLeft == 0 && !ListNotice(r)) goto done;
            continue;
        }
        r->filesLeft--;
        if (!ReadFileEntry(r) || !TreatEntry(r)) goto done;
        if (r->filesLeft == 0 && !ListNotice(r)) goto done;
    }
    result = true;

done:
    CloseCabinetHandles(r, false);
    return result;
}
