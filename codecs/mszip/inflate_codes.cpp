// The codes of one Huffman-coded DEFLATE block: literals, matches and the
// end-of-block code, decoded through the block's two lookup tables.
//
// A literal/length code is either a literal byte, the end of the block, or a
// match length (a base plus extra bits), which is followed by a distance
// code (a base plus extra bits). A match copies `length` bytes from
// `distance` bytes back, byte by byte in meaning, so a match longer than its
// distance repeats its pattern.
//
// The output buffer is the history window. Every frame writes from the
// buffer's start; a distance that reaches before the frame's first byte
// reads from the buffer's tail, which still holds the previous frame, and
// the copy's source wraps from the buffer's last byte to its first. That
// holds only when the previous frame filled the whole buffer: in a folder's
// first frame, and after a short or failed one, such a distance is invalid
// (historyFull). The
// block stops early, even inside a match, when the caller's output limit is
// reached.
#include <assert.h>

#include "inflate.h"

// Forward LZ77 copy of n bytes. Whole words are moved while a word read at
// src cannot see a byte this copy has yet to write: when src lies ahead of
// dst (the wrapped source, or distance 32768), or at least 8 bytes behind.
// Closer overlaps repeat a short pattern and go byte by byte.
static inline void copyMatch(uint8_t* dst, const uint8_t* src, uint32_t n) {
    if (src >= dst || dst - src >= 8) {
        for (; n >= 8; n -= 8, src += 8, dst += 8) {
            uint64_t word;
            memcpy(&word, src, 8);
            memcpy(dst, &word, 8);
        }
    }
    while (n--) *dst++ = *src++;
}

// Room the fast loop keeps before the limit: a longest match and the
// bytes its copy may store past the match's end.
enum : uint32_t { kCopySlack = 32, kFastRoom = 258 + kCopySlack };

#if MSZIP_FAST_LOOP
enum class FastResult { NearEnd, BlockEnd, Failed };

// A table entry as one word: code bits in bits 0-7 (at most 16, so bits 6
// and 7 are clear and `word & 63` is the count), kind in 8-15, value in
// 16-31.
static_assert(sizeof(HuffmanEntry) == 4, "an entry is one 32-bit word");
static_assert(kBitWordBits == 64, "the fast loop refills a 64-bit buffer");
static inline uint32_t EntryWord(const HuffmanEntry* table, BitWord index) {
    uint32_t w;
    memcpy(&w, table + index, 4);
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
    w = (uint32_t)table[index].bits | (uint32_t)table[index].kind << 8 |
        (uint32_t)table[index].value << 16;
#endif
    return w;
}
#define ENTRY_BITS(w) ((w) & 63)
#define ENTRY_KIND(w) (((w) >> 8) & 0xFF)
#define ENTRY_VALUE(w) ((w) >> 16)

// mask(n) = 2^n - 1, for n = 0..16: one load instead of a shift and a
// decrement on the loop's critical path.
static const uint32_t kLowMask[17] = {0,     1,     3,     7,      15,    31,    63,
                                      127,   255,   511,   1023,   2047,  4095,  8191,
                                      16383, 32767, 65535};

// Stands in for the table of an empty distance set: any match fails.
static const HuffmanEntry kNoDistances[1] = {{0, kKindInvalid, 0}};

// A match that reaches into the previous frame, in the buffer's tail: copied
// up to the buffer's end, then on from its start. Rare; kept out of the loop.
static __attribute__((noinline)) uint8_t* copyWrapped(uint8_t* out, uint8_t* window,
                                                      uint32_t dist, uint32_t length) {
    const uint8_t* src = out + (kHistorySize - dist);
    uint32_t first = (uint32_t)(window + kHistorySize - src);
    if (first > length) first = length;
    copyMatch(out, src, first);
    copyMatch(out + first, window, length - first);
    return out + length;
}

