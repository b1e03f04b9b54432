// The decoder's operations and result codes, and its models.
#include <gtest/gtest.h>
#include <string.h>

#include "quantum_test_support.h"

namespace {

using qtest::AllocCounter;

CodecResult Create(int windowBits, uint32_t* maxOutput, uint32_t* maxInput, QuantumDecoder** handle,
                   CabAllocFn alloc = AllocCounter::Alloc) {
    QuantumParams params{windowBits, -1};
    return QuantumCreate(maxOutput, &params, alloc, AllocCounter::Free, maxInput, handle, nullptr,
                         nullptr, nullptr, nullptr, nullptr);
}

TEST(QuantumCreate, WindowBitsOutsideTenToTwentyOneAreRefusedWithoutWritingAnything) {
    for (int bits : {-1, 0, 9, 22, 31}) {
        uint32_t maxOutput = 77, maxInput = 88;
        QuantumDecoder* handle = reinterpret_cast<QuantumDecoder*>(0x1234);
        EXPECT_EQ(Create(bits, &maxOutput, &maxInput, &handle), CodecResult::BadParameters) << bits;
        EXPECT_EQ(maxOutput, 77u);
        EXPECT_EQ(maxInput, 88u);
        EXPECT_EQ(handle, reinterpret_cast<QuantumDecoder*>(0x1234));
        EXPECT_EQ(Create(bits, &maxOutput, &maxInput, nullptr), CodecResult::BadParameters);
    }
    for (int bits : {10, 21}) {
        uint32_t maxOutput = 0, maxInput = 0;
        QuantumDecoder* handle = nullptr;
        ASSERT_EQ(Create(bits, &maxOutput, &maxInput, &handle), CodecResult::Ok) << bits;
        ASSERT_NE(handle, nullptr);
        EXPECT_EQ(QuantumDestroy(handle), CodecResult::Ok);
    }
    EXPECT_EQ(AllocCounter::live, 0);
}

TEST(QuantumCreate, SizeQuerySettlesBufferSizesAndAllocatesNothing) {
    struct Case {
        uint32_t in, out, maxInput;
    } cases[] = {{0, 32768, 43008}, {40000, 32768, 43008}, {32769, 32768, 43008},
                 {32768, 32768, 43008}, {1000, 1000, 11240}, {1, 1, 10241}};
    for (const Case& c : cases) {
        uint32_t maxOutput = c.in, maxInput = 0;
        EXPECT_EQ(Create(15, &maxOutput, &maxInput, nullptr, nullptr), CodecResult::Ok);
        EXPECT_EQ(maxOutput, c.out) << c.in;
        EXPECT_EQ(maxInput, c.maxInput) << c.in;
    }
    EXPECT_EQ(AllocCounter::live, 0);
    // The same through the reader's dispatch table, with null callbacks.
    uint32_t maxOutput = 0, maxInput = 0;
    QuantumParams params{21, -1};
    EXPECT_EQ(kQuantumDecoderOps.create(&maxOutput, &params, nullptr, nullptr, &maxInput, nullptr,
                                        nullptr),
              CodecResult::Ok);
    EXPECT_EQ(maxInput, 43008u);
}

TEST(QuantumCreate, OutOfMemoryForHandleOrWindowLeavesNothingAllocated) {
    for (int failAfter : {0, 1}) {  // the handle, then the window
        AllocCounter::failAfter = failAfter;
        uint32_t maxOutput = 0, maxInput = 0;
        QuantumDecoder* handle = reinterpret_cast<QuantumDecoder*>(0x1234);
        EXPECT_EQ(Create(21, &maxOutput, &maxInput, &handle), CodecResult::OutOfMemory);
        EXPECT_EQ(handle, nullptr);
        EXPECT_EQ(AllocCounter::live, 0);
        AllocCounter::failAfter = -1;
    }
}

// Memory that outlives destroy, so a destroyed handle can still be probed.
alignas(16) uint8_t gArena[1 << 22];
size_t gArenaUsed = 0;
void* ArenaAlloc(uint32_t size) {
    void* p = gArena + gArenaUsed;
    gArenaUsed += (size + 15) & ~15u;
    return gArenaUsed <= sizeof gArena ? p : nullptr;
}
void ArenaFree(void*) {}

TEST(QuantumHandle, WrongSignatureIsBadHandleForEveryOperation) {
    gArenaUsed = 0;
    uint32_t maxOutput = 0, maxInput = 0;
    QuantumParams params{12, -1};
    QuantumDecoder* q = nullptr;
    ASSERT_EQ(QuantumCreate(&maxOutput, &params, ArenaAlloc, ArenaFree, &maxInput, &q, nullptr,
                            nullptr, nullptr, nullptr, nullptr),
              CodecResult::Ok);
    EXPECT_EQ(memcmp(q, "QDIC", 4), 0);  // the signature in memory order
    EXPECT_EQ(QuantumReset(q), CodecResult::Ok);
    EXPECT_EQ(QuantumDestroy(q), CodecResult::Ok);
    EXPECT_EQ(q->signature, 0u);  // cleared by destroy

    uint8_t in[4] = {}, out[4];
    uint32_t size = 4;
    EXPECT_EQ(QuantumDecompress(q, in, 4, out, &size), CodecResult::BadHandle);
    EXPECT_EQ(QuantumReset(q), CodecResult::BadHandle);
    EXPECT_EQ(QuantumDestroy(q), CodecResult::BadHandle);
    EXPECT_EQ(QuantumDecompress(nullptr, in, 4, out, &size), CodecResult::BadHandle);
    EXPECT_EQ(kQuantumDecoderOps.reset(nullptr), CodecResult::BadHandle);
    EXPECT_EQ(kQuantumDecoderOps.destroy(q), CodecResult::BadHandle);
}

TEST(QuantumDecompress, OutputAboveMaxOutputIsBlockTooLargeAndDecodesNothing) {
    qtest::Decoder d(15, 1000);
    ASSERT_NE(d.q, nullptr);
    std::vector<uint8_t> in(64, 0x55), out(1001, 0xEE);
    uint32_t size = 1001;
    EXPECT_EQ(QuantumDecompress(d.q, in.data(), 64, out.data(), &size), CodecResult::BlockTooLarge);
    EXPECT_EQ(size, 1001u);
    EXPECT_EQ(out, std::vector<uint8_t>(1001, 0xEE));
    EXPECT_EQ(d.q->totalDecoded, 0u);
}

TEST(QuantumModels, InitialStateAndPositionModelSizesFollowTheWindow) {
    struct Case {
        int bits, match3, match4, longSlots;
    } cases[] = {{10, 20, 20, 20}, {15, 24, 30, 30}, {21, 24, 36, 42}, {12, 24, 24, 24},
                 {18, 24, 36, 36}};
    for (const Case& c : cases) {
        qtest::Decoder d(c.bits);
        ASSERT_NE(d.q, nullptr);
        EXPECT_EQ(d.q->match3Position.symbolCount, c.match3) << c.bits;
        EXPECT_EQ(d.q->match4Position.symbolCount, c.match4) << c.bits;
        EXPECT_EQ(d.q->longPosition.symbolCount, c.longSlots) << c.bits;
    }
    qtest::Decoder d(21);
    const AdaptiveModel* models[] = {&d.q->selector, &d.q->literal[0], &d.q->literal[3],
                                     &d.q->match3Position, &d.q->lengthSlot};
    const int sizes[] = {7, 64, 64, 24, 27};
    for (int m = 0; m < 5; ++m) {
        EXPECT_EQ(models[m]->symbolCount, sizes[m]);
        EXPECT_EQ(models[m]->shiftsLeft, 4);
        for (int i = 0; i <= sizes[m]; ++i) {
            EXPECT_EQ(models[m]->cumulativeFrequency[i], sizes[m] - i);
            EXPECT_EQ(models[m]->symbol[i], i);
        }
    }
    // Slot tables, at their ends and at a few landmarks.
    EXPECT_EQ(d.q->positionBase[36], 262144u);
    EXPECT_EQ(d.q->positionBase[40], 1048576u);
    EXPECT_EQ(d.q->positionBase[41], 1572864u);
    EXPECT_EQ(d.q->positionExtra[41], 19);
    EXPECT_EQ(d.q->positionBase[41] + (1u << d.q->positionExtra[41]), 2097152u);
    EXPECT_EQ(d.q->lengthBase[6], 6);
    EXPECT_EQ(d.q->lengthBase[25], 222);
    EXPECT_EQ(d.q->lengthBase[26], 254);
    EXPECT_EQ(d.q->lengthExtra[26], 0);
    EXPECT_EQ(d.q->lengthExtra[25], 5);
}

AdaptiveModel MakeModel(std::vector<uint16_t> cumulative, int shiftsLeft) {
    AdaptiveModel m{};
    m.symbolCount = (int)cumulative.size() - 1;
    m.shiftsLeft = shiftsLeft;
    for (size_t i = 0; i < cumulative.size(); ++i) {
        m.cumulativeFrequency[i] = cumulative[i];
        m.symbol[i] = (uint16_t)i;
    }
    return m;
}

TEST(QuantumModels, RescaleHalvesKeepingFrequenciesPositiveAndOrder) {
    AdaptiveModel m = MakeModel({10, 9, 8, 1, 0}, 4);
    QuantumRescaleModel(&m);
    EXPECT_EQ(m.shiftsLeft, 3);
    const uint16_t expect[] = {6, 5, 4, 1, 0};  // 10/2=5 <= 5 -> 6, 9/2=4 <= 4 -> 5
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(m.cumulativeFrequency[i], expect[i]) << i;
        EXPECT_EQ(m.symbol[i], i);
    }
}

