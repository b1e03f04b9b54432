// The LZX decoder through its own API, on streams built by hand: handle
// lifecycle and refusals, trees and the bit reader, block decoding, E8
// translation, and the bounds kept on damaged input.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

#include "lzx_bits.h"
#include "lzx_stream_builder.h"

using lzxtest::Decoder;
using lzxtest::Stream;

namespace {

// Allocation log for lifecycle tests: sizes of live blocks, and a failure
// injected at the Nth allocation.
std::map<void*, uint32_t> gLive;
std::vector<uint32_t> gSizes;
int gAllocs = 0, gFailAt = -1;
void* LogAlloc(uint32_t size) {
    if (++gAllocs == gFailAt) return nullptr;
    void* p = malloc(size);
    gLive[p] = size;
    gSizes.push_back(size);
    return p;
}
void LogFree(void* p) {
    gLive.erase(p);
    free(p);
}
void ResetLog(int failAt = -1) {
    gLive.clear();
    gSizes.clear();
    gAllocs = 0;
    gFailAt = failAt;
}

CodecResult Create(uint32_t windowSize, LzxDecoder** handle, uint32_t maxOutput = 32768) {
    uint32_t maxIn = 0;
    LzxConfig config{windowSize};
    return LzxCreate(&maxOutput, &config, LogAlloc, LogFree, &maxIn, handle, nullptr, nullptr,
                     nullptr, nullptr, nullptr);
}

std::vector<uint8_t> Random(size_t n, uint32_t seed) {
    std::mt19937 rng(seed);
    std::vector<uint8_t> v(n);
    for (auto& b : v) b = uint8_t(rng());
    return v;
}

// Appends a match to a reference output, byte by byte.
void RefMatch(std::vector<uint8_t>* out, uint32_t distance, uint32_t length) {
    for (uint32_t k = 0; k < length; ++k) out->push_back((*out)[out->size() - distance]);
}

// The position slot of a new distance (3 or more) and its footer value.
uint32_t SlotFor(uint32_t distance, uint32_t* footer) {
    uint32_t slot = 3;
    while (slot + 1 < kLzxMaxPositionSlots && uint32_t(kLzxPositionBase[slot + 1]) <= distance) ++slot;
    *footer = distance - uint32_t(kLzxPositionBase[slot]);
    return slot;
}

// One frame holding a whole uncompressed block (E8 header first when asked).
std::vector<uint8_t> UncompressedFrame(const std::vector<uint8_t>& bytes, bool withE8Header,
                                       uint32_t e8Size = 0) {
    Stream s;
    if (withE8Header) s.E8Header(e8Size);
    s.BlockHeader(Uncompressed, uint32_t(bytes.size()));
    s.UncompressedStart(1, 1, 1);
    s.Raw(bytes);
    if (bytes.size() & 1) s.Raw({0});
    return s.Take();
}

}  // namespace

TEST(LzxCreate, SizeQueryValidatesAndAllocatesNothing) {
    for (uint32_t window : {1u << 15, 3u << 15, 0u, 1u << 25}) {
        ResetLog();
        uint32_t maxOut = 32768, maxIn = 0;
        LzxConfig config{window};
        EXPECT_EQ(LzxCreate(&maxOut, &config, nullptr, nullptr, &maxIn, nullptr, nullptr, nullptr,
                            nullptr, nullptr, nullptr),
                  CodecResult::Ok);
        EXPECT_EQ(maxIn, 38912u);
        EXPECT_EQ(maxOut, 32768u);
        EXPECT_EQ(gAllocs, 0);
    }
}

TEST(LzxCreate, PositionSlotsAndWindowAllocationPerWindowSize) {
    const uint32_t slots[] = {30, 32, 34, 36, 38, 42, 50};
    for (uint32_t bits = 15; bits <= 21; ++bits) {
        ResetLog();
        LzxDecoder* h = nullptr;
        ASSERT_EQ(Create(1u << bits, &h), CodecResult::Ok);
        EXPECT_EQ(h->state->positionSlots, slots[bits - 15]) << bits;
        EXPECT_EQ(gSizes.back(), (1u << bits) + 261) << "window allocation";
        // The window starts zeroed, mirror and spare bytes included.
        for (uint32_t i = 0; i < (1u << bits) + 261; i += 997) ASSERT_EQ(h->state->window[i], 0);
        EXPECT_EQ(LzxDestroy(h), CodecResult::Ok);
        EXPECT_TRUE(gLive.empty());
    }
}

TEST(LzxCreate, RefusedWindowsAndFailedAllocationsLeaveNothingAllocated) {
    struct Case {
        uint32_t window;
        CodecResult expected;
    } cases[] = {{3u << 15, CodecResult::OutOfMemory},  // not a power of two
                 {1u << 14, CodecResult::BadParameters},
                 {1u << 22, CodecResult::BadParameters},
                 {0, CodecResult::BadParameters}};
    for (const Case& c : cases) {
        ResetLog();
        LzxDecoder* h = reinterpret_cast<LzxDecoder*>(&gAllocs);  // must be overwritten
        EXPECT_EQ(Create(c.window, &h), c.expected) << c.window;
        EXPECT_EQ(h, nullptr);
        EXPECT_TRUE(gLive.empty());
    }
    for (int failAt = 1; failAt <= 3; ++failAt) {
        ResetLog(failAt);
        LzxDecoder* h = nullptr;
        EXPECT_EQ(Create(1u << 16, &h), CodecResult::OutOfMemory) << failAt;
        EXPECT_EQ(h, nullptr);
        EXPECT_TRUE(gLive.empty()) << "leak after allocation " << failAt << " failed";
    }
}

TEST(LzxHandle, WrongSignatureAndOversizedRequests) {
    ResetLog();
    LzxDecoder* h = nullptr;
    ASSERT_EQ(Create(1u << 15, &h), CodecResult::Ok);
    uint8_t in[8] = {0}, out[16];
    uint32_t n = 32769;
    EXPECT_EQ(LzxDecompress(h, in, 8, out, &n), CodecResult::BlockTooLarge);
    EXPECT_EQ(n, 32769u);
    EXPECT_EQ(h->state->frameCount, 0u) << "a refused size is not a frame";

    const uint32_t signature = h->signature;
    h->signature = 0x43494452;  // "RDIC"
    n = 4;
    EXPECT_EQ(LzxDecompress(h, in, 8, out, &n), CodecResult::BadHandle);
    EXPECT_EQ(LzxReset(h), CodecResult::BadHandle);
    EXPECT_EQ(LzxDestroy(h), CodecResult::BadHandle);
    EXPECT_EQ(LzxDecompress(nullptr, in, 8, out, &n), CodecResult::BadHandle);
    h->signature = signature;
    EXPECT_EQ(memcmp(&h->signature, "LDIC", 4), 0);
    EXPECT_EQ(LzxDestroy(h), CodecResult::Ok);
    EXPECT_TRUE(gLive.empty());
}

