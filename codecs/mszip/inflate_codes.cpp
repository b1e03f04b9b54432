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
// the copy's source wraps from the buffer's last byte to its first. The
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

// Room the fast loop needs before the limit: a longest match and a word.
enum : uint32_t { kFastRoom = 258 + 8 };

#if MSZIP_FAST_LOOP
enum class FastResult { NearEnd, BlockEnd, Failed };

// Fast loop, for 64-bit builds: while a word of input is left and the limit
// is more than a longest match away, one refill per code gives at least 56
// bits, enough for a length and a distance code with their extra bits (at
// most 48), so no further test of the input is needed. The bit reader lives
// in plain locals here so that it stays in registers. Stops at the end of
// the block, on invalid data, or near either end (the caller goes on).
static FastResult decodeFast(BitReader& in, uint8_t*& outRef, uint32_t& remainingRef,
                             uint8_t* const window, const HuffmanEntry* literal,
                             const HuffmanEntry* distance, uint32_t literalWidth,
                             uint32_t distanceWidth) {
#define PEEK(n) (uint32_t)(bitBuffer & (((BitWord)1 << (n)) - 1))
#define DROP(n) (bitBuffer >>= (n), bitCount -= (n))
    FastResult result = FastResult::NearEnd;
    const uint8_t* const input = in.input;
    const uint32_t inputSize = in.inputSize;
    uint32_t inputPos = in.inputPos, bitCount = in.bitCount;
    BitWord bitBuffer = in.bitBuffer;
    uint8_t* out = outRef;
    uint32_t remaining = remainingRef, length, dist;
    const uint8_t* src;
    HuffmanEntry entry;

#define FAST_ROOM (remaining >= kFastRoom && inputSize - inputPos >= sizeof(BitWord))
#define REFILL()                                                  \
    (assert(inputSize - inputPos >= sizeof(BitWord)),             \
     bitBuffer |= BitsLoadWord(input + inputPos) << bitCount,     \
     inputPos += (kBitWordBits - 1 - bitCount) >> 3, bitCount |= kBitWordBits - 8)
    if (!FAST_ROOM) goto done;
    REFILL();
    entry = literal[PEEK(literalWidth)];
    for (;;) {
        if (entry.kind == kKindLiteral) {
            // The most frequent case: a literal decoded by the root table.
            DROP(entry.bits);
            *out++ = (uint8_t)entry.value;
            remaining--;
            goto next;
        }
        while (entry.kind > kKindLiteral) {
            INFLATE_CHECK(entry.kind != kKindInvalid);
            DROP(entry.bits);
            entry = literal[entry.value + PEEK(entry.kind - kKindSubTable)];
        }
        DROP(entry.bits);
        if (entry.kind == kKindLiteral) {
            *out++ = (uint8_t)entry.value;
            remaining--;
            goto next;
        }
        if (entry.kind == kKindEndOfBlock) {
            result = FastResult::BlockEnd;
            goto done;
        }
        length = entry.value + PEEK(entry.kind);
        DROP(entry.kind);

        INFLATE_CHECK(distanceWidth > 0);
        entry = distance[PEEK(distanceWidth)];
        while (entry.kind > kKindLiteral) {
            INFLATE_CHECK(entry.kind != kKindInvalid);
            DROP(entry.bits);
            entry = distance[entry.value + PEEK(entry.kind - kKindSubTable)];
        }
        DROP(entry.bits);
        dist = entry.value + PEEK(entry.kind);
        DROP(entry.kind);

        // The 56 bits of the refill covered both codes and their extra bits
        // (bitCount would have wrapped otherwise), and the limit leaves room
        // for the longest match and the word stored past its end.
        assert(bitCount < kBitWordBits);
        assert(length <= 258 && remaining >= length + 8);
        remaining -= length;
        if (dist <= (uint32_t)(out - window)) {
            // Whole words, possibly past the match's end; the 8 bytes there
            // are put back afterwards, since they may be history that a
            // later match still reads. Closer than a word, each store is
            // right in its first `dist` bytes and the next store starts
            // there, so the pattern repeats.
            uint8_t* end = out + length;
            uint64_t saved, word;
            memcpy(&saved, end, 8);
            src = out - dist;
            if (dist >= 8) {
                do {
                    memcpy(&word, src, 8);
                    memcpy(out, &word, 8);
                    src += 8;
                    out += 8;
                } while (out < end);
            } else if (dist == 1) {
                word = 0x0101010101010101ull * *src;
                do {
                    memcpy(out, &word, 8);
                    out += 8;
                } while (out < end);
            } else {
                do {
                    memcpy(&word, src, 8);
                    memcpy(out, &word, 8);
                    src += dist;
                    out += dist;
                } while (out < end);
            }
            memcpy(end, &saved, 8);
            out = end;
        } else {
            src = out + (kHistorySize - dist);
            uint32_t first = (uint32_t)(window + kHistorySize - src);
            if (first > length) first = length;
            copyMatch(out, src, first);
            copyMatch(out + first, window, length - first);
            out += length;
        }
    next:
        // At most 48 bits were used since the last refill.
        assert(bitCount < kBitWordBits);
        if (!FAST_ROOM) break;
        REFILL();
        entry = literal[PEEK(literalWidth)];
    }
    goto done;
fail:
    result = FastResult::Failed;
done:
    in.inputPos = inputPos;
    in.bitCount = bitCount;
    in.bitBuffer = bitBuffer;
    outRef = out;
    remainingRef = remaining;
    return result;
#undef PEEK
#undef DROP
#undef FAST_ROOM
#undef REFILL
}
#endif

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
    switch (decodeFast(in, out, remaining, window, literal, distance, literalWidth,
                       distanceWidth)) {
        case FastResult::Failed: goto fail;
        case FastResult::BlockEnd: goto blockEnd;
        case FastResult::NearEnd: break;
    }
