// The extraction walk: from one named cabinet through its file list, asking
// the caller which files to extract, positioning the decoder in each file's
// folder and writing the file's bytes, and following a folder whose data run
// past the cabinet's end into the next cabinet of the set.
//
// State across cabinets: the decoder (and its history) goes on into folder 0
// of the next cabinet without a reset; blockOffset keeps counting from the
// folder's first byte, so the folderOffset values of the entries there count
// from the folder's very beginning. The next cabinet's list repeats the
// entries of the files that run into it (folder index SpansFromPrevious or
// SpansBoth); the walk passes over those it has already dealt with. A
// folder 0 continued from a cabinet the walk has not decoded cannot be read.
//
// Two handles are kept on the open cabinet: the list handle reads the
// header, names and file list forwards; the data handle reads folder
// entries and data blocks.
//
// The plain walk (flags 0) is one pass: the named cabinet's list and, after
// a continuation, the spanning entries at the head of the following lists.
// The whole-set walk (kExtractWholeSet, at the end of this file) is an outer
// loop over the cabinets built from the same steps.
#include <string.h>

#include "cab_directory.h"
#include "cab_reader_state.h"

static bool WholeSet(const CabReader* r) { return (r->flags & kExtractWholeSet) != 0; }

static bool FromPrevious(uint16_t f) { return f == SpansFromPrevious || f == SpansBoth; }
static bool IntoNext(uint16_t f) { return f == SpansIntoNext || f == SpansBoth; }

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
    r->folderZeroContinues = 0;
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

// With `continuing`, the folder goes on with the decoder where it stands; its
// compression type must be the one being decoded, or the data held over
// from the previous cabinet would be fed to another decoder.
static bool OpenFolder(CabReader* r, uint32_t folder, bool continuing) {
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
    CAB_CHECK(!continuing || entry.compressionType == r->compressionType, r, Corrupt);
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
// caller aborts. A cabinet that names no next cabinet is asked for all the
// same, with an empty name: the caller may know where the set goes on, or
// answer -1. With openFolder, folder 0 of the new cabinet is opened too,
// continuing the current decoder.
static bool OpenNextCabinet(CabReader* r, bool openFolder) {
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
        if (OpenCabinet(r, wantedName, true, setId, index) &&
            (!openFolder || OpenFolder(r, 0, true)))
            return true;
        if (r->error->code == CabErrorCode::Aborted) return false;
        error = (int)r->error->code;
    }
}

// The entries at the head of a newly opened cabinet's list repeat the files
// of the previous cabinet that run on into it, in the order that cabinet
// listed them: those the walk declined (skipOnNext) and, last, the file
// being written, whose entry there the FileFinished notice is built from.
// Each must say that it continues from the previous cabinet: anything else
// means this cabinet does not go on with those files, and is Corrupt. A
// declined file that runs on into yet another cabinet (SpansBoth) is listed
// there again, so it is counted again.
//
// The whole-set walk walks the new list from its start afterwards, so there
// the repeated entries may stand anywhere: other entries are passed over
// here and treated later. repeatEnd marks where the repeated entries end.
static bool PassOverRepeatedEntries(CabReader* r, bool currentFileLast) {
    uint16_t again = 0;
    uint32_t offset = r->fileEntry.folderOffset, size = r->fileEntry.size;
    while (r->skipOnNext != 0) {
        CAB_CHECK(r->filesLeft != 0, r, Corrupt);
        r->filesLeft--;
        if (!ReadFileEntry(r)) return false;
        uint16_t f = r->fileEntry.folderIndex;
        if (!FromPrevious(f)) {
            CAB_CHECK(WholeSet(r), r, Corrupt);
            continue;
        }
        r->skipOnNext--;
        bool current = currentFileLast && r->skipOnNext == 0;
        if (!current && f == SpansBoth) again++;
        // The entry the file goes on under must describe the same data.
        if (current)
            CAB_CHECK(r->fileEntry.folderOffset == offset && r->fileEntry.size == size, r, Corrupt);
    }
    r->skipOnNext = again;
    r->repeatEnd = r->seek(r->listHandle, 0, 1);
    CAB_CHECK(r->repeatEnd != -1, r, Corrupt);
    return true;
}

