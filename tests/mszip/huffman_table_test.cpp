// Lookup tables built from code lengths: results for odd sets, and, for
// random complete sets, that every code decodes to its symbol and that a set
// is refused for table space exactly when its tables outgrow the pool.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

#include "deflate_writer.h"
#include "inflate.h"
#include "test_data.h"

using namespace mszip_test;

namespace {

TableBuildResult Build(const std::vector<uint8_t>& lengths, uint32_t s, uint32_t poolSize,
                       uint32_t* width, std::vector<HuffmanEntry>* pool) {
    pool->assign(poolSize + 64, HuffmanEntry{0xEE, 0xEE, 0xEEEE});  // guard entries
    const bool literal = s == 257;
    return buildHuffmanTable(lengths.data(), uint32_t(lengths.size()), s,
                             literal ? kLengthBase : kDistanceBase,
                             literal ? kLengthExtra : kDistanceExtra, pool->data(), poolSize,
                             width);
}

// Walks the table with a code's bits as the decoder does; returns the
// entry reached and the bits consumed.
HuffmanEntry Lookup(const std::vector<HuffmanEntry>& pool, uint32_t width, uint32_t reversed,
                    uint32_t* consumed) {
    HuffmanEntry e = pool[reversed & ((1u << width) - 1)];
    *consumed = 0;
    while (e.kind > 16 && e.kind != 99) {
        *consumed += e.bits;
        reversed >>= e.bits;
        e = pool[e.value + (reversed & ((1u << (e.kind - 16)) - 1))];
    }
    *consumed += e.bits;
    return e;
}

uint32_t Reverse(uint32_t code, int len) {
    uint32_t r = 0;
    for (int i = 0; i < len; i++) r |= ((code >> i) & 1) << (len - 1 - i);
    return r;
}

struct Coded {
    uint32_t reversed;
    int len;
};

// Entries a complete set's tables take, worked out from the shape alone:
// a table at bit offset `offset` is `width` bits wide; the codes longer than
// offset + root go to sub-tables, one per root-bit prefix, each as wide as
// its longest code needs, but at most root bits.
size_t TableEntries(const std::vector<Coded>& codes, int offset, int width, int root) {
    size_t total = size_t(1) << width;
    std::map<uint32_t, std::vector<Coded>> groups;
    for (const Coded& c : codes)
        if (c.len > offset + root) groups[(c.reversed >> offset) & ((1u << root) - 1)].push_back(c);
    for (auto& [prefix, group] : groups) {
        int longest = 0;
        for (const Coded& c : group) longest = std::max(longest, c.len);
        int w = std::min(root, longest - (offset + root));
        total += TableEntries(group, offset + root, w, root);
    }
    return total;
}

// A random complete set over n symbols: a tree grown by splitting random
// leaves (biased to the deepest) up to 15 bits, its leaves given to random
// symbols.
std::vector<uint8_t> RandomCompleteSet(uint32_t n, uint32_t& seed, int deepest = 15) {
    std::vector<int> leaves{1, 1};
    uint32_t target = 2 + NextRandom(seed) % (n - 1);
    while (leaves.size() < target) {
        size_t i = NextRandom(seed) % leaves.size();
        if (NextRandom(seed) % 2) i = std::max_element(leaves.begin(), leaves.end()) - leaves.begin();
        if (NextRandom(seed) % 3 == 0) i = leaves.size() - 1;
        if (leaves[i] >= deepest) {
            bool any = false;
            for (size_t k = 0; k < leaves.size() && !any; k++)
                if (leaves[k] < deepest) i = k, any = true;
            if (!any) break;
        }
        int l = ++leaves[i];
        leaves.push_back(l);
    }
    std::vector<uint8_t> lengths(n, 0);
    std::vector<uint32_t> symbols(n);
    for (uint32_t i = 0; i < n; i++) symbols[i] = i;
    for (uint32_t i = n - 1; i > 0; i--) std::swap(symbols[i], symbols[NextRandom(seed) % (i + 1)]);
    for (size_t i = 0; i < leaves.size(); i++) lengths[symbols[i]] = uint8_t(leaves[i]);
    return lengths;
}

struct Shape {
    uint32_t n, s, root, pool;
};

void CheckRandomSets(const Shape& shape, int rounds, uint32_t seed) {
    int fits = 0, refused = 0;
    size_t most = 0;
    for (int round = 0; round < rounds; round++) {
        std::vector<uint8_t> lengths = RandomCompleteSet(shape.n, seed, shape.n == 19 ? 7 : 15);
        std::vector<uint32_t> codes = CanonicalCodes(lengths);
        int minLen = 16, maxLen = 0;
        std::vector<Coded> coded;
        for (uint32_t i = 0; i < shape.n; i++) {
            if (!lengths[i]) continue;
            minLen = std::min<int>(minLen, lengths[i]);
            maxLen = std::max<int>(maxLen, lengths[i]);
            coded.push_back({Reverse(codes[i], lengths[i]), lengths[i]});
        }
        int root = std::min(std::max<int>(shape.root, minLen), maxLen);
        size_t need = TableEntries(coded, 0, root, root);
        most = std::max(most, need);

        uint32_t width = shape.root;
        std::vector<HuffmanEntry> pool;
        TableBuildResult r = Build(lengths, shape.s, shape.pool, &width, &pool);
        ASSERT_EQ(width, uint32_t(root));
        for (uint32_t i = shape.pool; i < pool.size(); i++) ASSERT_EQ(pool[i].kind, 0xEE);
        if (need > shape.pool) {
            ASSERT_EQ(r, TableBuildResult::NoTableSpace) << need;
            refused++;
            continue;
        }
        ASSERT_EQ(r, TableBuildResult::Complete) << need;
        fits++;
        for (uint32_t i = 0; i < shape.n; i++) {
            if (!lengths[i]) continue;
            uint32_t consumed;
            HuffmanEntry e = Lookup(pool, width, Reverse(codes[i], lengths[i]), &consumed);
            ASSERT_EQ(consumed, lengths[i]) << "symbol " << i;
            if (i < shape.s) {
                ASSERT_EQ(e.value, i);
                ASSERT_EQ(e.kind, i < 256 ? 16 : 15);
            } else {
                ASSERT_EQ(e.value, shape.s == 257 ? kLengthBase[i - 257] : kDistanceBase[i]);
            }
        }
    }
    EXPECT_EQ(fits + refused, rounds);
    printf("  %u symbols: %d fit, %d refused, largest %zu of %u entries\n", shape.n, fits,
           refused, most, shape.pool);
}

}  // namespace

