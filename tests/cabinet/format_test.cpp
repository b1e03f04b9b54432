#include <gtest/gtest.h>

#include "cab_format.h"

namespace {

uint32_t Sum(const char* s, uint32_t seed = 0) {
    return BlockChecksum(reinterpret_cast<const uint8_t*>(s), (uint32_t)strlen(s), seed);
}

TEST(BlockChecksum, GroupsAndLeftoverBytes) {
    // Whole groups are little-endian words; left-over bytes are folded in
    // with the first one most significant.
    EXPECT_EQ(Sum("abc"), 0x00616263u);
    EXPECT_EQ(Sum("abcd"), 0x64636261u);
    EXPECT_EQ(Sum("abcde"), 0x64636204u);
    EXPECT_EQ(Sum("ab"), 0x00006162u);
    EXPECT_EQ(Sum("a"), 0x00000061u);
    EXPECT_EQ(Sum("", 0xDEADBEEF), 0xDEADBEEFu);
    EXPECT_EQ(Sum("abcd", 0x64636261u), 0u);
}

TEST(BlockChecksum, DataBlockChainsDataThenHeaderFromOffsetFour) {
    uint8_t header[10] = {0xFF, 0xFF, 0xFF, 0xFF, 3, 0, 3, 0, 0x11, 0x22};  // 2 reserve bytes
    const uint8_t data[3] = {'a', 'b', 'c'};
    uint32_t expected = BlockChecksum(header + 4, 6, BlockChecksum(data, 3, 0));
    EXPECT_EQ(DataBlockChecksum(header, sizeof header, data, 3), expected);
    // The stored checksum itself is not covered.
    header[0] = 0;
    EXPECT_EQ(DataBlockChecksum(header, sizeof header, data, 3), expected);
}

TEST(CabRecords, ParseLittleEndianFields) {
    uint8_t raw[36] = {'M', 'S', 'C', 'F', 0, 0, 0, 0, 0x10, 0x20, 0, 0, 0, 0, 0, 0,
                       0x2C, 0x01, 0, 0, 0, 0, 0, 0, 3, 1, 2, 0, 5, 0, 6, 0, 0x34, 0x12, 7, 0};
    CabHeader h;
    ParseCabHeader(raw, &h);
    EXPECT_TRUE(HasCabSignature(raw));
    EXPECT_EQ(h.cabinetSize, 0x2010u);
    EXPECT_EQ(h.firstFileOffset, 300u);
    EXPECT_EQ(h.version, kCabVersion);
    EXPECT_EQ(h.folderCount, 2);
    EXPECT_EQ(h.fileCount, 5);
    EXPECT_EQ(h.flags, HasNext | HasReserve);
    EXPECT_EQ(h.setId, 0x1234);
    EXPECT_EQ(h.cabinetIndex, 7);
}

}  // namespace
