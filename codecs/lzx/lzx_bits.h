// The LZX bit reader.
//
// A frame's compressed bits are 16-bit little-endian words, each read from
// its most significant bit down; multi-bit fields come most significant bit
// first. The reader keeps a 32-bit buffer with the next bit at bit 31 and
// refills it a whole word at a time, so that after every refill it holds 17
// to 32 unread bits: the rest of the current word and all of the next one.
// That invariant is what lets an uncompressed block's header step back two
// bytes to find the next 16-bit boundary.
//
// The hot loops copy the reader into an LzxBits local (which the compiler
// keeps in registers) and write it back to the state when they are done.
#ifndef STUB_CODECS_LZX_BITS_H
#define STUB_CODECS_LZX_BITS_H

#include <assert.h>
#include <string.h>

#include "lzx_state.h"

struct LzxBits {
    uint32_t buffer;        // unread bits, the next one at bit 31
    int32_t count;          // buffer holds count + 16 unread bits (after a refill: 1..16)
    const uint8_t* cursor;  // next word to load
    const uint8_t* end;     // end of the caller's input: bytes past it read as zero
    const uint8_t* limit;   // end + 4: loading a word here or later exhausts the input
    uint8_t exhausted;      // a refill found cursor >= limit (sticky until reset)
};

LZX_INLINE void LoadBits(LzxBits* b, const LzxState* s) {
    b->buffer = s->bitBuffer;
    b->count = s->bitCount;
    b->cursor = s->inputCursor;
    b->end = s->inputEnd;
    b->limit = s->inputLimit;
    b->exhausted = s->inputExhausted;
}

LZX_INLINE void StoreBits(LzxState* s, const LzxBits* b) {
    s->bitBuffer = b->buffer;
    s->bitCount = (int8_t)b->count;
    s->inputCursor = b->cursor;
    s->inputExhausted = b->exhausted;
}

// The little-endian word at p; bytes at or past end read as zero, so the
// reader never touches memory beyond the caller's input.
LZX_INLINE uint32_t InputWord(const uint8_t* p, const uint8_t* end) {
    if (p + 2 <= end) return (uint32_t)p[0] | (uint32_t)p[1] << 8;
    return p < end ? p[0] : 0;
}

// Loads 32 bits from the cursor, unless fewer than 4 bytes remain before the
// limit (then the buffer is left as it is).
LZX_INLINE void PrimeBits(LzxBits* b) {
    if (b->cursor + 4 <= b->limit) {
        b->buffer = InputWord(b->cursor, b->end) << 16 | InputWord(b->cursor + 2, b->end);
        b->count = 16;
        b->cursor += 4;
    }
}

// Discards n (at most 17) bits and refills while the buffer holds 16 or
// fewer. Past the limit it only shifts in zeros and flags exhaustion; the
// callers decide whether that is fatal.
LZX_INLINE void DropBits(LzxBits* b, uint32_t n) {
    b->count -= (int32_t)n;
    b->buffer <<= n;
    for (int refills = 0; b->count <= 0 && refills < 2; ++refills) {
        if (b->cursor >= b->limit) {
            b->exhausted = 1;
            break;
        }
        b->buffer |= InputWord(b->cursor, b->end) << -b->count;
        b->cursor += 2;
        b->count += 16;
    }
}

// The next n bits (1 to 17) as a number.
LZX_INLINE uint32_t ReadBits(LzxBits* b, uint32_t n) {
    uint32_t value = b->buffer >> (32 - n);
    DropBits(b, n);
    return value;
}

// The symbol that the next bits select, without consuming them: a direct
// look-up of `bits` bits, then overflow nodes bit by bit for longer codes.
// Tables are built only from complete codes, so every node path ends at a
// symbol within 16 bits; the bound merely keeps the loop finite regardless.
LZX_INLINE int32_t PeekSymbol(uint32_t buffer, const int16_t* table, const LzxNode* nodes,
                              uint32_t bits) {
    int32_t entry = table[buffer >> (32 - bits)];
    for (uint32_t bit = 1u << (31 - bits); entry < 0 && bit != 0; bit >>= 1)
        entry = nodes[-entry][(buffer & bit) ? 1 : 0];
    return entry < 0 ? 0 : entry;
}

// The fast decoding loop (LZX_FAST_LOOP, lzx_state.h). Far from the input's
// end it reads a copy of the input whose 16-bit words are stored most
// significant byte first (SwapInputWords), so that the stream is a plain
// big-endian byte sequence. It keeps the reader in a 64-bit register,
// `have` counted bits at the top, and refills without a branch: it ORs in
// the next 64 stream bits below the counted ones (bits already there are the
// same stream bits), then counts the whole bytes that fit, leaving 56 to 63.
// At its end the reader goes back to the form above, the one the state
// keeps, exactly as the 32-bit reader would be after consuming the same bits.
#ifdef LZX_FAST_LOOP

struct LzxWideBits {
    uint64_t bits;          // next bit at bit 63; below the counted bits, stream bits or 0
    uint32_t have;          // counted bits (56 to 63 after a refill)
    const uint8_t* cursor;  // in the swapped copy: the byte after the counted bits
};

