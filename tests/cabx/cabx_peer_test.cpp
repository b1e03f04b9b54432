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

TEST(CabxPeers, CabxCreatedCabinetsExtractWithCabextractAnd7zz) {
    REQUIRE_TOOL("cabextract");
    REQUIRE_TOOL("7zz");
    for (const char* size : {"", "--max-size 50000 ", "--max-size 120000 "}) {
        SCOPED_TRACE(size);
        peer::TempDir d("xp-create");
        MakeTree(d.path() / "src");
        auto c = peer::Run(InDir(d, CabxPath() + " create " + size + "o.cab src"));
        ASSERT_EQ(c.status, 0) << c.out;
        auto want = peer::ReadTree(d.path() / "src");
        auto ours = peer::Run(InDir(d, CabxPath() + " extract -q -d ours o.cab"));
        ASSERT_EQ(ours.status, 0) << ours.out;
        EXPECT_EQ(peer::ReadTree(d.path() / "ours/src"), want);
        auto ce = peer::Run(InDir(d, "cabextract -q -d ce o.cab"));
        EXPECT_EQ(ce.status, 0) << ce.out;
        // Differences recorded (see also the writer's peer tests): cabextract
        // drops a file listed with folder index 0 in a following cabinet
        // whose folder 0 continues the previous cabinet's folder (it only
        // takes continued entries, 0xFFFD/0xFFFF, from that folder), and it
        // cannot join a cabinet whose one folder continues both ways with a
        // file starting in it. What it does extract must be exact.
        auto got = peer::ReadTree(d.path() / "ce/src");
        for (const auto& f : got) EXPECT_EQ(want[f.first], f.second) << f.first;
        if (std::string(size).empty()) EXPECT_EQ(got, want);
        auto sz = peer::Run(InDir(d, "7zz x -y -bd -o7z o.cab"));
        // 7zz wants stored blocks of 32768 bytes: cabx uses smaller ones only
        // for cabinets too small to hold a cut 32 KiB block.
        if (std::string(size) != "--max-size 50000 ") {
            EXPECT_EQ(sz.status, 0) << sz.out;
            EXPECT_EQ(peer::ReadTree(d.path() / "7z/src"), want);
        }
    }
}

}  // namespace
