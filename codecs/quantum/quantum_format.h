// Constants of the Quantum compressed format, named after its own terms.
//
// Quantum is LZ77 whose every decision is coded with an adaptive arithmetic
// coder. An item starts with a selector symbol: a literal from one of four
// literal models (each covering 64 byte values), a match of length 3, a
// match of length 4, or a match whose length is coded with a length slot.
// Match offsets are coded as a position slot plus raw extra bits; lengths of
// coded-length matches likewise as a length slot plus raw extra bits. Raw
// bits and arithmetic-coded bits share one most-significant-first stream.
#ifndef STUB_CODECS_QUANTUM_FORMAT_H
#define STUB_CODECS_QUANTUM_FORMAT_H

#include <stdint.h>

// Handle signature: the bytes "QDIC" in memory order (little-endian word).
enum : uint32_t { kQuantumSignature = 0x43494451u };

enum : int {
    kQuantumMinWindowBits = 10,  // 1 KiB window
    kQuantumMaxWindowBits = 21,  // 2 MiB window
};

// Block sizes: a block decodes to at most 32768 bytes and its compressed
// form may be up to 10240 bytes longer than that.
enum : uint32_t {
    kQuantumMaxOutput = 32768,
    kQuantumInputSlack = 10240,
};

// Selector symbols.
enum : unsigned {
    kSelectorLiteralModels = 4,  // 0-3: literal from LiteralModel 0-3
    kSelectorMatch3 = 4,         // match of length 3
    kSelectorMatch4 = 5,         // match of length 4
    kSelectorMatchLong = 6,      // match of coded length
    kSelectorSymbols = 7,
};

// Symbol counts of the fixed-size models; the position models depend on the
// window (see below).
enum : int {
    kLiteralSymbols = 64,    // literal byte = 64 * model number + symbol
    kLengthSymbols = 27,     // length slots
    kPositionSlots = 42,     // position slots of a 2 MiB window
    kMatch3PositionLimit = 24,  // slots whose base lies below 4096
    kMatch4PositionLimit = 36,  // slots whose base lies below 262144
    kLargestModel = kLiteralSymbols,
};

// Coded-length matches carry 5 + LengthBase[slot] + extra bits; the shortest
// is 5 and the longest 259 (LengthBase[26] = 254, no extra bits).
enum : unsigned {
    kLongMatchMinimum = 5,
    kLongMatchMaximum = 259,
};

// Model adaptation: each decoded symbol adds kFrequencyStep to its entry's
// cumulative frequency and those before it; when the total passes
// kRescaleThreshold the model is rescaled. The first kInitialShifts - 1
// rescales halve the frequencies; the next one rebuilds and re-sorts the
// model, and so does every kRebuildPeriod-th rescale after that.
enum : unsigned {
    kFrequencyStep = 8,
    kRescaleThreshold = 3800,
    kInitialShifts = 4,
    kRebuildPeriod = 50,
};

// Extra raw bits per slot:
//   length slots: 0 for slots 0-5 and 26, else (slot - 2) / 4 (1 to 5);
//   position slots: 0 for slots 0-3, else (slot - 2) / 2 (1 to 19).
// Each base is the previous base plus 2^(previous slot's extra bits), from 0.
inline unsigned QuantumLengthExtraBits(unsigned slot) {
    return (slot < 6 || slot == 26) ? 0 : (slot - 2) / 4;
}
inline unsigned QuantumPositionExtraBits(unsigned slot) {
    return slot < 4 ? 0 : (slot - 2) / 2;
}

#endif
