// The extraction driver and its notification handler.
//
// One extraction: RunExtraction prepares the folder and the dialog,
// ExtractDriver enters the folder, finds the cabinet in the executable's
// head and runs the reader over it, and the reader calls HandleNotice for
// every file (where does it go, may it be overwritten), for the end of every
// file (close it, restore its time and attributes) and for every further
// cabinet of the set (is it there). The whole set is extracted in one call:
// files that begin in a later cabinet are offered too.
//
// A file is written under a temporary name in its own folder ("~sfx0000.tmp"
// and up, created exclusively, so no existing file is touched) and moved onto
// its real name only when its last byte is in and its time is set. A file
// that fails part-way (corrupt data, an unusable next cabinet, a full disk)
// is removed, so neither a truncated file nor the loss of the file it would
// have replaced is ever left behind. The file being written is remembered by
// its handle, its temporary name and the cleaned name it goes to, so that
// its time and attributes go to that file and to no other place the stored
// name might name.
#include <string.h>

#include "FrontEnd.h"

namespace {

const char kErrorCaption[] = "Error";

// The output file open between OfferFile and FileFinished; pendingTemp is
// its temporary name, non-empty until it is moved into place or removed.
int32_t targetHandle = -1;
char targetName[PathMax];
char pendingTemp[PathMax];

// The current directory when the dialog opened (empty if unknown). Each
// extraction enters its folder; a relative folder is taken from here every
// time, not from inside the folder the extraction before it entered.
char startDirectory[PathMax];

void ShowError(const char* text) { PlatformMessageBox(text, kErrorCaption, BoxIconError); }

// The path of a name in the current directory (PathMax bytes); false when
// it does not fit, never cut into another name.
bool InCurrentDirectory(char* path, const char* name) {
    bool fits = PlatformGetCurrentDirectory(path);
    if (fits && SplitPath(path) != (int)strlen(path) - 1) fits = AppendText(path, PathMax, "\\");
    return fits && AppendText(path, PathMax, name);
}

// Creates a fresh temporary file beside the cleaned name; its name goes to
// temp. Returns the handle or -1.
int32_t OpenTemporary(const char* name, char* temp) {
    int cut = SplitPath(name) + 1;
    if (cut + 13 > (int)PathMax) return -1;
    memcpy(temp, name, (size_t)cut);
    for (unsigned n = 0; n < 10000; ++n) {
        char* p = temp + cut;
        memcpy(p, "~sfx0000.tmp", 13);
        for (unsigned v = n, i = 7; v; v /= 10, --i) p[i] = (char)('0' + v % 10);
        int32_t handle = OffsetFileIo.open(temp,
                                           kOpenBinary | kOpenCreate | OpenExclusive |
                                               kOpenSequential | kOpenWriteOnly,
                                           kPermRead | kPermWrite);
        if (handle != -1) return handle;
        // Only a name in use is worth another try.
        if (PlatformGetFileAttributes(temp) == 0xFFFFFFFFu) return -1;
    }
    return -1;
}

void DropTemporary() {
    if (pendingTemp[0]) PlatformDeleteFile(pendingTemp);
    pendingTemp[0] = 0;
}

int OfferFile(CabNotice* notice) {
    char* name = CleanTargetName(notice->text1);
    // Where the file will really be created: the current directory (the
    // destination folder) and the cleaned name. A path that does not fit
    // is refused, never cut into another name.
    char target[PathMax];
    if (!InCurrentDirectory(target, name)) {
        char text[PathMax + 32] = "The file name is too long: ";
        AppendText(text, sizeof text, name);
        ShowError(text);
        return -1;
    }
    // The bar shows this file from 0, also while its question is open.
    if (progressDialog)
        PlatformSendItemMessage(progressDialog, IdProgress, ProgressSetRange32, 0,
                                (uint32_t)notice->size);
    progressTotal = 0;
    if (sfxSettings.confirmOverwrite && FileExists(target)) {
        char question[PathMax + 96] = "The following file does already exist: ";
        AppendText(question, sizeof question, target);
        AppendText(question, sizeof question, ". Do you want to overwrite the file?");
        if (PlatformMessageBox(question, "Overwrite?", BoxYesNo | BoxIconQuestion) == AnswerNo)
            return 0;
    }
    // A read-only file or a directory in the way cannot be replaced: fail
    // now, as opening it for writing would, rather than after the data.
    uint32_t existing = PlatformGetFileAttributes(name);
    if (existing != 0xFFFFFFFFu && (existing & 0x11)) return -1;
    int32_t handle = OpenTemporary(name, pendingTemp);
    if (handle == -1) {
        pendingTemp[0] = 0;
        return -1;
    }
    targetHandle = handle;
    strcpy(targetName, name);  // fits: it is the tail of target
    return handle;
}

int FileFinished(CabNotice* notice) {
    bool closed = OffsetFileIo.close(notice->handle) == 0;
    if (notice->handle != targetHandle) return 1;
    targetHandle = -1;
    // The time goes to the temporary file, which keeps it when it is moved.
    ApplyFileTimes(pendingTemp, notice->date, notice->time);
    if (!closed || !PlatformReplaceFile(pendingTemp, targetName)) {
        DropTemporary();
        return 0;  // the reader fails with OutputFailed
    }
    pendingTemp[0] = 0;
    // Read-only, hidden, system, archive; run-after-extraction and the rest
    // are dropped.
    PlatformSetFileAttributes(targetName, notice->attributes & 0x27u);
    return 1;
}

// Set when a next cabinet of the set was refused: the failure message says so.
bool setIncomplete;

int NeedCabinet(CabNotice* notice) {
    setIncomplete = true;
    // A cabinet that exists but failed to open would be asked for again and
    // again: one attempt per cabinet. An empty name: the data run on past a
    // cabinet that names no next one.
    if (notice->error || !notice->text1[0]) return -1;
    char path[PathMax] = "";
    if (!AppendText(path, PathMax, notice->text3) || !AppendText(path, PathMax, notice->text1))
        return -1;
    // Missing files read as all bits set, which includes the directory bit.
    if (PlatformGetFileAttributes(path) & 0x10) return -1;
    setIncomplete = false;
    offsetState.cabinetBase = 0;  // further cabinets are plain files
    return 0;
}

}  // namespace

