// Fuzz target for the MSZIP decoder alone. The input is a folder: byte 0
// picks the decoder's maxOutput and whether "CK" is put in front of each
// frame; then frames follow, each as a 16-bit little-endian length and that
// many bytes. The frames are decoded in order into one 32 KiB history
// buffer, each from an exactly sized copy so that any read past a block's
// end is caught.
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include "mszip_decoder.h"

static void* Alloc(uint32_t size) { return malloc(size); }
static void Free(void* p) { free(p); }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const uint32_t kMaxOutputs[4] = {32768, 32768, 1000, 1};
    if (size < 1) return 0;
    uint32_t maxOutput = kMaxOutputs[data[0] & 3], maxInput = 0;
    const bool addSignature = (data[0] & 4) != 0;
    MszipDecoder* decoder = nullptr;
    if (MszipCreate(&maxOutput, Alloc, Free, &maxInput, &decoder) != CodecResult::Ok) abort();
    uint8_t* history = (uint8_t*)calloc(32768, 1);
    size_t pos = 1;
    for (int frame = 0; frame < 64 && pos < size; frame++) {
        uint32_t len = data[pos];
        if (pos + 1 < size) len |= uint32_t(data[pos + 1]) << 8;
        pos += 2;
        if (len > size - (pos < size ? pos : size)) len = uint32_t(size - (pos < size ? pos : size));
        uint32_t blockSize = len + (addSignature ? 2 : 0);
        uint8_t* block = (uint8_t*)malloc(blockSize ? blockSize : 1);
        if (addSignature) {
            block[0] = 'C';
            block[1] = 'K';
        }
        if (len) memcpy(block + (addSignature ? 2 : 0), data + pos, len);
        pos += len;
        uint32_t want = (frame & 1) ? 32768 : 32768 - (data[0] >> 3);
        uint32_t produced = want;
        CodecResult r = MszipDecompress(decoder, block, blockSize, history, &produced);
        if (r == CodecResult::Ok && (produced > want || produced > maxOutput)) abort();
        if (r != CodecResult::Ok && r != CodecResult::BadData && r != CodecResult::BlockTooLarge)
            abort();
        if (r == CodecResult::BlockTooLarge && blockSize <= maxInput) abort();
        free(block);
    }
    free(history);
    if (MszipDestroy(decoder) != CodecResult::Ok) abort();
    return 0;
}
