// Encoder side of the Quantum arithmetic coder: the adaptive models and the
// range encoder, mirroring the decoder step for step (narrowing, the bit-14
// underflow case of renormalisation, the +8 update and the rescale with its
// exchange sort), so that the decoder's models evolve exactly as ours.
//
// Raw extra bits share the bit stream with the coded bits. The decoder's
// `code` register runs 16 bits ahead of the coder's shifts, so a raw field
// read after S shifts sits in front of coded bit number 16 + S; coded bits
// are only decided later than that (a shift decides at most the bits up to
// its own number), so each raw field waits in a queue until the coded bits
// before it have been written, and the block's bits go out in one pass.
#ifndef STUB_WRITER_QUANTUM_CODER_H
#define STUB_WRITER_QUANTUM_CODER_H

#include <stddef.h>
#include <stdint.h>

#include <vector>

namespace cabwriter {
namespace quantum {

// Position and length slots (same tables as the decoder).
extern const uint32_t kPositionBase[42];
extern const uint8_t kPositionExtra[42];
extern const uint16_t kLengthBase[27];
extern const uint8_t kLengthExtra[27];

// Slot of an offset minus 1 (0 to 2^21 - 1) and of a coded length minus 5
// (0 to 254).
unsigned PositionSlot(uint32_t offsetMinusOne);
unsigned LengthSlot(unsigned lengthMinusFive);

struct Model {
    // 64 symbols at most and the closing 0, rounded up to whole vectors:
    // Update works on the whole array.
    static constexpr unsigned kCapacity = 72;
    int symbols = 0;
    int shiftsLeft = 4;
    uint16_t cumulative[kCapacity];  // entries 0..n, decreasing; [n] = 0
    uint16_t symbolAt[kCapacity];    // symbol of entry i
    uint16_t entryOf[kCapacity];     // entry index of each symbol

    void Init(int n);
    // Total and the symbol's own frequency, for cost estimates.
    unsigned Total() const { return cumulative[0]; }
    unsigned Frequency(unsigned symbol) const {
        unsigned i = entryOf[symbol];
        return cumulative[i] - cumulative[i + 1];
    }
    // +8 to entries 0..i, rescale past 3800.
    void Update(unsigned entry);
    void Rescale();
};

// The nine models of one folder.
struct Models {
    Model selector, literal[4], match3, match4, longPosition, length;
    void Init(int windowBits);
};

class RangeEncoder {
  public:
    // Starts a block: registers to their initial values, no bits yet.
    void Begin();
    void Encode(Model& model, unsigned symbol);
    void Raw(uint32_t value, unsigned bits);
    // Flushes the coder so that every bit the decoder reads lies in the
    // block, merges the raw fields and appends the block's bytes.
    void Finish(std::vector<uint8_t>* out);

  private:
    // A decided bit, followed by the pending underflow bits (its opposite).
    void Emit(unsigned bit);
    // `count` coded bits of value `bit`, with the raw fields due among them.
    void PutCoded(unsigned bit, uint32_t count);
    // The low `count` bits of value (at most 32), likewise.
    void PutCodedBits(uint32_t value, unsigned count);
    void PutBits(uint32_t value, unsigned bits);

    struct RawField {
        size_t position;  // index of the coded bit it precedes
        uint32_t value;
        unsigned bits;
    };
    uint32_t low_ = 0, high_ = 0xFFFF;
    uint32_t pending_ = 0;  // underflow bits awaiting the next decided bit
    size_t shifts_ = 0;     // renormalising shifts so far (the decoder's reads)
    size_t coded_ = 0;      // coded bits written so far
    std::vector<RawField> raws_;  // raw fields not yet written, from rawHead_ on
    size_t rawHead_ = 0;
    std::vector<uint8_t> bytes_;  // the block so far
    uint64_t acc_ = 0;            // bits not yet in bytes_, below 8 between calls
    unsigned accBits_ = 0;
};

}  // namespace quantum
}  // namespace cabwriter

#endif
