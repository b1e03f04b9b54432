// Folders as units of parallel work: cabx create starts a new folder at a
// file boundary once a folder is large enough, and cabx extract/test decode
// the folders of a single cabinet in several passes at once. What that
// could break: files split or misassigned between folders, a pass writing a
// file of another pass or none at all, the outcome of duplicate names
// depending on which pass is faster, -n and -F, and a failure in one pass
// reported wrongly, twice, or not at all. CABX_PASSES forces the number of
// passes (and makes cabx say how many it ran), so the parallel path is
// exercised whatever the machine's CPU count.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

#include "cabx_support.h"

using namespace cabxtest;
using cabwriter::Entry;
using cabwriter::FolderSpec;
using cabwriter::Method;
using cabwriter::Options;
namespace fs = std::filesystem;

namespace {

std::string Q(const std::string& s) { return peer::Quote(s); }

peer::RunResult CabxPasses(unsigned passes, const std::string& args) {
    return peer::Run("CABX_PASSES=" + std::to_string(passes) + " " +
                     Q(std::string(STUB_BINARY_DIR) + "/cabx") + " " + args);
}

unsigned Count(const std::string& hay, const std::string& needle) {
    unsigned n = 0;
    for (size_t at = hay.find(needle); at != std::string::npos; at = hay.find(needle, at + 1)) ++n;
    return n;
}

// Five folders, one per method (LZX twice, windows of different size):
// empty files, duplicate names in different folders (and one within a
// folder), names that must be made safe, read-only files.
Options MixedFolders() {
    Options o;
    o.folders = {FolderSpec{Method::Lzx, 6, 17}, FolderSpec{Method::Stored, 6, 21},
                 FolderSpec{Method::Mszip, 9, 21}, FolderSpec{Method::Quantum, 6, 16},
                 FolderSpec{Method::Lzx, 6, 21}};
    return o;
}

std::vector<Entry> MixedEntries() {
    std::vector<Entry> es;
    for (unsigned f = 0; f < 5; ++f) {
        for (unsigned i = 0; i < 6; ++i) {
            size_t size = i == 0 ? 0 : (i * 37011 + f * 101) % 90000;
            es.push_back(MakeEntry("f" + std::to_string(f) + "\\file" + std::to_string(i),
                                   peer::TextBytes(size, f * 10 + i), i == 3 ? 0x21 : 0x20, f));
        }
        es.push_back(MakeEntry("dup.txt", Bytes("copy from folder " + std::to_string(f)), 0x20, f));
        es.push_back(MakeEntry("..\\..\\up" + std::to_string(f), Bytes("up"), 0x20, f));
        es.push_back(MakeEntry("C:\\abs\\same", peer::TextBytes(500 + f, f), 0x20, f));
    }
    es.push_back(MakeEntry("dup.txt", Bytes("last copy, folder 2 again"), 0x20, 2));
    es.push_back(MakeEntry("f4\\file2", {}, 0x20, 1));  // a later empty entry replaces a file
    return es;
}

// The data a name ends up with when entries are extracted in list order
// (the writer lists files folder by folder): the last entry of the name,
// or with -n the first.
std::vector<uint8_t> Outcome(const std::vector<Entry>& es, const std::string& name, bool keep) {
    std::vector<Entry> listed = es;
    std::stable_sort(listed.begin(), listed.end(),
                     [](const Entry& a, const Entry& b) { return a.folder < b.folder; });
    if (!keep) std::reverse(listed.begin(), listed.end());
    for (const Entry& e : listed)
        if (e.name == name) return e.data;
    return {};
}

// The offset of a folder's first data block, from the folder list (no
// reserve areas: folder entries of 8 bytes from offset 36).
uint32_t FolderDataStart(const std::vector<uint8_t>& cab, unsigned folder) {
    const uint8_t* p = cab.data() + 36 + 8 * folder;
    return uint32_t(p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24);
}

TEST(CabxCreateFolders, NewFolderAtFileBoundaryOnceLargeEnough) {
    peer::TempDir d("par-create");
    // 100, 300, 50, 400, 10, 0 KB: with 350000-byte folders the first
    // folder takes 100+300 (full after the second file), the second 50+400,
    // the third the rest.
    const size_t sizes[] = {100000, 300000, 50000, 400000, 10000, 0};
    for (unsigned i = 0; i < 6; ++i)
        peer::WriteFile(d.path() / "src" / ("f" + std::to_string(i)), peer::TextBytes(sizes[i], i));
    auto folders = [&](const std::string& opts) {
        auto c = peer::Run("cd " + Q(d.path()) + " && " + Q(std::string(STUB_BINARY_DIR) + "/cabx") +
                           " create -m lzx " + opts + " o.cab src");
        EXPECT_EQ(c.status, 0) << c.out;
        auto l = Cabx("list --json " + Q(d / "o.cab"));
        std::vector<unsigned> got;
        std::regex re("\"folder\": ([0-9]+)");
        for (std::sregex_iterator it(l.out.begin(), l.out.end(), re), end; it != end; ++it)
            got.push_back(unsigned(std::stoul((*it)[1])));
        return got;
    };
    EXPECT_EQ(folders("--folder-size 350000"), (std::vector<unsigned>{0, 0, 1, 1, 2, 2}));
    EXPECT_EQ(folders("--folder-size 0"), (std::vector<unsigned>(6, 0)));
    EXPECT_EQ(folders(""), (std::vector<unsigned>(6, 0)));  // 860 KB: under the 8 MiB default
    EXPECT_EQ(folders("--folder-size 1"), (std::vector<unsigned>{0, 1, 2, 3, 4, 5}));
    auto bad = Cabx("create --folder-size -3 " + Q(d / "x.cab") + " " + Q(d / "src"));
    EXPECT_EQ(bad.status, 2) << bad.out;
    auto help = Cabx("create --help");
    EXPECT_TRUE(Contains(help.out, "--folder-size BYTES")) << help.out;
}

TEST(CabxCreateFolders, SplitSetWithSeveralFoldersExtractsWithCabxAndPeers) {
    peer::TempDir d("par-set");
    for (unsigned i = 0; i < 8; ++i)
        peer::WriteFile(d.path() / "src" / ("f" + std::to_string(i)),
                        peer::RandomBytes(60000 + i * 999, i));  // a set whatever the method
    auto want = peer::ReadTree(d.path() / "src");
    std::string in = "cd " + Q(d.path()) + " && ";
    for (const char* method : {"none", "mszip", "lzx:16", "quantum:15"}) {
        SCOPED_TRACE(method);
        fs::remove_all(d.path() / "out");
        fs::create_directories(d.path() / "out");
        for (auto& e : fs::directory_iterator(d.path()))
            if (e.path().extension() == ".cab") fs::remove(e.path());
        auto c = peer::Run(in + Q(std::string(STUB_BINARY_DIR) + "/cabx") + " create -m " + method +
                           " --folder-size 100000 --max-size 200000 s.cab src");
        ASSERT_EQ(c.status, 0) << c.out;
        ASSERT_TRUE(fs::exists(d.path() / "s2.cab")) << c.out;
        // A set takes the single whole-set pass even when passes are forced.
        auto x = CabxPasses(2, "extract -q -d " + Q(d / "out/cabx") + " " + Q(d / "s.cab"));
        ASSERT_EQ(x.status, 0) << x.out;
        EXPECT_TRUE(Contains(x.out, "1 extraction passes")) << x.out;
        EXPECT_EQ(peer::ReadTree(d.path() / "out/cabx/src"), want);
        if (peer::HaveTool("7zz")) {
            auto z = peer::Run(in + "7zz x -y -oout/7zz s.cab");
            EXPECT_EQ(z.status, 0) << z.out;
            EXPECT_EQ(peer::ReadTree(d.path() / "out/7zz/src"), want);
        }
        if (peer::HaveTool("cabextract")) {
            // cabextract drops a file listed with folder index 0 in a
            // following cabinet whose folder 0 continues the previous one's
            // (see CabxPeers): what it extracts must be exact.
            peer::Run(in + "cabextract -q -d out/ce s.cab");
            auto got = peer::ReadTree(d.path() / "out/ce/src");
            EXPECT_FALSE(got.empty());
            for (const auto& f : got) EXPECT_EQ(want[f.first], f.second) << f.first;
        }
    }
    if (!peer::HaveTool("7zz") || !peer::HaveTool("cabextract"))
        GTEST_SKIP() << "7zz or cabextract is not installed; only cabx was checked";
}

TEST(CabxParallel, PassesExtractWhatOnePassExtracts) {
    peer::TempDir d("par-same");
    auto es = MixedEntries();
    std::string cab = WriteOne(d, "m.cab", es, MixedFolders());
    auto one = CabxPasses(1, "extract -q -d " + Q(d / "one") + " " + Q(cab));
    ASSERT_EQ(one.status, 0) << one.out;
    auto want = peer::ReadTree(d.path() / "one");
    EXPECT_EQ(want["dup.txt"], Outcome(es, "dup.txt", false));
    EXPECT_EQ(want["f4/file2"], Outcome(es, "f4\\file2", false));
    EXPECT_EQ(want["abs/same"], Outcome(es, "C:\\abs\\same", false));
    EXPECT_EQ(want.size(), 5u * 6 + 1 + 5 + 1);  // file0-5 per folder, dup, up0-4, abs/same
    for (unsigned passes : {2u, 3u, 4u}) {
        SCOPED_TRACE(passes);
        std::string out = "p" + std::to_string(passes);
        auto r = CabxPasses(passes, "extract -q -d " + Q(d / out) + " " + Q(cab));
        ASSERT_EQ(r.status, 0) << r.out;
        EXPECT_TRUE(Contains(r.out, std::to_string(passes) + " extraction passes")) << r.out;
        EXPECT_EQ(peer::ReadTree(d.path() / out), want);
        struct stat st;
        ASSERT_EQ(stat((d.path() / out / "f2/file3").c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0222, 0u);  // read-only attribute kept
        // Nothing outside the destination.
        EXPECT_EQ(peer::ReadTree(d.path()).size(), 1 + want.size() * passes);
    }
    // -F: only the matching files, still in parallel.
    auto f = CabxPasses(2, "extract -q -F 'f[13]*' -F dup.txt -d " + Q(d / "pat") + " " + Q(cab));
    ASSERT_EQ(f.status, 0) << f.out;
    EXPECT_TRUE(Contains(f.out, "2 extraction passes")) << f.out;
    auto got = peer::ReadTree(d.path() / "pat");
    EXPECT_EQ(got.size(), 13u);
    for (const auto& g : got) EXPECT_EQ(want[g.first], g.second) << g.first;
    // A pattern that takes files of one folder only needs one pass.
    auto f1 = CabxPasses(2, "extract -q -F 'f3*' -d " + Q(d / "pat1") + " " + Q(cab));
    ASSERT_EQ(f1.status, 0) << f1.out;
    EXPECT_TRUE(Contains(f1.out, "1 extraction passes")) << f1.out;
    EXPECT_EQ(peer::ReadTree(d.path() / "pat1").size(), 6u);
}

TEST(CabxParallel, KeepExistingWithDuplicatesAcrossPasses) {
    peer::TempDir d("par-keep");
    auto es = MixedEntries();
    std::string cab = WriteOne(d, "m.cab", es, MixedFolders());
    for (unsigned passes : {1u, 2u, 4u}) {
        SCOPED_TRACE(passes);
        fs::path out = d.path() / ("k" + std::to_string(passes));
        peer::WriteFile(out / "f1/file2", Bytes("mine"));
        peer::WriteFile(out / "f3/file5", Bytes("mine too"));
        auto r = CabxPasses(passes, "extract -q -n -d " + Q(out.string()) + " " + Q(cab));
        ASSERT_EQ(r.status, 0) << r.out;
        auto got = peer::ReadTree(out);
        EXPECT_EQ(got["f1/file2"], Bytes("mine"));
        EXPECT_EQ(got["f3/file5"], Bytes("mine too"));
        // The first entry of a name stays, whichever pass writes it.
        EXPECT_EQ(got["dup.txt"], Outcome(es, "dup.txt", true));
        EXPECT_EQ(got["f4/file2"], Outcome(es, "f4\\file2", true));
        EXPECT_EQ(got["abs/same"], Outcome(es, "C:\\abs\\same", true));
        EXPECT_EQ(got.size(), 5u * 6 + 1 + 5 + 1);
    }
}

TEST(CabxParallel, DamagedFolderFailsTheRunOnce) {
    peer::TempDir d("par-bad");
    auto es = MixedEntries();
    auto bytes = cabwriter::WriteCabinet(es, MixedFolders());
    std::string good = d / "good.cab";
    peer::WriteFile(good, bytes);
    // Folder 3 (Quantum): a byte of its first block's data.
    bytes[FolderDataStart(bytes, 3) + 8 + 20] ^= 0x55;
    std::string bad = d / "bad.cab";
    peer::WriteFile(bad, bytes);
    auto g = Cabx("extract -q -d " + Q(d / "good") + " " + Q(good));
    ASSERT_EQ(g.status, 0) << g.out;
    auto want = peer::ReadTree(d.path() / "good");

    for (unsigned passes : {1u, 2u, 4u}) {
        SCOPED_TRACE(passes);
        fs::path out = d.path() / ("x" + std::to_string(passes));
        auto r = CabxPasses(passes, "extract -q -d " + Q(out.string()) + " " + Q(bad));
        EXPECT_EQ(r.status, 1) << r.out;
        // One error line: the archive, a file of folder 3, the reason.
        EXPECT_EQ(Count(r.out, "cabx: " + bad + ": "), 1u) << r.out;
        EXPECT_TRUE(std::regex_search(r.out, std::regex("bad.cab: 'f3\\\\file[0-9]': block checksum "
                                                        "mismatch \\(folder 3, block 0\\)")))
            << r.out;
        // Whatever was written outside the damaged folder is correct (a
        // duplicate name may hold an earlier entry's copy in one pass).
        auto got = peer::ReadTree(out);
        for (const auto& g : got)
            if (g.first.rfind("f3/", 0) != 0 && g.first != "dup.txt" && g.first != "abs/same" &&
                g.first != "f4/file2")
                EXPECT_EQ(g.second, want[g.first]) << g.first;

        auto t = CabxPasses(passes, "test " + Q(bad));
        EXPECT_EQ(t.status, 1) << t.out;
        EXPECT_FALSE(Contains(t.out, "files OK")) << t.out;
        EXPECT_EQ(Count(t.out, "block checksum mismatch"), 1u) << t.out;
        auto ok = CabxPasses(passes, "test " + Q(good));
        EXPECT_EQ(ok.status, 0) << ok.out;
        EXPECT_TRUE(Contains(ok.out, "good.cab: " + std::to_string(es.size()) + " files OK")) << ok.out;
        auto q = CabxPasses(passes, "test -q -F 'f[0-2]*' " + Q(bad));  // folder 3 not needed
        EXPECT_EQ(q.status, 0) << q.out;
    }
}

TEST(CabxParallel, OrderDependentNamesAndStandardOutputTakeOnePass) {
    peer::TempDir d("par-order");
    // "a" is a file in folder 0 and a directory for an entry of folder 1:
    // which error comes depends on the order, so one pass does it in list
    // order, and fails on the second entry as before.
    std::vector<Entry> es = {MakeEntry("a", Bytes("file"), 0x20, 0), MakeEntry("b", Bytes("b"), 0x20, 0),
                             MakeEntry("a\\x", Bytes("inside"), 0x20, 1)};
    Options o;
    o.folders.assign(2, FolderSpec{});
    std::string cab = WriteOne(d, "o.cab", es, o);
    auto r = CabxPasses(2, "extract -q -d " + Q(d / "out") + " " + Q(cab));
    EXPECT_EQ(r.status, 1) << r.out;
    EXPECT_TRUE(Contains(r.out, "1 extraction passes")) << r.out;
    EXPECT_TRUE(Contains(r.out, "'a\\x': ")) << r.out;
    EXPECT_EQ(peer::ReadFile(d.path() / "out/a"), Bytes("file"));
    auto p = CabxPasses(2, "extract -p " + Q(cab));
    EXPECT_EQ(p.status, 0) << p.out;
    EXPECT_TRUE(Contains(p.out, "1 extraction passes\nfilebinside")) << p.out;
    auto t = CabxPasses(2, "test " + Q(cab));
    EXPECT_EQ(t.status, 0) << t.out;
    EXPECT_TRUE(Contains(t.out, "2 extraction passes")) << t.out;
}

}  // namespace