// Whole-set walk: the file being written runs through the whole of the
// open cabinet, whose list has not been walked. Its data are all that
// file's, so what the list holds besides entries continued from the
// previous cabinet (the file itself among them) and entries running on
// into the next (listed there again) can only be empty files: they are
// kept and offered once the file is done. Anything else is Corrupt.
static bool HoldPassedEntries(CabReader* r) {
    CAB_CHECK(r->seek(r->listHandle, (int32_t)r->header.firstFileOffset, 0) != -1, r, Corrupt);
    for (uint32_t i = 0; i < r->header.fileCount; ++i) {
        int32_t pos = r->seek(r->listHandle, 0, 1);
        CAB_CHECK(pos != -1, r, Corrupt);
        if (!ReadFileEntry(r)) return false;
        uint16_t f = r->fileEntry.folderIndex;
        if ((FromPrevious(f) && pos < r->repeatEnd) || IntoNext(f)) continue;
        CAB_CHECK(r->fileEntry.size == 0 && !FromPrevious(f), r, Corrupt);
        uint32_t length = kFileEntrySize + (uint32_t)strlen(r->fileName) + 1;
        if (r->heldSize + length > r->heldCapacity) {
            uint32_t capacity = r->heldCapacity * 2 + length + 512;
            uint8_t* grown = (uint8_t*)r->alloc(capacity);
            CAB_CHECK(grown, r, NoMemory);
            if (r->held) {
                memcpy(grown, r->held, r->heldSize);
                r->free(r->held);
            }
            r->held = grown;
            r->heldCapacity = capacity;
        }
        uint8_t* at = r->held + r->heldSize;
        WriteLe32(at, r->fileEntry.size);
        WriteLe32(at + 4, r->fileEntry.folderOffset);
        WriteLe16(at + 8, f);
        WriteLe16(at + 10, r->fileEntry.date);
        WriteLe16(at + 12, r->fileEntry.time);
        WriteLe16(at + 14, r->fileEntry.attributes);
        memcpy(at + kFileEntrySize, r->fileName, length - kFileEntrySize);
        r->heldSize += length;
    }
    return true;
}

