// Huffman lookup tables: from a list of code lengths to a multi-level table.
//
// DEFLATE sends a code set as one length per symbol; the codes themselves
// are canonical (RFC 1951 3.2.2): shorter codes first, within a length in
// symbol order. The decoder reads a code's first bit as bit 0 of the lookup
// index, so each code is stored bit-reversed.
//
// The root table is `width` bits wide and decodes every code of up to width
// bits with one lookup; a code is repeated in every entry whose low bits
// match it. A longer code sends the root lookup to a sub-table that decodes
// the following bits. A sub-table is opened for a prefix when the first code
// with that prefix is placed and is made just wide enough for the codes that
// share the prefix (at most `width` bits, unless those codes need a deeper
// level). Tables are carved from a fixed pool in the order they are opened;
// a set whose tables would not fit is refused. An incomplete set is laid out
// as if dummy codes of the longest length filled its free patterns, which
// become invalid entries.
#include <assert.h>

#include "inflate.h"

const uint8_t kCodeLengthOrder[kCodeLengthCodes] = {16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                                   11, 4,  12, 3, 13, 2, 14, 1, 15};
const uint16_t kLengthBase[31] = {3,  4,  5,  6,  7,  8,  9,  10,  11,  13,  15,
                                  17, 19, 23, 27, 31, 35, 43, 51,  59,  67,  83,
                                  99, 115, 131, 163, 195, 227, 258, 0, 0};
const uint8_t kLengthExtra[31] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2,
                                  3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0, 99, 99};
const uint16_t kDistanceBase[30] = {1,    2,    3,    4,    5,    7,     9,     13,
                                    17,   25,   33,   49,   65,   97,    129,   193,
                                    257,  385,  513,  769,  1025, 1537,  2049,  3073,
                                    4097, 6145, 8193, 12289, 16385, 24577};
const uint8_t kDistanceExtra[30] = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                    6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

// The entry of the code placed `placed`-th (a dummy once the real symbols
// are placed), consuming `drop` bits at its level.
static inline HuffmanEntry entryFor(uint32_t placed, uint32_t real, const uint16_t* sorted,
                                    uint32_t s, const uint16_t* base, const uint8_t* extra,
                                    uint32_t drop) {
    HuffmanEntry entry;
    entry.bits = (uint8_t)drop;
    if (placed >= real) {
        entry.kind = kKindInvalid;
        entry.value = 0;
    } else {
        uint32_t symbol = sorted[placed];
        if (symbol < s) {
            entry.kind = symbol < kEndOfBlock ? kKindLiteral : kKindEndOfBlock;
            entry.value = (uint16_t)symbol;
        } else {
            entry.kind = extra[symbol - s];
            entry.value = base[symbol - s];
        }
    }
    return entry;
}

// The next canonical code of length len, bit-reversed.
static inline uint32_t nextReversed(uint32_t reversed, uint32_t len) {
    uint32_t bit = 1u << (len - 1);
    while (reversed & bit) {
        reversed ^= bit;
        bit >>= 1;
    }
    return reversed ^ bit;
}

