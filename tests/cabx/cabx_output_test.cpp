// cabx extract writes on an output thread while the reader decodes: what
// that could break. Data gathered into chunks across file boundaries, the
// bounded queue filling up and draining, standard output in order, -n
// decided before the file is created, failures that happen on the output
// thread after the reader was already answered, and runs that stop early.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <signal.h>
#include <stddef.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>

#include "cab_set_gen.h"
#include "cabx_support.h"

using namespace cabxtest;
using cabwriter::Entry;
using cabwriter::Options;
namespace fs = std::filesystem;

namespace {

constexpr size_t kChunk = 512 * 1024;  // cabx's chunk size: sizes around it matter

std::string CabxPath() { return peer::Quote(std::string(STUB_BINARY_DIR) + "/cabx"); }

// Many small files (some empty, in subdirectories, some read-only) around
// large ones whose sizes straddle the chunk size, in two folders.
std::vector<Entry> MixedEntries(unsigned smallCount) {
    std::vector<Entry> es;
    const size_t large[] = {kChunk - 1, kChunk, kChunk + 1, 5 * kChunk + 12345};
    unsigned next = 0;
    for (unsigned i = 0; i < smallCount; ++i) {
        if (i % (smallCount / 4) == 0 && next < 4) {
            es.push_back(MakeEntry("large\\l" + std::to_string(next), peer::RandomBytes(large[next], 900 + next),
                                   0x20, next % 2));
            ++next;
        }
        std::string name = "d" + std::to_string(i % 7) + "\\s" + std::to_string(i);
        es.push_back(MakeEntry(name, peer::RandomBytes((i * 7919) % 3001, i), i % 11 == 0 ? 0x21 : 0x20,
                               i * 2 / smallCount));
    }
    return es;
}

Options TwoFolders() {
    Options o;
    o.folders.assign(2, cabwriter::FolderSpec{});
    o.blockSize = 20000;  // blocks and chunks never line up
    return o;
}

std::vector<uint8_t> Concatenated(const std::vector<Entry>& es) {
    std::vector<uint8_t> all;
    for (const Entry& e : es) all.insert(all.end(), e.data.begin(), e.data.end());
    return all;
}

TEST(CabxOutput, ManySmallFilesAndFilesAcrossChunks) {
    peer::TempDir dir("o-many");
    auto es = MixedEntries(2000);
    std::string cab = WriteOne(dir, "m.cab", es, TwoFolders());
    auto r = Cabx("extract -q -d " + peer::Quote(dir / "out") + " " + peer::Quote(cab));
    ASSERT_EQ(r.status, 0) << r.out;
    auto tree = peer::ReadTree(dir.path() / "out");
    ASSERT_EQ(tree.size(), es.size());
    for (const Entry& e : es) {
        std::string path = e.name;
        std::replace(path.begin(), path.end(), '\\', '/');
        ASSERT_EQ(tree[path], e.data) << e.name;
        struct stat st;
        ASSERT_EQ(stat((dir.path() / "out" / path).c_str(), &st), 0);
        EXPECT_EQ((st.st_mode & 0222) == 0, (e.attributes & 1) != 0) << e.name;
    }
    // test decodes the same without writing anything.
    auto t = Cabx("test " + peer::Quote(cab));
    EXPECT_EQ(t.status, 0) << t.out;
    EXPECT_TRUE(Contains(t.out, std::to_string(es.size()) + " files OK")) << t.out;
}

// A cabinet of two folders, one stored and one LZX (uncompressed blocks), of
// `pairs` 32 KiB blocks each holding two 16 KiB files, the second half's
// listed first: the same decoded block is written from twice, once behind
// where the first file left it. Built here byte by byte, with no checksums.
std::vector<uint8_t> BlocksListedBackwards(unsigned pairs,
                                           std::map<std::string, std::vector<uint8_t>>* files) {
    using setgen::detail::Put16;
    using setgen::detail::Put32;
    const uint32_t half = 16384, folderSize = 2 * half * pairs;
    std::vector<uint8_t> entries, blocks[2];
    for (unsigned folder = 0; folder < 2; ++folder) {
        std::vector<uint8_t> data = peer::RandomBytes(folderSize, 77 + folder);
        for (unsigned k = 0; k < pairs; ++k) {
            for (unsigned second = 2; second-- > 0;) {
                std::string name = std::string(folder ? "x" : "s") + std::to_string(k) + (second ? "b" : "a");
                const uint32_t at = (2 * k + second) * half;
                (*files)[name].assign(data.begin() + at, data.begin() + at + half);
                Put32(entries, half);
                Put32(entries, at);
                Put16(entries, folder);
                Put16(entries, 0x5821);  // 2024-01-01
                Put16(entries, 0);
                Put16(entries, 0x20);
                setgen::detail::PutName(entries, name);
            }
            const uint32_t at = 2 * k * half;
            std::vector<uint8_t> frame =
                folder ? setgen::detail::LzxRawFrame(&data[at], 2 * half, at, folderSize)
                       : std::vector<uint8_t>(data.begin() + at, data.begin() + at + 2 * half);
            Put32(blocks[folder], 0);
            Put16(blocks[folder], uint32_t(frame.size()));
            Put16(blocks[folder], 2 * half);
            blocks[folder].insert(blocks[folder].end(), frame.begin(), frame.end());
        }
    }
    const uint32_t files0 = 36 + 2 * 8, data0 = files0 + uint32_t(entries.size());
    std::vector<uint8_t> cab = {'M', 'S', 'C', 'F', 0, 0, 0, 0};
    for (uint32_t x : {data0 + uint32_t(blocks[0].size() + blocks[1].size()), 0u, files0, 0u})
        Put32(cab, x);
    // Version 1.3, two folders, the files, no flags, set 1234 cabinet 0.
    for (uint32_t x : {0x0103u, 2u, 4 * pairs, 0u, 1234u, 0u}) Put16(cab, x);
    Put32(cab, data0);
    Put16(cab, pairs);
    Put16(cab, 0);  // stored
    Put32(cab, data0 + uint32_t(blocks[0].size()));
    Put16(cab, pairs);
    Put16(cab, 3 | 16 << 8);  // LZX, 64 KiB window
    cab.insert(cab.end(), entries.begin(), entries.end());
    for (const auto& b : blocks) cab.insert(cab.end(), b.begin(), b.end());
    return cab;
}

// Decoded blocks go into the output chunks and are queued from there: data
// of a block written again from behind the point the last file reached must
// still be there when the output thread comes to it, many files later (the
// output thread, creating a file for every 16 KiB, lags far behind).
TEST(CabxOutput, BlocksWrittenFromTwiceStayIntactInTheChunks) {
    peer::TempDir dir("o-backwards");
    std::map<std::string, std::vector<uint8_t>> files;
    peer::WriteFile(dir.path() / "b.cab", BlocksListedBackwards(160, &files));
    auto r = Cabx("extract -q -d " + peer::Quote(dir / "out") + " " + peer::Quote(dir / "b.cab"));
    ASSERT_EQ(r.status, 0) << r.out;
    auto tree = peer::ReadTree(dir.path() / "out");
    ASSERT_EQ(tree.size(), files.size());
    size_t wrong = 0;
    for (const auto& f : files) wrong += tree[f.first] != f.second;
    EXPECT_EQ(wrong, 0u);
}

TEST(CabxOutput, StandardOutputInOrderWhileTheQueueIsFull) {
    // The reader of the pipe starts late, so the output thread blocks in
    // write() while the decoding thread fills every chunk (a file larger
    // than all chunks together) and the queue of operations (thousands of
    // small files), then waits for room.
    peer::TempDir dir("o-stdout");
    std::vector<Entry> es = {MakeEntry("big", peer::RandomBytes(40 * kChunk + 3, 1))};
    for (unsigned i = 0; i < 6000; ++i) es.push_back(MakeEntry("f" + std::to_string(i), peer::RandomBytes(i % 97, i)));
    es.push_back(MakeEntry("tail", peer::RandomBytes(3 * kChunk, 2)));
    std::string cab = WriteOne(dir, "p.cab", es, TwoFolders());
    auto r = peer::Run(CabxPath() + " extract -p " + peer::Quote(cab) + " | (sleep 1; cat > " +
                       peer::Quote(dir / "stdout") + ")");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_TRUE(r.out.empty()) << r.out;
    EXPECT_EQ(peer::ReadFile(dir.path() / "stdout"), Concatenated(es));

    // Selected files only, still in the cabinet's order.
    r = peer::Run(CabxPath() + " extract -p -F 'f1?' -F tail " + peer::Quote(cab) + " > " +
                  peer::Quote(dir / "some"));
    ASSERT_EQ(r.status, 0) << r.out;
    std::vector<Entry> some;
    for (const Entry& e : es)
        if (e.name == "tail" || (e.name.size() == 3 && e.name.compare(0, 2, "f1") == 0)) some.push_back(e);
    EXPECT_EQ(peer::ReadFile(dir.path() / "some"), Concatenated(some));
}

TEST(CabxOutput, KeepExistingIsDecidedBeforeTheFileIsCreated) {
    peer::TempDir dir("o-keep");
    // The same name twice: the second copy finds the first, which the output
    // thread may not have created yet when the reader asks.
    std::vector<Entry> es = {MakeEntry("dup.txt", Bytes("first")),
                             MakeEntry("dir\\dup2", Bytes("one")),
                             MakeEntry("old.txt", Bytes("new")),
                             MakeEntry("link", Bytes("through")),
                             MakeEntry("taken", Bytes("file")),
                             MakeEntry("DIR\\..\\dup.txt", Bytes("second")),
                             MakeEntry("dir/dup2", peer::RandomBytes(3 * kChunk, 4)),
                             MakeEntry("fresh", Bytes("fresh"))};
    std::string cab = WriteOne(dir, "k.cab", es);
    peer::WriteFile(dir.path() / "out/old.txt", Bytes("old"));
    peer::WriteFile(dir.path() / "victim", Bytes("keep"));
    fs::create_symlink(dir.path() / "victim", dir.path() / "out/link");
    fs::create_directories(dir.path() / "out/taken");

    auto r = Cabx("extract -q -n -d " + peer::Quote(dir / "out") + " " + peer::Quote(cab));
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(peer::ReadFile(dir.path() / "out/dup.txt"), Bytes("first"));
    EXPECT_EQ(peer::ReadFile(dir.path() / "out/dir/dup2"), Bytes("one"));
    EXPECT_EQ(peer::ReadFile(dir.path() / "out/old.txt"), Bytes("old"));
    EXPECT_TRUE(fs::is_symlink(dir.path() / "out/link"));
    EXPECT_EQ(peer::ReadFile(dir.path() / "victim"), Bytes("keep"));
    EXPECT_TRUE(fs::is_directory(dir.path() / "out/taken"));
    EXPECT_EQ(peer::ReadFile(dir.path() / "out/fresh"), Bytes("fresh"));

    // Without -n the later copy wins, and the link is replaced, not followed.
    r = Cabx("extract -q -F '*dup*' -F link -d " + peer::Quote(dir / "out") + " " + peer::Quote(cab));
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(peer::ReadFile(dir.path() / "out/dup.txt"), Bytes("second"));
    EXPECT_EQ(peer::ReadFile(dir.path() / "out/dir/dup2"), es[6].data);
    EXPECT_FALSE(fs::is_symlink(dir.path() / "out/link"));
    EXPECT_EQ(peer::ReadFile(dir.path() / "victim"), Bytes("keep"));

    // Without -n a directory in the file's place cannot be replaced.
    r = Cabx("extract -q -F taken -d " + peer::Quote(dir / "out") + " " + peer::Quote(cab));
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(Contains(r.out, "k.cab: 'taken': a directory of that name exists")) << r.out;
}

// In an output folder this run makes or finds empty, the check before
// creating a file is answered from the directories the run made: a file
// whose name is such a directory is still refused, and later copies of a
// name still replace.
TEST(CabxOutput, FreshOrEmptyOutputFolderRefusesAFileWhereTheRunMadeADirectory) {
    peer::TempDir dir("o-fresh");
    std::vector<Entry> es = {MakeEntry("sub\\x.txt", Bytes("x")),
                             MakeEntry("a.txt", Bytes("first")),
                             MakeEntry("sub\\deep\\a.txt", peer::RandomBytes(3 * kChunk, 5)),
                             MakeEntry("a.txt", Bytes("second")),
                             MakeEntry("sub", Bytes("file"))};
    std::string cab = WriteOne(dir, "f.cab", es);
    // A folder the run makes, and one that exists but is empty when the run
    // begins: in both, the run alone puts names there.
    fs::create_directory(dir.path() / "empty");
    for (std::string out : {"new", "empty"}) {
        auto r = Cabx("extract -q -d " + peer::Quote(dir / out) + " " + peer::Quote(cab));
        EXPECT_EQ(r.status, 1) << out;
        EXPECT_TRUE(Contains(r.out, "f.cab: 'sub': a directory of that name exists")) << r.out;
        EXPECT_EQ(peer::ReadFile(dir.path() / out / "sub/x.txt"), Bytes("x")) << out;
        EXPECT_EQ(peer::ReadFile(dir.path() / out / "sub/deep/a.txt"), es[2].data) << out;
        EXPECT_EQ(peer::ReadFile(dir.path() / out / "a.txt"), Bytes("second")) << out;
    }
}

// No temporary file is left anywhere below root.
void ExpectNoTemporaryFiles(const fs::path& root) {
    if (!fs::exists(root)) return;
    for (const auto& e : fs::recursive_directory_iterator(root))
        EXPECT_EQ(e.path().filename().string().find(".cabx-"), 0u + std::string::npos) << e.path();
}

// The files before `failed` in `es` are all complete in `root`, the failed
// one and those after it do not exist (the failed one keeps `kept` when it
// was there before): the output stops in order at the failure, and no
// partial file ever has a real name.
void ExpectWrittenUpTo(const fs::path& root, const std::vector<Entry>& es, size_t failed,
                       const std::vector<uint8_t>* kept = nullptr) {
    for (size_t i = 0; i < es.size(); ++i) {
        std::string path = es[i].name;
        std::replace(path.begin(), path.end(), '\\', '/');
        if (path.compare(0, 2, "..") == 0) continue;  // a name that is nothing once made safe
        if (i < failed) EXPECT_EQ(peer::ReadFile(root / path), es[i].data) << path;
        if (i == failed && kept) EXPECT_EQ(peer::ReadFile(root / path), *kept) << path;
        else if (i >= failed) EXPECT_FALSE(fs::exists(root / path)) << path;
    }
    ExpectNoTemporaryFiles(root);
}

TEST(CabxOutput, FailureOnTheOutputThreadFailsTheRun) {
    peer::TempDir dir("o-fail");
    // A file where a directory must go: the reader was already answered and
    // decodes on; the output thread cannot create the path.
    std::vector<Entry> es;
    for (unsigned i = 0; i < 300; ++i) es.push_back(MakeEntry("a" + std::to_string(i), peer::RandomBytes(i * 37, i)));
    es.push_back(MakeEntry("x", Bytes("plain file")));
    es.push_back(MakeEntry("x\\y", Bytes("under a file")));
    for (unsigned i = 0; i < 300; ++i) es.push_back(MakeEntry("b" + std::to_string(i), peer::RandomBytes(i * 41, i)));
    std::string cab = WriteOne(dir, "f.cab", es);
    auto r = Cabx("extract -q -d " + peer::Quote(dir / "out") + " " + peer::Quote(cab));
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(Contains(r.out, "f.cab: 'x\\y': cannot enter directory 'x/': Not a directory")) << r.out;
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1) << "one line: " << r.out;
    ExpectWrittenUpTo(dir.path() / "out", es, 301);

