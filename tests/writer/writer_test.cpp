// The writer's cabinets, checked record by record with an independent parser.
#include <gtest/gtest.h>

#include <random>

#include "cab_inspect.h"
#include "cab_writer.h"
#include "encoders.h"
#include "peer_tools.h"

using namespace cabwriter;
using cabinspect::Cab;

namespace {

Entry MakeEntry(const std::string& name, std::vector<uint8_t> data, unsigned folder = 0) {
    Entry e;
    e.name = name;
    e.data = std::move(data);
    e.folder = folder;
    return e;
}

std::vector<Cab> ParseAll(const std::vector<Cabinet>& cabs) {
    std::vector<Cab> out;
    for (const Cabinet& c : cabs) out.push_back(cabinspect::Parse(c.bytes));
    return out;
}

TEST(WriterLayout, SingleCabinetRecords) {
    Options o;
    o.folders = {FolderSpec{}, FolderSpec{}};
    o.blockSize = 1000;
    o.setId = 0xBEEF;
    std::vector<Entry> es = {MakeEntry("a.txt", peer::RandomBytes(2500, 1), 0),
                             MakeEntry("sub\\b.bin", peer::RandomBytes(10, 2), 1),
                             MakeEntry("empty", {}, 0), MakeEntry("c", peer::RandomBytes(7, 3), 0)};
    es[0].date = 0x1234, es[0].time = 0x5678, es[0].attributes = 0x21;
    std::vector<uint8_t> bytes = WriteCabinet(es, o);
    ASSERT_FALSE(bytes.empty());
    Cab c = cabinspect::Parse(bytes);
    EXPECT_EQ(c.cabinetSize, bytes.size());
    EXPECT_EQ(c.version, 0x0103);
    EXPECT_EQ(c.flags, 0);
    EXPECT_EQ(c.setId, 0xBEEF);
    EXPECT_EQ(c.cabinetIndex, 0);
    ASSERT_EQ(c.folderCount, 2);
    // Folders follow the header directly; files follow the folder table.
    EXPECT_EQ(c.firstFileOffset, 36u + 2 * 8);
    EXPECT_EQ(c.folders[0].blockCount, 3);  // 2507 bytes in blocks of 1000
    EXPECT_EQ(c.folders[1].blockCount, 1);
    // Files are listed folder by folder, in their order within the folder.
    ASSERT_EQ(c.fileCount, 4);
    EXPECT_EQ(c.files[0].name, "a.txt");
    EXPECT_EQ(c.files[1].name, "empty");
    EXPECT_EQ(c.files[1].folderOffset, 2500u);
    EXPECT_EQ(c.files[2].name, "c");
    EXPECT_EQ(c.files[2].folderOffset, 2500u);
    EXPECT_EQ(c.files[3].name, "sub\\b.bin");
    EXPECT_EQ(c.files[3].folderIndex, 1);
    EXPECT_EQ(c.files[3].folderOffset, 0u);
    EXPECT_EQ(c.files[0].date, 0x1234);
    EXPECT_EQ(c.files[0].time, 0x5678);
    EXPECT_EQ(c.files[0].attributes, 0x21);
    for (const auto& f : c.folders)
        for (const auto& b : f.blocks) {
            EXPECT_NE(b.checksum, 0u);
            EXPECT_TRUE(b.checksumOk);
            EXPECT_EQ(b.compressedSize, b.uncompressedSize);
        }
    auto files = cabinspect::ExtractStoredSet({c});
    for (const Entry& e : es) EXPECT_EQ(files[e.name], e.data) << e.name;
}

TEST(WriterLayout, ReserveAreasAndChecksumOverBlockReserve) {
    Options o;
    o.headerReserve = 300;
    o.folderReserve = 7;
    o.blockReserve = 13;
    o.reserveFill = 0x5C;
    std::vector<uint8_t> bytes = WriteCabinet({MakeEntry("x", peer::RandomBytes(40000, 4))}, o);
    Cab c = cabinspect::Parse(bytes);
    EXPECT_EQ(c.flags, 4);
    EXPECT_EQ(c.headerReserveSize, 300);
    EXPECT_EQ(c.folderReserveSize, 7);
    EXPECT_EQ(c.blockReserveSize, 13);
    EXPECT_EQ(c.headerReserve, std::vector<uint8_t>(300, 0x5C));
    EXPECT_EQ(c.folders[0].reserve, std::vector<uint8_t>(7, 0x5C));
    EXPECT_EQ(c.firstFileOffset, 36u + 4 + 300 + 8 + 7);
    ASSERT_EQ(c.folders[0].blocks.size(), 2u);
    for (const auto& b : c.folders[0].blocks) {
        EXPECT_EQ(b.reserve, std::vector<uint8_t>(13, 0x5C));
        EXPECT_TRUE(b.checksumOk);  // the block reserve is inside the checksum
    }
    // A checksum that left the reserve out would differ: flip a reserve byte.
    std::vector<uint8_t> damaged = bytes;
    damaged[c.folders[0].firstBlockOffset + 8] ^= 1;
    EXPECT_FALSE(cabinspect::Parse(damaged).folders[0].blocks[0].checksumOk);

    Options flag;
    flag.forceReserveFlag = true;
    Cab f = cabinspect::Parse(WriteCabinet({MakeEntry("x", {1, 2, 3})}, flag));
    EXPECT_EQ(f.flags, 4);
    EXPECT_EQ(f.headerReserveSize, 0);
    EXPECT_EQ(f.firstFileOffset, 36u + 4 + 8);
}

TEST(WriterLayout, ChecksumsOffAndRawCompressionType) {
    Options o;
    o.checksums = false;
    FolderSpec odd;
    odd.rawCompressionType = 0x0F00;  // stored data, odd upper bits
    o.folders = {odd};
    Cab c = cabinspect::Parse(WriteCabinet({MakeEntry("x", {9, 9})}, o));
    EXPECT_EQ(c.folders[0].compressionType, 0x0F00);
    EXPECT_EQ(c.folders[0].blocks[0].checksum, 0u);

    FolderSpec lzx;
    lzx.method = Method::Lzx;
    lzx.windowBits = 17;
    EXPECT_EQ(CompressionTypeOf(lzx), 0x1103);
    FolderSpec q;
    q.method = Method::Quantum;
    q.windowBits = 10;
    EXPECT_EQ(CompressionTypeOf(q), 0x0A02);
    EXPECT_EQ(CompressionTypeOf(FolderSpec{}), 0);
}

TEST(WriterLayout, EmptyInputsAndRefusals) {
    std::vector<Cabinet> cabs;
    std::string error;
    // No files at all: one cabinet with its (empty) folder.
    ASSERT_TRUE(WriteCabinets({}, Options(), &cabs, &error)) << error;
    Cab c = cabinspect::Parse(cabs[0].bytes);
    EXPECT_EQ(c.fileCount, 0);
    EXPECT_EQ(c.folderCount, 1);
    EXPECT_EQ(c.folders[0].blockCount, 0);

    EXPECT_FALSE(WriteCabinets({MakeEntry("x", {1}, 3)}, Options(), &cabs, &error));
    EXPECT_NE(error.find("folder"), std::string::npos);
    EXPECT_FALSE(WriteCabinets({MakeEntry(std::string(256, 'n'), {1})}, Options(), &cabs, &error));
    EXPECT_TRUE(WriteCabinets({MakeEntry(std::string(255, 'n'), {1})}, Options(), &cabs, &error));
    EXPECT_FALSE(WriteCabinets({MakeEntry("", {1})}, Options(), &cabs, &error));
    Options bad;
    bad.blockSize = 0;
    EXPECT_FALSE(WriteCabinets({MakeEntry("x", {1})}, bad, &cabs, &error));
    Options tiny;
    tiny.maxCabinetSize = 60;
    EXPECT_FALSE(WriteCabinets({MakeEntry("x", peer::RandomBytes(1000, 5))}, tiny, &cabs, &error));
    EXPECT_NE(error.find("too small"), std::string::npos) << error;
    // A method whose encoder has not landed reports it instead of writing.
    Options lzx;
    lzx.folders[0].method = Method::Lzx;
    if (!WriteCabinets({MakeEntry("x", {1, 2})}, lzx, &cabs, &error))
        EXPECT_FALSE(error.empty());
}

// Checks the set invariants a reader relies on, and that the joined folders
// give every file back.
void CheckSet(const std::vector<Entry>& es, const Options& o, const std::vector<Cabinet>& cabs) {
    std::vector<Cab> parsed = ParseAll(cabs);
    for (size_t i = 0; i < parsed.size(); ++i) {
        const Cab& c = parsed[i];
        SCOPED_TRACE("cabinet " + cabs[i].name);
        EXPECT_LE(cabs[i].bytes.size(), o.maxCabinetSize);
        EXPECT_EQ(c.cabinetSize, cabs[i].bytes.size());
        EXPECT_EQ(c.setId, o.setId);
        EXPECT_EQ(c.cabinetIndex, o.firstCabinetIndex + i);
        EXPECT_EQ(bool(c.flags & 1), i > 0);
        EXPECT_EQ(bool(c.flags & 2), i + 1 < parsed.size());
        if (i > 0) EXPECT_EQ(c.prevCab, cabs[i - 1].name);
        if (i + 1 < parsed.size()) EXPECT_EQ(c.nextCab, cabs[i + 1].name);
        for (const auto& f : c.folders)
            for (size_t b = 0; b < f.blocks.size(); ++b) {
                EXPECT_TRUE(f.blocks[b].checksumOk);
                // Only the last block of the last folder may be a first piece.
                if (f.blocks[b].uncompressedSize == 0) {
                    EXPECT_EQ(&f, &c.folders.back());
                    EXPECT_EQ(b + 1, f.blocks.size());
                    EXPECT_LT(i + 1, parsed.size());
                }
            }
        // Entries continued from the previous cabinet stand at the head of
        // the list, in the order of the previous cabinet's continuing tail.
        std::vector<std::string> head, tail;
        bool inHead = true;
        for (const auto& f : c.files) {
            bool fromPrev = f.folderIndex == 0xFFFD || f.folderIndex == 0xFFFF;
            if (!fromPrev) inHead = false;
            if (fromPrev) {
                EXPECT_TRUE(inHead) << f.name;
                head.push_back(f.name);
            }
            if (f.folderIndex < 0xFFFD) EXPECT_LT(f.folderIndex, c.folderCount);
        }
        if (i > 0) {
            for (const auto& f : parsed[i - 1].files)
                if (f.folderIndex == 0xFFFE || f.folderIndex == 0xFFFF) tail.push_back(f.name);
            EXPECT_EQ(head, tail);
        }
        // Continuing entries close the list.
        bool seenOut = false;
        for (const auto& f : c.files) {
            bool out = f.folderIndex == 0xFFFE || f.folderIndex == 0xFFFF;
            if (seenOut) EXPECT_TRUE(out) << f.name;
            seenOut |= out;
        }
    }
    auto files = cabinspect::ExtractStoredSet(parsed);
    EXPECT_EQ(files.size(), es.size());
    for (const Entry& e : es) EXPECT_EQ(files[e.name], e.data) << e.name;
}

std::vector<Entry> SetEntries(unsigned folders) {
    std::vector<Entry> es;
    for (unsigned i = 0; i < 9; ++i)
        es.push_back(MakeEntry("dir\\f" + std::to_string(i), peer::RandomBytes(i * 3001 + (i == 4 ? 0 : 17), i),
                               i % folders));
    es.push_back(MakeEntry("z-empty", {}, 0));
    return es;
}

TEST(WriterSets, SplitsAtMaximumSizeWithSpanningFilesAndCutBlocks) {
    struct Case { uint32_t maxSize, blockSize; unsigned folders; uint16_t reserve; };
    for (Case k : {Case{20000, 4096, 2, 0}, Case{9000, 1000, 3, 0}, Case{3000, 100, 1, 0},
                   Case{24000, 32768, 1, 0}, Case{7000, 2000, 2, 17}, Case{70000, 32768, 9, 0}}) {
        SCOPED_TRACE("max " + std::to_string(k.maxSize) + " block " + std::to_string(k.blockSize));
        Options o;
        o.folders.assign(k.folders, FolderSpec{});
        o.maxCabinetSize = k.maxSize;
        o.blockSize = k.blockSize;
        o.blockReserve = uint8_t(k.reserve);
        o.headerReserve = k.reserve;
        o.firstCabinetIndex = 5;
        o.namePattern = "set-%d.cab";
        std::vector<Entry> es = SetEntries(k.folders);
        std::vector<Cabinet> cabs;
        std::string error;
        ASSERT_TRUE(WriteCabinets(es, o, &cabs, &error)) << error;
        EXPECT_GT(cabs.size(), 1u);
        EXPECT_EQ(cabs[0].name, "set-1.cab");
        CheckSet(es, o, cabs);
    }
}

TEST(WriterSets, FileSpanningThreeCabinetsIsListedInEach) {
    Options o;
    o.maxCabinetSize = 10000;
    o.blockSize = 3000;
    std::vector<Entry> es = {MakeEntry("small", peer::RandomBytes(100, 1)),
                             MakeEntry("big", peer::RandomBytes(25000, 2))};
    std::vector<Cabinet> cabs;
    std::string error;
    ASSERT_TRUE(WriteCabinets(es, o, &cabs, &error)) << error;
    ASSERT_GE(cabs.size(), 3u);
    std::vector<Cab> p = ParseAll(cabs);
    EXPECT_EQ(p[0].files.back().folderIndex, 0xFFFE);
    for (size_t i = 1; i + 1 < p.size(); ++i) {
        ASSERT_EQ(p[i].files.size(), 1u);
        EXPECT_EQ(p[i].files[0].folderIndex, 0xFFFF);
        EXPECT_EQ(p[i].files[0].folderOffset, 100u);  // from the folder's very beginning
    }
    EXPECT_EQ(p.back().files[0].folderIndex, 0xFFFD);
    CheckSet(es, o, cabs);
}

TEST(WriterSets, EveryCutPieceCarriesItsOwnChecksum) {
    Options o;
    o.maxCabinetSize = 20000;
    o.blockSize = 32768;
    std::vector<Entry> es = {MakeEntry("a", peer::RandomBytes(30000, 9))};
    std::vector<Cabinet> cabs;
    std::string error;
    ASSERT_TRUE(WriteCabinets(es, o, &cabs, &error)) << error;
    std::vector<Cab> p = ParseAll(cabs);
    ASSERT_GE(p.size(), 2u);
    const auto& first = p[0].folders.back().blocks.back();
    const auto& second = p[1].folders[0].blocks[0];
    EXPECT_EQ(first.uncompressedSize, 0);
    EXPECT_EQ(second.uncompressedSize, 30000);
    EXPECT_EQ(first.compressedSize + second.compressedSize, 30000);
    EXPECT_TRUE(first.checksumOk && second.checksumOk);
    EXPECT_NE(first.checksum, 0u);
    EXPECT_NE(second.checksum, 0u);
    CheckSet(es, o, cabs);
}

TEST(WriterSets, ManySmallFilesAndEmptyFilesAtCuts) {
    Options o;
    o.maxCabinetSize = 2500;
    o.blockSize = 512;
    std::vector<Entry> es;
    for (int i = 0; i < 120; ++i)
        es.push_back(MakeEntry("n" + std::to_string(i), peer::RandomBytes(i % 5 == 0 ? 0 : i * 7 % 300, i)));
    std::vector<Cabinet> cabs;
    std::string error;
    ASSERT_TRUE(WriteCabinets(es, o, &cabs, &error)) << error;
    EXPECT_GT(cabs.size(), 5u);
    CheckSet(es, o, cabs);
}

// With closeFoldersAtCuts, extractors that join a continued folder to the
// one before and only take its files from the cabinet where it begins must
// find every file: no file begins in a continuation, every crossing lies
// inside a cut block, and a cabinet whose one folder runs on both ways lists
// nothing that ends in it but what continues.
TEST(WriterSets, ClosedFoldersListEveryFileWhereItsFolderBegins) {
    std::mt19937 rng(7);
    for (int round = 0; round < 40; ++round) {
        Options o;
        o.closeFoldersAtCuts = true;
        o.folders.assign(1 + rng() % 3, FolderSpec{});
        o.blockSize = std::vector<uint32_t>{32768, 4096, 1000}[rng() % 3];
        o.maxCabinetSize = 2 * o.blockSize + 600 + rng() % (6 * o.blockSize);
        SCOPED_TRACE("round " + std::to_string(round) + " block " + std::to_string(o.blockSize) +
                     " max " + std::to_string(o.maxCabinetSize));
        std::vector<Entry> es;
        for (int i = 0, n = 1 + int(rng() % 30); i < n; ++i) {
            uint32_t kind = rng() % 4;
            size_t size = kind == 0 ? 0 : kind == 1 ? rng() % 300 : rng() % (2 * o.maxCabinetSize);
            es.push_back(MakeEntry("f" + std::to_string(i), peer::RandomBytes(size, round * 100 + i),
                                   unsigned(rng() % o.folders.size())));
        }
        std::vector<Cabinet> cabs;
        std::string error;
        ASSERT_TRUE(WriteCabinets(es, o, &cabs, &error)) << error;
        CheckSet(es, o, cabs);
        std::vector<Cab> p = ParseAll(cabs);
        for (size_t i = 1; i < p.size(); ++i) {
            const Cab& prev = p[i - 1];
            bool continued = false;
            for (const auto& f : prev.files) continued |= f.folderIndex == 0xFFFE || f.folderIndex == 0xFFFF;
            bool cut = !prev.folders.empty() && !prev.folders.back().blocks.empty() &&
                       prev.folders.back().blocks.back().uncompressedSize == 0;
            EXPECT_EQ(continued, cut) << cabs[i].name << ": folder continues at a block boundary";
            for (const auto& f : p[i].files) {
                if (continued) {
                    EXPECT_NE(f.folderIndex, 0) << cabs[i].name << ": " << f.name << " begins in a continuation";
                    if (p[i].folderCount == 1) EXPECT_NE(f.folderIndex, 0xFFFE) << f.name;
                }
                if (p[i].folderCount == 1 && i + 1 < p.size() && (p[i].flags & 2) && continued &&
                    p[i].folders[0].blocks.back().uncompressedSize == 0)
                    EXPECT_NE(f.folderIndex, 0xFFFD) << cabs[i].name << ": " << f.name
                                                     << " ends in a folder that runs on both ways";
            }
        }
    }
}

}  // namespace
