// Constants of the MSZIP format, named after its own terms.
//
// An MSZIP data block is one frame: the signature bytes "CK" followed by
// DEFLATE data (RFC 1951) that decodes to at most 32 KiB. The frames of a
// folder share one history: every frame but the last decodes to exactly
// 32 KiB, so the caller's 32 KiB output buffer holds the preceding 32 KiB of
// the folder when the next frame starts, and a back-reference that reaches
// before the frame's first byte reads from that buffer's tail.
//
// DEFLATE itself: a sequence of blocks, each starting with BFINAL (1 bit)
// and BTYPE (2 bits): 0 stored, 1 fixed Huffman codes, 2 dynamic Huffman
// codes, 3 reserved. Bits are read least significant first; Huffman codes
// are sent most significant bit first, so lookup tables index them with
// their bits reversed.
#ifndef STUB_CODECS_MSZIP_FORMAT_H
#define STUB_CODECS_MSZIP_FORMAT_H

#include <stdint.h>

// Handle signature: the bytes "MDIC" in memory order (little-endian word).
enum : uint32_t { kMszipSignature = 0x4349444Du };

enum : uint32_t {
    kFrameSignature0 = 0x43,       // 'C'
    kFrameSignature1 = 0x4B,       // 'K'
    kFrameSignatureSize = 2,
    kFrameMaxOutput = 32768,       // most bytes one frame decodes to
    kFrameInputSlack = 12,         // a block may be this much larger than maxOutput
    kHistorySize = 32768,          // the output buffer, which is the history window
};

// Block types (BTYPE).
enum : uint32_t {
    kBlockStored = 0,
    kBlockFixed = 1,
    kBlockDynamic = 2,
};

// Dynamic block header fields and code-length alphabet.
enum : uint32_t {
    kHlitBase = 257,          // HLIT + 257 literal/length codes
    kHdistBase = 1,           // HDIST + 1 distance codes
    kHclenBase = 4,           // HCLEN + 4 code-length codes
    kMaxLiteralCodes = 286,   // HLIT above 29 is invalid
    kMaxDistanceCodes = 30,   // HDIST above 29 is invalid
    kCodeLengthCodes = 19,
    kCodeLengthBits = 3,      // each code-length code's length is 3 bits
    kRepeatPrevious = 16,     // copy the previous length 3-6 times (2 extra bits)
    kRepeatZeroShort = 17,    // 3-10 zeros (3 extra bits)
    kRepeatZeroLong = 18,     // 11-138 zeros (7 extra bits)
    kEndOfBlock = 256,
    kFirstLengthSymbol = 257,
    kFixedLiteralCodes = 288, // the fixed code also defines symbols 286 and 287
    kFixedDistanceCodes = 30,
    kMaxCodeLength = 15,
};

// First-level lookup widths and table pool sizes. The pools are sized so
// that every code set DEFLATE can send either fits or is refused in the
// same way; the sizes are part of which streams decode.
enum : uint32_t {
    kLiteralLookupBits = 9,
    kDistanceLookupBits = 6,
    kCodeLengthLookupBits = 7,
    kFixedLiteralLookupBits = 9,
    kFixedDistanceLookupBits = 5,
    kLiteralPoolSize = 900,        // also holds the code-length table
    kDistancePoolSize = 200,
    kFixedLiteralPoolSize = 520,
    kFixedDistancePoolSize = 32,
    // The 64-bit fast loop's private copy of a dynamic literal/length root,
    // widened from kLiteralLookupBits so that codes of up to this many bits
    // take one lookup. It is derived from the table above, never built on
    // its own, so it cannot change which code sets decode.
    kWideLiteralLookupBits = 11,
    // The same for a dynamic block's distance root.
    kWideDistanceLookupBits = 8,
};

// Entry kinds of a lookup table (HuffmanEntry::kind). Kinds 0..13 are a
// length or distance symbol: the entry's value is a base, and `kind` extra
// bits follow the code.
enum : uint8_t {
    kKindEndOfBlock = 15,
    kKindLiteral = 16,          // a literal byte, and every code-length symbol
    kKindSubTable = 16,         // kind 16 + j (j >= 1): a j-bit sub-table
    kKindInvalid = 99,          // a bit pattern no symbol owns
};

// The order in which a dynamic header sends the code-length code lengths.
extern const uint8_t kCodeLengthOrder[kCodeLengthCodes];
// Length symbols 257..285 (base, extra bits), then 286 and 287 with base 0
// and extra 99, so that the fixed code turns them into invalid entries.
extern const uint16_t kLengthBase[31];
extern const uint8_t kLengthExtra[31];
// Distance symbols 0..29.
extern const uint16_t kDistanceBase[30];
extern const uint8_t kDistanceExtra[30];

#endif