TEST(LzxHandle, ResetRestoresTheStreamStart) {
    Decoder d(1u << 15);
    std::vector<uint8_t> out;
    // A first stream: an uncompressed block that sets R0-R2 and E8 on.
    Stream s;
    s.E8Header(0x100000);
    s.BlockHeader(Uncompressed, 4);
    s.UncompressedStart(7, 8, 9);
    s.Raw({1, 2, 3, 4});
    ASSERT_EQ(d.Frame(s.Take(), 4, &out), CodecResult::Ok);
    LzxState* st = d.state();
    EXPECT_EQ(st->repeatedOffsets[0], 7u);
    EXPECT_EQ(st->e8Size, 0x100000u);
    memset(st->mainLengths, 5, sizeof st->mainLengths);
    ASSERT_EQ(LzxReset(d.handle), CodecResult::Ok);
    EXPECT_EQ(st->repeatedOffsets[0], 1u);
    EXPECT_EQ(st->repeatedOffsets[1], 1u);
    EXPECT_EQ(st->repeatedOffsets[2], 1u);
    for (uint32_t i = 0; i < 256 + 8u * st->positionSlots; ++i) ASSERT_EQ(st->mainLengths[i], 0);
    EXPECT_EQ(st->windowPosition, 0u);
    EXPECT_EQ(st->frameCount, 0u);
    EXPECT_TRUE(st->e8HeaderPending);
    // The next stream's E8 header is read again (this time: off).
    ASSERT_EQ(d.Frame(UncompressedFrame({0xE8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, true), 12, &out),
              CodecResult::Ok);
    EXPECT_EQ(st->e8Size, 0u);
}

// ---------------------------------------------------------------- trees

TEST(LzxTrees, BuildTableAcceptsCompleteAndEmptyCodesOnly) {
    int16_t table[1024];
    LzxNode nodes[64];
    std::vector<uint8_t> incomplete = {1, 2, 3, 3, 0, 4};          // 15/16
    std::vector<uint8_t> oversubscribed = {1, 2, 2, 3};            // 9/8
    std::vector<uint8_t> empty(6, 0);
    EXPECT_FALSE(BuildTable(6, incomplete.data(), 10, table, nodes, 64));
    EXPECT_FALSE(BuildTable(4, oversubscribed.data(), 10, table, nodes, 64));
    table[5] = 77;
    EXPECT_TRUE(BuildTable(6, empty.data(), 10, table, nodes, 64));
    for (int i = 0; i < 1024; ++i) ASSERT_EQ(table[i], 0);
    // A single 1-bit code is incomplete too.
    std::vector<uint8_t> single = {0, 1, 0};
    EXPECT_FALSE(BuildTable(3, single.data(), 10, table, nodes, 64));
}

TEST(LzxTrees, LongCodesGoThroughOverflowNodes) {
    // Lengths 1..12 plus a second 12: complete; the 11- and 12-bit codes
    // share the table entry of their first 10 bits (all ones).
    std::vector<uint8_t> lengths = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 12};
    int16_t table[1024];
    LzxNode nodes[40];
    ASSERT_TRUE(BuildTable(13, lengths.data(), 10, table, nodes, 40));
    EXPECT_LT(table[1023], 0);
    auto peek = [&](uint32_t code, uint32_t len) {
        return PeekSymbol(code << (32 - len), table, nodes, 10);
    };
    EXPECT_EQ(peek(0x0, 1), 0);
    EXPECT_EQ(peek(0x3FE, 10), 9);
    EXPECT_EQ(peek(0x7FE, 11), 10);   // bit 21 of the buffer is 0
    EXPECT_EQ(peek(0xFFE, 12), 11);   // bit 21 is 1, bit 20 is 0
    EXPECT_EQ(peek(0xFFF, 12), 12);
    // The node store is too small for them: refused, not overrun.
    EXPECT_FALSE(BuildTable(13, lengths.data(), 10, table, nodes, 14));
}

TEST(LzxTrees, AlignedTableFillsInSymbolOrder) {
    uint8_t table[128];
    uint8_t threes[8] = {3, 3, 3, 3, 3, 3, 3, 3};
    ASSERT_TRUE(BuildAlignedTable(threes, table));
    for (int i = 0; i < 128; ++i) ASSERT_EQ(table[i], i / 16);
    uint8_t skewed[8] = {1, 2, 3, 4, 5, 6, 7, 7};
    ASSERT_TRUE(BuildAlignedTable(skewed, table));
    EXPECT_EQ(table[0], 0);
    EXPECT_EQ(table[63], 0);
    EXPECT_EQ(table[64], 1);
    EXPECT_EQ(table[126], 6);
    EXPECT_EQ(table[127], 7);
    uint8_t incomplete[8] = {3, 3, 3, 3, 3, 3, 3, 0};
    EXPECT_FALSE(BuildAlignedTable(incomplete, table));
    uint8_t zeros[8] = {0};
    EXPECT_TRUE(BuildAlignedTable(zeros, table));
    // Over-subscribed sets whose 16-bit sums wrap to exactly "complete".
    const uint8_t oversubscribed[][8] = {
        {1, 1, 1, 1, 1, 1, 1, 1}, {2, 2, 2, 2, 2, 2, 2, 2}, {1, 1, 1, 1, 0, 0, 0, 0}};
    for (const auto& lengths : oversubscribed) EXPECT_FALSE(BuildAlignedTable(lengths, table));
}

TEST(LzxTrees, OversubscribedAlignedTreeFailsTheBlock) {
    // The same sets sent in an aligned-offset block header.
    const uint8_t oversubscribed[][8] = {
        {1, 1, 1, 1, 1, 1, 1, 1}, {2, 2, 2, 2, 2, 2, 2, 2}, {1, 1, 1, 1, 0, 0, 0, 0}};
    for (const auto& lengths : oversubscribed) {
        Decoder d(1u << 15);
        Stream s;
        s.E8Header(0);
        s.BlockHeader(AlignedOffset, 4);
        for (uint8_t l : lengths) s.Bits(l, 3);
        s.Trees(lzxtest::FlatMainLengths(30), lzxtest::FlatLengthLengths());
        for (uint8_t c : {'w', 'x', 'y', 'z'}) s.Main(c);
        std::vector<uint8_t> out;
        EXPECT_EQ(d.Frame(s.Take(), 4, &out), CodecResult::BadData);
    }
}

