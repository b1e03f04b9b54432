// cabx --keep-going over damaged cabinets and sets, and a later cabinet of a
// set named as the archive.
#include <gtest/gtest.h>

#include <algorithm>

#include "cab_inspect.h"
#include "cabx_support.h"

using namespace cabxtest;
using cabwriter::Entry;
using cabwriter::Options;
namespace fs = std::filesystem;

namespace {

Options MszipFolders(unsigned n) {
    Options o;
    o.blockSize = 4096;
    cabwriter::FolderSpec mszip;
    mszip.method = cabwriter::Method::Mszip;
    o.folders.assign(n, mszip);
    return o;
}

// Flips a byte in the data of block `block` of folder `folder`.
void DamageBlock(const fs::path& cab, unsigned folder, unsigned block) {
    auto bytes = peer::ReadFile(cab);
    auto c = cabinspect::Parse(bytes);
    ASSERT_LT(folder, c.folders.size());
    ASSERT_LT(block, c.folders[folder].blocks.size());
    size_t at = c.folders[folder].firstBlockOffset;
    for (unsigned b = 0; b < block; ++b)
        at += 8 + c.blockReserveSize + c.folders[folder].blocks[b].compressedSize;
    at += 8 + c.blockReserveSize + 5;
    bytes.at(at) ^= 0x5A;
    peer::WriteFile(cab, bytes);
}

// Every entry is either extracted byte-exact or named on a failure line,
// and nothing else (no temporary file) is left in the destination.
void EachFileExactOrReported(const std::vector<Entry>& es, const peer::RunResult& r,
                             const fs::path& out) {
    auto tree = peer::ReadTree(out);
    for (const Entry& e : es) {
        auto it = tree.find(e.name);
        if (it != tree.end()) {
            EXPECT_EQ(it->second, e.data) << e.name;
            tree.erase(it);
        } else {
            EXPECT_TRUE(Contains(r.out, ": '" + e.name + "': ")) << e.name << "\n" << r.out;
        }
    }
    EXPECT_TRUE(tree.empty()) << tree.begin()->first;
}

TEST(CabxSalvage, OneDamagedFolderAmongThree) {
    peer::TempDir dir("x-salvage1");
    std::vector<Entry> es;
    for (unsigned i = 0; i < 6; ++i)
        es.push_back(MakeEntry(std::string(1, char('a' + i)), peer::RandomBytes(20000, 40 + i), 0x20,
                               i / 2));
    std::string cab = WriteOne(dir, "three.cab", es, MszipFolders(3));
    DamageBlock(cab, 1, 0);  // inside c, the first file of folder 1

    // Without --keep-going the run stops at c.
    auto plain = Cabx("extract -q -d " + peer::Quote(dir / "plain") + " " + peer::Quote(cab));
    EXPECT_EQ(plain.status, 1);

    auto r = Cabx("extract -q --keep-going -d " + peer::Quote(dir / "out") + " " + peer::Quote(cab));
    EXPECT_EQ(r.status, 1) << r.out;
    EachFileExactOrReported(es, r, dir.path() / "out");
    auto tree = peer::ReadTree(dir.path() / "out");
    EXPECT_EQ(tree.size(), 4u);
    for (const char* kept : {"a", "b", "e", "f"}) EXPECT_EQ(tree.count(kept), 1u) << kept;
    EXPECT_TRUE(Contains(r.out, "'c': block checksum mismatch (folder 1, block 0)")) << r.out;
    EXPECT_TRUE(Contains(r.out, "three.cab")) << r.out;
    EXPECT_TRUE(Contains(r.out, "'d': lies after damaged data in its folder (cabinet 'three.cab')"))
        << r.out;

    auto t = Cabx("test --keep-going " + peer::Quote(cab));
    EXPECT_EQ(t.status, 1);
    EXPECT_TRUE(Contains(t.out, "4 files OK, 2 failed")) << t.out;

    // The same cabinet undamaged: --keep-going changes nothing.
    std::string good = WriteOne(dir, "good.cab", es, MszipFolders(3));
    auto g = Cabx("extract -q --keep-going -d " + peer::Quote(dir / "g") + " " + peer::Quote(good));
    EXPECT_EQ(g.status, 0) << g.out;
    EXPECT_EQ(peer::ReadTree(dir.path() / "g").size(), es.size());

    // Damage in folders 0 and 2: each failure names its own folder's block
    // (the second was reported with the first's), and an empty file after
    // the damage, which needs none of the data, is still written.
    std::vector<Entry> more = es;
    more.push_back(MakeEntry("empty", {}, 0x20, 2));
    std::string two = WriteOne(dir, "two.cab", more, MszipFolders(3));
    DamageBlock(two, 0, 0);
    DamageBlock(two, 2, 0);
    t = Cabx("extract -q --keep-going -d " + peer::Quote(dir / "two") + " " + peer::Quote(two));
    EXPECT_TRUE(Contains(t.out, "'a': block checksum mismatch (folder 0, block 0)")) << t.out;
    EXPECT_TRUE(Contains(t.out, "'e': block checksum mismatch (folder 2, block 0)")) << t.out;
    EachFileExactOrReported(more, t, dir.path() / "two");
    EXPECT_EQ(peer::ReadTree(dir.path() / "two").count("empty"), 1u);
}

// A set of four cabinets: four folders of two files, each beginning in one
// cabinet and running on into the next.
std::vector<Entry> SetEntries() {
    std::vector<Entry> es;
    for (unsigned i = 0; i < 8; ++i)
        es.push_back(MakeEntry("s" + std::to_string(i), peer::RandomBytes(9000, 70 + i), 0x20, i / 2));
    return es;
}

Options SetOptions() {
    Options o = MszipFolders(4);
    o.maxCabinetSize = 20000;
    o.namePattern = "disk%d.cab";
    return o;
}

// Names that cannot be placed are no damage of the archive: with
// --keep-going each fails alone and the files after it are still written
// (the run used to end at the first), while a name the stored data could
// reach is never written outside. Without it the run still ends there. A
// name with no component left fails alone too (it was taken for a broken
// cabinet, and the files after it were lost without a word).
TEST(CabxSalvage, FilesThatCannotBePlacedFailAlone) {
    peer::TempDir dir("s-place");
    const std::string longName(200, '\xE9');  // 400 bytes once converted to UTF-8
    std::vector<Entry> es = {MakeEntry("a", Bytes("a")),         MakeEntry("d", Bytes("file")),
                             MakeEntry("d\\x", Bytes("inner")),  MakeEntry(longName, Bytes("long")),
                             MakeEntry(".", Bytes("dot")),        MakeEntry("z", Bytes("z"))};
    std::string cab = WriteOne(dir, "p.cab", es, MszipFolders(1));
    auto r = Cabx("extract --keep-going -d " + peer::Quote(dir / "out") + " " + peer::Quote(cab));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(peer::ReadTree(dir.path() / "out"),
              (std::map<std::string, std::vector<uint8_t>>{
                  {"a", Bytes("a")}, {"d", Bytes("file")}, {"z", Bytes("z")}}));
    EXPECT_TRUE(Contains(r.out, "'d\\x': cannot enter directory 'd/': Not a directory")) << r.out;
    EXPECT_TRUE(Contains(r.out, "File name too long")) << r.out;
    EXPECT_TRUE(Contains(r.out, "'.': name is empty once made safe")) << r.out;
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 3) << r.out;

