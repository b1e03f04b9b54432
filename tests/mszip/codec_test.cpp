// The decoder's outer face: create (size query and real), the handle
// signature, allocation failures, block size limits, the output limit, and
// history carried from frame to frame through the caller's buffer.
#include <gtest/gtest.h>

#include "deflate_writer.h"
#include "mszip_fixture.h"

using namespace mszip_test;

namespace {

// A frame holding one final stored block with the given bytes.
std::vector<uint8_t> StoredFrame(const std::vector<uint8_t>& data) {
    BitWriter w;
    w.put(1, 1);
    w.put(0, 2);
    w.align();
    w.byte(uint8_t(data.size()));
    w.byte(uint8_t(data.size() >> 8));
    w.byte(uint8_t(~data.size()));
    w.byte(uint8_t(~data.size() >> 8));
    for (uint8_t b : data) w.byte(b);
    return w.frame();
}

}  // namespace

TEST(MszipCodec, CreateSettlesSizes) {
    struct {
        uint32_t in, out, input;
    } cases[] = {{0, 32768, 32780}, {40000, 32768, 32780}, {32768, 32768, 32780},
                 {100, 100, 112}, {1, 1, 13}};
    for (auto c : cases) {
        uint32_t maxOutput = c.in, maxInput = 0;
        gAlloc = AllocLog();
        // A size query needs no memory functions and allocates nothing.
        EXPECT_EQ(MszipCreate(&maxOutput, nullptr, nullptr, &maxInput, nullptr), CodecResult::Ok);
        EXPECT_EQ(maxOutput, c.out);
        EXPECT_EQ(maxInput, c.input);
        EXPECT_EQ(gAlloc.calls, 0);
    }
    // Through the dispatch table, as the reader calls it.
    uint32_t maxOutput = 32768, maxInput = 0;
    void* handle = nullptr;
    EXPECT_EQ(kMszipDecoderOps.create(&maxOutput, nullptr, nullptr, nullptr, &maxInput, nullptr,
                                      nullptr),
              CodecResult::Ok);
    EXPECT_EQ(maxInput, 32780u);
    ASSERT_EQ(kMszipDecoderOps.create(&maxOutput, nullptr, TestAlloc, TestFree, &maxInput,
                                      &handle, nullptr),
              CodecResult::Ok);
    EXPECT_EQ(memcmp(handle, "MDIC", 4), 0);
    EXPECT_EQ(kMszipDecoderOps.reset(handle), CodecResult::Ok);
    EXPECT_EQ(kMszipDecoderOps.destroy(handle), CodecResult::Ok);
}

TEST(MszipCodec, AllocationFailuresLeaveNothingBehind) {
    for (int failAt : {0, 1}) {
        gAlloc = AllocLog();
        gAlloc.failAt = failAt;
        uint32_t maxOutput = 32768, maxInput = 0;
        MszipDecoder* handle = reinterpret_cast<MszipDecoder*>(&gAlloc);  // must be cleared
        EXPECT_EQ(MszipCreate(&maxOutput, TestAlloc, TestFree, &maxInput, &handle),
                  CodecResult::OutOfMemory);
        EXPECT_EQ(handle, nullptr);
        EXPECT_EQ(gAlloc.live, 0);
        EXPECT_EQ(gAlloc.calls, failAt + 1);
    }
    gAlloc = AllocLog();
    {
        Decoder d;
        EXPECT_EQ(gAlloc.live, 2);
        // Decoding allocates nothing.
        d.DecodeOk(StoredFrame({1, 2, 3}));
        EXPECT_EQ(gAlloc.calls, 2);
    }
    EXPECT_EQ(gAlloc.live, 0);
}