namespace {

// Feeds `bytes` to the state as a frame's input and primes the reader.
void SetInput(LzxState* s, const std::vector<uint8_t>& bytes) {
    s->inputStart = s->inputCursor = bytes.data();
    s->inputEnd = bytes.data() + bytes.size();
    s->inputLimit = s->inputEnd + 4;
    LzxBits b;
    LoadBits(&b, s);
    PrimeBits(&b);
    StoreBits(s, &b);
}

}  // namespace

TEST(LzxBits, ReadBitsAfterPrimeGivesTheFirstWord) {
    Decoder d(1u << 15);
    std::vector<uint8_t> in = {0x34, 0x12, 0x78, 0x56, 0xBC, 0x9A};
    SetInput(d.state(), in);
    LzxBits b;
    LoadBits(&b, d.state());
    EXPECT_EQ(ReadBits(&b, 16), 0x1234u);
    EXPECT_EQ(ReadBits(&b, 4), 0x5u);
    EXPECT_EQ(ReadBits(&b, 17), (0x678u << 5) | (0x9ABCu >> 11));
    EXPECT_FALSE(b.exhausted);
    // Past the data: zeros, and exhaustion only once the limit is reached.
    EXPECT_EQ(ReadBits(&b, 16), (0x9ABCu << 5) & 0xFFFF);
    EXPECT_FALSE(b.exhausted);
    ReadBits(&b, 16);
    ReadBits(&b, 16);
    EXPECT_TRUE(b.exhausted);
}

TEST(LzxTrees, PretreeRunsAndDeltas) {
    Decoder d(1u << 15);
    LzxState* st = d.state();
    // Previous lengths: 3, 7, 7, 7 at 0-3, 2 at 4, 5 at 5.
    uint8_t prev[6] = {3, 7, 7, 7, 2, 5};
    memcpy(st->previousMainLengths, prev, 6);
    Stream s;
    s.Pretree();
    s.PreSymbol(19);  // run of 4 ...
    s.Bits(0, 1);
    s.PreSymbol(2);   // ... of (3 - 2) = 1, from the first previous length only
    s.PreSymbol(5);   // 2 - 5 mod 17 = 14
    s.PreSymbol(0);   // 5 unchanged
    s.PreSymbol(18);  // 51 zeros
    s.Bits(31, 5);
    s.PreSymbol(18);  // 20 + 20 zeros
    s.Bits(20, 5);
    s.PreSymbol(17);  // 4 + 15 = 19 zeros
    s.Bits(15, 4);
    // 6 + 51 + 40 + 19 = 116 so far; 140 remain: 136 zeros then a run of
    // 17 that passes 256 and is cut off there.
    for (int k = 0; k < 136; ++k) s.PreSymbol(0);
    s.PreSymbol(17);
    s.Bits(15, 4);
    // The slots' lengths come from a new pretree: all 1 (from previous 0),
    // which cannot be built, but the lengths are read first.
    s.Pretree();
    for (int k = 0; k < 240; ++k) s.PreSymbol(16);
    s.Pretree();
    for (int k = 0; k < 249; ++k) s.PreSymbol(0);
    std::vector<uint8_t> in = s.Take();
    SetInput(st, in);
    EXPECT_FALSE(ReadTrees(st)) << "an over-subscribed main tree is refused";
    const uint8_t expect[6] = {1, 1, 1, 1, 14, 5};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(st->mainLengths[i], expect[i]) << i;
    for (int i = 6; i < 256; ++i) ASSERT_EQ(st->mainLengths[i], 0) << i;
    for (int i = 256; i < 496; ++i) ASSERT_EQ(st->mainLengths[i], 1) << i;
}

TEST(LzxTrees, TruncatedTreesFailAsExhausted) {
    Decoder d(1u << 15);
    Stream s;
    s.Pretree();
    for (int k = 0; k < 50; ++k) s.PreSymbol(1);
    std::vector<uint8_t> in = s.Take();
    SetInput(d.state(), in);
    EXPECT_FALSE(ReadTrees(d.state()));
    EXPECT_TRUE(d.state()->inputExhausted);
}

// ---------------------------------------------------------------- blocks

namespace {

// A verbatim (or aligned) block header with flat trees for a 2^15 window.
void FlatBlock(Stream* s, uint32_t type, uint32_t size, const uint8_t* aligned = nullptr,
               uint32_t positionSlots = 30) {
    s->BlockHeader(type, size);
    if (type == AlignedOffset)
        for (int i = 0; i < 8; ++i) s->Bits(aligned[i], 3);
    s->Trees(lzxtest::FlatMainLengths(positionSlots), lzxtest::FlatLengthLengths());
}

}  // namespace

TEST(LzxBlocks, LiteralsMatchesAndRepeatedOffsets) {
    Decoder d(1u << 15);
    Stream s;
    std::vector<uint8_t> ref = {'a', 'b', 'c', 'd'};
    s.E8Header(0);
    FlatBlock(&s, Verbatim, 4 + 257 + 3 + 4 + 5);
    for (uint8_t c : ref) s.Main(c);
    s.MatchHeader(3, 257);  // slot 3: distance 1, pushed onto R0
    RefMatch(&ref, 1, 257);
    s.MatchHeader(4, 3);  // slot 4: distance 2 or 3 by one footer bit
    s.Bits(1, 1);
    RefMatch(&ref, 3, 3);
    s.MatchHeader(1, 4);  // slot 1: R1 (1), and R0 <-> R1
    RefMatch(&ref, 1, 4);
    s.MatchHeader(2, 5);  // slot 2: R2 (1 again after the pushes)
    RefMatch(&ref, 1, 5);
    std::vector<uint8_t> out;
    ASSERT_EQ(d.Frame(s.Take(), uint32_t(ref.size()), &out), CodecResult::Ok);
    EXPECT_EQ(out, ref);
    // R0 = 1 (slot 2 swapped R2 = 1 in), R1 = 3 ... after: push 1 -> (1,1,1);
    // push 3 -> (3,1,1); slot 1 -> (1,3,1); slot 2 -> (1,3,1).
    EXPECT_EQ(d.state()->repeatedOffsets[0], 1u);
    EXPECT_EQ(d.state()->repeatedOffsets[1], 3u);
    EXPECT_EQ(d.state()->repeatedOffsets[2], 1u);
}