    // A write that fails in the middle of a large file (the file size limit;
    // cabx ignores its signal so that write() reports it): the file is named.
    std::vector<Entry> big = {MakeEntry("small", Bytes("fits")),
                              MakeEntry("big.bin", peer::RandomBytes(6 * kChunk, 5)),
                              MakeEntry("after", Bytes("never written"))};
    std::string bigCab = WriteOne(dir, "big.cab", big);
    r = peer::Run("ulimit -f 2048; " + CabxPath() + " extract -q -d " +
                  peer::Quote(dir / "lim") + " " + peer::Quote(bigCab));
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(Contains(r.out, "big.cab: 'big.bin': cannot write file: File too large")) << r.out;
    ExpectWrittenUpTo(dir.path() / "lim", big, 1);

    // Standard output that fills up.
    r = peer::Run("{ " + CabxPath() + " extract -p " + peer::Quote(bigCab) + " > /dev/full; }");
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(Contains(r.out, "big.cab: 'small': cannot write output: No space left on device")) << r.out;
}

TEST(CabxOutput, RunsStoppedByTheReaderWaitForQueuedOutput) {
    peer::TempDir dir("o-abort");
    std::vector<Entry> es;
    for (unsigned i = 0; i < 400; ++i) es.push_back(MakeEntry("p" + std::to_string(i), peer::RandomBytes(500 + i, i)));
    es.push_back(MakeEntry("victim", peer::RandomBytes(3 * kChunk, 6)));
    es.push_back(MakeEntry("later", Bytes("later")));

    // Damaged data in the last blocks: the files before are complete, the
    // damaged one is named.
    std::vector<uint8_t> bytes = cabwriter::WriteCabinet(es);
    bytes[bytes.size() - 5000] ^= 0x10;
    peer::WriteFile(dir.path() / "bad.cab", bytes);
    auto r = Cabx("extract -q -d " + peer::Quote(dir / "out") + " " + peer::Quote(dir / "bad.cab"));
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(Contains(r.out, "bad.cab: 'victim': block checksum mismatch")) << r.out;
    ExpectWrittenUpTo(dir.path() / "out", es, 400);
    auto p = peer::Run(CabxPath() + " extract -p " + peer::Quote(dir / "bad.cab") + " > " + peer::Quote(dir / "stdout"));
    EXPECT_EQ(p.status, 1);
    std::vector<uint8_t> before = Concatenated(std::vector<Entry>(es.begin(), es.begin() + 400));
    std::vector<uint8_t> got = peer::ReadFile(dir.path() / "stdout");
    ASSERT_GE(got.size(), before.size());
    EXPECT_TRUE(std::equal(before.begin(), before.end(), got.begin())) << "earlier files complete, in order";

    // A name that is empty once made safe stops the run at that entry.
    std::vector<Entry> named = es;
    named[400] = MakeEntry("..\\", Bytes("nothing"));
    std::string cab = WriteOne(dir, "n.cab", named);
    r = Cabx("extract -q -d " + peer::Quote(dir / "out2") + " " + peer::Quote(cab));
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(Contains(r.out, "n.cab: '..\\': name is empty once made safe")) << r.out;
    ExpectWrittenUpTo(dir.path() / "out2", named, 400);

    // A missing next cabinet while earlier files of the set are queued.
    Options o;
    o.maxCabinetSize = 200000;
    o.namePattern = "s%d.cab";
    std::string first = WriteSet(dir, es, o);
    ASSERT_TRUE(fs::exists(dir.path() / "s2.cab"));
    fs::remove(dir.path() / "s2.cab");
    r = Cabx("extract -q -d " + peer::Quote(dir / "out3") + " " + peer::Quote(first));
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(Contains(r.out, "next cabinet 's2.cab' not found")) << r.out;
}