// The widened root of a dynamic block's table (kRootBits wide): index bits
// 0..kRootBits-1 pick the entry of the root and the two bits above them are
// the two bits after it. An entry that decodes a code is repeated in all
// four quarters. A reference to a sub-table is resolved, in each quarter
// whose two bits settle the code (codes of at most kRootBits + 2 bits), into
// the sub-table's entry with the bits of both levels added up; elsewhere it
// stays the reference, and the fast loop follows it into the table as
// before. Longer codes, the unowned patterns and every decoded value are
// thus the same as through the narrower table.
template <uint32_t kRootBits>
static void widenRoot(const HuffmanEntry* table, HuffmanEntry* wide) {
    enum : uint32_t { kQuarter = 1u << kRootBits };
    static_assert(kWideLiteralLookupBits == kLiteralLookupBits + 2, "two more bits: four quarters");
    static_assert(kWideDistanceLookupBits == kDistanceLookupBits + 2, "two more bits: four quarters");
    memcpy(wide, table, kQuarter * sizeof *table);
    memcpy(wide + kQuarter, wide, kQuarter * sizeof *table);
    memcpy(wide + 2 * kQuarter, wide, 2 * kQuarter * sizeof *table);
    for (uint32_t r = 0; r < kQuarter; r++) {
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
        // Four entries at a time, skipped together unless one is a reference
        // (kind above 16; kinds are at most 99, so adding 111 to a kind byte
        // sets its top bit exactly then, and carries into no other byte).
        if ((r & 3) == 0) {
            const uint64_t kMask = 0x0000FF000000FF00ull, kAdd = 0x00006F0000006F00ull;
            uint64_t a, b;
            memcpy(&a, table + r, 8);
            memcpy(&b, table + r + 2, 8);
            if (((((a & kMask) + kAdd) | ((b & kMask) + kAdd)) & 0x0000800000008000ull) == 0) {
                assert(table[r].kind <= kKindLiteral && table[r + 1].kind <= kKindLiteral &&
                       table[r + 2].kind <= kKindLiteral && table[r + 3].kind <= kKindLiteral);
                r += 3;
                continue;
            }
        }
#endif
        const HuffmanEntry link = table[r];
        if (link.kind <= kKindLiteral || link.kind == kKindInvalid) continue;
        // The sub-table's first min(j, 2) index bits are this quarter's.
        const uint32_t j = link.kind - kKindSubTable;
        const uint32_t known = j < 2 ? j : 2;
        const HuffmanEntry* sub = table + link.value;
        assert(link.bits == kRootBits);
        for (uint32_t q = 0; q < 4; q++) {
            HuffmanEntry entry = sub[q & ((1u << known) - 1)];
            if (entry.kind > kKindLiteral || entry.bits > known) continue;
            entry.bits = (uint8_t)(entry.bits + link.bits);
            wide[r + q * kQuarter] = entry;
        }
    }
}

