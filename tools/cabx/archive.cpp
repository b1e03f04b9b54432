// Reading archives: the reader's callbacks over POSIX files, locating the
// cabinet inside a self-extracting executable, and the list, test and
// extract commands.
//
// A set of cabinets is extracted and tested in one pass of the reader from
// the named cabinet with its whole-set flag; following cabinets are looked
// up beside the archive. A single cabinet with several folders (independent
// compressed streams) is extracted by several passes at once, one thread
// and one reader each, every pass decoding only its share of the folders. A listing walks each cabinet of the set on its own,
// which needs no decoding. The reader reports failures as codes; this file
// keeps what the codes cannot say (which cabinet was missing, which file was
// being written) so the one error line can name them.
#include <errno.h>
#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "CabinetLocator.h"
#include "cab_reader.h"
#include "cabx.h"
#include "output.h"

namespace cabx {

namespace {

// ---- POSIX file callbacks --------------------------------------------------

int32_t PosixOpen(const char* path, int flags, int) {
    int of = O_CLOEXEC;
    if (flags & kOpenReadWrite) of |= O_RDWR;
    else if (flags & kOpenWriteOnly) of |= O_WRONLY;
    else of |= O_RDONLY;
    if (flags & kOpenCreate) of |= O_CREAT;
    if (flags & kOpenTruncate) of |= O_TRUNC;
    return open(path, of, 0666);
}
int32_t PosixRead(int32_t h, void* buffer, uint32_t count) {
    uint8_t* p = static_cast<uint8_t*>(buffer);
    uint32_t done = 0;
    while (done < count) {
        ssize_t n = read(h, p + done, count - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return -1;
        if (n == 0) break;
        done += uint32_t(n);
    }
    return int32_t(done);
}
int32_t PosixWriteAll(int32_t h, const void* buffer, uint32_t count) {
    const uint8_t* p = static_cast<const uint8_t*>(buffer);
    uint32_t done = 0;
    while (done < count) {
        ssize_t n = write(h, p + done, count - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return done ? int32_t(done) : -1;
        done += uint32_t(n);
    }
    return int32_t(done);
}
int PosixClose(int32_t h) { return close(h); }
int32_t PosixSeek(int32_t h, int32_t offset, int origin) {
    off_t r = lseek(h, offset, origin == 0 ? SEEK_SET : origin == 1 ? SEEK_CUR : SEEK_END);
    return r < 0 || r > INT32_MAX ? -1 : int32_t(r);
}
// The reader reads a cabinet a block header (8 bytes) and a block (a few
// KiB) at a time, and its file list an entry at a time, on two handles
// that it seeks between. A buffer per handle turns those tens of thousands
// of system calls on the decoding thread into a few hundred reads.
constexpr size_t kReadBufferSize = 256 << 10;
struct ReadBuffer {
    int fd = -1;
    int64_t pos = 0;    // where the handle stands
    int64_t start = 0;  // the file offset of data[0]
    size_t len = 0;     // bytes valid in data
    std::vector<uint8_t> data;
};
// The callbacks carry no context, and every extraction pass runs its reader
// on a thread of its own: the handles a thread opens are read through that
// thread's buffers.
thread_local ReadBuffer gReadBuffers[4];  // the reader's two handles, the locator's, one spare

ReadBuffer* BufferOf(int32_t h) {
    if (h < 0) return nullptr;
    for (ReadBuffer& b : gReadBuffers)
        if (b.fd == h) return &b;
    return nullptr;
}
int32_t BufferedOpen(const char* path, int flags, int mode) {
    int32_t h = PosixOpen(path, flags, mode);
    if (h < 0 || (flags & (kOpenWriteOnly | kOpenReadWrite))) return h;
    for (ReadBuffer& b : gReadBuffers) {
        if (b.fd >= 0) continue;
        b.fd = h;
        b.pos = b.start = 0;
        b.len = 0;
        b.data.resize(kReadBufferSize);
        break;
    }
    return h;  // unbuffered when every buffer is taken
}
int32_t BufferedRead(int32_t h, void* buffer, uint32_t count) {
    ReadBuffer* b = BufferOf(h);
    if (!b) return PosixRead(h, buffer, count);
    uint8_t* p = static_cast<uint8_t*>(buffer);
    uint32_t done = 0;
    while (done < count) {
        if (b->pos >= b->start && b->pos < b->start + int64_t(b->len)) {
            size_t at = size_t(b->pos - b->start);
            size_t take = std::min<size_t>(count - done, b->len - at);
            memcpy(p + done, b->data.data() + at, take);
            done += uint32_t(take);
            b->pos += int64_t(take);
            continue;
        }
        bool direct = count - done >= b->data.size();  // large reads bypass the buffer
        ssize_t n = direct ? pread(h, p + done, count - done, b->pos)
                           : pread(h, b->data.data(), b->data.size(), b->pos);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return -1;
        if (n == 0) break;
        if (direct) {
            done += uint32_t(n);
            b->pos += n;
        } else {
            b->start = b->pos;
            b->len = size_t(n);
        }
    }
    return int32_t(done);
}
int32_t BufferedSeek(int32_t h, int32_t offset, int origin) {
    ReadBuffer* b = BufferOf(h);
    if (!b) return PosixSeek(h, offset, origin);
    int64_t target = offset;
    if (origin == 1) {
        target += b->pos;
    } else if (origin == 2) {
        struct stat st;
        if (fstat(h, &st) != 0) return -1;
        target += st.st_size;
    }
    if (target < 0 || target > INT32_MAX) return -1;
    b->pos = target;
    return int32_t(target);
}
int BufferedClose(int32_t h) {
    if (ReadBuffer* b = BufferOf(h)) b->fd = -1;
    return close(h);
}

void* Alloc(uint32_t size) { return calloc(1, size ? size : 1); }
void Free(void* p) { free(p); }

// The callbacks carry no context: what a reader's callbacks need lives here,
// per thread where each extraction pass needs its own.
struct Progress {
    bool enabled = false;
    std::atomic<uint64_t> bytes{0};
    std::atomic<uint32_t> files{0};
    std::mutex mutex;  // the name, the time shown and the display itself
    std::string name;
    time_t shown = 0;

    void Reset(bool on) {
        enabled = on;
        bytes = 0;
        files = 0;
        name.clear();
        shown = 0;
    }
};
thread_local OffsetFileState gOffsets;
const LowLevelFileOps gOps = {BufferedOpen, BufferedRead, PosixWriteAll, BufferedClose, BufferedSeek};
Progress gProgress;
// Where extracted data goes (extract, extract -p); null for test. Each
// extraction pass has its own output pipeline.
thread_local OutputPipeline* gOutput = nullptr;

// What the passes of a parallel extraction share: the first pass that
// fails for a reason of its own stops the others.
struct PassControl {
    std::atomic<int> firstFailure{-1};  // the pass whose failure is reported
    bool Stopped() const { return firstFailure.load(std::memory_order_relaxed) >= 0; }
    bool Claim(int pass) {
        int none = -1;
        return firstFailure.compare_exchange_strong(none, pass);
    }
};
// Set on the threads of a parallel extraction: the shared control, and
// whether this pass gave up because another one failed.
thread_local PassControl* gControl = nullptr;
thread_local bool gStoppedByOthers = false;

// Answers a callback with a failure once another pass has failed.
bool StopRequested() {
    if (!gControl || !gControl->Stopped()) return false;
    gStoppedByOthers = true;
    return true;
}
// The handle of every file under test: its data is decoded and dropped.
const int kTestHandle = OutputPipeline::kHandleBase - 1;

// name: the file now offered, or null.
void ShowProgress(bool force, const std::string* name = nullptr) {
    if (!gProgress.enabled) return;
    std::lock_guard<std::mutex> lock(gProgress.mutex);
    if (name) gProgress.name = *name;
    time_t now = time(nullptr);
    if (!force && now == gProgress.shown) return;
    gProgress.shown = now;
    fprintf(stderr, "\r\033[K%u files, %llu bytes: %s", gProgress.files.load(),
            (unsigned long long)gProgress.bytes.load(), Printable(gProgress.name).c_str());
    fflush(stderr);
}
void EndProgress() {
    if (!gProgress.enabled) return;
    std::lock_guard<std::mutex> lock(gProgress.mutex);
    if (gProgress.shown) fprintf(stderr, "\r\033[K");
}

int32_t IoOpen(const char* path, int flags, int mode) {
    return OffsetOpen(&gOffsets, &gOps, path, flags, mode);
}
int32_t IoWrite(int32_t h, const void* buffer, uint32_t count) {
    int32_t n;
    if (StopRequested()) n = -1;
    else if (h == kTestHandle) n = int32_t(count);
    else if (gOutput && OutputPipeline::IsHandle(h))
        n = gOutput->Write(h, buffer, count) ? int32_t(count) : -1;
    else n = PosixWriteAll(h, buffer, count);
    if (n > 0) gProgress.bytes.fetch_add(uint32_t(n), std::memory_order_relaxed);
    ShowProgress(false);
    return n;
}
// The reader closes an output handle itself only when it gives up on the
// file after an error.
int IoClose(int32_t h) {
    if (h == kTestHandle) return 0;
    if (OutputPipeline::IsHandle(h)) {
        // The file is incomplete: its temporary file is removed.
        if (gOutput) gOutput->Abandon(h);
        return 0;
    }
    return OffsetClose(&gOffsets, &gOps, h);
}
int32_t IoSeek(int32_t h, int32_t offset, int origin) {
    return OffsetSeek(&gOffsets, &gOps, h, offset, origin);
}
const CabIo kIo = {Alloc, Free, IoOpen, BufferedRead, IoWrite, IoClose, IoSeek};
const CabIo kPlainIo = {Alloc, Free, PosixOpen, PosixRead, PosixWriteAll, PosixClose, PosixSeek};

// ---- What the tool reads itself --------------------------------------------

uint32_t Le(const uint8_t* p, int n) {
    uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i) v = v << 8 | p[i];
    return v;
}

// The parts of a cabinet the notices do not carry: folder methods, the
// names of the neighbours, which spanning entries it lists.
struct Head {
    bool ok = false;
    uint16_t flags = 0, folderCount = 0, fileCount = 0;
    uint32_t size = 0;  // of the cabinet, from its header
    uint8_t folderReserve = 0, blockReserve = 0;
    std::vector<uint16_t> types;
    std::vector<uint32_t> firstBlock;
    std::vector<uint16_t> blockCounts;
    std::string prev, next;
    bool continuesIn = false;   // lists entries 0xFFFD/0xFFFF
    bool continuesOut = false;  // lists entries 0xFFFE/0xFFFF
};

// Reads at places in a cabinet (offsets from its first byte) through a
// window of the file, so that walking thousands of entries costs a few
// reads.
struct Window {
    int fd;
    int64_t base;
    std::vector<uint8_t> data = std::vector<uint8_t>(64 << 10);
    int64_t start = -1;
    size_t len = 0;

    // Copies up to n bytes at pos; returns how many there were.
    size_t Get(uint32_t pos, void* out, size_t n) {
        int64_t at = base + pos;
        if (start < 0 || at < start || at + int64_t(n) > start + int64_t(len)) {
            if (n > data.size()) {
                ssize_t r = pread(fd, out, n, at);
                return r < 0 ? 0 : size_t(r);
            }
            ssize_t r = pread(fd, data.data(), data.size(), at);
            start = at;
            len = r < 0 ? 0 : size_t(r);
        }
        size_t from = size_t(at - start);
        size_t avail = from < len ? std::min(n, len - from) : 0;
        memcpy(out, data.data() + from, avail);
        return avail;
    }
};

bool ReadAt(Window& w, uint32_t pos, void* buf, size_t n) { return w.Get(pos, buf, n) == n; }

bool ReadName(Window& w, uint32_t* pos, std::string* out) {
    char buf[257] = {0};
    size_t n = w.Get(*pos, buf, 256);
    if (n == 0) return false;
    size_t len = strnlen(buf, n);
    if (len == n) return false;
    out->assign(buf, len);
    *pos += uint32_t(len + 1);
    return true;
}

Head ReadHead(const std::string& path, int64_t base) {
    Head h;
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return h;
    Window w{fd, base};
    uint8_t hd[36];
    uint32_t pos = 36;
    if (!ReadAt(w, 0, hd, 36) || memcmp(hd, "MSCF", 4) != 0) {
        close(fd);
        return h;
    }
    h.folderCount = uint16_t(Le(hd + 26, 2));
    h.fileCount = uint16_t(Le(hd + 28, 2));
    h.flags = uint16_t(Le(hd + 30, 2));
    h.size = Le(hd + 8, 4);
    uint32_t firstFile = Le(hd + 16, 4);
    bool ok = true;
    if (h.flags & 4) {
        uint8_t r[4] = {0};
        ok = ReadAt(w, pos, r, 4);
        h.folderReserve = r[2];
        h.blockReserve = r[3];
        pos += 4 + uint32_t(Le(r, 2));
    }
    std::string disk;
    if (ok && (h.flags & 1)) ok = ReadName(w, &pos, &h.prev) && ReadName(w, &pos, &disk);
    if (ok && (h.flags & 2)) ok = ReadName(w, &pos, &h.next) && ReadName(w, &pos, &disk);
    for (unsigned i = 0; ok && i < h.folderCount; ++i) {
        uint8_t f[8] = {0};
        ok = ReadAt(w, pos, f, 8);
        h.firstBlock.push_back(Le(f, 4));
        h.blockCounts.push_back(uint16_t(Le(f + 4, 2)));
        h.types.push_back(uint16_t(Le(f + 6, 2)));
        pos += 8 + h.folderReserve;
    }
    pos = firstFile;
    for (unsigned i = 0; ok && i < h.fileCount; ++i) {
        uint8_t e[16] = {0};
        std::string name;
        ok = ReadAt(w, pos, e, 16);
        pos += 16;
        ok = ok && ReadName(w, &pos, &name);
        uint16_t fi = uint16_t(Le(e + 8, 2));
        h.continuesIn |= fi == 0xFFFD || fi == 0xFFFF;
        h.continuesOut |= fi == 0xFFFE || fi == 0xFFFF;
    }
    close(fd);
    h.ok = ok;
    return h;
}

uint32_t Checksum(const uint8_t* p, size_t n, uint32_t v) {
    size_t i = 0;
    for (; i + 4 <= n; i += 4) v ^= Le(p + i, 4);
    uint32_t tail = 0;
    for (; i < n; ++i) tail = tail << 8 | p[i];
    return v ^ tail;
}

// Looks for a block whose checksum does not match, to say more than
// "corrupt". Returns a description, or "".
std::string FindBadBlock(const std::string& path, int64_t base) {
    Head h = ReadHead(path, base);
    if (!h.ok) return "";
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return "";
    Window w{fd, base};
    std::string found;
    std::vector<uint8_t> buf;
    for (unsigned f = 0; f < h.folderCount && found.empty(); ++f) {
        uint32_t pos = h.firstBlock[f];
        for (unsigned b = 0; b < h.blockCounts[f]; ++b) {
            uint8_t hdr[8 + 255];
            uint32_t hs = 8 + h.blockReserve;
            if (!ReadAt(w, pos, hdr, hs)) break;
            uint32_t size = uint32_t(Le(hdr + 4, 2));
            buf.resize(size);
            if (!ReadAt(w, pos + hs, buf.data(), size)) break;
            uint32_t stored = Le(hdr, 4);
            uint32_t sum = Checksum(hdr + 4, 4 + h.blockReserve, Checksum(buf.data(), size, 0));
            if (stored != 0 && stored != sum) {
                found = "block checksum mismatch (folder " + std::to_string(f) + ", block " +
                        std::to_string(b) + ")";
                break;
            }
            pos += hs + size;
        }
    }
    close(fd);
    return found;
}

std::string MethodName(uint16_t type) {
    switch (type & 15) {
        case 0: return "none";
        case 1: return "mszip";
        case 2: return "quantum:" + std::to_string(type >> 8 & 31);
        case 3: return "lzx:" + std::to_string(type >> 8 & 31);
        default: return "unknown(" + std::to_string(type) + ")";
    }
}

// ---- One archive session ---------------------------------------------------

// What a parallel extraction decided for each entry of the cabinet, in list
// order, before any pass started.
struct PlanEntry {
    std::string stored;
    uint16_t folder = 0;
    uint16_t attributes = 0;
    int pass = -1;  // the pass that handles it; -1 when no pattern matches
    // How that pass answers the offer: write the file, decode it and drop
    // the data (an earlier entry of the same name that a later one
    // replaces), or skip it (-n: a later entry of a name already taken).
    enum Action { kWrite, kDiscard, kSkip } action = kWrite;
};

struct Session {
    const Args* args = nullptr;
    std::string archive;  // as named on the command line
    std::string dir;      // its directory with a trailing '/', or ""
    std::string name;     // its file name
    int64_t base = 0;     // the cabinet's offset inside the file (0 for a cabinet)
    Head first;           // the named cabinet
    CabReader* reader = nullptr;
    CabError error{};

    // Diagnostics the error codes do not carry.
    std::string currentFile;     // the file being written, between offer and finish
    std::string currentCabinet;  // the cabinet being read
    std::string reason;          // set when a notice answered -1 on purpose
    std::vector<std::pair<std::string, int64_t>> visited;
    bool moved = false;          // crossed into a following cabinet
    unsigned missed = 0;         // wanted files that cannot be extracted from here

    // extract and test
    enum Mode { kTest, kExtract, kStdout } mode = kTest;
    int rootFd = -1;
    unsigned extracted = 0;
    unsigned matched = 0;
    std::string outPath;  // of the file being written

    // A pass of a parallel extraction: the plan and this pass's number.
    const std::vector<PlanEntry>* plan = nullptr;
    int pass = 0;
    size_t offered = 0;  // entries offered so far: the index into the plan

    ~Session() {
        if (reader) DestroyReader(reader);
        if (rootFd >= 0) close(rootFd);
    }
};

void Fail(const Session& s, const std::string& file, const std::string& reason) {
    EndProgress();
    std::string line = "cabx: " + s.archive + ": ";
    if (!file.empty()) line += "'" + Printable(file) + "': ";
    fprintf(stderr, "%s%s\n", line.c_str(), reason.c_str());
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
    std::vector<uint8_t> head(ScanLimit);
    int32_t n = PosixRead(fd, head.data(), ScanLimit);
    close(fd);
    if (n < 0) {
        Fail(s, "", "cannot read");
        return false;
    }
    InitOffsetFileState(&gOffsets);
    int32_t at = CabinetLocator(&kPlainIo, args.archive.c_str(), head.data(), uint32_t(n));
    if (at < 0) {
        Fail(s, "", "not a cabinet (no cabinet found in the file)");
        return false;
    }
    s.base = at;
    gOffsets.cabinetBase = at;
    s.first = ReadHead(args.archive, at);
    s.reader = CreateReaderIo(&kIo, -1, &s.error);
    if (!s.reader) {
        Fail(s, "", CabErrorText(s.error.code));
        return false;
    }
    s.currentCabinet = s.name;
    s.visited.push_back({args.archive, at});
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
        for (auto& v : s.visited) {
            std::string bad = FindBadBlock(v.first, v.second);
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

// NeedCabinet: the next cabinet of the set, beside the archive. A repeated
// notice means the cabinet that was there could not be used: give up with
// its reason rather than ask again.
int NeedCabinet(Session& s, CabNotice* n) {
    std::string next = n->text1 ? n->text1 : "";
    if (n->error != 0) {
        s.reason = "next cabinet '" + next + "': " +
                   CabErrorText(static_cast<CabErrorCode>(n->error));
        return -1;
    }
    std::string path = std::string(n->text3 ? n->text3 : "") + next;
    struct stat st;
    if (next.empty() || stat(path.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) {
        s.reason = "next cabinet '" + next + "' not found";
        return -1;
    }
    gOffsets.cabinetBase = 0;  // following cabinets are files of their own
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

int ExtractNotify(NoticeKind kind, CabNotice* n) {
    Session& s = *static_cast<Session*>(n->user);
    switch (kind) {
        case NoticeKind::CabinetReady:
            return 0;
        case NoticeKind::ContinuedFile:
            if (MatchesAny(s.args->patterns, n->text1)) {
                ++s.missed;
                Fail(s, NameToUtf8(n->text1, n->attributes),
                     "begins in the previous cabinet '" + std::string(n->text2) +
                         "'; start from the first cabinet of the set");
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
                if (!MatchesAny(s.args->patterns, stored)) return 0;
                ++s.matched;
            }
            if (InContinuedFolder(s, n->folderIndex)) {
                ++s.missed;
                Fail(s, utf8, "lies in a folder continued from the previous cabinet '" +
                                  s.first.prev + "'; start from the first cabinet of the set");
                return 0;
            }
            s.currentFile = utf8;
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
            int handle = gOutput->Begin(parts, utf8);
            if (handle == 0) s.currentFile.clear();
            return handle;
        }
        case NoticeKind::FileFinished:
            s.currentFile.clear();
            if (s.mode != Session::kTest && n->handle != kTestHandle &&
                !gOutput->End(n->handle, n->date, n->time, n->attributes))
                return 0;  // the output failed; the reader stops with OutputFailed
            ++s.extracted;
            gProgress.files.fetch_add(1, std::memory_order_relaxed);
            return 1;
        case NoticeKind::NeedCabinet:
            return NeedCabinet(s, n);
        case NoticeKind::ListPosition:
            return 0;
    }
    return 0;
}

// ---- Parallel passes ----------------------------------------------------------

// Records the entries of the cabinet in list order; nothing is decoded.
int PlanNotify(NoticeKind kind, CabNotice* n) {
    auto& plan = *static_cast<std::vector<PlanEntry>*>(n->user);
    if (kind == NoticeKind::NeedCabinet) return -1;
    if (kind != NoticeKind::OfferFile) return 0;
    PlanEntry e;
    e.stored = n->text1;
    e.folder = n->folderIndex;
    e.attributes = n->attributes;
    plan.push_back(e);
    return 0;
}

std::string JoinedKey(const std::vector<std::string>& parts) {
    std::string key;
    for (const std::string& p : parts) key += (key.empty() ? "" : "/") + p;
    return key;
}

// How many passes may run: min(online CPUs, 4); CABX_PASSES overrides the
// CPU count (for testing the parallel path on any machine).
unsigned PassLimit() {
    long cpus = sysconf(_SC_NPROCESSORS_ONLN);
    if (const char* forced = getenv("CABX_PASSES")) cpus = atol(forced);
    return unsigned(std::max(1L, std::min(cpus, 4L)));
}

// Plans a parallel extraction of a single cabinet: which pass handles each
// entry, folders shared out by compressed size. Returns the number of
// passes, or 1 when the cabinet is extracted in one pass: a set, one
// folder, one CPU, -p (standard output keeps list order), or names whose
// outcome depends on the order files are written in (a file where another
// entry needs a directory).
unsigned PlanPasses(Session& s, Session::Mode mode, std::vector<PlanEntry>* plan,
                    unsigned* matched) {
    const Head& h = s.first;
    unsigned limit = PassLimit();
    if (mode == Session::kStdout || !h.ok || (h.flags & 3) || h.folderCount < 2 || limit < 2)
        return 1;
    gOffsets.cabinetBase = int32_t(s.base);
    if (!ExtractCabinet(s.reader, s.name.c_str(), s.dir.c_str(), 0, PlanNotify, nullptr, plan))
        return 1;  // the single pass reports the error
    // Each name once: without -n the last entry of a name is the file that
    // stays, the earlier ones are decoded (checked) and dropped; with -n
    // the first one is written (unless the file exists) and later ones are
    // skipped, as one pass in list order would leave them.
    std::map<std::string, std::vector<size_t>> byKey;
    std::vector<bool> wanted(h.folderCount, false);
    *matched = 0;
    for (size_t i = 0; i < plan->size(); ++i) {
        PlanEntry& e = (*plan)[i];
        if (e.folder >= h.folderCount) return 1;
        if (!MatchesAny(s.args->patterns, e.stored)) continue;
        ++*matched;
        e.pass = 0;
        wanted[e.folder] = true;
        if (mode != Session::kExtract) continue;
        // An entry without a name fails in its pass, as it would in one.
        std::vector<std::string> parts = SafeComponents(NameToUtf8(e.stored, e.attributes));
        if (!parts.empty()) byKey[JoinedKey(parts)].push_back(i);
    }
    for (auto& k : byKey) {
        for (size_t slash = k.first.find('/'); slash != std::string::npos;
             slash = k.first.find('/', slash + 1))
            if (byKey.count(k.first.substr(0, slash))) return 1;
        const std::vector<size_t>& at = k.second;
        for (size_t j = 0; j < at.size(); ++j) {
            bool stays = s.args->keepExisting ? j == 0 : j + 1 == at.size();
            if (!stays)
                (*plan)[at[j]].action = s.args->keepExisting ? PlanEntry::kSkip : PlanEntry::kDiscard;
        }
    }
    // A folder's compressed size: up to the next folder's first block, or
    // the end of the cabinet.
    std::vector<std::pair<uint64_t, unsigned>> sizes;  // (size, folder), wanted ones
    for (unsigned f = 0; f < h.folderCount; ++f) {
        if (!wanted[f]) continue;
        uint64_t end = h.size;
        for (uint32_t b : h.firstBlock)
            if (b > h.firstBlock[f]) end = std::min<uint64_t>(end, b);
        sizes.push_back({end > h.firstBlock[f] ? end - h.firstBlock[f] : 0, f});
    }
    unsigned passes = unsigned(std::min<size_t>(limit, sizes.size()));
    if (passes < 2) return 1;
    // Largest folders first, each to the pass with the least so far.
    std::sort(sizes.rbegin(), sizes.rend());
    std::vector<uint64_t> load(passes, 0);
    std::vector<int> passOf(h.folderCount, 0);
    for (auto& f : sizes) {
        unsigned least = unsigned(std::min_element(load.begin(), load.end()) - load.begin());
        load[least] += f.first + 1;
        passOf[f.second] = int(least);
    }
    for (PlanEntry& e : *plan)
        if (e.pass >= 0) e.pass = passOf[e.folder];
    return passes;
}

struct PassResult {
    std::string file, reason;  // of a failure of its own, not a stop by another pass
    unsigned extracted = 0;
};

// One pass: its own reader, its own output pipeline, the plan's entries for
// this pass.
void RunPass(const Session& main, Session::Mode mode, const std::vector<PlanEntry>* plan, int pass,
             PassControl* control, PassResult* result) {
    gControl = control;
    gStoppedByOthers = false;
    InitOffsetFileState(&gOffsets);
    gOffsets.cabinetBase = int32_t(main.base);
    Session s;
    s.args = main.args;
    s.archive = main.archive;
    s.dir = main.dir;
    s.name = main.name;
    s.base = main.base;
    s.first = main.first;
    s.mode = mode;
    s.plan = plan;
    s.pass = pass;
    s.currentCabinet = s.name;
    s.visited.push_back({s.archive, s.base});
    s.reader = CreateReaderIo(&kIo, -1, &s.error);
    if (!s.reader) {
        control->Claim(pass);
        result->reason = CabErrorText(s.error.code);
        gControl = nullptr;
        return;
    }
    std::unique_ptr<OutputPipeline> output;
    if (mode != Session::kTest)
        output.reset(new OutputPipeline(main.rootFd, false, main.args->keepExisting));
    gOutput = output.get();
    bool ok = ExtractCabinet(s.reader, s.name.c_str(), s.dir.c_str(), kExtractWholeSet, ExtractNotify,
                             nullptr, &s);
    // Stop the others at once; the reason is known once the output is done.
    bool own = !ok && !gStoppedByOthers;
    if (own) control->Claim(pass);
    bool written = !output || output->Finish();
    gOutput = nullptr;
    if (!written) {
        control->Claim(pass);
        result->file = output->FailedFile();
        result->reason = output->FailedReason();
    } else if (own) {
        result->file = s.currentFile;
        result->reason = ReasonFor(s);
    }
    result->extracted = s.extracted;
    gControl = nullptr;
}

// Runs the planned passes on threads of their own; true when all succeed,
// else reports the failure that stopped the run.
bool RunPasses(Session& s, Session::Mode mode, const std::vector<PlanEntry>& plan, unsigned passes) {
    PassControl control;
    std::vector<PassResult> results(passes);
    std::vector<std::thread> threads;
    std::vector<unsigned> inline_;
    for (unsigned p = 0; p < passes; ++p) {
        try {
            threads.emplace_back(RunPass, std::cref(s), mode, &plan, int(p), &control, &results[p]);
        } catch (const std::system_error&) {
            inline_.push_back(p);  // no thread to be had: run it here afterwards
        }
    }
    for (unsigned p : inline_) RunPass(s, mode, &plan, int(p), &control, &results[p]);
    for (std::thread& t : threads) t.join();
    gOffsets.cabinetBase = int32_t(s.base);
    for (const PassResult& r : results) s.extracted += r.extracted;
    int first = control.firstFailure.load();
    if (first < 0) return true;
    EndProgress();
    Fail(s, results[first].file, results[first].reason);
    return false;
}

int RunExtraction(const Args& args, Session::Mode mode) {
    Session s;
    s.mode = mode;
    if (!OpenArchive(s, args)) return kExitFailure;
    if (mode == Session::kExtract) {
        mkdir(args.dir.c_str(), 0777);
        s.rootFd = open(args.dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (s.rootFd < 0) {
            Fail(s, "", "cannot use directory '" + args.dir + "': " + strerror(errno));
            return kExitFailure;
        }
    }
    signal(SIGPIPE, SIG_IGN);
    if (args.maxOutput != UINT64_MAX) OutputPipeline::LimitOutput(args.maxOutput);
    gProgress.Reset(!args.quiet && isatty(STDERR_FILENO));
    std::vector<PlanEntry> plan;
    unsigned passes = PlanPasses(s, mode, &plan, &s.matched);
    if (getenv("CABX_PASSES")) fprintf(stderr, "cabx: %u extraction passes\n", passes);
    if (passes > 1) {
        bool ok = RunPasses(s, mode, plan, passes);
        EndProgress();
        if (!ok) return kExitFailure;
    } else {
        s.matched = 0;
        // Declared after the session, so it stops before the root is closed.
        std::unique_ptr<OutputPipeline> output;
        if (mode != Session::kTest)
            output.reset(new OutputPipeline(s.rootFd, mode == Session::kStdout, args.keepExisting));
        gOutput = output.get();
        bool ok = ExtractCabinet(s.reader, s.name.c_str(), s.dir.c_str(), kExtractWholeSet,
                                 ExtractNotify, nullptr, &s);
        // Wait for every queued write. A failure there came first in file
        // order (the reader is at that file or past it), so it is the one named.
        bool written = !output || output->Finish();
        gOutput = nullptr;
        EndProgress();
        if (!written) {
            Fail(s, output->FailedFile(), output->FailedReason());
            return kExitFailure;
        }
        if (!ok) {
            Fail(s, s.currentFile, ReasonFor(s));
            return kExitFailure;
        }
    }
    if (s.missed) return kExitFailure;
    if (!args.patterns.empty() && s.matched == 0) {
        Fail(s, "", "no file matches the given patterns");
        return kExitFailure;
    }
    if (mode == Session::kTest && !args.quiet)
        printf("%s: %u files OK\n", args.archive.c_str(), s.extracted);
    return kExitOk;
}

// ---- list --------------------------------------------------------------------

struct ListEntry {
    std::string name;
    uint32_t size;
    uint16_t date, time, attributes;
    unsigned folder;
    std::string method;
    std::string cabinet;
};

struct ListState {
    Session* s;
    const Head* head;
    unsigned folderBase;
    std::string cabinet;
    std::vector<ListEntry>* out;
};

int ListNotify(NoticeKind kind, CabNotice* n) {
    ListState& l = *static_cast<ListState*>(n->user);
    if (kind == NoticeKind::NeedCabinet) return -1;  // never happens: nothing is decoded
    if (kind != NoticeKind::OfferFile) return 0;
    if (!MatchesAny(l.s->args->patterns, n->text1)) return 0;
    uint16_t f = n->folderIndex;
    unsigned local = f == 0xFFFE ? l.head->folderCount - 1u : f;
    ListEntry e;
    e.name = NameToUtf8(n->text1, n->attributes);
    e.size = uint32_t(n->size);
    e.date = n->date;
    e.time = n->time;
    e.attributes = n->attributes;
    e.folder = l.folderBase + local;
    e.method = local < l.head->types.size() ? MethodName(l.head->types[local]) : "unknown";
    e.cabinet = l.cabinet;
    l.out->push_back(e);
    return 0;  // listed, not extracted
}

}  // namespace

int Test(const Args& args) { return RunExtraction(args, Session::kTest); }

int Extract(const Args& args) {
    return RunExtraction(args, args.toStdout ? Session::kStdout : Session::kExtract);
}

int List(const Args& args) {
    Session s;
    if (!OpenArchive(s, args)) return kExitFailure;
    std::vector<ListEntry> entries;
    std::vector<std::string> cabinets;
    std::string name = s.name;
    int64_t base = s.base;
    unsigned folderBase = 0;
    for (;;) {
        gOffsets.cabinetBase = int32_t(base);
        Head head = ReadHead(s.dir + name, base);
        s.currentCabinet = name;
        ListState l{&s, &head, folderBase, name, &entries};
        if (!ExtractCabinet(s.reader, name.c_str(), s.dir.c_str(), 0, ListNotify, nullptr, &l)) {
            if (s.error.code == CabErrorCode::CannotOpen && name != s.name)
                Fail(s, "", "next cabinet '" + name + "' not found");
            else
                Fail(s, "", ReasonFor(s));
            return kExitFailure;
        }
        cabinets.push_back(name);
        if (!(head.flags & 2) || head.next.empty()) break;
        if (cabinets.size() > 65535) break;
        folderBase += head.folderCount - (head.continuesOut ? 1 : 0);
        name = head.next;
        base = 0;
        struct stat st;
        if (stat((s.dir + name).c_str(), &st) != 0) {
            Fail(s, "", "next cabinet '" + name + "' not found");
            return kExitFailure;
        }
    }
    uint64_t total = 0;
    for (const ListEntry& e : entries) total += e.size;
    if (args.json) {
        printf("{\"archive\": %s, \"cabinets\": [", JsonString(args.archive).c_str());
        for (size_t i = 0; i < cabinets.size(); ++i)
            printf("%s%s", i ? ", " : "", JsonString(cabinets[i]).c_str());
        printf("], \"files\": [\n");
        for (size_t i = 0; i < entries.size(); ++i) {
            const ListEntry& e = entries[i];
            printf("  {\"name\": %s, \"size\": %u, \"datetime\": \"%s\", \"attributes\": %u, "
                   "\"folder\": %u, \"method\": %s, \"cabinet\": %s}%s\n",
                   JsonString(e.name).c_str(), e.size, DosDateTimeText(e.date, e.time, 'T').c_str(),
                   e.attributes, e.folder, JsonString(e.method).c_str(), JsonString(e.cabinet).c_str(),
                   i + 1 < entries.size() ? "," : "");
        }
        printf("], \"fileCount\": %zu, \"totalSize\": %llu}\n", entries.size(),
               (unsigned long long)total);
    } else {
        for (const ListEntry& e : entries)
            printf("%12u  %s  %s  %s\n", e.size, DosDateTimeText(e.date, e.time, ' ').c_str(),
                   AttributeText(e.attributes).c_str(), Printable(e.name).c_str());
        printf("%zu files, %llu bytes, %zu cabinet%s\n", entries.size(), (unsigned long long)total,
               cabinets.size(), cabinets.size() == 1 ? "" : "s");
    }
    return kExitOk;
}

}  // namespace cabx