// A file is written under a temporary name and takes its own only when
// complete: a full disk, a damaged block or the output limit part-way
// through leaves neither a partial file nor a gap where the file it would
// replace was.
TEST(CabxOutput, IncompleteFilesNeverTakeTheirNames) {
    peer::TempDir dir("o-temp");
    std::vector<Entry> es = {MakeEntry("small", Bytes("fits")),
                             MakeEntry("big.bin", peer::RandomBytes(3 * kChunk, 7)),
                             MakeEntry("after", Bytes("never written"))};
    std::string cab = WriteOne(dir, "t.cab", es);
    const std::vector<uint8_t> old = Bytes("the old file");

    peer::WriteFile(dir.path() / "lim/big.bin", old);
    auto r = peer::Run("ulimit -f 1024; " + CabxPath() + " extract -q -d " + peer::Quote(dir / "lim") +
                       " " + peer::Quote(cab));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "cabx: " + cab + ": 'big.bin': cannot write file: File too large\n");
    ExpectWrittenUpTo(dir.path() / "lim", es, 1, &old);

    // A full disk: a 1 MiB file system of its own, mounted in a private
    // namespace for the one command (skipped where that is not allowed).
    fs::create_directories(dir.path() / "mnt");
    r = peer::Run("unshare -rm sh -c " +
                  peer::Quote("mount -t tmpfs -o size=1m none " + peer::Quote(dir / "mnt") +
                              " || exit 99; " + CabxPath() + " extract -q -d " + peer::Quote(dir / "mnt/out") +
                              " " + peer::Quote(cab) + "; echo rc=$?; ls -A " + peer::Quote(dir / "mnt/out")));
    if (r.status == 0) {
        EXPECT_EQ(r.out, "cabx: " + cab + ": 'big.bin': cannot write file: No space left on device\nrc=1\nsmall\n");
    } else {
        printf("(no private tmpfs here: %s)\n", r.out.c_str());
    }

    // A damaged block inside a file that replaces an existing one.
    std::vector<uint8_t> bytes = cabwriter::WriteCabinet(es);
    bytes[bytes.size() - 100000] ^= 0x10;
    peer::WriteFile(dir.path() / "bad.cab", bytes);
    peer::WriteFile(dir.path() / "dmg/big.bin", old);
    r = Cabx("extract -q -d " + peer::Quote(dir / "dmg") + " " + peer::Quote(dir / "bad.cab"));
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(Contains(r.out, "bad.cab: 'big.bin': block checksum mismatch")) << r.out;
    ExpectWrittenUpTo(dir.path() / "dmg", es, 1, &old);

    // --max-output: the file that would pass the limit fails, named; the
    // whole output at the limit exactly passes.
    uint64_t total = es[0].data.size() + es[1].data.size() + es[2].data.size();
    r = Cabx("extract -q --max-output " + std::to_string(total - 1) + " -d " + peer::Quote(dir / "max") + " " +
             peer::Quote(cab));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "cabx: " + cab + ": 'after': output exceeds the --max-output limit of " +
                         std::to_string(total - 1) + " bytes\n");
    ExpectWrittenUpTo(dir.path() / "max", es, 2);
    r = Cabx("extract -q --max-output " + std::to_string(total) + " -d " + peer::Quote(dir / "max") + " " +
             peer::Quote(cab));
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(Cabx("extract --max-output 1e6 " + peer::Quote(cab)).status, 2);

    // Shared by parallel passes: one error line, every file left complete.
    auto many = MixedEntries(400);
    std::string two = WriteOne(dir, "two.cab", many, TwoFolders());
    r = peer::Run("CABX_PASSES=2 " + CabxPath() + " extract -q --max-output 3000000 -d " +
                  peer::Quote(dir / "par") + " " + peer::Quote(two));
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(Contains(r.out, "cabx: 2 extraction passes\n")) << r.out;
    EXPECT_TRUE(Contains(r.out, "output exceeds the --max-output limit of 3000000 bytes\n")) << r.out;
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 2) << r.out;
    auto tree = peer::ReadTree(dir.path() / "par");
    uint64_t written = 0;
    for (const Entry& e : many) {
        std::string path = e.name;
        std::replace(path.begin(), path.end(), '\\', '/');
        if (!tree.count(path)) continue;
        EXPECT_EQ(tree[path], e.data) << path;
        written += e.data.size();
    }
    EXPECT_LE(written, 3000000u);
    ExpectNoTemporaryFiles(dir.path() / "par");
}

