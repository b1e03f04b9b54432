// Differential fuzz target for the MSZIP decoder: every frame goes through
// the build for this host and the portable build (see diff/diff_codec.h),
// which must agree on the result, the bytes produced and the whole 32 KiB
// history buffer (the only state that carries from frame to frame). The
// input is laid out as for the mszip target: byte 0 picks maxOutput, whether
// "CK" is put in front of each frame and how much the even frames ask for;
// then frames, each a 16-bit little-endian length and that many bytes.
#include "diff/diff_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const uint32_t kMaxOutputs[4] = {32768, 32768, 1000, 1};
    if (size < 1) return 0;
    uint32_t maxFast = kMaxOutputs[data[0] & 3], maxPortable = maxFast;
    const bool addSignature = (data[0] & 4) != 0;
    fast::DiffDecoder* f = fast::DiffCreate(0, &maxFast);
    portable::DiffDecoder* p = portable::DiffCreate(0, &maxPortable);
    if (!f || !p || maxFast != maxPortable) abort();
    std::vector<uint8_t> historyFast(32768), historyPortable(32768);
    size_t pos = 1;
    for (int frame = 0; frame < 64 && pos < size; frame++) {
        uint32_t len = data[pos];
        if (pos + 1 < size) len |= uint32_t(data[pos + 1]) << 8;
        pos += 2;
        if (len > size - (pos < size ? pos : size)) len = uint32_t(size - (pos < size ? pos : size));
        std::vector<uint8_t> block;
        if (addSignature) block = {'C', 'K'};
        if (len) block.insert(block.end(), data + pos, data + pos + len);
        pos += len;
        // An exactly sized copy, so that a read past the frame is caught.
        uint8_t* exact = (uint8_t*)malloc(block.size() ? block.size() : 1);
        if (!block.empty()) memcpy(exact, block.data(), block.size());
        uint32_t produced = (frame & 1) ? 32768 : 32768 - (data[0] >> 3);
        DiffDecompressBoth(frame, f, p, exact, (uint32_t)block.size(), historyFast.data(),
                           historyPortable.data(), 32768, &produced);
        free(exact);
    }
    if (fast::DiffDestroy(f) != CodecResult::Ok || portable::DiffDestroy(p) != CodecResult::Ok)
        abort();
    return 0;
}
