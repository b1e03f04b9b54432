// Test-side LZX stream writer for building streams by hand, malformed ones
// included: 16-bit little-endian words filled from the top bit, block
// headers, trees sent through a fixed pretree, symbols by canonical code.
#ifndef STUB_TESTS_LZX_STREAM_BUILDER_H
#define STUB_TESTS_LZX_STREAM_BUILDER_H

#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include <vector>

#include "lzx_decoder.h"
#include "lzx_format.h"
#include "lzx_state.h"

namespace lzxtest {

inline void* Alloc(uint32_t size) { return malloc(size); }
inline void Free(void* p) { free(p); }

// Canonical codes for a set of lengths.
inline std::vector<uint32_t> Codes(const std::vector<uint8_t>& lengths) {
    uint32_t count[18] = {0}, next[18] = {0};
    for (uint8_t l : lengths) count[l]++;
    count[0] = 0;
    for (int len = 1; len <= 17; ++len) next[len] = (next[len - 1] + count[len - 1]) << 1;
    std::vector<uint32_t> codes(lengths.size(), 0);
    for (size_t s = 0; s < lengths.size(); ++s)
        if (lengths[s]) codes[s] = next[lengths[s]]++;
    return codes;
}

class Stream {
public:
    void Bits(uint32_t value, uint32_t n) {
        for (uint32_t i = n; i-- > 0;) Bit((value >> i) & 1);
    }
    void Bit(uint32_t b) {
        word_ = uint16_t(word_ << 1 | b);
        if (++used_ == 16) Flush();
    }
    uint32_t used() const { return used_; }
    // Pads the current word with zeros (nothing on a boundary).
    void Align() {
        while (used_ != 0) Bit(0);
    }
    // Raw bytes, on a word boundary (uncompressed block contents).
    void Raw(const std::vector<uint8_t>& bytes) {
        out_.insert(out_.end(), bytes.begin(), bytes.end());
    }
    void Long(uint32_t v) {
        for (int k = 0; k < 4; ++k) out_.push_back(uint8_t(v >> (8 * k)));
    }
    // Closes a frame: pads to a word and returns its bytes.
    std::vector<uint8_t> Take() {
        Align();
        std::vector<uint8_t> r;
        r.swap(out_);
        return r;
    }

    void E8Header(uint32_t size) {
        Bit(size ? 1 : 0);
        if (size) {
            Bits(size >> 16, 16);
            Bits(size & 0xFFFF, 16);
        }
    }
    void BlockHeader(uint32_t type, uint32_t size) {
        Bits(type, 3);
        Bits(size, 24);
    }
    // An uncompressed block's header after the 27 header bits: padding to
    // the next word (a whole word on a boundary), then R0-R2.
    void UncompressedStart(uint32_t r0, uint32_t r1, uint32_t r2) {
        do Bit(0);
        while (used_ != 0);
        Long(r0);
        Long(r1);
        Long(r2);
    }

    // Sends `lengths` as deltas from `previous` through a fixed, complete
    // pretree: symbols 0-11 get 4-bit codes, 12-19 5-bit codes.
    static std::vector<uint8_t> PretreeLengths() {
        std::vector<uint8_t> l(20, 4);
        for (int s = 12; s < 20; ++s) l[s] = 5;
        return l;
    }
    void Pretree() {
        for (uint8_t l : PretreeLengths()) Bits(l, 4);
    }
    void PreSymbol(uint32_t s) {
        static const std::vector<uint32_t> codes = Codes(PretreeLengths());
        Bits(codes[s], PretreeLengths()[s]);
    }
    void Lengths(const uint8_t* previous, const uint8_t* lengths, size_t count) {
        Pretree();
        for (size_t i = 0; i < count; ++i) PreSymbol((previous[i] + 17 - lengths[i]) % 17);
    }

