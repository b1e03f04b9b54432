// The directory reader: every record from memory and through a handle,
// the checks it shares with the walk (truncation anywhere, bad signature
// and version, names at and past their limit, counts and offsets beyond
// the bytes present), and the checksum walk. Cabinets are built here byte
// by byte, not by the writer.
#include <gtest/gtest.h>
#include <limits.h>

#include <string>
#include <vector>

#include "cab_directory.h"
#include "mem_io.h"
#include "walk_recorder.h"

namespace {

struct RawFolder {
    uint16_t type = MethodStored;
    std::vector<std::vector<uint8_t>> blocks;
};
struct RawFile {
    uint32_t size, offset;
    uint16_t folder;
    std::string name;
};

// A cabinet laid out in the format's record order, with its checksums.
struct RawCab {
    uint16_t flags = 0;
    uint16_t headerReserve = 0;
    uint8_t folderReserve = 0, blockReserve = 0;
    std::string names[4];  // previous cabinet, previous disk, next cabinet, next disk
    std::vector<RawFolder> folders;
    std::vector<RawFile> files;

    std::vector<uint8_t> out;
    void U8(uint8_t v) { out.push_back(v); }
    void U16(uint16_t v) { U8(uint8_t(v)), U8(uint8_t(v >> 8)); }
    void U32(uint32_t v) { U16(uint16_t(v)), U16(uint16_t(v >> 16)); }
    void Str(const std::string& s) { out.insert(out.end(), s.begin(), s.end()), U8(0); }
    void Set32(size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) out[at + i] = uint8_t(v >> (8 * i));
    }

    std::vector<uint8_t> Build() {
        out.clear();
        out.insert(out.end(), {'M', 'S', 'C', 'F'});
        U32(0), U32(0), U32(0), U32(0), U32(0);  // size and firstFileOffset patched below
        U16(kCabVersion), U16(uint16_t(folders.size())), U16(uint16_t(files.size()));
        U16(flags), U16(0x1234), U16(1);
        if (flags & HasReserve) {
            U16(headerReserve), U8(folderReserve), U8(blockReserve);
            for (unsigned i = 0; i < headerReserve; ++i) U8(uint8_t(0xA0 + i));
        }
        if (flags & HasPrevious) Str(names[0]), Str(names[1]);
        if (flags & HasNext) Str(names[2]), Str(names[3]);
        std::vector<size_t> folderAt;
        for (const RawFolder& f : folders) {
            folderAt.push_back(out.size());
            U32(0), U16(uint16_t(f.blocks.size())), U16(f.type);
            for (unsigned i = 0; i < folderReserve; ++i) U8(uint8_t(0xB0 + i));
        }
        Set32(16, uint32_t(out.size()));
        for (const RawFile& f : files) {
            U32(f.size), U32(f.offset), U16(f.folder), U16(0x5A21), U16(0x6000), U16(0x20);
            Str(f.name);
        }
        for (size_t i = 0; i < folders.size(); ++i) {
            Set32(folderAt[i], uint32_t(out.size()));
            for (const std::vector<uint8_t>& data : folders[i].blocks) {
                size_t at = out.size();
                U32(0), U16(uint16_t(data.size())), U16(uint16_t(data.size()));
                for (unsigned r = 0; r < blockReserve; ++r) U8(uint8_t(0xC0 + r));
                out.insert(out.end(), data.begin(), data.end());
                uint32_t hs = kBlockHeaderBaseSize + blockReserve;
                Set32(at, DataBlockChecksum(&out[at], hs, &out[at + hs], uint32_t(data.size())));
            }
        }
        Set32(8, uint32_t(out.size()));
        return out;
    }
};

std::vector<uint8_t> Data(size_t n, uint8_t seed) {
    std::vector<uint8_t> v(n);
    for (size_t i = 0; i < n; ++i) v[i] = uint8_t(seed + i * 7);
    return v;
}

