// Quantum folders in whole cabinets: extracted by our reader, and by the
// independent extractors as oracles for the encoder's output.
#include <gtest/gtest.h>

#include "../cabinet/reader_fixture.h"
#include "../writer/cab_inspect.h"
#include "../writer/peer_tools.h"
#include "quantum_test_support.h"

namespace {

cabwriter::FolderSpec Quantum(int windowBits) {
    cabwriter::FolderSpec spec;
    spec.method = cabwriter::Method::Quantum;
    spec.windowBits = windowBits;
    return spec;
}

cabwriter::Entry File(const std::string& name, std::vector<uint8_t> data, unsigned folder) {
    cabwriter::Entry e;
    e.name = name;
    e.data = std::move(data);
    e.folder = folder;
    return e;
}

// Folders of windows 10, 15 and 21 (the last two of one type, so the reader
// resets one decoder between them), each holding text, an x86-64 program
// and random bytes over several blocks; small and empty files between. The
// second folder holds only random bytes, which the writer stores instead
// (kIncompressible), so the reader switches from Quantum to stored and back.
const unsigned kIncompressible = 1;
struct Sample {
    std::vector<cabwriter::Entry> entries;
    cabwriter::Options options;
    Sample() {
        options.folders = {Quantum(10), Quantum(16), Quantum(21), Quantum(21), Quantum(15)};
        entries = {File("w10\\text.txt", qtest::Text(70000, 1), 0),
                   File("w10\\prog.bin", qtest::Binary(50000), 0),
                   File("w10\\empty", {}, 0),
                   File("noise\\a.bin", qtest::Random(50000, 9), kIncompressible),
                   File("noise\\b.bin", qtest::Random(30000, 10), kIncompressible),
                   File("w21\\random.dat", qtest::Random(40000, 2), 2),
                   File("w21\\text.txt", qtest::Text(150000, 3), 2),
                   File("w21b\\prog.bin", qtest::Binary(90000), 3),
                   File("w21b\\one", {'x'}, 3),
                   File("w15\\text.txt", qtest::Text(33000, 4), 4),
                   File("w15\\random.dat", qtest::Random(33000, 5), 4)};
    }
};

class QuantumCabinet : public ReaderTest {};

TEST_F(QuantumCabinet, ReaderExtractsFoldersOfEveryWindowWithResetBetweenFolders) {
    Sample s;
    Store("q.cab", Build(s.entries, s.options));
    ExtractRun run = Extract("q.cab");
    ASSERT_TRUE(run.ok) << CabErrorName(run.error.code);
    for (const auto& e : s.entries) EXPECT_TRUE(Output(e.name) == e.data) << e.name;
}

TEST(QuantumWriter, FolderThatDoesNotShrinkIsStoredOthersKeepQuantum) {
    Sample s;
    cabinspect::Cab c = cabinspect::Parse(cabwriter::WriteCabinet(s.entries, s.options));
    ASSERT_EQ(c.folders.size(), s.options.folders.size());
    for (size_t f = 0; f < c.folders.size(); ++f) {
        const uint16_t quantum = cabwriter::CompressionTypeOf(s.options.folders[f]);
        EXPECT_EQ(c.folders[f].compressionType, f == kIncompressible ? 0 : quantum) << f;
    }
    // A type given raw is written as given, even over data that does not shrink.
    cabwriter::Options raw;
    raw.folders = {Quantum(16)};
    raw.folders[0].rawCompressionType = 0x1002;
    c = cabinspect::Parse(cabwriter::WriteCabinet({File("r", qtest::Random(5000, 11), 0)}, raw));
    EXPECT_EQ(c.folders[0].compressionType, 0x1002);
}

TEST_F(QuantumCabinet, BlocksCutAcrossCabinetsOfASetDecodeWhole) {
    std::vector<cabwriter::Entry> entries = {File("a.txt", qtest::Text(120000, 6), 0),
                                             File("b.bin", qtest::Random(60000, 7), 0)};
    cabwriter::Options options;
    options.folders = {Quantum(17)};
    options.maxCabinetSize = 20000;
    auto cabs = BuildSet(entries, options);
    ASSERT_GT(cabs.size(), 2u);
    ExtractRun run = Extract(cabs[0].name, kExtractWholeSet);
    ASSERT_TRUE(run.ok) << CabErrorName(run.error.code);
    for (const auto& e : entries) EXPECT_TRUE(Output(e.name) == e.data) << e.name;
}

TEST_F(QuantumCabinet, WindowBitsNineOrTwentyTwoFailAtFolderOpening) {
    for (uint16_t type : {0x0902, 0x1602}) {
        MemIo::Reset();
        if (reader_) DestroyReader(reader_);
        reader_ = nullptr;
        cabwriter::Options options;
        options.folders = {Quantum(21)};
        options.folders[0].rawCompressionType = type;
        Store("bad.cab", Build({File("f", qtest::Text(1000), 0)}, options));
        EXPECT_FAILS_WITH(Extract("bad.cab"), DecoderFailed);
    }
}

TEST_F(QuantumCabinet, EveryFailedAllocationIsReportedWithoutLeaks) {
    Sample s;
    std::vector<uint8_t> cab = Build(s.entries, s.options);
    bool completed = false;
    for (int failAt = 1; failAt < 40 && !completed; ++failAt) {
        if (reader_) DestroyReader(reader_);
        reader_ = nullptr;
        MemIo::Reset();
        Store("q.cab", cab);
        CabIo io = MemIo::Io();
        reader_ = CreateReaderIo(&io, -1, &error_);
        ASSERT_NE(reader_, nullptr);
        // Fail the failAt-th allocation of the extraction (buffers, decoder
        // handle, window, ...).
        MemIo::Get().failAllocAt = MemIo::Get().allocs + failAt;
        ExtractRun run = Extract("q.cab");
        if (run.ok) {
            completed = true;
        } else {
            EXPECT_EQ(CabErrorName(run.error.code), std::string("NoMemory")) << failAt;
        }
        DestroyReader(reader_);
        reader_ = nullptr;
        EXPECT_TRUE(MemIo::Get().live.empty()) << "leak after failing allocation " << failAt;
    }
    EXPECT_TRUE(completed);
}

// The peers' view of the same cabinet.
// `command` is the extraction command line up to the output folder, which
// is appended directly (7zz wants "-oDIR").
void CheckPeer(const std::string& tool, const std::string& command) {
    Sample s;
    peer::TempDir dir("quantum-" + tool);
    std::string cab = dir / "q.cab";
    peer::WriteFile(cab, cabwriter::WriteCabinet(s.entries, s.options));
    std::string out = dir / "out";
    auto r = peer::Run(command + peer::Quote(out) + " " + peer::Quote(cab));
    ASSERT_EQ(r.status, 0) << r.out;
    auto tree = peer::ReadTree(out);
    for (const auto& e : s.entries) {
        std::string name = e.name;
        for (char& c : name)
            if (c == '\\') c = '/';
        ASSERT_TRUE(tree.count(name)) << tool << " did not extract " << name;
        EXPECT_TRUE(tree[name] == e.data) << tool << " differs on " << name;
    }
}

TEST(QuantumPeers, CabextractExtractsEncoderOutputByteIdentically) {
    REQUIRE_TOOL("cabextract");
    CheckPeer("cabextract", "cabextract -q -d ");
}

TEST(QuantumPeers, SevenZipExtractsEncoderOutputByteIdentically) {
    REQUIRE_TOOL("7zz");
    CheckPeer("7zz", "7zz x -y -bd -o");
}

TEST(QuantumPeers, EveryBlockEndingLeavesTheSpareBitsPeersAccept) {
    // One file per length from 1 to 48 bytes past a block's start: the coder
    // ends in every bit position, and each block must still be accepted by a
    // peer that checks how the block's input ends.
    REQUIRE_TOOL("7zz");
    peer::TempDir dir("quantum-ends");
    std::vector<uint8_t> text = qtest::Text(40000, 8);
    for (int extra = 1; extra <= 48; ++extra) {
        cabwriter::Options options;
        options.folders = {Quantum(16)};
        std::vector<uint8_t> data(text.begin(), text.begin() + 32768 + extra * 37);
        std::string cab = dir / ("e" + std::to_string(extra) + ".cab");
        peer::WriteFile(cab, cabwriter::WriteCabinet({File("f", data, 0)}, options));
        auto r = peer::Run("7zz e -so " + peer::Quote(cab) + " > " + peer::Quote(cab + ".out"));
        ASSERT_EQ(r.status, 0) << extra << ": " << r.out;
        EXPECT_TRUE(peer::ReadFile(cab + ".out") == data) << extra;
    }
}

}  // namespace

