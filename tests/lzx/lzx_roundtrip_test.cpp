// The LZX encoder against the decoder, the reader, and the independent
// extractors: every window size and all three block types, on text, x86-64
// code (E8 translation) and random data.
#include <gtest/gtest.h>

#include <set>

#include "../writer/peer_tools.h"
#include "cab_reader.h"
#include "encoders.h"
#include "lzx_encode.h"
#include "lzx_stream_builder.h"
#include "mem_io.h"
#include "walk_recorder.h"

using cabwriter::EncodedBlock;
using cabwriter::FolderSpec;
using cabwriter::Method;

namespace {

// This test program itself: real x86-64 code full of CALL instructions.
const std::vector<uint8_t>& X86Code() {
    static const std::vector<uint8_t> code = [] {
        std::vector<uint8_t> v = peer::ReadFile("/proc/self/exe");
        if (v.size() > (3u << 20)) v.resize(3u << 20);
        return v;
    }();
    return code;
}

std::vector<uint8_t> Concat(std::initializer_list<std::vector<uint8_t>> parts) {
    std::vector<uint8_t> v;
    for (const auto& p : parts) v.insert(v.end(), p.begin(), p.end());
    return v;
}

// Records with 8-byte strides: matches whose low distance bits repeat,
// where aligned-offset blocks pay off.
std::vector<uint8_t> Records(size_t n, uint32_t seed) {
    std::vector<uint8_t> pool = peer::RandomBytes(4096, seed), v;
    std::mt19937 rng(seed);
    while (v.size() < n) {
        size_t at = (rng() % 512) * 8;
        v.insert(v.end(), pool.begin() + at, pool.begin() + at + 8);
        for (int k = 0; k < 8; ++k) v.push_back(uint8_t(rng() & 3));
    }
    v.resize(n);
    return v;
}

struct Decoded {
    std::vector<uint8_t> bytes;
    std::set<int> blockTypes;
    uint32_t e8Size = 0;
    bool ok = true;
};

// Decodes the blocks one by one, each from an input buffer of its exact size.
Decoded Decode(const std::vector<EncodedBlock>& blocks, int windowBits) {
    Decoded r;
    lzxtest::Decoder d(1u << windowBits);
    std::vector<uint8_t> out;
    for (const EncodedBlock& b : blocks) {
        EXPECT_LE(b.bytes.size(), 38912u);
        if (d.Frame(b.bytes, b.uncompressedSize, &out) != CodecResult::Ok) {
            r.ok = false;
            break;
        }
        EXPECT_EQ(b.bytes.size() % 2, 0u) << "frames are padded to 16 bits";
        r.bytes.insert(r.bytes.end(), out.begin(), out.end());
        r.blockTypes.insert(d.state()->blockType);
        r.e8Size = d.state()->e8Size;
    }
    return r;
}

size_t Compressed(const std::vector<EncodedBlock>& blocks) {
    size_t n = 0;
    for (const auto& b : blocks) n += b.bytes.size();
    return n;
}

}  // namespace

TEST(LzxRoundTrip, EveryWindowSizeAndBlockType) {
    const std::vector<uint8_t> data =
        Concat({peer::TextBytes(150000, 1), peer::RandomBytes(70000, 2), Records(200000, 3),
                peer::RandomBytes(33333, 4), peer::TextBytes(12345, 5)});
    for (int bits = 15; bits <= 21; ++bits) {
        std::vector<EncodedBlock> blocks = Encode(data, bits);
        Decoded r = Decode(blocks, bits);
        ASSERT_TRUE(r.ok) << bits;
        ASSERT_EQ(r.bytes, data) << "window bits " << bits;
        EXPECT_EQ(r.blockTypes, (std::set<int>{Verbatim, AlignedOffset, Uncompressed})) << bits;
        EXPECT_LT(Compressed(blocks), data.size() * 3 / 4) << bits;
    }
}