// Reserves of every kind, both neighbours, two folders, every spanning kind.
RawCab FullCab() {
    RawCab c;
    c.flags = HasPrevious | HasNext | HasReserve;
    c.headerReserve = 5, c.folderReserve = 3, c.blockReserve = 2;
    c.names[0] = "a.cab", c.names[1] = "Disk A", c.names[2] = "c.cab", c.names[3] = "";
    c.folders.resize(2);
    c.folders[0].blocks = {Data(100, 1), Data(37, 2)};
    c.folders[1].blocks = {Data(5, 3)};
    c.files = {{60, 0, SpansFromPrevious, "first"}, {77, 60, 0, "dir\\second"},
               {5, 0, SpansIntoNext, "third"}};
    return c;
}

// Everything the directory reader can read of a cabinet, or the first error.
struct Walked {
    CabErrorCode code = CabErrorCode::None;
    int detail = 0;
    CabDirectory dir;
    std::vector<FolderEntry> folders;
    std::vector<std::vector<uint8_t>> folderReserves;
    std::vector<FileEntry> files;
    std::vector<std::string> names;
    std::vector<CabBlock> blocks;
    std::vector<std::vector<uint8_t>> blockReserves;
};

Walked WalkAll(CabSource* s) {
    Walked w;
    if ((w.code = ReadCabDirectory(s, &w.dir, &w.detail)) != CabErrorCode::None) return w;
    for (uint32_t i = 0; i < w.dir.header.folderCount; ++i) {
        FolderEntry f;
        std::vector<uint8_t> reserve(w.dir.reserve.folder);
        if ((w.code = ReadCabFolder(s, &w.dir, i, &f, reserve.data())) != CabErrorCode::None)
            return w;
        w.folders.push_back(f);
        w.folderReserves.push_back(reserve);
    }
    uint32_t pos = w.dir.header.firstFileOffset;
    for (uint32_t i = 0; i < w.dir.header.fileCount; ++i) {
        FileEntry e;
        char name[kNameBufferSize];
        if ((w.code = ReadCabFile(s, &pos, &e, name)) != CabErrorCode::None) return w;
        w.files.push_back(e);
        w.names.push_back(name);
    }
    std::vector<uint8_t> data(kMaxBlockData);
    for (const FolderEntry& f : w.folders) {
        uint32_t at = f.firstBlockOffset;
        for (unsigned b = 0; b < f.blockCount; ++b) {
            CabBlock block;
            std::vector<uint8_t> reserve(w.dir.reserve.block);
            if ((w.code = ReadCabBlock(s, &w.dir, &at, &block, reserve.data(), data.data())) !=
                CabErrorCode::None)
                return w;
            w.blocks.push_back(block);
            w.blockReserves.push_back(reserve);
        }
    }
    return w;
}

Walked WalkMemory(const std::vector<uint8_t>& bytes) {
    CabSource s;
    CabSourceFromMemory(&s, bytes.data(), uint32_t(bytes.size()));
    return WalkAll(&s);
}

Walked WalkHandle(const std::vector<uint8_t>& bytes) {
    MemIo::Reset();
    MemIo::Get().files["x.cab"] = bytes;
    int32_t h = MemIo::Open("x.cab", kOpenBinary, 0);
    CabSource s;
    CabSourceFromHandle(&s, MemIo::Read, MemIo::Seek, h);
    Walked w = WalkAll(&s);
    MemIo::Close(h);
    return w;
}

// What the extraction walk says when it opens the cabinet.
CabErrorCode WalkerVerdict(const std::vector<uint8_t>& bytes) {
    MemIo::Reset();
    MemIo::Get().files["x.cab"] = bytes;
    CabIo io = MemIo::Io();
    CabError error{CabErrorCode::None, 0, 0};
    CabReader* reader = CreateReaderIo(&io, -1, &error);
    WalkRecorder rec;
    rec.answer = [](NoticeKind kind, CabNotice*) {
        return kind == NoticeKind::OfferFile ? 0 : INT_MIN;  // decline every file
    };
    bool ok = ExtractCabinet(reader, "x.cab", "", 0, WalkRecorder::Notify, nullptr, &rec);
    DestroyReader(reader);
    return ok ? CabErrorCode::None : error.code;
}

