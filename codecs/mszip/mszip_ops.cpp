// The MSZIP decoder in the reader's dispatch table: the contract's generic
// signatures mapped onto the decoder's own. MSZIP takes no parameter record
// and no file callbacks.
#include "mszip_decoder.h"

static CodecResult Create(uint32_t* maxOutput, const void*, CabAllocFn alloc, CabFreeFn free,
                          uint32_t* maxInput, void** handle, const CodecFileIo*) {
    MszipDecoder* decoder = nullptr;
    CodecResult result = MszipCreate(maxOutput, alloc, free, maxInput, handle ? &decoder : nullptr);
    if (handle) *handle = decoder;
    return result;
}

static CodecResult Decompress(void* handle, const uint8_t* input, uint32_t inputSize,
                              uint8_t* output, uint32_t* outputSize) {
    return MszipDecompress((MszipDecoder*)handle, input, inputSize, output, outputSize);
}

static CodecResult Reset(void* handle) { return MszipReset((MszipDecoder*)handle); }

static CodecResult Destroy(void* handle) { return MszipDestroy((MszipDecoder*)handle); }

const DecoderOps kMszipDecoderOps = {Create, Decompress, Reset, Destroy};