// Fast loop, for 64-bit builds. It runs while at least a word of input is
// left and the limit is at least kFastRoom bytes away, so every refill is
// one unaligned load and nothing tests the input or the limit but the test
// at the bottom of each pass. Invariants, asserted in debug builds:
//  - At the top of a pass the buffer holds at least 56 bits and `entry` is
//    the root literal/length entry of its low bits. The root is `literal`,
//    or for a dynamic block its 11-bit widening (widenRoot); either way
//    sub-tables are looked up in `literalPool`. Likewise the distance root
//    is `distance` or its 8-bit widening, its sub-tables in `distancePool`.
//    A refill only adds bits above those held, so an entry looked up
//    before it stays valid.
//  - 56 bits cover the most one pass decodes: a length code (at most 15
//    bits) with 5 extra bits and a distance code (15) with 13 extra bits,
//    48 in all; or four literals resolved by the root table (at most 11
//    bits each), after which 12 bits remain, enough to look the next entry
//    up in a root table of at most 11 bits.
//  - One pass writes at most 258 bytes, plus up to kCopySlack - 1 past them
//    (the last words of a copy), within kFastRoom.
// Stops at the end of the block, on invalid data, or near either end (the
// caller goes on with the careful loop from the same state, which decodes
// the same codes the same way).
// kWidth: the root's width when known at compile time (the widened root),
// else 0 and the width comes in literalWidth.
template <uint32_t kWidth>
static FastResult decodeLoop(BitReader& in, uint8_t*& outRef, uint32_t& remainingRef,
                             uint8_t* const window, bool historyFull, const HuffmanEntry* literal,
                             const HuffmanEntry* literalPool, const HuffmanEntry* distance,
                             const HuffmanEntry* distancePool, uint32_t literalWidth,
                             uint32_t distanceWidth) {
// The next n bits (n <= 16), and the n bits after the next `skip` ones.
#define FAST_PEEK(n) ((uint32_t)bitBuffer & kLowMask[n])
#define FAST_PEEK_AFTER(skip, n) ((uint32_t)(bitBuffer >> (skip)) & kLowMask[n])
// bitCount: the number of bits held is its low byte (at most 63); the bits
// above are left over from dropping whole entries, which spares a mask.
#define HELD (bitCount & 0xFF)
#define DROP(n) (bitBuffer >>= (n), bitCount -= (n))
#define DROP_ENTRY(w) (bitBuffer >>= ENTRY_BITS(w), bitCount -= (w))
    FastResult result = FastResult::NearEnd;
    const uint8_t* const input = in.input;
    const uint8_t* inNext = input + in.inputPos;
    uint32_t bitCount = in.bitCount;
    BitWord bitBuffer = in.bitBuffer;
    uint8_t* out = outRef;
    const uint32_t remaining = remainingRef;
    BitWord literalMask;
    const BitWord distanceMask = ((BitWord)1 << distanceWidth) - 1;
    const uint8_t* inFastEnd;
    uint8_t* outFastEnd;
    uint32_t entry, length, dist, kind;

    if (kWidth) literalWidth = kWidth;
    literalMask = ((BitWord)1 << literalWidth) - 1;
    // A pass starts only while out <= outFastEnd and inNext <= inFastEnd.
    outFastEnd = out + (remaining - kFastRoom);
    inFastEnd = input + (in.inputSize - sizeof(BitWord));
    assert(literalWidth >= 1 && literalWidth <= kWideLiteralLookupBits);
    assert(distanceWidth <= kWideDistanceLookupBits);

#define REFILL()                                                  \
    (assert(inNext <= inFastEnd),                                 \
     bitBuffer |= BitsLoadWord(inNext) << (bitCount & 63),        \
     inNext += 7 - ((bitCount >> 3) & 7), bitCount |= kBitWordBits - 8)
    REFILL();
    entry = EntryWord(literal, bitBuffer & literalMask);
    for (;;) {
        assert(HELD >= kBitWordBits - 8 && HELD < kBitWordBits);
        if (ENTRY_KIND(entry) == kKindLiteral) {
            // Literals resolved by the root table, up to four per refill.
            DROP_ENTRY(entry);
            *out++ = (uint8_t)ENTRY_VALUE(entry);
            entry = EntryWord(literal, bitBuffer & literalMask);
            if (ENTRY_KIND(entry) == kKindLiteral) {
                DROP_ENTRY(entry);
                *out++ = (uint8_t)ENTRY_VALUE(entry);
                entry = EntryWord(literal, bitBuffer & literalMask);
                if (ENTRY_KIND(entry) == kKindLiteral) {
                    DROP_ENTRY(entry);
                    *out++ = (uint8_t)ENTRY_VALUE(entry);
                    entry = EntryWord(literal, bitBuffer & literalMask);
                    if (ENTRY_KIND(entry) == kKindLiteral) {
                        DROP_ENTRY(entry);
                        *out++ = (uint8_t)ENTRY_VALUE(entry);
                        entry = EntryWord(literal, bitBuffer & literalMask);
                    }
                }
            }
            assert(HELD >= literalWidth);
            if (out > outFastEnd || inNext > inFastEnd) break;
            REFILL();
            continue;
        }
        kind = ENTRY_KIND(entry);
        if (kind >= kKindEndOfBlock) {
            // Not a length resolved by the root: the end of the block, or a
            // longer code, on through the sub-table (or an invalid entry).
            while (kind > kKindLiteral) {
                INFLATE_CHECK(kind != kKindInvalid);
                DROP_ENTRY(entry);
                entry = EntryWord(literalPool, ENTRY_VALUE(entry) + FAST_PEEK(kind - kKindSubTable));
                kind = ENTRY_KIND(entry);
            }
            if (kind == kKindLiteral) {
                DROP_ENTRY(entry);
                *out++ = (uint8_t)ENTRY_VALUE(entry);
                entry = EntryWord(literal, bitBuffer & literalMask);
                goto next;
            }
            if (kind == kKindEndOfBlock) {
                DROP_ENTRY(entry);
                result = FastResult::BlockEnd;
                goto done;
            }
        }
        // A length: the code, then `kind` extra bits, dropped together.
        assert(kind <= 13);
        length = ENTRY_VALUE(entry) + FAST_PEEK_AFTER(ENTRY_BITS(entry), kind);
        DROP(ENTRY_BITS(entry) + kind);

        // An empty distance set came in as a table whose one entry is
        // invalid, so a match fails here as in the careful loop.
        entry = EntryWord(distance, bitBuffer & distanceMask);
        kind = ENTRY_KIND(entry);
        if (kind > kKindLiteral) {
            do {
                INFLATE_CHECK(kind != kKindInvalid);
                DROP_ENTRY(entry);
                entry = EntryWord(distancePool, ENTRY_VALUE(entry) + FAST_PEEK(kind - kKindSubTable));
                kind = ENTRY_KIND(entry);
            } while (kind > kKindLiteral);
        }
        // Distance codes are all base-and-extra-bits symbols.
        assert(kind <= 13);
        dist = ENTRY_VALUE(entry) + FAST_PEEK_AFTER(ENTRY_BITS(entry), kind);
        DROP(ENTRY_BITS(entry) + kind);

        // bitCount would have wrapped had the codes needed more than held.
        assert(HELD < kBitWordBits);
        // The next entry is looked up now, from the bits held, so that
        // neither the copy nor the refill delays it; it is looked up again
        // after the refill in the rare case that too few bits were left
        // (only codes through sub-tables consume that many).
        entry = EntryWord(literal, bitBuffer & literalMask);
        assert(length <= 258 && out + length + kCopySlack <= outFastEnd + kFastRoom);
        {
            // Whole words, possibly up to kCopySlack - 1 bytes past the
            // match's end; the kCopySlack bytes there are put back
            // afterwards, since they may be history that a later match still
            // reads. A 16-byte load at src holds only final bytes when the
            // distance is at least 16 (an 8-byte one at 8). Closer, each
            // store is right in its first `dist` bytes and the next store
            // starts there, so the pattern repeats.
            uint8_t* end = out + length;
            const uint8_t* src;
            // (Two 16-byte halves, which compilers keep in registers.)
            uint8_t saved[2][16], chunk[16];
            static_assert(sizeof saved == kCopySlack, "the bytes past a match are saved");
            uint64_t word, word2;
            if (__builtin_expect((uintptr_t)out - dist < (uintptr_t)window, 0)) {
                // Into the previous frame, in the buffer's tail. The source
                // then lies at or ahead of `out`, so no load sees a byte this
                // match stores, and it is copied as a far match when the
                // loads (at most length + kCopySlack - 1 bytes from src) stay
                // inside the buffer. Otherwise it runs up to the buffer's end
                // and on from its start.
                INFLATE_CHECK(historyFull);
                src = out + (kHistorySize - dist);
                if ((uint32_t)(window + kHistorySize - src) < length + kCopySlack) {
                    out = copyWrapped(out, window, dist, length);
                    goto next;
                }
                assert(src >= out && (uint32_t)(window + kHistorySize - src) >= length + kCopySlack);
                dist = kHistorySize;
            } else {
                src = out - dist;
            }
            memcpy(saved[0], end, 16);
            memcpy(saved[1], end + 16, 16);
            if (dist >= 16) {
                // Two chunks unconditionally: most matches are shorter.
                memcpy(chunk, src, 16);
                memcpy(out, chunk, 16);
                memcpy(chunk, src + 16, 16);
                memcpy(out + 16, chunk, 16);
                for (uint32_t at = 32; at < length; at += 16) {
                    memcpy(chunk, src + at, 16);
                    memcpy(out + at, chunk, 16);
                }
            } else if (dist >= 8) {
                do {
                    memcpy(&word, src, 8);
                    memcpy(out, &word, 8);
                    memcpy(&word2, src + 8, 8);
                    memcpy(out + 8, &word2, 8);
                    src += 16;
                    out += 16;
                } while (out < end);
            } else if (dist == 1) {
                word = 0x0101010101010101ull * *src;
                do {
                    memcpy(out, &word, 8);
                    memcpy(out + 8, &word, 8);
                    out += 16;
                } while (out < end);
            } else {
                do {
                    memcpy(&word, src, 8);
                    memcpy(out, &word, 8);
                    src += dist;
                    out += dist;
                } while (out < end);
            }
            memcpy(end, saved[0], 16);
            memcpy(end + 16, saved[1], 16);
            out = end;
        }
    next:
        // `entry` was looked up from the bits held; it is the right one
        // unless fewer than literalWidth of them were real.
        if (out > outFastEnd || inNext > inFastEnd) break;
        const bool stale = HELD < literalWidth;
        REFILL();
        if (stale) entry = EntryWord(literal, bitBuffer & literalMask);
    }
    goto done;
fail:
    result = FastResult::Failed;
done:
    in.inputPos = (uint32_t)(inNext - input);
    in.bitCount = HELD;
    in.bitBuffer = bitBuffer;
    remainingRef = remaining - (uint32_t)(out - outRef);
    outRef = out;
    return result;
#undef FAST_PEEK
#undef FAST_PEEK_AFTER
#undef HELD
#undef DROP
#undef DROP_ENTRY
#undef REFILL
}

