// Fuzz target: cabinet sets from the test-side generator, walked by the
// reader in memory. The input's first 8 bytes seed the generator and the
// rest make its choices (folders, sizes, splits, list order, reserves,
// which files the walk declines), so the fuzzer explores set layouts
// rather than bytes. Any disagreement with the generated files aborts.
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>

#include "set_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    setgen::Choices c(data, size);
    setgen::Set set = setgen::Generate(c);
    std::string why = setgen::CheckInMemory(set, c);
    if (!why.empty()) {
        fprintf(stderr, "%s: %s\n", set.summary.c_str(), why.c_str());
        abort();
    }
    return 0;
}
