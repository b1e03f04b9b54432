// LZX Huffman trees: how their code lengths arrive and how lookup tables are
// built from them.
//
// Codes are canonical (shorter codes first, equal lengths in symbol order),
// so a tree is fully described by its code lengths. The aligned-offset tree
// sends eight 3-bit lengths. The main and length trees send their lengths in
// runs, each run preceded by its own 20-symbol pretree (twenty 4-bit
// lengths); pretree symbols 0-16 code a length as a difference, modulo 17,
// from the same symbol's length in the last block that carried trees, 17 and
// 18 code runs of zeros and 19 a short run of one repeated length. So the
// lengths of one block are the delta base of the next block with trees;
// uncompressed blocks leave that base alone, and reset sets it to zeros.
//
// Lookup tables map the next `bits` bits to a symbol; codes longer than that
// continue in overflow nodes (pairs for a next bit of 0 and 1), numbered from
// the tree's symbol count and stored as negative table entries.
#include <assert.h>
#include <string.h>

#include "lzx_bits.h"

bool BuildTable(uint32_t symbols, const uint8_t* lengths, uint32_t bits, int16_t* table,
                LzxNode* nodes, uint32_t nodeCapacity) {
    uint32_t count[kLzxMaxCodeLength + 1] = {0};
    uint32_t start[kLzxMaxCodeLength + 2];
    uint32_t weight[kLzxMaxCodeLength + 1];
    const uint32_t tableSize = 1u << bits;
    uint32_t nextNode = symbols;

    for (uint32_t s = 0; s < symbols; ++s) count[lengths[s]]++;
    // Start codes scaled to 16 bits; a complete code fills exactly 2^16.
    start[1] = 0;
    for (uint32_t len = 1; len <= kLzxMaxCodeLength; ++len)
        start[len + 1] = start[len] + (count[len] << (16 - len));
    if (start[kLzxMaxCodeLength + 1] != 65536) {
        // An empty tree (all lengths zero) is allowed: every look-up then
        // yields symbol 0, whose length 0 consumes no bits.
        LZX_CHECK(start[kLzxMaxCodeLength + 1] == 0);
        memset(table, 0, tableSize * sizeof *table);
        return true;
    }
    for (uint32_t len = 1; len <= kLzxMaxCodeLength; ++len) {
        if (len <= bits) {
            start[len] >>= 16 - bits;
            weight[len] = 1u << (bits - len);
        } else {
            weight[len] = 1u << (16 - len);
        }
    }
    // Entries past the short codes are the roots of the long ones.
    for (uint32_t i = start[bits + 1] >> (16 - bits); i < tableSize; ++i) table[i] = 0;

    for (uint32_t s = 0; s < symbols; ++s) {
        uint32_t len = lengths[s];
        if (len == 0) continue;
        uint32_t code = start[len];
        start[len] = code + weight[len];
        if (len <= bits) {
            LZX_CHECK(code + weight[len] <= tableSize);
            for (uint32_t i = code; i < code + weight[len]; ++i) table[i] = (int16_t)s;
            continue;
        }
        int16_t* entry = &table[code >> (16 - bits)];
        uint32_t rest = code << bits;  // the code's remaining bits, from bit 15 down
        for (uint32_t step = bits; step < len; ++step) {
            if (*entry == 0) {
                LZX_CHECK(nextNode < nodeCapacity);
                *entry = (int16_t)-(int32_t)nextNode;
                nodes[nextNode][0] = nodes[nextNode][1] = 0;
                ++nextNode;
            }
            entry = &nodes[-*entry][(rest >> 15) & 1];
            rest <<= 1;
        }
        *entry = (int16_t)s;
    }
    return true;
fail:
    return false;
}

bool BuildAlignedTable(const uint8_t* lengths, uint8_t* table) {
    // The same construction with start codes scaled to 16 bits. The sums are
    // 32-bit: eight codes of one or two bits add up to 2^18 or 2^17, which a
    // 16-bit sum would wrap to 0 and take for a complete code. Codes of at
    // most 7 bits always fit the table directly.
    uint32_t count[8] = {0};
    uint32_t start[9];
    for (uint32_t s = 0; s < kLzxAlignedSymbols; ++s) count[lengths[s]]++;
    start[1] = 0;
    for (uint32_t len = 1; len <= 7; ++len) start[len + 1] = start[len] + (count[len] << (16 - len));
    LZX_CHECK(start[8] == 65536 || start[8] == 0);  // complete, or all lengths zero
    memset(table, 0, 1u << kLzxAlignedBits);
    for (uint32_t s = 0; s < kLzxAlignedSymbols; ++s) {
        uint32_t len = lengths[s];
        if (len == 0) continue;
        uint32_t code = start[len] >> 9, width = 1u << (7 - len);
        start[len] += width << 9;
        LZX_CHECK(code + width <= (1u << kLzxAlignedBits));
        memset(table + code, (int)s, width);
    }
    return true;
fail:
    return false;
}

bool ReadAlignedTree(LzxState* s) {
    LzxBits b;
    LoadBits(&b, s);
    for (uint32_t i = 0; i < kLzxAlignedSymbols; ++i) s->alignedLengths[i] = (uint8_t)ReadBits(&b, 3);
    StoreBits(s, &b);
    LZX_CHECK(!b.exhausted);
    return BuildAlignedTable(s->alignedLengths, s->alignedTable);
fail:
    return false;
}

