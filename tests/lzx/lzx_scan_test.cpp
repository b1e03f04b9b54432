// Frame scans against plain decoding: frames scanned one to three ahead
// must come out byte for byte as the decoder alone makes them, and a scan
// that does not fit the frame being decoded (another frame, changed input,
// a block ending inside it) must be left aside without changing anything.
#include <gtest/gtest.h>

#include "../writer/peer_tools.h"
#include "encoders.h"
#include "lzx_encode.h"
#include "lzx_stream_builder.h"

using cabwriter::EncodedBlock;

namespace {

struct Scan {
    LzxScan* scan = nullptr;
    Scan() { LzxScanCreate(lzxtest::Alloc, lzxtest::Free, &scan); }
    ~Scan() {
        if (scan) EXPECT_EQ(LzxScanDestroy(scan), CodecResult::Ok);
    }
};

struct Decoding {
    std::vector<uint8_t> bytes;
    CodecResult result = CodecResult::Ok;
    size_t taken = 0;  // frames taken from a scan
};

// Decodes the frames in order, offering each the scan made `ahead` frames
// before (0: none); frames[i] is the input of frame i.
Decoding Decode(const std::vector<std::vector<uint8_t>>& frames, const std::vector<uint32_t>& sizes,
           int windowBits, size_t ahead) {
    Decoding r;
    lzxtest::Decoder d(1u << windowBits);
    std::vector<Scan> ring(ahead ? ahead : 1);
    std::vector<bool> made(frames.size(), false);
    std::vector<uint8_t> out(32768);
    for (size_t k = 0; k < frames.size(); ++k) {
        Scan& mine = ring[k % ring.size()];
        uint32_t n = sizes[k];
        int used = 0;
        r.result = LzxDecompressScanned(d.handle, made[k] ? mine.scan : nullptr, frames[k].data(),
                                        uint32_t(frames[k].size()), out.data(), &n, &used);
        if (r.result != CodecResult::Ok) break;
        r.bytes.insert(r.bytes.end(), out.begin(), out.begin() + n);
        r.taken += size_t(used);
        // Between frames: scan frame k + ahead, past frames k+1 .. k+ahead-1.
        const size_t target = k + ahead;
        if (ahead == 0 || target >= frames.size()) continue;
        uint32_t skip = 0;
        for (size_t j = k + 1; j < target; ++j) skip += sizes[j];
        EXPECT_EQ(LzxScanLoad(mine.scan, d.handle), CodecResult::Ok);
        made[target] = LzxScanFrame(mine.scan, skip, frames[target].data(),
                                    uint32_t(frames[target].size()), sizes[target]) ==
                       CodecResult::Ok;
    }
    return r;
}

void Split(const std::vector<EncodedBlock>& blocks, std::vector<std::vector<uint8_t>>* frames,
           std::vector<uint32_t>* sizes) {
    for (const EncodedBlock& b : blocks) {
        frames->push_back(b.bytes);
        sizes->push_back(b.uncompressedSize);
    }
}

bool HaveScans() {
    Scan s;
    return s.scan != nullptr;
}

}  // namespace