TableBuildResult buildHuffmanTable(const uint8_t* lengths, uint32_t n, uint32_t s,
                                   const uint16_t* base, const uint8_t* extra,
                                   HuffmanEntry* pool, uint32_t poolSize, uint32_t* width) {
    TableBuildResult result = TableBuildResult::OverSubscribed;
    uint32_t count[kMaxCodeLength + 2] = {};
    uint32_t offset[kMaxCodeLength + 2];
    uint16_t sorted[kFixedLiteralCodes];
    // The open tables, root first: pool index, bit offset, width, and the
    // low `offset` bits every code in the table starts with.
    uint32_t tableBase[kMaxCodeLength + 1], tableOffset[kMaxCodeLength + 1];
    uint32_t tableWidth[kMaxCodeLength + 1], tablePrefix[kMaxCodeLength + 1];
    uint32_t depth = 0, next, len, minLen, maxLen, root, placed = 0, real, reversed = 0;
    int32_t room;

    for (uint32_t i = 0; i < n; i++) count[lengths[i]]++;
    if (count[0] == n) {
        *width = 0;
        return TableBuildResult::Complete;
    }
    for (minLen = 1; count[minLen] == 0; minLen++) {}
    for (maxLen = kMaxCodeLength; count[maxLen] == 0; maxLen--) {}
    root = *width;
    if (root < minLen) root = minLen;
    if (root > maxLen) root = maxLen;
    *width = root;

    // Kraft's inequality: a set may not hold more codes than bit patterns.
    // The free patterns of an incomplete set become dummy codes.
    room = 1 << minLen;
    for (uint32_t len = minLen; len < maxLen; len++) {
        room -= (int32_t)count[len];
        INFLATE_CHECK(room >= 0);
        room <<= 1;
    }
    room -= (int32_t)count[maxLen];
    INFLATE_CHECK(room >= 0);
    count[maxLen] += (uint32_t)room;

    // Symbols by length, then by symbol number; the dummies follow them.
    offset[1] = 0;
    for (uint32_t len = 1; len <= kMaxCodeLength; len++)
        offset[len + 1] = offset[len] + (len == maxLen ? count[len] - room : count[len]);
    real = offset[kMaxCodeLength + 1];
    for (uint32_t i = 0; i < n; i++)
        if (lengths[i]) sorted[offset[lengths[i]]++] = (uint16_t)i;

    result = TableBuildResult::NoTableSpace;
    INFLATE_CHECK((1u << root) <= poolSize);
    tableBase[0] = 0;
    tableOffset[0] = 0;
    tableWidth[0] = root;
    tablePrefix[0] = 0;
    next = 1u << root;

    len = minLen;
#if MSZIP_FAST_LOOP
    // The codes that fit the root come first, before any sub-table is open:
    // the loop below would stay at depth 0 and place each once, so they
    // are placed here without its bookkeeping.
    for (; len <= maxLen && len <= root; len++) {
        assert(depth == 0 && len <= tableWidth[0]);
        for (uint32_t left = count[len]; left > 0; left--) {
            pool[reversed] = entryFor(placed, real, sorted, s, base, extra, len);
            placed++;
            reversed = nextReversed(reversed, len);
        }
        if (len < root) memcpy(pool + (1u << len), pool, sizeof(HuffmanEntry) << len);
    }
#endif
    for (; len <= maxLen; len++) {
        for (uint32_t left = count[len]; left > 0; left--) {
            // Back up to the table whose prefix this code shares, then open
            // sub-tables until one covers the code's length.
            while ((reversed & ((1u << tableOffset[depth]) - 1)) != tablePrefix[depth]) depth--;
            while (len > tableOffset[depth] + root) {
                uint32_t at = tableOffset[depth] + root;
                uint32_t z = maxLen - at < root ? maxLen - at : root;
                uint32_t j = len - at;
                if ((1u << j) > left) {
                    // Too few codes of this length to fill a j-bit table:
                    // widen it while the longer codes still fill it.
                    uint32_t patterns = (1u << j) - left;
                    j++;
                    while (j < z) {
                        patterns <<= 1;
                        if (patterns <= count[at + j]) break;
                        patterns -= count[at + j];
                        j++;
                    }
                }
                uint32_t slot = (reversed >> tableOffset[depth]) & ((1u << root) - 1);
                INFLATE_CHECK(next + (1u << j) <= poolSize);
                INFLATE_CHECK(slot < (1u << tableWidth[depth]));
                HuffmanEntry& link = pool[tableBase[depth] + slot];
                link.kind = (uint8_t)(kKindSubTable + j);
                link.bits = (uint8_t)root;
                link.value = (uint16_t)next;  // the root is the pool's first table
                depth++;
                tableBase[depth] = next;
                tableOffset[depth] = at;
                tableWidth[depth] = j;
                tablePrefix[depth] = reversed & ((1u << at) - 1);
                next += 1u << j;
            }

            uint32_t drop = len - tableOffset[depth];
            INFLATE_CHECK(drop <= tableWidth[depth]);
            HuffmanEntry entry = entryFor(placed, real, sorted, s, base, extra, drop);
            placed++;
            if (len <= root)
                pool[reversed] = entry;  // repeated by the doubling below
            else
                for (uint32_t i = reversed >> tableOffset[depth]; i < (1u << tableWidth[depth]);
                     i += 1u << drop)
                    pool[tableBase[depth] + i] = entry;
            reversed = nextReversed(reversed, len);
        }
        // The root holds the codes of up to len bits in its first 2^len
        // entries; a code's entry belongs at every index whose low len bits
        // are the code, so the next length starts from two copies. (Entries
        // no such code owns belong to longer codes, which overwrite them.)
        if (len < root) memcpy(pool + (1u << len), pool, sizeof(HuffmanEntry) << len);
    }
    return room > 0 && maxLen != 1 ? TableBuildResult::Incomplete : TableBuildResult::Complete;
fail:
    return result;
}

static FixedTables gFixed;

const FixedTables& fixedTables() {
    if (!gFixed.built) {
        uint8_t lengths[kFixedLiteralCodes];
        uint32_t width = kFixedLiteralLookupBits;
        memset(lengths, 8, 144);
        memset(lengths + 144, 9, 112);
        memset(lengths + 256, 7, 24);
        memset(lengths + 280, 8, 8);
        buildHuffmanTable(lengths, kFixedLiteralCodes, kFirstLengthSymbol, kLengthBase,
                          kLengthExtra, gFixed.literal, kFixedLiteralPoolSize, &width);
        // Incomplete: distance symbols 30 and 31 become invalid entries.
        width = kFixedDistanceLookupBits;
        memset(lengths, 5, kFixedDistanceCodes);
        buildHuffmanTable(lengths, kFixedDistanceCodes, 0, kDistanceBase, kDistanceExtra,
                          gFixed.distance, kFixedDistancePoolSize, &width);
        gFixed.built = 1;
    }
    return gFixed;
}
