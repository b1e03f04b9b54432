// Fuzz target for the Quantum decoder alone. The input is a folder:
// byte 0 picks the window bits (10 to 21), byte 1 the decoder's maxOutput
// and whether the decoder is reset before every fourth block; then blocks
// follow, each as a 16-bit little-endian output size, a 16-bit
// little-endian input length and that many bytes. Each block is decoded
// from an exactly sized copy so that any read past its end is caught, into
// an exactly sized output buffer likewise.
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include "quantum_decoder.h"
#include "frame_input.h"

static void* Alloc(uint32_t size) { return malloc(size); }
static void Free(void* p) { free(p); }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const uint32_t kMaxOutputs[4] = {32768, 32768, 1000, 1};
    if (size < 2) return 0;
    QuantumParams params{10 + data[0] % 12, -1};
    uint32_t maxOutput = kMaxOutputs[data[1] & 3], maxInput = 0;
    const bool resets = (data[1] & 4) != 0;
    QuantumDecoder* decoder = nullptr;
    if (QuantumCreate(&maxOutput, &params, Alloc, Free, &maxInput, &decoder, nullptr, nullptr,
                      nullptr, nullptr, nullptr) != CodecResult::Ok)
        abort();
    size_t pos = 2;
    for (int block = 0; block < 64 && pos + 4 <= size; block++) {
        FuzzFrame taken = TakeFrame(data, size, &pos);
        uint32_t want = taken.want, len = taken.length;
        uint8_t* input = taken.input;
        uint8_t* output = (uint8_t*)malloc(want ? want : 1);
        uint32_t produced = want;
        if (resets && block % 4 == 3 && QuantumReset(decoder) != CodecResult::Ok) abort();
        CodecResult r = QuantumDecompress(decoder, input, len, output, &produced);
        if (produced != want) abort();
        if (r != CodecResult::Ok && r != CodecResult::BadData && r != CodecResult::BlockTooLarge)
            abort();
        if ((r == CodecResult::BlockTooLarge) != (want > maxOutput)) abort();
        free(input);
        free(output);
    }
    if (QuantumDestroy(decoder) != CodecResult::Ok) abort();
    return 0;
}
