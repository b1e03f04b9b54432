// Shared by the differential fuzz targets: the two builds' entry points and
// the comparison that aborts, naming what differed, on the first mismatch.
#ifndef STUB_FUZZ_DIFF_SUPPORT_H
#define STUB_FUZZ_DIFF_SUPPORT_H

#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <vector>

#include "decoder_contract.h"

namespace fast {
#include "diff_codec.h"
}
namespace portable {
#include "diff_codec.h"
}

// Aborts when the two builds disagree; `what` names the compared item and
// `call` the decompress call (or -1 for create and reset).
inline void DiffExpectSame(const char* what, int call, const void* a, const void* b,
                           size_t size) {
    if (memcmp(a, b, size) == 0) return;
    size_t at = 0;
    while (((const uint8_t*)a)[at] == ((const uint8_t*)b)[at]) ++at;
    fprintf(stderr, "fast and portable builds differ: %s of call %d, byte %zu of %zu: %u vs %u\n",
            what, call, at, size, ((const uint8_t*)a)[at], ((const uint8_t*)b)[at]);
    abort();
}

inline void DiffExpectSameState(int call, const fast::DiffDecoder* f,
                                const portable::DiffDecoder* p) {
    std::vector<fast::DiffRegion> a;
    std::vector<portable::DiffRegion> b;
    fast::DiffCarriedState(f, &a);
    portable::DiffCarriedState(p, &b);
    if (a.size() != b.size()) abort();
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].size != b[i].size) {
            fprintf(stderr, "%s sizes differ at call %d: %zu vs %zu\n", a[i].name, call, a[i].size,
                    b[i].size);
            abort();
        }
        DiffExpectSame(a[i].name, call, a[i].data, b[i].data, a[i].size);
    }
}

// One decompress call through both builds, on the same input bytes, each
// into its own output buffer (both of outputCapacity bytes, same contents
// before the call). Returns the common result. A null outFast has the fast
// build drop the bytes (LZX): only the outputs are then not compared.
inline CodecResult DiffDecompressBoth(int call, fast::DiffDecoder* f, portable::DiffDecoder* p,
                                      const uint8_t* input, uint32_t inputSize, uint8_t* outFast,
                                      uint8_t* outPortable, uint32_t outputCapacity,
                                      uint32_t* outputSize) {
    uint32_t producedFast = *outputSize, producedPortable = *outputSize;
    CodecResult rf = fast::DiffDecompress(f, input, inputSize, outFast, &producedFast);
    CodecResult rp = portable::DiffDecompress(p, input, inputSize, outPortable, &producedPortable);
    int32_t results[2] = {(int32_t)rf, (int32_t)rp};
    if (rf != rp) DiffExpectSame("result", call, &results[0], &results[1], sizeof results[0]);
    DiffExpectSame("bytes produced", call, &producedFast, &producedPortable, sizeof producedFast);
    if (outFast) DiffExpectSame("output", call, outFast, outPortable, outputCapacity);
    DiffExpectSameState(call, f, p);
    *outputSize = producedFast;
    return rf;
}

#endif