TEST(MszipCodec, HandleSignatureIsChecked) {
    Decoder d;
    MszipDecoder copy = *d.handle;
    EXPECT_EQ(MszipReset(d.handle), CodecResult::Ok);
    EXPECT_EQ(memcmp(&copy, d.handle, sizeof copy), 0);  // reset changes nothing

    uint32_t notAHandle[8] = {0x43494451u};  // "QDIC"
    auto* bad = reinterpret_cast<MszipDecoder*>(notAHandle);
    uint8_t in[2] = {'C', 'K'};
    uint32_t size = 32768;
    EXPECT_EQ(MszipReset(bad), CodecResult::BadHandle);
    EXPECT_EQ(MszipDecompress(bad, in, 2, d.out.data(), &size), CodecResult::BadHandle);
    EXPECT_EQ(MszipDestroy(bad), CodecResult::BadHandle);
    EXPECT_EQ(MszipReset(nullptr), CodecResult::BadHandle);
    EXPECT_EQ(size, 32768u);

    // destroy clears the signature; a stale handle is then refused.
    MszipDecoder* h = nullptr;
    uint32_t maxOutput = 0, maxInput;
    ASSERT_EQ(MszipCreate(&maxOutput, TestAlloc, TestFree, &maxInput, &h), CodecResult::Ok);
    MszipDecoder stale = *h;
    ASSERT_EQ(MszipDestroy(h), CodecResult::Ok);
    stale.signature = 0;
    EXPECT_EQ(MszipDestroy(&stale), CodecResult::BadHandle);
}

TEST(MszipCodec, BlockSizeAndSignatureChecks) {
    Decoder d;
    // 32780 bytes is the largest block; the stored data needs 32775, the
    // rest is trailing bytes after the final block, which are ignored.
    std::vector<uint8_t> block = StoredFrame(std::vector<uint8_t>(32768, 0x5A));
    block.resize(32780, 0xEE);
    uint32_t produced = 0;
    EXPECT_EQ(d.Decode(block, &produced), CodecResult::Ok);
    EXPECT_EQ(produced, 32768u);
    block.push_back(0);
    produced = 77;
    EXPECT_EQ(d.Decode(block, &produced), CodecResult::BlockTooLarge);

    EXPECT_EQ(d.Status({}), CodecResult::BadData);
    EXPECT_EQ(d.Status({'C'}), CodecResult::BadData);
    EXPECT_EQ(d.Status({'C', 'J', 0x03, 0x00}), CodecResult::BadData);
    EXPECT_EQ(d.Status({'K', 'C', 0x03, 0x00}), CodecResult::BadData);
    // "CK" alone decodes zero bits: a non-final stored block with LEN 0 and
    // NLEN 0, which do not match.
    EXPECT_EQ(d.Status({'C', 'K'}), CodecResult::BadData);
    // Failure leaves outputSize alone, and the handle usable.
    produced = 1234;
    uint8_t bad[3] = {'C', 'K', 0x07};  // block type 3
    EXPECT_EQ(MszipDecompress(d.handle, bad, 3, d.out.data(), &produced), CodecResult::BadData);
    EXPECT_EQ(produced, 1234u);
    EXPECT_EQ(d.DecodeOk(StoredFrame({9, 8, 7})), (std::vector<uint8_t>{9, 8, 7}));
}

TEST(MszipCodec, OutputLimits) {
    Decoder d;
    std::vector<uint8_t> data(1000);
    for (size_t i = 0; i < data.size(); i++) data[i] = uint8_t(i * 7);
    // outputSize 0: Ok, nothing produced, no bit read (even a bad stream).
    uint32_t produced = 0;
    std::vector<uint8_t> junk{'C', 'K', 0xFF, 0xFF};
    EXPECT_EQ(MszipDecompress(d.handle, junk.data(), 4, d.out.data(), &produced), CodecResult::Ok);
    EXPECT_EQ(produced, 0u);
    // A final block after 1000 bytes.
    EXPECT_EQ(d.DecodeOk(StoredFrame(data)), data);
    // The caller's smaller request cuts the frame.
    EXPECT_EQ(d.DecodeOk(StoredFrame(data), 10), std::vector<uint8_t>(data.begin(), data.begin() + 10));

    // A decoder created with maxOutput 100 takes frames of up to 100 bytes
    // (more is invalid data), and blocks of up to 112 bytes.
    Decoder small(100);
    std::vector<uint8_t> hundred(data.begin(), data.begin() + 105);
    EXPECT_EQ(small.Status(StoredFrame(hundred)), CodecResult::BadData);
    hundred.resize(100);
    EXPECT_EQ(small.DecodeOk(StoredFrame(hundred)), hundred);
    hundred.resize(105);
    std::vector<uint8_t> block = StoredFrame(hundred);  // 112 bytes
    ASSERT_EQ(block.size(), 112u);
    block.push_back(0);
    EXPECT_EQ(small.Status(block), CodecResult::BlockTooLarge);
}

