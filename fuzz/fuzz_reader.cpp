// Fuzz target: the whole reader over arbitrary cabinet bytes, and the
// directory reader over the same bytes.
//
// Every path opens the same input bytes, so a cabinet that names a next
// cabinet finds one (usually a set mismatch). Each input is walked twice,
// once plainly and once as a whole set, with a hook that looks at every
// record; every file offered is written to a sink. A repeated NeedCabinet
// is refused so the walk cannot ask forever.
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include "cab_directory.h"
#include "cab_reader.h"

namespace {

const uint8_t* gData;
size_t gSize;
struct Handle {
    bool used;
    bool output;
    size_t pos;
};
Handle gHandles[16];
uint32_t gSink;

void* Alloc(uint32_t size) { return malloc(size ? size : 1); }
void Free(void* p) { free(p); }
int32_t Open(const char*, int flags, int) {
    for (int i = 0; i < 16; ++i)
        if (!gHandles[i].used) {
            gHandles[i] = Handle{true, (flags & kOpenWriteOnly) != 0, 0};
            return i + 1;
        }
    return -1;
}
Handle* Get(int32_t h) { return h >= 1 && h <= 16 && gHandles[h - 1].used ? &gHandles[h - 1] : nullptr; }
int32_t Read(int32_t h, void* buf, uint32_t count) {
    Handle* f = Get(h);
    if (!f || f->output) return -1;
    if (f->pos >= gSize) return 0;
    size_t n = gSize - f->pos < count ? gSize - f->pos : count;
    memcpy(buf, gData + f->pos, n);
    f->pos += n;
    return (int32_t)n;
}
int32_t Write(int32_t h, const void* buf, uint32_t count) {
    Handle* f = Get(h);
    if (!f || !f->output) return -1;
    const uint8_t* p = (const uint8_t*)buf;
    for (uint32_t i = 0; i < count; i += 97) gSink += p[i];  // touch the bytes
    return (int32_t)count;
}
int Close(int32_t h) {
    Handle* f = Get(h);
    if (!f) return -1;
    f->used = false;
    return 0;
}
int32_t Seek(int32_t h, int32_t offset, int origin) {
    Handle* f = Get(h);
    if (!f) return -1;
    int64_t base = origin == 0 ? 0 : origin == 1 ? (int64_t)f->pos : (int64_t)gSize;
    int64_t pos = base + offset;
    if (pos < 0 || pos > INT32_MAX) return -1;
    f->pos = (size_t)pos;
    return (int32_t)pos;
}

int Notify(NoticeKind kind, CabNotice* n) {
    switch (kind) {
        case NoticeKind::OfferFile:
            // Touch the strings the reader hands out.
            gSink += (uint32_t)strlen(n->text1) + (uint32_t)strlen(n->text2) +
                     (uint32_t)strlen(n->text3);
            return Open("out", kOpenWriteOnly, 0);
        case NoticeKind::FileFinished:
            Close(n->handle);
            return 1;
        case NoticeKind::NeedCabinet:
            return n->error ? -1 : 0;
        case NoticeKind::ListPosition: {
            // Bound the number of list passes.
            int* passes = (int*)n->user;
            if (++*passes > 3) n->folderIndex = 0;
            return 0;
        }
        default:
            return 0;
    }
}

int Hook(HookRecord* r) {
    for (uint16_t i = 0; r->reserve && i < r->reserveSize; ++i) gSink += r->reserve[i];
    if (r->kind == HookKind::BlockRead)
        for (uint32_t i = 0; i + r->heldOver < r->dataSize; i += 31) gSink += r->data[i];
    return 0;
}

// The directory reader over the same bytes in memory: every folder, every
// file entry and the checksum walk.
void WalkDirectory() {
    CabSource s;
    CabSourceFromMemory(&s, gData, (uint32_t)gSize);
    CabDirectory dir;
    int detail;
    if (ReadCabDirectory(&s, &dir, &detail) != CabErrorCode::None) return;
    uint8_t reserve[255];
    FolderEntry folder;
    for (uint32_t i = 0; i < dir.header.folderCount; ++i)
        if (ReadCabFolder(&s, &dir, i, &folder, reserve) == CabErrorCode::None)
            gSink += folder.blockCount;
    uint32_t pos = dir.header.firstFileOffset;
    FileEntry file;
    char name[kNameBufferSize];
    for (uint32_t i = 0; i < dir.header.fileCount; ++i) {
        if (ReadCabFile(&s, &pos, &file, name) != CabErrorCode::None) break;
        gSink += (uint32_t)strlen(name);
    }
    static uint8_t data[kMaxBlockData];
    uint32_t f = 0, b;
    int mismatch;
    CheckCabBlocks(&s, &dir, data, &f, &b, &mismatch);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    gData = data;
    gSize = size;
    memset(gHandles, 0, sizeof gHandles);
    const int walks[2] = {0, kExtractWholeSet};
    for (int flags : walks) {
        CabError error{CabErrorCode::None, 0, 0};
        CabReader* reader = CreateReader(Alloc, Free, Open, Read, Write, Close, Seek, -1, &error);
        if (!reader) return 0;
        int passes = 0;
        ExtractCabinet(reader, "a.cab", "dir/", flags, Notify, Hook, &passes);
        int32_t h = Open("a.cab", kOpenBinary, 0);
        ProbeResult probe;
        ProbeCabinet(reader, h, &probe);
        Close(h);
        DestroyReader(reader);
        for (auto& handle : gHandles)
            if (handle.used) abort();  // a handle outlived the extraction
    }
    WalkDirectory();
    return 0;
}
