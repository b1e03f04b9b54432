// The DEFLATE bit reader of the MSZIP decoder.
//
// DEFLATE packs its fields least significant bit first: the next bit to
// consume is bit 0 of the buffer, and fetched bytes are placed above the bits
// already held. Past the last byte of a frame the stream reads as zero bits:
// that is no error, because the decoder always fetches a full lookup width
// before it matches a code, so a frame whose last code ends in its last byte
// is read past its end. A frame that really is cut short decodes zeros until
// a final block ends, the output limit is reached, or the zeros form
// something invalid (a stored block whose LEN does not match NLEN).
//
// The buffer is a 64- or 32-bit word (see BitWord). While at least a word of input is left it
// is refilled a word at a time with one unaligned load (the bytes that only
// partly fit are fetched again next time); near the end of the frame it is
// refilled byte by byte. Either way the bits consumed are exactly those of
// the byte stream followed by zeros, so the result does not depend on the
// word size or on how far ahead the reader has fetched.
//
// A reader is copied into the decoding loop's locals and written back when
// the loop leaves, so that these inline helpers keep it in registers.
#ifndef STUB_CODECS_MSZIP_INFLATE_BITS_H
#define STUB_CODECS_MSZIP_INFLATE_BITS_H

#include <stdint.h>
#include <string.h>

// 64-bit hosts hold 64 bits and decode most codes in the fast loop of
// inflate_codes.cpp; 32-bit hosts (the stub) and STUB_PORTABLE_CODECS builds
// hold 32 and use only the loop that tests the input before every field.
#if UINTPTR_MAX > 0xFFFFFFFFu && !defined(STUB_PORTABLE_CODECS)
#define MSZIP_FAST_LOOP 1
typedef uint64_t BitWord;
#else
#define MSZIP_FAST_LOOP 0
typedef uint32_t BitWord;
#endif
enum : uint32_t { kBitWordBits = sizeof(BitWord) * 8 };

struct BitReader {
    // First byte of the frame's DEFLATE data (just after "CK").
    const uint8_t* input;
    // Number of DEFLATE bytes in the frame.
    uint32_t inputSize;
    // Index of the next byte to fetch; never above inputSize.
    uint32_t inputPos;
    // Zero bytes fed after inputPos reached inputSize, in this frame. The
    // stream position of the next unconsumed bit is
    // 8 * (inputPos + overrun) - bitCount.
    uint32_t overrun;
    // Fetched bits not yet consumed; the next bit is bit 0. Bits at and above
    // bitCount are either zero or the stream's following bits, so a refill
    // may OR new bytes in without clearing first.
    BitWord bitBuffer;
    // Number of valid bits in bitBuffer.
    uint32_t bitCount;
};

static inline BitWord BitsLoadWord(const uint8_t* p) {
    BitWord w;
    memcpy(&w, p, sizeof w);
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
    w = sizeof w == 8 ? (BitWord)__builtin_bswap64(w) : (BitWord)__builtin_bswap32(w);
#endif
    return w;
}

// Byte-at-a-time refill with zeros past the end, used within a word of the
// frame's end. Fills to more than kBitWordBits - 8 bits.
void BitsRefillSlow(BitReader& b);

// Fills the buffer to at least kBitWordBits - 8 bits.
static inline void BitsRefill(BitReader& b) {
    if (b.inputSize - b.inputPos >= sizeof(BitWord)) {
        b.bitBuffer |= BitsLoadWord(b.input + b.inputPos) << b.bitCount;
        b.inputPos += (kBitWordBits - 1 - b.bitCount) >> 3;
        b.bitCount |= kBitWordBits - 8;
    } else {
        BitsRefillSlow(b);
    }
}

// Makes sure n bits (n <= 16) are held.
static inline void BitsNeed(BitReader& b, uint32_t n) {
    if (b.bitCount < n) BitsRefill(b);
}

// The next n held bits, n <= 16.
static inline uint32_t BitsPeek(const BitReader& b, uint32_t n) {
    return (uint32_t)(b.bitBuffer & (((BitWord)1 << n) - 1));
}

static inline void BitsDrop(BitReader& b, uint32_t n) {
    b.bitBuffer >>= n;
    b.bitCount -= n;
}

// Reads an n-bit field, n <= 16.
static inline uint32_t BitsTake(BitReader& b, uint32_t n) {
    BitsNeed(b, n);
    uint32_t value = BitsPeek(b, n);
    BitsDrop(b, n);
    return value;
}

#endif
