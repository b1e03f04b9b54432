// The inflate core: DEFLATE decoding of one MSZIP frame into the caller's
// 32 KiB output buffer, which is also the history window.
//
// Every Huffman code set becomes a multi-level lookup table whose entries
// come from a pool of fixed size, so decoding allocates nothing: the tables
// of a dynamic block go to the state's own pool, those of the fixed code to
// process-wide pools built once, at the first state creation.
#ifndef STUB_CODECS_MSZIP_INFLATE_H
#define STUB_CODECS_MSZIP_INFLATE_H

#include <stdint.h>

#include "decoder_contract.h"
#include "inflate_bits.h"
#include "mszip_format.h"

// Every test of untrusted input: on failure, leave by the function's one
// exit label `fail`.
#define INFLATE_CHECK(condition) \
    do {                         \
        if (!(condition)) goto fail; \
    } while (0)

// One lookup table entry. kind: 0..13 a length or distance symbol whose
// value is a base followed by `kind` extra bits; 15 end of block; 16 a
// literal (value is the byte) or a code-length symbol (value is the symbol);
// 17..32 a reference to a sub-table indexed by kind - 16 further bits, whose
// first entry lies `value` entries after the start of the referring table's
// root; 99 a bit pattern no symbol owns. bits: the code bits this entry
// consumes at its level (for a reference, the root width).
// The fast loop of inflate_codes.cpp loads an entry as one 32-bit word:
// bits in bits 0-7, kind in 8-15, value in 16-31 (see EntryWord).
struct HuffmanEntry {
    uint8_t bits;
    uint8_t kind;
    uint16_t value;
};

#define INFLATE_TABLE_RESULTS(X)                                   \
    X(Complete, 0)       /* every bit pattern belongs to a symbol */ \
    X(Incomplete, 1)     /* some bit patterns belong to no symbol */ \
    X(OverSubscribed, 2) /* more codes than bit patterns */          \
    X(NoTableSpace, 3)   /* the pool is too small */

enum class TableBuildResult : int {
#define INFLATE_TABLE_ENUM(name, value) name = value,
    INFLATE_TABLE_RESULTS(INFLATE_TABLE_ENUM)
#undef INFLATE_TABLE_ENUM
};

struct InflateState {
    // The final-block bit of the most recent block header.
    uint32_t lastBlock;
    // The frame's DEFLATE bytes and the bits fetched from them.
    BitReader in;
    // Where the next output byte goes.
    uint8_t* outCursor;
    // Start of the caller's 32 KiB output buffer.
    uint8_t* windowStart;
    // Bytes this call may still produce.
    uint32_t remaining;
    // The handle's maxOutput.
    uint32_t outputLimit;
    // 1 when this call may produce the whole frame (up to outputLimit): the
    // frame's data must then end within it. A frame that would produce more
    // than the limit is invalid data, not cut short; a caller's smaller
    // request still cuts the frame where it ends.
    uint32_t wholeFrame;
    // 1 when the buffer's tail holds the 32 KiB of output just before this
    // frame: the folder's previous frame succeeded and filled the whole
    // buffer. Otherwise (the folder's first frame, or one after a short or
    // failed frame) the tail holds older bytes, and a distance reaching
    // before the frame's start is invalid data.
    uint32_t historyFull;
    // Entries 0..899: a dynamic block's literal/length table (and, while its
    // header is read, the code-length table); 900..1099: its distance table.
    HuffmanEntry tablePool[kLiteralPoolSize + kDistancePoolSize];
#if MSZIP_FAST_LOOP
    // The fast loop's widened literal/length and distance roots (see
    // inflate_codes.cpp); their sub-table references still point into
    // tablePool.
    HuffmanEntry wideLiteral[1u << kWideLiteralLookupBits];
    HuffmanEntry wideDistance[1u << kWideDistanceLookupBits];
#endif
};

// The fixed code's tables, shared by every decoder of the process.
struct FixedTables {
    HuffmanEntry literal[kFixedLiteralPoolSize];
    HuffmanEntry distance[kFixedDistancePoolSize];
    int built;
};

// Builds a lookup table for n code lengths (each 0..15). Symbols below s are
// simple (a literal below 256, else end of block); symbol i >= s takes its
// base and extra-bit count from base[i - s] and extra[i - s]. The table goes
// to pool (poolSize entries). *width: the wanted root width on entry, the
// width used on return (0 for an empty set).
TableBuildResult buildHuffmanTable(const uint8_t* lengths, uint32_t n, uint32_t s,
                                   const uint16_t* base, const uint8_t* extra,
                                   HuffmanEntry* pool, uint32_t poolSize, uint32_t* width);

// The process-wide fixed tables, built on first use.
const FixedTables& fixedTables();

// Allocates a zero-filled state through alloc (null when it fails) and makes
// sure the fixed tables exist.
InflateState* createInflateState(CabAllocFn alloc);

// Sets up a frame: fails unless the block is at least 2 bytes and starts
// with "CK".
bool startFrame(InflateState* s, const uint8_t* block, uint32_t blockSize, uint8_t* output,
                uint32_t outputLimit);

// Decodes up to *count bytes (at most outputLimit) of the frame: blocks one
// after another until a final block has ended or *count is reached. Where
// *count is outputLimit or more, data that would run past the limit (a match
// or stored block cut by it, or anything but the end of the block right
// after it) fails. On success *count is the number of bytes produced; on
// failure it is left.
bool inflateFrame(InflateState* s, uint32_t* count);

// One Huffman-coded block, with the given tables and root widths.
bool inflateCodes(InflateState* s, const HuffmanEntry* literal, const HuffmanEntry* distance,
                  uint32_t literalWidth, uint32_t distanceWidth);

#endif
