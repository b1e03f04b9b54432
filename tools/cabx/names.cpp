// Stored names to safe output paths.
//
// Cabinet names come from Windows: either Windows-1252 bytes or, when
// attribute 0x80 is set, UTF-8; '\' separates directories (many writers also
// use '/'). A hostile cabinet may name "..\..\x", "C:\x", "\abs" or place a
// file under a directory that a symbolic link planted in the destination
// redirects. Names are therefore reduced to plain components, and files are
// created component by component with openat and O_NOFOLLOW, so no link is
// ever followed and nothing lands outside the destination.
#include <errno.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <iconv.h>
#include <locale.h>
#include <signal.h>
#include <stdio.h>
#include <string.h>
#include <time.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <wctype.h>

#include <atomic>
#include <mutex>
#include <unordered_set>

#include "cabx.h"

namespace cabx {

namespace {

// Code points of Windows-1252 bytes 0x80 to 0x9F. The five bytes it leaves
// undefined are marked by their own value (and escaped).
const uint16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, uint32_t cp) {
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | cp >> 6);
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xE0 | cp >> 12);
        out += char(0x80 | (cp >> 6 & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

// The length of the well-formed UTF-8 sequence at s[i], or 0 when there is
// none there (a stray or overlong byte, a surrogate, a cut-off sequence).
size_t Utf8SequenceAt(const std::string& s, size_t i) {
    unsigned char c = s[i];
    int n = c < 0x80 ? 0 : (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2 : (c & 0xF8) == 0xF0 ? 3 : -1;
    if (n < 0 || (n == 1 && c < 0xC2) || (n == 3 && c > 0xF4)) return 0;
    if (i + n >= s.size() + (n ? 0 : 1)) return 0;
    uint32_t cp = n == 0 ? c : c & (0x3F >> n);
    for (int k = 1; k <= n; ++k) {
        unsigned char t = s[i + k];
        if ((t & 0xC0) != 0x80) return 0;
        cp = cp << 6 | (t & 0x3F);
    }
    if ((n == 2 && cp < 0x800) || (n == 3 && (cp < 0x10000 || cp > 0x10FFFF)) ||
        (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return size_t(n) + 1;
}

}  // namespace

bool ValidUtf8(const std::string& s) {
    for (size_t i = 0, n; i < s.size(); i += n)
        if ((n = Utf8SequenceAt(s, i)) == 0) return false;
    return true;
}

namespace {

// The legacy character set of names without the UTF-8 attribute (empty:
// Windows-1252, by the table above) and whether names are lower-cased.
// Set once from the command line before any name is read.
std::string gCharset;
bool gLowercase = false;

void AppendEscape(std::string& out, unsigned char c) {
    char buf[4];
    snprintf(buf, sizeof buf, "%%%02X", c);
    out += buf;
}

// A conversion descriptor per thread (parallel passes convert names at the
// same time, and a descriptor carries shift state).
struct Converter {
    iconv_t cd = iconv_t(-1);
    ~Converter() {
        if (cd != iconv_t(-1)) iconv_close(cd);
    }
};

std::string Convert(const std::string& stored) {
    thread_local Converter conv;
    if (conv.cd == iconv_t(-1)) conv.cd = iconv_open("UTF-8", gCharset.c_str());
    std::string out;
    if (conv.cd == iconv_t(-1)) {  // checked in SetNameEncoding; escape everything
        for (unsigned char c : stored) c < 0x80 ? void(out += char(c)) : AppendEscape(out, c);
        return out;
    }
    iconv(conv.cd, nullptr, nullptr, nullptr, nullptr);
    char* in = const_cast<char*>(stored.data());
    size_t inLeft = stored.size();
    char buf[1024];  // a stored name has at most 255 bytes: 4 KiB of UTF-8 at worst
    while (inLeft > 0) {
        char* o = buf;
        size_t oLeft = sizeof buf;
        size_t r = iconv(conv.cd, &in, &inLeft, &o, &oLeft);
        out.append(buf, size_t(o - buf));
        if (r != size_t(-1)) break;
        if (errno == E2BIG) continue;
        // A byte (or a cut-off sequence) the character set does not define:
        // escaped, and conversion resumes after it in the initial state.
        AppendEscape(out, static_cast<unsigned char>(*in));
        ++in;
        --inLeft;
        iconv(conv.cd, nullptr, nullptr, nullptr, nullptr);
    }
    // Flush a stateful encoding's return to the initial state.
    char* o = buf;
    size_t oLeft = sizeof buf;
    iconv(conv.cd, nullptr, nullptr, &o, &oLeft);
    out.append(buf, size_t(o - buf));
    return out;
}

std::string Cp1252ToUtf8(const std::string& stored) {
    std::string out;
    for (unsigned char c : stored) {
        if (c < 0x80) out += char(c);
        else if (c >= 0xA0) AppendUtf8(out, c);
        else if (kCp1252High[c - 0x80] == c) AppendEscape(out, c);  // undefined in Windows-1252
        else AppendUtf8(out, kCp1252High[c - 0x80]);
    }
    return out;
}

// Lower-cases valid UTF-8 by code point, with the Unicode tables of the
// C.UTF-8 locale (ASCII only where that locale is missing).
std::string Lowercase(const std::string& utf8) {
    static locale_t utf8Locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t(0));
    std::string out;
    size_t i = 0;
    while (i < utf8.size()) {
        unsigned char c = utf8[i];
        int n = c < 0x80 ? 0 : c < 0xE0 ? 1 : c < 0xF0 ? 2 : 3;
        uint32_t cp = n == 0 ? c : c & (0x3F >> n);
        for (int k = 1; k <= n && i + k < utf8.size(); ++k) cp = cp << 6 | (utf8[i + k] & 0x3F);
        i += n + 1;
        if (cp < 0x80) cp = uint32_t(tolower(int(cp)));
        else if (utf8Locale) cp = uint32_t(towlower_l(wint_t(cp), utf8Locale));
        if (cp < 0x10000) {
            AppendUtf8(out, cp);
        } else {
            out += char(0xF0 | cp >> 18);
            out += char(0x80 | (cp >> 12 & 0x3F));
            out += char(0x80 | (cp >> 6 & 0x3F));
            out += char(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

}  // namespace

bool SetNameEncoding(const std::string& charset, std::string* error) {
    std::string upper;
    for (char c : charset) upper += char(toupper(static_cast<unsigned char>(c)));
    if (upper == "CP1252" || upper == "WINDOWS-1252") {
        gCharset.clear();
        return true;
    }
    iconv_t cd = iconv_open("UTF-8", charset.c_str());
    if (cd == iconv_t(-1)) {
        *error = "unknown character set '" + charset + "' (see iconv --list)";
        return false;
    }
    iconv_close(cd);
    gCharset = charset;
    return true;
}

void SetLowercaseNames(bool on) { gLowercase = on; }

std::string NameToUtf8(const std::string& stored, uint16_t attributes) {
    std::string out;
    if ((attributes & 0x80) && ValidUtf8(stored)) out = stored;
    else if (gCharset.empty()) out = Cp1252ToUtf8(stored);
    else out = Convert(stored);
    return gLowercase ? Lowercase(out) : out;
}

std::string Printable(const std::string& utf8) {
    std::string out;
    for (size_t i = 0; i < utf8.size(); ++i) {
        unsigned char c = utf8[i];
        if (c < 0x20 || c == 0x7F) {
            AppendEscape(out, c);
        } else if (c == 0xC2 && i + 1 < utf8.size() && (utf8[i + 1] & 0xE0) == 0x80) {
            AppendEscape(out, static_cast<unsigned char>(utf8[++i]));  // U+0080 to U+009F
        } else {
            out += char(c);
        }
    }
    return out;
}

std::string SlashSeparated(const std::string& utf8) {
    std::string out = utf8;
    for (char& c : out) if (c == '\\') c = '/';
    return out;
}

std::vector<std::string> SafeComponents(const std::string& utf8) {
    std::string s = utf8;
    // A drive prefix ("C:"), possibly after leading separators.
    size_t start = s.find_first_not_of("\\/");
    if (start != std::string::npos && start + 1 < s.size() && s[start + 1] == ':' &&
        ((s[start] | 0x20) >= 'a' && (s[start] | 0x20) <= 'z'))
        s.erase(0, start + 2);
    std::vector<std::string> parts;
    std::string part;
    auto flush = [&]() {
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        part.clear();
    };
    for (unsigned char c : s) {
        if (c == '\\' || c == '/') flush();
        else part += (c < 0x20 || c == 0x7F) ? '_' : char(c);
    }
    flush();
    return parts;
}

namespace {

// The directories this process made below the output root of the run (and
// the root itself when it was made by the run or found empty).
// Nothing else is expected to write there, so a name in one of them exists
// only if this process put it there: the check before creating a file can
// be skipped when the name is not one of the directories made. (Anything
// that appears meanwhile is still caught when the file is moved into place.)
struct MadeDirectories {
    std::mutex mutex;
    int rootFd = -1;
    bool rootMade = false;
    std::unordered_set<std::string> paths;  // '/'-joined, below the root
};
MadeDirectories gMade;

std::string JoinParts(const std::vector<std::string>& parts, size_t count) {
    std::string key;
    for (size_t i = 0; i < count; ++i) {
        if (i) key += '/';
        key += parts[i];
    }
    return key;
}

// True when the last of `parts` cannot exist but as one of the directories
// made by this process (then *isDirectory tells whether it is one).
bool KnownBelowMade(int rootFd, const std::vector<std::string>& parts, bool* isDirectory) {
    std::lock_guard<std::mutex> lock(gMade.mutex);
    if (rootFd != gMade.rootFd) return false;
    std::string parent = JoinParts(parts, parts.size() - 1);
    if (parent.empty() ? !gMade.rootMade : !gMade.paths.count(parent)) return false;
    *isDirectory = gMade.paths.count(JoinParts(parts, parts.size())) != 0;
    return true;
}

void NoteMade(int rootFd, const std::vector<std::string>& parts, size_t count) {
    std::lock_guard<std::mutex> lock(gMade.mutex);
    if (rootFd == gMade.rootFd) gMade.paths.insert(JoinParts(parts, count));
}

// Enters (creating as needed) the directories of `parts` but the last below
// rootFd, never following a symbolic link. Returns the innermost directory
// (rootFd itself for a file at the top), or -1 with a reason.
int EnterParents(int rootFd, const std::vector<std::string>& parts, std::string* error) {
    int dir = rootFd;
    std::string walked;
    for (size_t i = 0; i + 1 < parts.size(); ++i) {
        walked += parts[i] + "/";
        int next = openat(dir, parts[i].c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (next < 0 && errno == ENOENT) {
            if (mkdirat(dir, parts[i].c_str(), 0777) == 0) {
                NoteMade(rootFd, parts, i + 1);
            } else if (errno != EEXIST) {
                int e = errno;
                *error = "cannot create directory '" + walked + "': " + strerror(e);
                if (dir != rootFd) close(dir);
                errno = e;
                return -1;
            }
            next = openat(dir, parts[i].c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        }
        if (next < 0) {
            int e = errno;
            struct stat st;
            if (fstatat(dir, parts[i].c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(st.st_mode))
                *error = "'" + walked + "' is a symbolic link; not followed";
            else
                *error = "cannot enter directory '" + walked + "': " + strerror(e);
            if (dir != rootFd) close(dir);
            errno = e;
            return -1;
        }
        if (dir != rootFd) close(dir);
        dir = next;
    }
    return dir;
}

const char kDirectoryInTheWay[] = "a directory of that name exists";

// Extraction passes running side by side each write files, mostly into the
// same directories. Adding or renaming an entry holds the directory's lock
// in the kernel, and a thread waiting for that lock spins while the holder
// runs; on a file system whose inode allocation is slow (it can scan many
// recently freed inodes under that lock) the spinning cost as much CPU time
// as the work itself. The threads take turns here instead, where a waiting
// thread sleeps.
std::mutex gEntryChanges;

// The temporary files being written, for the signal handler that removes
// them when the run is interrupted. Any number may exist at once (create
// stages every cabinet of a set before renaming them), so the slots form a
// list that only grows: a slot is taken by compare-and-swap, a new one is
// pushed at the head, none is ever freed, and the handler walks the list
// with atomic loads alone. A slot's directory is -1 when free and -2 while
// its name is being filled.
//
// A name is registered before the file is created, and creators count
// themselves in `gCreating` while they create: the handler first sets
// `gDying`, which stops new creations, waits for those under way, and only
// then removes what the slots name. A file can then neither appear after
// the handler has looked nor be missed by it, whichever thread the signal
// interrupts.
struct TempSlot {
    std::atomic<int> dirFd{-1};
    char name[64];
    TempSlot* next = nullptr;
};
std::atomic<TempSlot*> gTemps{nullptr};
std::atomic<bool> gDying{false};
std::atomic<int> gCreating{0};

TempSlot* Register(int dirFd, const char* name) {
    TempSlot* t = gTemps.load();
    for (; t; t = t->next) {
        int expected = -1;
        if (t->dirFd.compare_exchange_strong(expected, -2)) break;
    }
    if (!t) {
        t = new TempSlot;
        t->dirFd.store(-2);
        t->next = gTemps.load();
        while (!gTemps.compare_exchange_weak(t->next, t)) {
        }
    }
    snprintf(t->name, sizeof t->name, "%s", name);
    t->dirFd.store(dirFd);
    return t;
}

void Unregister(TempSlot* slot) {
    if (slot) slot->dirFd.store(-1);
}

void RemoveTempsAndDie(int sig) {
    gDying.store(true);
    // Creations under way finish (each is one openat); the wait is bounded
    // in case the signal interrupted a creator on this very thread.
    for (int i = 0; i < 200 && gCreating.load() > 0; ++i) {
        struct timespec pause = {0, 1000000};
        nanosleep(&pause, nullptr);
    }
    for (TempSlot* t = gTemps.load(); t; t = t->next) {
        int fd = t->dirFd.load();
        if (fd >= 0) unlinkat(fd, t->name, 0);
    }
    signal(sig, SIG_DFL);
    raise(sig);
}

// Makes the hidden name `name` in `dir` with make(name) (an O_EXCL creation
// or a link: -1 with errno EEXIST when the name is taken), its slot
// registered first; the result of make, or -1 with errno. Once a signal is
// being handled no name is made: the thread waits for the end.
template <class Make>
int MakeRegistered(int dir, const char* name, TempSlot** slot, Make make) {
    gCreating.fetch_add(1);
    if (gDying.load()) {
        gCreating.fetch_sub(1);
        for (;;) pause();
    }
    *slot = Register(dir, name);
    int r;
    {
        std::lock_guard<std::mutex> lock(gEntryChanges);
        r = make(name);
    }
    int error = errno;
    if (r < 0) {
        Unregister(*slot);  // not ours: an existing file of that name is left alone
        *slot = nullptr;
    }
    gCreating.fetch_sub(1);
    errno = error;
    return r;
}

// Numbers the hidden names of the process.
std::atomic<unsigned> gTemporarySerial{0};

// Gives the file a fresh hidden name in its directory with make (see
// MakeRegistered); the result of make, or -1 with errno. The name is never
// derived from the stored name, so it cannot be too long where the real
// name is not.
template <class Make>
int MakeTemporaryName(PendingFile* file, Make make) {
    static const long pid = long(getpid());
    for (int attempt = 0; attempt < 100; ++attempt) {
        char temp[64];
        snprintf(temp, sizeof temp, ".cabx-%ld-%u.part", pid, gTemporarySerial.fetch_add(1));
        TempSlot* slot = nullptr;
        int r = MakeRegistered(file->dirFd, temp, &slot, make);
        if (r >= 0) {
            file->temp = temp;
            file->slot = slot;
            return r;
        }
        if (errno != EEXIST) break;
    }
    return -1;
}

// Creates the file under a fresh hidden name in its directory; its
// descriptor, or -1 with errno. O_EXCL: an existing file of that name (or a
// link planted there) is never opened.
int CreateUnderTemporaryName(PendingFile* file) {
    const int dir = file->dirFd;
    return MakeTemporaryName(file, [dir](const char* temp) {
        return openat(dir, temp, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    });
}

// Files are written, where the file system allows, as an unnamed inode of
// their directory (O_TMPFILE) and named by linkat() once complete. A file cut
// short, or a run killed outright, then leaves nothing behind, and a file
// costs one change to its directory where a temporary name costs two: on ext4,
// 1232 files created and renamed took 0.040 s more system time than created
// under their own names, and 0.020 s more created unnamed and linked. linkat()
// names the file through its descriptor or, without the capability for that,
// through /proc/self/fd (see LinkUnnamed), which a chroot or a container may
// lack, so that is checked once; where linking is refused anyway (a security
// policy), that file is copied (NameByCopy) and the files after it are written
// named. Elsewhere, and with CABX_NAMED_TEMPORARIES set (to test that path on
// any machine), a file is written under a hidden temporary name and renamed.
//
// 1 unnamed files are used, 0 they are not, -1 not known yet.
std::atomic<int> gUnnamed{-1};
// The mode an unnamed file must have: 0666 less the process's umask, read
// with the check above (umask() itself would change it for a moment, under
// the other threads' feet). Older kernels did not apply the umask to
// unnamed files on file systems without ACLs, so each file's mode is
// checked, until one in the output root came out as it must: that answers
// for the root's later files (the kernel and the root's default ACL do not
// change within a run), and saves a system call per file, which costs more
// than its work on a virtualised machine. Files in other directories, which
// may lie on another file system, are each checked.
std::atomic<unsigned> gUnnamedMode{0};
// The output root whose files need no check, or -1.
std::atomic<int> gModeSettledRoot{-1};

// The process's umask as /proc/self/status gives it, or -1.
int ProcessUmask() {
    FILE* status = fopen("/proc/self/status", "re");
    if (!status) return -1;
    char line[128];
    int mask = -1;
    while (fgets(line, sizeof line, status))
        if (sscanf(line, "Umask: %o", &mask) == 1) break;
    fclose(status);
    return mask;
}

void ProcPath(int fd, char (&path)[32]) { snprintf(path, sizeof path, "/proc/self/fd/%d", fd); }

// An unnamed file in dir (which is rootFd or a directory below it), or -1
// (with nothing to report: the named path then reports whatever stands in
// the way).
int OpenUnnamed(int dir, int rootFd) {
    int known = gUnnamed.load(std::memory_order_acquire);
    if (known == 0) return -1;
    if (known < 0 && getenv("CABX_NAMED_TEMPORARIES")) {
        gUnnamed.store(0);
        return -1;
    }
    // Readable, for NameByCopy.
    int fd = openat(dir, ".", O_TMPFILE | O_RDWR | O_CLOEXEC, 0666);
    if (fd >= 0 && known < 0) {
        char path[32];
        ProcPath(fd, path);
        const int mask = ProcessUmask();
        bool usable = mask >= 0 && faccessat(AT_FDCWD, path, F_OK, 0) == 0;
        if (usable) gUnnamedMode.store(0666u & ~unsigned(mask));
        gUnnamed.store(usable ? 1 : 0);
        if (!usable) {
            close(fd);
            return -1;
        }
    }
    if (fd < 0 || (dir == rootFd && gModeSettledRoot.load(std::memory_order_relaxed) == rootFd))
        return fd;
    struct stat st;
    const unsigned mode = gUnnamedMode.load(std::memory_order_relaxed);
    if (fstat(fd, &st) != 0) return fd;
    if ((st.st_mode & 07777) == mode) {
        if (dir == rootFd) gModeSettledRoot.store(rootFd, std::memory_order_relaxed);
    } else if (fgetxattr(dir, "system.posix_acl_default", nullptr, 0) < 0) {
        // A default ACL of the directory decides the mode instead, as it
        // does for a file created named.
        fchmod(fd, mode);
    }
    return fd;
}

}  // namespace

void SetOutputRoot(int rootFd, bool made) {
    std::lock_guard<std::mutex> lock(gMade.mutex);
    gMade.rootFd = rootFd;
    gMade.rootMade = made;
    gMade.paths.clear();
    gModeSettledRoot.store(-1, std::memory_order_relaxed);
}

void RemoveTemporaryFilesOnSignals() {
    static std::atomic<bool> installed{false};
    if (installed.exchange(true)) return;
    for (int sig : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction old;
        // A signal the caller chose to ignore stays ignored.
        if (sigaction(sig, nullptr, &old) == 0 && old.sa_handler == SIG_IGN) continue;
        signal(sig, RemoveTempsAndDie);
    }
}

int OpenOutputBelow(int rootFd, const std::vector<std::string>& parts, bool keepExisting,
                    bool* skipped, std::string* error, PendingFile* file) {
    *skipped = false;
    *file = PendingFile();
    int dir = EnterParents(rootFd, parts, error);
    if (dir < 0) return -1;
    file->rootFd = rootFd;
    file->dirFd = dir;
    file->leaf = parts.back();
    // Decided here so that a file that cannot be placed is refused before
    // any of it is written; the move into place checks again.
    struct stat st;
    bool madeDirectory = false;
    if (!keepExisting && KnownBelowMade(rootFd, parts, &madeDirectory)) {
        if (madeDirectory) {
            *error = kDirectoryInTheWay;
            DropPending(file);
            errno = EISDIR;
            return -1;
        }
    } else if (fstatat(dir, file->leaf.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0) {
        if (keepExisting) *skipped = true;
        else if (S_ISDIR(st.st_mode)) *error = kDirectoryInTheWay;
        if (keepExisting || S_ISDIR(st.st_mode)) {
            DropPending(file);
            errno = EISDIR;
            return -1;
        }
    }
    file->fd = OpenUnnamed(dir, rootFd);
    if (file->fd >= 0) {
        file->unnamed = true;
        return file->fd;
    }
    int fd = CreateUnderTemporaryName(file);
    if (fd >= 0) {
        file->fd = fd;
        return fd;
    }
    int e = errno;
    *error = std::string("cannot create file: ") + strerror(e);
    DropPending(file);
    errno = e;
    return -1;
}

// The unnamed file cannot be named (a file system or a security policy
// that refuses links): its bytes, mode and times go into a file under a
// hidden temporary name, which then takes the real name as a named file
// does. False with errno when that fails too (a temporary name made is
// removed with the file by DropPending).
bool NameByCopy(PendingFile* file) {
    struct stat st;
    if (fstat(file->fd, &st) != 0) return false;
    const int named = CreateUnderTemporaryName(file);
    if (named < 0) return false;
    const int unnamed = file->fd;
    file->fd = named;
    file->unnamed = false;
    bool ok = true;
    std::vector<uint8_t> buffer(64 << 10);
    for (off_t at = 0; ok;) {
        ssize_t n = pread(unnamed, buffer.data(), buffer.size(), at);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        ok = WriteAll(named, buffer.data(), size_t(n));
        at += n;
    }
    const struct timespec times[2] = {st.st_atim, st.st_mtim};
    ok = ok && fchmod(named, st.st_mode & 07777) == 0 && futimens(named, times) == 0;
    const int error = errno;
    close(unnamed);
    errno = error;
    return ok;
}

// What a failed move into place reports.
std::string PlacingError(int error) {
    return error == EISDIR || error == ENOTEMPTY || error == EEXIST
               ? std::string(kDirectoryInTheWay)
               : std::string("cannot move file into place: ") + strerror(error);
}

// Whether an unnamed file can be named through its own descriptor
// (AT_EMPTY_PATH), which needs a capability the process may lack: a path
// through /proc costs a walk of that path for every file (4% of the CPU
// time of extracting a stored cabinet of 1232 files to tmpfs). Cleared at
// the first refusal; CABX_LINK_BY_PATH clears it from the start (to test
// that path with the capability).
std::atomic<bool> gLinkByHandle{getenv("CABX_LINK_BY_PATH") == nullptr};

// How LinkUnnamed left the file.
enum class Linked { kDone, kFailed, kRenameFollows };

// Names an unnamed file: linked straight to its name (kDone; the file is
// let go), or, where something has the name and may be replaced or where
// linking is refused, given a temporary name that CommitPending then renames
// (kRenameFollows). kFailed: dropped, with *skipped for a file kept by -n,
// else a reason in *error, and errno.
Linked LinkUnnamed(PendingFile* file, bool keepExisting, bool* skipped, std::string* error) {
    // linkat() never replaces, and never follows a link in its way.
    char path[32];
    ProcPath(file->fd, path);
    std::unique_lock<std::mutex> lock(gEntryChanges);
    int r = -1, linkError = 0;
    bool tried = false;  // r and linkError hold the answer of a link made
    if (gLinkByHandle.load(std::memory_order_relaxed)) {
        r = linkat(file->fd, "", file->dirFd, file->leaf.c_str(), AT_EMPTY_PATH);
        linkError = errno;
        tried = true;
        // Refused rather than failed: the name is still free.
        if (r != 0 && (linkError == ENOENT || linkError == EPERM || linkError == EINVAL) &&
            faccessat(file->dirFd, file->leaf.c_str(), F_OK, AT_SYMLINK_NOFOLLOW) != 0) {
            gLinkByHandle.store(false);
            tried = false;
        }
    }
    if (!tried) {
        r = linkat(AT_FDCWD, path, file->dirFd, file->leaf.c_str(), AT_SYMLINK_FOLLOW);
        linkError = errno;
    }
    lock.unlock();
    if (r == 0) {
        int fd = file->fd;
        file->fd = -1;
        bool closed = close(fd) == 0;
        int closeError = errno;
        if (!closed) {
            // The name is the new file's alone: linkat() made it.
            unlinkat(file->dirFd, file->leaf.c_str(), 0);
            *error = std::string("cannot write file: ") + strerror(closeError);
        }
        DropPending(file);
        errno = closeError;
        return closed ? Linked::kDone : Linked::kFailed;
    }
    if (linkError == EEXIST && !keepExisting) {
        // Something has the name: the file takes a temporary one and
        // replaces it by rename(), as a named file does.
        r = MakeTemporaryName(file, [file, &path](const char* temp) {
            return linkat(AT_FDCWD, path, file->dirFd, temp, AT_SYMLINK_FOLLOW);
        });
        linkError = errno;
    }
    if (r != 0 && (linkError == EPERM || linkError == EACCES || linkError == EOPNOTSUPP ||
                   linkError == ENOENT || linkError == EXDEV)) {
        // Refused (a file system or a security policy that makes unnamed
        // files but does not let them be named): this file is copied under
        // a temporary name, and the files after it are written named from
        // the start. Other failures (a name too long, a full disk) concern
        // the name, and are reported.
        gUnnamed.store(0);
        if (NameByCopy(file)) r = 0;
        else linkError = errno;
    }
    if (r == 0) return Linked::kRenameFollows;
    if (linkError == EEXIST && keepExisting) *skipped = true;
    else *error = PlacingError(linkError);
    DropPending(file);
    errno = linkError;
    return Linked::kFailed;
}

bool CommitPending(PendingFile* file, bool keepExisting, bool* skipped, std::string* error) {
    *skipped = false;
    if (file->unnamed && file->fd >= 0) {
        Linked linked = LinkUnnamed(file, keepExisting, skipped, error);
        if (linked == Linked::kDone) return true;
        if (linked == Linked::kFailed) return *skipped;
    }
    if (file->fd >= 0) {
        int fd = file->fd;
        file->fd = -1;
        if (close(fd) != 0) {
            *error = std::string("cannot write file: ") + strerror(errno);
            DropPending(file);
            return false;
        }
    }
    // rename() replaces an existing file or symbolic link as a whole (a
    // read-only file too) and never writes through it. With -n a file that
    // appeared meanwhile is kept.
    std::unique_lock<std::mutex> lock(gEntryChanges);
    int r = keepExisting ? renameat2(file->dirFd, file->temp.c_str(), file->dirFd,
                                     file->leaf.c_str(), RENAME_NOREPLACE)
                         : renameat(file->dirFd, file->temp.c_str(), file->dirFd, file->leaf.c_str());
    if (r != 0 && keepExisting && (errno == EINVAL || errno == ENOSYS)) {
        // A file system without no-replace renames: check, then rename.
        struct stat st;
        if (fstatat(file->dirFd, file->leaf.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0) errno = EEXIST;
        else r = renameat(file->dirFd, file->temp.c_str(), file->dirFd, file->leaf.c_str());
    }
    int renameError = errno;
    lock.unlock();
    errno = renameError;
    bool ok = r == 0;
    if (!ok && keepExisting && errno == EEXIST) {
        *skipped = true;
    } else if (!ok) {
        *error = PlacingError(errno);
    }
    if (ok) file->temp.clear();
    DropPending(file);
    errno = renameError;
    return ok || *skipped;
}

bool WriteAll(int fd, const uint8_t* p, size_t n) {
    while (n > 0) {
        ssize_t w = write(fd, p, n);
        if (w < 0 && errno == EINTR) continue;
        if (w <= 0) {
            if (w == 0) errno = EIO;
            return false;
        }
        p += w;
        n -= size_t(w);
    }
    return true;
}

void DropPending(PendingFile* file) {
    if (file->fd >= 0) close(file->fd);
    if (!file->temp.empty() && file->dirFd >= 0) unlinkat(file->dirFd, file->temp.c_str(), 0);
    // Only once the name is gone (renamed or removed), so that a signal in
    // between never leaves it behind.
    Unregister(static_cast<TempSlot*>(file->slot));
    if (file->dirFd >= 0 && file->dirFd != file->rootFd) close(file->dirFd);
    *file = PendingFile();
}

bool ExistsBelow(int rootFd, const std::vector<std::string>& parts) {
    if (parts.empty()) return false;
    int dir = rootFd;
    for (size_t i = 0; i + 1 < parts.size(); ++i) {
        int next = openat(dir, parts[i].c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (dir != rootFd) close(dir);
        if (next < 0) return false;
        dir = next;
    }
    struct stat st;
    bool found = fstatat(dir, parts.back().c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0;
    if (dir != rootFd) close(dir);
    return found;
}

bool MatchesAny(const std::vector<std::string>& patterns, const std::string& stored) {
    if (patterns.empty()) return true;
    // The name as stored, and as shown (converted by the chosen character
    // set, or read as UTF-8, and lower-cased with -L); each also with '/'
    // between directories.
    std::vector<std::string> names = {stored, NameToUtf8(stored, 0)};
    if (ValidUtf8(stored)) names.push_back(NameToUtf8(stored, 0x80));
    for (size_t i = 0, n = names.size(); i < n; ++i) names.push_back(SlashSeparated(names[i]));
    for (const std::string& p : patterns)
        for (const std::string& name : names)
            if (fnmatch(p.c_str(), name.c_str(), FNM_NOESCAPE) == 0) return true;
    return false;
}

std::string JsonString(const std::string& s) {
    std::string out = "\"";
    for (size_t i = 0; i < s.size();) {
        unsigned char c = s[i];
        size_t n = Utf8SequenceAt(s, i);
        if (n == 0) {
            // Not UTF-8 (an archive's path, a neighbour cabinet's name in a
            // legacy code page): escaped as names are, so the text stays JSON.
            AppendEscape(out, c);
        } else if (c == '"' || c == '\\') {
            out += '\\';
            out += char(c);
        } else if (c < 0x20) {
            char buf[8];
            snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
        } else {
            out.append(s, i, n);
        }
        i += n ? n : 1;
    }
    return out + "\"";
}

std::string DosDateTimeText(uint16_t date, uint16_t time, char separator) {
    char buf[32];
    snprintf(buf, sizeof buf, "%04u-%02u-%02u%c%02u:%02u:%02u", 1980 + (date >> 9), (date >> 5) & 15,
             date & 31, separator, time >> 11, (time >> 5) & 63, (time & 31) * 2);
    return buf;
}

std::string AttributeText(uint16_t a) {
    std::string s;
    s += a & 0x01 ? 'r' : '-';
    s += a & 0x02 ? 'h' : '-';
    s += a & 0x04 ? 's' : '-';
    s += a & 0x20 ? 'a' : '-';
    s += a & 0x40 ? 'x' : '-';
    s += a & 0x80 ? 'u' : '-';
    return s;
}

}  // namespace cabx