namespace {

TEST(QuantumCabx, CreateAndExtractQuantumFoldersOfEachWindow) {
    std::string cabx = std::string(STUB_BINARY_DIR) + "/cabx";
    if (access(cabx.c_str(), X_OK) != 0) GTEST_SKIP() << "cabx is not built; skipped";
    peer::TempDir dir("quantum-cabx");
    std::vector<uint8_t> text = qtest::Text(90000, 12), random = qtest::Random(40000, 13);
    peer::WriteFile(dir.path() / "in" / "text.txt", text);
    peer::WriteFile(dir.path() / "in" / "random.dat", random);
    for (const char* method : {"quantum", "quantum:10", "quantum:15"}) {
        std::string cab = dir / (std::string("q-") + method + ".cab");
        auto r = peer::Run("cd " + peer::Quote(dir / "in") + " && " + peer::Quote(cabx) +
                           " create -m " + method + " " + peer::Quote(cab) + " text.txt random.dat");
        ASSERT_EQ(r.status, 0) << r.out;
        std::string out = dir / (std::string("out-") + method);
        r = peer::Run(peer::Quote(cabx) + " extract -q -d " + peer::Quote(out) + " " + peer::Quote(cab));
        ASSERT_EQ(r.status, 0) << r.out;
        EXPECT_TRUE(peer::ReadFile(out + "/text.txt") == text) << method;
        EXPECT_TRUE(peer::ReadFile(out + "/random.dat") == random) << method;
    }
    auto r = peer::Run(peer::Quote(cabx) + " create -m quantum:22 " + peer::Quote(dir / "bad.cab") +
                       " " + peer::Quote(dir / "in/text.txt"));
    EXPECT_NE(r.status, 0) << "window bits 22 accepted";
}

}  // namespace