TEST(LzxRoundTrip, X86CodeUsesE8Translation) {
    const std::vector<uint8_t>& code = X86Code();
    ASSERT_GT(code.size(), 100000u);
    std::vector<EncodedBlock> blocks = Encode(code, 21);
    Decoded r = Decode(blocks, 21);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.bytes, code);
    EXPECT_NE(r.e8Size, 0u) << "x86 code should be sent with E8 translation";
    EXPECT_LT(Compressed(blocks), code.size() / 2);
    // Frames whose bytes are dropped (a null output, as a test of the data
    // asks) leave the decoder where delivering them would: the frames after
    // them are translated from the right offsets.
    lzxtest::Decoder d(1u << 21);
    std::vector<uint8_t> out;
    size_t at = 0;
    for (size_t i = 0; i < blocks.size(); at += blocks[i].uncompressedSize, ++i) {
        if (i % 3 == 1) {
            ASSERT_EQ(d.Drop(blocks[i].bytes, blocks[i].uncompressedSize), CodecResult::Ok) << i;
            continue;
        }
        ASSERT_EQ(d.Frame(blocks[i].bytes, blocks[i].uncompressedSize, &out), CodecResult::Ok) << i;
        ASSERT_TRUE(std::equal(out.begin(), out.end(), code.begin() + at)) << "frame " << i;
    }
    // Text is not.
    Decoded text = Decode(Encode(peer::TextBytes(100000, 9), 16), 16);
    EXPECT_EQ(text.e8Size, 0u);
}

TEST(LzxRoundTrip, EdgeSizesAndRepetitiveData) {
    std::vector<std::vector<uint8_t>> inputs = {
        {},
        {'a'},
        std::vector<uint8_t>(32768, 'z'),
        std::vector<uint8_t>(32769, 0),
        peer::RandomBytes(32767, 11),
        peer::RandomBytes(65537, 12),
        Concat({std::vector<uint8_t>(5, 0xE8), peer::RandomBytes(7, 13)}),
    };
    for (size_t i = 0; i < inputs.size(); ++i) {
        for (int bits : {15, 21}) {
            std::vector<EncodedBlock> blocks = Encode(inputs[i], bits);
            EXPECT_EQ(blocks.size(), (inputs[i].size() + 32767) / 32768) << i;
            Decoded r = Decode(blocks, bits);
            ASSERT_TRUE(r.ok) << i;
            EXPECT_EQ(r.bytes, inputs[i]) << "input " << i << " window bits " << bits;
        }
    }
    // Long-range repeats beyond the smallest window are found in the largest.
    std::vector<uint8_t> block = peer::RandomBytes(300000, 14);
    std::vector<uint8_t> twice = Concat({block, block});
    EXPECT_LT(Compressed(Encode(twice, 21)), 320000u);
    EXPECT_GT(Compressed(Encode(twice, 15)), 590000u);
}

// Long stretches without a match make the search skip ahead: a repeat that
// follows is still found, and the stretches go out as uncompressed blocks.
TEST(LzxRoundTrip, IncompressibleStretchesThenRepeatsAndRuns) {
    const std::vector<uint8_t> noise = peer::RandomBytes(400000, 31);
    const std::vector<uint8_t> data =
        Concat({noise, std::vector<uint8_t>(50000, 'r'), peer::TextBytes(40000, 32), noise,
                peer::RandomBytes(5, 33)});
    for (int bits : {15, 21}) {
        std::vector<EncodedBlock> blocks = Encode(data, bits);
        Decoded r = Decode(blocks, bits);
        ASSERT_TRUE(r.ok) << bits;
        EXPECT_EQ(r.bytes, data) << "window bits " << bits;
        EXPECT_TRUE(r.blockTypes.count(Uncompressed)) << bits;
        if (bits == 21) EXPECT_LT(Compressed(blocks), 400000u + 30000u);
        else EXPECT_GT(Compressed(blocks), 800000u);
    }
}

TEST(LzxRoundTrip, RefusesBadParameters) {
    std::vector<uint8_t> data(100, 1);
    std::vector<EncodedBlock> blocks;
    std::string why;
    FolderSpec spec;
    spec.method = Method::Lzx;
    for (int bits : {14, 22}) {
        spec.windowBits = bits;
        EXPECT_FALSE(cabwriter::EncodeLzx(data.data(), data.size(), spec, 32768, &blocks, &why));
        EXPECT_FALSE(why.empty());
    }
    spec.windowBits = 16;
    EXPECT_FALSE(cabwriter::EncodeLzx(data.data(), data.size(), spec, 1000, &blocks, &why));
}