TEST(LzxBlocks, AlignedOffsetFooters) {
    Decoder d(1u << 15);
    Stream s;
    std::vector<uint8_t> ref = Random(64, 7);
    const uint8_t alignedLengths[8] = {1, 2, 3, 4, 5, 6, 7, 7};
    const std::vector<uint32_t> alignedCodes =
        lzxtest::Codes(std::vector<uint8_t>(alignedLengths, alignedLengths + 8));
    struct M {
        uint32_t slot, footer;
    } matches[] = {{4, 1}, {5, 1}, {6, 3}, {7, 2}, {8, 5}, {9, 7}, {10, 13}, {11, 6}};
    s.E8Header(0);
    FlatBlock(&s, AlignedOffset, 64 + 8 * 3, alignedLengths);
    for (uint8_t c : ref) s.Main(c);
    for (const M& m : matches) {
        s.MatchHeader(m.slot, 3);
        const uint32_t extra = kLzxExtraBits[m.slot];
        if (extra < 3) {
            s.Bits(m.footer, extra);  // slots 4-7: verbatim bits only
        } else {
            if (extra > 3) s.Bits(m.footer >> 3, extra - 3);
            s.Bits(alignedCodes[m.footer & 7], alignedLengths[m.footer & 7]);
        }
        RefMatch(&ref, uint32_t(kLzxPositionBase[m.slot]) + m.footer, 3);
    }
    std::vector<uint8_t> out;
    ASSERT_EQ(d.Frame(s.Take(), uint32_t(ref.size()), &out), CodecResult::Ok);
    EXPECT_EQ(out, ref);
}

TEST(LzxBlocks, InvalidTypesAndOverrunningMatchesFail) {
    for (uint32_t type : {0u, 4u, 5u, 6u, 7u}) {
        Decoder d(1u << 15);
        Stream s;
        s.E8Header(0);
        s.BlockHeader(type, 10);
        std::vector<uint8_t> out;
        EXPECT_EQ(d.Frame(s.Take(), 10, &out), CodecResult::BadData) << type;
        EXPECT_TRUE(out.empty());
    }
    for (uint32_t blockSize : {10u, 100u}) {  // past the block, past the frame
        Decoder d(1u << 15);
        Stream s;
        s.E8Header(0);
        FlatBlock(&s, Verbatim, blockSize);
        s.Main('x');
        s.MatchHeader(3, 20);
        std::vector<uint8_t> out;
        EXPECT_EQ(d.Frame(s.Take(), 10, &out), CodecResult::BadData) << blockSize;
        EXPECT_EQ(d.state()->frameCount, 1u);
    }
}

TEST(LzxBlocks, UncompressedBlocksPadBytesAndFrameContinuation) {
    Decoder d(1u << 15);
    Stream s;
    s.E8Header(0);
    s.BlockHeader(Uncompressed, 5);  // odd: a pad byte follows
    s.UncompressedStart(1, 1, 1);
    s.Raw({'o', 'd', 'd', '!', '!'});
    s.Raw({0xEE});
    s.BlockHeader(Uncompressed, 6);  // even: no pad byte
    s.UncompressedStart(4, 5, 6);
    s.Raw({'e', 'v', 'e', 'n', '.', '.'});
    s.BlockHeader(Uncompressed, 10);  // runs on into the next frame
    s.UncompressedStart(7, 8, 9);
    s.Raw({'0', '1', '2'});
    std::vector<uint8_t> out;
    ASSERT_EQ(d.Frame(s.Take(), 14, &out), CodecResult::Ok);
    EXPECT_EQ(std::string(out.begin(), out.end()), "odd!!even..012");
    EXPECT_EQ(d.state()->repeatedOffsets[0], 7u);
    // The next frame's first byte is the block's next raw byte (no priming),
    // and its 7 raw bytes end exactly at the frame's end.
    ASSERT_EQ(d.Frame({'3', '4', '5', '6', '7', '8', '9'}, 7, &out), CodecResult::Ok);
    EXPECT_EQ(std::string(out.begin(), out.end()), "3456789");
    // A block of odd size whose bytes end the frame: its pad byte is the
    // first byte of the next data block, or the last of its own (producers
    // do both), then a fresh header; a verbatim block, so that a byte
    // skipped wrongly would shift its bits.
    for (bool padInFirst : {false, true}) {
        SCOPED_TRACE(padInFirst);
        Decoder d2(1u << 15);
        Stream a;
        a.E8Header(0);
        a.BlockHeader(Uncompressed, 3);
        a.UncompressedStart(1, 1, 1);
        a.Raw({'a', 'b', 'c'});
        if (padInFirst) a.Raw({0x55});
        ASSERT_EQ(d2.Frame(a.Take(), 3, &out), CodecResult::Ok);
        Stream b;
        if (!padInFirst) b.Raw({0x55});
        FlatBlock(&b, Verbatim, 3);
        for (char c : {'d', 'e', 'f'}) b.Main(uint8_t(c));
        ASSERT_EQ(d2.Frame(b.Take(), 3, &out), CodecResult::Ok);
        EXPECT_EQ(std::string(out.begin(), out.end()), "def");
    }
}

TEST(LzxBlocks, BlockWhoseWordsLieAtOddOffsetsOfItsDataBlock) {
    // A verbatim block of odd size, then an uncompressed block that runs on
    // into the next frame and ends there at an odd offset: the next block's
    // 16-bit words lie at odd offsets of that data block, long enough for
    // the decoder's fast paths.
    Decoder d(1u << 15);
    Stream s;
    std::vector<uint8_t> ref;
    s.E8Header(0);
    FlatBlock(&s, Verbatim, 301);
    for (int k = 0; k < 301; ++k) {
        ref.push_back(uint8_t(k * 7));
        s.Main(ref.back());
    }
    const uint32_t rawSize = 32768 - 301 + 5;  // even: no pad byte
    std::vector<uint8_t> raw(rawSize);
    for (uint32_t k = 0; k < rawSize; ++k) raw[k] = uint8_t(k * 13 + 1);
    s.BlockHeader(Uncompressed, rawSize);
    s.UncompressedStart(1, 1, 1);
    s.Raw({raw.begin(), raw.end() - 5});
    ref.insert(ref.end(), raw.begin(), raw.end() - 5);
    std::vector<uint8_t> out;
    ASSERT_EQ(d.Frame(s.Take(), 32768, &out), CodecResult::Ok);
    ASSERT_EQ(out, ref);

    std::vector<uint8_t> ref2(raw.end() - 5, raw.end());
    s.Raw(ref2);
    FlatBlock(&s, Verbatim, 600);
    for (int k = 0; k < 400; ++k) {
        ref2.push_back(uint8_t(k * 5 + 3));
        s.Main(ref2.back());
    }
    s.MatchHeader(3, 200);
    RefMatch(&ref2, 1, 200);
    ASSERT_EQ(d.Frame(s.Take(), 605, &out), CodecResult::Ok);
    EXPECT_EQ(out, ref2);
}