// The input's words with their bytes swapped, into out (n + 1 bytes: an odd
// last byte is a word whose high byte is zero, as InputWord reads it).
static inline void SwapInputWords(uint8_t* out, const uint8_t* in, uint32_t n) {
    uint32_t k = 0;
    for (; k + 8 <= n; k += 8) {
        uint64_t x;
        memcpy(&x, in + k, 8);
        x = (x >> 8 & 0x00FF00FF00FF00FFull) | (x & 0x00FF00FF00FF00FFull) << 8;
        memcpy(out + k, &x, 8);
    }
    for (; k + 2 <= n; k += 2) {
        out[k] = in[k + 1];
        out[k + 1] = in[k];
    }
    if (k < n) {
        out[k] = 0;
        out[k + 1] = in[k];
    }
}

// Needs 8 readable bytes at the cursor.
LZX_INLINE void RefillWide(LzxWideBits* w) {
    uint64_t x;
    memcpy(&x, w->cursor, 8);
    w->bits |= __builtin_bswap64(x) >> w->have;
    w->cursor += (63 - w->have) >> 3;
    w->have |= 56;
}

LZX_INLINE uint32_t TakeWide(LzxWideBits* w, uint32_t n) {
    uint32_t value = (uint32_t)(w->bits >> 1 >> (63 - n));  // 0 when n is 0
    w->bits <<= n;
    w->have -= n;
    return value;
}

// PeekSymbol for the 64-bit reader.
LZX_INLINE int32_t PeekWide(uint64_t bits, const int16_t* table, const LzxNode* nodes,
                            uint32_t tableBits) {
    int32_t entry = table[bits >> (64 - tableBits)];
    for (uint64_t bit = 1ull << (63 - tableBits); entry < 0 && bit >> 32 != 0; bit >>= 1)
        entry = nodes[-entry][(bits & bit) ? 1 : 0];
    return entry < 0 ? 0 : entry;
}

// A packed table entry (see PackTable): the symbol in bits 0-9, its code
// length in bits 10-14; kLzxPackedLong where the code is longer than the
// packed table's bits, and the plain table and its overflow nodes decide.
enum : uint32_t { kLzxPackedLong = 0x8000 };

// The packed entry (a table of packedBits bits) that the next bits select.
LZX_INLINE uint32_t PackedEntry(const LzxWideBits* w, const uint16_t* packed, uint32_t packedBits) {
    return packed[w->bits >> (64 - packedBits)];
}

// For a kLzxPackedLong entry: the entry, in the packed form, of the code
// the next bits begin, found in the plain table and its overflow nodes.
LZX_INLINE uint32_t LongEntry(const LzxWideBits* w, const int16_t* table, const LzxNode* nodes,
                              const uint8_t* lengths, uint32_t tableBits) {
    assert(w->have >= kLzxMaxCodeLength);  // the longest code is in the buffer
    const uint32_t symbol = (uint32_t)PeekWide(w->bits, table, nodes, tableBits);
    return (uint32_t)lengths[symbol] << 10 | symbol;
}

// Decodes one symbol of a tree from its packed entry, already looked up from
// the bits held, and consumes its code: the entry itself for codes that fit
// the packed table, the node walk of PeekWide for longer ones.
LZX_INLINE uint32_t DecodeEntry(LzxWideBits* w, uint32_t entry, const int16_t* table,
                                const LzxNode* nodes, const uint8_t* lengths, uint32_t tableBits) {
    assert(w->have >= kLzxMaxCodeLength);
    if (__builtin_expect((entry & kLzxPackedLong) != 0, 0))
        entry = LongEntry(w, table, nodes, lengths, tableBits);
    TakeWide(w, entry >> 10);
    return entry & 0x3FF;
}

// `swapped` is the swapped copy of the input from `start` on, where the
// reader's words begin.
LZX_INLINE void WidenBits(LzxWideBits* w, const LzxBits* b, const uint8_t* start,
                          const uint8_t* swapped) {
    w->bits = (uint64_t)b->buffer << 32;
    w->have = (uint32_t)(b->count + 16);
    w->cursor = swapped + (b->cursor - start);
}

// Back to 17 to 32 counted bits in a 32-bit buffer, zeros below them, and a
// cursor on a word of the input from `start` on (as for WidenBits). Needs 8
// readable bytes at the cursor.
LZX_INLINE void NarrowBits(LzxBits* b, LzxWideBits* w, const uint8_t* start,
                           const uint8_t* swapped) {
    RefillWide(w);
    // Bits consumed since `start`; the 32-bit reader has
    // loaded the words that leave it 17 to 32 unread bits.
    const uint32_t consumed = (uint32_t)(w->cursor - swapped) * 8 - w->have;
    const uint32_t words = (consumed + 32) >> 4;
    const uint32_t have = words * 16 - consumed;
    assert(have >= 17 && have <= 32 && have <= w->have);
    b->buffer = (uint32_t)(w->bits >> 32) & (0xFFFFFFFFu << (32 - have));
    b->count = (int32_t)have - 16;
    b->cursor = start + words * 2;
}
#endif

#endif