// ------------------------------------------------- through cabinets

namespace {

struct LzxCabinet {
    std::vector<cabwriter::Entry> entries;
    std::vector<uint8_t> bytes;
};

LzxCabinet MakeCabinet(int windowBits) {
    LzxCabinet c;
    auto add = [&](const std::string& name, std::vector<uint8_t> data, unsigned folder) {
        cabwriter::Entry e;
        e.name = name;
        e.data = std::move(data);
        e.folder = folder;
        c.entries.push_back(std::move(e));
    };
    std::vector<uint8_t> code(X86Code().begin(), X86Code().begin() + std::min<size_t>(X86Code().size(), 400000));
    add("text.txt", peer::TextBytes(90000, 21), 0);
    add("code.bin", code, 0);
    add("random.bin", peer::RandomBytes(50001, 22), 0);
    add("records.dat", Records(70000, 23), 0);
    add("empty", {}, 0);
    add("small.txt", {'h', 'i', '\n'}, 1);
    cabwriter::Options options;
    FolderSpec spec;
    spec.method = Method::Lzx;
    spec.windowBits = windowBits;
    FolderSpec second = spec;
    second.windowBits = windowBits == 21 ? 15 : 21;
    options.folders = {spec, second};
    c.bytes = cabwriter::WriteCabinet(c.entries, options);
    return c;
}

void ExpectTree(const peer::fs::path& dir, const LzxCabinet& c, const std::string& tool) {
    auto tree = peer::ReadTree(dir);
    for (const auto& e : c.entries) {
        auto it = tree.find(e.name);
        ASSERT_NE(it, tree.end()) << tool << " did not extract " << e.name;
        EXPECT_TRUE(it->second == e.data) << tool << " extracted " << e.name << " wrongly";
    }
}

}  // namespace

TEST(LzxCabinets, ReaderExtractsEncoderCabinets) {
    for (int bits : {15, 17, 21}) {
        MemIo::Reset();
        LzxCabinet c = MakeCabinet(bits);
        ASSERT_FALSE(c.bytes.empty());
        MemIo::Get().files["a.cab"] = c.bytes;
        CabError error{};
        CabIo io = MemIo::Io();
        CabReader* reader = CreateReaderIo(&io, -1, &error);
        ASSERT_NE(reader, nullptr);
        WalkRecorder rec;
        EXPECT_TRUE(ExtractCabinet(reader, "a.cab", "", 0, WalkRecorder::Notify, nullptr, &rec))
            << CabErrorName(error.code);
        EXPECT_TRUE(DestroyReader(reader));
        for (const auto& e : c.entries)
            EXPECT_TRUE(MemIo::Get().files["out/" + e.name] == e.data) << e.name << " bits " << bits;
        EXPECT_TRUE(MemIo::Get().live.empty()) << "memory leaked";
    }
}

TEST(LzxCabinets, ReaderReportsDamagedLzxData) {
    MemIo::Reset();
    LzxCabinet c = MakeCabinet(16);
    cabwriter::Options options;
    options.checksums = false;  // let the damage reach the decoder
    FolderSpec spec;
    spec.method = Method::Lzx;
    spec.windowBits = 16;
    options.folders = {spec, spec};
    std::vector<uint8_t> cab = cabwriter::WriteCabinet(c.entries, options);
    // The first data block's bits become all ones: E8 header, then block
    // type 7, which no decoder may accept.
    const uint32_t firstBlock = cab[36] | cab[37] << 8 | cab[38] << 16 | uint32_t(cab[39]) << 24;
    for (size_t i = firstBlock + 8; i < firstBlock + 8 + 64; ++i) cab[i] = 0xFF;
    MemIo::Get().files["a.cab"] = cab;
    // Also when the caller drops the data (a test): the frames are still decoded.
    for (int flags : {0, int(kExtractDropData)}) {
        CabError error{};
        CabIo io = MemIo::Io();
        CabReader* reader = CreateReaderIo(&io, -1, &error);
        WalkRecorder rec;
        EXPECT_FALSE(ExtractCabinet(reader, "a.cab", "", flags, WalkRecorder::Notify, nullptr, &rec));
        EXPECT_EQ(error.code, CabErrorCode::DecoderFailed) << CabErrorName(error.code) << flags;
        DestroyReader(reader);
    }
}

