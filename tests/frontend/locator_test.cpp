// The cabinet locator and the offset translation of shifted handles, on real
// files: a plain cabinet, cabinets behind an "MZ" stub with and without
// decoys, the 1 MiB scan limit, and the two-slot bookkeeping.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "CabinetLocator.h"
#include "frontend_test_util.h"

namespace {

using Bytes = std::vector<uint8_t>;

// Low-level calls over POSIX, mapping the reader's flag encoding.
int32_t PosixOpen(const char* path, int flags, int mode) {
    int f = (flags & kOpenWriteOnly) ? O_WRONLY : (flags & kOpenReadWrite) ? O_RDWR : O_RDONLY;
    if (flags & kOpenCreate) f |= O_CREAT;
    if (flags & kOpenTruncate) f |= O_TRUNC;
    return open(path, f, (mode & kPermWrite) ? 0644 : 0444);
}
int32_t PosixRead(int32_t h, void* b, uint32_t n) { return (int32_t)read(h, b, n); }
int32_t PosixWrite(int32_t h, const void* b, uint32_t n) { return (int32_t)write(h, b, n); }
int PosixClose(int32_t h) { return close(h); }
int32_t PosixSeek(int32_t h, int32_t off, int origin) {
    return (int32_t)lseek(h, off, origin == 0 ? SEEK_SET : origin == 1 ? SEEK_CUR : SEEK_END);
}
void* Alloc(uint32_t n) { return malloc(n); }
void Free(void* p) { free(p); }

const LowLevelFileOps kOps = {PosixOpen, PosixRead, PosixWrite, PosixClose, PosixSeek};
const CabIo kIo = {Alloc, Free, PosixOpen, PosixRead, PosixWrite, PosixClose, PosixSeek};

class LocatorTest : public ::testing::Test {
protected:
    TempDir dir;
    std::string path;

