// The reader context, the header probe, the checks made when a cabinet is
// opened, data blocks and decoder dispatch, and allocation failures.
#include "cab_reader_state.h"
#include "reader_fixture.h"

namespace {

using cabwriter::Method;

std::vector<uint8_t> HeaderBytes(uint8_t minor, uint8_t major, uint16_t flags) {
    std::vector<uint8_t> h(36, 0);
    memcpy(h.data(), "MSCF", 4);
    h[24] = minor;
    h[25] = major;
    Put16(h, 30, flags);
    Put16(h, 32, 0x4321);
    Put16(h, 34, 2);
    Put32(h, 8, 1000);
    return h;
}

TEST_F(ReaderTest, ProbeAcceptsVersion13AndReportsHeaderFields) {
    Store("a.cab", HeaderBytes(3, 1, HasNext | HasReserve));
    CabIo io = MemIo::Io();
    reader_ = CreateReaderIo(&io, -1, &error_);
    int32_t h = MemIo::Open("a.cab", kOpenBinary, 0);
    ProbeResult r{};
    ASSERT_TRUE(ProbeCabinet(reader_, h, &r));
    EXPECT_EQ(r.cabinetSize, 1000u);
    EXPECT_EQ(r.setId, 0x4321);
    EXPECT_EQ(r.cabinetIndex, 2);
    EXPECT_EQ(r.hasNext, 2);
    EXPECT_EQ(r.hasReserve, 1);
    EXPECT_EQ(r.hasPrevious, 0);
    EXPECT_EQ(MemIo::Seek(h, 0, 1), 36);  // no seek first, 36 bytes on
    MemIo::Close(h);
    EXPECT_EQ(error_.isSet, 0);
}

TEST_F(ReaderTest, ProbeRejectsOtherSignatureSilentlyAndOtherVersionWithDetail) {
    auto notCab = HeaderBytes(3, 1, 0);
    notCab[0] = 'X';
    Store("x", notCab);
    Store("v", HeaderBytes(4, 1, 0));
    Store("short", std::vector<uint8_t>(20, 0));
    CabIo io = MemIo::Io();
    reader_ = CreateReaderIo(&io, -1, &error_);
    ProbeResult r{};
    for (const char* name : {"x", "short"}) {
        int32_t h = MemIo::Open(name, kOpenBinary, 0);
        EXPECT_FALSE(ProbeCabinet(reader_, h, &r));
        MemIo::Close(h);
    }
    EXPECT_EQ(error_.isSet, 0);
    int32_t h = MemIo::Open("v", kOpenBinary, 0);
    EXPECT_FALSE(ProbeCabinet(reader_, h, &r));
    MemIo::Close(h);
    EXPECT_EQ(error_.code, CabErrorCode::BadVersion);
    EXPECT_EQ(error_.detail, 0x0104);
}

TEST_F(ReaderTest, CreateReaderWithoutMemoryAndDestroyRightAfterCreate) {
    MemIo::Get().failAllocAt = 1;
    CabIo io = MemIo::Io();
    EXPECT_EQ(CreateReaderIo(&io, -1, &error_), nullptr);
    EXPECT_EQ(error_.code, CabErrorCode::NoMemory);
    EXPECT_EQ(error_.isSet, 1);
    CabReader* r = CreateReaderIo(&io, -1, &error_);
    ASSERT_NE(r, nullptr);
    EXPECT_TRUE(DestroyReader(r));
}

TEST_F(ReaderTest, OpeningChecksInOrder) {
    auto good = Build({Entry("a", 10)});
    Store("missing-not-stored", {});
    MemIo::Get().files.erase("missing-not-stored");
    EXPECT_FAILS_WITH(Extract("nothing.cab"), CannotOpen);

    Store("short.cab", std::vector<uint8_t>(good.begin(), good.begin() + 30));
    EXPECT_FAILS_WITH(Extract("short.cab"), BadHeader);

    auto sig = good;
    sig[3] = 'G';
    Store("sig.cab", sig);
    EXPECT_FAILS_WITH(Extract("sig.cab"), BadHeader);

    auto ver = good;
    ver[24] = 4;
    Store("ver.cab", ver);
    auto run = Extract("ver.cab");
    EXPECT_FAILS_WITH(run, BadVersion);
    EXPECT_EQ(run.error.detail, 260);

    // HasReserve set, but the file ends inside the reserve sizes.
    auto res = std::vector<uint8_t>(good.begin(), good.begin() + 36);
    Put16(res, 30, HasReserve);
    res.push_back(0);
    Store("res.cab", res);
    EXPECT_FAILS_WITH(Extract("res.cab"), BadHeader);
    EXPECT_TRUE(rec_.events.empty());
}

TEST_F(ReaderTest, NamesOf255CharactersAreReadAnd256AreCorrupt) {
    std::string longName(255, 'n');
    auto cab = Build({Entry(longName, 5)});
    Store("ok.cab", cab);
    auto run = Extract("ok.cab");
    EXPECT_TRUE(run.ok);
    EXPECT_EQ(Output(longName), Entry(longName, 5).data);

    // Overwrite the name's terminating zero: 256 non-zero bytes follow.
    CabLayout layout(cab);
    cab[layout.filePos[0] + 16 + 255] = 'x';
    cab.push_back('y');
    Store("bad.cab", cab);
    EXPECT_FAILS_WITH(Extract("bad.cab"), Corrupt);
}

TEST_F(ReaderTest, CabinetPathTooLongForTheBuffersIsRefused) {
    Store("a.cab", Build({Entry("a", 5)}));
    EXPECT_FAILS_WITH(Extract("a.cab", 0, false, std::string(257, 'p')), CannotOpen);
    // 256 characters fit the path buffer, but not with the name after it.
    EXPECT_FAILS_WITH(Extract("a.cab", 0, false, std::string(256, 'p')), CannotOpen);
    EXPECT_TRUE(rec_.events.empty());
}

TEST_F(ReaderTest, BlockChecksumsZeroAcceptedWrongRejected) {
    cabwriter::Options o;
    o.checksums = false;
    auto cab = Build({Entry("a", 100)}, o);
    CabLayout l(cab);
    uint32_t block = l.FirstBlock(cab, 0);
    cab[block + 8 + 50] ^= 0xFF;  // no checksum: damage passes unnoticed
    Store("nosum.cab", cab);
    EXPECT_TRUE(Extract("nosum.cab").ok);

    auto summed = Build({Entry("a", 100)});
    summed[CabLayout(summed).FirstBlock(summed, 0) + 8 + 50] ^= 0xFF;
    Store("bad.cab", summed);
    auto run = Extract("bad.cab");
    EXPECT_FAILS_WITH(run, Corrupt);
    EXPECT_EQ(rec_.Only("finished"), Events{"finished a run=0 attr=20"});  // from the first run only
}

TEST_F(ReaderTest, StoredBlockSizeLimitsAndMismatch) {
    auto full = Build({Entry("a", 32768)});
    Store("full.cab", full);
    EXPECT_TRUE(Extract("full.cab").ok);
    EXPECT_EQ(Output("a").size(), 32768u);

    // One byte more than the input buffer holds.
    auto big = Build({Entry("a", 32769)}, [] {
        cabwriter::Options o;
        o.checksums = false;
        return o;
    }());
    CabLayout l(big);
    uint32_t b = l.FirstBlock(big, 0);
    // Merge the two blocks' sizes into the first header: 32769 bytes claimed.
    Put16(big, b + 4, 32769);
    Put16(big, b + 6, 32769);
    Store("big.cab", big);
    EXPECT_FAILS_WITH(Extract("big.cab"), Corrupt);

    auto mismatch = Build({Entry("a", 100)}, [] {
        cabwriter::Options o;
        o.checksums = false;
        return o;
    }());
    Put16(mismatch, CabLayout(mismatch).FirstBlock(mismatch, 0) + 6, 99);
    Store("mm.cab", mismatch);
    EXPECT_FAILS_WITH(Extract("mm.cab"), DecoderFailed);
}

TEST_F(ReaderTest, CompressionTypesWithoutDecoder) {
    for (uint16_t type : {0x0004, 0x000E}) {
        cabwriter::Options o;
        o.folders[0].rawCompressionType = type;
        Store("t.cab", Build({Entry("a", 10)}, o));
        EXPECT_FAILS_WITH(Extract("t.cab"), UnsupportedCompression);
        EXPECT_EQ(reader_->compressionType, MethodNone);
    }
    // Method 15 gets no decoder; its first block is refused before reading.
    cabwriter::Options o;
    o.folders[0].rawCompressionType = 0x000F;
    Store("f.cab", Build({Entry("a", 10)}, o));
    EXPECT_FAILS_WITH(Extract("f.cab"), UnsupportedCompression);
    EXPECT_EQ(reader_->inputBuffer, nullptr);
}

TEST_F(ReaderTest, QuantumWindowOutsideRangeFailsAtFolderOpening) {
    for (uint16_t type : {0x0902, 0x1602}) {
        cabwriter::Options o;
        o.folders[0].rawCompressionType = type;
        Store("q.cab", Build({Entry("a", 10)}, o));
        auto run = Extract("q.cab");
        EXPECT_FAILS_WITH(run, DecoderFailed);
        EXPECT_EQ(reader_->compressionType, MethodNone);
        EXPECT_EQ(reader_->outputBuffer, nullptr);
    }
}

TEST_F(ReaderTest, OneDecoderPerTypeBuffersReusedAcrossFolders) {
    cabwriter::Options o;
    o.folders = {cabwriter::FolderSpec{}, cabwriter::FolderSpec{}};
    Store("two.cab", Build({Entry("a", 100, 0), Entry("b", 100, 1)}, o));
    int before = 0;
    MemIo::Get().allocs = 0;
    ASSERT_TRUE(Extract("two.cab").ok);
    before = MemIo::Get().allocs;
    // context, header reserve none, folder entry, block header, and one
    // buffer: stored blocks are read into the output buffer itself
    EXPECT_EQ(before, 4);
    ASSERT_TRUE(Extract("two.cab").ok);
    EXPECT_EQ(MemIo::Get().allocs, before) << "a second extraction reuses the buffers";
    EXPECT_EQ(Output("b"), Entry("b", 100, 1).data);
}

TEST_F(ReaderTest, EveryAllocationFailureIsNoMemoryAndLeaksNothing) {
    cabwriter::Options o;
    o.headerReserve = 8;
    o.folderReserve = 2;
    o.blockReserve = 3;
    Store("r.cab", Build({Entry("a", 40000), Entry("b", 3)}, o));
    for (int n = 1;; ++n) {
        MemIo& io = MemIo::Get();
        io.allocs = 0;
        io.failAllocAt = n;
        CabIo cio = MemIo::Io();
        CabError err{CabErrorCode::None, 0, 0};
        WalkRecorder rec;
        CabReader* r = CreateReaderIo(&cio, -1, &err);
        if (!r) {
            EXPECT_EQ(err.code, CabErrorCode::NoMemory);
            continue;
        }
        bool ok = ExtractCabinet(r, "r.cab", "", 0, WalkRecorder::Notify, nullptr, &rec);
        DestroyReader(r);
        for (auto& h : std::map<int32_t, MemIo::Handle>(io.handles)) MemIo::Close(h.first);
        EXPECT_TRUE(io.live.empty()) << "leak when allocation " << n << " fails";
        if (ok) {
            EXPECT_GT(n, 5);
            break;
        }
        EXPECT_EQ(err.code, CabErrorCode::NoMemory) << "allocation " << n;
    }
}

}  // namespace
