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
        if (entry.kind == kKindEndOfBlock) break;

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
    s->in = in;
    s->outCursor = out;
    s->remaining = remaining;
    return true;
fail:
    return false;
}