TEST(CabDirectory, ReadsEveryRecordFromMemoryAndThroughAHandle) {
    std::vector<uint8_t> bytes = FullCab().Build();
    for (int handle = 0; handle < 2; ++handle) {
        SCOPED_TRACE(handle ? "handle" : "memory");
        Walked w = handle ? WalkHandle(bytes) : WalkMemory(bytes);
        ASSERT_EQ(w.code, CabErrorCode::None);
        const CabDirectory& d = w.dir;
        EXPECT_EQ(d.header.cabinetSize, bytes.size());
        EXPECT_EQ(d.header.setId, 0x1234);
        EXPECT_EQ(d.reserve.header, 5);
        EXPECT_EQ(d.folderEntrySize, 11u);
        EXPECT_EQ(d.blockHeaderSize, 10u);
        EXPECT_EQ(d.headerReservePos, 40u);
        EXPECT_EQ(bytes[d.headerReservePos + 4], 0xA4);
        EXPECT_STREQ(d.previousCabinet, "a.cab");
        EXPECT_STREQ(d.previousDisk, "Disk A");
        EXPECT_STREQ(d.nextCabinet, "c.cab");
        EXPECT_STREQ(d.nextDisk, "");
        // The folder entries follow the names directly.
        EXPECT_EQ(d.firstFolderPos, 45u + 6 + 7 + 6 + 1);
        ASSERT_EQ(w.folders.size(), 2u);
        EXPECT_EQ(w.folders[0].blockCount, 2);
        EXPECT_EQ(w.folderReserves[1], (std::vector<uint8_t>{0xB0, 0xB1, 0xB2}));
        ASSERT_EQ(w.names.size(), 3u);
        EXPECT_EQ(w.names[1], "dir\\second");
        EXPECT_EQ(w.files[0].folderIndex, SpansFromPrevious);
        EXPECT_EQ(w.files[1].folderOffset, 60u);
        EXPECT_EQ(w.files[2].date, 0x5A21);
        ASSERT_EQ(w.blocks.size(), 3u);
        for (const CabBlock& b : w.blocks) EXPECT_TRUE(b.checked && b.checksumOk);
        EXPECT_EQ(w.blocks[1].header.compressedSize, 37);
        EXPECT_EQ(w.blocks[1].dataPos, w.folders[0].firstBlockOffset + 10 + 100 + 10);
        EXPECT_EQ(w.blockReserves[2], (std::vector<uint8_t>{0xC0, 0xC1}));
    }
}

TEST(CabDirectory, EveryTruncationFailsWithTheCodeOfTheRecordCut) {
    std::vector<uint8_t> bytes = FullCab().Build();
    Walked whole = WalkMemory(bytes);
    uint32_t reserveEnd = whole.dir.headerReservePos + whole.dir.reserve.header;
    for (size_t n = 0; n < bytes.size(); ++n) {
        SCOPED_TRACE(n);
        std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + long(n));
        Walked m = WalkMemory(cut);
        Walked h = WalkHandle(cut);
        EXPECT_EQ(m.code, h.code);
        CabErrorCode want = n < reserveEnd ? CabErrorCode::BadHeader : CabErrorCode::Corrupt;
        EXPECT_EQ(m.code, want);
        // Up to the folder entries, the walk refuses the cabinet the same way.
        if (n < whole.dir.firstFolderPos) EXPECT_EQ(WalkerVerdict(cut), want);
    }
    EXPECT_EQ(WalkerVerdict(bytes), CabErrorCode::None);
}

