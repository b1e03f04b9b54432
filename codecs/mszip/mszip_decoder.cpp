// MSZIP decoder lifecycle and frame decoding: create, decompress, reset,
// destroy.
//
// Every data block is one frame: "CK", then DEFLATE data. decompress checks
// the handle and the block size, sets the inflate state up for the frame and
// inflates it straight into the caller's output buffer. Nothing carries from
// frame to frame but that buffer and whether it holds the 32 KiB just before
// the next frame: only then may a distance reach before the frame's start.
// reset clears that, and so does a frame that fails or falls short (the
// handle stays usable for the next frame).
#include <string.h>

#include "inflate.h"
#include "mszip_decoder.h"

// Tests of the caller's arguments and data: on failure, `result` and the
// one exit.
#define MSZIP_CHECK(condition, failure) \
    do {                                \
        if (!(condition)) {             \
            result = (failure);         \
            goto done;                  \
        }                               \
    } while (0)

static bool isLive(const MszipDecoder* handle) {
    return handle && handle->signature == kMszipSignature;
}

CodecResult MszipCreate(uint32_t* maxOutput, CabAllocFn alloc, CabFreeFn release,
                        uint32_t* maxInput, MszipDecoder** handle) {
    CodecResult result = CodecResult::Ok;
    MszipDecoder* decoder = nullptr;
    InflateState* state;

    if (*maxOutput == 0 || *maxOutput > kFrameMaxOutput) *maxOutput = kFrameMaxOutput;
    *maxInput = *maxOutput + kFrameInputSlack;
    if (!handle) return CodecResult::Ok;
    *handle = nullptr;
    MSZIP_CHECK(alloc && release, CodecResult::OutOfMemory);
    decoder = (MszipDecoder*)alloc(sizeof(MszipDecoder));
    MSZIP_CHECK(decoder, CodecResult::OutOfMemory);
    state = createInflateState(alloc);
    if (!state) release(decoder);
    MSZIP_CHECK(state, CodecResult::OutOfMemory);
    decoder->release = release;
    decoder->maxOutput = *maxOutput;
    decoder->state = state;
    decoder->signature = kMszipSignature;
    *handle = decoder;
done:
    return result;
}

CodecResult MszipDecompress(MszipDecoder* handle, const uint8_t* input, uint32_t inputSize,
                            uint8_t* output, uint32_t* outputSize) {
    CodecResult result = CodecResult::Ok;
    uint32_t count = 0;

    MSZIP_CHECK(isLive(handle), CodecResult::BadHandle);
    MSZIP_CHECK(inputSize <= handle->maxOutput + kFrameInputSlack, CodecResult::BlockTooLarge);
    MSZIP_CHECK(input && output && outputSize, CodecResult::BadData);
    MSZIP_CHECK(startFrame(handle->state, input, inputSize, output, handle->maxOutput),
                CodecResult::BadData);
    count = *outputSize;
    MSZIP_CHECK(inflateFrame(handle->state, &count), CodecResult::BadData);
    *outputSize = count;
done:
    if (result != CodecResult::BadHandle)
        handle->state->historyFull = result == CodecResult::Ok && count == kHistorySize;
    return result;
}

CodecResult MszipReset(MszipDecoder* handle) {
    if (!isLive(handle)) return CodecResult::BadHandle;
    handle->state->historyFull = 0;
    return CodecResult::Ok;
}

CodecResult MszipDestroy(MszipDecoder* handle) {
    if (!isLive(handle)) return CodecResult::BadHandle;
    handle->signature = 0;
    handle->release(handle->state);
    handle->release(handle);
    return CodecResult::Ok;
}
