// The LZX encoder as the tests call it: a folder's data into 32 KiB blocks,
// failing the running test when the encoder refuses.
#ifndef STUB_TESTS_LZX_ENCODE_H
#define STUB_TESTS_LZX_ENCODE_H

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "encoders.h"

inline std::vector<cabwriter::EncodedBlock> Encode(const std::vector<uint8_t>& data,
                                                   int windowBits) {
    cabwriter::FolderSpec spec;
    spec.method = cabwriter::Method::Lzx;
    spec.windowBits = windowBits;
    std::vector<cabwriter::EncodedBlock> blocks;
    std::string why;
    EXPECT_TRUE(cabwriter::EncodeLzx(data.data(), data.size(), spec, 32768, &blocks, &why)) << why;
    return blocks;
}

#endif
