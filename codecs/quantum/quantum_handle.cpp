// Quantum decoder lifecycle: create, reset, destroy.
//
// create validates the window size, settles the block sizes the reader must
// allocate (a size query stops there), then allocates the handle and the
// window through the caller's functions. The window is zero-filled so that a
// corrupt folder whose matches reach before its first byte still decodes
// repeatably. reset prepares for a new folder: models back to their initial
// state and the write position to the window's start; the window's bytes
// stay.
#include <string.h>

#include "quantum_decoder.h"


CodecResult QuantumCreate(uint32_t* maxOutput, const QuantumParams* params, CabAllocFn alloc,
                          CabFreeFn free, uint32_t* maxInput, QuantumDecoder** handle,
                          CabOpenFn, CabReadFn, CabWriteFn, CabCloseFn, CabSeekFn) {
    CodecResult result = CodecResult::Ok;
    QuantumDecoder* q = nullptr;
    uint32_t windowSize;

    QTM_CHECK(params && maxOutput && maxInput, CodecResult::BadParameters);
    QTM_CHECK(params->windowBits >= kQuantumMinWindowBits &&
                  params->windowBits <= kQuantumMaxWindowBits,
              CodecResult::BadParameters);
    if (*maxOutput == 0 || *maxOutput > kQuantumMaxOutput) *maxOutput = kQuantumMaxOutput;
    *maxInput = *maxOutput + kQuantumInputSlack;
    if (!handle) return CodecResult::Ok;  // size query

    *handle = nullptr;
    QTM_CHECK(alloc && free, CodecResult::OutOfMemory);
    q = (QuantumDecoder*)alloc(sizeof(QuantumDecoder));
    QTM_CHECK(q, CodecResult::OutOfMemory);
    memset(q, 0, sizeof *q);
    q->alloc = alloc;
    q->free = free;
    q->maxOutput = *maxOutput;
    q->processorHint = params->processorHint;
    q->windowBits = params->windowBits;
    windowSize = 1u << params->windowBits;
    q->windowMask = windowSize - 1;
    q->window = (uint8_t*)alloc(windowSize);
    QTM_CHECK(q->window, CodecResult::OutOfMemory);
    memset(q->window, 0, windowSize);
#if QUANTUM_RECIPROCALS
    for (unsigned t = 1; t < kReciprocalCount; ++t)
        q->reciprocal[t] = ((uint64_t)1 << kReciprocalShift) / t + 1;
#endif
    QuantumInitModels(q);
    q->signature = kQuantumSignature;
    *handle = q;
    q = nullptr;

done:
    if (q) free(q);  // a handle whose window could not be allocated
    return result;
}

CodecResult QuantumReset(QuantumDecoder* q) {
    if (!q || q->signature != kQuantumSignature) return CodecResult::BadHandle;
    q->totalDecoded = 0;
    QuantumInitModels(q);
    return CodecResult::Ok;
}

CodecResult QuantumDestroy(QuantumDecoder* q) {
    if (!q || q->signature != kQuantumSignature) return CodecResult::BadHandle;
    CabFreeFn release = q->free;
    release(q->window);
    q->signature = 0;
    release(q);
    return CodecResult::Ok;
}
