// Differential fuzz target for the LZX decoder: every frame goes through the
// build for this host and the portable build (see diff/diff_codec.h), which
// must agree on the result, the bytes produced, the output and the state
// carried to the next frame (window and mirror, repeated offsets, code
// lengths, block and reader state). The input is laid out as for the lzx
// target: one byte choosing the window (2^15 to 2^21), then frames, each a
// 16-bit little-endian output size (modulo 32769), a 16-bit input size and
// that many bytes. After a failure both decoders are reset. The same byte
// divided by 7 picks the fast loop's build: odd the BMI2 one (where the CPU
// has it), even the one for any x86-64 CPU; that divided by 2, modulo 3,
// whether the fast build is offered frame scans: none, each frame's own
// made just before it, or each frame's made before the frame ahead of it
// (so that a failure and reset in between leave it stale). A scan must
// never change a result, a byte or the state.
#include "diff/diff_support.h"
#include "frame_input.h"

namespace fast {
void DiffChooseLoop(DiffDecoder* d, unsigned variant);
struct LzxScan;
LzxScan* DiffScanCreate();
void DiffScanDestroy(LzxScan* scan);
void DiffScanAhead(LzxScan* scan, DiffDecoder* d, uint32_t skip, const uint8_t* input,
                   uint32_t inputSize, uint32_t count);
void DiffOfferScan(LzxScan* scan);
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
    // All frames first: a scan made ahead reads the next frame's input.
    std::vector<FuzzFrame> frames;
    size_t pos = 1;
    while (frames.size() < 256 && pos + 4 <= size) frames.push_back(TakeFrame(data, size, &pos));
    const unsigned scanMode = (data[0] / 7u >> 1) % 3;
    fast::LzxScan* scans[2] = {nullptr, nullptr};
    if (scanMode) {
        scans[0] = fast::DiffScanCreate();
        scans[1] = fast::DiffScanCreate();
    }
    for (size_t frame = 0; frame < frames.size(); ++frame) {
        const FuzzFrame& taken = frames[frame];
        fast::LzxScan* mine = scans[frame % 2];
        if (scanMode == 1) {
            fast::DiffScanAhead(mine, f, 0, taken.input, taken.length, taken.want);
        } else if (scanMode == 2 && frame + 1 < frames.size()) {
            const FuzzFrame& next = frames[frame + 1];
            fast::DiffScanAhead(scans[(frame + 1) % 2], f, taken.want, next.input, next.length,
                                next.want);
        }
        fast::DiffOfferScan(frame == 0 && scanMode == 2 ? nullptr : mine);
        uint32_t produced = taken.want;
        CodecResult r = DiffDecompressBoth(int(frame), f, p, taken.input, taken.length,
                                           outFast.data(), outPortable.data(), 32768, &produced);
        if (r != CodecResult::Ok) {
            if (fast::DiffReset(f) != CodecResult::Ok || portable::DiffReset(p) != CodecResult::Ok)
                abort();
            DiffExpectSameState(-1, f, p);
        }
    }
    fast::DiffOfferScan(nullptr);
    fast::DiffScanDestroy(scans[0]);
    fast::DiffScanDestroy(scans[1]);
    for (FuzzFrame& taken : frames) free(taken.input);
    if (fast::DiffDestroy(f) != CodecResult::Ok || portable::DiffDestroy(p) != CodecResult::Ok)
        abort();
    return 0;
}