#endif
    for (;;) {
        BitsNeed(in, literalWidth);
        entry = literal[BitsPeek(in, literalWidth)];
        while (entry.kind > kKindLiteral) {
            INFLATE_CHECK(entry.kind != kKindInvalid);
            BitsDrop(in, entry.bits);
            BitsNeed(in, entry.kind - kKindSubTable);
            entry = literal[entry.value + BitsPeek(in, entry.kind - kKindSubTable)];
        }
        BitsDrop(in, entry.bits);
        if (entry.kind == kKindLiteral) {
            *out++ = (uint8_t)entry.value;
            if (--remaining == 0) break;
            continue;
        }
        if (entry.kind == kKindEndOfBlock) goto blockEnd;

        BitsNeed(in, entry.kind);
        length = entry.value + BitsPeek(in, entry.kind);
        BitsDrop(in, entry.kind);

        INFLATE_CHECK(distanceWidth > 0);
        BitsNeed(in, distanceWidth);
        entry = distance[BitsPeek(in, distanceWidth)];
        while (entry.kind > kKindLiteral) {
            INFLATE_CHECK(entry.kind != kKindInvalid);
            BitsDrop(in, entry.bits);
            BitsNeed(in, entry.kind - kKindSubTable);
            entry = distance[entry.value + BitsPeek(in, entry.kind - kKindSubTable)];
        }
        BitsDrop(in, entry.bits);
        BitsNeed(in, entry.kind);
        dist = entry.value + BitsPeek(in, entry.kind);
        BitsDrop(in, entry.kind);

        n = length < remaining ? length : remaining;
        remaining -= n;
        if (dist <= (uint32_t)(out - window)) {
            copyMatch(out, out - dist, n);
            out += n;
        } else {
            // Reaches into the previous frame, in the buffer's tail: copy up
            // to the buffer's end, then go on from its start.
            src = out + (kHistorySize - dist);
            uint32_t first = (uint32_t)(window + kHistorySize - src);
            if (first > n) first = n;
            copyMatch(out, src, first);
            copyMatch(out + first, window, n - first);
            out += n;
        }
        if (remaining == 0) break;
    }
blockEnd:
    s->in = in;
    s->outCursor = out;
    s->remaining = remaining;
    return true;
fail:
    return false;
}