// Makes link() and linkat() fail with EACCES in this process and what it
// executes, as a security policy that forbids hard links would: a seccomp
// filter for x86-64 system calls. False where it cannot be set.
bool RefuseLinks() {
#if defined(__x86_64__)
    struct sock_filter f[] = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(struct seccomp_data, arch)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, AUDIT_ARCH_X86_64, 1, 0),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(struct seccomp_data, nr)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_linkat, 2, 0),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_link, 1, 0),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | EACCES),
    };
    struct sock_fprog program = {sizeof f / sizeof f[0], f};
    return prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 && prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) == 0;
#else
    return false;
#endif
}

// Starts cabx with `args` (output discarded) in `cwd`; its process id.
pid_t StartCabx(const std::vector<std::string>& args, const fs::path& cwd,
                const std::vector<std::string>& env = {}, bool refuseLinks = false) {
    pid_t pid = fork();
    if (pid == 0) {
        if (chdir(cwd.c_str()) != 0) _exit(127);
        if (refuseLinks && !RefuseLinks()) _exit(126);
        int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        dup2(null, 2);
        for (const std::string& e : env) putenv(const_cast<char*>(e.c_str()));
        std::string cabx = std::string(STUB_BINARY_DIR) + "/cabx";
        std::vector<char*> argv{const_cast<char*>(cabx.c_str())};
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    return pid;
}

// The files below `dir` whose names start with `prefix`.
size_t FilesBelow(const fs::path& dir, const std::string& prefix) {
    size_t n = 0;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(dir, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec))
        n += it->path().filename().string().rfind(prefix, 0) == 0;
    return n;
}

