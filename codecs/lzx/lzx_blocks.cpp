// LZX blocks inside one frame: block headers, literals and matches of
// verbatim and aligned-offset blocks, and uncompressed blocks.
//
// A block header is a 3-bit type and a 24-bit uncompressed size; the very
// first header of a stream is preceded by the E8 header (one bit, and a
// 32-bit translation size when it is 1). A block may end inside a frame or
// run on through any number of frames: its type, remaining size, trees and
// the repeated offsets R0-R2 stay in the state between calls.
//
// Verbatim and aligned-offset blocks code main-tree symbols: 0-255 literal
// bytes, 256 + 8 * slot + header a match. The length is header + 2, where a
// header of 7 is extended by a length-tree symbol (lengths 2 to 257). Slots
// 0-2 repeat R0, R1, R2; larger slots carry a distance base plus footer bits,
// and in aligned-offset blocks the low 3 footer bits of slots with 3 or more
// footer bits come from the aligned-offset tree instead.
//
// Uncompressed blocks hold raw bytes, after padding to a 16-bit boundary and
// the three repeated offsets as 32-bit values; an odd-sized block is followed
// by a pad byte, and the bit reader restarts after the block.
//
// The window is written without wrapping inside a frame. Bytes stored at
// indexes 0-256 are also stored in the `mirror` after the window's end, so a
// match whose source runs past the window's end reads on linearly without a
// mask: positions below 257 (the start of each pass) are decoded by the
// mirroring variant, everything else by the plain variant.
#include <assert.h>
#include <string.h>

#include "lzx_bits.h"

// Copies a match inside the window without masking: the source never
// reaches past windowSize + 256, inside the mirror.
LZX_INLINE void CopyMatch(uint8_t* window, uint32_t i, uint32_t from, uint32_t length) {
    // A source ahead of the destination (the previous pass) holds only
    // bytes this copy has not yet written, so copying forward reads them
    // unchanged: whole words at once when it is 8 or more bytes ahead (the
    // words read are never the ones written), a plain move when closer. A
    // source less than 8 bytes behind repeats a short pattern: the bytes are
    // periodic, so after the first period (widened to 8 or more) whole words
    // copy the same bytes as a byte-by-byte forward copy.
    uint8_t* dst = window + i;
    const uint8_t* src = window + from;
    uint32_t left = length;
    const uint32_t gap = i - from;  // 2^32 - 8 or more when the source is 8 or more ahead
    if (from > i && from - i < 8) {
        memmove(dst, src, left);
    } else if (gap == 1) {
        memset(dst, dst[-1], left);
    } else if (gap < 8) {
        if (gap != 0) {  // 0: a copy onto itself changes nothing
            uint32_t step = gap;
            while (step < 8) step += gap;
            const uint32_t head = left < step ? left : step;
            for (uint32_t k = 0; k < head; ++k) dst[k] = src[k];
            dst += head;
            left -= head;
            src = dst - step;
            for (; left >= 8; left -= 8, dst += 8, src += 8) memcpy(dst, src, 8);
            while (left--) *dst++ = *src++;
        }
    } else {
        for (; left >= 8; left -= 8, dst += 8, src += 8) memcpy(dst, src, 8);
        // The rest, never writing past the match's end: the next window
        // bytes may still be read as the previous pass.
        if (left) {
            if (length >= 8) {  // one last word, ending at the match's end
                memcpy(dst + left - 8, src + left - 8, 8);
            } else if (left >= 4) {
                memcpy(dst, src, 4);
                memcpy(dst + left - 4, src + left - 4, 4);
            } else {
                while (left--) *dst++ = *src++;
            }
        }
    }
}

