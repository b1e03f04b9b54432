// The platform layer for Linux: the same front end over POSIX files and a
// terminal (or, in the tests, scripted) user interface.
//
// Front-end paths use '\'; here every '\' that is a whole character (not the
// trail byte of a double-byte character) becomes '/' on the way to the file
// system, and '/' becomes '\' on the way back. The read-only attribute is the
// owner's write permission, and it is honoured even for root, as the Win32
// attribute is for every user.
#include <errno.h>
#include <fcntl.h>
#include <spawn.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <string>

#include "FrontEnd.h"
#include "PosixUi.h"

extern char** environ;

namespace {

std::string modulePath;
bool doubleByte = false;
int failAllocationAt = -1;
int liveAllocations = 0;

bool Interactive() { return isatty(0) && isatty(2); }

// Reads one line from the terminal; false at the end of input.
bool ReadLine(std::string* line) {
    line->clear();
    int c;
    while ((c = getchar()) != EOF && c != '\n') line->push_back((char)c);
    return c != EOF || !line->empty();
}

PosixDialog* AsDialog(DialogHandle dialog) { return static_cast<PosixDialog*>(dialog); }

}  // namespace

PosixUi& PosixUiHooks() {
    static PosixUi hooks;
    return hooks;
}

void PosixSetModulePath(const char* path) { modulePath = path ? path : ""; }
void PosixSetDoubleByteCodePage(bool enabled) { doubleByte = enabled; }
void PosixFailAllocationAt(int n) { failAllocationAt = n; }
int PosixLiveAllocations() { return liveAllocations; }

std::string PosixFromFrontEndPath(const char* path) {
    std::string out;
    for (const char* p = path; *p; ++p) {
        if (PlatformIsLeadByte((uint8_t)*p) && p[1]) {
            out.push_back(*p++);
            out.push_back(*p);
        } else {
            out.push_back(*p == '\\' ? '/' : *p);
        }
    }
    return out;
}

std::string PosixToFrontEndPath(const std::string& path) {
    std::string out;
    for (size_t i = 0; i < path.size(); ++i) {
        if (PlatformIsLeadByte((uint8_t)path[i]) && i + 1 < path.size()) {
            out.push_back(path[i++]);
            out.push_back(path[i]);
        } else {
            out.push_back(path[i] == '/' ? '\\' : path[i]);
        }
    }
    return out;
}

static bool CopyOut(const std::string& from, char* to) {
    if (from.size() + 1 > PathMax) return false;
    memcpy(to, from.c_str(), from.size() + 1);
    return true;
}

bool PlatformModulePath(char* path) {
    std::string own = modulePath;
    if (own.empty()) {
        char buffer[4096];
        ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
        if (n <= 0) return false;
        own.assign(buffer, (size_t)n);
    }
    return CopyOut(PosixToFrontEndPath(own), path);
}

void* PlatformAlloc(uint32_t size) {
    if (failAllocationAt == 0) {
        failAllocationAt = -1;
        return nullptr;
    }
    if (failAllocationAt > 0) --failAllocationAt;
    void* block = malloc(size ? size : 1);
    if (block) ++liveAllocations;
    return block;
}

void PlatformFree(void* block) {
    if (!block) return;
    --liveAllocations;
    free(block);
}

int32_t PlatformOpen(const char* path, int flags, int mode) {
    std::string name = PosixFromFrontEndPath(path);
    int access = (flags & kOpenWriteOnly) ? O_WRONLY : (flags & kOpenReadWrite) ? O_RDWR : O_RDONLY;
    struct stat st;
    bool exists = stat(name.c_str(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode)) return -1;
    if (exists && access != O_RDONLY && !(st.st_mode & S_IWUSR)) return -1;  // read-only file
    int oflags = access | O_CLOEXEC;
    if (flags & kOpenCreate) oflags |= O_CREAT;
    if (flags & kOpenTruncate) oflags |= O_TRUNC;
    if (flags & OpenExclusive) oflags |= O_EXCL;
    int handle = open(name.c_str(), oflags, (mode & kPermWrite) ? 0644 : 0444);
    return handle < 0 ? -1 : handle;
}

int32_t PlatformRead(int32_t handle, void* buffer, uint32_t count) {
    ssize_t n = read(handle, buffer, count);
    return n < 0 ? -1 : (int32_t)n;
}

int32_t PlatformWrite(int32_t handle, const void* buffer, uint32_t count) {
    ssize_t n = write(handle, buffer, count);
    return n < 0 ? -1 : (int32_t)n;
}

int PlatformClose(int32_t handle) { return close(handle) == 0 ? 0 : -1; }