size_t TemporaryFiles(const fs::path& dir) { return FilesBelow(dir, ".cabx-"); }

// Sends `sig` once `atLeast` files named with `prefix` exist below `dir`
// (and `delayMs` later); the run's wait status.
int SignalWhenWriting(pid_t pid, const fs::path& dir, const std::string& prefix, size_t atLeast, int delayMs,
                      int sig) {
    int status = 0;
    for (int i = 0; i < 20000 && FilesBelow(dir, prefix) < atLeast; ++i) {
        if (waitpid(pid, &status, WNOHANG) == pid) return status;  // done before
        usleep(500);
    }
    usleep(delayMs * 1000);
    kill(pid, sig);
    waitpid(pid, &status, 0);
    return status;
}

// Interrupts the run once `atLeast` temporary files exist below `dir` (and
// `delayMs` later); true when it ended by the signal or finished first.
bool InterruptWhenWriting(pid_t pid, const fs::path& dir, size_t atLeast, int delayMs, int sig) {
    int status = SignalWhenWriting(pid, dir, ".cabx-", atLeast, delayMs, sig);
    return (WIFSIGNALED(status) && WTERMSIG(status) == sig) || (WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

// Where hard links are refused, a file written unnamed cannot be linked
// into place: it is copied under a temporary name instead, so every file
// still arrives whole, with its mode and time, replacing what was there,
// and nothing else is left; an archive made is whole too.
TEST(CabxOutput, FilesArriveWhereLinksAreRefused) {
    peer::TempDir dir("o-nolink");
    // The first file refused is copied (a large read-only one replacing
    // another here); the files after it are written named.
    std::vector<Entry> es = {MakeEntry("sub\\ro.bin", peer::RandomBytes(200000, 3), 0x21),
                             MakeEntry("a.txt", Bytes("first")),
                             MakeEntry("big", peer::RandomBytes(3 * kChunk + 5, 4))};
    std::string cab = WriteOne(dir, "n.cab", es);
    peer::WriteFile(dir.path() / "out/sub/ro.bin", Bytes("the old file"));
    pid_t pid = StartCabx({"extract", "-q", "-d", "out", cab}, dir.path(), {}, true);
    int status = 0;
    waitpid(pid, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 126) GTEST_SKIP() << "no seccomp filter here";
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    ExpectWrittenUpTo(dir.path() / "out", es, es.size());
    ASSERT_EQ(Cabx("extract -q -d " + peer::Quote(dir / "plain") + " " + peer::Quote(cab)).status, 0);
    for (const char* name : {"a.txt", "sub/ro.bin", "big"}) {
        struct stat linked, copied;
        ASSERT_EQ(stat((dir.path() / "plain" / name).c_str(), &linked), 0);
        ASSERT_EQ(stat((dir.path() / "out" / name).c_str(), &copied), 0);
        EXPECT_EQ(copied.st_mode, linked.st_mode) << name;
        EXPECT_EQ(copied.st_mtime, linked.st_mtime) << name;
    }

    pid = StartCabx({"create", "-m", "mszip", "made.cab", "out"}, dir.path(), {}, true);
    waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(Cabx("test -q " + peer::Quote(dir / "made.cab")).status, 0);
    ExpectNoTemporaryFiles(dir.path());
}

// Files named only once complete: where the file system makes unnamed
// files, a run killed outright, with no chance to clean up, leaves only
// whole files behind.
TEST(CabxOutput, KilledRunsLeaveOnlyWholeFiles) {
    peer::TempDir dir("o-kill");
    int probe = open(dir.path().c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (probe < 0 || access("/proc/self/fd", F_OK) != 0 || getenv("CABX_NAMED_TEMPORARIES"))
        GTEST_SKIP() << "files are written named here";
    close(probe);
    std::vector<Entry> es;
    for (unsigned i = 0; i < 200; ++i) es.push_back(MakeEntry("f" + std::to_string(i), peer::RandomBytes(300000, i)));
    std::string cab = WriteOne(dir, "k.cab", es);
    int killed = 0;
    for (int delay : {0, 5, 20}) {
        SCOPED_TRACE(delay);
        fs::path out = dir.path() / ("out" + std::to_string(delay));
        pid_t pid = StartCabx({"extract", "-q", "-d", out.string(), cab}, dir.path());
        int status = SignalWhenWriting(pid, out, "f", 2, delay, SIGKILL);
        killed += WIFSIGNALED(status);
        for (const auto& e : fs::directory_iterator(out)) {
            std::string name = e.path().filename().string();
            ASSERT_EQ(name[0], 'f') << name;
            EXPECT_EQ(peer::ReadFile(e.path()), es[std::stoul(name.substr(1))].data) << name;
        }
    }
    EXPECT_GT(killed, 0);
}

// An interrupted run leaves no temporary file: not when the signal comes
// while another thread is creating one (extraction passes, each with an
// output thread), nor when more are staged at once than a fixed table held
// (create stages every cabinet of a set before renaming them).
TEST(CabxOutput, InterruptedRunsLeaveNoTemporaryFiles) {
    peer::TempDir dir("o-signal");
    std::vector<Entry> es;
    for (unsigned i = 0; i < 1500; ++i)
        es.push_back(MakeEntry("d" + std::to_string(i % 9) + "\\f" + std::to_string(i),
                               peer::RandomBytes(20000, i), 0x20, i / 300));
    Options o;
    o.folders.assign(5, cabwriter::FolderSpec{cabwriter::Method::Mszip});
    std::string cab = WriteOne(dir, "m.cab", es, o);
    for (int delay : {0, 20, 60}) {
        SCOPED_TRACE(delay);
        fs::path out = dir.path() / ("out" + std::to_string(delay));
        pid_t pid = StartCabx({"extract", "-q", "-d", out.string(), cab}, dir.path(),
                              {"CABX_PASSES=4", "CABX_NAMED_TEMPORARIES=1"});
        EXPECT_TRUE(InterruptWhenWriting(pid, out, 1, delay, delay == 20 ? SIGTERM : SIGINT));
        EXPECT_EQ(TemporaryFiles(out), 0u);
    }

    fs::create_directories(dir.path() / "in");
    for (int i = 0; i < 6; ++i)
        peer::WriteFile(dir.path() / "in" / ("f" + std::to_string(i)), peer::RandomBytes(3000000, 50 + i));
    fs::create_directories(dir.path() / "set");
    pid_t pid = StartCabx({"create", "-m", "none", "--max-size", "100000", "set/s.cab", "in"}, dir.path(),
                          {"CABX_NAMED_TEMPORARIES=1"});
    EXPECT_TRUE(InterruptWhenWriting(pid, dir.path() / "set", 40, 0, SIGINT));
    // Nothing, or (when the signal came during the renames) the whole set.
    EXPECT_EQ(TemporaryFiles(dir.path() / "set"), 0u);
    if (!fs::is_empty(dir.path() / "set"))
        EXPECT_EQ(Cabx("test -q " + peer::Quote(dir / "set/s.cab")).status, 0);
}

}  // namespace
