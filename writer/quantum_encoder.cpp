// Quantum compressor for cabinet folders.
//
// The folder is cut into blocks of `blockSize` uncompressed bytes. Each block
// is one self-contained arithmetic-coded unit: the range coder restarts at
// the block's first byte and is flushed at its end, while the models and the
// history carry on, so matches may reach back into earlier blocks (up to the
// window size) but never run past the end of the block they are coded in.
//
// Parsing is LZ77 over hash chains with one step of lazy evaluation. The
// coder is adaptive, so costs are read off the models' current state: a
// candidate match is worth its saving over coding the same bytes as
// literals, and length-3 and length-4 matches (with their own, shorter
// position models) compete with coded-length ones.
#include <math.h>
#include <string.h>

#include <algorithm>

#include "encoders.h"
#include "quantum_coder.h"

namespace cabwriter {

namespace {

using namespace quantum;

constexpr unsigned kHashBits = 16;
constexpr int kMaxChain = 48;
constexpr unsigned kNiceLength = 96;
constexpr unsigned kMaxMatch = 259;
constexpr unsigned kExactLiteralCosts = 16;

// Costs in 1/16 bit.
struct CostTable {
    int log2x16[4097];
    CostTable() {
        log2x16[0] = 0;
        for (int i = 1; i <= 4096; ++i) log2x16[i] = (int)lround(16.0 * log2((double)i));
    }
};
const CostTable& Costs() {
    static const CostTable table;
    return table;
}

class Compressor {
  public:
    Compressor(const uint8_t* data, size_t size, int windowBits)
        : data_(data),
          size_(size),
          windowSize_(1u << windowBits),
          head_(1u << kHashBits, -1),
          prev_(1u << windowBits, -1),
          log2_(Costs().log2x16) {
        models_.Init(windowBits);
    }

    bool Block(size_t start, size_t end, std::vector<uint8_t>* out);

  private:
    struct Choice {
        unsigned length = 0;  // 0: literal
        uint32_t offset = 0;
        int saving = 0;
    };

    int SymbolCost(const Model& m, unsigned symbol) const {
        return log2_[m.Total()] - log2_[m.Frequency(symbol)];
    }
    int LiteralCost(uint8_t byte) const {
        return SymbolCost(models_.selector, byte >> 6) + SymbolCost(models_.literal[byte >> 6], byte & 63);
    }
    // Cost of a match, or -1 when it cannot be coded.
    int MatchCost(unsigned length, uint32_t offset) const;
    int LiteralRunCost(size_t pos, unsigned length) const;
    Choice Best(size_t pos, size_t end) const;
    uint32_t Hash(size_t pos) const {
        uint32_t v = data_[pos] | (data_[pos + 1] << 8) | (data_[pos + 2] << 16);
        return (v * 2654435761u) >> (32 - kHashBits);
    }
    void Insert(size_t pos) {
        if (pos + 3 > size_) return;
        uint32_t h = Hash(pos);
        prev_[pos & (windowSize_ - 1)] = head_[h];
        head_[h] = (int64_t)pos;
    }
    void EncodeLiteral(uint8_t byte);
    void EncodeMatch(unsigned length, uint32_t offset);