TEST(MszipCodec, HistoryComesFromTheCallersBuffer) {
    // Frame 2 at output offset 10 copies 40 bytes from distance 40: buffer
    // offsets 32738..32767, then 0..9 (which frame 2 itself just wrote).
    Decoder d;
    std::vector<uint8_t> first(32768);
    for (size_t i = 0; i < first.size(); i++) first[i] = uint8_t(i * 13 + 1);
    // Frame 1 through a first stored block of 32768 (split in two: LEN is
    // 16 bits, 32768 fits).
    d.DecodeOk(StoredFrame(first));

    Code lit = FixedLiteralCode(), dist = FixedDistanceCode();
    BitWriter w;
    w.put(1, 1);
    w.put(1, 2);
    for (int i = 0; i < 10; i++) lit.put(w, 0x40 + i);
    PutLength(w, lit, 40);
    PutDistance(w, dist, 40);
    // At offset 50, distance 32768 reads the buffer's own offset 50: the
    // previous frame's byte there.
    PutLength(w, lit, 3);
    PutDistance(w, dist, 32768);
    lit.put(w, 256);
    std::vector<uint8_t> second = d.DecodeOk(w.frame());

    std::vector<uint8_t> expect;
    for (int i = 0; i < 10; i++) expect.push_back(uint8_t(0x40 + i));
    expect.insert(expect.end(), first.end() - 30, first.end());
    expect.insert(expect.end(), expect.begin(), expect.begin() + 10);
    expect.insert(expect.end(), first.begin() + 50, first.begin() + 53);
    EXPECT_EQ(second, expect);
}

TEST(MszipCodec, DistancesBeforeTheFrameNeedTheWholePreviousFrame) {
    // The buffer's tail is the 32 KiB before a frame only after a frame that
    // filled it. Otherwise it holds older bytes, and a distance reaching
    // before the frame's start is refused rather than copied from them. The
    // frames have `n` literals before the match and after it: 0 decodes the
    // match in the careful loop, 40 in the fast one.
    auto reaching = [](int n) {
        Code lit = FixedLiteralCode(), dist = FixedDistanceCode();
        BitWriter w;
        w.put(1, 1);
        w.put(1, 2);
        for (int i = 0; i < n; i++) lit.put(w, 'a' + i % 26);
        PutLength(w, lit, 40);
        PutDistance(w, dist, uint32_t(n) + 100);
        for (int i = 0; i < n; i++) lit.put(w, 'a' + i % 26);
        lit.put(w, 256);
        return w.frame();
    };
    const std::vector<uint8_t> full(32768, 'f'), shortData(1000, 's');
    for (int n : {0, 40}) {
        SCOPED_TRACE(n);
        Decoder d;
        EXPECT_EQ(d.Status(reaching(n)), CodecResult::BadData) << "a folder's first frame";
        d.DecodeOk(StoredFrame(full));
        EXPECT_EQ(d.DecodeOk(reaching(n)).size(), 2 * size_t(n) + 40) << "after a whole frame";
        // The reaching frame was short itself: the next may not reach back.
        EXPECT_EQ(d.Status(reaching(n)), CodecResult::BadData) << "after a short frame";
        d.DecodeOk(StoredFrame(full));
        ASSERT_EQ(MszipReset(d.handle), CodecResult::Ok);
        EXPECT_EQ(d.Status(reaching(n)), CodecResult::BadData) << "after reset";
        d.DecodeOk(StoredFrame(full));
        EXPECT_EQ(d.Status({'C', 'K', 0xFF}), CodecResult::BadData);
        EXPECT_EQ(d.Status(reaching(n)), CodecResult::BadData) << "after a failed frame";
        // A short frame that does not reach back is fine anywhere.
        EXPECT_EQ(d.DecodeOk(StoredFrame(shortData)), shortData);
    }
}
