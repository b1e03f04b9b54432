// Differential fuzz target for the Quantum decoder: every block goes through
// the build for this host and the portable build (see diff/diff_codec.h),
// which must agree on the result, the output and the state carried to the
// next block (window, position and the nine models). The input is laid out
// as for the quantum target: byte 0 picks the window bits (10 to 21), byte
// 1 maxOutput and whether both decoders are reset before every fourth block;
// then blocks, each a 16-bit little-endian output size, a 16-bit input
// length and that many bytes.
#include "diff/diff_support.h"
#include "frame_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const uint32_t kMaxOutputs[4] = {32768, 32768, 1000, 1};
    if (size < 2) return 0;
    const uint32_t windowBits = 10 + data[0] % 12;
    uint32_t maxFast = kMaxOutputs[data[1] & 3], maxPortable = maxFast;
    const bool resets = (data[1] & 4) != 0;
    fast::DiffDecoder* f = fast::DiffCreate(windowBits, &maxFast);
    portable::DiffDecoder* p = portable::DiffCreate(windowBits, &maxPortable);
    if (!f || !p || maxFast != maxPortable) abort();
    DiffExpectSameState(-1, f, p);
    size_t pos = 2;
    for (int block = 0; block < 64 && pos + 4 <= size; block++) {
        FuzzFrame taken = TakeFrame(data, size, &pos);
        uint32_t want = taken.want, len = taken.length;
        uint8_t* input = taken.input;
        if (resets && block % 4 == 3) {
            if (fast::DiffReset(f) != CodecResult::Ok || portable::DiffReset(p) != CodecResult::Ok)
                abort();
            DiffExpectSameState(-1, f, p);
        }
        // Exactly sized outputs, zeroed alike, so that the sanitizers see
        // any write past them and the comparison covers every byte.
        uint8_t* outFast = (uint8_t*)calloc(want ? want : 1, 1);
        uint8_t* outPortable = (uint8_t*)calloc(want ? want : 1, 1);
        uint32_t produced = want;
        DiffDecompressBoth(block, f, p, input, len, outFast, outPortable, want, &produced);
        free(input);
        free(outFast);
        free(outPortable);
    }
    if (fast::DiffDestroy(f) != CodecResult::Ok || portable::DiffDestroy(p) != CodecResult::Ok)
        abort();
    return 0;
}
