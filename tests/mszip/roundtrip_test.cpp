// Folders compressed by zlib (through the writer's MSZIP encoder, and with
// zlib's other strategies) decode back to their bytes, frame by frame, with
// each frame's history taken from the previous frame's output.
#include <gtest/gtest.h>
#include <string.h>
#include <zlib.h>

#include "deflate_writer.h"
#include "encoders.h"
#include "mszip_fixture.h"
#include "test_data.h"

using namespace mszip_test;

namespace {

// Decodes a folder's blocks in order with one decoder, as the reader does,
// and checks every produced count against the block's declared size.
std::vector<uint8_t> DecodeFolder(const std::vector<cabwriter::EncodedBlock>& blocks) {
    Decoder d;
    EXPECT_EQ(MszipReset(d.handle), CodecResult::Ok);
    std::vector<uint8_t> all;
    for (const auto& block : blocks) {
        EXPECT_LE(block.bytes.size(), 32780u);
        uint32_t produced = 0;
        EXPECT_EQ(d.Decode(block.bytes, &produced), CodecResult::Ok);
        EXPECT_EQ(produced, block.uncompressedSize);
        all.insert(all.end(), d.out.begin(), d.out.begin() + produced);
    }
    return all;
}

std::vector<cabwriter::EncodedBlock> Encode(const std::vector<uint8_t>& data, int level) {
    cabwriter::FolderSpec spec;
    spec.method = cabwriter::Method::Mszip;
    spec.level = level;
    std::vector<cabwriter::EncodedBlock> blocks;
    std::string error;
    EXPECT_TRUE(cabwriter::EncodeMszip(data.data(), data.size(), spec, 32768, &blocks, &error))
        << error;
    return blocks;
}

// MSZIP frames made with a chosen zlib strategy (the writer always uses the
// default one).
std::vector<cabwriter::EncodedBlock> EncodeWithStrategy(const std::vector<uint8_t>& data,
                                                        int strategy) {
    std::vector<cabwriter::EncodedBlock> blocks;
    for (size_t pos = 0; pos < data.size(); pos += 32768) {
        z_stream z{};
        EXPECT_EQ(deflateInit2(&z, 9, Z_DEFLATED, -15, 8, strategy), Z_OK);
        if (pos) {
            size_t dict = pos < 32768 ? pos : 32768;
            deflateSetDictionary(&z, data.data() + pos - dict, uInt(dict));
        }
        size_t n = std::min<size_t>(32768, data.size() - pos);
        std::vector<uint8_t> out(deflateBound(&z, uLong(n)) + 2);
        out[0] = 'C';
        out[1] = 'K';
        z.next_in = const_cast<Bytef*>(data.data() + pos);
        z.avail_in = uInt(n);
        z.next_out = out.data() + 2;
        z.avail_out = uInt(out.size() - 2);
        EXPECT_EQ(deflate(&z, Z_FINISH), Z_STREAM_END);
        out.resize(out.size() - z.avail_out);
        deflateEnd(&z);
        blocks.push_back({out, uint16_t(n)});
    }
    return blocks;
}

// BTYPE of a frame's first DEFLATE block.
int FirstBlockType(const cabwriter::EncodedBlock& block) { return (block.bytes[2] >> 1) & 3; }

}  // namespace

TEST(MszipRoundTrip, EveryZlibLevelDecodesBack) {
    const std::vector<uint8_t> data = MixedData(300000);
    for (int level = 0; level <= 9; level++) {
        SCOPED_TRACE(level);
        auto blocks = Encode(data, level);
        ASSERT_EQ(blocks.size(), (data.size() + 32767) / 32768);
        if (level == 0) EXPECT_EQ(FirstBlockType(blocks[0]), 0);
        EXPECT_EQ(DecodeFolder(blocks), data);
    }
}