TEST(CabDirectory, RefusesOtherSignaturesAndVersions) {
    std::vector<uint8_t> bytes = FullCab().Build();
    std::vector<uint8_t> bad = bytes;
    bad[3] = 'G';
    EXPECT_EQ(WalkMemory(bad).code, CabErrorCode::BadHeader);
    bad = bytes;
    bad[24] = 4;
    Walked w = WalkMemory(bad);
    EXPECT_EQ(w.code, CabErrorCode::BadVersion);
    EXPECT_EQ(w.detail, 0x0104);
    EXPECT_EQ(WalkerVerdict(bad), CabErrorCode::BadVersion);
}

TEST(CabDirectory, NamesAtAndPastTheirLimit) {
    RawCab c;
    c.flags = HasNext;
    c.names[2] = std::string(255, 'n');
    c.files = {{0, 0, 0, std::string(255, 'f')}};
    Walked w = WalkMemory(c.Build());
    ASSERT_EQ(w.code, CabErrorCode::None);
    EXPECT_EQ(std::string(w.dir.nextCabinet), c.names[2]);
    EXPECT_EQ(w.names[0], c.files[0].name);

    c.names[2] += 'n';  // 256 characters: no zero within the bytes a name may take
    EXPECT_EQ(WalkMemory(c.Build()).code, CabErrorCode::Corrupt);
    EXPECT_EQ(WalkerVerdict(c.Build()), CabErrorCode::Corrupt);
    c.names[2].resize(3);
    c.files[0].name += 'f';
    EXPECT_EQ(WalkMemory(c.Build()).code, CabErrorCode::Corrupt);
    // A name that the end of the cabinet cuts off, whatever its length.
    c.files[0].name = "x";
    std::vector<uint8_t> bytes = c.Build();
    bytes.pop_back();
    EXPECT_EQ(WalkMemory(bytes).code, CabErrorCode::Corrupt);
    EXPECT_EQ(WalkHandle(bytes).code, CabErrorCode::Corrupt);
}

TEST(CabDirectory, CountsAndOffsetsBeyondTheBytesPresent) {
    RawCab c = FullCab();
    std::vector<uint8_t> bytes = c.Build();
    Walked whole = WalkMemory(bytes);
    CabSource s;
    CabSourceFromMemory(&s, bytes.data(), uint32_t(bytes.size()));
    FolderEntry f;
    EXPECT_EQ(ReadCabFolder(&s, &whole.dir, 2, &f, nullptr), CabErrorCode::Corrupt);

    // More folders than the cabinet holds: the first one past its end fails.
    std::vector<uint8_t> more = bytes;
    more[26] = 0xFF, more[27] = 0xFF;
    EXPECT_EQ(WalkMemory(more).code, CabErrorCode::Corrupt);
    // More files than listed: the entry past the end fails.
    more = bytes;
    more[28] = 0xFF;
    EXPECT_EQ(WalkMemory(more).code, CabErrorCode::Corrupt);
    // The file list, a folder's blocks and one block's data beyond the end.
    for (size_t at : {size_t(16), size_t(whole.dir.firstFolderPos)}) {
        more = bytes;
        more[at + 3] = 0x7F;
        EXPECT_EQ(WalkMemory(more).code, CabErrorCode::Corrupt) << at;
    }
    more = bytes;
    more[whole.dir.firstFolderPos + 4] = 4;  // folder 0: four blocks
    uint32_t folder = 0, block;
    int mismatch;
    std::vector<uint8_t> data(kMaxBlockData);
    CabSourceFromMemory(&s, more.data(), uint32_t(more.size()));
    EXPECT_EQ(CheckCabBlocks(&s, &whole.dir, data.data(), &folder, &block, &mismatch),
              CabErrorCode::Corrupt);
    EXPECT_EQ(mismatch, 0);
    EXPECT_EQ(folder, 0u);
    EXPECT_EQ(block, 3u);  // the third is folder 1's, the fourth lies past the end
    // Positions at the top of the range wrap nowhere.
    uint32_t pos = 0x7FFFFFF0u;
    CabBlock b;
    EXPECT_EQ(ReadCabBlock(&s, &whole.dir, &pos, &b, nullptr, nullptr), CabErrorCode::Corrupt);
    pos = 0xFFFFFFF0u;
    FileEntry e;
    char name[kNameBufferSize];
    EXPECT_EQ(ReadCabFile(&s, &pos, &e, name), CabErrorCode::Corrupt);
}