    r = Cabx("extract -d " + peer::Quote(dir / "one") + " " + peer::Quote(cab));
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(fs::exists(dir.path() / "one/z"));
}

TEST(CabxSalvage, SetWithDamagedMiddleCabinet) {
    peer::TempDir dir("x-salvage2");
    auto es = SetEntries();
    std::string first = WriteSet(dir, es, SetOptions());
    ASSERT_TRUE(fs::exists(dir.path() / "disk3.cab"));
    // Damage the first block of the folder that begins in disk2.cab: the
    // files of that folder are lost, those of disk1's first folder and of
    // the folder that begins afresh in disk3 are not.
    auto c2 = cabinspect::Parse(peer::ReadFile(dir.path() / "disk2.cab"));
    unsigned begins = c2.files[0].folderIndex == 0xFFFD || c2.files[0].folderIndex == 0xFFFF ? 1 : 0;
    ASSERT_LT(begins, c2.folders.size());
    DamageBlock(dir.path() / "disk2.cab", begins, 0);
    auto c3 = cabinspect::Parse(peer::ReadFile(dir.path() / "disk3.cab"));

    auto r = Cabx("extract -q --keep-going -d " + peer::Quote(dir / "out") + " " + peer::Quote(first));
    EXPECT_EQ(r.status, 1) << r.out;
    EachFileExactOrReported(es, r, dir.path() / "out");
    auto tree = peer::ReadTree(dir.path() / "out");
    EXPECT_EQ(tree.count("s0"), 1u) << r.out;  // wholly in disk1
    // Files of disk3 in a folder of its own are extracted.
    unsigned fresh = 0;
    bool continued = c3.files[0].folderIndex == 0xFFFD || c3.files[0].folderIndex == 0xFFFF;
    for (const auto& f : c3.files)
        if (f.folderIndex != 0xFFFD && f.folderIndex != 0xFFFF &&
            (!continued || (c3.folders.size() > 1 && f.folderIndex != 0))) {
            EXPECT_EQ(tree.count(f.name), 1u) << f.name << "\n" << r.out;
            ++fresh;
        }
    EXPECT_GT(fresh, 0u);
    EXPECT_LT(tree.size(), es.size());
    EXPECT_TRUE(Contains(r.out, "in cabinet 'disk2.cab'")) << r.out;

    // test agrees; a missing middle cabinet is reported, and what lies
    // before it is still checked.
    auto t = Cabx("test --keep-going " + peer::Quote(first));
    EXPECT_EQ(t.status, 1);
    EXPECT_TRUE(Contains(t.out, std::to_string(tree.size()) + " files OK")) << t.out;
    fs::remove(dir.path() / "disk2.cab");
    auto m = Cabx("test --keep-going " + peer::Quote(first));
    EXPECT_EQ(m.status, 1);
    EXPECT_TRUE(Contains(m.out, "next cabinet 'disk2.cab' not found")) << m.out;
    EXPECT_TRUE(Contains(m.out, "the rest of the set cannot be reached")) << m.out;
}

