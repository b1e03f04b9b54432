// cabx end to end: the built program run on cabinets the writer makes.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <time.h>
#include <unistd.h>

#include <fstream>
#include <map>
#include <set>

#include "cab_inspect.h"
#include "cabx_support.h"

using namespace cabxtest;
using cabwriter::Entry;
using cabwriter::Options;
namespace fs = std::filesystem;

namespace {

TEST(CabxList, LinesSummaryJsonAndPatterns) {
    peer::TempDir dir("x-list");
    Options o;
    o.folders = {cabwriter::FolderSpec{}, cabwriter::FolderSpec{}};
    std::vector<Entry> es = {MakeEntry("docs\\read me.txt", Bytes("hello"), 0x21),
                             MakeEntry("caf\xE9.txt", Bytes("cp1252"), 0x20, 1),
                             MakeEntry("\xC3\xBC" "ber.txt", Bytes("utf8"), 0xA0, 1),
                             MakeEntry("q\"uote", {}, 0x20, 1)};
    es[0].date = (2001 - 1980) << 9 | 2 << 5 | 3;
    es[0].time = 4 << 11 | 5 << 5 | 3;
    std::string cab = WriteOne(dir, "l.cab", es, o);
    auto r = Cabx("list " + peer::Quote(cab));
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_TRUE(Contains(r.out, "           5  2001-02-03 04:05:06  r--a--  docs/read me.txt")) << r.out;
    EXPECT_TRUE(Contains(r.out, "caf\xC3\xA9.txt")) << "Windows-1252 name as UTF-8";
    EXPECT_TRUE(Contains(r.out, "\xC3\xBC" "ber.txt")) << "UTF-8 name (0x80) kept";
    EXPECT_TRUE(Contains(r.out, "4 files, 15 bytes, 1 cabinet")) << r.out;

    auto j = Cabx("list --json " + peer::Quote(cab));
    ASSERT_EQ(j.status, 0) << j.out;
    EXPECT_TRUE(Contains(j.out, "{\"name\": \"docs\\\\read me.txt\", \"size\": 5, \"datetime\": "
                                "\"2001-02-03T04:05:06\", \"attributes\": 33, \"folder\": 0, "
                                "\"method\": \"none\", \"cabinet\": \"l.cab\"}"))
        << j.out;
    EXPECT_TRUE(Contains(j.out, "\"q\\\"uote\""));
    EXPECT_TRUE(Contains(j.out, "\"folder\": 1"));
    EXPECT_TRUE(Contains(j.out, "\"fileCount\": 4, \"totalSize\": 15}"));

    auto f = Cabx("list -F '*.txt' -F 'docs/*' " + peer::Quote(cab));
    EXPECT_TRUE(Contains(f.out, "3 files")) << f.out;
    EXPECT_FALSE(Contains(f.out, "uote"));
    auto none = Cabx("test -F 'nothing*' " + peer::Quote(cab));
    EXPECT_EQ(none.status, 1);
    EXPECT_TRUE(Contains(none.out, "no file matches")) << none.out;
}

TEST(CabxExtract, ByteIdenticalWithTimesAndReadOnly) {
    peer::TempDir dir("x-ext");
    Options o;
    o.folders.assign(2, cabwriter::FolderSpec{});
    o.blockSize = 3000;
    std::vector<Entry> es = {MakeEntry("a.bin", peer::RandomBytes(70000, 1)),
                             MakeEntry("sub\\b.bin", peer::RandomBytes(5, 2), 0x21, 1),
                             MakeEntry("sub/deeper\\c", peer::RandomBytes(40000, 3), 0x20, 1),
                             MakeEntry("empty", {})};
    es[0].date = (2010 - 1980) << 9 | 6 << 5 | 15;
    es[0].time = 13 << 11 | 14 << 5 | 10;
    std::string cab = WriteOne(dir, "e.cab", es, o);
    auto r = Cabx("extract -q -d " + peer::Quote(dir / "out") + " " + peer::Quote(cab));
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_TRUE(r.out.empty()) << r.out;
    auto tree = peer::ReadTree(dir.path() / "out");
    EXPECT_EQ(tree.size(), 4u);
    EXPECT_EQ(tree["a.bin"], es[0].data);
    EXPECT_EQ(tree["sub/b.bin"], es[1].data);
    EXPECT_EQ(tree["sub/deeper/c"], es[2].data);
    EXPECT_TRUE(tree["empty"].empty());

    struct stat st;
    ASSERT_EQ(stat((dir / "out/a.bin").c_str(), &st), 0);
    struct tm tm = {};
    tm.tm_year = 110, tm.tm_mon = 5, tm.tm_mday = 15, tm.tm_hour = 13, tm.tm_min = 14, tm.tm_sec = 20;
    tm.tm_isdst = -1;
    EXPECT_EQ(st.st_mtime, mktime(&tm));
    EXPECT_NE(st.st_mode & 0200, 0u);
    ASSERT_EQ(stat((dir / "out/sub/b.bin").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0222, 0u) << "read-only attribute removes write permission";

    // Again over the existing files (the read-only one included): replaced,
    // with modes from the umask as any new file.
    r = peer::Run("umask 027; " + peer::Quote(std::string(STUB_BINARY_DIR) + "/cabx") + " extract -q -d " +
                  peer::Quote(dir / "out") + " " + peer::Quote(cab));
    EXPECT_EQ(r.status, 0) << r.out;
    ASSERT_EQ(stat((dir / "out/a.bin").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    ASSERT_EQ(stat((dir / "out/sub/b.bin").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0440u);
}

// A directory's default ACL decides the modes of files made in it, not the
// umask, for every file: the check of the first file's mode must not turn
// into forcing the umask's mode on the later ones.
TEST(CabxExtract, DefaultAclDecidesModesInsteadOfUmask) {
    peer::TempDir dir("x-acl");
    fs::create_directories(dir / "out");
    // user rwx, group rwx, other r-x, in the kernel's binary form (version 2,
    // then tag, permissions and id of each entry).
    const uint32_t acl[] = {2, 0x01 | 7u << 16, 0xFFFFFFFF, 0x04 | 7u << 16, 0xFFFFFFFF,
                            0x20 | 5u << 16, 0xFFFFFFFF};
    if (setxattr((dir / "out").c_str(), "system.posix_acl_default", acl, sizeof acl, 0) != 0)
        GTEST_SKIP() << "no default ACLs here: " << strerror(errno);
    std::vector<Entry> es = {MakeEntry("a", Bytes("1")), MakeEntry("b", Bytes("2")),
                             MakeEntry("c", Bytes("3")), MakeEntry("sub\\d", Bytes("4"))};
    std::string cab = WriteOne(dir, "acl.cab", es);
    auto r = peer::Run("umask 077; " + peer::Quote(std::string(STUB_BINARY_DIR) + "/cabx") +
                       " extract -q -d " + peer::Quote(dir / "out") + " " + peer::Quote(cab));
    ASSERT_EQ(r.status, 0) << r.out;
    for (const char* name : {"a", "b", "c", "sub/d"}) {
        struct stat st;
        ASSERT_EQ(stat((dir.path() / "out" / name).c_str(), &st), 0) << name;
        EXPECT_EQ(st.st_mode & 07777, 0664u) << name;
    }
}

TEST(CabxExtract, HostileNamesStayInsideDestination) {
    peer::TempDir dir("x-host");
    std::vector<Entry> es = {MakeEntry("..\\..\\up.txt", Bytes("1")),
                             MakeEntry("C:\\drive.txt", Bytes("2")),
                             MakeEntry("\\abs\\root.txt", Bytes("3")),
                             MakeEntry("/etc/slash.txt", Bytes("4")),
                             MakeEntry("a/../../../b\\..\\mixed.txt", Bytes("5")),
                             MakeEntry("d:rel.txt", Bytes("6")),
                             MakeEntry("ctl\x01name", Bytes("7")),
                             MakeEntry(".\\.\\dot.txt", Bytes("8"))};
    std::string cab = WriteOne(dir, "h.cab", es);
    fs::create_directories(dir.path() / "deep/dest");
    auto r = Cabx("extract -q -d " + peer::Quote(dir / "deep/dest") + " " + peer::Quote(cab));
    ASSERT_EQ(r.status, 0) << r.out;
    std::map<std::string, std::vector<uint8_t>> want = {
        {"up.txt", Bytes("1")},        {"drive.txt", Bytes("2")}, {"abs/root.txt", Bytes("3")},
        {"etc/slash.txt", Bytes("4")}, {"mixed.txt", Bytes("5")}, {"rel.txt", Bytes("6")},
        {"ctl_name", Bytes("7")},      {"dot.txt", Bytes("8")}};
    EXPECT_EQ(peer::ReadTree(dir.path() / "deep/dest"), want);
    // Nothing anywhere else in the temporary tree but the cabinet.
    auto all = peer::ReadTree(dir.path());
    EXPECT_EQ(all.size(), want.size() + 1);

    peer::TempDir dir2("x-host2");
    std::string bad = WriteOne(dir2, "n.cab", {MakeEntry("..", Bytes("x"))});
    auto e = Cabx("extract -d " + peer::Quote(dir2 / "out") + " " + peer::Quote(bad));
    EXPECT_EQ(e.status, 1);
    EXPECT_TRUE(Contains(e.out, "n.cab: '..': name is empty")) << e.out;
}

TEST(CabxExtract, SymbolicLinksInDestinationAreNotFollowed) {
    peer::TempDir dir("x-link");
    fs::create_directories(dir.path() / "outside");
    fs::create_directories(dir.path() / "dest");
    peer::WriteFile(dir.path() / "outside/victim", Bytes("keep"));
    fs::create_directory_symlink(dir.path() / "outside", dir.path() / "dest/link");
    fs::create_symlink(dir.path() / "outside/victim", dir.path() / "dest/file");

    // Through a directory link: refused, nothing written outside.
    std::string cab = WriteOne(dir, "s.cab", {MakeEntry("link\\planted", Bytes("evil"))});
    auto r = Cabx("extract -d " + peer::Quote(dir / "dest") + " " + peer::Quote(cab));
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(Contains(r.out, "'link\\planted': 'link/' is a symbolic link; not followed")) << r.out;
    EXPECT_FALSE(fs::exists(dir.path() / "outside/planted"));

    // A link in the file's own place is replaced, not written through.
    std::string cab2 = WriteOne(dir, "s2.cab", {MakeEntry("file", Bytes("new"))});
    r = Cabx("extract -d " + peer::Quote(dir / "dest") + " " + peer::Quote(cab2));
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(peer::ReadFile(dir.path() / "outside/victim"), Bytes("keep"));
    EXPECT_FALSE(fs::is_symlink(dir.path() / "dest/file"));
    EXPECT_EQ(peer::ReadFile(dir.path() / "dest/file"), Bytes("new"));
}

// -d names a directory that may not exist yet, parents included; a level
// that cannot be made is named with its own reason.
TEST(CabxExtract, DestinationIsMadeWithItsParents) {
    peer::TempDir dir("x-dest");
    std::string cab = WriteOne(dir, "d.cab", {MakeEntry("f.txt", Bytes("f"))});
    auto r = Cabx("extract -q -d " + peer::Quote(dir / "a/b/c/") + " " + peer::Quote(cab));
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(peer::ReadFile(dir.path() / "a/b/c/f.txt"), Bytes("f"));
    peer::WriteFile(dir.path() / "plain", Bytes("x"));
    r = Cabx("extract -q -d " + peer::Quote(dir / "plain/sub") + " " + peer::Quote(cab));
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(Contains(r.out, "cannot create directory '" + (dir / "plain/sub") + "': Not a directory"))
        << r.out;
}

TEST(CabxExtract, KeepExistingStdoutAndPatterns) {
    peer::TempDir dir("x-opts");
    std::string cab = WriteOne(dir, "o.cab", {MakeEntry("one.txt", Bytes("first\n")),
                                               MakeEntry("two.dat", Bytes("second\n")),
                                               MakeEntry("d\\three.txt", Bytes("third\n"))});
    peer::WriteFile(dir.path() / "out/one.txt", Bytes("old"));
    auto r = Cabx("extract -q -n -d " + peer::Quote(dir / "out") + " " + peer::Quote(cab));
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(peer::ReadFile(dir.path() / "out/one.txt"), Bytes("old"));
    EXPECT_EQ(peer::ReadFile(dir.path() / "out/two.dat"), Bytes("second\n"));
    r = Cabx("extract -q -d " + peer::Quote(dir / "out") + " " + peer::Quote(cab));
    EXPECT_EQ(peer::ReadFile(dir.path() / "out/one.txt"), Bytes("first\n"));

    r = Cabx("extract -p -F '*.txt' " + peer::Quote(cab) + " > " + peer::Quote(dir / "stdout"));
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(peer::ReadFile(dir.path() / "stdout"), Bytes("first\nthird\n"));

    r = Cabx("extract -q -F 'd\\*' -d " + peer::Quote(dir / "sel") + " " + peer::Quote(cab));
    ASSERT_EQ(r.status, 0) << r.out;
    auto tree = peer::ReadTree(dir.path() / "sel");
    ASSERT_EQ(tree.size(), 1u);
    EXPECT_EQ(tree["d/three.txt"], Bytes("third\n"));
}

TEST(CabxErrors, ExitCodesAndMessages) {
    peer::TempDir dir("x-err");
    for (const char* cmd : {"", "frobnicate x", "list", "list -z a.cab", "extract -d", "test a b",
                            "create out.cab"})
        EXPECT_EQ(Cabx(cmd).status, 2) << cmd;
    for (const char* cmd : {"--help", "list --help", "test --help", "extract --help", "create -h"}) {
        auto r = Cabx(cmd);
        EXPECT_EQ(r.status, 0) << cmd;
        EXPECT_TRUE(Contains(r.out, "usage:")) << cmd;
    }
    auto missing = Cabx("list " + peer::Quote(dir / "nope.cab"));
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(Contains(missing.out, "nope.cab: No such file or directory")) << missing.out;

    peer::WriteFile(dir.path() / "junk.cab", Bytes("this is not a cabinet at all"));
    auto junk = Cabx("test " + peer::Quote(dir / "junk.cab"));
    EXPECT_EQ(junk.status, 1);
    EXPECT_TRUE(Contains(junk.out, "not a cabinet")) << junk.out;

    // Damaged data: the block checksum names the failure, the file and archive.
    std::vector<uint8_t> bytes = cabwriter::WriteCabinet({MakeEntry("victim.bin", peer::RandomBytes(5000, 7))});
    bytes[bytes.size() - 100] ^= 0x40;
    peer::WriteFile(dir.path() / "bad.cab", bytes);
    auto t = Cabx("test " + peer::Quote(dir / "bad.cab"));
    EXPECT_EQ(t.status, 1);
    EXPECT_TRUE(Contains(t.out, "bad.cab: 'victim.bin': block checksum mismatch")) << t.out;
    EXPECT_EQ(std::count(t.out.begin(), t.out.end(), '\n'), 1) << "one line: " << t.out;
    // Cut short: the block that runs past the end is named.
    bytes.resize(bytes.size() - 100);
    peer::WriteFile(dir.path() / "short.cab", bytes);
    t = Cabx("test " + peer::Quote(dir / "short.cab"));
    EXPECT_EQ(t.status, 1);
    EXPECT_TRUE(Contains(t.out, "'victim.bin': data block runs past the end of the cabinet (folder 0, block 0)"))
        << t.out;

    // A listing or summary that cannot be written is a failure (it was lost
    // with status 0).
    std::string good = WriteOne(dir, "good.cab", {MakeEntry("g", Bytes("g"))});
    for (const char* cmd : {"list ", "list --json ", "test "}) {
        auto full = peer::Run("{ " + peer::Quote(std::string(STUB_BINARY_DIR) + "/cabx") + " " + cmd +
                              peer::Quote(good) + " > /dev/full; }");
        EXPECT_EQ(full.status, 1) << cmd;
        EXPECT_TRUE(Contains(full.out, "cannot write the output: No space left on device")) << full.out;
    }

    // A version the reader does not take.
    bytes = cabwriter::WriteCabinet({MakeEntry("v", Bytes("v"))});
    bytes[24] = 4;
    peer::WriteFile(dir.path() / "v.cab", bytes);
    auto v = Cabx("extract -d " + peer::Quote(dir / "vo") + " " + peer::Quote(dir / "v.cab"));
    EXPECT_EQ(v.status, 1);
    EXPECT_TRUE(Contains(v.out, "not a cabinet")) << v.out;
}

Options SetOptions() {
    Options o;
    o.maxCabinetSize = 20000;
    o.blockSize = 4096;
    o.folders.assign(2, cabwriter::FolderSpec{});
    o.namePattern = "part%d.cab";
    return o;
}

std::vector<Entry> SetEntries() {
    std::vector<Entry> es;
    for (unsigned i = 0; i < 8; ++i)
        es.push_back(MakeEntry("f" + std::to_string(i), peer::RandomBytes(i * 3500 + 11, 20 + i), 0x20,
                               i < 5 ? 0 : 1));
    return es;
}

// Points the entry named `name` in a cabinet file at folder `index`.
void SetFolderIndex(const fs::path& cab, const std::string& name, uint16_t index) {
    std::vector<uint8_t> d = peer::ReadFile(cab);
    cabinspect::Cab c = cabinspect::Parse(d);
    size_t at = c.firstFileOffset;
    for (const cabinspect::File& f : c.files) {
        if (f.name == name) {
            d[at + 8] = uint8_t(index);
            d[at + 9] = uint8_t(index >> 8);
            peer::WriteFile(cab, d);
            return;
        }
        at += 16 + f.name.size() + 1;
    }
    ADD_FAILURE() << name << " not listed in " << cab;
}

// An entry whose folder index names no folder (nor a spanning value) cannot
// be extracted. The reader passes it over without a word, so the runs that
// went through it left the file out and exited 0; every peer reports it.
TEST(CabxErrors, EntryNamingNoFolderIsReportedNotLeftOut) {
    peer::TempDir dir("x-stray");
    std::string cab = WriteOne(dir, "s.cab",
                               {MakeEntry("a", Bytes("alpha")), MakeEntry("b", Bytes("beta")),
                                MakeEntry("c", Bytes("gamma"))});
    SetFolderIndex(cab, "b", 7);
    const std::string line = "s.cab: 'b': names folder 7, but cabinet 's.cab' has 1 folder";
    const std::vector<std::string> commands = {"list", "test", "test --keep-going",
                                               "extract -q -d " + peer::Quote(dir / "out"),
                                               "extract --keep-going -q -d " + peer::Quote(dir / "salvaged")};
    for (const std::string& cmd : commands) {
        auto r = Cabx(cmd + " " + peer::Quote(cab));
        EXPECT_EQ(r.status, 1) << cmd;
        EXPECT_TRUE(Contains(r.out, line)) << cmd << r.out;
    }
    for (const char* out : {"out", "salvaged"})
        EXPECT_EQ(peer::ReadTree(dir.path() / out),
                  (std::map<std::string, std::vector<uint8_t>>{{"a", Bytes("alpha")}, {"c", Bytes("gamma")}}))
            << out;
    // Not wanted, not missed.
    EXPECT_EQ(Cabx("test -F a " + peer::Quote(cab)).status, 0);

    // In a later cabinet of a set, reached by the walk: a second folder
    // begins in the second cabinet.
    std::vector<Entry> es = {MakeEntry("big", peer::RandomBytes(30000, 3), 0x20, 0),
                             MakeEntry("g1", Bytes("one"), 0x20, 1), MakeEntry("g2", Bytes("two"), 0x20, 1)};
    std::string first = WriteSet(dir, es, SetOptions());
    ASSERT_EQ(cabinspect::Parse(peer::ReadFile(dir.path() / "part2.cab")).folderCount, 2);
    SetFolderIndex(dir.path() / "part2.cab", "g1", 9);
    auto r = Cabx("extract -q -d " + peer::Quote(dir / "set") + " " + peer::Quote(first));
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(Contains(r.out, "'g1': names folder 9, but cabinet 'part2.cab' has 2 folders")) << r.out;
    EXPECT_EQ(peer::ReadTree(dir.path() / "set"),
              (std::map<std::string, std::vector<uint8_t>>{{"big", es[0].data}, {"g2", Bytes("two")}}));
}

TEST(CabxSets, WholeSetFromFirstCabinet) {
    peer::TempDir dir("x-set");
    auto es = SetEntries();
    std::string first = WriteSet(dir, es, SetOptions());
    ASSERT_FALSE(first.empty());
    ASSERT_TRUE(fs::exists(dir.path() / "part4.cab"));
    auto r = Cabx("extract -q -d " + peer::Quote(dir / "out") + " " + peer::Quote(first));
    ASSERT_EQ(r.status, 0) << r.out;
    auto tree = peer::ReadTree(dir.path() / "out");
    ASSERT_EQ(tree.size(), es.size());
    for (const Entry& e : es) EXPECT_EQ(tree[e.name], e.data) << e.name;

    auto l = Cabx("list " + peer::Quote(first));
    EXPECT_EQ(l.status, 0);
    EXPECT_TRUE(Contains(l.out, "8 files, ")) << l.out;
    auto t = Cabx("test " + peer::Quote(first));
    EXPECT_EQ(t.status, 0) << t.out;
    EXPECT_TRUE(Contains(t.out, "8 files OK")) << t.out;

    // Only a file from the middle of the set.
    auto p = Cabx("extract -q -F f6 -d " + peer::Quote(dir / "one") + " " + peer::Quote(first));
    ASSERT_EQ(p.status, 0) << p.out;
    EXPECT_EQ(peer::ReadTree(dir.path() / "one"), (std::map<std::string, std::vector<uint8_t>>{{"f6", es[6].data}}));
}

TEST(CabxSets, MissingNextCabinetIsNamed) {
    peer::TempDir dir("x-miss");
    std::string first = WriteSet(dir, SetEntries(), SetOptions());
    fs::remove(dir.path() / "part3.cab");
    auto r = Cabx("extract -q -d " + peer::Quote(dir / "out") + " " + peer::Quote(first));
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(Contains(r.out, "part1.cab: '")) << r.out;
    EXPECT_TRUE(Contains(r.out, "': next cabinet 'part3.cab' not found")) << r.out;
    auto l = Cabx("list " + peer::Quote(first));
    EXPECT_EQ(l.status, 1);
    EXPECT_TRUE(Contains(l.out, "next cabinet 'part3.cab' not found")) << l.out;
    // What the cabinets before the gap list is still shown.
    EXPECT_TRUE(Contains(l.out, "  f0\n")) << l.out;
    EXPECT_TRUE(Contains(l.out, " bytes, 2 cabinets\n")) << l.out;
}

// A listing follows the next-cabinet names only while they lead to the next
// cabinet of the same set: a name that leads back to the cabinet itself
// listed it 65536 times and succeeded.
TEST(CabxSets, ListingStopsAtACabinetOfAnotherPlace) {
    peer::TempDir dir("x-loop");
    Options o = SetOptions();
    o.firstName = "loop.cab";
    o.namePattern = "loop.cab";
    std::vector<cabwriter::Cabinet> cabs;
    std::string error;
    ASSERT_TRUE(cabwriter::WriteCabinets(SetEntries(), o, &cabs, &error)) << error;
    peer::WriteFile(dir.path() / "loop.cab", cabs[0].bytes);  // names itself as the next
    auto l = Cabx("list " + peer::Quote(dir / "loop.cab"));
    EXPECT_EQ(l.status, 1);
    EXPECT_TRUE(Contains(l.out, " bytes, 1 cabinet\n")) << l.out;
    EXPECT_TRUE(Contains(l.out, "next cabinet 'loop.cab': cabinet does not belong to the set")) << l.out;

    // A pattern that matches nothing fails the listing as it fails test and
    // extract.
    std::string first = WriteSet(dir, SetEntries(), SetOptions());
    auto none = Cabx("list -F 'nothing*' " + peer::Quote(first));
    EXPECT_EQ(none.status, 1);
    EXPECT_TRUE(Contains(none.out, "0 files, 0 bytes")) << none.out;
    EXPECT_TRUE(Contains(none.out, "no file matches the given patterns")) << none.out;
}

// Names a cabinet gives its neighbours reach the messages, the verbose
// listing and the JSON: control characters are escaped there as in file
// names, and bytes that are not UTF-8 never make the JSON invalid.
TEST(CabxSets, NeighbourNamesAreShownSafely) {
    peer::TempDir dir("x-esc");
    Options o = SetOptions();
    o.namePattern = "\x1B]0;t\x07%d\xE9.cab";
    std::string first = WriteSet(dir, SetEntries(), o);
    ASSERT_FALSE(first.empty());
    auto v = Cabx("list -v " + peer::Quote(first));
    ASSERT_EQ(v.status, 0) << v.out;
    EXPECT_TRUE(Contains(v.out, "%1B]0;t%072\xE9.cab")) << v.out;
    auto j = Cabx("list --json " + peer::Quote(first) + " 2>/dev/null");
    ASSERT_EQ(j.status, 0) << j.out;
    EXPECT_TRUE(Contains(j.out, "\"\\u001b]0;t\\u00072%E9.cab\"")) << j.out;

    fs::remove(dir.path() / "\x1B]0;t\x07" "3\xE9.cab");
    // (extract into the test's directory, not the one the test runs in)
    for (const std::string& cmd :
         std::vector<std::string>{"list", "test", "extract -d " + peer::Quote(dir / "out")}) {
        auto r = Cabx(cmd + " " + peer::Quote(first));
        EXPECT_EQ(r.status, 1) << cmd;
        EXPECT_TRUE(Contains(r.out, "next cabinet '%1B]0;t%073\xE9.cab' not found")) << cmd << ": " << r.out;
        EXPECT_FALSE(Contains(r.out, "\x1B")) << cmd << ": " << r.out;
    }
    // Started from a later cabinet whose predecessor is gone.
    fs::remove(dir.path() / "\x1B]0;t\x07" "1\xE9.cab");
    auto m = Cabx("test " + peer::Quote(dir / "\x1B]0;t\x07" "2\xE9.cab"));
    EXPECT_TRUE(Contains(m.out, "the previous cabinet '%1B]0;t%071\xE9.cab' is not here")) << m.out;
    EXPECT_FALSE(Contains(m.out, "\x07")) << m.out;
}

TEST(CabxSets, ForeignCabinetInTheSetIsRefused) {
    peer::TempDir dir("x-foreign");
    std::string first = WriteSet(dir, SetEntries(), SetOptions());
    Options other = SetOptions();
    other.setId = 0x4321;
    peer::TempDir dir2("x-foreign2");
    WriteSet(dir2, SetEntries(), other);
    fs::copy_file(dir2.path() / "part2.cab", dir.path() / "part2.cab", fs::copy_options::overwrite_existing);
    auto r = Cabx("test " + peer::Quote(first));
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(Contains(r.out, "next cabinet 'part2.cab': cabinet does not belong to the set")) << r.out;
}

// A set made where names ignore case names its neighbours "PART2.CAB"
// while the files here are "part2.cab": followed forwards (extract, salvage,
// list) and back from a later cabinet; a name two files match is not
// guessed at.
TEST(CabxSets, NeighbourNamesInAnotherCase) {
    peer::TempDir dir("x-case");
    Options o = SetOptions();
    o.namePattern = "PART%d.CAB";
    std::vector<cabwriter::Cabinet> cabs;
    std::string error;
    auto es = SetEntries();
    ASSERT_TRUE(cabwriter::WriteCabinets(es, o, &cabs, &error)) << error;
    for (auto& c : cabs) {
        for (char& ch : c.name) ch = char(tolower((unsigned char)ch));
        peer::WriteFile(dir.path() / c.name, c.bytes);
    }
    std::string first = peer::Quote(dir / "part1.cab");
    for (std::string cmd : {"extract -q -d " + peer::Quote(dir / "out") + " " + first,
                            "test -q --keep-going " + first, "list " + first,
                            "extract -q -d " + peer::Quote(dir / "back") + " " +
                                peer::Quote(dir / "part3.cab")}) {
        auto r = Cabx(cmd);
        EXPECT_EQ(r.status, 0) << cmd << ": " << r.out;
    }
    auto tree = peer::ReadTree(dir.path() / "out");
    ASSERT_EQ(tree.size(), es.size());
    for (const Entry& e : es) EXPECT_EQ(tree[e.name], e.data) << e.name;
    EXPECT_EQ(peer::ReadTree(dir.path() / "back"), tree);

    peer::WriteFile(dir.path() / "Part2.cab", cabs[1].bytes);
    auto two = Cabx("test " + first);
    EXPECT_TRUE(Contains(two.out, "next cabinet 'PART2.CAB' not found")) << two.out;
}

TEST(CabxSets, StartingInTheMiddleReportsWhatCannotBeExtracted) {
    peer::TempDir dir("x-mid");
    auto es = SetEntries();
    WriteSet(dir, es, SetOptions());
    auto c2 = cabinspect::Parse(peer::ReadFile(dir.path() / "part2.cab"));
    ASSERT_EQ(c2.files[0].folderIndex, 0xFFFD);
    fs::remove(dir.path() / "part1.cab");  // else the set is read from there
    auto r = Cabx("extract -q -d " + peer::Quote(dir / "out") + " " + peer::Quote(dir / "part2.cab"));
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(Contains(r.out, "begins in the previous cabinet 'part1.cab'")) << r.out;
}

TEST(CabxSfx, CabinetInsideAnExecutable) {
    peer::TempDir dir("x-sfx");
    auto es = SetEntries();
    Options o = SetOptions();
    o.firstName = "setup.exe.cab";
    std::vector<cabwriter::Cabinet> cabs;
    std::string error;
    ASSERT_TRUE(cabwriter::WriteCabinets(es, o, &cabs, &error)) << error;
    // "MZ", a stub with a false signature in its data, then the cabinet.
    std::vector<uint8_t> exe = Bytes("MZ");
    exe.resize(3000, 0x90);
    const char fake[] = "MSCF\0\0\0\0\x10\0\0\0";
    exe.insert(exe.begin() + 100, fake, fake + 12);
    exe.insert(exe.end(), cabs[0].bytes.begin(), cabs[0].bytes.end());
    peer::WriteFile(dir.path() / "setup.exe", exe);
    for (size_t i = 1; i < cabs.size(); ++i) peer::WriteFile(dir.path() / cabs[i].name, cabs[i].bytes);
    auto r = Cabx("extract -q -d " + peer::Quote(dir / "out") + " " + peer::Quote(dir / "setup.exe"));
    ASSERT_EQ(r.status, 0) << r.out;
    auto tree = peer::ReadTree(dir.path() / "out");
    ASSERT_EQ(tree.size(), es.size());
    for (const Entry& e : es) EXPECT_EQ(tree[e.name], e.data) << e.name;
    auto l = Cabx("list " + peer::Quote(dir / "setup.exe"));
    EXPECT_TRUE(Contains(l.out, "8 files")) << l.out;
}

TEST(CabxCreate, RoundTripsDirectoriesAndSets) {
    peer::TempDir dir("x-create");
    peer::WriteFile(dir.path() / "src/a.txt", Bytes("alpha"));
    peer::WriteFile(dir.path() / "src/sub/b.bin", peer::RandomBytes(150000, 5));
    peer::WriteFile(dir.path() / "src/empty", {});
    auto r = peer::Run("cd " + peer::Quote(dir.path().string()) + " && " +
                       peer::Quote(std::string(STUB_BINARY_DIR) + "/cabx") +
                       " create --max-size 60000 --reserve 10,2,3 set.cab src");
    ASSERT_EQ(r.status, 0) << r.out;
    ASSERT_TRUE(fs::exists(dir.path() / "set2.cab"));
    auto c = cabinspect::Parse(peer::ReadFile(dir.path() / "set.cab"));
    EXPECT_EQ(c.nextCab, "set2.cab");
    EXPECT_EQ(c.headerReserveSize, 10);
    EXPECT_EQ(c.files[0].name, "src\\a.txt");
    auto x = Cabx("extract -q -d " + peer::Quote(dir / "out") + " " + peer::Quote(dir / "set.cab"));
    ASSERT_EQ(x.status, 0) << x.out;
    EXPECT_EQ(peer::ReadTree(dir.path() / "out/src"), peer::ReadTree(dir.path() / "src"));

    EXPECT_EQ(Cabx("create -m zip x.cab src").status, 2);
    EXPECT_EQ(Cabx("create --reserve 1,2 x.cab src").status, 2);
    EXPECT_EQ(Cabx("create -m lzx:22 x.cab src").status, 2);
    auto up = Cabx("create " + peer::Quote(dir / "x.cab") + " ../up");
    EXPECT_EQ(up.status, 1);
}

// Dates outside what an entry can hold (1980-01-01 to 2107-12-31 23:59:58)
// become the nearest one it can, so that they keep their order; only the
// year used to be capped, which stored 2200-06-15 as 2107-06-15.
TEST(CabxCreate, DatesPastTheFormatsRangeBecomeItsEnds) {
    peer::TempDir dir("x-dates");
    const std::pair<const char*, const char*> stamps[] = {
        {"old", "1975-03-04 05:06:07"},    {"first", "1980-01-01 00:00:00"},
        {"last", "2107-12-31 23:59:58"},   {"next-year", "2108-01-01 00:00:00"},
        {"far", "2200-06-15 13:14:16"},    {"mid", "2107-06-15 13:14:16"}};
    std::string touch;
    for (const auto& [name, stamp] : stamps) {
        peer::WriteFile(dir.path() / "src" / name, Bytes(name));
        touch += " && TZ=UTC touch -d '" + std::string(stamp) + "' src/" + name;
    }
    auto r = peer::Run("cd " + peer::Quote(dir.path().string()) + touch + " && TZ=UTC " +
                       peer::Quote(std::string(STUB_BINARY_DIR) + "/cabx") + " create d.cab src");
    ASSERT_EQ(r.status, 0) << r.out;
    std::map<std::string, std::pair<uint16_t, uint16_t>> got;
    for (const cabinspect::File& f : cabinspect::Parse(peer::ReadFile(dir.path() / "d.cab")).files)
        got[f.name] = {f.date, f.time};
    auto dos = [](int y, int mo, int d, int h, int mi, int s) {
        return std::pair<uint16_t, uint16_t>(uint16_t((y - 1980) << 9 | mo << 5 | d),
                                             uint16_t(h << 11 | mi << 5 | s / 2));
    };
    const auto first = dos(1980, 1, 1, 0, 0, 0), last = dos(2107, 12, 31, 23, 59, 58);
    EXPECT_EQ(got, (std::map<std::string, std::pair<uint16_t, uint16_t>>{
                       {"src\\old", first},
                       {"src\\first", first},
                       {"src\\last", last},
                       {"src\\next-year", last},
                       {"src\\far", last},
                       {"src\\mid", dos(2107, 6, 15, 13, 14, 16)}}));
}

// Only names that are UTF-8 are marked so. A Linux file name in a legacy
// character set used to be marked too: invalid UTF-8, which readers
// replace or escape; unmarked, readers take it in their character set.
TEST(CabxCreate, NamesThatAreNotUtf8AreNotMarkedUtf8) {
    peer::TempDir dir("x-utf8");
    peer::WriteFile(dir.path() / "src/latin-\xE9", Bytes("latin"));
    peer::WriteFile(dir.path() / "src/utf8-\xC3\xA9", Bytes("utf-8"));
    auto r = peer::Run("cd " + peer::Quote(dir.path().string()) + " && " +
                       peer::Quote(std::string(STUB_BINARY_DIR) + "/cabx") + " create n.cab src");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_TRUE(Contains(r.out, "the name is not UTF-8; stored as it is, unmarked")) << r.out;
    std::map<std::string, uint16_t> marks;
    for (const cabinspect::File& f : cabinspect::Parse(peer::ReadFile(dir.path() / "n.cab")).files)
        marks[f.name] = f.attributes & 0x80;
    EXPECT_EQ(marks, (std::map<std::string, uint16_t>{{"src\\latin-\xE9", 0}, {"src\\utf8-\xC3\xA9", 0x80}}));
    // Read back: the unmarked name in Windows-1252, the default.
    auto x = Cabx("extract -q -d " + peer::Quote(dir / "out") + " " + peer::Quote(dir / "n.cab"));
    ASSERT_EQ(x.status, 0) << x.out;
    EXPECT_EQ(peer::ReadTree(dir.path() / "out/src"),
              (std::map<std::string, std::vector<uint8_t>>{{"latin-\xC3\xA9", Bytes("latin")},
                                                           {"utf8-\xC3\xA9", Bytes("utf-8")}}));
}

TEST(CabxCreate, SetIdsAreRandomUnlessGiven) {
    peer::TempDir dir("x-setid");
    peer::WriteFile(dir.path() / "src/x", peer::RandomBytes(90000, 8));
    // The set ID of every cabinet of the set written as OUT.cab.
    auto ids = [&](const std::string& out, const std::string& args) {
        auto r = Cabx("create --max-size 40000 " + args + peer::Quote(dir / out) + " " +
                      peer::Quote(dir / "src"));
        EXPECT_EQ(r.status, 0) << r.out;
        std::set<uint16_t> found;
        std::string stem = out.substr(0, out.size() - 4);
        for (int i = 1;; ++i) {
            fs::path p = dir.path() / (i == 1 ? out : stem + std::to_string(i) + ".cab");
            if (!fs::exists(p)) break;
            found.insert(cabinspect::Parse(peer::ReadFile(p)).setId);
            EXPECT_LE(i, 10);
        }
        return found;
    };
    EXPECT_EQ(ids("g.cab", "--set-id 4660 "), std::set<uint16_t>{0x1234});
    EXPECT_EQ(ids("z.cab", "--set-id 0 "), std::set<uint16_t>{0});
    std::set<uint16_t> a = ids("a.cab", ""), b = ids("b.cab", ""), c = ids("c.cab", "");
    ASSERT_EQ(a.size(), 1u) << "one ID for all cabinets of a set";
    ASSERT_EQ(b.size(), 1u);
    ASSERT_EQ(c.size(), 1u);
    EXPECT_FALSE(a == b && b == c) << "three sets, one ID: not random";
    EXPECT_EQ(Cabx("create --set-id 65536 x.cab src").status, 2);
    EXPECT_EQ(Cabx("create --set-id x x.cab src").status, 2);
}

TEST(CabxCreate, DotStoresTheDirectoryContents) {
    peer::TempDir dir("x-dot");
    peer::WriteFile(dir.path() / "src/a.txt", Bytes("alpha"));
    peer::WriteFile(dir.path() / "src/sub/b.bin", peer::RandomBytes(5000, 9));
    const std::string cabx = peer::Quote(std::string(STUB_BINARY_DIR) + "/cabx");
    const std::string in = "cd " + peer::Quote(dir.path().string()) + " && ";
    // OUT.cab inside the directory being stored is not stored into itself,
    // also when an older one is there.
    for (const char* command : {"cd src && ../cabx create in.cab .", "cd src && ../cabx create in.cab .",
                                "mv src/in.cab .", "./cabx create d1.cab src/.", "./cabx create d2.cab src/./",
                                "cd src/sub && ../../cabx create ../../d3.cab ../."}) {
        SCOPED_TRACE(command);
        fs::copy_file(std::string(STUB_BINARY_DIR) + "/cabx", dir.path() / "cabx",
                      fs::copy_options::skip_existing);
        auto r = peer::Run(in + command);
        ASSERT_EQ(r.status, 0) << r.out;
    }
    for (const char* cab : {"in.cab", "d1.cab", "d2.cab", "d3.cab"}) {
        SCOPED_TRACE(cab);
        auto c = cabinspect::Parse(peer::ReadFile(dir.path() / cab));
        std::set<std::string> names;
        for (const auto& f : c.files) names.insert(f.name);
        EXPECT_EQ(names, (std::set<std::string>{"a.txt", "sub\\b.bin"}));
    }
    auto bad = peer::Run(in + cabx + " create x.cab src/a.txt/.");
    EXPECT_EQ(bad.status, 1);
    EXPECT_TRUE(Contains(bad.out, "not a directory")) << bad.out;
}

// Stored names and data by name, as the cabinet (or the archive's cabinet) holds them.
std::map<std::string, std::vector<uint8_t>> Stored(const fs::path& archive, const fs::path& out) {
    auto r = Cabx("extract -q -d " + peer::Quote(out.string()) + " " + peer::Quote(archive.string()));
    EXPECT_EQ(r.status, 0) << r.out;
    return peer::ReadTree(out);
}

TEST(CabxCreate, LinksAndSpecialFilesInsideADirectory) {
    peer::TempDir dir("x-links");
    peer::WriteFile(dir.path() / "src/a.txt", Bytes("alpha"));
    peer::WriteFile(dir.path() / "src/sub/b.bin", peer::RandomBytes(3000, 4));
    peer::WriteFile(dir.path() / "outside.txt", Bytes("from elsewhere"));
    fs::create_symlink("a.txt", dir.path() / "src/link");
    fs::create_symlink(dir.path() / "outside.txt", dir.path() / "src/out");
    fs::create_symlink("nowhere", dir.path() / "src/dangling");
    fs::create_symlink("nowhere", dir.path() / "src/\x1B]0;t\x07");  // named to reach the terminal
    fs::create_symlink("sub", dir.path() / "src/dirlink");
    ASSERT_EQ(mkfifo((dir.path() / "src/fifo").c_str(), 0644), 0);
    // A stand-in stub: sfx only needs an executable image's first bytes.
    std::vector<uint8_t> stub = Bytes("MZ");
    stub.resize(1000, 0);
    peer::WriteFile(dir.path() / "stub.exe", stub);
    const std::string in = "cd " + peer::Quote(dir.path().string()) + " && " +
                           peer::Quote(std::string(STUB_BINARY_DIR) + "/cabx");
    // A link stores its file's data under its own name, never under the
    // name of where it leads (which could climb out with ".."); the rest is
    // skipped with a warning, and a pipe is never opened (it would block).
    for (const char* command : {" create x.cab src", " sfx --stub stub.exe x.exe src"}) {
        SCOPED_TRACE(command);
        auto r = peer::Run(in + command);
        ASSERT_EQ(r.status, 0) << r.out;
        EXPECT_TRUE(Contains(r.out, "'src/dangling': a symbolic link that leads nowhere; skipped")) << r.out;
        EXPECT_TRUE(Contains(r.out, "'src/dirlink': a symbolic link to a directory; skipped")) << r.out;
        EXPECT_TRUE(Contains(r.out, "'src/fifo': not a regular file; skipped")) << r.out;
        EXPECT_TRUE(Contains(r.out, "'src/%1B]0;t%07': a symbolic link that leads nowhere")) << r.out;
        std::string made = Contains(command, "sfx") ? "x.exe" : "x.cab";
        auto tree = Stored(dir.path() / made, dir.path() / ("out-" + made));
        EXPECT_EQ(tree, (std::map<std::string, std::vector<uint8_t>>{
                            {"src/a.txt", Bytes("alpha")},
                            {"src/link", Bytes("alpha")},
                            {"src/out", Bytes("from elsewhere")},
                            {"src/sub/b.bin", peer::RandomBytes(3000, 4)}}));
    }
}

TEST(CabxCreate, OneNameOneFile) {
    peer::TempDir dir("x-clash");
    peer::WriteFile(dir.path() / "one/f", Bytes("first"));
    peer::WriteFile(dir.path() / "two/f", Bytes("second"));
    peer::WriteFile(dir.path() / "odd/a\\..\\..\\b", Bytes("backslashes"));
    const std::string in = "cd " + peer::Quote(dir.path().string()) + " && " +
                           peer::Quote(std::string(STUB_BINARY_DIR) + "/cabx");
    // The same file reached twice (by a second argument, a link to it) is stored once.
    fs::create_symlink("f", dir.path() / "one/g");
    auto r = peer::Run(in + " create same.cab one/f one one/f");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(Stored(dir.path() / "same.cab", dir.path() / "o1"),
              (std::map<std::string, std::vector<uint8_t>>{{"one/f", Bytes("first")},
                                                           {"one/g", Bytes("first")}}));
    // Two files under one name, and a name whose '\' would read as
    // directories, are refused, and nothing is written.
    r = peer::Run(in + " create clash.cab one/. two/.");
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(Contains(r.out, "'two/./f' and 'one/./f' would both be stored as 'f'")) << r.out;
    r = peer::Run(in + " create odd.cab odd");
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(Contains(r.out, "its name holds '\\', which separates directories")) << r.out;
    r = peer::Run(in + " create odd.cab 'odd/a\\..\\..\\b'");
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(Contains(r.out, "cannot be stored")) << r.out;
    EXPECT_FALSE(fs::exists(dir.path() / "clash.cab"));
    EXPECT_FALSE(fs::exists(dir.path() / "odd.cab"));
}

TEST(CabxCreate, AnArchiveAppearsWholeOrNotAtAll) {
    peer::TempDir dir("x-whole");
    peer::WriteFile(dir.path() / "big", peer::RandomBytes(300000, 6));
    peer::WriteFile(dir.path() / "old.cab", Bytes("the old archive"));
    std::vector<uint8_t> stub = Bytes("MZ");
    stub.resize(1000, 0);
    peer::WriteFile(dir.path() / "stub.exe", stub);
    const std::string in = "cd " + peer::Quote(dir.path().string()) + " && ulimit -f 100 && " +
                           peer::Quote(std::string(STUB_BINARY_DIR) + "/cabx");
    for (const char* command : {" create -m none old.cab big", " create -m none new.cab big",
                                " create -m none --max-size 80000 set.cab big",
                                " sfx --stub stub.exe -m none new.exe big"}) {
        SCOPED_TRACE(command);
        auto r = peer::Run(in + command);
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(Contains(r.out, "File too large")) << r.out;
        std::set<std::string> left;
        for (const auto& e : fs::directory_iterator(dir.path())) left.insert(e.path().filename());
        EXPECT_EQ(left, (std::set<std::string>{"big", "old.cab", "stub.exe"}));
        EXPECT_EQ(peer::ReadFile(dir.path() / "old.cab"), Bytes("the old archive"));
    }
}

// Runs that would destroy or replace the wrong thing are refused before
// anything is written: the archive named among its own inputs, a set whose
// names do not fit the cabinets, a set into a pipe, nothing to store.
TEST(CabxCreate, RefusesWhatWouldLoseOrReplaceTheWrongThing) {
    peer::TempDir dir("x-refuse");
    peer::WriteFile(dir.path() / "notes.txt", Bytes("important"));
    peer::WriteFile(dir.path() / "r.bin", peer::RandomBytes(100000, 9));
    fs::create_directories(dir.path() / "empty");
    const std::string longName = std::string(251, 'N') + ".cab";
    peer::WriteFile(dir.path() / longName, Bytes("old"));
    ASSERT_EQ(peer::Run("mkfifo " + peer::Quote((dir.path() / "pipe").string())).status, 0);
    const std::string in = "cd " + peer::Quote(dir.path().string()) + " && " +
                           peer::Quote(std::string(STUB_BINARY_DIR) + "/cabx");
    const std::pair<std::string, std::string> cases[] = {
        {" create notes.txt notes.txt", "'notes.txt' is the archive being written"},
        {" create e.cab empty", "nothing to store"},
        {" sfx e.exe empty", "nothing to store"},
        {" create -m none --max-size 30000 pipe r.bin", "the cabinets of a set must be"},
        {" create -m none --max-size 30000 " + longName + " r.bin", "must be 1 to 255 bytes"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first);
        auto r = peer::Run(in + c.first);
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(Contains(r.out, c.second)) << r.out;
    }
    EXPECT_EQ(peer::ReadFile(dir.path() / longName), Bytes("old"));
    EXPECT_EQ(peer::ReadFile(dir.path() / "notes.txt"), Bytes("important"));
    std::set<std::string> left;
    for (const auto& e : fs::directory_iterator(dir.path())) left.insert(e.path().filename());
    EXPECT_EQ(left, (std::set<std::string>{"notes.txt", "r.bin", "empty", longName, "pipe"}));
    EXPECT_TRUE(fs::is_fifo(dir.path() / "pipe"));
}

// A lone archive goes into a pipe (or a device) as it stands, with the
// summary kept out of it, and through a link into the file it leads to.
TEST(CabxCreate, WritesIntoPipesAndThroughLinks) {
    peer::TempDir dir("x-through");
    peer::WriteFile(dir.path() / "notes.txt", Bytes("important"));
    peer::WriteFile(dir.path() / "target.cab", Bytes("old"));
    fs::create_symlink("target.cab", dir.path() / "link.cab");
    fs::create_symlink("/proc/self/fd/1", dir.path() / "stdout");  // as /dev/stdout is
    ASSERT_EQ(peer::Run("mkfifo " + peer::Quote((dir.path() / "pipe").string())).status, 0);
    const std::string cd = "cd " + peer::Quote(dir.path().string()) + " && ";
    const std::string cabx = peer::Quote(std::string(STUB_BINARY_DIR) + "/cabx");
    auto r = peer::Run(cd + "(timeout 20 cat pipe > got.cab &) && " + cabx +
                       " create pipe notes.txt 2>/dev/null && sleep 0.2 && " + cabx + " create " +
                       "link.cab notes.txt && " + cabx + " create stdout notes.txt > out.cab");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_TRUE(fs::is_fifo(dir.path() / "pipe"));
    EXPECT_TRUE(fs::is_symlink(dir.path() / "link.cab"));
    EXPECT_TRUE(fs::is_symlink(dir.path() / "stdout"));
    for (const char* made : {"got.cab", "target.cab", "out.cab"}) {
        SCOPED_TRACE(made);
        r = Cabx("test " + peer::Quote((dir.path() / made).string()));
        EXPECT_EQ(r.status, 0) << r.out;
        EXPECT_TRUE(Contains(r.out, "1 files OK")) << r.out;
    }
}

// A file whose size differs between listing and reading (here one whose
// size the kernel gives as 0) is stored as read, with a warning.
TEST(CabxCreate, WarnsOfAFileThatChangedWhileRead) {
    peer::TempDir dir("x-changed");
    auto r = Cabx("create " + peer::Quote((dir.path() / "p.cab").string()) + " /proc/self/status");
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_TRUE(Contains(r.out, "0 bytes when listed")) << r.out;
    r = Cabx("extract -p " + peer::Quote((dir.path() / "p.cab").string()));
    EXPECT_TRUE(Contains(r.out, "State:")) << r.out;
}

// A file whose size a cabinet cannot record is refused before it is read
// (it was read whole into memory first), and a lack of memory ends the run
// with a message instead of an abort, leaving no file behind. Sparse files:
// nothing is written to disk.
TEST(CabxCreate, TooLargeForACabinetOrForMemory) {
    peer::TempDir dir("x-large");
    fs::create_directories(dir.path() / "in");
    { std::ofstream(dir.path() / "in/huge"); }
    fs::resize_file(dir.path() / "in/huge", (uint64_t(1) << 32) + 1);
    const std::string in = "cd " + peer::Quote(dir.path().string()) + " && ";
    const std::string cabx = peer::Quote(std::string(STUB_BINARY_DIR) + "/cabx");
    auto r = peer::Run(in + cabx + " create -m none out.cab in");
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(Contains(r.out, "'in/huge': larger than 4 GiB, more than a cabinet can hold")) << r.out;
    if (!kSanitized) {  // the sanitizers need far more address space than the limit
        fs::resize_file(dir.path() / "in/huge", uint64_t(1) << 31);
        r = peer::Run(in + "ulimit -v 1000000 && " + cabx + " create -m none out.cab in");
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(Contains(r.out, "cabx: out of memory")) << r.out;
    }
    std::set<std::string> left;
    for (const auto& e : fs::directory_iterator(dir.path())) left.insert(e.path().filename());
    EXPECT_EQ(left, (std::set<std::string>{"in"}));
    // Memory follows the data, not the number of files: 4000 empty ones
    // took 64 KiB each (some 300 MB of address space).
    if (!kSanitized) {
        fs::remove(dir.path() / "in/huge");
        for (int i = 0; i < 4000; ++i) std::ofstream(dir.path() / "in" / std::to_string(i));
        r = peer::Run(in + "ulimit -v 100000 && " + cabx + " create out.cab in");
        EXPECT_EQ(r.status, 0) << r.out;
    }
}

}  // namespace
