// The LZX decoder in the reader's dispatch table.
#include "decoder_contract.h"
#include "lzx_decoder.h"

static CodecResult OpsCreate(uint32_t* maxOutput, const void* params, CabAllocFn alloc,
                             CabFreeFn release, uint32_t* maxInput, void** handle,
                             const CodecFileIo* files) {
    const CodecFileIo none = {nullptr, nullptr, nullptr, nullptr, nullptr};
    if (!files) files = &none;
    LzxDecoder* decoder = nullptr;
    CodecResult result = LzxCreate(maxOutput, (const LzxConfig*)params, alloc, release, maxInput,
                                   handle ? &decoder : nullptr, files->open, files->read,
                                   files->write, files->close, files->seek);
    if (handle) *handle = decoder;
    return result;
}

static CodecResult OpsDecompress(void* handle, const uint8_t* input, uint32_t inputSize,
                                 uint8_t* output, uint32_t* outputSize) {
    return LzxDecompress((LzxDecoder*)handle, input, inputSize, output, outputSize);
}

static CodecResult OpsReset(void* handle) { return LzxReset((LzxDecoder*)handle); }

static CodecResult OpsDestroy(void* handle) { return LzxDestroy((LzxDecoder*)handle); }

const DecoderOps kLzxDecoderOps = {OpsCreate, OpsDecompress, OpsReset, OpsDestroy};
