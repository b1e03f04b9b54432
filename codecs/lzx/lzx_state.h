// The LZX decoder's handle and state records, and the entry points its
// stages share (trees: lzx_trees.cpp; blocks: lzx_blocks.cpp; frames, E8
// and the handle: lzx_codec.cpp).
#ifndef STUB_CODECS_LZX_STATE_H
#define STUB_CODECS_LZX_STATE_H

#include <stddef.h>
#include <stdint.h>

#include "decoder_contract.h"
#include "lzx_decoder.h"
#include "lzx_format.h"

// "LDIC" in memory order.
#define LZX_SIGNATURE ((uint32_t)'L' | (uint32_t)'D' << 8 | (uint32_t)'I' << 16 | (uint32_t)'C' << 24)

// Every test of untrusted input goes through this macro; the function it is
// used in has one exit label, `fail`.
#define LZX_CHECK(condition) \
    do {                     \
        if (!(condition)) goto fail; \
    } while (0)

#if defined(__GNUC__)
#define LZX_INLINE static inline __attribute__((always_inline))
#else
#define LZX_INLINE static inline
#endif

// The fast decoding loop of 64-bit little-endian hosts (lzx_blocks.cpp);
// the stub, a 32-bit size-optimised build, and STUB_PORTABLE_CODECS builds
// have only the portable loop.
#if UINTPTR_MAX > 0xFFFFFFFFu && defined(__BYTE_ORDER__) && \
    __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__ && !defined(STUB_PORTABLE_CODECS)
#define LZX_FAST_LOOP 1
#if defined(__x86_64__) && defined(__GNUC__)
// The fast loop is built twice: for any x86-64 CPU and for those with BMI2,
// whose variable shifts (the bit reader makes several for every symbol)
// take one instruction and no flags; LzxCreate picks one (`bmi2Loop`).
#define LZX_BMI2 1
#endif
// Look-up bits of the fast loop's packed tables.
enum : uint32_t { kLzxMainPackedBits = 12, kLzxLengthPackedBits = 10 };
// Inputs up to this size (that of a full frame's block) get the swapped
// copy the fast loop reads; larger ones are decoded by the portable loop.
enum : uint32_t { kLzxSwapCapacity = kLzxFrameSize + kLzxInputReserve };
#endif

// Overflow node of a lookup table: the entry for a next bit of 0, then of 1.
typedef int16_t LzxNode[2];

// Capacities are fixed for the largest window, whatever the window in use.
struct LzxState {
    uint8_t* window;      // windowSize bytes, then the mirror, then 4 spare
    uint32_t windowSize;  // a power of two, 2^15 to 2^21
    uint32_t windowMask;  // windowSize - 1
    uint32_t repeatedOffsets[3];  // R0, R1, R2: the most recent distances
    int16_t mainTable[1 << kLzxMainBits];      // main-tree lookup table
    int16_t lengthTable[1 << kLzxLengthBits];  // length-tree lookup table
    uint8_t mainLengths[kLzxMaxMainSymbols];   // 256 + 8 * positionSlots used
    uint8_t lengthLengths[kLzxLengthSymbols];
    uint8_t alignedTable[1 << kLzxAlignedBits];  // symbol per 7-bit prefix
    uint8_t alignedLengths[kLzxAlignedSymbols];
    LzxNode mainNodes[kLzxMainNodes];
    LzxNode lengthNodes[kLzxLengthNodes];
    const uint8_t* inputStart;   // the caller's input of this call
    const uint8_t* inputCursor;  // next unread byte of the current input
    const uint8_t* inputLimit;   // input + inputSize + 4: reads up to here are allowed
    const uint8_t* inputEnd;     // input + inputSize: bytes from here on read as 0
    uint8_t* output;             // the caller's output buffer of this call
    uint8_t previousMainLengths[kLzxMaxMainSymbols];  // of the last block with trees
    uint8_t previousLengthLengths[kLzxLengthSymbols];
    uint32_t bitBuffer;      // unread bits, the next one at bit 31
    int8_t bitCount;         // bitBuffer holds bitCount + 16 unread bits
    uint8_t positionSlots;   // 30 to 50, from the window size
    uint8_t e8HeaderPending; // the stream's E8 header comes with the next block header
    uint8_t inputExhausted;  // the bit reader wanted a word at inputLimit; until reset
    uint8_t padTaken;        // an odd uncompressed block's pad byte was its data block's last
    uint32_t windowPosition; // window index of the next byte to decode
    uint32_t e8Size;         // E8 translation size; 0 = translation off
    uint32_t e8Position;     // folder offset of the next delivered byte
    uint32_t frameCount;     // decompress calls since reset
    int32_t blockSize;       // size of the current LZX block from its header
    int32_t blockRemaining;  // bytes of it not yet decoded
    int32_t blockType;       // LzxBlockType, 0 after reset
    int32_t blockState;      // 1 = a block header is due, 2 = inside a block
#ifdef LZX_FAST_LOOP
    // The fast loop's versions of mainTable and lengthTable, with more bits:
    // a symbol and its code length in one entry (see PackTable), so that
    // one load decodes all but the rarest codes.
    uint16_t mainPacked[1 << kLzxMainPackedBits];
    uint16_t lengthPacked[1 << kLzxLengthPackedBits];
    // The current input with its words' bytes swapped (SwapInputWords),
    // made when the fast loop first runs in a call: inputSwapped is 1 + the
    // parity of the words' offsets it was made for, 0 (set by every
    // decompress) when there is none yet.
    uint8_t swapped[kLzxSwapCapacity + 1];
    uint8_t inputSwapped;
#endif
#ifdef LZX_BMI2
    uint8_t bmi2Loop;  // DecodeFrame runs the BMI2 build (set by LzxCreate where the CPU has it)
#endif
    CabAllocFn alloc;
    CabFreeFn release;
    CabOpenFn open;  // the file functions are kept, never called
    CabReadFn read;
    CabWriteFn write;
    CabCloseFn close;
    CabSeekFn seek;
};

struct LzxDecoder {
    uint32_t signature;  // LZX_SIGNATURE while live; 0 after destroy
    CabAllocFn alloc;
    CabFreeFn release;
    CabOpenFn open;
    CabReadFn read;
    CabWriteFn write;
    CabCloseFn close;
    CabSeekFn seek;
    uint32_t maxOutput;
    LzxState* state;
};

enum : int32_t { kLzxHeaderDue = 1, kLzxInsideBlock = 2 };

// Trees (lzx_trees.cpp); each returns true on success.
bool ReadAlignedTree(LzxState* s);
bool ReadTrees(LzxState* s);
bool BuildTable(uint32_t symbols, const uint8_t* lengths, uint32_t bits, int16_t* table,
                LzxNode* nodes, uint32_t nodeCapacity);
bool BuildAlignedTable(const uint8_t* lengths, uint8_t* table);

// Blocks (lzx_blocks.cpp): decodes count bytes into the window.
bool DecodeFrame(LzxState* s, uint32_t count);

#endif
