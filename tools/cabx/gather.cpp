// What cabx create and cabx sfx store, and how they write what they make.
//
// A cabinet holds regular files only, each under a stored name whose
// directories are separated by '\'. A directory given on the command line
// is walked in name order; inside it a symbolic link to a regular file is
// stored as that file's data under the link's own name (a cabinet has no
// links), while a link to a directory (which could lead round in a loop), a
// link that leads nowhere, and pipes, sockets and devices are skipped with a
// warning. Names always come from the path as walked, never from where a
// link leads, so nothing outside the directory given can lend its name.
//
// The archive made is written unnamed (or under a temporary name) beside
// its place and named once complete: a run that fails (a full disk, an
// interrupt) leaves neither a cut-short archive nor a damaged old one.
#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>

#include "gather.h"

namespace cabx {

namespace {

// The MS-DOS date and time of a file's modification, clamped to what the
// format can hold: 1980-01-01 00:00:00 to 2107-12-31 23:59:58. A later date
// becomes the latest whole, so that dates keep their order (capping only
// the year would put 2108-01-01 before 2107-12-31).
void DosTime(time_t t, uint16_t* date, uint16_t* time) {
    struct tm tm = {};
    bool known = localtime_r(&t, &tm) != nullptr;  // not for years past an int
    if (known ? tm.tm_year < 80 : t < 0) {
        tm = {};
        tm.tm_year = 80;  // 1980-01-01 00:00:00
        tm.tm_mday = 1;
    } else if (!known || tm.tm_year > 207) {
        tm = {};
        tm.tm_year = 207;  // 2107-12-31 23:59:58
        tm.tm_mon = 11;
        tm.tm_mday = 31;
        tm.tm_hour = 23;
        tm.tm_min = 59;
        tm.tm_sec = 58;
    }
    *date = uint16_t((tm.tm_year - 80) << 9 | (tm.tm_mon + 1) << 5 | tm.tm_mday);
    *time = uint16_t(tm.tm_hour << 11 | tm.tm_min << 5 | tm.tm_sec / 2);
}

std::string Join(const std::string& dir, const std::string& name) {
    return dir.empty() || dir.back() == '/' ? dir + name : dir + "/" + name;
}

}  // namespace

bool ParseNumber(const std::string& s, unsigned long long max, unsigned long long* out) {
    if (s.empty() || s.find_first_not_of("0123456789") != std::string::npos) return false;
    errno = 0;
    *out = strtoull(s.c_str(), nullptr, 10);
    return errno == 0 && *out <= max;
}

bool ReadAll(const std::string& path, size_t expected, std::vector<uint8_t>* out) {
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    out->assign(expected, 0);
    size_t got = 0;
    // Bytes past the expected size (the file grew meanwhile) come through a
    // small buffer, so that a file read at its listed size holds no spare
    // capacity: every file's data stay in memory until the archive is
    // written, and a spare 64 KiB each made gigabytes of many small files.
    uint8_t more[4096];
    for (;;) {
        const bool past = got >= out->size();
        ssize_t n = read(fd, past ? more : out->data() + got, past ? sizeof more : out->size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            int e = errno;
            close(fd);
            out->resize(got);
            errno = e;
            return n == 0;
        }
        if (past) out->insert(out->end(), more, more + n);
        got += size_t(n);
    }
}

bool StorablePart(const std::string& part) {
    return !part.empty() && part != "." && part != ".." && part.find('\\') == std::string::npos;
}

bool ParseMethod(const std::string& text, cabwriter::FolderSpec* spec) {
    std::string name = text.substr(0, text.find(':'));
    std::string arg = text.find(':') == std::string::npos ? "" : text.substr(text.find(':') + 1);
    bool hasArg = text.find(':') != std::string::npos;
    unsigned long long v = 0;
    if (name == "none" || name == "stored") {
        spec->method = cabwriter::Method::Stored;
        return !hasArg;
    }
    if (name == "mszip") {
        spec->method = cabwriter::Method::Mszip;
        spec->level = 6;
        if (!hasArg) return true;
        if (!ParseNumber(arg, 9, &v)) return false;
        spec->level = int(v);
        return true;
    }
    if (name == "lzx" || name == "quantum") {
        bool lzx = name == "lzx";
        spec->method = lzx ? cabwriter::Method::Lzx : cabwriter::Method::Quantum;
        spec->windowBits = 21;
        if (!hasArg) return true;
        if (!ParseNumber(arg, 21, &v) || v < (lzx ? 15u : 10u)) return false;
        spec->windowBits = int(v);
        return true;
    }
    return false;
}

Inputs::Inputs(const std::string& made) {
    struct stat st;
    if (stat(made.c_str(), &st) == 0) {
        made_ = true;
        madeDev_ = st.st_dev;
        madeIno_ = st.st_ino;
    }
}

bool Inputs::Add(const std::string& path, const std::string& stored, std::string* error) {
    struct stat st;
    if (stat(path.c_str(), &st) != 0) {
        *error = "'" + path + "': " + strerror(errno);
        return false;
    }
    std::vector<Found> found;
    if (S_ISDIR(st.st_mode)) {
        if (!Walk(path, stored, 0, &found, error)) return false;
        std::sort(found.begin(), found.end(),
                  [](const Found& a, const Found& b) { return a.stored < b.stored; });
    } else if (S_ISREG(st.st_mode)) {
        if (stored.empty()) {
            *error = "'" + path + "': no name to store it under";
            return false;
        }
        // Met in a directory, the archive is passed over (an earlier run's
        // output); named as an input, it is most likely a forgotten archive
        // name, and the file would be replaced by an archive without it.
        if (made_ && st.st_dev == madeDev_ && st.st_ino == madeIno_) {
            *error = "'" + path + "' is the archive being written; it cannot be an input too";
            return false;
        }
        found.push_back({path, stored, st});
    } else {
        *error = "'" + path + "': not a regular file or a directory";
        return false;
    }
    for (const Found& f : found)
        if (!Take(f, error)) return false;
    return true;
}

bool Inputs::Walk(const std::string& dir, const std::string& stored, unsigned depth,
                  std::vector<Found>* found, std::string* error) {
    // A stored name is at most 255 bytes, so a deeper tree cannot be stored;
    // the bound also ends a walk that a bind mount would send round a loop.
    if (depth > 128) {
        *error = "'" + dir + "': directories nested too deep";
        return false;
    }
    DIR* d = opendir(dir.c_str());
    if (!d) {
        *error = "'" + dir + "': " + strerror(errno);
        return false;
    }
    std::vector<std::string> names;
    errno = 0;
    while (dirent* e = readdir(d))
        if (strcmp(e->d_name, ".") != 0 && strcmp(e->d_name, "..") != 0) names.push_back(e->d_name);
    int readError = errno;
    closedir(d);
    if (readError) {
        *error = "'" + dir + "': " + strerror(readError);
        return false;
    }
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        std::string path = Join(dir, name);
        if (!StorablePart(name)) {
            *error = "'" + path + "': its name holds '\\', which separates directories in a cabinet";
            return false;
        }
        std::string inner = stored.empty() ? name : stored + "\\" + name;
        struct stat st;
        if (lstat(path.c_str(), &st) != 0) {
            *error = "'" + path + "': " + strerror(errno);
            return false;
        }
        const bool link = S_ISLNK(st.st_mode);
        if (link && stat(path.c_str(), &st) != 0) {
            fprintf(stderr, "cabx: warning: '%s': a symbolic link that leads nowhere; skipped\n",
                    Printable(path).c_str());
            continue;
        }
        if (S_ISDIR(st.st_mode) && link) {
            fprintf(stderr, "cabx: warning: '%s': a symbolic link to a directory; skipped\n",
                    Printable(path).c_str());
        } else if (S_ISDIR(st.st_mode)) {
            if (!Walk(path, inner, depth + 1, found, error)) return false;
        } else if (S_ISREG(st.st_mode)) {
            found->push_back({path, inner, st});
        } else {
            fprintf(stderr, "cabx: warning: '%s': not a regular file; skipped\n",
                    Printable(path).c_str());
        }
    }
    return true;
}