// Moves on into folder 0 of the next cabinet when the current folder's
// blocks in this cabinet are used up or a block is cut at its end.
static bool ContinueToNextCabinet(CabReader* r) {
    bool writing = r->outputHandle != -1;
    if (WholeSet(r) && writing) {
        // The whole-set walk takes the files running on into the next
        // cabinet after the rest of the list; any other file running on
        // would leave entries of this cabinet unread.
        CAB_CHECK(IntoNext(r->fileEntry.folderIndex), r, Corrupt);
        FileEntry current = r->fileEntry;
        if (r->cabinetsOpened != r->offeredIn && !HoldPassedEntries(r)) return false;
        r->fileEntry = current;
    }
    if (!OpenNextCabinet(r, true)) return false;
    if (writing) r->skipOnNext++;
    if (!PassOverRepeatedEntries(r, writing)) return false;
    r->crossed = 1;
    r->folderZeroContinues = 1;
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

// The folder of the open cabinet an entry's data lie in: a file continued
// from the previous cabinet lies in folder 0, one running on into the next
// in the last folder, one doing both in the only folder.
static uint32_t LocalFolder(const CabReader* r, uint16_t f) {
    uint16_t count = r->header.folderCount;
    if (f == SpansFromPrevious) return 0;
    if (f == SpansBoth) return count == 1 ? 0u : (uint32_t)kNoFolder;
    if (f == SpansIntoNext) return count ? (uint32_t)(count - 1) : (uint32_t)kNoFolder;
    return f;
}

static bool SelectFolder(CabReader* r, uint16_t f) {
    if (r->crossed) return true;  // after a continuation the decoder goes on from where it stands
    uint32_t folder = LocalFolder(r, f);
    CAB_CHECK(folder != kNoFolder, r, Corrupt);
    if (folder == r->currentFolder) return true;
    // A folder continued from a previous cabinet can only be read on from
    // where the decoder stands: its start lies in that cabinet.
    CAB_CHECK(folder != 0 || !r->folderZeroContinues, r, Corrupt);
    if (!ResetDecoder(r) || !OpenFolder(r, folder, false) || !NextBlock(r)) return false;
    r->blockOffset = 0;
    return true;
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
    // Data before the block in the buffer: the folder is decoded again from
    // its first block (which SelectFolder refuses for a continued folder).
    if (offset < r->blockOffset) r->currentFolder = kNoFolder;
    if (!SelectFolder(r, f)) return false;
    CAB_CHECK(offset >= r->blockOffset, r, Corrupt);
    while (offset - r->blockOffset >= r->block.uncompressedSize)
        if (!NextBlock(r)) return false;
    for (;;) {
        uint32_t inBlock = offset - r->blockOffset;
        uint32_t n = r->block.uncompressedSize - inBlock;
        if (n > remaining) n = remaining;
        if (n > 0)
            CAB_CHECK(r->write(r->outputHandle, r->blockData + inBlock, n) == (int32_t)n, r,
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

static void FillEntryNotice(CabReader* r) {
    const FileEntry* e = &r->fileEntry;
    CabNotice* n = &r->notice;
    n->size = (int32_t)e->size;
    n->text1 = r->fileName;
    n->text2 = r->previousCabinet;
    n->text3 = r->previousDisk;
    n->date = e->date;
    n->time = e->time;
    n->attributes = e->attributes;
    n->user = r->user;
    n->folderIndex = e->folderIndex;
}

static bool ReportEntry(CabReader* r) {
    CAB_CHECK(r->notify(NoticeKind::ContinuedFile, &r->notice) != -1, r, Aborted);
    return true;
}

// Offers the entry read last and writes it when the caller answers with an
// output handle; *declined tells an answer of 0.
static bool OfferEntry(CabReader* r, bool* declined) {
    int answer = r->notify(NoticeKind::OfferFile, &r->notice);
    CAB_CHECK(answer != -1, r, Aborted);
    *declined = answer == 0;
    if (answer == 0) return true;
    r->outputHandle = answer;
    r->offeredIn = r->cabinetsOpened;
    return WriteCurrentFile(r);
}

static bool IsLocalEntry(const CabReader* r, uint16_t f) {
    return f < r->header.folderCount || f == SpansIntoNext || f == kFolderIndexContinued;
}

enum class EntryAction { Offer, Report, EndPass, PassOver };

static EntryAction Classify(const CabReader* r, uint16_t f) {
    if (r->crossed) return FromPrevious(f) ? EntryAction::Offer : EntryAction::EndPass;
    if (FromPrevious(f)) return EntryAction::Report;
    return IsLocalEntry(r, f) ? EntryAction::Offer : EntryAction::PassOver;
}

static bool TreatEntry(CabReader* r) {
    uint16_t f = r->fileEntry.folderIndex;
    FillEntryNotice(r);
    switch (Classify(r, f)) {
        case EntryAction::Report:
            return ReportEntry(r);
        case EntryAction::EndPass:
            r->filesLeft = 0;
            return true;
        case EntryAction::PassOver:
            return true;
        case EntryAction::Offer:
            break;
    }
    bool declined;
    if (!OfferEntry(r, &declined)) return false;
    if (declined && IntoNext(f)) r->skipOnNext++;
    return true;
}

// One pass over the open cabinet's list, between two ListPosition notices;
// a continuation moves the pass on into the following cabinets' lists.
static bool WalkList(CabReader* r) {
    if (!ListNotice(r)) return false;
    while (r->filesLeft != 0) {
        r->filesLeft--;
        if (!ReadFileEntry(r) || !TreatEntry(r)) return false;
        if (r->filesLeft == 0 && !ListNotice(r)) return false;
    }
    return true;
}

// A cabinet opened afresh that lists files continued from the previous
// cabinet: its folder 0 goes on from there, and the decoder does not stand
// there. The list is read ahead without recording errors (the walk reports
// a damaged entry when it reaches it) and the list handle put back.
static bool NoteContinuedFolder(CabReader* r) {
    if (!(r->header.flags & HasPrevious)) return true;
    int32_t back = r->seek(r->listHandle, 0, 1);
    CAB_CHECK(back != -1, r, Corrupt);
    int32_t pos = back;
    for (uint32_t i = 0; i < r->header.fileCount; ++i) {
        uint8_t raw[kFileEntrySize + kNameReadSize];
        int32_t got = r->read(r->listHandle, raw, sizeof raw);
        if (got < (int32_t)kFileEntrySize + 1) break;
        const void* end = memchr(raw + kFileEntrySize, 0, (size_t)got - kFileEntrySize);
        if (!end) break;
        if (FromPrevious(ReadLe16(raw + 8))) {
            r->folderZeroContinues = 1;
            break;
        }
        pos += (int32_t)((const uint8_t*)end - raw) + 1;
        if (r->seek(r->listHandle, pos, 0) == -1) break;
    }
    CAB_CHECK(r->seek(r->listHandle, back, 0) != -1, r, Corrupt);
    return true;
}

// ---- The whole set ----------------------------------------------------------
//
// With kExtractWholeSet the walk goes on through every cabinet of the set
// and offers every file once. It walks each cabinet's list in two rounds:
// first the entries that lie within the cabinet, then those that run on
// into the next one. Writing one of the latter crosses into the next
// cabinet, so by then every other entry of this cabinet has been dealt
// with. The next cabinet's list repeats the entries that ran on into it
// (as continued from the previous cabinet); those are passed over, and the
// rest of its list is walked from its start.
//
// When a cabinet's list has been walked without crossing, whether folder 0
// of the next cabinet continues its last folder is read from the cabinet
// itself: its list names files running on into the next cabinet, or its
// last folder ends with the first piece of a cut block. Then the rest of
// that folder is decoded, whatever the caller took of it, so the decoder
// stands where the next cabinet goes on; otherwise the next cabinet starts
// afresh.

enum class Round { WithinCabinet, IntoNext };

static bool TreatSetEntry(CabReader* r, Round round, bool carried, int32_t entryPos) {
    uint16_t f = r->fileEntry.folderIndex;
    if ((round == Round::IntoNext) != IntoNext(f)) return true;  // the other round's
    FillEntryNotice(r);
    uint32_t opened = r->cabinetsOpened;
    bool ok = true, declined;
    if (FromPrevious(f) && entryPos < r->repeatEnd)
        ok = true;  // dealt with in the previous cabinet
    else if (FromPrevious(f) && !carried)
        ok = ReportEntry(r);
    else if (FromPrevious(f) || IsLocalEntry(r, f))
        ok = OfferEntry(r, &declined);
    // The next cabinet lists this entry again; a crossing counted the file written.
    if (ok && IntoNext(f) && r->cabinetsOpened == opened) r->skipOnNext++;
    return ok;
}

static bool WalkSetRound(CabReader* r, Round round, int32_t start, uint16_t count, bool carried) {
    uint32_t opened = r->cabinetsOpened;
    CAB_CHECK(r->seek(r->listHandle, start, 0) != -1, r, Corrupt);
    for (uint16_t left = count; left != 0 && r->cabinetsOpened == opened; left--) {
        int32_t pos = r->seek(r->listHandle, 0, 1);
        CAB_CHECK(pos != -1, r, Corrupt);
        if (!ReadFileEntry(r) || !TreatSetEntry(r, round, carried, pos)) return false;
    }
    return true;
}

// Whether folder 0 of the next cabinet goes on with this cabinet's last
// folder: files of this list run on into it, or the last block of the last
// folder is the first piece of a block cut at this cabinet's end.
static bool ContinuesIntoNext(CabReader* r, bool* continues) {
    *continues = r->skipOnNext != 0;
    if (*continues || r->header.folderCount == 0) return true;
    int32_t back = r->seek(r->dataHandle, 0, 1);
    CAB_CHECK(back != -1, r, Corrupt);
    uint8_t raw[kFolderEntryBaseSize];
    int32_t at = r->firstFolderPos + (int32_t)((r->header.folderCount - 1u) * r->folderEntrySize);
    CAB_CHECK(r->seek(r->dataHandle, at, 0) != -1, r, Corrupt);
    CAB_CHECK(r->read(r->dataHandle, raw, sizeof raw) == (int32_t)sizeof raw, r, Corrupt);
    FolderEntry folder;
    ParseFolderEntry(raw, &folder);
    uint32_t pos = folder.firstBlockOffset;
    for (uint32_t i = 0; i < folder.blockCount; ++i) {
        uint8_t head[kBlockHeaderBaseSize];
        CAB_CHECK(pos <= 0x7FFFFFFFu && r->seek(r->dataHandle, (int32_t)pos, 0) != -1, r, Corrupt);
        CAB_CHECK(r->read(r->dataHandle, head, sizeof head) == (int32_t)sizeof head, r, Corrupt);
        DataBlockHeader block;
        ParseBlockHeader(head, &block);
        if (i + 1 == folder.blockCount) *continues = block.uncompressedSize == 0;
        pos += r->blockHeaderSize + block.compressedSize;
    }
    CAB_CHECK(r->seek(r->dataHandle, back, 0) != -1, r, Corrupt);
    return true;
}

// Opens the next cabinet afresh: its folders start from their first blocks.
static bool StartNextCabinet(CabReader* r) {
    r->skipOnNext = 0;
    if (!OpenNextCabinet(r, false)) return false;
    r->currentFolder = kNoFolder;
    r->block.uncompressedSize = 0;
    r->blockOffset = 0;
    r->repeatEnd = 0;
    return NoteContinuedFolder(r);
}

// Decodes the rest of this cabinet's last folder so that the decoder
// crosses into the next cabinet, where its folder 0 goes on.
static bool DecodeIntoNextCabinet(CabReader* r) {
    uint32_t opened = r->cabinetsOpened;
    uint32_t last = r->header.folderCount - 1u;
    if (r->currentFolder != last) {
        if (last == 0 && r->folderZeroContinues) {
            // The folder began before the walk's first cabinet: it goes on
            // unreadable in the next one too.
            if (!StartNextCabinet(r)) return false;
            r->folderZeroContinues = 1;
            return true;
        }
        if (!SelectFolder(r, (uint16_t)last)) return false;
    }
    while (r->cabinetsOpened == opened)
        if (!NextBlock(r)) return false;
    return true;
}

// Offers the empty files kept by HoldPassedEntries.
static bool OfferHeldEntries(CabReader* r) {
    for (uint32_t at = 0; at < r->heldSize;) {
        const uint8_t* e = r->held + at;
        ParseFileEntry(e, &r->fileEntry);
        uint32_t length = (uint32_t)strlen((const char*)e + kFileEntrySize) + 1;
        memcpy(r->fileName, e + kFileEntrySize, length);
        at += kFileEntrySize + length;
        FillEntryNotice(r);
        bool declined;
        if (!OfferEntry(r, &declined)) return false;
    }
    r->heldSize = 0;
    return true;
}

static bool ExtractSet(CabReader* r) {
    bool listed = false;  // the ListPosition for this round of the list was sent
    uint32_t walked = 0;  // the cabinet count when the open cabinet's list was walked
    for (;;) {
        bool carried = r->crossed != 0;
        r->crossed = 0;
        r->skipOnNext = 0;
        if (walked != r->cabinetsOpened) {
            // A new cabinet: its list is walked from its start.
            if (!OfferHeldEntries(r)) return false;
            CAB_CHECK(r->seek(r->listHandle, (int32_t)r->header.firstFileOffset, 0) != -1, r,
                      Corrupt);
            r->filesLeft = r->header.fileCount;
            walked = r->cabinetsOpened;
        }
        if (!listed && !ListNotice(r)) return false;
        listed = false;
        if (r->filesLeft == 0) return true;  // no further entries wanted
        int32_t start = r->seek(r->listHandle, 0, 1);
        CAB_CHECK(start != -1, r, Corrupt);
        uint16_t count = r->filesLeft;
        r->filesLeft = 0;
        uint32_t opened = r->cabinetsOpened;
        if (!WalkSetRound(r, Round::WithinCabinet, start, count, carried) ||
            !WalkSetRound(r, Round::IntoNext, start, count, carried))
            return false;
        if (r->cabinetsOpened != opened) continue;  // crossed while writing a file
        if (!(r->header.flags & HasNext)) {
            // The set ends here: the pass's closing ListPosition.
            r->filesLeft = 0;
            if (!ListNotice(r)) return false;
            listed = true;
            r->crossed = carried;
            continue;
        }
        bool continues;
        if (!ContinuesIntoNext(r, &continues)) return false;
        if (!(continues ? DecodeIntoNextCabinet(r) : StartNextCabinet(r))) return false;
    }
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
    r->repeatEnd = 0;
    r->heldSize = 0;
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
    r->blockData = r->outputBuffer;  // memory supplied for an earlier call is not used again
    r->blockOffset = 0;
    memcpy(r->cabinetPath, cabinetPath, pathLength + 1);
    if (!NoteContinuedFolder(r)) goto done;
    result = WholeSet(r) ? ExtractSet(r) : WalkList(r);

done:
    CloseCabinetHandles(r, false);
    if (r->held) r->free(r->held);
    r->held = nullptr;
    r->heldSize = r->heldCapacity = 0;
    return result;
}
