// The codec fuzz targets read their input as a series of frames: a 16-bit
// output size (taken modulo 32769), a 16-bit input length, then that many
// bytes, cut short at the end of the data. Each frame's bytes go into an
// allocation of exactly their size, so that a read past the frame is caught
// by the sanitizers; the caller frees `input`.
#ifndef STUB_FUZZ_FRAME_INPUT_H
#define STUB_FUZZ_FRAME_INPUT_H

#include <stdint.h>
#include <stdlib.h>
#include <string.h>

struct FuzzFrame {
    uint32_t want;    // output size asked for, 0..32768
    uint32_t length;  // input bytes
    uint8_t* input;
};

// Takes the frame at *pos, which needs *pos + 4 <= size.
inline FuzzFrame TakeFrame(const uint8_t* data, size_t size, size_t* pos) {
    FuzzFrame f;
    f.want = (data[*pos] | data[*pos + 1] << 8) % 32769u;
    f.length = data[*pos + 2] | data[*pos + 3] << 8;
    *pos += 4;
    if (f.length > size - *pos) f.length = uint32_t(size - *pos);
    f.input = (uint8_t*)malloc(f.length ? f.length : 1);
    if (f.length) memcpy(f.input, data + *pos, f.length);
    *pos += f.length;
    return f;
}

#endif  // STUB_FUZZ_FRAME_INPUT_H
