// The reader's file callbacks over POSIX files: plain ones, and read
// handles buffered per thread so that the reader's small reads and seeks
// cost few system calls.
#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <limits.h>
#include <stdlib.h>
#include <string.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <memory>
#include <new>
#include <mutex>
#include <vector>

#include "archive.h"

namespace cabx {

namespace {

// The reader reads a cabinet a block header (8 bytes) and a block (a few
// KiB) at a time, and its file list an entry at a time, on two handles
// that it seeks between. A buffer per handle turns those tens of thousands
// of system calls on the decoding thread into a few hundred reads.
//
// Fresh memory costs a page fault per page touched, which on a virtualised
// machine costs more than reading the page: a handle's reads start small
// and double up to kReadBufferSize, so that the handle the reader reads
// the file list through touches a few pages rather than the whole buffer,
// and buffers let go of are kept for the handles opened next, by any
// thread (the passes of a parallel extraction open theirs after the
// planning walk has closed its own).
constexpr size_t kReadBufferSize = 256 << 10;
constexpr size_t kFirstFill = 16 << 10;
struct ReadBuffer {
    int fd = -1;
    int64_t pos = 0;    // where the handle stands
    int64_t start = 0;  // the file offset of data[0]
    size_t len = 0;     // bytes valid in data
    size_t fill = 0;    // bytes the next refill asks for
    // kReadBufferSize bytes while the handle is open; not zeroed, as only
    // the len bytes read are ever looked at.
    uint8_t* data = nullptr;
    ~ReadBuffer();      // a thread that ends with a handle open
};

// Buffers let go of, their pages touched.
std::mutex gSpareMutex;
uint8_t* gSpare[8];
int gSpares = 0;

uint8_t* TakeBuffer() {
    {
        std::lock_guard<std::mutex> lock(gSpareMutex);
        if (gSpares > 0) return gSpare[--gSpares];
    }
    return new (std::nothrow) uint8_t[kReadBufferSize];
}

void GiveBack(uint8_t* p) {
    if (!p) return;
    {
        std::lock_guard<std::mutex> lock(gSpareMutex);
        if (gSpares < 8) {
            gSpare[gSpares++] = p;
            return;
        }
    }
    delete[] p;
}

ReadBuffer::~ReadBuffer() { GiveBack(data); }

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

}  // namespace

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
int32_t BufferedOpen(const char* path, int flags, int mode) {
    int32_t h = PosixOpen(path, flags, mode);
    if (h < 0 || (flags & (kOpenWriteOnly | kOpenReadWrite))) return h;
    for (ReadBuffer& b : gReadBuffers) {
        if (b.fd >= 0) continue;
        b.fd = h;
        b.pos = b.start = 0;
        b.len = 0;
        b.fill = kFirstFill;
        if (!b.data) b.data = TakeBuffer();
        if (!b.data) {
            b.fd = -1;  // unbuffered
            break;
        }
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
            memcpy(p + done, b->data + at, take);
            done += uint32_t(take);
            b->pos += int64_t(take);
            continue;
        }
        bool direct = count - done >= kReadBufferSize;  // large reads bypass the buffer
        ssize_t n = direct ? pread(h, p + done, count - done, b->pos)
                           : pread(h, b->data, b->fill, b->pos);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return -1;
        if (n == 0) break;
        if (direct) {
            done += uint32_t(n);
            b->pos += n;
        } else {
            b->start = b->pos;
            b->len = size_t(n);
            b->fill = std::min(b->fill * 2, kReadBufferSize);
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
    if (ReadBuffer* b = BufferOf(h)) {
        b->fd = -1;
        GiveBack(b->data);
        b->data = nullptr;
    }
    return close(h);
}

// Blocks of a megabyte or more (the decoders' windows) are mapped on their
// own, aligned to 2 MiB and advised as huge pages: a 2 MiB window then
// costs one page fault instead of 512, which on a virtualised machine was a
// sixth of the CPU time of testing an LZX cabinet. Mapped memory reads as
// zeros, as calloc's does. Such blocks are remembered, so that Free unmaps
// them; when the table is full, calloc serves.
namespace {
constexpr size_t kMappedFrom = size_t(1) << 20;
constexpr size_t kHugePage = size_t(2) << 20;
struct Mapped {
    void* at;
    size_t length;
};
std::mutex gMappedMutex;
Mapped gMapped[16];

}  // namespace

void* MapLarge(size_t size) {
    size_t page = size_t(sysconf(_SC_PAGESIZE));
    size_t length = (size + page - 1) & ~(page - 1);
    void* raw = mmap(nullptr, length + kHugePage, PROT_READ | PROT_WRITE,
                     MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED) return nullptr;
    // Keep the aligned part; give back what lies before and after it.
    uintptr_t base = uintptr_t(raw);
    uintptr_t at = (base + kHugePage - 1) & ~uintptr_t(kHugePage - 1);
    if (at > base) munmap(raw, at - base);
    uintptr_t tail = base + length + kHugePage;
    if (tail > at + length) munmap(reinterpret_cast<void*>(at + length), tail - (at + length));
#ifdef MADV_HUGEPAGE
    madvise(reinterpret_cast<void*>(at), length & ~(kHugePage - 1), MADV_HUGEPAGE);
#endif
    return reinterpret_cast<void*>(at);
}

void* Alloc(uint32_t size) {
    if (size >= kMappedFrom) {
        std::lock_guard<std::mutex> lock(gMappedMutex);
        for (Mapped& m : gMapped) {
            if (m.at) continue;
            void* p = MapLarge(size);
            if (!p) return nullptr;
            m.at = p;
            m.length = size;
            return p;
        }
    }
    return calloc(1, size ? size : 1);
}
void Free(void* p) {
    if (!p) return;
    {
        std::lock_guard<std::mutex> lock(gMappedMutex);
        for (Mapped& m : gMapped) {
            if (m.at != p) continue;
            munmap(p, m.length);
            m.at = nullptr;
            return;
        }
    }
    free(p);
}

namespace {

// Equal but for the case of ASCII letters (whatever the locale): two such
// names have the same length.
bool SameIgnoringAsciiCase(const char* a, const std::string& b) {
    size_t i = 0;
    for (; a[i] && i < b.size(); ++i) {
        unsigned char x = (unsigned char)a[i], y = (unsigned char)b[i];
        if (x >= 'A' && x <= 'Z') x = (unsigned char)(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = (unsigned char)(y - 'A' + 'a');
        if (x != y) return false;
    }
    return !a[i] && i == b.size();
}

}  // namespace

std::string CabinetOnDisk(const std::string& dir, const std::string& name) {
    struct stat st;
    if (name.empty() || name.find('/') != std::string::npos ||
        lstat((dir + name).c_str(), &st) == 0)
        return name;
    DIR* d = opendir(dir.empty() ? "." : dir.c_str());
    if (!d) return name;
    std::string found;
    unsigned matches = 0;
    while (dirent* e = readdir(d)) {
        if (SameIgnoringAsciiCase(e->d_name, name)) {
            found = e->d_name;
            ++matches;
        }
    }
    closedir(d);
    return matches == 1 ? found : name;
}

}  // namespace cabx
