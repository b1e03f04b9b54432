// The POSIX platform layer's dialog and user interface.
//
// On Linux the front end runs unchanged: the dialog is a record of its
// controls' state, message boxes and the folder browser are answered by
// hooks (a script in the tests) or, without hooks, by prompts on the
// terminal, and the progress bar is drawn as a terminal bar.
#ifndef STUB_SFX_POSIX_UI_H
#define STUB_SFX_POSIX_UI_H

#include <stdint.h>

#include <functional>
#include <map>
#include <string>

#include "Platform.h"

struct PosixDialog {
    std::map<int, std::string> texts;  // item texts (the folder field: 1004)
    std::map<int, bool> disabled;      // items currently disabled
    int focus = 1003;                  // control with the keyboard focus (Extract), 0: none
    bool progressVisible = false;
    uint32_t progressLow = 0, progressHigh = 100, progressPos = 0;
    bool ended = false;
    int result = 0;
};

struct PosixUi {
    // Answers a message box; unset: ask on the terminal.
    std::function<int(const char* text, const char* caption, unsigned style)> messageBox;
    // Answers the folder browser with a path ('\' separated, no trailing
    // separator) or false; unset: ask on the terminal.
    std::function<bool(const char* title, char* path)> browse;
    // Called instead of starting xdg-open.
    std::function<void(const char* path)> shellOpen;
    // Called with every progress-bar position set.
    std::function<void(uint32_t position)> progress;
};

// The hooks in force; tests replace them.
PosixUi& PosixUiHooks();

// The file treated as the running executable (default: /proc/self/exe).
void PosixSetModulePath(const char* path);
// Lead bytes of code page 932 (true) or a single-byte code page (false).
void PosixSetDoubleByteCodePage(bool enabled);
// Makes the n-th allocation from now fail (0: the next one); -1: never.
void PosixFailAllocationAt(int n);
// Blocks allocated and not yet freed.
int PosixLiveAllocations();

// Maps a '\'-separated front-end path to the file system and back.
std::string PosixFromFrontEndPath(const char* path);
std::string PosixToFrontEndPath(const std::string& path);

// Runs MainDialog: initialisation, then (unless it ended) a terminal loop
// reading commands. Returns the dialog's result.
int PosixRunDialog(PosixDialog* dialog);

#endif
