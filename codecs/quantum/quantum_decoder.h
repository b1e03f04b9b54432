// The Quantum decoder: handle layout and its four operations.
//
// A handle holds everything one decoder needs: the caller's memory
// functions, the history window, the block counters and the nine adaptive
// models. Nothing is shared between handles, so several decoders may live in
// one process.
#ifndef STUB_CODECS_QUANTUM_DECODER_H
#define STUB_CODECS_QUANTUM_DECODER_H

#include <stdint.h>

#include "decoder_contract.h"
#include "quantum_format.h"

// An adaptive frequency model of n symbols, kept as two parallel arrays
// (so that the cumulative frequencies can be searched a vector at a time).
// Entries 0 to n - 1 stand in order of decreasing cumulative frequency; an
// entry's own frequency is its cumulative frequency minus the next entry's.
// Entry n is the sentinel, whose cumulative frequency stays 0, and so do the
// unused entries after it. Entry 0's cumulative frequency is the model's
// total. Frequencies never exceed 16 bits (a model is rescaled as soon as its
// total passes 3800).
enum : int { kModelEntries = kLargestModel + 8 };  // n + 1, rounded up to 8
struct AdaptiveModel {
    int symbolCount;  // n
    int shiftsLeft;   // rescales until the next rebuild
    uint16_t cumulativeFrequency[kModelEntries];
    uint16_t symbol[kModelEntries];
};

// On 64-bit hosts the narrowing step divides by a model total through a
// table of reciprocals: a multiplication instead of a division. Elsewhere
// (the 32-bit stub, a STUB_PORTABLE_CODECS build) it divides.
#ifndef QUANTUM_RECIPROCALS
#if (defined(__x86_64__) || defined(_M_X64) || defined(__aarch64__)) && \
    !defined(STUB_PORTABLE_CODECS)
#define QUANTUM_RECIPROCALS 1
#else
#define QUANTUM_RECIPROCALS 0
#endif
#endif

// On x86-64 the symbol search compares eight cumulative frequencies at a
// time with SSE2 (part of every x86-64 processor).
#ifndef QUANTUM_VECTOR_SEARCH
#if defined(__x86_64__) && defined(__SSE2__) && !defined(__OPTIMIZE_SIZE__) && \
    !defined(STUB_PORTABLE_CODECS)
#define QUANTUM_VECTOR_SEARCH 1
#else
#define QUANTUM_VECTOR_SEARCH 0
#endif
#endif

// Model totals stay at most kRescaleThreshold whenever a symbol is decoded.
enum : unsigned { kReciprocalShift = 40, kReciprocalCount = kRescaleThreshold + 1 };

struct QuantumDecoder {
    uint32_t signature;  // kQuantumSignature while live, 0 after destroy
    CabAllocFn alloc;    // the caller's memory functions; the window and
    CabFreeFn free;      // the handle itself come from them
    uint32_t maxOutput;  // largest output one decompress call may produce
    int processorHint;   // recorded, not used

    // History: a ring of the most recent 2^windowBits bytes of the folder.
    uint8_t* window;
    int windowBits;
    uint32_t windowMask;    // window size - 1
    uint32_t totalDecoded;  // bytes since create or reset; next write index
                            // is totalDecoded & windowMask

    // Slot tables, rebuilt with the models.
    uint32_t positionBase[kPositionSlots];
    uint8_t positionExtra[kPositionSlots];
    uint16_t lengthBase[kLengthSymbols];
    uint8_t lengthExtra[kLengthSymbols];

#if QUANTUM_RECIPROCALS
    // reciprocal[t] = 2^40 / t + 1: for n <= t * 65536 and t < 4096,
    // (n * reciprocal[t]) >> 40 equals n / t exactly (the error term
    // n * (reciprocal[t] * t - 2^40) stays below 2^40).
    uint64_t reciprocal[kReciprocalCount];
#endif

    AdaptiveModel selector;        // 7 symbols
    AdaptiveModel literal[4];      // 64 symbols each
    AdaptiveModel match3Position;  // min(24, 2w) slots
    AdaptiveModel match4Position;  // min(36, 2w) slots
    AdaptiveModel longPosition;    // 2w slots
    AdaptiveModel lengthSlot;      // 27 slots
};

// The operations, with the contract's argument order. `handle` null makes
// create a size query. The five file callbacks are accepted and ignored.
CodecResult QuantumCreate(uint32_t* maxOutput, const QuantumParams* params, CabAllocFn alloc,
                          CabFreeFn free, uint32_t* maxInput, QuantumDecoder** handle,
                          CabOpenFn open, CabReadFn read, CabWriteFn write, CabCloseFn close,
                          CabSeekFn seek);
// Decodes one block to exactly *outputSize bytes (left unchanged).
CodecResult QuantumDecompress(QuantumDecoder* handle, const uint8_t* input, uint32_t inputSize,
                              uint8_t* output, uint32_t* outputSize);
CodecResult QuantumReset(QuantumDecoder* handle);
CodecResult QuantumDestroy(QuantumDecoder* handle);

// Model stage (quantum_models.cpp).
void QuantumInitModels(QuantumDecoder* q);
void QuantumRescaleModel(AdaptiveModel* model);

// Every test of the caller's arguments and of untrusted block data: on
// failure set `result` and leave through the function's one exit, `done`.
#define QTM_CHECK(condition, failure) \
    do {                              \
        if (!(condition)) {           \
            result = (failure);       \
            goto done;                \
        }                             \
    } while (0)

#endif
