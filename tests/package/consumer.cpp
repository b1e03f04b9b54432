// Built against an installed package: counts the files a cabinet lists,
// through the reader's public interface only.
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

#include "cab_reader.h"

namespace {
void* Alloc(uint32_t n) { return calloc(1, n ? n : 1); }
void Free(void* p) { free(p); }
int32_t Open(const char* path, int flags, int) {
    return (flags & (kOpenWriteOnly | kOpenReadWrite)) ? -1 : open(path, O_RDONLY);
}
int32_t Read(int32_t h, void* b, uint32_t n) { return int32_t(read(h, b, n)); }
int32_t Write(int32_t, const void*, uint32_t n) { return int32_t(n); }
int Close(int32_t h) { return close(h); }
int32_t Seek(int32_t h, int32_t o, int w) { return int32_t(lseek(h, o, w)); }
int Count(NoticeKind kind, CabNotice* n) {
    if (kind == NoticeKind::OfferFile) ++*static_cast<int*>(n->user);
    return 0;  // listed, not extracted
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) return 2;  // DIR/ NAME
    const CabIo io = {Alloc, Free, Open, Read, Write, Close, Seek};
    CabError error{};
    CabReader* reader = CreateReaderIo(&io, -1, &error);
    int files = 0;
    bool ok = reader && ExtractCabinet(reader, argv[2], argv[1], 0, Count, nullptr, &files);
    if (reader) DestroyReader(reader);
    if (!ok) {
        fprintf(stderr, "consumer: %s\n", CabErrorText(error.code));
        return 1;
    }
    printf("%d files\n", files);
    return 0;
}
