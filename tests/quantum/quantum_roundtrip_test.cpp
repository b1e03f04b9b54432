// Round trips through the writer's Quantum encoder and our decoder.
#include <gtest/gtest.h>

#include "quantum_test_support.h"

namespace {

using qtest::DecodeFolder;
using qtest::Encode;

struct Sample {
    const char* name;
    std::vector<uint8_t> (*make)(size_t);
};

std::vector<uint8_t> MakeText(size_t n) { return qtest::Text(n); }
std::vector<uint8_t> MakeRandom(size_t n) { return qtest::Random(n); }
std::vector<uint8_t> MakeBinary(size_t n) { return qtest::Binary(n); }

class RoundTrip : public ::testing::TestWithParam<int> {};

TEST_P(RoundTrip, TextBinaryAndRandomAcrossManyBlocks) {
    int bits = GetParam();
    const Sample samples[] = {{"text", MakeText}, {"binary", MakeBinary}, {"random", MakeRandom}};
    for (const Sample& s : samples) {
        std::vector<uint8_t> data = s.make(5 * 32768 + 1234);
        auto blocks = Encode(data, bits);
        ASSERT_EQ(blocks.size(), 6u) << s.name;
        std::vector<uint8_t> back;
        ASSERT_TRUE(DecodeFolder(blocks, bits, &back)) << s.name << " window bits " << bits;
        EXPECT_TRUE(back == data) << s.name << " window bits " << bits;
        size_t packed = 0;
        for (auto& b : blocks) packed += b.bytes.size();
        printf("  %-6s w=%d: %zu -> %zu\n", s.name, bits, data.size(), packed);
    }
}

INSTANTIATE_TEST_SUITE_P(WindowBits, RoundTrip, ::testing::Values(10, 15, 21));

}  // namespace

namespace {

std::vector<uint8_t> Join(std::initializer_list<std::vector<uint8_t>> parts) {
    std::vector<uint8_t> v;
    for (const auto& p : parts) v.insert(v.end(), p.begin(), p.end());
    return v;
}

size_t Packed(const std::vector<cabwriter::EncodedBlock>& blocks) {
    size_t n = 0;
    for (const auto& b : blocks) n += b.bytes.size();
    return n;
}

// Long stretches without a match make the search skip ahead; a repeat that
// follows must still be found, runs and text around them still decode, and
// data too small to hash at all must come back too.
TEST(RoundTripPaths, IncompressibleStretchesRepeatsRunsAndTinyInputs) {
    const std::vector<uint8_t> noise = qtest::Random(200000, 21);
    const std::vector<uint8_t> data =
        Join({noise, qtest::Text(50000, 22), std::vector<uint8_t>(70000, 'x'), noise,
              std::vector<uint8_t>(40000, 0), qtest::Random(3000, 23)});
    for (int bits : {10, 21}) {
        auto blocks = Encode(data, bits);
        std::vector<uint8_t> back;
        ASSERT_TRUE(DecodeFolder(blocks, bits, &back)) << bits;
        EXPECT_TRUE(back == data) << "window bits " << bits;
        // Random data costs a little over its size as literals; in the 2 MiB
        // window its repeat shrinks to next to nothing.
        if (bits == 21) EXPECT_LT(Packed(blocks), 215000u + 3000u + 20000u);
        else EXPECT_GT(Packed(blocks), 400000u);
    }
    for (size_t n : {1u, 2u, 3u, 4u, 5u, 9u, 300u}) {
        const std::vector<uint8_t> tiny = qtest::Text(n, 24);
        for (int bits : {10, 21}) {
            std::vector<uint8_t> back;
            ASSERT_TRUE(DecodeFolder(Encode(tiny, bits), bits, &back)) << n;
            EXPECT_TRUE(back == tiny) << n << " bytes, window bits " << bits;
        }
    }
}

}  // namespace
