// Fuzz target for the LZX decoder.
//
// Input: one byte choosing the window (2^15 to 2^21), then frames, each a
// 16-bit little-endian output size (taken modulo 32769), a 16-bit input size
// and that many bytes. Every frame is decoded from a buffer of exactly its
// size, so the sanitizers see any read past it. After a failure the decoder
// is reset and the remaining frames start a new stream.
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include "lzx_decoder.h"
#include "frame_input.h"

static void* FuzzAlloc(uint32_t size) { return malloc(size); }
static void FuzzFree(void* p) { free(p); }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    uint32_t maxOutput = 32768, maxInput = 0;
    LzxConfig config{1u << (15 + data[0] % 7)};
    LzxDecoder* decoder = nullptr;
    if (LzxCreate(&maxOutput, &config, FuzzAlloc, FuzzFree, &maxInput, &decoder, nullptr, nullptr,
                  nullptr, nullptr, nullptr) != CodecResult::Ok)
        abort();
    static uint8_t output[32768];
    size_t pos = 1;
    for (int frames = 0; frames < 256 && pos + 4 <= size; ++frames) {
        FuzzFrame taken = TakeFrame(data, size, &pos);
        uint32_t outSize = taken.want, inSize = taken.length;
        uint8_t* input = taken.input;
        uint32_t produced = outSize;
        CodecResult r = LzxDecompress(decoder, input, inSize, output, &produced);
        free(input);
        if (r == CodecResult::Ok) {
            if (produced != outSize) abort();
        } else {
            if (r != CodecResult::BadData || produced != 0) abort();
            if (LzxReset(decoder) != CodecResult::Ok) abort();
        }
    }
    if (LzxDestroy(decoder) != CodecResult::Ok) abort();
    return 0;
}
