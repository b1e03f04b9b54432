// Quantum compressor for cabinet folders.
//
// The folder is cut into blocks of `blockSize` uncompressed bytes. Each block
// is one self-contained arithmetic-coded unit: the range coder restarts at
// the block's first byte and is flushed at its end, while the models and the
// history carry on, so matches may reach back into earlier blocks (up to the
// window size) but never run past the end of the block they are coded in.
//
// Parsing is LZ77 over hash buckets (match_finder.h) with one step of lazy
// evaluation; the searches are bounded, and where nothing matches for a while
// the search skips ahead (there is no stored block in this format, so data
// that does not compress goes out as literals, about 1% over its size; the
// writer stores a folder that does not shrink instead). The
// coder is adaptive, so costs are read off the models' current state: a
// candidate match is worth its saving over coding the same bytes as
// literals, and length-3 and length-4 matches (with their own, shorter
// position models) compete with coded-length ones.
#include <math.h>
#include <string.h>

#include <algorithm>

#include "encoders.h"
#include "match_finder.h"
#include "quantum_coder.h"

namespace cabwriter {

namespace {

using namespace quantum;

constexpr int kSearchDepth = 24;       // candidates looked at per search
constexpr int kLazyDepth = 12;         // and by the lazy step's probe
constexpr unsigned kGoodLength = 16;   // past this, a quarter of the search is left
constexpr unsigned kNiceLength = 96;   // a match this long ends the search
constexpr unsigned kLazyLength = 32;   // no lazy step after a match this long
constexpr unsigned kSkipShift = 5;   // literal runs: the stride grows every 32 misses
constexpr unsigned kMaxStride = 8;
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
          finder_(data, size, uint32_t(windowBits)),
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
    Choice Best(size_t pos, size_t end, int depth);
    // Weighs a candidate of `len` matching bytes at `offset` into `best`.
    void Consider(size_t pos, unsigned len, uint32_t offset, int* literalCosts, unsigned* costed,
                  Choice* best) const;
    void EncodeLiteral(uint8_t byte);
    void EncodeMatch(unsigned length, uint32_t offset);

    const uint8_t* data_;
    size_t size_;
    uint32_t windowSize_;
    MatchFinder finder_;
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

void Compressor::Consider(size_t pos, unsigned len, uint32_t offset, int* literalCosts,
                          unsigned* costed, Choice* best) const {
    unsigned use = len;
    if (use == 4 && MatchCost(4, offset) < 0) use = 3;
    if (use < 3) return;
    const int cost = MatchCost(use, offset);
    if (cost < 0) return;
    // The literal costs of the first bytes, summed once per search.
    const unsigned exact = std::min(use, kExactLiteralCosts);
    for (; *costed < exact; ++*costed)
        literalCosts[*costed + 1] = literalCosts[*costed] + LiteralCost(data_[pos + *costed]);
    const int literals = literalCosts[exact] + (int)(use - exact) * averageLiteral_;
    const int saving = literals - cost;
    if (saving > best->saving) {
        best->length = use;
        best->offset = offset;
        best->saving = saving;
    }
}

Compressor::Choice Compressor::Best(size_t pos, size_t end, int depth) {
    finder_.InsertUpTo(pos);
    Choice best;
    const unsigned limit = (unsigned)std::min<size_t>(end - pos, kMaxMatch);
    if (limit < 3) return best;
    int literalCosts[kExactLiteralCosts + 1] = {0};
    unsigned costed = 0;
    // The 4-byte candidates: each evaluated for its saving; once a
    // match is longer than 4, only longer ones are looked at (a length-3 or
    // length-4 match has position models of its own and may still win).
    unsigned longest = 4;
    unsigned shortWeighed = 0;  // bit 3 or 4: a match of that length was weighed
    if (limit >= 4) {
        uint32_t cands[MatchFinder::kWays];
        const int count = std::min<int>(int(finder_.Candidates(pos, windowSize_, cands)), depth);
        for (int k = 0; k < count && k < depth; ++k) {
            const size_t c = cands[k];
            // longest < limit here (a match reaching limit ends the search),
            // so pos + longest is inside the data; 4 is checked first for
            // limit 4.
            if (longest != 4 && data_[c + longest] != data_[pos + longest]) continue;
            const unsigned len = finder_.Length(c, pos, limit);
            if (len > longest) {
                Consider(pos, len, (uint32_t)(pos - c), literalCosts, &costed, &best);
                if (len >= kGoodLength && longest < kGoodLength) depth = k + (depth - k + 3) / 4;
                longest = len;
                if (len >= kNiceLength || len == limit) break;
            } else if (len >= 3 && len <= 4 && !(shortWeighed & (1u << len))) {
                // Of the length-3 and length-4 matches only the nearest of
                // each is weighed: candidates come newest first, and a
                // nearer position costs no more bits. (Data full of such
                // short matches weighed every candidate twice over at
                // every byte.)
                shortWeighed |= 1u << len;
                Consider(pos, len, (uint32_t)(pos - c), literalCosts, &costed, &best);
                if (len == limit) break;
            }
        }
    }
    // Length-3 matches code only near, so the newest 3-byte candidate serves.
    if (best.length < 3) {
        if (const uint32_t cand = finder_.First3(pos)) {
            const size_t c = cand - 1;
            const uint32_t offset = (uint32_t)(pos - c);
            if (offset <= windowSize_ && finder_.Length(c, pos, 3) == 3)
                Consider(pos, 3, offset, literalCosts, &costed, &best);
        }
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
    unsigned misses = 0;  // literals in a row, for skipping through data that does not compress
    Choice here = Best(pos, end, kSearchDepth);
    while (pos < end) {
        if (here.length == 0) {
            // After kSkipAfter misses in a row the search looks only at
            // every second position, then every third, up to every
            // kMaxStride-th; every position still enters the match finder.
            const unsigned stride = std::min(1 + (misses >> kSkipShift), kMaxStride);
            const size_t to = std::min(end, pos + stride);
            for (; pos < to; ++pos) EncodeLiteral(data_[pos]);
            misses += stride;
            if (pos < end) here = Best(pos, end, kSearchDepth);
            continue;
        }
        misses = 0;
        if (here.length < kLazyLength && pos + 1 < end) {
            // One step of lazy evaluation: a better match starting at the
            // next byte is worth a literal first.
            Choice next = Best(pos + 1, end, kLazyDepth);
            if (next.saving > here.saving + LiteralCost(data_[pos]) / 4) {
                EncodeLiteral(data_[pos]);
                ++pos;
                here = next;
                continue;
            }
        }
        EncodeMatch(here.length, here.offset);
        pos += here.length;
        if (pos < end) here = Best(pos, end, kSearchDepth);
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