bool FileExists(const char* path) {
    int32_t handle = PlatformOpen(path, kOpenBinary, 0);
    if (handle == -1) return false;
    PlatformClose(handle);
    return true;
}

void ApplyFileTimes(const char* path, uint16_t dosDate, uint16_t dosTime) {
    PlatformSetFileTimes(path, dosDate, dosTime);
}

void EnableControls(DialogHandle dialog, bool enable) {
    static const int kButtons[] = {IdExtract, IdCancel, IdAbout, IdHelp, IdBrowse};
    for (int id : kButtons) PlatformEnableItem(dialog, id, enable);
}

int HandleNotice(NoticeKind kind, CabNotice* notice) {
    switch (kind) {
    case NoticeKind::OfferFile:
        return OfferFile(notice);
    case NoticeKind::FileFinished:
        return FileFinished(notice);
    case NoticeKind::NeedCabinet:
        return NeedCabinet(notice);
    default:
        return 0;
    }
}

bool ExtractDriver(const char* ownPath, const char* folder) {
    if (!PlatformSetCurrentDirectory(folder)) {
        ShowError("Couldn't open the destination folder.");
        return false;
    }
    if (progressDialog) PlatformShowItem(progressDialog, IdProgress, ShowNormal);
    bool ok = false;
    const char* failure = "Couldn't extract archive contents.";
    int32_t file = PlatformOpen(ownPath, kOpenBinary | kOpenSequential, 0);
    uint8_t* head = file == -1 ? nullptr : (uint8_t*)PlatformAlloc(ScanLimit);
    CabReader* reader = nullptr;
    int32_t base = -1;
    if (!head) {
        if (file != -1) PlatformClose(file);
        failure = "Broken archive.";
        goto done;
    }
    {
        uint32_t got = 0;
        while (got < ScanLimit) {
            int32_t n = PlatformRead(file, head + got, ScanLimit - got);
            if (n <= 0) break;
            got += (uint32_t)n;
        }
        PlatformClose(file);
        offsetState.cabinetBase = 0;
        base = CabinetLocator(&OffsetFileIo, ownPath, head, got);
        PlatformFree(head);
    }
    if (base == -1) goto done;  // no cabinet: said like any other failure
    offsetState.cabinetBase = base;
    {
        CabError error = {CabErrorCode::None, 0, 0};
        reader = CreateReaderIo(&OffsetFileIo, -1, &error);
        if (!reader) goto done;
        // The cabinet directory keeps its separator; the name is the rest.
        char directory[PathMax];
        int cut = SplitPath(ownPath) + 1;
        memcpy(directory, ownPath, (size_t)cut);
        directory[cut] = 0;
        targetHandle = -1;
        pendingTemp[0] = 0;
        setIncomplete = false;
        ok = ExtractCabinet(reader, ownPath + cut, directory, kExtractWholeSet, HandleNotice,
                            nullptr, nullptr);
        if (!ok && setIncomplete)
            failure = "Couldn't extract archive contents: the cabinet set is incomplete.";
        // A file the reader abandoned (it closed the handle itself) or that
        // could not be moved into place leaves only its temporary file.
        targetHandle = -1;
        DropTemporary();
        DestroyReader(reader);
    }
done:
    if (!ok) ShowError(failure);
    if (progressDialog) PlatformShowItem(progressDialog, IdProgress, ShowHide);
    return ok;
}

void RememberStartDirectory() {
    if (!PlatformGetCurrentDirectory(startDirectory)) startDirectory[0] = 0;
}

void RunExtraction(DialogHandle dialog, const char* folder) {
    if (startDirectory[0]) PlatformSetCurrentDirectory(startDirectory);
    char ownPath[PathMax];
    if (!PlatformModulePath(ownPath)) ownPath[0] = 0;
    progressDialog = dialog;
    BuildLeadByteTable();
    char levels[PathMax] = "";
    if (AppendText(levels, PathMax, folder)) CreateFolderLevels(levels);
    EnableControls(dialog, false);
    bool ok = ExtractDriver(ownPath, folder);
    EnableControls(dialog, true);
    // Extract had the focus and lost it while disabled: give it back, so
    // that Return extracts again.
    PlatformFocusItem(dialog, IdExtract);
    // Only a complete extraction is opened: after a failure the file may be
    // missing, truncated or stale, and running a setup program then is wrong.
    // The file is named from the current directory, which ExtractDriver
    // left in the folder, so that a relative folder is not taken twice.
    if (ok && sfxSettings.openAfterExtract && sfxSettings.openAfterExtract[0]) {
        char path[PathMax];
        if (InCurrentDirectory(path, sfxSettings.openAfterExtract)) PlatformShellOpen(path);
    }
}
