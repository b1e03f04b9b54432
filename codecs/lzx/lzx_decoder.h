// LZX decoder: the cabinet's LZX method, one frame (data block) per call.
//
// Usage: LzxCreate once (first as a size query with a null handle pointer),
// LzxReset before the first data block of every folder, LzxDecompress for
// each data block in order, LzxDestroy at the end. The window, repeated
// offsets, code lengths, the LZX block in progress and the E8 translation
// state carry over from one data block to the next; only the bit reader
// starts afresh with each block. Memory comes only from the alloc given to
// LzxCreate, and nothing is allocated after it.
#ifndef STUB_CODECS_LZX_DECODER_H
#define STUB_CODECS_LZX_DECODER_H

#include <stdint.h>

#include "decoder_contract.h"

struct LzxDecoder;

// maxOutput: the largest output of one decompress (32768 from the reader),
// kept unchanged. maxInput receives maxOutput + 6144. A null handle pointer
// makes this a size query that validates and allocates nothing. Window sizes
// are 2^15 to 2^21: a size that is not a power of two fails with
// OutOfMemory, another power of two with BadParameters. The five file
// functions are kept and never called.
CodecResult LzxCreate(uint32_t* maxOutput, const LzxConfig* config, CabAllocFn alloc,
                      CabFreeFn release, uint32_t* maxInput, LzxDecoder** handle, CabOpenFn open,
                      CabReadFn read, CabWriteFn write, CabCloseFn close, CabSeekFn seek);

// Decodes one frame: *outputSize bytes (at most maxOutput) from the
// inputSize bytes at input into output. On BadData *outputSize becomes 0.
// A null output drops the frame's bytes (a test of the data): everything
// is decoded and checked as before, only the copy out of the window and its
// E8 translation are left out, and the decoder stands where it would.
CodecResult LzxDecompress(LzxDecoder* decoder, const uint8_t* input, uint32_t inputSize,
                          uint8_t* output, uint32_t* outputSize);

// Starts a new stream (a new folder).
CodecResult LzxReset(LzxDecoder* decoder);

// Releases the window, the state and the handle.
CodecResult LzxDestroy(LzxDecoder* decoder);

#endif
