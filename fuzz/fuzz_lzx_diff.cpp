// Differential fuzz target for the LZX decoder: every frame goes through the
// build for this host and the portable build (see diff/diff_codec.h), which
// must agree on the result, the bytes produced, the output and the state
// carried to the next frame (window and mirror, repeated offsets, code
// lengths, block and reader state). The input is laid out as for the lzx
// target: one byte choosing the window (2^15 to 2^21), then frames, each a
// 16-bit little-endian output size (modulo 32769), a 16-bit input size and
// that many bytes. After a failure both decoders are reset. The same byte
// divided by 7 picks the fast loop's build: odd the BMI2 one (where the CPU
// has it), even the one for any x86-64 CPU; divided by 14, when odd, has the
// fast build drop every third frame's bytes (a null output), which must
// leave it in the same state as delivering them.
#include "diff/diff_support.h"
#include "frame_input.h"

namespace fast {
void DiffChooseLoop(DiffDecoder* d, unsigned variant);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    uint32_t maxFast = 32768, maxPortable = 32768;
    const uint32_t windowSize = 1u << (15 + data[0] % 7);
    fast::DiffDecoder* f = fast::DiffCreate(windowSize, &maxFast);
    portable::DiffDecoder* p = portable::DiffCreate(windowSize, &maxPortable);
    if (!f || !p) abort();
    fast::DiffChooseLoop(f, data[0] / 7u);
    DiffExpectSameState(-1, f, p);
    std::vector<uint8_t> outFast(32768), outPortable(32768);
    size_t pos = 1;
    for (int frame = 0; frame < 256 && pos + 4 <= size; ++frame) {
        FuzzFrame taken = TakeFrame(data, size, &pos);
        uint32_t outSize = taken.want, inSize = taken.length;
        uint8_t* input = taken.input;
        uint32_t produced = outSize;
        const bool drop = ((data[0] / 14u) & 1) && frame % 3 == 1;
        CodecResult r = DiffDecompressBoth(frame, f, p, input, inSize, drop ? nullptr : outFast.data(),
                                           outPortable.data(), 32768, &produced);
        free(input);
        if (drop) outFast = outPortable;  // the same contents before the next call
        if (r != CodecResult::Ok) {
            if (fast::DiffReset(f) != CodecResult::Ok || portable::DiffReset(p) != CodecResult::Ok)
                abort();
            DiffExpectSameState(-1, f, p);
        }
    }
    if (fast::DiffDestroy(f) != CodecResult::Ok || portable::DiffDestroy(p) != CodecResult::Ok)
        abort();
    return 0;
}