#ifdef LZX_FAST_LOOP
// A match whose source lies 16 or more bytes behind or ahead of its
// destination, so that no bytes read by one 16-byte move are written by it.
// No byte outside the match's destination changes: bytes past its end may
// still be read as the previous pass, or be the mirror.
LZX_INLINE void CopyFar(uint8_t* dst, const uint8_t* src, uint32_t length) {
    typedef uint8_t Bytes16 __attribute__((vector_size(16)));
    if (length <= 32) {
        // Up to 32 bytes, the lengths of nearly all matches, without a
        // branch on the length: two 16-byte moves, each blending the
        // source's bytes below the length with the destination's own bytes
        // beyond it, which are stored back unchanged. The second move's
        // source may be what the first wrote (a distance of 16 to 31), so
        // it is loaded after that store. The 32 bytes read from each lie in
        // the window or its mirror: both indexes are below windowSize (a
        // source index is masked), so neither read ends past windowSize + 31.
        // The masks of the bytes taken: 32 bytes from kTake + 32 - length,
        // which are 0xFF for the first `length` and 0 after.
        static const uint8_t kTake[64] = {
            0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
            0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
            0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
        assert(length >= kLzxMinMatch);  // the 32 bytes read lie in kTake
        const uint8_t* const take = kTake + 32 - length;
        Bytes16 from, old, take0, take1;
        memcpy(&from, src, 16);
        memcpy(&old, dst, 16);
        memcpy(&take0, take, 16);
        const Bytes16 out0 = (from & take0) | (old & ~take0);
        memcpy(dst, &out0, 16);
        memcpy(&from, src + 16, 16);
        memcpy(&old, dst + 16, 16);
        memcpy(&take1, take + 16, 16);
        const Bytes16 out1 = (from & take1) | (old & ~take1);
        memcpy(dst + 16, &out1, 16);
    } else {
        // 16-byte pieces, the last ending at the match's end (bytes it
        // writes again are already final).
        memcpy(dst, src, 16);
        for (uint32_t k = 16; k + 16 < length; k += 16) memcpy(dst + k, src + k, 16);
        memcpy(dst + length - 16, src + length - 16, 16);
    }
}
#endif

// Decodes symbols at window index *position until it reaches target. A
// match may run past target but never past end (the end of the chunk being
// decoded). `mirroring` is a constant at each call: the mirroring variant
// masks every source index and mirrors destinations below 257; the plain
// variant copies straight, relying on the mirror.
LZX_INLINE bool DecodeSymbols(LzxState* s, LzxBits* bits, uint32_t* position, uint32_t target,
                              uint32_t end, bool aligned, bool mirroring) {
    LzxBits b = *bits;
    uint8_t* const window = s->window;
    const uint32_t mask = s->windowMask, windowSize = s->windowSize;
    uint32_t r0 = s->repeatedOffsets[0], r1 = s->repeatedOffsets[1], r2 = s->repeatedOffsets[2];
    uint32_t i = *position;
    bool ok = false;

#ifdef LZX_FAST_LOOP
    // The same decoding with the 64-bit reader, while at least 32 input
    // bytes remain (the refills of one pass through the loop, at most two of
    // up to 7 bytes each, and the one at the end read no further): no input
    // test and no zero bytes past the input's end can come into play there.
    if (!mirroring && i < target && target - i >= 3 && b.end - b.cursor >= 32 &&
        (uint32_t)(b.end - s->inputStart) <= kLzxSwapCapacity) {
        // The reader's words lie at even offsets from the input's start,
        // or at odd ones after an uncompressed block that began in an
        // earlier frame and ended at an odd offset here; the copy swaps the
        // bytes of the words as the reader sees them. The offsets keep their
        // parity for the rest of the call (uncompressed blocks are padded to
        // even sizes), so the copy is made once per call.
        const uint32_t parity = (uint32_t)(b.cursor - s->inputStart) & 1;
        const uint8_t* const start = s->inputStart + parity;
        uint8_t* const swapped = s->swapped + parity;
        if (s->inputSwapped != 1 + parity) {
            SwapInputWords(swapped, start, (uint32_t)(b.end - start));
            s->inputSwapped = (uint8_t)(1 + parity);
        }
        LzxWideBits w;
        WidenBits(&w, &b, start, swapped);
        const uint8_t* const swappedEnd = swapped + (b.end - start);
        const uint8_t* const fastEnd = swappedEnd - 32;
        const int16_t* const mainTable = s->mainTable;
        const uint16_t* const mainPacked = s->mainPacked;
        const LzxNode* const mainNodes = s->mainNodes;
        const uint8_t* const mainLengths = s->mainLengths;
        // The loop starts a pass only 3 or more bytes before target, so the
        // two literals a pass may hold need no test; the portable loop
        // decodes the last few symbols.
        const uint32_t literalEnd = target - 2;
        bool tooLong = false;
        // Each pass begins refilled, with the main-tree entry of its first
        // symbol already looked up. Every load of an entry comes before the
        // branches it would otherwise wait for, so that a mispredicted one
        // does not throw it away (it comes first in program order): after
        // a literal's code the next entry is looked up before the test for
        // a match (which leaves it unused), and a match looks up the next
        // entry before its copy. Entries are looked up from the bits held
        // before a refill (at least 16 are then counted, all a look-up
        // reads), so that no look-up waits for the refill's load.
        RefillWide(&w);
        uint32_t entry = PackedEntry(&w, mainPacked, kLzxMainPackedBits);
        do {
            // Each refill reads 8 bytes at the cursor and moves it on by at
            // most 7. A pass begins with the cursor at most 7 bytes past
            // fastEnd (the first after the refill before the loop, the others
            // by the loop's test) and refills at most twice; NarrowBits
            // refills once more. So no load ends more than 7 * 3 + 8 = 29
            // bytes past fastEnd, within the 32 bytes there.
            assert(w.cursor + 8 <= swappedEnd);
            // 56 bits: a pass takes two literals' codes and refills, or at
            // most one literal's and a match's main code (16 bits at most
            // each), which leave 24.
            assert(w.have >= 56);
            // Two literals fit before target (see literalEnd).
            assert(i + 3 <= target);
            uint32_t sym = DecodeEntry(&w, entry, mainTable, mainNodes, mainLengths, kLzxMainBits);
            entry = PackedEntry(&w, mainPacked, kLzxMainPackedBits);
            if (sym < kLzxNumChars) {
                window[i++] = (uint8_t)sym;
                sym = DecodeEntry(&w, entry, mainTable, mainNodes, mainLengths, kLzxMainBits);
                entry = PackedEntry(&w, mainPacked, kLzxMainPackedBits);
                if (sym < kLzxNumChars) {
                    window[i++] = (uint8_t)sym;
                    RefillWide(&w);
                    continue;
                }
            }
            // A match. Its length code of up to 16 bits and a footer of up
            // to 21 (17 verbatim bits, or 14 and an aligned-offset code of up
            // to 7) follow: one refill covers both. Which of a length code,
            // a repeated offset or a new distance comes is data, as random
            // as literal or match, so they are taken without branches: the
            // length tree's entry is looked up whatever the header and used
            // (its code consumed, its symbol added) only for a header of 7
            // (an empty tree's entries are 0: no bits, nothing added).
            assert(w.have >= 24);
            sym -= kLzxNumChars;
            const uint32_t header = sym & 7, slot = sym >> 3;
            uint32_t lengthEntry = PackedEntry(&w, s->lengthPacked, kLzxLengthPackedBits);
            RefillWide(&w);
            assert(w.have >= 16 + 21 && w.cursor + 8 <= swappedEnd);
            const uint32_t extended = 0u - (uint32_t)(header == 7);
            if (__builtin_expect((lengthEntry & kLzxPackedLong & extended) != 0, 0))
                lengthEntry = LongEntry(&w, s->lengthTable, s->lengthNodes, s->lengthLengths,
                                        kLzxLengthBits);
            lengthEntry &= extended;
            TakeWide(&w, lengthEntry >> 10);
            const uint32_t length = header + (lengthEntry & 0x3FF) + kLzxMinMatch;
            assert(w.have >= 21);
            // Slots 0-3 have no footer bits, so every slot reads one; slots
            // 0-2 then take a repeated offset instead: 0 keeps R0-R2, 1 swaps
            // R0 and R1, 2 swaps R0 and R2, and a new distance moves R0 and
            // R1 down.
            const uint32_t extra = kLzxExtraBits[slot];
            uint32_t footer;
            if (aligned && extra >= 3) {
                footer = TakeWide(&w, extra - 3) << 3;
                const uint32_t a = s->alignedTable[w.bits >> (64 - kLzxAlignedBits)];
                TakeWide(&w, s->alignedLengths[a]);
                footer += a;
            } else {
                footer = TakeWide(&w, extra);
            }
            const bool repeat = slot < 3;
            const uint32_t distance =
                repeat ? (slot == 0 ? r0 : slot == 1 ? r1 : r2) : (uint32_t)kLzxPositionBase[slot] + footer;
            const uint32_t nextR1 = (slot == 0 || slot == 2) ? r1 : r0;
            const uint32_t nextR2 = slot == 2 ? r0 : repeat ? r2 : r1;
            r0 = distance;
            r1 = nextR1;
            r2 = nextR2;
            if (length > end - i) {
                tooLong = true;
                break;
            }
            const uint32_t from = (i - distance) & mask;
            assert(w.have >= 56 - 16 - 21);
            entry = PackedEntry(&w, mainPacked, kLzxMainPackedBits);
            RefillWide(&w);
            // The match ends inside the window, its source inside the mirror.
            assert(i >= kLzxMirrorSize);
            assert(i + length <= windowSize && from + length <= windowSize + kLzxMirrorSize);
            // The source lies 16 or more bytes behind or ahead of the
            // destination when the distance modulo the window is in 16 ..
            // windowSize - 16 (one test: that distance + 16 is in 32 ..
            // windowSize - 1; windowSize - 16 itself goes to CopyMatch).
            if (((distance + 16) & mask) >= 32) {
                assert(i - from >= 16 && from - i >= 16);
                // CopyFar's 32-byte reads stay inside the window and mirror.
                assert(i + 32 <= windowSize + kLzxMirrorSize && from + 32 <= windowSize + kLzxMirrorSize);
                CopyFar(window + i, window + from, length);
            } else {
                CopyMatch(window, i, from, length);
            }
            i += length;
        } while (i < literalEnd && w.cursor <= fastEnd);
        assert(w.cursor + 8 <= swappedEnd);
        NarrowBits(&b, &w, start, swapped);
        assert(b.count >= 1 && b.count <= 16);
        LZX_CHECK(!tooLong);
    }
#endif
    while (i < target) {
        uint32_t sym = (uint32_t)PeekSymbol(b.buffer, s->mainTable, s->mainNodes, kLzxMainBits);
        LZX_CHECK(b.cursor < b.limit);  // the loop's only input test
        DropBits(&b, s->mainLengths[sym]);
        if (sym < kLzxNumChars) {
            window[i] = (uint8_t)sym;
            if (mirroring) window[windowSize + i] = (uint8_t)sym;
            ++i;
            continue;
        }
        sym -= kLzxNumChars;
        uint32_t length = sym & 7, slot = sym >> 3, distance;
        if (length == 7) {
            uint32_t extra = (uint32_t)PeekSymbol(b.buffer, s->lengthTable, s->lengthNodes,
                                                  kLzxLengthBits);
            DropBits(&b, s->lengthLengths[extra]);
            length += extra;
        }
        length += kLzxMinMatch;

        if (slot == 0) {
            distance = r0;
        } else if (slot == 1) {
            distance = r1;
            r1 = r0;
            r0 = distance;
        } else if (slot == 2) {
            distance = r2;
            r2 = r0;
            r0 = distance;
        } else {
            uint32_t extra = kLzxExtraBits[slot];
            distance = (uint32_t)kLzxPositionBase[slot];
            if (aligned && extra >= 3) {
                if (extra > 3) distance += ReadBits(&b, extra - 3) << 3;
                uint32_t a = s->alignedTable[b.buffer >> (32 - kLzxAlignedBits)];
                DropBits(&b, s->alignedLengths[a]);
                distance += a;
            } else if (extra != 0) {
                distance += ReadBits(&b, extra);
            }
            r2 = r1;
            r1 = r0;
            r0 = distance;
        }

        // A match must end within the block and the requested output.
        LZX_CHECK(length <= end - i);
        uint32_t from = (i - distance) & mask;
        if (mirroring) {
            for (uint32_t k = 0; k < length; ++k) {
                uint8_t byte = window[(from + k) & mask];
                window[i + k] = byte;
                if (i + k < kLzxMirrorSize) window[windowSize + i + k] = byte;
            }
        } else {
            // Past the first 257 bytes (the mirroring variant's): the source
            // never runs past the mirror, and the match ends in the window.
            assert(i >= kLzxMirrorSize);
            assert(i + length <= windowSize && from + length <= windowSize + kLzxMirrorSize);
            CopyMatch(window, i, from, length);
        }
        i += length;
    }
    ok = true;
fail:
    s->repeatedOffsets[0] = r0;
    s->repeatedOffsets[1] = r1;
    s->repeatedOffsets[2] = r2;
    *position = i;
    *bits = b;
    return ok;
}

// DecodeVerbatim and DecodeAligned: count bytes at window index position.
// Where the fast loop is built, each of the two gets its own copy, so that
// the block type is a constant in it.
#ifdef LZX_FAST_LOOP
LZX_INLINE
#else
static
#endif
bool DecodeCompressed(LzxState* s, uint32_t position, uint32_t count, bool aligned) {
    const uint32_t end = position + count;
    uint32_t i = position;
    LzxBits b;
    LoadBits(&b, s);
    bool ok = true;
    if (i < kLzxMirrorSize) {
        uint32_t target = (count < kLzxMirrorSize - i) ? end : kLzxMirrorSize;
        ok = DecodeSymbols(s, &b, &i, target, end, aligned, true);
    }
    if (ok) ok = DecodeSymbols(s, &b, &i, end, end, aligned, false);
    StoreBits(s, &b);
    s->windowPosition = i & s->windowMask;
    return ok;
}

LZX_INLINE bool DecodeVerbatim(LzxState* s, uint32_t position, uint32_t count) {
    return DecodeCompressed(s, position, count, false);
}

LZX_INLINE bool DecodeAligned(LzxState* s, uint32_t position, uint32_t count) {
    return DecodeCompressed(s, position, count, true);
}

// The 32-bit little-endian value at p; bytes past the input's end read as 0.
static uint32_t InputLong(const uint8_t* p, const uint8_t* end) {
    return InputWord(p, end) | InputWord(p + 2, end) << 16;
}

static bool ReadUncompressedHeader(LzxState* s) {
    // The reader holds the rest of the current word and the whole next one,
    // so stepping back two bytes lands on the next 16-bit boundary (and
    // skips a whole word when the header ended exactly on one).
    const uint8_t* cursor = s->inputCursor;
    LZX_CHECK(cursor - s->inputStart >= 2);  // never step before the input
    cursor -= 2;
    // R0-R2 must lie inside the input: the 4 bytes past its end are only
    // the bit reader's look-ahead, never data.
    LZX_CHECK(s->inputEnd - cursor >= 12);
    for (int k = 0; k < 3; ++k) s->repeatedOffsets[k] = InputLong(cursor + 4 * k, s->inputEnd);
    s->inputCursor = cursor + 12;
    return true;
fail:
    return false;
}

static bool CopyUncompressed(LzxState* s, uint32_t position, uint32_t count) {
    const uint8_t* cursor = s->inputCursor;
    uint8_t* dst = s->window + position;
    // The raw bytes must lie inside the input (not in the look-ahead slack).
    LZX_CHECK(cursor <= s->inputEnd && count <= (uint32_t)(s->inputEnd - cursor));
    memcpy(dst, cursor, count);
    for (uint32_t k = position; k < position + count && k < kLzxMirrorSize; ++k)
        s->window[s->windowSize + k] = s->window[k];
    s->inputCursor = cursor + count;
    s->windowPosition = (position + count) & s->windowMask;
    return true;
fail:
    return false;
}

// Reads the next block header (and the stream's E8 header before the first).
static bool ReadBlockHeader(LzxState* s) {
    LzxBits b;
    LoadBits(&b, s);
    if (s->e8HeaderPending) {
        s->e8HeaderPending = 0;
        s->e8Size = 0;
        if (ReadBits(&b, 1)) {
            uint32_t high = ReadBits(&b, 16);
            s->e8Size = high << 16 | ReadBits(&b, 16);
        }
    }
    if (s->blockType == Uncompressed) {
        // After an uncompressed block: its pad byte (unless DecodeFrame
        // passed it already), then a fresh reader.
        if ((s->blockSize & 1) && !s->padTaken && b.cursor < b.limit) b.cursor++;
        s->padTaken = 0;
        s->blockType = kLzxBlockNone;
        PrimeBits(&b);
    }
    s->blockType = (int32_t)ReadBits(&b, 3);
    {
        uint32_t high = ReadBits(&b, 8), middle = ReadBits(&b, 8);
        s->blockSize = (int32_t)(high << 16 | middle << 8 | ReadBits(&b, 8));
    }
    s->blockRemaining = s->blockSize;
    StoreBits(s, &b);

    if (s->blockType == AlignedOffset) LZX_CHECK(ReadAlignedTree(s));
    if (s->blockType == Verbatim || s->blockType == AlignedOffset) {
        const uint32_t mainSymbols = kLzxNumChars + kLzxLengthHeaders * s->positionSlots;
        memcpy(s->previousMainLengths, s->mainLengths, mainSymbols);
        memcpy(s->previousLengthLengths, s->lengthLengths, kLzxLengthSymbols);
        LZX_CHECK(ReadTrees(s));
    } else {
        LZX_CHECK(s->blockType == Uncompressed);
        LZX_CHECK(ReadUncompressedHeader(s));
    }
    s->blockState = kLzxInsideBlock;
    return true;
fail:
    return false;
}

LZX_INLINE bool DecodeFrameWith(LzxState* s, uint32_t count) {
    while (count > 0) {
        if (s->blockState == kLzxHeaderDue) LZX_CHECK(ReadBlockHeader(s));
        while (s->blockRemaining > 0 && count > 0) {
            uint32_t chunk = (uint32_t)s->blockRemaining < count ? (uint32_t)s->blockRemaining : count;
            uint32_t position = s->windowPosition;
            if (s->blockType == Verbatim)
                LZX_CHECK(DecodeVerbatim(s, position, chunk));
            else if (s->blockType == AlignedOffset)
                LZX_CHECK(DecodeAligned(s, position, chunk));
            else
                LZX_CHECK(CopyUncompressed(s, position, chunk));
            s->blockRemaining -= (int32_t)chunk;
            count -= chunk;
        }
        if (s->blockRemaining == 0) {
            s->blockState = kLzxHeaderDue;
            // An uncompressed block of odd size is followed by a pad byte.
            // When the block's bytes end a data block, producers put the pad
            // either as that data block's last byte or as the next one's
            // first: a byte still left here is the pad, and the next data
            // block then starts with a header.
            if (s->blockType == Uncompressed && (s->blockSize & 1) &&
                s->inputCursor < s->inputEnd) {
                s->inputCursor++;
                s->padTaken = 1;
            }
        }
    }
    return true;
fail:
    return false;
}

#ifdef LZX_BMI2
// The same decoding compiled for BMI2 (see LZX_BMI2): everything inlined
// into it, the fast loop above all, is built again with that instruction set.
__attribute__((target("bmi2"))) static bool DecodeFrameBmi2(LzxState* s, uint32_t count) {
    return DecodeFrameWith(s, count);
}
#endif

bool DecodeFrame(LzxState* s, uint32_t count) {
#ifdef LZX_BMI2
    if (s->bmi2Loop) return DecodeFrameBmi2(s, count);
#endif
    return DecodeFrameWith(s, count);
}
