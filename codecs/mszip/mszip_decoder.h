// The MSZIP decoder: handle layout and its four operations.
//
// A handle holds the caller's release function, the largest output of one
// frame, and the inflate state (bit reader and dynamic table pool). It keeps
// no history of its own: the caller's output buffer is the window, so the
// caller passes the same 32 KiB buffer to every decompress of a folder and
// leaves it alone between calls.
#ifndef STUB_CODECS_MSZIP_DECODER_H
#define STUB_CODECS_MSZIP_DECODER_H

#include <stdint.h>

#include "decoder_contract.h"

struct InflateState;

struct MszipDecoder {
    uint32_t signature;  // kMszipSignature while live, 0 after destroy
    CabFreeFn release;   // the caller's release function, from create
    uint32_t maxOutput;  // most bytes one frame may produce, 1..32768
    InflateState* state;
};

// maxOutput is settled to 1..32768 (0 and larger values become 32768) and
// maxInput set to maxOutput + 12. With a null handle pointer this is only a
// size query (alloc and release may be null); otherwise a decoder is built
// and stored in *handle (null on failure).
CodecResult MszipCreate(uint32_t* maxOutput, CabAllocFn alloc, CabFreeFn release,
                        uint32_t* maxInput, MszipDecoder** handle);

// Decodes one frame of inputSize bytes into output (a 32 KiB buffer that
// holds the previous frame's output). *outputSize: on entry the most bytes
// wanted, on Ok the bytes produced; left unchanged on failure.
CodecResult MszipDecompress(MszipDecoder* handle, const uint8_t* input, uint32_t inputSize,
                            uint8_t* output, uint32_t* outputSize);

// Before the first block of a folder; only checks the handle.
CodecResult MszipReset(MszipDecoder* handle);

CodecResult MszipDestroy(MszipDecoder* handle);

#endif