TEST(MszipRoundTrip, FixedHuffmanRleAndFilteredStrategies) {
    const std::vector<uint8_t> data = MixedData(200000, 11);
    auto fixed = EncodeWithStrategy(data, Z_FIXED);
    EXPECT_EQ(FirstBlockType(fixed[0]), 1);
    EXPECT_EQ(DecodeFolder(fixed), data);
    auto text = EncodeWithStrategy(TextData(100000), Z_DEFAULT_STRATEGY);
    EXPECT_EQ(FirstBlockType(text[0]), 2);
    EXPECT_EQ(DecodeFolder(text), TextData(100000));
    for (int strategy : {Z_HUFFMAN_ONLY, Z_RLE, Z_FILTERED}) {
        SCOPED_TRACE(strategy);
        EXPECT_EQ(DecodeFolder(EncodeWithStrategy(data, strategy)), data);
    }
}

TEST(MszipRoundTrip, MatchesReachIntoThePreviousFrame) {
    // Noise with a period of 30000 bytes: the second and third frames can
    // only be small if their matches reach back into the previous frame, so
    // their first bytes copy from the buffer's tail and wrap to its start.
    std::vector<uint8_t> period = NoiseData(30000, 5);
    std::vector<uint8_t> data;
    while (data.size() < 90000) data.insert(data.end(), period.begin(), period.end());
    auto blocks = Encode(data, 6);
    ASSERT_EQ(blocks.size(), 3u);
    EXPECT_GT(blocks[0].bytes.size(), 29000u);
    EXPECT_LT(blocks[1].bytes.size(), 1000u);
    EXPECT_LT(blocks[2].bytes.size(), 1000u);
    EXPECT_EQ(DecodeFolder(blocks), data);

    // Shifted repeats: distances just below 32768 at every offset.
    std::vector<uint8_t> shifted = NoiseData(40000, 9);
    shifted.insert(shifted.end(), shifted.begin() + 7, shifted.begin() + 30007);
    EXPECT_EQ(DecodeFolder(Encode(shifted, 9)), shifted);
}

TEST(MszipRoundTrip, ShortBlocksAndTinyFolders) {
    for (size_t size : {size_t(0), size_t(1), size_t(2), size_t(258), size_t(32767),
                        size_t(32768), size_t(32769)}) {
        SCOPED_TRACE(size);
        std::vector<uint8_t> data = TextData(size);
        EXPECT_EQ(DecodeFolder(Encode(data, 6)), data);
    }
    // Blocks shorter than 32 KiB (a writer option) need not carry history
    // across: each block's output starts at the buffer's start.
    std::vector<uint8_t> data = TextData(5000);
    cabwriter::FolderSpec spec;
    spec.method = cabwriter::Method::Mszip;
    std::vector<cabwriter::EncodedBlock> blocks;
    std::string error;
    ASSERT_TRUE(cabwriter::EncodeMszip(data.data(), data.size(), spec, 32768, &blocks, &error));
    EXPECT_EQ(DecodeFolder(blocks), data);
}

TEST(MszipRoundTrip, IncompressibleBlocksStayWithinTheBlockLimit) {
    std::vector<uint8_t> data = NoiseData(5 * 32768, 21);
    for (int level : {0, 1, 9}) {
        auto blocks = Encode(data, level);
        for (const auto& b : blocks) EXPECT_LE(b.bytes.size(), 32768u + 12);
        EXPECT_EQ(DecodeFolder(blocks), data);
    }
}

TEST(MszipRoundTrip, EncoderRefusesBadParameters) {
    std::vector<uint8_t> data(10);
    std::vector<cabwriter::EncodedBlock> blocks;
    std::string error;
    cabwriter::FolderSpec spec;
    spec.level = 10;
    EXPECT_FALSE(cabwriter::EncodeMszip(data.data(), data.size(), spec, 32768, &blocks, &error));
    EXPECT_FALSE(error.empty());
    spec.level = 6;
    EXPECT_FALSE(cabwriter::EncodeMszip(data.data(), data.size(), spec, 32769, &blocks, &error));
}
