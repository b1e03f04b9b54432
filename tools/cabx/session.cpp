// One run over an archive: opening it (a cabinet, or the one inside a
// self-extracting file), the notices of an extraction or test, and the one
// error line, which names what the reader's codes cannot (the missing
// cabinet, the file being written, the damaged block).
#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <memory>

#include "archive.h"

namespace cabx {

void Fail(const Session& s, const std::string& file, const std::string& reason) {
    EndProgress();
    // The reason may quote names read from the cabinet (its neighbours'
    // names): the whole line is made printable, not only the file's name.
    std::string line = "cabx: " + s.archive + ": ";
    if (!file.empty()) line += "'" + file + "': ";
    fprintf(stderr, "%s\n", Printable(line + reason).c_str());
}

// Opens the archive: a cabinet, or a self-extracting executable whose head
// holds one. Prints the error itself.
bool OpenArchive(Session& s, const Args& args) {
    s.args = &args;
    s.archive = args.archive;
    size_t slash = args.archive.rfind('/');
    s.dir = slash == std::string::npos ? "" : args.archive.substr(0, slash + 1);
    s.name = slash == std::string::npos ? args.archive : args.archive.substr(slash + 1);
    struct stat st;
    if (stat(args.archive.c_str(), &st) != 0) {
        Fail(s, "", strerror(errno));
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        Fail(s, "", "not a regular file");
        return false;
    }
    int fd = open(args.archive.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        Fail(s, "", strerror(errno));
        return false;
    }
    // Only as much as the file holds, and not zeroed: the locator looks at
    // the n bytes read and no further. It scans the head only of an
    // executable (starting "MZ"); anything else is probed at 0, so for a
    // plain cabinet a page of it is enough, and the megabyte is neither
    // read nor faulted in.
    uint32_t scan = uint64_t(st.st_size) < ScanLimit ? uint32_t(st.st_size) : ScanLimit;
    constexpr uint32_t kFirstRead = 4096;
    std::unique_ptr<uint8_t[]> head(new uint8_t[scan ? scan : 1]);
    int32_t n = PosixRead(fd, head.get(), std::min(scan, kFirstRead));
    if (n == int32_t(kFirstRead) && scan > kFirstRead && head[0] == 'M' && head[1] == 'Z') {
        int32_t more = PosixRead(fd, head.get() + n, scan - kFirstRead);
        n = more < 0 ? more : n + more;
    }
    close(fd);
    if (n < 0) {
        Fail(s, "", "cannot read");
        return false;
    }
    InitOffsetFileState(&Offsets());
    int32_t at = CabinetLocator(&kPlainIo, args.archive.c_str(), head.get(), uint32_t(n));
    if (at < 0) {
        Fail(s, "", "not a cabinet (no cabinet found in the file)");
        return false;
    }
    s.base = at;
    Offsets().cabinetBase = at;
    s.first = ReadHead(args.archive, at);
    s.reader = CreateRunReader(&s.error);
    if (!s.reader) {
        Fail(s, "", CabErrorText(s.error.code));
        return false;
    }
    s.currentCabinet = s.name;
    s.visited.push_back({args.archive, at});
    FindSetStart(s);
    return true;
}

// The words for a failed reader call.
std::string ReasonFor(Session& s) {
    if (s.error.code == CabErrorCode::Aborted && !s.reason.empty()) return s.reason;
    if (!s.reason.empty() && s.error.code == CabErrorCode::OutputFailed) return s.reason;
    std::string text = CabErrorText(s.error.code);
    if (s.error.code == CabErrorCode::BadVersion) {
        char v[16];
        snprintf(v, sizeof v, "%u.%u", s.error.detail >> 8 & 255, s.error.detail & 255);
        text += " " + std::string(v);
    }
    if (s.error.code == CabErrorCode::Corrupt || s.error.code == CabErrorCode::DecoderFailed) {
        // From the failed file's own folder on: earlier folders and
        // cabinets may hold other damage, which is not this file's.
        for (size_t i = s.fileCabinet; i < s.visited.size(); ++i) {
            const auto& v = s.visited[i];
            std::string bad = FindBadBlock(v.first, v.second, i == s.fileCabinet ? s.fileFolder : 0);
            if (!bad.empty()) {
                size_t slash = v.first.rfind('/');
                return bad + " in cabinet '" +
                       (slash == std::string::npos ? v.first : v.first.substr(slash + 1)) + "'";
            }
        }
    }
    if (s.currentCabinet != s.name) text += " (in cabinet '" + s.currentCabinet + "')";
    return text;
}

namespace {

// NeedCabinet: the next cabinet of the set, beside the archive. A repeated
// notice means the cabinet that was there could not be used: give up with
// its reason rather than ask again.
int NeedCabinet(Session& s, CabNotice* n) {
    std::string next = n->text1 ? n->text1 : "";
    if (next.empty()) {
        // Data run on past a cabinet that names no next one.
        s.reason = "the cabinet set is incomplete: the data go on past cabinet '" +
                   s.currentCabinet + "', which names no next cabinet";
        return -1;
    }
    if (n->error != 0) {
        s.reason = "next cabinet '" + next + "': " +
                   CabErrorText(static_cast<CabErrorCode>(n->error)) +
                   "; the cabinet set is incomplete";
        return -1;
    }
    std::string dir = n->text3 ? n->text3 : "";
    std::string onDisk = CabinetOnDisk(dir, next);
    if (onDisk != next && onDisk.size() == next.size()) {
        // The same length: only the case of letters differs. The reader
        // opens the name the notice leaves in text1.
        memcpy(n->text1, onDisk.c_str(), onDisk.size());
        next = onDisk;
    }
    std::string path = dir + next;
    struct stat st;
    if (stat(path.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) {
        s.reason = "next cabinet '" + next + "' not found; the cabinet set is incomplete";
        return -1;
    }
    Offsets().cabinetBase = 0;  // following cabinets are files of their own
    s.moved = true;
    s.currentCabinet = next;
    s.visited.push_back({path, 0});
    return 0;
}

// Whether an offered entry lies in folder 0 of a starting cabinet that
// continues a folder from the previous one: its data cannot be decoded
// from here.
bool InContinuedFolder(const Session& s, uint16_t folderIndex) {
    if (s.moved || !s.first.continuesIn) return false;
    uint16_t local = folderIndex == 0xFFFE ? uint16_t(s.first.folderCount - 1) : folderIndex;
    return local == 0;
}

}  // namespace

int ExtractNotify(NoticeKind kind, CabNotice* n) {
    Session& s = *static_cast<Session*>(n->user);
    switch (kind) {
        case NoticeKind::CabinetReady:
            return 0;
        case NoticeKind::ContinuedFile:
            if (s.salvage && !s.salvage->settled.insert(EntryKey(n)).second) return 0;
            if (!s.beganBefore.insert(EntryKey(n)).second) return 0;
            if (MatchesAny(s.args->patterns, n->text1)) {
                ++s.missed;
                std::string why = s.salvage && !s.salvage->lostReason.empty()
                                      ? s.salvage->lostReason
                                      : "begins in the previous cabinet '" + std::string(n->text2) +
                                            "'; start from the first cabinet of the set";
                Fail(s, NameToUtf8(n->text1, n->attributes), why);
            }
            return 0;
        case NoticeKind::OfferFile: {
            std::string stored = n->text1;
            std::string utf8 = NameToUtf8(stored, n->attributes);
            bool discard = false;
            if (s.plan) {
                // Every pass is offered every entry in list order; it takes
                // those the plan gives it.
                if (StopRequested()) return -1;
                size_t i = s.offered++;
                if (i >= s.plan->size() || (*s.plan)[i].stored != stored ||
                    (*s.plan)[i].folder != n->folderIndex) {
                    s.reason = "the cabinet changed while it was being read";
                    return -1;
                }
                const PlanEntry& e = (*s.plan)[i];
                if (e.pass != s.pass || e.action == PlanEntry::kSkip) return 0;
                discard = e.action == PlanEntry::kDiscard;
            } else {
                if (s.salvage && s.salvage->settled.count(EntryKey(n))) return 0;
                if (!MatchesAny(s.args->patterns, stored)) return 0;
                ++s.matched;
            }
            if (s.salvage) {
                s.currentKey = EntryKey(n);
                s.currentFolder = FolderKey(s, n->folderIndex);
                // An empty file needs none of its folder's data.
                bool lost = n->size != 0 && s.salvage->damaged.count(s.currentFolder) != 0;
                if (lost || InContinuedFolder(s, n->folderIndex)) {
                    ++s.missed;
                    s.salvage->settled.insert(s.currentKey);
                    Fail(s, utf8, lost ? "lies after damaged data in its folder (cabinet '" +
                                             s.currentCabinet + "')"
                                 : !s.salvage->lostReason.empty() ? s.salvage->lostReason
                                 : "lies in a folder continued from the previous cabinet '" +
                                       s.first.prev + "', which is not here");
                    return 0;
                }
            }
            if (InContinuedFolder(s, n->folderIndex)) {
                ++s.missed;
                Fail(s, utf8, "lies in a folder continued from the previous cabinet '" +
                                  s.first.prev + "'; start from the first cabinet of the set");
                return 0;
            }
            s.currentFile = utf8;
            s.inFile = true;
            s.fileCabinet = s.visited.empty() ? 0 : s.visited.size() - 1;
            // A file that runs on into the next cabinet lies in the last
            // folder of the one the walk began with (files that begin in a
            // later cabinet are not offered).
            s.fileFolder = LocalFolder(n->folderIndex, s.first.folderCount);
            ShowProgress(true, &utf8);
            if (s.mode == Session::kTest || discard) return kTestHandle;
            std::vector<std::string> parts;
            if (s.mode == Session::kExtract) {
                parts = SafeComponents(utf8);
                if (parts.empty()) {
                    s.reason = "name is empty once made safe";
                    return -1;
                }
            }
            // The file is created on the output thread; the answer is its
            // handle, 0 when -n keeps an existing file, -1 when the output
            // has already failed (reported once the thread has stopped).
            int handle = Output()->Begin(parts, utf8);
            if (handle == 0) {
                s.currentFile.clear();
                s.inFile = false;
                if (s.salvage) s.salvage->settled.insert(s.currentKey);
            }
            return handle;
        }
        case NoticeKind::FileFinished:
            s.currentFile.clear();
            s.inFile = false;
            if (s.mode != Session::kTest && n->handle != kTestHandle &&
                !Output()->End(n->handle, n->date, n->time, n->attributes))
                return 0;  // the output failed; the reader stops with OutputFailed
            ++s.extracted;
            if (s.salvage) s.salvage->settled.insert(s.currentKey);
            gProgress.files.fetch_add(1, std::memory_order_relaxed);
            return 1;
        case NoticeKind::NeedCabinet:
            return NeedCabinet(s, n);
        case NoticeKind::ListPosition:
            return 0;
    }
    return 0;
}

}  // namespace cabx