bool Inputs::Take(const Found& f, std::string* error) {
    if (made_ && f.st.st_dev == madeDev_ && f.st.st_ino == madeIno_) return true;
    if (f.stored.size() > 255) {
        *error = "'" + f.path + "': stored name longer than 255 bytes";
        return false;
    }
    auto seen = storedAs_.find(f.stored);
    if (seen != storedAs_.end()) {
        if (seen->second.dev == f.st.st_dev && seen->second.ino == f.st.st_ino) return true;
        *error = "'" + f.path + "' and '" + seen->second.path + "' would both be stored as '" +
                 f.stored + "'";
        return false;
    }
    // A cabinet records a file's size in 32 bits. Refused before it is read:
    // the data are held in memory until the archive is written.
    if (uint64_t(f.st.st_size) > 0xFFFFFFFFull) {
        *error = "'" + f.path + "': larger than 4 GiB, more than a cabinet can hold";
        return false;
    }
    cabwriter::Entry e;
    e.name = f.stored;
    if (!ReadAll(f.path, size_t(f.st.st_size), &e.data)) {
        *error = "'" + f.path + "': " + strerror(errno);
        return false;
    }
    if (e.data.size() != uint64_t(f.st.st_size))
        fprintf(stderr, "cabx: warning: '%s': %llu bytes when listed, %zu when read (it changed "
                "meanwhile); stored as read\n", Printable(f.path).c_str(),
                (unsigned long long)f.st.st_size, e.data.size());
    DosTime(f.st.st_mtime, &e.date, &e.time);
    e.attributes = 0x20;
    if (!(f.st.st_mode & S_IWUSR)) e.attributes |= 0x01;
    // Attribute 0x80 says the name is UTF-8. A file name that is not (bytes
    // of a legacy character set) is stored as it is without the attribute,
    // for readers to take in their legacy character set: marked, it was
    // invalid UTF-8, which readers replace or escape.
    bool utf8 = ValidUtf8(f.stored);
    if (utf8 && std::any_of(f.stored.begin(), f.stored.end(), [](char c) { return c & 0x80; }))
        e.attributes |= 0x80;
    if (!utf8)
        fprintf(stderr, "cabx: warning: '%s': the name is not UTF-8; stored as it is, unmarked\n",
                Printable(f.path).c_str());
    storedAs_[f.stored] = {f.st.st_dev, f.st.st_ino, f.path};
    entries_.push_back(std::move(e));
    return true;
}

