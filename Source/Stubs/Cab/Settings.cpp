// The settings block of a self-extracting archive.
//
// The archiver writes the block directly behind the stub, at
// SettingsBlockOffset, which is why the stub is padded to exactly that size.
// Layout, little-endian:
//   0  u32  defaultFolder length        16 i32  messageKind
//   4  u32  openAfterExtract length     20 u8   confirmOverwrite
//   8  u32  messageCaption length       21 u8   showMessage
//   12 u32  messageText length          22 u16  reserved, ignored
//   24      the four texts in that order, no terminators, no separators.
// The cabinet follows the texts; its position is not recorded here.
//
// The block is read once, when the dialog opens. The block comes from an
// untrusted file: a missing or short block, or lengths that do not fit in
// the file or cannot be allocated, give an archive without settings (empty
// texts, flags zero) rather than a half-read one.
#include <string.h>

#include "FrontEnd.h"

SfxSettings sfxSettings;

namespace {

char emptyText[1];

uint32_t ReadU32(const uint8_t* p) {
    return (uint32_t)p[0] | (uint32_t)p[1] << 8 | (uint32_t)p[2] << 16 | (uint32_t)p[3] << 24;
}

void FreeText(char* text) {
    if (text && text != emptyText) PlatformFree(text);
}

// Reads the header and the four texts from an open handle. On any failure
// every text read so far is released and false is returned.
bool ReadBlock(int32_t handle, uint8_t* header, char** texts) {
    int32_t end = PlatformSeek(handle, 0, 2);
    if (end == -1 || (uint32_t)end < SettingsBlockOffset + SettingsHeaderSize) return false;
    if (PlatformSeek(handle, SettingsBlockOffset, 0) != (int32_t)SettingsBlockOffset ||
        PlatformRead(handle, header, SettingsHeaderSize) != (int32_t)SettingsHeaderSize)
        return false;
    // The texts must lie inside the file: this also bounds each allocation.
    uint64_t available = (uint32_t)end - (SettingsBlockOffset + SettingsHeaderSize);
    uint64_t total = 0;
    for (int i = 0; i < 4; ++i) total += ReadU32(header + 4 * i);
    if (total > available) return false;
    bool ok = true;
    for (int i = 0; i < 4 && ok; ++i) {
        uint32_t length = ReadU32(header + 4 * i);
        char* text = (char*)PlatformAlloc(length + 1);
        if (!text) {
            ok = false;
            break;
        }
        texts[i] = text;
        if (length && PlatformRead(handle, text, length) != (int32_t)length) ok = false;
        text[length] = 0;
    }
    if (!ok) {
        for (int i = 0; i < 4; ++i) {
            FreeText(texts[i]);
            texts[i] = emptyText;
        }
    }
    return ok;
}

}  // namespace

void DesktopFolderPath(char* path) {
    path[0] = 0;
    if (!PlatformDesktopFolder(path) || !AppendText(path, PathMax, "\\")) path[0] = 0;
}

void LoadSettings(DialogHandle dialog) {
    char path[PathMax];
    uint8_t header[SettingsHeaderSize];
    char* texts[4] = {emptyText, emptyText, emptyText, emptyText};
    memset(header, 0, sizeof header);
    // Texts of an earlier load (a dialog opened again in one process).
    FreeText(sfxSettings.openAfterExtract);
    FreeText(sfxSettings.messageCaption);
    FreeText(sfxSettings.messageText);

    int32_t handle = PlatformModulePath(path) ? PlatformOpen(path, kOpenBinary, 0) : -1;
    if (handle != -1) {
        if (!ReadBlock(handle, header, texts)) memset(header, 0, sizeof header);
        PlatformClose(handle);
    }
    sfxSettings.openAfterExtract = texts[1];
    sfxSettings.messageCaption = texts[2];
    sfxSettings.messageText = texts[3];
    sfxSettings.messageKind = (int32_t)ReadU32(header + 16);
    sfxSettings.confirmOverwrite = header[20];
    sfxSettings.showMessage = header[21];

    if (texts[0][0] == 0) {
        DesktopFolderPath(path);
        PlatformSetItemText(dialog, IdFolder, path);
    } else {
        PlatformSetItemText(dialog, IdFolder, texts[0]);
    }
    FreeText(texts[0]);

    if (!sfxSettings.showMessage) return;
    unsigned style = BoxIconInformation;
    if (sfxSettings.messageKind == StartupYesNo) style = BoxYesNo | BoxIconQuestion;
    if (sfxSettings.messageKind == StartupOkCancel) style = BoxOkCancel | BoxIconQuestion;
    int answer = PlatformMessageBox(sfxSettings.messageText, sfxSettings.messageCaption, style);
    if ((sfxSettings.messageKind == StartupYesNo && answer == AnswerNo) ||
        (sfxSettings.messageKind == StartupOkCancel && answer == AnswerCancel))
        PlatformEndDialog(dialog, 0);
}