TEST(LzxScan, FramesScannedAheadDecodeAlike) {
    if (!HaveScans()) GTEST_SKIP() << "this build decodes every frame itself";
    std::vector<uint8_t> code = peer::ReadFile("/proc/self/exe");
    code.resize(std::min<size_t>(code.size(), 600000));
    std::vector<uint8_t> data = peer::TextBytes(300000, 7);
    data.insert(data.end(), code.begin(), code.end());
    const std::vector<uint8_t> noise = peer::RandomBytes(70000, 8);
    data.insert(data.end(), noise.begin(), noise.end());
    const std::vector<uint8_t> tail = peer::TextBytes(100001, 9);
    data.insert(data.end(), tail.begin(), tail.end());
    for (int bits : {15, 16, 18, 21}) {
        std::vector<std::vector<uint8_t>> frames;
        std::vector<uint32_t> sizes;
        Split(Encode(data, bits), &frames, &sizes);
        for (size_t ahead = 1; ahead <= 3; ++ahead) {
            Decoding r = Decode(frames, sizes, bits, ahead);
            ASSERT_EQ(r.result, CodecResult::Ok) << bits << " " << ahead;
            ASSERT_EQ(r.bytes, data) << "window bits " << bits << ", " << ahead << " ahead";
            if (bits == 15) {
                EXPECT_EQ(r.taken, 0u) << "every frame starts the window";
            } else if (bits == 16) {
                EXPECT_GT(r.taken, 0u) << ahead;
                EXPECT_LE(r.taken * 2, frames.size()) << "every other frame starts the window";
            } else {
                // Frames at the window's start, the random stretch and the
                // first frames of every block are decoded by the decoder.
                EXPECT_GT(r.taken * 3, frames.size()) << bits << " " << ahead;
            }
        }
    }
}

TEST(LzxScan, ScansThatDoNotFitAreLeftAside) {
    if (!HaveScans()) GTEST_SKIP() << "this build decodes every frame itself";
    const std::vector<uint8_t> data = peer::TextBytes(400000, 3);
    std::vector<std::vector<uint8_t>> frames;
    std::vector<uint32_t> sizes;
    Split(Encode(data, 17), &frames, &sizes);
    ASSERT_GE(frames.size(), 6u);
    const Decoding plain = Decode(frames, sizes, 17, 0);
    ASSERT_EQ(plain.bytes, data);

    lzxtest::Decoder d(1u << 17), twin(1u << 17);
    Scan a, b;
    std::vector<uint8_t> out(32768), expect;
    auto step = [&](size_t k, LzxScan* offer, const std::vector<uint8_t>& input, int wantUsed) {
        uint32_t n = sizes[k], m = sizes[k];
        int used = -1;
        CodecResult r = LzxDecompressScanned(d.handle, offer, input.data(), uint32_t(input.size()),
                                             out.data(), &n, &used);
        expect.assign(32768, 0);
        CodecResult e = LzxDecompress(twin.handle, input.data(), uint32_t(input.size()),
                                      expect.data(), &m);
        EXPECT_EQ(r, e) << "frame " << k;
        EXPECT_EQ(used, wantUsed) << "frame " << k;
        if (r == CodecResult::Ok && e == CodecResult::Ok) {
            ASSERT_EQ(n, m);
            EXPECT_EQ(0, memcmp(out.data(), expect.data(), n)) << "frame " << k;
        }
    };
    step(0, nullptr, frames[0], 0);
    // After frame 0: scans of frames 1 and 2.
    ASSERT_EQ(LzxScanLoad(a.scan, d.handle), CodecResult::Ok);
    ASSERT_EQ(LzxScanLoad(b.scan, d.handle), CodecResult::Ok);
    ASSERT_EQ(LzxScanFrame(a.scan, 0, frames[1].data(), uint32_t(frames[1].size()), sizes[1]),
              CodecResult::Ok);
    ASSERT_EQ(LzxScanFrame(b.scan, sizes[1], frames[2].data(), uint32_t(frames[2].size()),
                           sizes[2]),
              CodecResult::Ok);
    step(1, b.scan, frames[1], 0);  // another frame's scan
    // Frame 2 with one input byte changed after its scan: not taken, and
    // the result is the decoder's own, whatever it is.
    std::vector<uint8_t> changed = frames[2];
    changed[changed.size() / 2] ^= 0x10;
    step(2, b.scan, changed, 0);
    step(3, a.scan, frames[3], 0);  // an old scan
    ASSERT_EQ(LzxScanLoad(a.scan, d.handle), CodecResult::Ok);
    if (LzxScanFrame(a.scan, 0, frames[4].data(), uint32_t(frames[4].size()), sizes[4]) ==
        CodecResult::Ok)
        step(4, a.scan, frames[4], 1);
    // A scan made before a reset is stale after it.
    ASSERT_EQ(LzxScanLoad(b.scan, d.handle), CodecResult::Ok);
    ASSERT_EQ(LzxReset(d.handle), CodecResult::Ok);
    ASSERT_EQ(LzxReset(twin.handle), CodecResult::Ok);
    (void)LzxScanFrame(b.scan, 0, frames[5].data(), uint32_t(frames[5].size()), sizes[5]);
    step(0, b.scan, frames[0], 0);
    EXPECT_TRUE(std::equal(data.begin(), data.begin() + sizes[0], expect.begin()));
    // Scans refuse frames not wholly in a known block.
    EXPECT_EQ(LzxScanFrame(b.scan, 0, frames[1].data(), uint32_t(frames[1].size()), 0),
              CodecResult::BadParameters);
    lzxtest::Decoder idle(1u << 17);
    ASSERT_EQ(LzxScanLoad(b.scan, idle.handle), CodecResult::Ok);
    EXPECT_EQ(LzxScanFrame(b.scan, 0, frames[0].data(), uint32_t(frames[0].size()), sizes[0]),
              CodecResult::BadParameters)
        << "no block header read yet";
}

