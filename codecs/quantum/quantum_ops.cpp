// The Quantum decoder in the reader's dispatch table: the contract's generic
// signatures mapped onto the decoder's own.
#include "quantum_decoder.h"

static CodecResult Create(uint32_t* maxOutput, const void* params, CabAllocFn alloc,
                          CabFreeFn free, uint32_t* maxInput, void** handle,
                          const CodecFileIo* files) {
    CodecFileIo none = {};
    if (!files) files = &none;
    QuantumDecoder* decoder = nullptr;
    CodecResult result = QuantumCreate(maxOutput, (const QuantumParams*)params, alloc, free,
                                       maxInput, handle ? &decoder : nullptr, files->open,
                                       files->read, files->write, files->close, files->seek);
    if (handle && result != CodecResult::BadParameters) *handle = decoder;
    return result;
}

static CodecResult Decompress(void* handle, const uint8_t* input, uint32_t inputSize,
                              uint8_t* output, uint32_t* outputSize) {
    return QuantumDecompress((QuantumDecoder*)handle, input, inputSize, output, outputSize);
}

static CodecResult Reset(void* handle) { return QuantumReset((QuantumDecoder*)handle); }

static CodecResult Destroy(void* handle) { return QuantumDestroy((QuantumDecoder*)handle); }

const DecoderOps kQuantumDecoderOps = {Create, Decompress, Reset, Destroy};