// Reads `count` code lengths into out, as deltas from `previous`, through a
// pretree of its own.
static bool ReadLengths(LzxBits* b, uint32_t count, const uint8_t* previous, uint8_t* out) {
    uint8_t preLengths[kLzxPretreeSymbols];
    int16_t preTable[1 << kLzxPretreeBits];
    LzxNode preNodes[kLzxPretreeNodes];

    for (uint32_t i = 0; i < kLzxPretreeSymbols; ++i) preLengths[i] = (uint8_t)ReadBits(b, 4);
    LZX_CHECK(!b->exhausted);
    LZX_CHECK(BuildTable(kLzxPretreeSymbols, preLengths, kLzxPretreeBits, preTable, preNodes,
                         kLzxPretreeNodes));
    for (uint32_t i = 0; i < count;) {
        int32_t sym = PeekSymbol(b->buffer, preTable, preNodes, kLzxPretreeBits);
        DropBits(b, preLengths[sym]);
        LZX_CHECK(!b->exhausted);
        uint32_t run = 1, value;
        if (sym <= 16) {
            value = (previous[i] + 17u - (uint32_t)sym) % 17u;
        } else if (sym == 17) {
            run = ReadBits(b, 4) + 4;
            value = 0;
        } else if (sym == 18) {
            run = ReadBits(b, 5) + 20;
            value = 0;
        } else {
            // A run of 4 or 5 equal lengths, all computed from the previous
            // length at the run's first position. A well-formed stream
            // follows with a symbol 0-16; 17-19 are taken by the same
            // arithmetic rather than refused.
            run = ReadBits(b, 1) + 4;
            int32_t delta = PeekSymbol(b->buffer, preTable, preNodes, kLzxPretreeBits);
            DropBits(b, preLengths[delta]);
            LZX_CHECK(!b->exhausted);
            value = (previous[i] + 34u - (uint32_t)delta) % 17u;
        }
        // A run that passes the end is cut off there.
        for (uint32_t end = (i + run < count) ? i + run : count; i < end; ++i) out[i] = (uint8_t)value;
    }
    LZX_CHECK(!b->exhausted);
    return true;
fail:
    return false;
}

#ifdef LZX_FAST_LOOP
// The packed table of `packedBits` bits (at least the plain table's `bits`)
// for the fast loop, from a built table and its nodes: each entry the symbol
// whose code the index begins with, and that code's length (at most
// packedBits, so 10 bits of symbol and 5 of length suffice); where the code
// is longer, kLzxPackedLong.
static void PackTable(const int16_t* table, const LzxNode* nodes, const uint8_t* lengths,
                      uint32_t bits, uint32_t packedBits, uint16_t* packed) {
    const uint32_t extra = packedBits - bits;
    for (uint32_t t = 0; t < (1u << bits); ++t) {
        uint16_t* out = packed + (t << extra);
        const int32_t root = table[t];
        if (root >= 0) {  // a code of at most `bits` bits: the same entry throughout
            assert(root < 1024 && lengths[root] <= bits);
            const uint16_t v = (uint16_t)(lengths[root] << 10 | root);
            if (extra == 2) {  // both tables: four entries in one store
                const uint64_t four = v * 0x0001000100010001ull;
                memcpy(out, &four, 8);
                continue;
            }
            for (uint32_t k = 0; k < (1u << extra); ++k) out[k] = v;
            continue;
        }
        for (uint32_t k = 0; k < (1u << extra); ++k) {
            int32_t e = root;
            for (uint32_t bit = extra; e < 0 && bit > 0;) e = nodes[-e][k >> --bit & 1];
            assert(e < 0 || (e < 1024 && lengths[e] <= packedBits));
            out[k] = e < 0 ? (uint16_t)kLzxPackedLong : (uint16_t)(lengths[e] << 10 | e);
        }
    }
}
#endif

bool ReadTrees(LzxState* s) {
    const uint32_t mainSymbols = kLzxNumChars + kLzxLengthHeaders * s->positionSlots;
    LzxBits b;
    LoadBits(&b, s);
    LZX_CHECK(ReadLengths(&b, kLzxNumChars, s->previousMainLengths, s->mainLengths));
    LZX_CHECK(ReadLengths(&b, mainSymbols - kLzxNumChars, s->previousMainLengths + kLzxNumChars,
                          s->mainLengths + kLzxNumChars));
    LZX_CHECK(BuildTable(mainSymbols, s->mainLengths, kLzxMainBits, s->mainTable, s->mainNodes,
                         kLzxMainNodes));
    LZX_CHECK(ReadLengths(&b, kLzxLengthSymbols, s->previousLengthLengths, s->lengthLengths));
    LZX_CHECK(BuildTable(kLzxLengthSymbols, s->lengthLengths, kLzxLengthBits, s->lengthTable,
                         s->lengthNodes, kLzxLengthNodes));
#ifdef LZX_FAST_LOOP
    // Only a block whose trees were all read and built decodes symbols, so
    // the packed tables are made here, once both tables stand.
    PackTable(s->mainTable, s->mainNodes, s->mainLengths, kLzxMainBits, kLzxMainPackedBits,
              s->mainPacked);
    PackTable(s->lengthTable, s->lengthNodes, s->lengthLengths, kLzxLengthBits,
              kLzxLengthPackedBits, s->lengthPacked);
#endif
    StoreBits(s, &b);
    return true;
fail:
    StoreBits(s, &b);
    return false;
}