int32_t PlatformSeek(int32_t handle, int32_t offset, int origin) {
    int whence = origin == 0 ? SEEK_SET : origin == 1 ? SEEK_CUR : origin == 2 ? SEEK_END : -1;
    if (whence < 0) return -1;
    off_t position = lseek(handle, offset, whence);
    return (position < 0 || position > INT32_MAX) ? -1 : (int32_t)position;
}

bool PlatformReplaceFile(const char* from, const char* to) {
    return rename(PosixFromFrontEndPath(from).c_str(), PosixFromFrontEndPath(to).c_str()) == 0;
}

bool PlatformDeleteFile(const char* path) {
    return unlink(PosixFromFrontEndPath(path).c_str()) == 0;
}

void PlatformCreateDirectory(const char* path) {
    mkdir(PosixFromFrontEndPath(path).c_str(), 0755);
}

bool PlatformSetCurrentDirectory(const char* path) {
    return chdir(PosixFromFrontEndPath(path).c_str()) == 0;
}

bool PlatformGetCurrentDirectory(char* path) {
    char buffer[4096];
    if (!getcwd(buffer, sizeof buffer)) return false;
    return CopyOut(PosixToFrontEndPath(buffer), path);
}

uint32_t PlatformGetFileAttributes(const char* path) {
    struct stat st;
    if (stat(PosixFromFrontEndPath(path).c_str(), &st) != 0) return 0xFFFFFFFFu;
    if (S_ISDIR(st.st_mode)) return 0x10;
    return (st.st_mode & S_IWUSR) ? 0x20 : 0x21;
}

bool PlatformSetFileAttributes(const char* path, uint32_t attributes) {
    std::string name = PosixFromFrontEndPath(path);
    struct stat st;
    if (stat(name.c_str(), &st) != 0) return false;
    mode_t mode = st.st_mode & 07777;
    mode = (attributes & 0x01) ? (mode & ~(mode_t)0222) : (mode | S_IWUSR);
    return chmod(name.c_str(), mode) == 0;
}

bool PlatformSetFileTimes(const char* path, uint16_t dosDate, uint16_t dosTime) {
    struct tm t;
    memset(&t, 0, sizeof t);
    t.tm_year = (dosDate >> 9) + 80;
    t.tm_mon = ((dosDate >> 5) & 15) - 1;
    t.tm_mday = dosDate & 31;
    t.tm_hour = dosTime >> 11;
    t.tm_min = (dosTime >> 5) & 63;
    t.tm_sec = (dosTime & 31) * 2;
    t.tm_isdst = -1;
    if (t.tm_mon < 0 || t.tm_mon > 11 || t.tm_mday < 1 || t.tm_hour > 23 || t.tm_min > 59 ||
        t.tm_sec > 59)
        return false;
    time_t when = mktime(&t);
    if (when == (time_t)-1) return false;
    struct timespec times[2];
    times[0].tv_sec = 0;
    times[0].tv_nsec = UTIME_OMIT;  // last access unchanged
    times[1].tv_sec = when;
    times[1].tv_nsec = 0;
    return utimensat(AT_FDCWD, PosixFromFrontEndPath(path).c_str(), times, 0) == 0;
}

bool PlatformIsLeadByte(uint8_t byte) {
    return doubleByte && ((byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC));
}

bool PlatformDesktopFolder(char* path) {
    const char* home = getenv("HOME");
    if (!home || !*home) return false;
    std::string desktop = home;
    if (desktop.back() != '/') desktop += '/';
    return CopyOut(PosixToFrontEndPath(desktop + "Desktop"), path);
}

bool PlatformBrowseForFolder(DialogHandle, const char* title, char* path) {
    PosixUi& ui = PosixUiHooks();
    if (ui.browse) return ui.browse(title, path);
    fprintf(stderr, "%s ", title);
    std::string line;
    if (!ReadLine(&line) || line.empty()) return false;
    char resolved[4096];
    if (!realpath(line.c_str(), resolved)) return false;
    return CopyOut(PosixToFrontEndPath(resolved), path);
}

void PlatformShellOpen(const char* path) {
    PosixUi& ui = PosixUiHooks();
    std::string name = PosixFromFrontEndPath(path);
    if (ui.shellOpen) {
        ui.shellOpen(path);
        return;
    }
    char program[] = "xdg-open";
    char* argv[] = {program, const_cast<char*>(name.c_str()), nullptr};
    pid_t pid;
    if (posix_spawnp(&pid, program, nullptr, nullptr, argv, environ) != 0)
        fprintf(stderr, "could not start xdg-open for %s\n", name.c_str());
}

