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