// widened: the state whose pool holds a dynamic block's tables, and whose
// widened roots the loop then uses; null for the fixed code, whose codes all
// fit its roots.
static FastResult decodeFast(BitReader& in, uint8_t*& outRef, uint32_t& remainingRef,
                             uint8_t* const window, bool historyFull, const HuffmanEntry* literalPool,
                             InflateState* widened, const HuffmanEntry* distancePool,
                             uint32_t literalWidth, uint32_t distanceWidth) {
    if (remainingRef < kFastRoom || in.inputSize - in.inputPos < sizeof(BitWord))
        return FastResult::NearEnd;
    const HuffmanEntry* distance = distancePool;
    if (distanceWidth == 0) {
        distance = distancePool = kNoDistances;
    } else if (widened && distanceWidth == kDistanceLookupBits) {
        widenRoot<kDistanceLookupBits>(distancePool, widened->wideDistance);
        distance = widened->wideDistance;
        distanceWidth = kWideDistanceLookupBits;
    }
    if (widened && literalWidth == kLiteralLookupBits) {
        widenRoot<kLiteralLookupBits>(literalPool, widened->wideLiteral);
        return decodeLoop<kWideLiteralLookupBits>(in, outRef, remainingRef, window, historyFull,
                                                  widened->wideLiteral, literalPool, distance,
                                                  distancePool, kWideLiteralLookupBits,
                                                  distanceWidth);
    }
    return decodeLoop<0>(in, outRef, remainingRef, window, historyFull, literalPool, literalPool,
                         distance, distancePool, literalWidth, distanceWidth);
}
#undef ENTRY_BITS
#undef ENTRY_KIND
#undef ENTRY_VALUE
#endif

