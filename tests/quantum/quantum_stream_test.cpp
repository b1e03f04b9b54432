// Streams built item by item with the writer's range coder, to reach what
// the encoder never produces: matches past a block's end, offsets before the
// folder's start, cut blocks. And the window and models across blocks,
// folders and decoders.
#include <gtest/gtest.h>

#include "quantum_coder.h"
#include "quantum_test_support.h"

namespace {

using namespace cabwriter::quantum;

// Codes items against models that track the decoder's.
struct StreamBuilder {
    Models models;
    RangeEncoder coder;
    explicit StreamBuilder(int windowBits) {
        models.Init(windowBits);
        coder.Begin();
    }
    void Literal(uint8_t b) {
        coder.Encode(models.selector, b >> 6);
        coder.Encode(models.literal[b >> 6], b & 63);
    }
    void Match(unsigned length, uint32_t offset) {
        unsigned slot = PositionSlot(offset - 1);
        if (length == 3) {
            coder.Encode(models.selector, 4);
            coder.Encode(models.match3, slot);
        } else if (length == 4) {
            coder.Encode(models.selector, 5);
            coder.Encode(models.match4, slot);
        } else {
            unsigned ls = LengthSlot(length - 5);
            coder.Encode(models.selector, 6);
            coder.Encode(models.length, ls);
            coder.Raw(length - 5 - kLengthBase[ls], kLengthExtra[ls]);
            coder.Encode(models.longPosition, slot);
        }
        coder.Raw(offset - 1 - kPositionBase[slot], kPositionExtra[slot]);
    }
    std::vector<uint8_t> Finish() {
        std::vector<uint8_t> out;
        coder.Finish(&out);
        coder.Begin();
        return out;
    }
};

TEST(QuantumStream, SlotTablesOfTheTestCoderMatchTheDecoder) {
    qtest::Decoder d(21);
    for (unsigned s = 0; s < 42; ++s) {
        EXPECT_EQ(kPositionBase[s], d.q->positionBase[s]);
        EXPECT_EQ(kPositionExtra[s], d.q->positionExtra[s]);
        EXPECT_EQ(PositionSlot(kPositionBase[s]), s);
        EXPECT_EQ(PositionSlot(kPositionBase[s] + (1u << kPositionExtra[s]) - 1), s);
    }
    for (unsigned s = 0; s < 27; ++s) {
        EXPECT_EQ(kLengthBase[s], d.q->lengthBase[s]);
        EXPECT_EQ(LengthSlot(kLengthBase[s] + (1u << kLengthExtra[s]) - 1), s);
    }
}

TEST(QuantumStream, EveryLengthAndOffsetClassDecodes) {
    // Literals of all four literal models, matches of length 3, 4, 5 to 259
    // and offsets into every position slot the window allows.
    const int bits = 21;
    std::vector<uint8_t> expect;
    StreamBuilder sb(bits);
    std::mt19937 rng(5);
    while (expect.size() < 3000) {
        uint8_t b = (uint8_t)rng();
        sb.Literal(b);
        expect.push_back(b);
    }
    auto match = [&](unsigned length, uint32_t offset) {
        sb.Match(length, offset);
        for (unsigned k = 0; k < length; ++k)
            expect.push_back(offset <= expect.size() ? expect[expect.size() - offset] : 0);
    };
    for (unsigned length : {3u, 4u, 5u, 6u, 7u, 30u, 100u, 253u, 254u, 258u, 259u}) match(length, 1 + length % 7);
    for (uint32_t offset = 1; offset <= 4096; offset = offset * 3 + 1) match(3, offset);
    for (uint32_t offset = 1; offset <= 262144; offset = offset * 2 + 1) match(4, offset);
    for (uint32_t offset = 1; offset <= 2097152; offset = offset * 2 + 3) match(5 + offset % 255, offset);
    match(259, 2097152);  // the largest offset of the largest window
    ASSERT_LE(expect.size(), 32768u);
    std::vector<uint8_t> block = sb.Finish();

    qtest::Decoder d(bits);
    std::vector<uint8_t> out;
    ASSERT_EQ(d.Block(block, (uint32_t)expect.size(), &out), CodecResult::Ok);
    EXPECT_TRUE(out == expect);
}

TEST(QuantumStream, MatchesWrapAroundTheWindowAndReadZerosBeforeTheFolderStart) {
    // 1 KiB window. After 1000 literals, a 259-byte match at offset 1024
    // reads and writes across the window's end. Its first 24 bytes lie
    // before the folder's first byte and read as the zero-filled window.
    const int bits = 10;
    std::vector<uint8_t> expect;
    StreamBuilder sb(bits);
    std::mt19937 rng(9);
    for (int i = 0; i < 1000; ++i) {
        uint8_t b = (uint8_t)(rng() | 1);
        sb.Literal(b);
        expect.push_back(b);
    }
    sb.Match(259, 1024);
    for (int k = 0; k < 259; ++k) {
        size_t p = expect.size();
        expect.push_back(p >= 1024 ? expect[p - 1024] : 0);
    }
    sb.Match(200, 700);  // source and destination both wrap
    for (int k = 0; k < 200; ++k) expect.push_back(expect[expect.size() - 700]);
    // At 1459 (window index 435) an offset of 1000 reads from index 459,
    // just ahead of the bytes being written, without wrapping.
    sb.Match(150, 1000);
    for (int k = 0; k < 150; ++k) expect.push_back(expect[expect.size() - 1000]);
    sb.Match(3, 1);  // an overlapping run
    for (int k = 0; k < 3; ++k) expect.push_back(expect.back());
    std::vector<uint8_t> block = sb.Finish();

    qtest::Decoder d(bits);
    std::vector<uint8_t> out;
    ASSERT_EQ(d.Block(block, (uint32_t)expect.size(), &out), CodecResult::Ok);
    EXPECT_TRUE(out == expect);
    EXPECT_EQ(out[1000], 0);
    EXPECT_EQ(out[1024], expect[0]);
}

TEST(QuantumStream, MatchCopiesAtTheEdgesOfOverlapDecodeForEveryLength) {
    // The decoder copies a match with word moves when source and
    // destination are separate and byte by byte or with memmove when they
    // overlap. For every short length and a few long ones: a source that
    // ends where the destination starts (offset = length), one that
    // overlaps it by a byte, and in the 1 KiB window sources ahead of the
    // destination that start right after it or one byte inside it.
    const int bits = 10;
    const uint32_t window = 1u << bits;
    std::vector<uint8_t> expect;
    StreamBuilder sb(bits);
    std::mt19937 rng(11);
    auto literals = [&](int n) {
        for (int i = 0; i < n; ++i) {
            uint8_t b = (uint8_t)rng();
            sb.Literal(b);
            expect.push_back(b);
        }
    };
    auto match = [&](unsigned length, uint32_t offset) {
        sb.Match(length, offset);
        for (unsigned k = 0; k < length; ++k) {
            size_t p = expect.size();
            expect.push_back(p >= offset ? expect[p - offset] : 0);
        }
    };
    literals(1100);
    std::vector<unsigned> lengths;
    for (unsigned length = 3; length <= 40; ++length) lengths.push_back(length);
    for (unsigned length : {63u, 64u, 65u, 255u, 259u}) lengths.push_back(length);
    for (unsigned length : lengths) {
        match(length, length);
        match(length, length - 1);
        match(length, window - length);
        match(length, window - length + 1);
        literals(3);
    }
    ASSERT_LE(expect.size(), 32768u);
    std::vector<uint8_t> block = sb.Finish();

    qtest::Decoder d(bits);
    std::vector<uint8_t> out;
    ASSERT_EQ(d.Block(block, (uint32_t)expect.size(), &out), CodecResult::Ok);
    ASSERT_EQ(out.size(), expect.size());
    for (size_t i = 0; i < out.size(); ++i) ASSERT_EQ(out[i], expect[i]) << "at " << i;
}

TEST(QuantumStream, MatchLongerThanTheRestOfTheBlockIsBadData) {
    StreamBuilder sb(15);
    for (int i = 0; i < 10; ++i) sb.Literal((uint8_t)('a' + i));
    sb.Match(259, 5);
    std::vector<uint8_t> block = sb.Finish();
    for (uint32_t size : {11u, 100u, 268u}) {
        qtest::Decoder d(15);
        std::vector<uint8_t> out;
        EXPECT_EQ(d.Block(block, size, &out), CodecResult::BadData) << size;
        EXPECT_EQ(std::string(out.begin(), out.begin() + 10), "abcdefghij");
        EXPECT_EQ(out[10], 0xEE);  // nothing of the match was copied
    }
    qtest::Decoder d(15);
    std::vector<uint8_t> out;
    EXPECT_EQ(d.Block(block, 269, &out), CodecResult::Ok);  // exactly fits
}

TEST(QuantumStream, BlockWhoseInputEndsEarlyIsBadData) {
    std::vector<uint8_t> data = qtest::Text(20000);
    auto blocks = qtest::Encode(data, 16);
    ASSERT_EQ(blocks.size(), 1u);
    std::vector<uint8_t> whole = blocks[0].bytes, out;
    {
        qtest::Decoder d(16);
        ASSERT_EQ(d.Block(whole, 20000, &out), CodecResult::Ok);
    }
    // The encoder leaves at most 9 spare bits, so two bytes fewer always cut
    // into bits the decoder reads, if only for its final renormalisation.
    for (size_t cut : {(size_t)2, (size_t)3, (size_t)100, whole.size() / 2, whole.size() - 1, whole.size()}) {
        std::vector<uint8_t> part(whole.begin(), whole.end() - cut);
        qtest::Decoder d(16);
        EXPECT_EQ(d.Block(part, 20000, &out), CodecResult::BadData) << cut;
    }
    // Asking for more output than the block holds runs it dry too.
    qtest::Decoder d(16);
    EXPECT_EQ(d.Block(whole, 20500, &out), CodecResult::BadData);
}

TEST(QuantumStream, SecondBlockCopiesFromTheFirstAndResetStartsAFreshFolder) {
    std::vector<uint8_t> first = qtest::Random(32768, 3);
    std::vector<uint8_t> folder = first;
    folder.insert(folder.end(), first.begin(), first.begin() + 20000);  // repeats block 1
    auto blocks = qtest::Encode(folder, 16);
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_LT(blocks[1].bytes.size(), 1000u);  // coded as matches into block 1

    qtest::Decoder d(16);
    std::vector<uint8_t> out;
    ASSERT_EQ(d.Block(blocks[0].bytes, 32768, &out), CodecResult::Ok);
    ASSERT_EQ(d.Block(blocks[1].bytes, 20000, &out), CodecResult::Ok);
    EXPECT_TRUE(std::equal(out.begin(), out.end(), first.begin()));

    // A new folder after reset: models from frequency 1 again, so a folder
    // encoded on its own decodes; without the reset it would not.
    std::vector<uint8_t> other = qtest::Text(9000, 4);
    auto otherBlocks = qtest::Encode(other, 16);
    ASSERT_EQ(QuantumReset(d.q), CodecResult::Ok);
    EXPECT_EQ(d.q->totalDecoded, 0u);
    EXPECT_EQ(d.q->selector.cumulativeFrequency[0], 7);
    ASSERT_EQ(d.Block(otherBlocks[0].bytes, 9000, &out), CodecResult::Ok);
    EXPECT_TRUE(out == other);

    qtest::Decoder stale(16);
    ASSERT_EQ(stale.Block(blocks[0].bytes, 32768, &out), CodecResult::Ok);
    CodecResult r = stale.Block(otherBlocks[0].bytes, 9000, &out);
    EXPECT_TRUE(r != CodecResult::Ok || out != other);
}

TEST(QuantumStream, TwoDecodersInOneProcessKeepTheirOwnState) {
    std::vector<uint8_t> a = qtest::Text(100000, 11), b = qtest::Binary(100000);
    auto blocksA = qtest::Encode(a, 21), blocksB = qtest::Encode(b, 12);
    ASSERT_EQ(blocksA.size(), blocksB.size());
    qtest::Decoder da(21), db(12);
    std::vector<uint8_t> outA, outB, piece;
    for (size_t i = 0; i < blocksA.size(); ++i) {
        ASSERT_EQ(da.Block(blocksA[i].bytes, blocksA[i].uncompressedSize, &piece), CodecResult::Ok);
        outA.insert(outA.end(), piece.begin(), piece.end());
        ASSERT_EQ(db.Block(blocksB[i].bytes, blocksB[i].uncompressedSize, &piece), CodecResult::Ok);
        outB.insert(outB.end(), piece.begin(), piece.end());
    }
    EXPECT_TRUE(outA == a);
    EXPECT_TRUE(outB == b);
}

TEST(QuantumStream, ModelTotalsStayBelowTheRescaleThresholdAcrossLongRuns) {
    // 200 KiB of one byte value: the same few symbols again and again drive
    // every model they touch through many halvings and rebuilds.
    std::vector<uint8_t> data(200000, 'z');
    data[5000] = 'y';
    auto blocks = qtest::Encode(data, 15);
    qtest::Decoder d(15);
    std::vector<uint8_t> out, all;
    for (auto& b : blocks) {
        ASSERT_EQ(d.Block(b.bytes, b.uncompressedSize, &out), CodecResult::Ok);
        all.insert(all.end(), out.begin(), out.end());
        EXPECT_LE(d.q->selector.cumulativeFrequency[0], 3800);
        EXPECT_LE(d.q->lengthSlot.cumulativeFrequency[0], 3800);
    }
    EXPECT_TRUE(all == data);
}

}  // namespace