TEST(LzxBlocks, UncompressedBlockBetweenVerbatimBlocksKeepsTheDeltaBase) {
    Decoder d(1u << 15);
    Stream s;
    std::vector<uint8_t> ref;
    s.E8Header(0);
    FlatBlock(&s, Verbatim, 0);  // a block of size 0 is legal
    FlatBlock(&s, Verbatim, 3);
    for (uint8_t c : {'x', 'y', 'z'}) {
        s.Main(c);
        ref.push_back(c);
    }
    s.BlockHeader(Uncompressed, 2);
    s.UncompressedStart(2, 1, 1);
    s.Raw({'u', 'v'});
    ref.push_back('u');
    ref.push_back('v');
    // Same trees again: sent as all-zero deltas from the first block's
    // lengths, which decode correctly only if the uncompressed block left
    // the base alone.
    FlatBlock(&s, Verbatim, 6);
    s.Main('w');
    ref.push_back('w');
    s.MatchHeader(0, 5);  // R0 = 2 from the uncompressed header
    RefMatch(&ref, 2, 5);
    std::vector<uint8_t> out;
    ASSERT_EQ(d.Frame(s.Take(), uint32_t(ref.size()), &out), CodecResult::Ok);
    EXPECT_EQ(out, ref);
}

TEST(LzxBlocks, MatchesReachingIntoThePreviousPassAndTheMirror) {
    // 2^15 window: after a full pass, a match at position 0 with distance
    // 10 and length 12 copies the pass's last 10 bytes, then its own first 2.
    {
        Decoder d(1u << 15);
        std::vector<uint8_t> ref = Random(32768, 3), out;
        ASSERT_EQ(d.Frame(UncompressedFrame(ref, true), 32768, &out), CodecResult::Ok);
        ASSERT_EQ(out, ref);
        Stream s;
        FlatBlock(&s, Verbatim, 12);
        s.MatchHeader(7, 12);  // slot 7: base 10, 2 footer bits
        s.Bits(0, 2);
        RefMatch(&ref, 10, 12);
        ASSERT_EQ(d.Frame(s.Take(), 12, &out), CodecResult::Ok);
        EXPECT_EQ(out, std::vector<uint8_t>(ref.end() - 12, ref.end()));
        EXPECT_EQ(d.state()->window[32768 + 1], out[1]) << "mirrored";
    }
    // 2^16 window: at position 40000 of the second pass, distance 40005 and
    // length 8 read window indexes 65531-65535 and then the mirror.
    {
        Decoder d(1u << 16);
        std::vector<uint8_t> ref = Random(65536 + 40000, 4), out;
        Stream first;
        first.E8Header(0);
        first.BlockHeader(Uncompressed, 65536 + 40000);
        first.UncompressedStart(1, 1, 1);
        first.Raw(std::vector<uint8_t>(ref.begin(), ref.begin() + 32768));
        ASSERT_EQ(d.Frame(first.Take(), 32768, &out), CodecResult::Ok);
        for (size_t f = 1; f < 3; ++f) {
            ASSERT_EQ(d.Frame(std::vector<uint8_t>(ref.begin() + f * 32768, ref.begin() + (f + 1) * 32768),
                              32768, &out),
                      CodecResult::Ok);
        }
        Stream s;
        s.Raw(std::vector<uint8_t>(ref.begin() + 98304, ref.end()));  // 7232 bytes
        FlatBlock(&s, Verbatim, 8, nullptr, 32);
        s.MatchHeader(30, 8);  // slot 30: base 32766, 14 footer bits
        s.Bits(40005 - 32766, 14);
        RefMatch(&ref, 40005, 8);
        ASSERT_EQ(d.Frame(s.Take(), 7240, &out), CodecResult::Ok);
        EXPECT_EQ(out, std::vector<uint8_t>(ref.begin() + 98304, ref.end()));
    }
}

TEST(LzxBlocks, MatchCopiesRepeatBytesLikeAByteByByteCopy) {
    // Every short distance with lengths around the word size, at positions
    // past the mirror, and sources ahead in the previous pass that overlap
    // the destination (distance windowSize - 3) or lie just ahead of it.
    Decoder d(1u << 15);
    std::vector<uint8_t> ref = Random(32768 + 300, 8), out;
    Stream first;
    first.E8Header(0);
    first.BlockHeader(Uncompressed, 32768 + 300);
    first.UncompressedStart(1, 1, 1);
    first.Raw(std::vector<uint8_t>(ref.begin(), ref.begin() + 32768));
    ASSERT_EQ(d.Frame(first.Take(), 32768, &out), CodecResult::Ok);
    Stream s;
    s.Raw(std::vector<uint8_t>(ref.begin() + 32768, ref.end()));
    std::vector<std::pair<uint32_t, uint32_t>> matches;
    for (uint32_t distance = 1; distance <= 20; ++distance)
        for (uint32_t length : {2u, 3u, 4u, 5u, 7u, 8u, 9u, 12u, 15u, 16u, 17u, 23u, 257u})
            matches.push_back({distance, length});
    matches.push_back({32765, 257});
    matches.push_back({32765, 5});
    matches.push_back({32760, 9});
    // Sources 8 to 24 bytes ahead, and far behind, around the 16-byte
    // steps of the wide copies.
    for (uint32_t distance : {32762u, 32760u, 32756u, 32753u, 32752u, 32751u, 32744u, 16u, 17u, 33u, 4000u})
        for (uint32_t length : {2u, 3u, 7u, 8u, 9u, 15u, 16u, 17u, 24u, 31u, 32u, 33u, 100u})
            matches.push_back({distance, length});
    uint32_t total = 0;
    for (auto& m : matches) total += m.second;
    FlatBlock(&s, Verbatim, total);
    for (auto& m : matches) {
        uint32_t footer;
        uint32_t slot = SlotFor(m.first, &footer);
        s.MatchHeader(slot, m.second);
        s.Bits(footer, kLzxExtraBits[slot]);
        RefMatch(&ref, m.first, m.second);
    }
    ASSERT_EQ(d.Frame(s.Take(), 300 + total, &out), CodecResult::Ok);
    ASSERT_EQ(out.size(), 300 + total);
    for (size_t k = 0; k < out.size(); ++k)
        ASSERT_EQ(out[k], ref[32768 + k]) << "byte " << k << " of the second frame";
}