    int32_t Locate(const Bytes& file, uint32_t headLimit = ScanLimit) {
        path = dir.Write("archive.exe", file);
        uint32_t n = file.size() < headLimit ? (uint32_t)file.size() : headLimit;
        return CabinetLocator(&kIo, path.c_str(), file.data(), n);
    }
};

Bytes Stub(size_t size) {
    Bytes b(size, 0x90);
    b[0] = 'M';
    b[1] = 'Z';
    return b;
}

void Append(Bytes* to, const Bytes& what) { to->insert(to->end(), what.begin(), what.end()); }

TEST_F(LocatorTest, PlainCabinetIsProbedAtZero) {
    EXPECT_EQ(Locate(MinimalCabinet()), 0);
    // A file of 10 bytes or fewer is never scanned, only probed at 0.
    EXPECT_EQ(Locate(Bytes{'M', 'Z', 'M', 'S', 'C', 'F', 0, 0, 0, 0}), -1);
    EXPECT_EQ(Locate(Bytes{}), -1);
}

TEST_F(LocatorTest, CabinetBehindStubIsFound) {
    Bytes file = Stub(5000);
    Append(&file, MinimalCabinet());
    EXPECT_EQ(Locate(file), 5000);

    // The earliest position a candidate may have is 2.
    Bytes early = Stub(2);
    Append(&early, MinimalCabinet());
    EXPECT_EQ(Locate(early), 2);
}

TEST_F(LocatorTest, DecoysAreSkipped) {
    Bytes file = Stub(3000);
    // A bare signature with garbage behind it, a header of a wrong version,
    // and a signature overlapping the real cabinet's lead-in.
    Bytes decoy = {'M', 'S', 'C', 'F', 0, 0, 0, 0, 0xFF, 0xFF};
    std::copy(decoy.begin(), decoy.end(), file.begin() + 100);
    Bytes badVersion = MinimalCabinet();
    badVersion[25] = 2;
    std::copy(badVersion.begin(), badVersion.end(), file.begin() + 500);
    Append(&file, MinimalCabinet());
    EXPECT_EQ(Locate(file), 3000);
}

TEST_F(LocatorTest, ScanLimit) {
    // Beyond the first MiB: not found.
    Bytes far = Stub(ScanLimit + 100);
    Append(&far, MinimalCabinet());
    EXPECT_EQ(Locate(far), -1);
    // Starting less than 8 bytes before the end of the head: not found, even
    // though the whole cabinet is in the file.
    Bytes edge = Stub(ScanLimit - 7);
    Append(&edge, MinimalCabinet());
    EXPECT_EQ(Locate(edge), -1);
    // Exactly 8 bytes before the end: found.
    Bytes fits = Stub(ScanLimit - 8);
    Append(&fits, MinimalCabinet());
    EXPECT_EQ(Locate(fits), (int32_t)(ScanLimit - 8));
}

TEST_F(LocatorTest, UnreadableExecutable) {
    Bytes file = Stub(64);
    Append(&file, MinimalCabinet());
    EXPECT_EQ(CabinetLocator(&kIo, (dir.path + "/missing.exe").c_str(), file.data(),
                             (uint32_t)file.size()),
              -1);
}

TEST(OffsetFileIo, SeekTranslationAndSlots) {
    TempDir dir;
    Bytes file(1000);
    for (size_t i = 0; i < file.size(); ++i) file[i] = (uint8_t)i;
    std::string path = dir.Write("f.bin", file);

    OffsetFileState st;
    InitOffsetFileState(&st);
    st.cabinetBase = 200;
    int32_t a = OffsetOpen(&st, &kOps, path.c_str(), kOpenBinary, 0);
    int32_t b = OffsetOpen(&st, &kOps, path.c_str(), kOpenBinary, 0);
    int32_t c = OffsetOpen(&st, &kOps, path.c_str(), kOpenBinary, 0);
    ASSERT_GE(c, 0);
    EXPECT_EQ(st.cabinetHandles[0], a);
    EXPECT_EQ(st.cabinetHandles[1], b);

    // Opening positions a shifted handle on the cabinet's first byte.
    uint8_t byte = 0;
    ASSERT_EQ(PosixRead(a, &byte, 1), 1);
    EXPECT_EQ(byte, 200);
    EXPECT_EQ(OffsetSeek(&st, &kOps, a, 10, 0), 10);
    EXPECT_EQ(OffsetSeek(&st, &kOps, a, 0, 1), 10);
    ASSERT_EQ(PosixRead(a, &byte, 1), 1);
    EXPECT_EQ(byte, 210);
    EXPECT_EQ(OffsetSeek(&st, &kOps, a, 5, 1), 16);
    EXPECT_EQ(OffsetSeek(&st, &kOps, a, -10, 2), 1000 - 10 - 200);
    // A failed seek stays -1, and an offset that would wrap is refused.
    EXPECT_EQ(OffsetSeek(&st, &kOps, a, -300, 0), -1);
    EXPECT_EQ(OffsetSeek(&st, &kOps, a, INT32_MAX, 0), -1);

    // The third handle was seeked to the base but is not shifted afterwards.
    ASSERT_EQ(PosixRead(c, &byte, 1), 1);
    EXPECT_EQ(byte, 200);
    EXPECT_EQ(OffsetSeek(&st, &kOps, c, 10, 0), 10);
    EXPECT_EQ(OffsetSeek(&st, &kOps, c, 0, 2), 1000);

    // Closing frees the slot; the next reading open takes it.
    EXPECT_EQ(OffsetClose(&st, &kOps, a), 0);
    EXPECT_EQ(st.cabinetHandles[0], -1);
    int32_t d = OffsetOpen(&st, &kOps, path.c_str(), kOpenBinary, 0);
    EXPECT_EQ(st.cabinetHandles[0], d);

    // A write-only open is never recorded and never seeked.
    OffsetClose(&st, &kOps, d);
    int32_t w = OffsetOpen(&st, &kOps, (dir.path + "/out.bin").c_str(),
                           kOpenBinary | kOpenCreate | kOpenTruncate | kOpenWriteOnly, 0x180);
    ASSERT_GE(w, 0);
    EXPECT_EQ(st.cabinetHandles[0], -1);
    EXPECT_EQ(OffsetSeek(&st, &kOps, w, 0, 1), 0);

    for (int32_t h : {b, c, w}) OffsetClose(&st, &kOps, h);
    EXPECT_EQ(st.cabinetHandles[1], -1);

    // With base 0 nothing is recorded.
    InitOffsetFileState(&st);
    int32_t e = OffsetOpen(&st, &kOps, path.c_str(), kOpenBinary, 0);
    EXPECT_EQ(st.cabinetHandles[0], -1);
    OffsetClose(&st, &kOps, e);
}

}  // namespace