TEST(CabDirectory, ChecksumWalkNamesTheDamagedBlock) {
    RawCab c = FullCab();
    std::vector<uint8_t> bytes = c.Build();
    Walked whole = WalkMemory(bytes);
    std::vector<uint8_t> data(kMaxBlockData);
    uint32_t folder, block;
    int mismatch;
    auto check = [&](const std::vector<uint8_t>& b, uint32_t from = 0) {
        CabSource s;
        CabSourceFromMemory(&s, b.data(), uint32_t(b.size()));
        folder = from;
        return CheckCabBlocks(&s, &whole.dir, data.data(), &folder, &block, &mismatch);
    };
    EXPECT_EQ(check(bytes), CabErrorCode::None);
    // A data byte and a reserve byte are both covered.
    for (uint32_t at : {whole.blocks[1].dataPos + 36, whole.blocks[2].dataPos - 1}) {
        std::vector<uint8_t> bad = bytes;
        bad[at] ^= 1;
        EXPECT_EQ(check(bad), CabErrorCode::Corrupt);
        EXPECT_EQ(mismatch, 1);
        EXPECT_EQ(at < whole.blocks[2].dataPos - 2 ? 0u : 1u, folder);
        EXPECT_EQ(at < whole.blocks[2].dataPos - 2 ? 1u : 0u, block);
        // A walk from folder 1 on passes folder 0's damage by.
        EXPECT_EQ(check(bad, 1), at < whole.blocks[2].dataPos - 2 ? CabErrorCode::None
                                                                 : CabErrorCode::Corrupt);
        // A stored checksum of 0 accepts the block whatever it holds.
        uint32_t header = at < whole.blocks[2].dataPos - 2 ? whole.blocks[1].dataPos - 10
                                                          : whole.blocks[2].dataPos - 10;
        for (int i = 0; i < 4; ++i) bad[header + i] = 0;
        EXPECT_EQ(check(bad), CabErrorCode::None);
    }
}

TEST(CabDirectory, ChecksumWalkStaysLinearWhenFoldersShareBlocks) {
    // Every one of 200 folders claims all 200 blocks: 40000 block reads
    // without a bound, at most the cabinet's bytes with it.
    RawCab c;
    c.folders.resize(200);
    for (RawFolder& f : c.folders) f.blocks = {Data(100, 9)};
    std::vector<uint8_t> bytes = c.Build();
    Walked whole = WalkMemory(bytes);
    for (uint32_t i = 0; i < 200; ++i) {
        uint32_t at = whole.dir.firstFolderPos + 8 * i;
        for (int k = 0; k < 4; ++k) bytes[at + k] = bytes[whole.dir.firstFolderPos + k];
        bytes[at + 4] = 200;
    }
    bytes.back() ^= 1;  // the last block is damaged
    CabSource s;
    CabSourceFromMemory(&s, bytes.data(), uint32_t(bytes.size()));
    std::vector<uint8_t> data(kMaxBlockData);
    uint32_t folder = 0, block;
    int mismatch;
    EXPECT_EQ(CheckCabBlocks(&s, &whole.dir, data.data(), &folder, &block, &mismatch),
              CabErrorCode::Corrupt);
    EXPECT_EQ(mismatch, 1);
    EXPECT_EQ(folder, 0u);
    EXPECT_EQ(block, 199u);
    bytes.back() ^= 1;
    folder = 0;
    EXPECT_EQ(CheckCabBlocks(&s, &whole.dir, data.data(), &folder, &block, &mismatch),
              CabErrorCode::None);
    EXPECT_EQ(folder, 1u);  // ended in the second folder: the bytes were used up
}

}  // namespace
