// Cross-checks with independent implementations: cabinets that gcab
// compresses with MSZIP extract byte-identically with cabx, and the writer's
// MSZIP cabinets (every level, several folders, a cabinet set with blocks cut
// across cabinets) extract byte-identically with cabextract, 7zz and bsdtar.
// A missing tool skips its test with a message.
#include <gtest/gtest.h>

#include "cab_writer.h"
#include "peer_tools.h"
#include "test_data.h"

namespace {

using peer::Quote;

std::string Cabx() { return Quote(std::string(STUB_BINARY_DIR) + "/cabx"); }

// Files of the kinds real folders hold, with the sizes that matter to MSZIP:
// empty, one block exactly, just over, several blocks.
std::map<std::string, std::vector<uint8_t>> SampleFiles() {
    using namespace mszip_test;
    return {{"empty.txt", {}},
            {"text.txt", TextData(100000, 5)},
            {"noise.bin", NoiseData(70000, 6)},
            {"mixed.dat", MixedData(250000, 7)},
            {"exact.bin", MixedData(32768, 8)},
            {"over.bin", TextData(32769, 9)},
            {"runs.bin", std::vector<uint8_t>(50000, 0)}};
}

void ExpectSameTree(const std::map<std::string, std::vector<uint8_t>>& want,
                    const std::filesystem::path& dir, const std::string& who) {
    auto got = peer::ReadTree(dir);
    ASSERT_EQ(got.size(), want.size()) << who;
    for (const auto& [name, bytes] : want) {
        auto it = got.find(name);
        ASSERT_NE(it, got.end()) << who << ": " << name << " missing";
        EXPECT_TRUE(it->second == bytes) << who << ": " << name << " differs";
    }
}

std::vector<cabwriter::Entry> Entries(const std::map<std::string, std::vector<uint8_t>>& files,
                                      unsigned folders = 1) {
    std::vector<cabwriter::Entry> entries;
    unsigned i = 0;
    for (const auto& [name, bytes] : files) {
        cabwriter::Entry e;
        e.name = name;
        e.data = bytes;
        e.folder = i++ % folders;
        entries.push_back(e);
    }
    return entries;
}

// Extracts a cabinet with a peer tool into dir.
peer::RunResult PeerExtract(const std::string& tool, const std::string& cab,
                            const std::string& dir) {
    if (tool == "cabextract") return peer::Run("cabextract -q -d " + Quote(dir) + " " + Quote(cab));
    if (tool == "7zz") return peer::Run("7zz x -y -o" + Quote(dir) + " " + Quote(cab) + " >/dev/null");
    std::filesystem::create_directories(dir);
    return peer::Run("bsdtar -xf " + Quote(cab) + " -C " + Quote(dir));
}

}  // namespace

TEST(MszipCrossCheck, GcabCabinetsExtractWithCabx) {
    REQUIRE_TOOL("gcab");
    peer::TempDir tmp("mszip-gcab");
    auto files = SampleFiles();
    std::string list;
    for (const auto& [name, bytes] : files) {
        peer::WriteFile(tmp.path() / "in" / name, bytes);
        list += " " + Quote(name);
    }
    auto made = peer::Run("cd " + Quote(tmp / "in") + " && gcab -c -z ../g.cab" + list);
    ASSERT_EQ(made.status, 0) << made.out;
    auto r = peer::Run(Cabx() + " extract -q -d " + Quote(tmp / "out") + " " + Quote(tmp / "g.cab"));
    ASSERT_EQ(r.status, 0) << r.out;
    ExpectSameTree(files, tmp.path() / "out", "cabx");
}

TEST(MszipCrossCheck, WriterCabinetsExtractWithPeers) {
    auto files = SampleFiles();
    for (const std::string tool : {"cabextract", "7zz", "bsdtar"}) {
        if (!peer::HaveTool(tool)) {
            ADD_FAILURE() << tool << " is not installed";  // reported, the others still run
            continue;
        }
        for (int level : {0, 1, 6, 9}) {
            SCOPED_TRACE(tool + " level " + std::to_string(level));
            peer::TempDir tmp("mszip-peer");
            cabwriter::Options options;
            options.folders.assign(2, cabwriter::FolderSpec{});
            for (auto& f : options.folders) {
                f.method = cabwriter::Method::Mszip;
                f.level = level;
            }
            std::string cab = tmp / "w.cab";
            peer::WriteFile(cab, cabwriter::WriteCabinet(Entries(files, 2), options));
            auto r = PeerExtract(tool, cab, tmp / "out");
            ASSERT_EQ(r.status, 0) << r.out;
            ExpectSameTree(files, tmp.path() / "out", tool);
            auto ours = peer::Run(Cabx() + " extract -q -d " + Quote(tmp / "ours") + " " + Quote(cab));
            ASSERT_EQ(ours.status, 0) << ours.out;
            ExpectSameTree(files, tmp.path() / "ours", "cabx");
        }
    }
}

TEST(MszipCrossCheck, CabinetSetWithCutBlocks) {
    // A folder running over several cabinets: blocks are cut at each
    // cabinet's end, and the MSZIP history runs on across them. (7zz joins
    // such a set; cabextract cannot append a cabinet whose folder continues
    // both ways.)
    REQUIRE_TOOL("7zz");
    auto files = SampleFiles();
    peer::TempDir tmp("mszip-set");
    cabwriter::Options options;
    options.folders[0].method = cabwriter::Method::Mszip;
    options.maxCabinetSize = 60000;
    std::vector<cabwriter::Cabinet> cabs;
    std::string error;
    ASSERT_TRUE(cabwriter::WriteCabinets(Entries(files), options, &cabs, &error)) << error;
    ASSERT_GE(cabs.size(), 3u);
    for (const auto& c : cabs) peer::WriteFile(tmp.path() / c.name, c.bytes);
    auto r = PeerExtract("7zz", tmp / cabs[0].name, tmp / "out7");
    ASSERT_EQ(r.status, 0) << r.out;
    ExpectSameTree(files, tmp.path() / "out7", "7zz");
    auto ours = peer::Run(Cabx() + " extract -q -d " + Quote(tmp / "ours") + " " +
                          Quote(tmp / cabs[0].name));
    ASSERT_EQ(ours.status, 0) << ours.out;
    ExpectSameTree(files, tmp.path() / "ours", "cabx");
}
