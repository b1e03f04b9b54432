// cabx against the peer tools: cabinets the peers make, and cabinets cabx
// makes extracted by the peers.
#include <gtest/gtest.h>

#include "cabx_support.h"

using namespace cabxtest;
namespace fs = std::filesystem;

namespace {

void MakeTree(const fs::path& root) {
    peer::WriteFile(root / "a.txt", peer::TextBytes(1234, 1));
    peer::WriteFile(root / "dir/b.bin", peer::RandomBytes(100000, 2));
    peer::WriteFile(root / "dir/sub/c.txt", peer::TextBytes(70000, 3));
    peer::WriteFile(root / "empty", {});
}

std::string InDir(const peer::TempDir& d, const std::string& cmd) {
    return "cd " + peer::Quote(d.path().string()) + " && " + cmd;
}
std::string CabxPath() { return peer::Quote(std::string(STUB_BINARY_DIR) + "/cabx"); }

TEST(CabxPeers, GcabStoredCabinetsExtractIdentically) {
    REQUIRE_TOOL("gcab");
    peer::TempDir d("xp-gcab");
    MakeTree(d.path() / "src");
    // gcab stores the paths as given, '\' separated; without -z it stores.
    auto g = peer::Run(InDir(d, "gcab -c g.cab src/a.txt src/dir/b.bin src/dir/sub/c.txt src/empty"));
    ASSERT_EQ(g.status, 0) << g.out;
    auto t = peer::Run(InDir(d, CabxPath() + " test g.cab"));
    EXPECT_EQ(t.status, 0) << t.out;
    auto x = peer::Run(InDir(d, CabxPath() + " extract -q -d out g.cab"));
    ASSERT_EQ(x.status, 0) << x.out;
    EXPECT_EQ(peer::ReadTree(d.path() / "out/src"), peer::ReadTree(d.path() / "src"));
}

// Creates OUT with cabx in d (from the contents of d/src), then extracts it
// with cabextract, 7zz and cabx; each must give exactly the tree of src.
void CheckAllPeersExtract(const peer::TempDir& d, const std::string& args) {
    SCOPED_TRACE(args);
    auto c = peer::Run(InDir(d, CabxPath() + " create " + args + " o.cab src/."));
    ASSERT_EQ(c.status, 0) << c.out;
    const auto want = peer::ReadTree(d.path() / "src");
    const struct {
        const char* name;
        std::string command;
    } peers[] = {{"cabextract", "cabextract -q -d ce o.cab"},
                 {"7zz", "7zz x -y -bd -o7z o.cab"},
                 {"cabx", CabxPath() + " extract -q -d cx o.cab"}};
    const char* dirs[] = {"ce", "7z", "cx"};
    for (size_t i = 0; i < 3; ++i) {
        peer::Run("rm -rf " + peer::Quote(d / dirs[i]));
        auto r = peer::Run(InDir(d, peers[i].command));
        EXPECT_EQ(r.status, 0) << peers[i].name << "\n" << r.out;
        EXPECT_FALSE(Contains(r.out, "WARNING")) << peers[i].name << "\n" << r.out;
        EXPECT_TRUE(peer::ReadTree(d.path() / dirs[i]) == want) << peers[i].name << " differs";
    }
}

// A large file spanning several cabinets first (two whole stored blocks, so
// that some sizes end a cabinet exactly at a block boundary), empty files
// before, between and after spanning ones, and files starting in the middle
// of cut blocks.
void SpanningMix(const fs::path& src) {
    peer::WriteFile(src / "a.big", peer::RandomBytes(65536, 11));
    peer::WriteFile(src / "b.empty", {});
    peer::WriteFile(src / "c.bin", peer::RandomBytes(150001, 12));
    peer::WriteFile(src / "d/text.txt", peer::TextBytes(90000, 13));
    peer::WriteFile(src / "d/z.empty", {});
    peer::WriteFile(src / "e.bin", peer::RandomBytes(3000, 14));
    peer::WriteFile(src / "f.text", peer::TextBytes(70000, 15));
    peer::WriteFile(src / "g.empty", {});
}

// Many small files, some empty, around one medium file.
void SmallFilesMix(const fs::path& src) {
    for (int i = 0; i < 90; ++i) {
        size_t n = i % 7 == 0 ? 0 : size_t(i * 37 % 1500 + 1);
        char name[32];
        snprintf(name, sizeof name, "s/%02d/f%03d", i % 4, i);
        peer::WriteFile(src / name, i % 2 ? peer::TextBytes(n, 100 + i) : peer::RandomBytes(n, 100 + i));
    }
    peer::WriteFile(src / "s/medium", peer::RandomBytes(40000, 99));
}

TEST(CabxPeers, CreatedSetsExtractCompletelyWithEveryPeer) {
    REQUIRE_TOOL("cabextract");
    REQUIRE_TOOL("7zz");
    // 7zz only reads stored folders whose blocks (but the last) decode to
    // 32768 bytes, so the stored cases also show that cabx keeps full blocks
    // at every cabinet size. 33500: about the smallest cabinet that holds a cut 32 KiB block and the
    // rest of the one before. Stored, the spanning mix's first file fills
    // two whole blocks: at 65630 all but one byte of them fit in the first
    // cabinet, at 65631 they end it exactly.
    const struct {
        const char* method;
        std::vector<unsigned> sizes;
    } cases[] = {{"none", {33500, 65630, 65631, 400000}},
                 {"mszip", {33500, 120000}},
                 {"lzx:16", {33500, 120000}},
                 {"quantum:15", {33500, 120000}}};
    for (const auto& k : cases) {
        peer::TempDir d("xp-matrix");
        SpanningMix(d.path() / "src");
        for (unsigned size : k.sizes)
            CheckAllPeersExtract(d, std::string("-m ") + k.method + " --max-size " + std::to_string(size));
    }
    for (const char* m : {"none", "lzx:16"}) {
        peer::TempDir d("xp-small");
        SmallFilesMix(d.path() / "src");
        CheckAllPeersExtract(d, std::string("-m ") + m + " --max-size 34000 --folder-size 30000");
    }
    // Reserve areas in every record: the peers differ on whether a block's
    // checksum counts its reserve, and must both accept what cabx writes.
    peer::TempDir r("xp-reserve");
    SmallFilesMix(r.path() / "src");
    CheckAllPeersExtract(r, "-m mszip --reserve 6,3,5 --max-size 60000");
}

}  // namespace