    const uint8_t* data_;
    size_t size_;
    uint32_t windowSize_;
    std::vector<int64_t> head_;
    std::vector<int64_t> prev_;
    const int* log2_;
    Models models_;
    RangeEncoder coder_;
    int averageLiteral_ = 6 * 16;  // running mean literal cost, for long runs
};

int Compressor::MatchCost(unsigned length, uint32_t offset) const {
    unsigned slot = PositionSlot(offset - 1);
    int extra = kPositionExtra[slot] * 16;
    if (length == 3) {
        if (slot >= (unsigned)models_.match3.symbols) return -1;
        return SymbolCost(models_.selector, 4) + SymbolCost(models_.match3, slot) + extra;
    }
    if (length == 4) {
        if (slot >= (unsigned)models_.match4.symbols) return -1;
        return SymbolCost(models_.selector, 5) + SymbolCost(models_.match4, slot) + extra;
    }
    if (slot >= (unsigned)models_.longPosition.symbols) return -1;
    unsigned ls = LengthSlot(length - 5);
    return SymbolCost(models_.selector, 6) + SymbolCost(models_.length, ls) + kLengthExtra[ls] * 16 +
           SymbolCost(models_.longPosition, slot) + extra;
}

int Compressor::LiteralRunCost(size_t pos, unsigned length) const {
    unsigned exact = std::min(length, kExactLiteralCosts);
    int cost = 0;
    for (unsigned k = 0; k < exact; ++k) cost += LiteralCost(data_[pos + k]);
    return cost + (int)(length - exact) * averageLiteral_;
}

Compressor::Choice Compressor::Best(size_t pos, size_t end) const {
    Choice best;
    size_t limit = std::min<size_t>(end - pos, kMaxMatch);
    if (limit < 3 || pos + 3 > size_) return best;
    int64_t candidate = head_[Hash(pos)];
    unsigned longest = 2;
    for (int chain = kMaxChain; chain > 0 && candidate >= 0; --chain) {
        uint32_t offset = (uint32_t)(pos - (size_t)candidate);
        if (offset > windowSize_) break;
        const uint8_t* a = data_ + pos;
        const uint8_t* b = data_ + candidate;
        if (b[longest] == a[longest] || longest < 4) {
            unsigned len = 0;
            while (len < limit && a[len] == b[len]) ++len;
            unsigned use = len;
            if (use == 4 && MatchCost(4, offset) < 0) use = 3;
            if (use >= 3 && (use > longest || use <= 4)) {
                int cost = MatchCost(use, offset);
                if (cost >= 0) {
                    int saving = LiteralRunCost(pos, use) - cost;
                    if (saving > best.saving) {
                        best.length = use;
                        best.offset = offset;
                        best.saving = saving;
                    }
                }
                if (len > longest) longest = len;
                if (len >= kNiceLength || len == limit) break;
            }
        }
        int64_t next = prev_[(size_t)candidate & (windowSize_ - 1)];
        if (next >= candidate) break;
        candidate = next;
    }
    return best;
}

void Compressor::EncodeLiteral(uint8_t byte) {
    int cost = LiteralCost(byte);
    averageLiteral_ += (cost - averageLiteral_) / 16;
    coder_.Encode(models_.selector, byte >> 6);
    coder_.Encode(models_.literal[byte >> 6], byte & 63);
}

void Compressor::EncodeMatch(unsigned length, uint32_t offset) {
    unsigned slot = PositionSlot(offset - 1);
    uint32_t extra = offset - 1 - kPositionBase[slot];
    if (length == 3) {
        coder_.Encode(models_.selector, 4);
        coder_.Encode(models_.match3, slot);
    } else if (length == 4) {
        coder_.Encode(models_.selector, 5);
        coder_.Encode(models_.match4, slot);
    } else {
        unsigned ls = LengthSlot(length - 5);
        coder_.Encode(models_.selector, 6);
        coder_.Encode(models_.length, ls);
        coder_.Raw(length - 5 - kLengthBase[ls], kLengthExtra[ls]);
        coder_.Encode(models_.longPosition, slot);
    }
    coder_.Raw(extra, kPositionExtra[slot]);
}

bool Compressor::Block(size_t start, size_t end, std::vector<uint8_t>* out) {
    coder_.Begin();
    size_t pos = start;
    while (pos < end) {
        Choice here = Best(pos, end);
        if (here.length != 0 && here.length < kNiceLength && pos + 1 < end) {
            // One step of lazy evaluation: a better match starting at the
            // next byte is worth a literal first.
            Insert(pos);
            Choice next = Best(pos + 1, end);
            if (next.saving > here.saving + LiteralCost(data_[pos])/4) {
                EncodeLiteral(data_[pos]);
                ++pos;
                continue;
            }
            EncodeMatch(here.length, here.offset);
            for (unsigned k = 1; k < here.length; ++k) Insert(pos + k);
            pos += here.length;
            continue;
        }
        if (here.length == 0) {
            EncodeLiteral(data_[pos]);
            Insert(pos);
            ++pos;
        } else {
            EncodeMatch(here.length, here.offset);
            for (unsigned k = 0; k < here.length; ++k) Insert(pos + k);
            pos += here.length;
        }
    }
    coder_.Finish(out);
    return true;
}

}  // namespace

bool EncodeQuantum(const uint8_t* data, size_t size, const FolderSpec& spec, uint32_t blockSize,
                   std::vector<EncodedBlock>* blocks, std::string* error) {
    if (spec.windowBits < 10 || spec.windowBits > 21) {
        if (error) *error = "Quantum window bits must be 10 to 21";
        return false;
    }
    if (blockSize == 0 || blockSize > 32768) blockSize = 32768;
    Compressor compressor(data, size, spec.windowBits);
    for (size_t start = 0; start < size; start += blockSize) {
        size_t end = std::min(size, start + blockSize);
        EncodedBlock block;
        block.uncompressedSize = (uint16_t)(end - start);
        compressor.Block(start, end, &block.bytes);
        // The reader's input buffer holds the block's output size + 10240.
        if (block.bytes.size() > 32768 + 10240) {
            if (error) *error = "Quantum block does not fit the decoder's input buffer";
            return false;
        }
        blocks->push_back(std::move(block));
    }
    return true;
}

}  // namespace cabwriter