TEST(LzxBlocks, RandomTokenStreamsMatchAModelInEveryBuildOfTheLoop) {
    // Literals, the three repeated offsets and new distances at random, aimed
    // at the fast loop's cases (lengths up to 32 and long ones, distances of
    // 1 to 40 and from just under a window back, header 7 and not), over a
    // verbatim and an aligned-offset block of three frames each, after a
    // frame of raw bytes. Each build of the loop there is (the BMI2 one
    // where the processor has it) must give the bytes of a model that keeps
    // R0-R2 as the format does.
    const uint8_t alignedLengths[8] = {1, 2, 3, 4, 5, 6, 7, 7};
    const std::vector<uint32_t> alignedCodes =
        lzxtest::Codes(std::vector<uint8_t>(alignedLengths, alignedLengths + 8));
    for (uint32_t seed = 1; seed <= 4; ++seed) {
        std::mt19937 rng(seed);
        auto pick = [&rng](uint32_t n) { return uint32_t(rng() % n); };
        std::vector<uint8_t> ref = Random(32768, seed);
        std::vector<std::vector<uint8_t>> frames = {UncompressedFrame(ref, true)};
        uint32_t r[3] = {1, 1, 1};
        Stream s;
        for (uint32_t type : {uint32_t(Verbatim), uint32_t(AlignedOffset)}) {
            FlatBlock(&s, type, 3 * 32768, type == AlignedOffset ? alignedLengths : nullptr);
            for (int f = 0; f < 3; ++f) {
                for (uint32_t left = 32768; left != 0;) {
                    const uint32_t kind = pick(8);
                    if (left < 2 || kind < 3) {
                        const uint8_t c = uint8_t(rng());
                        s.Main(c);
                        ref.push_back(c);
                        --left;
                        continue;
                    }
                    uint32_t length = pick(4) == 0 ? 33 + pick(225) : 2 + pick(31);
                    length = std::min(length, left);
                    uint32_t slot, distance;
                    if (kind == 3) {  // a repeated offset
                        slot = pick(3);
                        distance = r[slot];
                        std::swap(r[0], r[slot]);
                        s.MatchHeader(slot, length);
                    } else {
                        distance = kind == 4 ? 32765 - pick(40) : kind == 5 ? 16 + pick(16) : 1 + pick(40);
                        uint32_t footer;
                        slot = SlotFor(distance, &footer);
                        s.MatchHeader(slot, length);
                        const uint32_t extra = kLzxExtraBits[slot];
                        if (type == AlignedOffset && extra >= 3) {
                            s.Bits(footer >> 3, extra - 3);
                            s.Bits(alignedCodes[footer & 7], alignedLengths[footer & 7]);
                        } else {
                            s.Bits(footer, extra);
                        }
                        r[2] = r[1];
                        r[1] = r[0];
                        r[0] = distance;
                    }
                    RefMatch(&ref, distance, length);
                    left -= length;
                }
                frames.push_back(s.Take());
            }
        }
        for (int bmi2 = 0; bmi2 < 2; ++bmi2) {
            Decoder d(1u << 15);
#ifdef LZX_BMI2
            d.state()->bmi2Loop = uint8_t(bmi2 && __builtin_cpu_supports("bmi2"));
#endif
            std::vector<uint8_t> out, all;
            for (const auto& frame : frames) {
                ASSERT_EQ(d.Frame(frame, 32768, &out), CodecResult::Ok) << "seed " << seed;
                all.insert(all.end(), out.begin(), out.end());
            }
            ASSERT_EQ(all, ref) << "seed " << seed << ", BMI2 build " << bmi2;
            EXPECT_EQ(std::vector<uint32_t>(d.state()->repeatedOffsets, d.state()->repeatedOffsets + 3),
                      std::vector<uint32_t>(r, r + 3));
        }
    }
}

// ---------------------------------------------------------------- E8