// The entry of the next code of a table (its root of `width` bits, then
// sub-tables), with the code's bits consumed; kind kKindInvalid for a bit
// pattern that belongs to no code.
static inline HuffmanEntry takeEntry(BitReader& in, const HuffmanEntry* table, uint32_t width) {
    BitsNeed(in, width);
    HuffmanEntry entry = table[BitsPeek(in, width)];
    while (entry.kind > kKindLiteral && entry.kind != kKindInvalid) {
        BitsDrop(in, entry.bits);
        BitsNeed(in, entry.kind - kKindSubTable);
        entry = table[entry.value + BitsPeek(in, entry.kind - kKindSubTable)];
    }
    if (entry.kind != kKindInvalid) BitsDrop(in, entry.bits);
    return entry;
}

bool inflateCodes(InflateState* s, const HuffmanEntry* literal, const HuffmanEntry* distance,
                  uint32_t literalWidth, uint32_t distanceWidth) {
    BitReader in = s->in;
    uint8_t* out = s->outCursor;
    uint8_t* const window = s->windowStart;
    uint32_t remaining = s->remaining;
    HuffmanEntry entry;
    uint32_t length, dist, n;
    const uint8_t* src;

    INFLATE_CHECK(literalWidth > 0);
#if MSZIP_FAST_LOOP
    // Only a dynamic block's tables (in the state's pool) are widened: the
    // fixed code has no codes longer than its roots.
    switch (decodeFast(in, out, remaining, window, s->historyFull != 0, literal,
                       literal == s->tablePool ? s : nullptr, distance,
                       literalWidth, distanceWidth)) {
        case FastResult::Failed: goto fail;
        case FastResult::BlockEnd: goto blockEnd;
        case FastResult::NearEnd: break;
    }
#endif
    for (;;) {
        entry = takeEntry(in, literal, literalWidth);
        INFLATE_CHECK(entry.kind != kKindInvalid);
        if (entry.kind == kKindLiteral) {
            *out++ = (uint8_t)entry.value;
            if (--remaining == 0) goto full;
            continue;
        }
        if (entry.kind == kKindEndOfBlock) goto blockEnd;

        BitsNeed(in, entry.kind);
        length = entry.value + BitsPeek(in, entry.kind);
        BitsDrop(in, entry.kind);

        INFLATE_CHECK(distanceWidth > 0);
        entry = takeEntry(in, distance, distanceWidth);
        INFLATE_CHECK(entry.kind != kKindInvalid);
        BitsNeed(in, entry.kind);
        dist = entry.value + BitsPeek(in, entry.kind);
        BitsDrop(in, entry.kind);

        INFLATE_CHECK(length <= remaining || !s->wholeFrame);  // runs past the frame's limit
        n = length < remaining ? length : remaining;
        remaining -= n;
        if ((uintptr_t)out - dist >= (uintptr_t)window) {
            copyMatch(out, out - dist, n);
            out += n;
        } else {
            // Reaches into the previous frame, in the buffer's tail: copy up
            // to the buffer's end, then go on from its start.
            INFLATE_CHECK(s->historyFull);
            src = out + (kHistorySize - dist);
            uint32_t first = (uint32_t)(window + kHistorySize - src);
            if (first > n) first = n;
            copyMatch(out, src, first);
            copyMatch(out + first, window, n - first);
            out += n;
        }
        if (remaining == 0) goto full;
    }
full:
    // The limit is reached. At the frame's own limit the block must end
    // here: any further literal or match would be more than a frame holds.
    if (s->wholeFrame) INFLATE_CHECK(takeEntry(in, literal, literalWidth).kind == kKindEndOfBlock);
blockEnd:
    s->in = in;
    s->outCursor = out;
    s->remaining = remaining;
    return true;
fail:
    return false;
}
