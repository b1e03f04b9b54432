// Constants of the LZX format, shared by the decoder and the writer's encoder.
//
// An LZX stream is a sequence of blocks (verbatim, aligned-offset or
// uncompressed). Literals and match headers come from the main tree, long
// match lengths from the length tree, and in aligned-offset blocks the low
// three bits of large distances from the aligned-offset tree. A distance is
// either one of the three most recent distances (position slots 0 to 2) or a
// slot from 3 up with a base and a number of extra ("footer") bits.
#ifndef STUB_CODECS_LZX_FORMAT_H
#define STUB_CODECS_LZX_FORMAT_H

#include <stdint.h>

enum LzxBlockType : int32_t {
    kLzxBlockNone = 0,  // after reset; 0 and 4 to 7 are invalid in a header
    Verbatim = 1,
    AlignedOffset = 2,
    Uncompressed = 3,
};

enum : uint32_t {
    kLzxMinWindowBits = 15,
    kLzxMaxWindowBits = 21,
    kLzxFrameSize = 32768,  // uncompressed bytes of one frame (one data block)
    kLzxMaxPositionSlots = 51,
    kLzxNumChars = 256,          // main-tree symbols 0-255 are literal bytes
    kLzxLengthHeaders = 8,       // match-length headers per position slot
    kLzxMaxMainSymbols = 672,    // capacity: 256 + 8 * 52
    kLzxLengthSymbols = 249,     // length-tree symbols extend header 7
    kLzxAlignedSymbols = 8,
    kLzxPretreeSymbols = 20,
    kLzxMinMatch = 2,
    kLzxMaxMatch = 257,
    kLzxMainBits = 10,     // lookup bits of the main table
    kLzxLengthBits = 8,    // of the length table
    kLzxPretreeBits = 8,   // of the pretree table
    kLzxAlignedBits = 7,   // of the aligned-offset table
    kLzxMaxCodeLength = 16,
    kLzxMainNodes = 1344,  // overflow node pairs, numbered from the symbol count
    kLzxLengthNodes = 498,
    kLzxPretreeNodes = 47,
    kLzxMirrorSize = 257,    // window bytes 0-256 repeated after the window's end
    kLzxWindowSlack = 261,   // the mirror plus 4 spare bytes
    kLzxInputSlack = 4,      // the bit reader may look this far past a block
    kLzxInputReserve = 6144, // maxInput = maxOutput + this
    kLzxE8MaxFrames = 32768, // E8 translation stops after this many frames
};

// Extra (footer) bits of each position slot: 0 for slots 0-3, then 1, 1, 2,
// 2, ... 16, 16 for slots 4-35, then 17.
inline constexpr uint8_t kLzxExtraBits[kLzxMaxPositionSlots] = {
    0,  0,  0,  0,  1,  1,  2,  2,  3,  3,  4,  4,  5,  5,  6,  6,  7,
    7,  8,  8,  9,  9,  10, 10, 11, 11, 12, 12, 13, 13, 14, 14, 15, 15,
    16, 16, 17, 17, 17, 17, 17, 17, 17, 17, 17, 17, 17, 17, 17, 17, 17};

// Match distance of each slot before its footer is added: the sum of
// 2^ExtraBits over the slots below, minus 2 (slot 3 is distance 1; slots 0-2
// stand for the repeated offsets and never use their entry).
inline constexpr int32_t kLzxPositionBase[kLzxMaxPositionSlots] = {
    -2,      -1,      0,       1,       2,       4,       6,       10,      14,
    22,      30,      46,      62,      94,      126,     190,     254,     382,
    510,     766,     1022,    1534,    2046,    3070,    4094,    6142,    8190,
    12286,   16382,   24574,   32766,   49150,   65534,   98302,   131070,  196606,
    262142,  393214,  524286,  655358,  786430,  917502,  1048574, 1179646, 1310718,
    1441790, 1572862, 1703934, 1835006, 1966078, 2097150};

// Number of position slots for a window of `windowSize` bytes: the smallest
// count c >= 5 whose base (plus 2) reaches the window size.
inline uint32_t LzxPositionSlots(uint32_t windowSize) {
    uint32_t slots = 4, base = 4;
    do {
        base += 1u << kLzxExtraBits[slots];
        ++slots;
    } while (base < windowSize && slots < kLzxMaxPositionSlots);
    return slots;
}

#endif