TEST(HuffmanTable, RandomCompleteSetsDecodeOrRunOutOfSpaceExactly) {
    CheckRandomSets({286, 257, 9, 900}, 4000, 12345);
    CheckRandomSets({30, 0, 6, 200}, 20000, 777);
    CheckRandomSets({19, 19, 7, 900}, 2000, 99);
}

TEST(HuffmanTable, OddSets) {
    std::vector<HuffmanEntry> pool;
    uint32_t width = 6;
    // All lengths 0: an empty table of width 0, nothing written.
    EXPECT_EQ(Build(std::vector<uint8_t>(30, 0), 0, 200, &width, &pool),
              TableBuildResult::Complete);
    EXPECT_EQ(width, 0u);
    EXPECT_EQ(pool[0].kind, 0xEE);
    // Three codes of one bit.
    width = 6;
    EXPECT_EQ(Build({1, 1, 1}, 0, 200, &width, &pool), TableBuildResult::OverSubscribed);
    width = 6;
    EXPECT_EQ(Build({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 15, 15}, 0, 200, &width,
                    &pool),
              TableBuildResult::OverSubscribed);
    // One code of one bit: complete, the other pattern invalid.
    width = 6;
    EXPECT_EQ(Build({0, 0, 1}, 0, 200, &width, &pool), TableBuildResult::Complete);
    EXPECT_EQ(width, 1u);
    EXPECT_EQ(pool[0].kind, kDistanceExtra[2]);
    EXPECT_EQ(pool[0].value, kDistanceBase[2]);
    EXPECT_EQ(pool[1].kind, 99);
    // One code of two bits, or {1, 2}: incomplete.
    width = 6;
    EXPECT_EQ(Build({2}, 0, 200, &width, &pool), TableBuildResult::Incomplete);
    width = 6;
    EXPECT_EQ(Build({1, 2}, 0, 200, &width, &pool), TableBuildResult::Incomplete);
    EXPECT_EQ(pool[3].kind, 99);
    // A root wider than the pool: one code of 15 bits cannot even start.
    width = 6;
    std::vector<uint8_t> deep(30, 0);
    deep[0] = 15;
    EXPECT_EQ(Build(deep, 0, 200, &width, &pool), TableBuildResult::NoTableSpace);
}

TEST(HuffmanTable, FixedTables) {
    const FixedTables& fixed = fixedTables();
    EXPECT_TRUE(fixed.built);
    Code lit = FixedLiteralCode();
    for (int symbol = 0; symbol < 288; symbol++) {
        uint32_t consumed;
        std::vector<HuffmanEntry> pool(fixed.literal, fixed.literal + 520);
        HuffmanEntry e = Lookup(pool, 9, Reverse(lit.codes[symbol], lit.lengths[symbol]), &consumed);
        EXPECT_EQ(consumed, lit.lengths[symbol]);
        if (symbol < 256) EXPECT_EQ(e.kind, 16);
        if (symbol == 256) EXPECT_EQ(e.kind, 15);
        if (symbol > 256 && symbol < 286) EXPECT_EQ(e.value, kLengthBase[symbol - 257]);
        if (symbol >= 286) EXPECT_EQ(e.kind, 99);
    }
    for (int symbol = 0; symbol < 32; symbol++) {
        HuffmanEntry e = fixed.distance[Reverse(uint32_t(symbol), 5)];
        EXPECT_EQ(e.kind, symbol < 30 ? kDistanceExtra[symbol] : 99);
    }
}
