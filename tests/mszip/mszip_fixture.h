// Shared test plumbing: counting allocation callbacks with failure
// injection, and a decoder with its 32 KiB zero-filled output buffer,
// driven the way the reader drives it.
#ifndef STUB_TESTS_MSZIP_FIXTURE_H
#define STUB_TESTS_MSZIP_FIXTURE_H

#include <gtest/gtest.h>
#include <stdlib.h>
#include <string.h>

#include <vector>

#include "mszip_decoder.h"

namespace mszip_test {

struct AllocLog {
    int calls = 0;
    int live = 0;
    int failAt = -1;  // the call (counting from 0) that returns null
};
inline AllocLog gAlloc;

inline void* TestAlloc(uint32_t size) {
    if (gAlloc.calls++ == gAlloc.failAt) return nullptr;
    gAlloc.live++;
    return malloc(size);
}
inline void TestFree(void* p) {
    if (p) gAlloc.live--;
    free(p);
}

// A live decoder and its history buffer.
class Decoder {
public:
    explicit Decoder(uint32_t maxOutput = 32768) : out(32768, 0) {
        uint32_t maxInput = 0;
        EXPECT_EQ(MszipCreate(&maxOutput, TestAlloc, TestFree, &maxInput, &handle),
                  CodecResult::Ok);
    }
    ~Decoder() {
        if (handle) EXPECT_EQ(MszipDestroy(handle), CodecResult::Ok);
    }
    // Decodes one block; *produced gets the bytes produced on Ok.
    CodecResult Decode(const std::vector<uint8_t>& block, uint32_t* produced,
                       uint32_t want = 32768) {
        *produced = want;
        return MszipDecompress(handle, block.data(), uint32_t(block.size()), out.data(),
                               produced);
    }
    // Decodes one block expecting Ok; returns the bytes produced.
    std::vector<uint8_t> DecodeOk(const std::vector<uint8_t>& block, uint32_t want = 32768) {
        uint32_t produced = 0;
        EXPECT_EQ(Decode(block, &produced, want), CodecResult::Ok);
        return std::vector<uint8_t>(out.begin(), out.begin() + produced);
    }
    CodecResult Status(const std::vector<uint8_t>& block) {
        uint32_t produced;
        return Decode(block, &produced);
    }

    MszipDecoder* handle = nullptr;
    std::vector<uint8_t> out;
};

}  // namespace mszip_test

#endif