MadeFiles::~MadeFiles() {
    for (Staged& f : staged_) {
        DropPending(&f.file);
        if (f.dirFd >= 0) close(f.dirFd);
    }
}

// Writes bytes into the existing device or pipe at path, as they come.
static bool WriteThrough(const std::string& path, const std::vector<uint8_t>& bytes,
                         std::string* error) {
    int fd = open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        *error = std::string("cannot open: ") + strerror(errno);
        return false;
    }
    if (!WriteAll(fd, bytes.data(), bytes.size())) {
        *error = std::string("cannot write: ") + strerror(errno);
        close(fd);
        return false;
    }
    if (close(fd) != 0) {
        *error = std::string("cannot write: ") + strerror(errno);
        return false;
    }
    return true;
}

bool MadeFiles::Stage(const std::string& given, const std::vector<uint8_t>& bytes, mode_t mode,
                      std::string* error) {
    Staged f;
    std::string path = given;
    struct stat st, link;
    if (stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode)) {
        // A device, a pipe or a socket (or a link to one) is written to as
        // it stands, at Commit: replacing it with a file would take the
        // device's name away (as root, even under /dev).
        f.path = path;
        f.direct = bytes;
        f.isDirect = true;
        staged_.push_back(std::move(f));
        return true;
    }
    if (lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode) && stat(path.c_str(), &st) == 0 &&
        S_ISREG(st.st_mode)) {
        // A link to a file: the file it leads to is replaced, beside it,
        // and the link stays (as /dev/stdout redirected into a file).
        char* real = realpath(path.c_str(), nullptr);
        if (!real) {
            *error = std::string("cannot follow the link: ") + strerror(errno);
            return false;
        }
        path = real;
        free(real);
    }
    std::string dir = ".", leaf = path;
    size_t slash = path.rfind('/');
    if (slash != std::string::npos) {
        dir = slash == 0 ? "/" : path.substr(0, slash);
        leaf = path.substr(slash + 1);
    }
    if (leaf.empty() || leaf == "." || leaf == "..") {
        *error = "not a file name";
        return false;
    }
    f.dirFd = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (f.dirFd < 0) {
        *error = "'" + dir + "': " + strerror(errno);
        return false;
    }
    // Past a file size limit write() is to fail with EFBIG, rather than the
    // signal ending the process with the temporary file left behind.
    signal(SIGXFSZ, SIG_IGN);
    RemoveTemporaryFilesOnSignals();
    bool skipped = false;
    int fd = OpenOutputBelow(f.dirFd, {leaf}, false, &skipped, error, &f.file);
    bool ok = fd >= 0;
    for (size_t done = 0; ok && done < bytes.size();) {
        ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            *error = std::string("cannot write: ") + strerror(n < 0 ? errno : ENOSPC);
            ok = false;
        } else {
            done += size_t(n);
        }
    }
    if (ok) {
        mode_t mask = umask(0);
        umask(mask);
        if (fchmod(fd, mode & ~mask) != 0) {
            *error = std::string("cannot set its mode: ") + strerror(errno);
            ok = false;
        }
    }
    if (!ok) {
        DropPending(&f.file);
        close(f.dirFd);
        return false;
    }
    f.path = path;
    staged_.push_back(std::move(f));
    return true;
}

bool MadeFiles::Commit(std::string* error) {
    if (staged_.size() == 1 && staged_[0].isDirect) {
        // Nothing to rename; a pipe without a reader may keep the write
        // waiting, so signals are not held back for it.
        std::string why;
        bool ok = WriteThrough(staged_[0].path, staged_[0].direct, &why);
        if (!ok) *error = "'" + staged_[0].path + "': " + why;
        staged_.clear();
        return ok;
    }
    // The renames of a set are not interrupted half-way, which would leave
    // some cabinets under their names and not the others: a signal that
    // comes meanwhile takes effect once they are done.
    sigset_t stop, old;
    sigemptyset(&stop);
    for (int sig : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&stop, sig);
    pthread_sigmask(SIG_BLOCK, &stop, &old);
    bool ok = true;
    for (const Staged& f : staged_)
        if (f.isDirect && staged_.size() > 1) {
            *error = "'" + f.path + "' is not a regular file; the cabinets of a set must be";
            ok = false;
        }
    for (Staged& f : staged_) {
        bool skipped = false;
        std::string why;
        if (ok && !CommitPending(&f.file, false, &skipped, &why)) {
            *error = "'" + f.path + "': " + why;
            ok = false;
        }
        DropPending(&f.file);
        if (f.dirFd >= 0) close(f.dirFd);
    }
    staged_.clear();
    pthread_sigmask(SIG_SETMASK, &old, nullptr);
    return ok;
}

}  // namespace cabx
