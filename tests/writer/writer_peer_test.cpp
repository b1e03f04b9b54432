// The writer's cabinets extracted by independent peer extractors. Where a
// peer departs from the format, the case stays and the test names the
// difference.
#include <gtest/gtest.h>

#include "cab_inspect.h"
#include "cab_writer.h"
#include "peer_tools.h"

using namespace cabwriter;

namespace {

std::vector<Entry> Sample(unsigned folders, size_t scale) {
    std::vector<Entry> es;
    const char* names[] = {"readme.txt", "bin\\tool.exe", "bin\\data\\table.dat", "empty.txt",
                           "docs\\guide.txt", "z.bin"};
    for (unsigned i = 0; i < 6; ++i) {
        Entry e;
        e.name = names[i];
        e.data = i == 3 ? std::vector<uint8_t>() : peer::RandomBytes(scale * (i + 1) + i, 100 + i);
        e.folder = i % folders;
        es.push_back(e);
    }
    return es;
}

std::map<std::string, std::vector<uint8_t>> Expected(const std::vector<Entry>& es) {
    std::map<std::string, std::vector<uint8_t>> m;
    for (const Entry& e : es) {
        std::string n = e.name;
        for (char& c : n) if (c == '\\') c = '/';
        m[n] = e.data;
    }
    return m;
}

// Writes the cabinets into dir and returns the first one's path.
std::string Store(const peer::TempDir& dir, const std::vector<Cabinet>& cabs) {
    for (const Cabinet& c : cabs) peer::WriteFile(dir.path() / c.name, c.bytes);
    return dir / cabs[0].name;
}

std::vector<Cabinet> Write(const std::vector<Entry>& es, const Options& o) {
    std::vector<Cabinet> cabs;
    std::string error;
    EXPECT_TRUE(WriteCabinets(es, o, &cabs, &error)) << error;
    return cabs;
}

peer::RunResult Cabextract(const std::string& cab, const std::string& out) {
    return peer::Run("cabextract -q -d " + peer::Quote(out) + " " + peer::Quote(cab));
}
peer::RunResult SevenZip(const std::string& cab, const std::string& out) {
    return peer::Run("7zz x -y -bd -o" + peer::Quote(out) + " " + peer::Quote(cab));
}

// cabextract (into dir/outc) and 7zz (into dir/out7) both extract exactly es.
void BothPeersGive(const std::string& cab, const peer::TempDir& dir, const std::vector<Entry>& es) {
    auto rc = Cabextract(cab, dir / "outc");
    EXPECT_EQ(rc.status, 0) << rc.out;
    EXPECT_EQ(peer::ReadTree(dir.path() / "outc"), Expected(es));
    auto r7 = SevenZip(cab, dir / "out7");
    EXPECT_EQ(r7.status, 0) << r7.out;
    EXPECT_EQ(peer::ReadTree(dir.path() / "out7"), Expected(es));
}

TEST(WriterPeers, CabextractSingleCabinetSeveralFolders) {
    REQUIRE_TOOL("cabextract");
    peer::TempDir dir("w-cabx1");
    Options o;
    o.folders.assign(3, FolderSpec{});
    o.blockSize = 5000;
    auto es = Sample(3, 9000);
    std::string cab = Store(dir, Write(es, o));
    auto r = Cabextract(cab, dir / "out");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(peer::ReadTree(dir.path() / "out"), Expected(es));
    EXPECT_EQ(peer::Run("cabextract -t " + peer::Quote(cab)).status, 0);
}

TEST(WriterPeers, SevenZipSingleCabinet) {
    REQUIRE_TOOL("7zz");
    peer::TempDir dir("w-7z1");
    Options o;
    o.folders.assign(2, FolderSpec{});
    auto es = Sample(2, 20000);
    std::string cab = Store(dir, Write(es, o));
    auto r = SevenZip(cab, dir / "out");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(peer::ReadTree(dir.path() / "out"), Expected(es));
}

TEST(WriterPeers, SevenZipRefusesStoredBlocksShorterThan32768) {
    // Difference: the format lets a stored block hold any 1 to 32768 bytes;
    // 7zz only decodes stored folders whose blocks (but the last) are full.
    // cabextract takes them.
    REQUIRE_TOOL("7zz");
    REQUIRE_TOOL("cabextract");
    peer::TempDir dir("w-7zshort");
    Options o;
    o.blockSize = 4096;
    auto es = Sample(1, 3000);
    std::string cab = Store(dir, Write(es, o));
    EXPECT_NE(SevenZip(cab, dir / "out7").status, 0);
    auto r = Cabextract(cab, dir / "out");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(peer::ReadTree(dir.path() / "out"), Expected(es));
}

TEST(WriterPeers, BlockReserveInsideChecksum) {
    // The block checksum covers the block's reserve area. 7zz agrees;
    // cabextract leaves the reserve out, so a reserve holding anything but
    // zeros makes it report checksum errors. Zeros add nothing to the
    // checksum, so the reserves as the writer fills them by default, and
    // blocks without checksums, pass with both.
    REQUIRE_TOOL("7zz");
    REQUIRE_TOOL("cabextract");
    peer::TempDir dir("w-res");
    Options o;
    o.headerReserve = 20;
    o.folderReserve = 4;
    o.blockReserve = 9;
    o.reserveFill = 0xA5;
    auto es = Sample(1, 30000);
    std::string cab = Store(dir, Write(es, o));
    auto r7 = SevenZip(cab, dir / "out7");
    ASSERT_EQ(r7.status, 0) << r7.out;
    EXPECT_EQ(peer::ReadTree(dir.path() / "out7"), Expected(es));
    auto rc = peer::Run("cabextract -t " + peer::Quote(cab));
    EXPECT_NE(rc.status, 0);
    EXPECT_NE(rc.out.find("checksum"), std::string::npos) << rc.out;

    for (bool zeros : {true, false}) {
        SCOPED_TRACE(zeros ? "reserves of zeros" : "no checksums");
        Options p = o;
        if (zeros) p.reserveFill = 0; else p.checksums = false;
        peer::TempDir both(zeros ? "w-res0" : "w-resn");
        BothPeersGive(Store(both, Write(es, p)), both, es);
    }
}

TEST(WriterPeers, SetsWithOneFolderPerFileExtractWithBothPeers) {
    REQUIRE_TOOL("7zz");
    REQUIRE_TOOL("cabextract");
    for (uint32_t max : {40000u, 70000u, 150000u}) {
        SCOPED_TRACE("max size " + std::to_string(max));
        peer::TempDir dir("w-set");
        Options o;
        o.folders.assign(6, FolderSpec{});
        o.maxCabinetSize = max;
        auto es = Sample(6, 25000);
        auto cabs = Write(es, o);
        ASSERT_GT(cabs.size(), 2u);
        BothPeersGive(Store(dir, cabs), dir, es);
    }
}

TEST(WriterPeers, FolderContinuedBothWaysWithFileStartingInMiddleCabinet) {
    // A cabinet whose folder 0 continues from the previous cabinet and into
    // the next one, where one file ends (0xFFFD) and another begins (0xFFFE).
    // The format allows this and 7zz joins it; cabextract warns "merged file
    // ... not listed in both cabinets", cannot append the next cabinet, and
    // still exits 0 with the files behind that cabinet missing.
    REQUIRE_TOOL("7zz");
    REQUIRE_TOOL("cabextract");
    peer::TempDir dir("w-both");
    Options o;
    o.folders.assign(2, FolderSpec{});
    o.maxCabinetSize = 60000;
    std::vector<Entry> es;
    for (unsigned i = 0; i < 6; ++i) {
        Entry e;
        e.name = "part" + std::to_string(i);
        e.data = peer::RandomBytes((i * 7000 + (i == 2 ? 0 : 13)) * 4, 50 + i);
        e.folder = i % 2;
        es.push_back(e);
    }
    auto cabs = Write(es, o);
    std::string cab = Store(dir, cabs);
    bool shape = false;  // the case must really be in the set
    for (const Cabinet& c : cabs) {
        cabinspect::Cab p = cabinspect::Parse(c.bytes);
        bool from = false, into = false;
        for (const auto& f : p.files) from |= f.folderIndex == 0xFFFD, into |= f.folderIndex == 0xFFFE;
        shape |= p.folderCount == 1 && from && into;
    }
    ASSERT_TRUE(shape);
    auto r7 = SevenZip(cab, dir / "out7");
    EXPECT_EQ(r7.status, 0) << r7.out;
    EXPECT_EQ(peer::ReadTree(dir.path() / "out7"), Expected(es));
    auto rc = Cabextract(cab, dir / "outc");
    EXPECT_NE(rc.out.find("can't append"), std::string::npos)
        << "cabextract now joins this set; update the recorded difference\n" << rc.out;
    EXPECT_NE(peer::ReadTree(dir.path() / "outc"), Expected(es));
}

}  // namespace
