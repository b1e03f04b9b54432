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
// The file being written is remembered by its handle and the cleaned path it
// was created under, so that its time and attributes go to that file and to
// no other place the stored name might name.
#include <string.h>

#include "FrontEnd.h"

namespace {

const char kErrorCaption[] = "Error";

// The output file open between OfferFile and FileFinished.
int32_t targetHandle = -1;
char targetName[PathMax];

void ShowError(const char* text) { PlatformMessageBox(text, kErrorCaption, BoxIconError); }

int OfferFile(CabNotice* notice) {
    char* name = CleanTargetName(notice->text1);
    // Where the file will really be created: the current directory (the
    // destination folder) and the cleaned name. A path that does not fit
    // is refused, never cut into another name.
    char target[PathMax];
    bool fits = PlatformGetCurrentDirectory(target);
    if (fits && SplitPath(target) != (int)strlen(target) - 1)
        fits = AppendText(target, PathMax, "\\");
    if (!fits || !AppendText(target, PathMax, name)) {
        char text[PathMax + 32] = "The file name is too long: ";
        AppendText(text, sizeof text, name);
        ShowError(text);
        return -1;
    }
    if (sfxSettings.confirmOverwrite && FileExists(target)) {
        char question[PathMax + 96] = "The following file does already exist: ";
        AppendText(question, sizeof question, target);
        AppendText(question, sizeof question, ". Do you want to overwrite the file?");
        if (PlatformMessageBox(question, "Overwrite?", BoxYesNo | BoxIconQuestion) == AnswerNo)
            return 0;
    }
    if (progressDialog)
        PlatformSendItemMessage(progressDialog, IdProgress, ProgressSetRange32, 0,
                                (uint32_t)notice->size);
    progressTotal = 0;
    int32_t handle = OffsetFileIo.open(
        name, kOpenBinary | kOpenTruncate | kOpenCreate | kOpenSequential | kOpenWriteOnly,
        kPermRead | kPermWrite);
    if (handle != -1) {
        targetHandle = handle;
        strcpy(targetName, name);  // fits: it is the tail of target
    }
    return handle;
}

int FileFinished(CabNotice* notice) {
    OffsetFileIo.close(notice->handle);
    if (notice->handle == targetHandle) {
        ApplyFileTimes(targetName, notice->date, notice->time);
        // Read-only, hidden, system, archive; run-after-extraction and the
        // rest are dropped.
        PlatformSetFileAttributes(targetName, notice->attributes & 0x27u);
    }
    targetHandle = -1;
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

void ExtractDriver(const char* ownPath, const char* folder) {
    if (!PlatformSetCurrentDirectory(folder)) {
        ShowError("Couldn't open the destination folder.");
        return;
    }
    if (progressDialog) PlatformShowItem(progressDialog, IdProgress, ShowNormal);
    int32_t file = PlatformOpen(ownPath, kOpenBinary | kOpenSequential, 0);
    uint8_t* head = file == -1 ? nullptr : (uint8_t*)PlatformAlloc(ScanLimit);
    if (!head) {
        if (file != -1) PlatformClose(file);
        ShowError("Broken archive.");
        return;
    }
    uint32_t got = 0;
    while (got < ScanLimit) {
        int32_t n = PlatformRead(file, head + got, ScanLimit - got);
        if (n <= 0) break;
        got += (uint32_t)n;
    }
    PlatformClose(file);

    offsetState.cabinetBase = 0;
    int32_t base = CabinetLocator(&OffsetFileIo, ownPath, head, got);
    PlatformFree(head);
    if (base == -1) return;
    offsetState.cabinetBase = base;

    CabError error = {CabErrorCode::None, 0, 0};
    CabReader* reader = CreateReaderIo(&OffsetFileIo, -1, &error);
    if (!reader) return;
    // The cabinet directory keeps its separator; the name is the rest.
    char directory[PathMax];
    int cut = SplitPath(ownPath) + 1;
    memcpy(directory, ownPath, (size_t)cut);
    directory[cut] = 0;
    targetHandle = -1;
    setIncomplete = false;
    if (!ExtractCabinet(reader, ownPath + cut, directory, kExtractWholeSet, HandleNotice,
                        nullptr, nullptr))
        ShowError(setIncomplete ? "Couldn't extract archive contents: the cabinet set is incomplete."
                                : "Couldn't extract archive contents.");
    DestroyReader(reader);
    if (progressDialog) PlatformShowItem(progressDialog, IdProgress, ShowHide);
}

void RunExtraction(DialogHandle dialog, const char* folder) {
    char ownPath[PathMax];
    if (!PlatformModulePath(ownPath)) ownPath[0] = 0;
    progressDialog = dialog;
    BuildLeadByteTable();
    char levels[PathMax] = "";
    if (AppendText(levels, PathMax, folder)) CreateFolderLevels(levels);
    EnableControls(dialog, false);
    ExtractDriver(ownPath, folder);
    EnableControls(dialog, true);
    if (sfxSettings.openAfterExtract && sfxSettings.openAfterExtract[0]) {
        char path[PathMax] = "";
        if (AppendText(path, PathMax, folder) &&
            AppendText(path, PathMax, sfxSettings.openAfterExtract))
            PlatformShellOpen(path);
    }
}
