// The main dialog (template 103): destination folder field, folder browser,
// and the buttons Extract, Cancel, About and Help.
//
// The procedure handles the initialisation message (the settings block is
// read and the start-up message shown, which may end the dialog before it
// appears) and the command message; everything else goes to the platform's
// default handling. There is no close box and Escape is not handled, so
// Cancel is the way out.
#include <string.h>

#include "FrontEnd.h"

namespace {

const char kAboutText[] =
    "This archive was created by Morvel.\n\n"
    "It is a self-extracting cabinet archive: it carries its own\n"
    "cabinet reader with the MSZIP, Quantum and LZX decoders\n"
    "and needs nothing else to unpack its files.";

const char kHelpText[] =
    "Click on 'Extract' to extract all files from this archive. All files will be\n"
    "extracted to 'Folder'. This folder will be created if it does not exist.";

void Extract(DialogHandle dialog) {
    char folder[PathMax];
    PlatformGetItemText(dialog, IdFolder, folder, PathMax);
    folder[PathMax - 1] = 0;
    // Whether the last character (not merely the last byte: it may be the
    // trail byte of a double-byte character) is a separator.
    BuildLeadByteTable();
    int length = (int)strlen(folder);
    if (length == 0 || SplitPath(folder) != length - 1) {
        if (!AppendText(folder, PathMax, "\\")) {
            PlatformMessageBox("The folder name is too long.", "Error", BoxIconError);
            return;
        }
    }
    RunExtraction(dialog, folder);
}

}  // namespace

bool BrowseForFolder(DialogHandle dialog, char* path) {
    path[0] = 0;
    if (!PlatformBrowseForFolder(dialog, "Select destination folder:", path)) return false;
    // A drive root ("C:\") comes back with its separator already.
    BuildLeadByteTable();
    int length = (int)strlen(path);
    return SplitPath(path) == length - 1 || AppendText(path, PathMax, "\\");
}

intptr_t STUB_CALLBACK MainDialog(DialogHandle dialog, unsigned message, uintptr_t wParam,
                                  intptr_t) {
    if (message == MsgInitDialog) {
        RememberStartDirectory();
        LoadSettings(dialog);
        return 1;
    }
    if (message != MsgCommand) return 0;
    switch ((int)(wParam & 0xFFFF)) {
    case IdCancel:
        PlatformEndDialog(dialog, IdCancel);
        break;
    case IdAbout:
        PlatformMessageBox(kAboutText, "Information", BoxIconInformation);
        break;
    case IdHelp:
        PlatformMessageBox(kHelpText, "Help", BoxIconInformation);
        break;
    case IdExtract:
        Extract(dialog);
        break;
    case IdBrowse: {
        char path[PathMax];
        if (BrowseForFolder(dialog, path)) PlatformSetItemText(dialog, IdFolder, path);
        break;
    }
    default:
        return 0;
    }
    return 1;
}
