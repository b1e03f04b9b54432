// The self-extractor front end: settings block, extraction driver,
// notification handler, name cleaning and the main dialog. Portable: the
// platform is reached only through Platform.h.
#ifndef STUB_SFX_FRONT_END_H
#define STUB_SFX_FRONT_END_H

#include <stdint.h>

#include "CabinetLocator.h"
#include "Platform.h"
#include "cab_reader.h"

// The settings block lies directly behind the stub, whose size is fixed.
enum : uint32_t { SettingsBlockOffset = 51712, SettingsHeaderSize = 24 };

// StartupMessageKind: every value but these two is Information.
enum : int32_t { StartupInformation = 0, StartupYesNo = 1, StartupOkCancel = 2 };

// Controls of dialog template 103.
enum : int {
    IdCancel = 1000,
    IdAbout = 1001,
    IdHelp = 1002,
    IdExtract = 1003,
    IdFolder = 1004,
    IdFolderLabel = 1005,
    IdBrowse = 1006,
    IdProgress = 1010,
};

// What the archive's settings block asked for, kept for the whole run.
// Texts are NUL-terminated and never null once LoadSettings has run.
struct SfxSettings {
    char* openAfterExtract;
    char* messageCaption;
    char* messageText;
    int32_t messageKind;
    uint8_t confirmOverwrite;
    uint8_t showMessage;
};
extern SfxSettings sfxSettings;

// Reads the settings block of the running executable, fills the folder field
// and shows the start-up message, which may end the dialog. A missing, short
// or implausible block is an archive without settings.
void LoadSettings(DialogHandle dialog);
// The desktop folder with "\" appended, or "" (in a PathMax buffer).
void DesktopFolderPath(char* path);

// Process-wide state of the offset file callbacks: cabinetBase and
// cabinetHandles, the bytes written to the current output file, and the
// dialog whose progress bar they drive (null: no progress bar).
extern OffsetFileState offsetState;
extern uint32_t progressTotal;
extern DialogHandle progressDialog;
// alloc, free, open, read, write, close, seek over the platform.
extern const CabIo OffsetFileIo;

// Step table of the ANSI code page: 0 for the terminator, 2 for a lead byte,
// else 1.
extern uint8_t LeadByteTable[256];
void BuildLeadByteTable();
// Byte index of the last '\' or '/', or -1.
int SplitPath(const char* path);
// Cleans a stored name in place into a safe relative path and creates its
// directories; returns where the name to create begins.
char* CleanTargetName(char* name);
// Creates every level of the folder from its fifth character on.
void CreateFolderLevels(char* folder);
// Bounded concatenation: appends src to dst (capacity cap including the
// terminator); false, leaving dst unchanged, when it does not fit.
bool AppendText(char* dst, uint32_t cap, const char* src);

bool FileExists(const char* path);
void ApplyFileTimes(const char* path, uint16_t dosDate, uint16_t dosTime);
void EnableControls(DialogHandle dialog, bool enable);
int HandleNotice(NoticeKind kind, CabNotice* notice);
// Extracts the archive into the folder; false after a failure, which it has
// reported.
bool ExtractDriver(const char* ownPath, const char* folder);
// Notes the current directory as the one a relative folder is taken from.
void RememberStartDirectory();
void RunExtraction(DialogHandle dialog, const char* folder);

// The dialog procedure of template 103; answers nonzero when it handled the
// message.
intptr_t STUB_CALLBACK MainDialog(DialogHandle dialog, unsigned message, uintptr_t wParam,
                                  intptr_t lParam);
bool BrowseForFolder(DialogHandle dialog, char* path);

#endif
