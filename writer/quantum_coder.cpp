// Quantum range encoder and models for the writer. See quantum_coder.h.
#include "quantum_coder.h"

#include <assert.h>
#include <string.h>

#include <algorithm>

namespace cabwriter {
namespace quantum {

const uint32_t kPositionBase[42] = {
    0,      1,      2,      3,      4,      6,       8,       12,      16,     24,     32,
    48,     64,     96,     128,    192,    256,     384,     512,     768,    1024,   1536,
    2048,   3072,   4096,   6144,   8192,   12288,   16384,   24576,   32768,  49152,  65536,
    98304,  131072, 196608, 262144, 393216, 524288,  786432,  1048576, 1572864};
const uint8_t kPositionExtra[42] = {0,  0,  0,  0,  1,  1,  2,  2,  3,  3,  4,  4,  5,  5,
                                    6,  6,  7,  7,  8,  8,  9,  9,  10, 10, 11, 11, 12, 12,
                                    13, 13, 14, 14, 15, 15, 16, 16, 17, 17, 18, 18, 19, 19};
const uint16_t kLengthBase[27] = {0,  1,  2,  3,  4,  5,  6,   8,   10,  12,  14,  18,  22, 26,
                                  30, 38, 46, 54, 62, 78, 94, 110, 126, 158, 190, 222, 254};
const uint8_t kLengthExtra[27] = {0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2,
                                  3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};

unsigned PositionSlot(uint32_t v) {
    if (v < 4) return v;
    unsigned top = 31 - __builtin_clz(v);
    return 2 * top + ((v >> (top - 1)) & 1);
}

unsigned LengthSlot(unsigned v) {
    unsigned slot = 26;
    while (kLengthBase[slot] > v) --slot;
    return slot;
}

void Model::Init(int n) {
    assert(n >= 1 && unsigned(n) < kCapacity);
    symbols = n;
    shiftsLeft = 4;
    for (unsigned i = 0; i < kCapacity; ++i) cumulative[i] = symbolAt[i] = entryOf[i] = 0;
    for (int i = 0; i <= n; ++i) {
        cumulative[i] = (uint16_t)(n - i);
        symbolAt[i] = (uint16_t)i;
        entryOf[i] = (uint16_t)i;
    }
}

void Model::Update(unsigned entry) {
    // Entries 0..entry gain 8: eight at a time, the last eight masked.
    // Vectors from 0 to entry stay inside the array (entry < 64 < 72 - 8).
    typedef uint16_t Lanes __attribute__((vector_size(16)));
    const Lanes lane = {0, 1, 2, 3, 4, 5, 6, 7};
    for (unsigned base = 0; base <= entry; base += 8) {
        Lanes x;
        memcpy(&x, cumulative + base, sizeof x);
        x += (Lanes)((lane + (uint16_t)base) <= (uint16_t)entry) & 8;
        memcpy(cumulative + base, &x, sizeof x);
    }
    if (cumulative[0] > 3800) Rescale();
}

void Model::Rescale() {
    int n = symbols;
    if (--shiftsLeft != 0) {
        for (int j = n - 1; j >= 0; --j) {
            unsigned half = cumulative[j] >> 1;
            if (half <= cumulative[j + 1]) half = cumulative[j + 1] + 1u;
            cumulative[j] = (uint16_t)half;
        }
        return;
    }
    shiftsLeft = 50;
    for (int j = 0; j < n; ++j)
        cumulative[j] = (uint16_t)((cumulative[j] - cumulative[j + 1] + 1u) >> 1);
    for (int p = 0; p < n - 1; ++p)
        for (int q = p + 1; q < n; ++q)
            if (cumulative[q] > cumulative[p]) {
                std::swap(cumulative[p], cumulative[q]);
                std::swap(symbolAt[p], symbolAt[q]);
            }
    for (int j = n - 1; j >= 0; --j) cumulative[j] += cumulative[j + 1];
    for (int i = 0; i < n; ++i) entryOf[symbolAt[i]] = (uint16_t)i;
}

void Models::Init(int windowBits) {
    uint32_t windowSize = 1u << windowBits;
    int longSlots = 0, slots3 = 0, slots4 = 0;
    for (int s = 0; s < 42; ++s) {
        if (kPositionBase[s] >= windowSize) continue;
        ++longSlots;
        if (kPositionBase[s] < 262144) ++slots4;
        if (kPositionBase[s] < 4096) ++slots3;
    }
    selector.Init(7);
    for (Model& m : literal) m.Init(64);
    match3.Init(slots3);
    match4.Init(slots4);
    longPosition.Init(longSlots);
    length.Init(27);
}

void RangeEncoder::Begin() {
    low_ = 0;
    high_ = 0xFFFF;
    pending_ = 0;
    shifts_ = 0;
    coded_ = 0;
    raws_.clear();
    rawHead_ = 0;
    bytes_.clear();
    acc_ = 0;
    accBits_ = 0;
}

void RangeEncoder::PutBits(uint32_t value, unsigned bits) {
    acc_ = (acc_ << bits) | (value & ((uint64_t(1) << bits) - 1));
    accBits_ += bits;
    while (accBits_ >= 8) {
        accBits_ -= 8;
        bytes_.push_back(uint8_t(acc_ >> accBits_));
    }
}

void RangeEncoder::PutCodedBits(uint32_t value, unsigned count) {
    if (rawHead_ == raws_.size()) {  // no raw field waits: most calls
        PutBits(value, count);
        coded_ += count;
        return;
    }
    for (;;) {
        for (; rawHead_ < raws_.size() && raws_[rawHead_].position == coded_; ++rawHead_)
            PutBits(raws_[rawHead_].value, raws_[rawHead_].bits);
        if (count == 0) break;
        unsigned n = count;
        if (rawHead_ < raws_.size()) n = unsigned(std::min<size_t>(n, raws_[rawHead_].position - coded_));
        PutBits(value >> (count - n), n);
        coded_ += n;
        count -= n;
    }
    if (rawHead_ == raws_.size()) {
        raws_.clear();
        rawHead_ = 0;
    }
}

void RangeEncoder::PutCoded(unsigned bit, uint32_t count) {
    for (; count > 32; count -= 32) PutCodedBits(bit ? 0xFFFFFFFFu : 0, 32);
    PutCodedBits(bit ? 0xFFFFFFFFu : 0, count);
}

void RangeEncoder::Emit(unsigned bit) {
    PutCoded(bit, 1);
    if (pending_ != 0) PutCoded(bit ^ 1, pending_);
    pending_ = 0;
}

void RangeEncoder::Encode(Model& model, unsigned symbol) {
    unsigned i = model.entryOf[symbol];
    uint32_t total = model.cumulative[0];
    uint32_t range = high_ - low_ + 1;
    uint32_t low = low_;
    high_ = (low + (model.cumulative[i] * range) / total - 1) & 0xFFFF;
    low_ = (low + (model.cumulative[i + 1] * range) / total) & 0xFFFF;
    // Renormalisation, the decoder's bit-by-bit loop taken in two strides:
    // while the top bits of low and high agree, each shift decides one bit;
    // once they differ, each shift with low = 01... and high = 10... is an
    // underflow (low's bit 14 cleared, high's set, one more pending bit),
    // after which the top bits differ again, so no decided bit follows.
    const uint32_t same = (low_ ^ high_) & 0xFFFF;
    const unsigned n = same ? unsigned(__builtin_clz(same)) - 16 : 16;
    if (n != 0) {
        const uint32_t bits = high_ >> (16 - n);
        Emit(bits >> (n - 1));
        if (n > 1) PutCodedBits(bits, n - 1);
        low_ = (low_ << n) & 0xFFFF;
        high_ = ((high_ << n) | ((1u << n) - 1)) & 0xFFFF;
    }
    // Underflow shifts: from bit 14 down, the bits where low has 1 and
    // high 0 (bits shifted in never qualify).
    const uint32_t under = ((low_ & ~high_) & 0x7FFF) << 17;
    const unsigned k = unsigned(__builtin_clz(~under));
    if (k != 0) {
        pending_ += k;
        low_ = (low_ << k) & 0x7FFF;
        high_ = (((high_ << k) | ((1u << k) - 1)) & 0xFFFF) | 0x8000;
    }
    shifts_ += n + k;
    model.Update(i);
}

void RangeEncoder::Raw(uint32_t value, unsigned bits) {
    // Coded bits are decided up to the current shift at most, so the field
    // lies ahead of every bit written so far.
    assert(shifts_ + 16 > coded_);
    if (bits != 0) raws_.push_back(RawField{shifts_ + 16, value, bits});
}

void RangeEncoder::Finish(std::vector<uint8_t>* out) {
    // The decoder's code register ends on the 16 bits after the last shift:
    // any value inside [low, high] decodes the same, so send low itself,
    // its top bit followed by the pending underflow bits. The raw fields
    // all stand at or before the last of these bits (16 after the last
    // shift), the last ones right after it.
    Emit(low_ >> 15);
    for (int b = 14; b >= 0; --b) PutCoded((low_ >> b) & 1, 1);
    // Pad with zeros to the byte boundary, leaving at least two spare bits:
    // some decoders read two bits beyond the last one this coder's decoder
    // needs, and reject a block that leaves a whole byte unread, so 2 to 9
    // spare bits suit every reading.
    unsigned spare = (8 - accBits_) % 8;
    if (spare < 2) spare += 8;
    PutBits(0, spare);
    out->insert(out->end(), bytes_.begin(), bytes_.end());
}

}  // namespace quantum
}  // namespace cabwriter
