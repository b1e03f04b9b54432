// The Quantum bit reader.
//
// A block's bits are read most significant first, eight per byte. The
// arithmetic decoder takes one bit per renormalising shift and the raw extra
// bits of lengths and offsets come from the same stream, interleaved. Past
// the block's last byte the stream reads as zero bits; the block is then
// invalid, since an encoder must place every bit the decoder asks for inside
// the block. Instead of testing for the end on every bit, the reader feeds
// zero bytes ("padding") and the block is known to be exhausted once any
// padding bit has been consumed.
//
// The reader is a small value kept in the decoding function's locals; the
// helpers below are inline so that it stays in registers.
#ifndef STUB_CODECS_QUANTUM_BITS_H
#define STUB_CODECS_QUANTUM_BITS_H

#include <stdint.h>
#include <string.h>

// On 64-bit hosts the buffer is 64 bits wide and refilled a word at a time
// while eight input bytes remain; the stub (and a STUB_PORTABLE_CODECS
// build) keeps a 32-bit buffer.
#if (defined(__x86_64__) || defined(_M_X64) || defined(__aarch64__)) && \
    !defined(STUB_PORTABLE_CODECS)
#define QUANTUM_WIDE_BITS 1
typedef uint64_t QuantumBitBuffer;
#else
#define QUANTUM_WIDE_BITS 0
typedef uint32_t QuantumBitBuffer;
#endif
enum : unsigned { kQuantumBufferBits = sizeof(QuantumBitBuffer) * 8 };

struct QuantumBits {
    const uint8_t* next;  // next input byte not yet in `buffer`
    const uint8_t* end;   // one past the block's last input byte
    QuantumBitBuffer buffer;  // bits not yet consumed, left-aligned: the top
                              // bit is next; below `count` come zeros or
                              // the next input bits
    uint32_t count;       // number of valid bits in `buffer` (0 to its width)
    uint32_t padding;     // zero bytes fed into `buffer` after `end`
};

// Starts reading a block at its first byte.
inline void QuantumBitsStart(QuantumBits* bits, const uint8_t* input, uint32_t size) {
    bits->next = input;
    bits->end = input + size;
    bits->buffer = 0;
    bits->count = 0;
    bits->padding = 0;
}

// Tops the buffer up to at least 25 bits, enough for one arithmetic-coded
// symbol (at most 16 renormalising shifts) or one raw field (at most 19).
inline void QuantumBitsFill(QuantumBits* bits) {
#if QUANTUM_WIDE_BITS
    if (bits->count <= 24 && bits->end - bits->next >= 8) {
        uint64_t word;
        memcpy(&word, bits->next, 8);
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
        word = __builtin_bswap64(word);
#endif
        // Takes whole bytes up to 56 or more valid bits.
        bits->buffer |= word >> bits->count;
        bits->next += (63 - bits->count) >> 3;
        bits->count |= 56;
        return;
    }
#endif
    while (bits->count <= 24) {
        uint32_t byte = 0;
        if (bits->next < bits->end)
            byte = *bits->next++;
        else
            ++bits->padding;
        bits->buffer |= (QuantumBitBuffer)byte << (kQuantumBufferBits - 8 - bits->count);
        bits->count += 8;
    }
}

// Takes one bit; the buffer must hold one.
inline uint32_t QuantumBitsTakeOne(QuantumBits* bits) {
    uint32_t bit = (uint32_t)(bits->buffer >> (kQuantumBufferBits - 1));
    bits->buffer <<= 1;
    --bits->count;
    return bit;
}

// Takes k bits (0 to 24) as a number, first bit most significant; the
// buffer must hold them. k = 0 returns 0.
inline uint32_t QuantumBitsTake(QuantumBits* bits, unsigned k) {
#if QUANTUM_WIDE_BITS
    // Two shifts, so that k = 0 needs no test (slots without extra bits
    // are common and follow no pattern a branch predictor could learn).
    uint32_t value = (uint32_t)((bits->buffer >> 1) >> (63 - k));
#else
    if (k == 0) return 0;
    uint32_t value = (uint32_t)(bits->buffer >> (kQuantumBufferBits - k));
#endif
    bits->buffer <<= k;
    bits->count -= k;
    return value;
}

// True once a bit from beyond the block's end has been consumed.
inline bool QuantumBitsExhausted(const QuantumBits* bits) {
    return bits->padding * 8 > bits->count;
}

#endif