TEST(CabxSets, AnyCabinetWorksFromTheFirst) {
    peer::TempDir dir("x-anycab");
    auto es = SetEntries();
    WriteSet(dir, es, SetOptions());
    std::string third = dir / "disk3.cab";
    auto r = Cabx("extract -d " + peer::Quote(dir / "out") + " " + peer::Quote(third));
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_TRUE(Contains(r.out, "disk3.cab is cabinet 3 of a set; working from " + (dir / "disk1.cab")))
        << r.out;
    auto tree = peer::ReadTree(dir.path() / "out");
    ASSERT_EQ(tree.size(), es.size());
    for (const Entry& e : es) EXPECT_EQ(tree[e.name], e.data) << e.name;
    auto l = Cabx("list " + peer::Quote(dir / "disk2.cab"));
    EXPECT_EQ(l.status, 0);
    EXPECT_TRUE(Contains(l.out, "8 files, ")) << l.out;
    EXPECT_TRUE(Contains(l.out, "cabinet 2 of a set")) << l.out;
    EXPECT_TRUE(Contains(Cabx("test " + peer::Quote(third)).out, "8 files OK"));

    // Without the first cabinet: the named one alone, and a line that says so.
    fs::remove(dir.path() / "disk1.cab");
    auto t = Cabx("test " + peer::Quote(third));
    EXPECT_EQ(t.status, 1);
    EXPECT_TRUE(Contains(t.out, "disk3.cab: the previous cabinet 'disk1.cab' is not here; working from " +
                                    (dir / "disk2.cab")))
        << t.out;
    EXPECT_TRUE(Contains(t.out, "begins in the previous cabinet 'disk1.cab'")) << t.out;
}

// A file that runs on through several cabinets is listed again in each of
// them. When the cabinet it begins in is missing, it is reported once,
// naming that cabinet (each following cabinet used to report it again,
// naming its own predecessor), and list fails as test and extract do (it
// used to list nothing and succeed).
TEST(CabxSets, AFileBegunInAMissingCabinetIsReportedOnce) {
    peer::TempDir dir("x-begun");
    peer::WriteFile(dir.path() / "r", peer::RandomBytes(300000, 11));
    auto made = peer::Run("cd " + peer::Quote(dir.path().string()) + " && " +
                          peer::Quote(std::string(STUB_BINARY_DIR) + "/cabx") +
                          " create -m none --max-size 50000 s.cab r");
    ASSERT_EQ(made.status, 0) << made.out;
    ASSERT_TRUE(fs::exists(dir.path() / "s4.cab"));
    fs::remove(dir.path() / "s.cab");
    auto count = [](const std::string& out, const std::string& text) {
        size_t n = 0;
        for (size_t at = out.find(text); at != std::string::npos; at = out.find(text, at + 1)) ++n;
        return n;
    };
    const std::string third = dir / "s3.cab";
    for (const char* command : {"test ", "extract -d out ", "list "}) {
        auto r = peer::Run("cd " + peer::Quote(dir.path().string()) + " && " +
                           peer::Quote(std::string(STUB_BINARY_DIR) + "/cabx") + " " + command +
                           peer::Quote(third));
        EXPECT_EQ(r.status, 1) << command << r.out;
        EXPECT_EQ(count(r.out, "begins in the previous cabinet"), 1u) << command << r.out;
        EXPECT_EQ(count(r.out, "'r': begins in the previous cabinet 's.cab'"), 1u) << command << r.out;
    }
    EXPECT_FALSE(fs::exists(dir.path() / "out/r"));
}

}  // namespace