TEST(QuantumModels, RebuildSortsWithTheExchangeSortNotAStableSort) {
    // Single frequencies 2, 4, 3, 6 halve (upward) to 1, 2, 2, 3. The
    // exchange sort leaves symbols 3, 2, 1, 0; a stable sort would give
    // 3, 1, 2, 0, and a decoder doing that would decode other symbols.
    AdaptiveModel m = MakeModel({15, 13, 9, 6, 0}, 1);
    QuantumRescaleModel(&m);
    EXPECT_EQ(m.shiftsLeft, 50);
    const uint16_t symbols[] = {3, 2, 1, 0};
    const uint16_t cumulative[] = {8, 5, 3, 1, 0};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(m.symbol[i], symbols[i]) << i;
    for (int i = 0; i < 5; ++i) EXPECT_EQ(m.cumulativeFrequency[i], cumulative[i]) << i;
}

TEST(QuantumModels, FourthRescaleRebuildsThenEveryFiftieth) {
    AdaptiveModel m = MakeModel({3000, 2000, 1000, 0}, 4);
    int rebuilds = 0;
    for (int k = 1; k <= 104; ++k) {
        int before = m.shiftsLeft;
        QuantumRescaleModel(&m);
        if (before == 1) {
            ++rebuilds;
            EXPECT_TRUE(k == 4 || k == 54 || k == 104) << k;
        }
        for (int i = 0; i < 3; ++i)
            EXPECT_GT(m.cumulativeFrequency[i], m.cumulativeFrequency[i + 1]);
    }
    EXPECT_EQ(rebuilds, 3);
}

}  // namespace