class LzxPeers : public ::testing::TestWithParam<int> {};

TEST_P(LzxPeers, IndependentExtractorsAgree) {
    const int bits = GetParam();
    LzxCabinet c = MakeCabinet(bits);
    peer::TempDir dir("lzx-peers");
    const std::string cab = dir / "lzx.cab";
    peer::WriteFile(cab, c.bytes);
    int ran = 0;
    if (peer::HaveTool("cabextract")) {
        auto r = peer::Run("cabextract -q -d " + peer::Quote(dir / "ce") + " " + peer::Quote(cab));
        EXPECT_EQ(r.status, 0) << r.out;
        ExpectTree(dir.path() / "ce", c, "cabextract");
        ++ran;
    }
    if (peer::HaveTool("7zz")) {
        auto r = peer::Run("7zz x -y -bd -o" + peer::Quote(dir / "7z") + " " + peer::Quote(cab));
        EXPECT_EQ(r.status, 0) << r.out;
        ExpectTree(dir.path() / "7z", c, "7zz");
        ++ran;
    }
    if (peer::HaveTool("bsdtar")) {
        peer::fs::create_directories(dir.path() / "bt");
        auto r = peer::Run("bsdtar -xf " + peer::Quote(cab) + " -C " + peer::Quote(dir / "bt"));
        EXPECT_EQ(r.status, 0) << r.out;
        ExpectTree(dir.path() / "bt", c, "bsdtar");
        ++ran;
    }
    if (ran < 3) GTEST_SKIP() << "only " << ran << " of cabextract, 7zz, bsdtar are installed";
}

INSTANTIATE_TEST_SUITE_P(WindowBits, LzxPeers, ::testing::Values(15, 16, 17, 18, 19, 20, 21));

TEST(LzxCabx, CreatesAndExtractsLzxCabinets) {
    std::string cabx = std::string(STUB_BINARY_DIR) + "/cabx";
    if (!peer::fs::exists(cabx)) cabx = std::string(STUB_BINARY_DIR) + "/tools/cabx/cabx";
    if (!peer::fs::exists(cabx)) GTEST_SKIP() << "cabx is not built in this tree";
    peer::TempDir dir("lzx-cabx");
    std::vector<uint8_t> text = peer::TextBytes(120000, 31), code = X86Code();
    code.resize(std::min<size_t>(code.size(), 300000));
    peer::WriteFile(dir.path() / "in" / "text.txt", text);
    peer::WriteFile(dir.path() / "in" / "code.bin", code);
    for (std::string method : {"lzx", "lzx:15"}) {
        const std::string cab = dir / ("t-" + method.substr(0, 3) + std::to_string(method.size()) + ".cab");
        auto r = peer::Run("cd " + peer::Quote(dir / "in") + " && " + peer::Quote(cabx) +
                           " create -m " + method + " " + peer::Quote(cab) + " text.txt code.bin");
        ASSERT_EQ(r.status, 0) << r.out;
        const std::string out = dir / ("out-" + std::to_string(method.size()));
        r = peer::Run(peer::Quote(cabx) + " extract -q -d " + peer::Quote(out) + " " + peer::Quote(cab));
        ASSERT_EQ(r.status, 0) << r.out;
        EXPECT_TRUE(peer::ReadFile(out + "/text.txt") == text) << method;
        EXPECT_TRUE(peer::ReadFile(out + "/code.bin") == code) << method;
        if (peer::HaveTool("cabextract")) {
            r = peer::Run("cabextract -t " + peer::Quote(cab));
            EXPECT_EQ(r.status, 0) << r.out;
        }
    }
}