// A verbatim block that ends inside the second frame, followed there by an
// uncompressed block: the second frame cannot be scanned, and a scan of the
// third (inside the uncompressed block) neither.
TEST(LzxScan, BlockEndingInsideAFrameIsNotScanned) {
    if (!HaveScans()) GTEST_SKIP() << "this build decodes every frame itself";
    lzxtest::Decoder d(1u << 16);
    ASSERT_NE(d.handle, nullptr);
    const uint32_t slots = d.state()->positionSlots;
    const std::vector<uint8_t> text = peer::TextBytes(3 * 32768, 5);
    lzxtest::Stream s;
    s.E8Header(0);
    s.BlockHeader(Verbatim, 40000);
    s.Trees(lzxtest::FlatMainLengths(slots), lzxtest::FlatLengthLengths());
    for (uint32_t i = 0; i < 32768; ++i) s.Main(text[i]);
    std::vector<std::vector<uint8_t>> frames{s.Take()};
    for (uint32_t i = 32768; i < 40000; ++i) s.Main(text[i]);
    s.BlockHeader(Uncompressed, 3 * 32768 - 40000);
    s.UncompressedStart(1, 1, 1);
    s.Raw(std::vector<uint8_t>(text.begin() + 40000, text.begin() + 65536));
    frames.push_back(s.Take());
    s.Raw(std::vector<uint8_t>(text.begin() + 65536, text.end()));
    frames.push_back(s.Take());
    const std::vector<uint32_t> sizes{32768, 32768, 32768};

    Scan scan;
    std::vector<uint8_t> out(32768);
    uint32_t n = 32768;
    ASSERT_EQ(LzxDecompress(d.handle, frames[0].data(), uint32_t(frames[0].size()), out.data(), &n),
              CodecResult::Ok);
    ASSERT_EQ(LzxScanLoad(scan.scan, d.handle), CodecResult::Ok);
    EXPECT_EQ(LzxScanFrame(scan.scan, 0, frames[1].data(), uint32_t(frames[1].size()), 32768),
              CodecResult::BadParameters);
    EXPECT_EQ(LzxScanFrame(scan.scan, 32768, frames[2].data(), uint32_t(frames[2].size()), 32768),
              CodecResult::BadParameters);
    // And the stream decodes the same with scans offered all along.
    for (size_t ahead = 0; ahead <= 2; ++ahead) {
        Decoding r = Decode(frames, sizes, 16, ahead);
        ASSERT_EQ(r.result, CodecResult::Ok) << ahead;
        EXPECT_EQ(r.bytes, text) << ahead;
        EXPECT_EQ(r.taken, 0u) << ahead;
    }
}