    // Sends the main and length trees of a verbatim or aligned block,
    // tracking the delta base as the decoder does.
    void Trees(const std::vector<uint8_t>& main, const std::vector<uint8_t>& length) {
        prevMain_.resize(main.size(), 0);
        prevLength_.resize(length.size(), 0);
        Lengths(prevMain_.data(), main.data(), 256);
        Lengths(prevMain_.data() + 256, main.data() + 256, main.size() - 256);
        Lengths(prevLength_.data(), length.data(), length.size());
        prevMain_ = main;
        prevLength_ = length;
        mainLengths_ = main;
        lengthLengths_ = length;
        mainCodes_ = Codes(main);
        lengthCodes_ = Codes(length);
    }
    void Main(uint32_t symbol) {
        ASSERT_LENGTH(mainLengths_[symbol]);
        Bits(mainCodes_[symbol], mainLengths_[symbol]);
    }
    void LengthSymbol(uint32_t symbol) { Bits(lengthCodes_[symbol], lengthLengths_[symbol]); }
    // A match: main symbol for (slot, length) and, for long ones, the length symbol.
    void MatchHeader(uint32_t slot, uint32_t length) {
        uint32_t header = length - 2 < 7 ? length - 2 : 7;
        Main(256 + slot * 8 + header);
        if (header == 7) LengthSymbol(length - 9);
    }

private:
    static void ASSERT_LENGTH(uint8_t l) {
        if (l == 0) abort();  // a test asked for a symbol its tree lacks
    }
    void Flush() {
        out_.push_back(uint8_t(word_));
        out_.push_back(uint8_t(word_ >> 8));
        word_ = 0;
        used_ = 0;
    }
    std::vector<uint8_t> out_;
    uint16_t word_ = 0;
    uint32_t used_ = 0;
    std::vector<uint8_t> prevMain_, prevLength_, mainLengths_, lengthLengths_;
    std::vector<uint32_t> mainCodes_, lengthCodes_;
};

// Main-tree lengths for a window's slot count: every literal and every
// match symbol gets a code (a complete code: 256 literals of 9 bits... are
// not complete with the rest, so lengths are computed to fill exactly).
// Literals: 9 bits; match symbols: 9 bits up to the 512th symbol, the rest
// spread so the code is complete.
inline std::vector<uint8_t> FlatMainLengths(uint32_t positionSlots) {
    // 256 literals + 8 * slots match symbols (496 to 656): give 512 - k
    // symbols 9 bits and 2k symbols 10 bits, where n = 512 + k.
    const uint32_t n = 256 + 8 * positionSlots;
    std::vector<uint8_t> l(n, 9);
    if (n > 512) {
        const uint32_t k = n - 512;
        for (uint32_t s = n - 2 * k; s < n; ++s) l[s] = 10;
    } else if (n < 512) {
        // Fewer than 512 symbols: shorten the first ones to 8 bits.
        const uint32_t k = 512 - n;  // each 8-bit code frees one 9-bit slot
        for (uint32_t s = 0; s < k; ++s) l[s] = 8;
    }
    return l;
}

// Length-tree lengths: all 249 symbols, complete (7 of 7 bits, 242 of 8).
inline std::vector<uint8_t> FlatLengthLengths() {
    std::vector<uint8_t> l(249, 8);
    for (int s = 0; s < 7; ++s) l[s] = 7;
    return l;
}

// A live decoder with its reset done.
struct Decoder {
    LzxDecoder* handle = nullptr;
    explicit Decoder(uint32_t windowSize, uint32_t maxOutput = 32768) {
        uint32_t maxIn = 0;
        LzxConfig config{windowSize};
        if (LzxCreate(&maxOutput, &config, Alloc, Free, &maxIn, &handle, nullptr, nullptr, nullptr,
                      nullptr, nullptr) != CodecResult::Ok)
            handle = nullptr;
    }
    ~Decoder() {
        if (handle) LzxDestroy(handle);
    }
    LzxState* state() const { return handle->state; }
    // Decodes one frame from an input buffer of exactly the block's size.
    CodecResult Frame(const std::vector<uint8_t>& in, uint32_t size, std::vector<uint8_t>* out) {
        std::vector<uint8_t> input(in);
        out->assign(size ? size : 1, 0xCC);
        uint32_t n = size;
        CodecResult r = LzxDecompress(handle, input.empty() ? nullptr : input.data(),
                                      uint32_t(input.size()), out->data(), &n);
        out->resize(n);
        return r;
    }
    // The same with the bytes dropped (a null output).
    CodecResult Drop(const std::vector<uint8_t>& in, uint32_t size) {
        std::vector<uint8_t> input(in);
        uint32_t n = size;
        return LzxDecompress(handle, input.empty() ? nullptr : input.data(), uint32_t(input.size()),
                             nullptr, &n);
    }
};

}  // namespace lzxtest

#endif