namespace {

std::vector<uint8_t> Le32(uint32_t v) {
    return {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
}
uint32_t At32(const std::vector<uint8_t>& v, size_t i) {
    return v[i] | v[i + 1] << 8 | v[i + 2] << 16 | uint32_t(v[i + 3]) << 24;
}

// Decodes one 32768-byte frame with E8 size S and a call at offset 100.
uint32_t TranslateOne(uint32_t operand, uint32_t e8Size) {
    std::vector<uint8_t> bytes(32768, 0x90);
    bytes[100] = 0xE8;
    auto op = Le32(operand);
    std::copy(op.begin(), op.end(), bytes.begin() + 101);
    Decoder d(1u << 15);
    std::vector<uint8_t> out;
    if (d.Frame(UncompressedFrame(bytes, true, e8Size), 32768, &out) != CodecResult::Ok) return 0xDEAD;
    return At32(out, 101);
}

// The translation of one frame at folder offset 0, a byte at a time.
std::vector<uint8_t> E8Model(std::vector<uint8_t> bytes, uint32_t e8Size) {
    for (uint32_t i = 0; i + 10 < bytes.size(); ++i) {
        if (bytes[i] != 0xE8) continue;
        uint32_t v = At32(bytes, i + 1);
        if (v < e8Size)
            v -= i;
        else if (0u - v <= i)
            v += e8Size;
        auto op = Le32(v);
        std::copy(op.begin(), op.end(), bytes.begin() + i + 1);
        i += 4;
    }
    return bytes;
}

}  // namespace

TEST(LzxE8, OperandTranslation) {
    const uint32_t S = 0x100000;
    EXPECT_EQ(TranslateOne(0x1000, S), 0xF9Cu);
    EXPECT_EQ(TranslateOne(uint32_t(-16), S), uint32_t(-16) + S);
    EXPECT_EQ(TranslateOne(uint32_t(-100), S), uint32_t(-100) + S);
    EXPECT_EQ(TranslateOne(uint32_t(-200), S), uint32_t(-200)) << "below -cur: unchanged";
    EXPECT_EQ(TranslateOne(S, S), S) << "not below e8Size: unchanged";
    EXPECT_EQ(TranslateOne(S - 1, S), S - 1 - 100);
    // With the header bit 0 nothing is translated.
    std::vector<uint8_t> bytes(64, 0xE8), out;
    Decoder d(1u << 15);
    ASSERT_EQ(d.Frame(UncompressedFrame(bytes, true, 0), 64, &out), CodecResult::Ok);
    EXPECT_EQ(out, bytes);
}

TEST(LzxE8, CandidatePositionsAndShortFrames) {
    const uint32_t S = 0x100000;
    // Frame of 64: E8 at len-11 is translated, at len-10 not; the last 6
    // bytes stay as decoded even when they are 0xE8.
    std::vector<uint8_t> bytes(64, 0);
    bytes[64 - 11] = 0xE8;
    for (size_t i = 58; i < 64; ++i) bytes[i] = 0xE8;
    std::vector<uint8_t> out;
    {
        Decoder d(1u << 15);
        ASSERT_EQ(d.Frame(UncompressedFrame(bytes, true, S), 64, &out), CodecResult::Ok);
        EXPECT_EQ(At32(out, 64 - 10), uint32_t(0) - 53);
        EXPECT_EQ(std::vector<uint8_t>(out.end() - 6, out.end()), std::vector<uint8_t>(6, 0xE8));
        EXPECT_EQ(d.state()->e8Position, 64u);
    }
    {
        std::vector<uint8_t> late(64, 0);
        late[54] = 0xE8;  // len - 10
        Decoder d(1u << 15);
        ASSERT_EQ(d.Frame(UncompressedFrame(late, true, S), 64, &out), CodecResult::Ok);
        EXPECT_EQ(out, late);
    }
    {
        // Two 0xE8 in a row: the second is operand, never examined.
        std::vector<uint8_t> pair(64, 0);
        pair[10] = 0xE8;
        pair[11] = 0xE8;
        Decoder d(1u << 15);
        ASSERT_EQ(d.Frame(UncompressedFrame(pair, true, S), 64, &out), CodecResult::Ok);
        EXPECT_EQ(At32(out, 11), 0xE8u - 10);
        EXPECT_EQ(out[16], 0);
    }
    {
        // Frames of 10 bytes or fewer are delivered as decoded but count.
        Decoder d(1u << 15);
        std::vector<uint8_t> tiny = {0xE8, 1, 0, 0, 0, 0, 0, 0, 0, 0};
        Stream s;
        s.E8Header(S);
        s.BlockHeader(Uncompressed, 10 + 7 + 32);
        s.UncompressedStart(1, 1, 1);
        s.Raw(tiny);
        ASSERT_EQ(d.Frame(s.Take(), 10, &out), CodecResult::Ok);
        EXPECT_EQ(out, tiny);
        ASSERT_EQ(d.Frame({0xE8, 2, 0, 0, 0, 0, 0}, 7, &out), CodecResult::Ok);
        EXPECT_EQ(out[1], 2);
        EXPECT_EQ(d.state()->e8Position, 17u);
        std::vector<uint8_t> last(32, 0);
        last[0] = 0xE8;
        last[1] = 0x20;
        ASSERT_EQ(d.Frame(last, 32, &out), CodecResult::Ok);
        EXPECT_EQ(At32(out, 1), 0x20u - 17) << "offsets count the short frames";
    }
}

TEST(LzxE8, OffsetsContinueAcrossFramesAndStopAfter32768Frames) {
    const uint32_t S = 0x1000000;
    std::vector<uint8_t> frame(32768, 0), out;
    frame[5] = 0xE8;
    auto op = Le32(0x9000);
    std::copy(op.begin(), op.end(), frame.begin() + 6);
    {
        Decoder d(1u << 16);
        Stream s;
        s.E8Header(S);
        s.BlockHeader(Uncompressed, 65536);
        s.UncompressedStart(1, 1, 1);
        s.Raw(frame);
        ASSERT_EQ(d.Frame(s.Take(), 32768, &out), CodecResult::Ok);
        EXPECT_EQ(At32(out, 6), 0x9000u - 5);
        ASSERT_EQ(d.Frame(frame, 32768, &out), CodecResult::Ok);
        EXPECT_EQ(At32(out, 6), 0x9000u - 32773);
    }
    {
        // 32768 one-byte frames, then a frame that is no longer translated.
        Decoder d(1u << 17);
        Stream s;
        s.E8Header(S);
        s.BlockHeader(Uncompressed, 32768 + 32768);
        s.UncompressedStart(1, 1, 1);
        s.Raw({0});
        ASSERT_EQ(d.Frame(s.Take(), 1, &out), CodecResult::Ok);
        for (int f = 1; f < 32768; ++f) ASSERT_EQ(d.Frame({0}, 1, &out), CodecResult::Ok);
        EXPECT_EQ(d.state()->e8Position, 32768u);
        ASSERT_EQ(d.Frame(frame, 32768, &out), CodecResult::Ok);
        EXPECT_EQ(out, frame);
    }
}

TEST(LzxE8, DenseCallsMatchAByteByByteModel) {
    // Frames thick with 0xE8 bytes (runs of them, calls whose operands
    // straddle any 16- or 64-byte boundary, candidates near the last ten
    // bytes) at many lengths, against the translation done one byte at a time.
    const uint32_t S = 0x7FFF0;
    uint32_t seed = 12345;
    auto next = [&seed] { return seed = seed * 1103515245u + 12345u, seed >> 16; };
    for (uint32_t len : {11u, 15u, 16u, 17u, 63u, 64u, 65u, 74u, 75u, 127u, 129u, 200u, 32768u}) {
        for (int round = 0; round < 6; ++round) {
            std::vector<uint8_t> bytes(len);
            for (auto& b : bytes) b = (next() % 3 == 0) ? 0xE8 : uint8_t(next() % (round < 3 ? 4 : 256));
            const std::vector<uint8_t> want = E8Model(bytes, S);
            Decoder d(1u << 15);
            std::vector<uint8_t> out;
            ASSERT_EQ(d.Frame(UncompressedFrame(bytes, true, S), len, &out), CodecResult::Ok);
            ASSERT_EQ(out, want) << "length " << len << ", round " << round;
        }
    }
}

TEST(LzxE8, EveryPlaceOfACallAgainstTheScansBlocks) {
    // One call, then two calls 5 bytes apart (the second's opcode right
    // after the first's operand) and 4 apart (inside it), at every offset
    // around the first two 64-byte blocks and the frame's last candidates:
    // operands inside a block, ending at its last byte, reaching into the
    // next block, and candidates at the last translated place and past it.
    const uint32_t S = 0x7FFF0;
    for (uint32_t len : {140u, 200u}) {
        for (uint32_t gap : {0u, 5u, 4u}) {
            for (uint32_t at = 40; at + gap < len; ++at) {
                std::vector<uint8_t> bytes(len, 0x11);
                bytes[at] = 0xE8;
                if (gap) bytes[at + gap] = 0xE8;
                Decoder d(1u << 15);
                std::vector<uint8_t> out;
                ASSERT_EQ(d.Frame(UncompressedFrame(bytes, true, S), len, &out), CodecResult::Ok);
                ASSERT_EQ(out, E8Model(bytes, S)) << "length " << len << ", call at " << at << ", gap " << gap;
            }
        }
    }
}

// ------------------------------------------------------ damaged input

TEST(LzxDamaged, ReadsStayInsideTheCallersInput) {
    // A verbatim frame wanting far more output than its bits hold: the
    // reader runs into zeros past the exact-size buffer (ASan would see any
    // read beyond it) and fails at the input limit.
    Decoder d(1u << 15);
    Stream s;
    s.E8Header(0);
    FlatBlock(&s, Verbatim, 30000);
    for (int i = 0; i < 10; ++i) s.Main('q');
    std::vector<uint8_t> out;
    EXPECT_EQ(d.Frame(s.Take(), 30000, &out), CodecResult::BadData);
    // An uncompressed block cut short: its raw bytes and R0-R2 must lie
    // inside the input, never in the 4 bytes the bit reader may look past
    // it. A 10-byte block whole, then cut by 1 to 16 bytes.
    Stream u;
    u.E8Header(0);
    u.BlockHeader(Uncompressed, 10);
    u.UncompressedStart(1, 2, 3);
    u.Raw({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    const std::vector<uint8_t> whole = u.Take();
    {
        Decoder d2(1u << 15);
        ASSERT_EQ(d2.Frame(whole, 10, &out), CodecResult::Ok);
        EXPECT_EQ(out, (std::vector<uint8_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    }
    for (size_t cut = 1; cut <= 16; ++cut) {
        Decoder d3(1u << 15);
        std::vector<uint8_t> in(whole.begin(), whole.end() - cut);
        EXPECT_EQ(d3.Frame(in, 10, &out), CodecResult::BadData) << cut;
    }
    // A short uncompressed header.
    Decoder d4(1u << 15);
    Stream h;
    h.E8Header(0);
    h.BlockHeader(Uncompressed, 8);
    std::vector<uint8_t> shortHeader = h.Take();
    shortHeader.push_back(1);
    EXPECT_EQ(d4.Frame(shortHeader, 8, &out), CodecResult::BadData);
}

TEST(LzxDamaged, FramesCutShortFailWhereTheZerosWouldDecode) {
    // A frame a byte or a word short: its last codes would come from the
    // zeros past its data, and code 0 is literal 0 here (flat trees), so
    // they decode without another sign of damage, into the wrong bytes.
    // Words at even offsets of the data block, and at odd ones after an
    // uncompressed block that ends at an odd offset of it (the lone first
    // byte of a cut word is then its low byte, read second).
    auto frames = [](bool oddWords, std::vector<uint8_t>* ref) {
        Stream s;
        std::vector<std::vector<uint8_t>> f;
        s.E8Header(0);
        if (oddWords) {
            // 301 literals, then raw bytes to the frame's end and 5 more.
            FlatBlock(&s, Verbatim, 301);
            for (int k = 0; k < 301; ++k) s.Main('r');
            s.BlockHeader(Uncompressed, 32768 - 301 + 5);  // even: no pad byte
            s.UncompressedStart(1, 1, 1);
            s.Raw(std::vector<uint8_t>(32768 - 301, 9));
            f.push_back(s.Take());
            s.Raw(std::vector<uint8_t>(5, 9));
        }
        const int literals = oddWords ? 295 : 300;
        FlatBlock(&s, Verbatim, literals);
        ref->assign(oddWords ? 5 : 0, 9);
        for (int k = 0; k < literals; ++k) {
            ref->push_back(uint8_t('a' + k % 26));
            s.Main(ref->back());
        }
        f.push_back(s.Take());
        return f;
    };
    for (bool oddWords : {false, true}) {
        std::vector<uint8_t> ref, out;
        const std::vector<std::vector<uint8_t>> f = frames(oddWords, &ref);
        ASSERT_EQ(f.back().size() % 2, oddWords ? 1u : 0u);
        for (size_t cut = 0; cut <= 3; ++cut) {
            Decoder d(1u << 15);
            if (oddWords) ASSERT_EQ(d.Frame(f[0], 32768, &out), CodecResult::Ok);
            std::vector<uint8_t> in(f.back().begin(), f.back().end() - cut);
            const CodecResult r = d.Frame(in, 300, &out);
            if (cut == 0) {
                ASSERT_EQ(r, CodecResult::Ok) << "odd " << oddWords;
                EXPECT_EQ(out, ref);
            } else {
                EXPECT_EQ(r, CodecResult::BadData) << "odd " << oddWords << ", cut " << cut;
            }
        }
    }
}

TEST(LzxDamaged, FrameCrossingTheWindowEndIsRefused) {
    Decoder d(1u << 15);
    std::vector<uint8_t> out;
    Stream s;
    s.E8Header(0);
    s.BlockHeader(Uncompressed, 32868);
    s.UncompressedStart(1, 1, 1);
    s.Raw(std::vector<uint8_t>(100, 7));
    ASSERT_EQ(d.Frame(s.Take(), 100, &out), CodecResult::Ok);
    EXPECT_EQ(d.Frame(std::vector<uint8_t>(32768, 1), 32768, &out), CodecResult::BadData);
    EXPECT_TRUE(out.empty());
}

TEST(LzxDamaged, MatchesBeforeTheStreamReadTheZeroedWindowRepeatably) {
    auto run = [] {
        Decoder d(1u << 15);
        Stream s;
        s.E8Header(0);
        FlatBlock(&s, Verbatim, 20);
        s.Main('k');
        s.MatchHeader(7, 19);  // distance 10 + footer 3 = 13, before the start
        s.Bits(3, 2);
        std::vector<uint8_t> out;
        EXPECT_EQ(d.Frame(s.Take(), 20, &out), CodecResult::Ok);
        return out;
    };
    std::vector<uint8_t> first = run();
    std::vector<uint8_t> expect(20, 0);
    expect[0] = 'k';
    expect[13] = 'k';
    EXPECT_EQ(first, expect);
    EXPECT_EQ(run(), first);
}

TEST(LzxDamaged, ZeroOutputAndEmptyInput) {
    Decoder d(1u << 15);
    std::vector<uint8_t> out;
    EXPECT_EQ(d.Frame({}, 0, &out), CodecResult::Ok);
    EXPECT_EQ(d.state()->frameCount, 1u);
    EXPECT_TRUE(d.state()->e8HeaderPending) << "no header read for 0 bytes";
    EXPECT_EQ(d.Frame({}, 5, &out), CodecResult::BadData);
}