int PlatformMessageBox(const char* text, const char* caption, unsigned style) {
    PosixUi& ui = PosixUiHooks();
    if (ui.messageBox) return ui.messageBox(text, caption, style);
    fprintf(stderr, "\n[%s]\n%s\n", caption, text);
    unsigned buttons = style & 0x0F;
    if (buttons != BoxYesNo && buttons != BoxOkCancel) {
        if (Interactive()) {
            fprintf(stderr, "[OK] ");
            std::string line;
            ReadLine(&line);
        }
        return AnswerOk;
    }
    // The first button is the default, as on the desktop.
    bool yesNo = buttons == BoxYesNo;
    for (;;) {
        fprintf(stderr, yesNo ? "Yes or No? [Y/n] " : "OK or Cancel? [O/c] ");
        std::string line;
        if (!ReadLine(&line) || line.empty()) return yesNo ? AnswerYes : AnswerOk;
        char c = line[0] | 0x20;
        if (yesNo && (c == 'y' || c == 'n')) return c == 'y' ? AnswerYes : AnswerNo;
        if (!yesNo && (c == 'o' || c == 'c')) return c == 'o' ? AnswerOk : AnswerCancel;
    }
}

void PlatformEndDialog(DialogHandle dialog, int result) {
    AsDialog(dialog)->ended = true;
    AsDialog(dialog)->result = result;
}

void PlatformSetItemText(DialogHandle dialog, int id, const char* text) {
    AsDialog(dialog)->texts[id] = text;
}

void PlatformGetItemText(DialogHandle dialog, int id, char* text, int size) {
    if (size <= 0) return;
    const std::string& have = AsDialog(dialog)->texts[id];
    size_t n = have.size() < (size_t)size - 1 ? have.size() : (size_t)size - 1;
    memcpy(text, have.data(), n);
    text[n] = 0;
}

// A disabled control loses the focus, and nothing else takes it, as on the
// desktop.
void PlatformEnableItem(DialogHandle dialog, int id, bool enable) {
    AsDialog(dialog)->disabled[id] = !enable;
    if (!enable && AsDialog(dialog)->focus == id) AsDialog(dialog)->focus = 0;
}

void PlatformFocusItem(DialogHandle dialog, int id) { AsDialog(dialog)->focus = id; }

void PlatformShowItem(DialogHandle dialog, int id, int showMode) {
    if (id != IdProgress) return;
    bool visible = showMode != ShowHide;
    if (AsDialog(dialog)->progressVisible && !visible && Interactive() &&
        !PosixUiHooks().progress)
        fprintf(stderr, "\n");
    AsDialog(dialog)->progressVisible = visible;
}

void PlatformSendItemMessage(DialogHandle dialog, int id, unsigned message, uint32_t wParam,
                             uint32_t lParam) {
    if (id != IdProgress) return;
    PosixDialog* d = AsDialog(dialog);
    if (message == ProgressSetRange32) {
        d->progressLow = wParam;
        d->progressHigh = lParam;
        d->progressPos = wParam;
        return;
    }
    if (message != ProgressSetPos) return;
    d->progressPos = wParam;
    if (PosixUiHooks().progress) {
        PosixUiHooks().progress(wParam);
    } else if (Interactive() && d->progressVisible) {
        uint64_t span = d->progressHigh > d->progressLow ? d->progressHigh - d->progressLow : 1;
        uint64_t done = wParam > d->progressLow ? wParam - d->progressLow : 0;
        if (done > span) done = span;
        int filled = (int)(done * 40 / span);
        fprintf(stderr, "\r[%.*s%*s] %3d%%", filled, "########################################",
                40 - filled, "", (int)(done * 100 / span));
    }
}

int PosixRunDialog(PosixDialog* dialog) {
    MainDialog(dialog, MsgInitDialog, 0, 0);
    while (!dialog->ended) {
        fprintf(stderr,
                "\nMorvel SFX-Archive\n"
                "Click on 'Extract' to extract all files from this archive\n"
                "to the specified folder.\n"
                "Folder: %s\n"
                "[e]xtract  [c]ancel  [a]bout  [h]elp  [b]rowse  [f FOLDER] set folder > ",
                PosixFromFrontEndPath(dialog->texts[IdFolder].c_str()).c_str());
        std::string line;
        if (!ReadLine(&line)) line = "c";
        if (line.empty()) line = "e";  // Enter presses the default button
        int id = 0;
        switch (line[0]) {
        case 'e': id = IdExtract; break;
        case 'c': id = IdCancel; break;
        case 'a': id = IdAbout; break;
        case 'h': id = IdHelp; break;
        case 'b': id = IdBrowse; break;
        case 'f': {
            size_t start = line.find_first_not_of(' ', 1);
            std::string folder = start == std::string::npos ? "" : line.substr(start);
            dialog->texts[IdFolder] = PosixToFrontEndPath(folder);
            continue;
        }
        default: continue;
        }
        MainDialog(dialog, MsgCommand, (uintptr_t)id, 0);
    }
    return dialog->result;
}
