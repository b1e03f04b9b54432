// The LZX method: one LZX stream per folder, one 32 KiB frame per data block.
//
// The folder's data is first put through the forward E8 translation when it
// looks like x86 code (relative CALL targets become absolute, which repeat
// far more often), then cut into frames. Each frame is parsed into literals
// and matches by a bucketed hash match finder (match_finder.h) with lazy
// evaluation, its searches bounded so that the speed does not fall with the
// window size, and skipping ahead through data that does not compress; matches
// never cross a frame's end, and the three repeated offsets R0-R2 are
// tracked exactly as the decoder tracks them. Consecutive frames are grouped
// into one LZX block while that is cheaper than separate blocks; each group
// becomes a verbatim or an aligned-offset block, whichever codes smaller, and
// a frame that would not shrink becomes (part of) an uncompressed block.
// Trees are canonical Huffman codes limited to 16 bits (the pretree to 15,
// the aligned-offset tree to 7), sent as pretree-coded deltas against the
// lengths of the previous block that carried trees. At each frame's end the
// bits are padded to a 16-bit boundary and the data block is closed.
#include <string.h>

#include <algorithm>
#include <numeric>

#include "encoders.h"
#include "match_finder.h"
#include "../codecs/lzx/lzx_format.h"

namespace cabwriter {
namespace {

const uint32_t kE8Sentinel = 10;  // no translation in a frame's last 10 bytes
const uint32_t kMaxGroupFrames = 32;
const uint32_t kSearchDepth = 32;  // candidates looked at per search
const uint32_t kLazyDepth = 16;    // and by the lazy step's probe
const uint32_t kGoodLength = 16;   // past this, a quarter of the search is left
const uint32_t kNiceLength = 96;   // a match this long ends the search
const uint32_t kLazyLength = 16;   // no lazy step after a match this long
const uint32_t kSkipShift = 5;     // literal runs: stride grows every 32 misses
const uint32_t kMaxStride = 8;

// ---------------------------------------------------------------- bit output

// 16-bit little-endian words, each filled from its most significant bit.
struct BitWriter {
    std::vector<uint8_t>* out = nullptr;  // null: only count bits
    uint64_t acc = 0;
    uint32_t pending = 0;  // bits in acc, below 16 between calls
    uint64_t total = 0;

    void Put(uint32_t value, uint32_t bits) {
        total += bits;
        if (!out) return;
        acc = (acc << bits) | (value & ((1ull << bits) - 1));
        pending += bits;
        while (pending >= 16) {
            pending -= 16;
            uint32_t word = uint32_t(acc >> pending) & 0xFFFF;
            out->push_back(uint8_t(word));
            out->push_back(uint8_t(word >> 8));
        }
        acc &= (1ull << pending) - 1;
    }
    // Pads to the next 16-bit boundary (nothing when already there).
    void Align() {
        if (pending) Put(0, 16 - pending);
    }
};

// ---------------------------------------------------------- Huffman lengths

// Code lengths for `n` symbols with the given frequencies, no code longer
// than maxLength, always a complete code: a tree with fewer than two used
// symbols gets two codes of length 1 (decoders refuse incomplete codes).
void HuffmanLengths(const uint32_t* freq, uint32_t n, uint32_t maxLength, uint8_t* lengths) {
    std::vector<uint32_t> order;
    for (uint32_t s = 0; s < n; ++s)
        if (freq[s]) order.push_back(s);
    memset(lengths, 0, n);
    if (order.size() < 2) {
        uint32_t first = order.empty() ? 0 : order[0];
        lengths[first] = 1;
        lengths[first == 0 ? 1 : 0] = 1;
        return;
    }
    std::stable_sort(order.begin(), order.end(),
                     [&](uint32_t a, uint32_t b) { return freq[a] < freq[b]; });
    // In-place minimum-redundancy code lengths over the sorted weights
    // (Moffat and Katajainen).
    const int m = int(order.size());
    std::vector<uint64_t> a(m);
    for (int i = 0; i < m; ++i) a[i] = freq[order[i]];
    a[0] += a[1];
    int root = 0, leaf = 2;
    for (int next = 1; next < m - 1; ++next) {
        if (leaf >= m || a[root] < a[leaf]) {
            a[next] = a[root];
            a[root++] = uint64_t(next);
        } else {
            a[next] = a[leaf++];
        }
        if (leaf >= m || (root < next && a[root] < a[leaf])) {
            a[next] += a[root];
            a[root++] = uint64_t(next);
        } else {
            a[next] += a[leaf++];
        }
    }
    a[m - 2] = 0;
    for (int next = m - 3; next >= 0; --next) a[next] = a[a[next]] + 1;
    int avail = 1, used = 0, depth = 0, next = m - 1;
    root = m - 2;
    while (avail > 0) {
        while (root >= 0 && int(a[root]) == depth) {
            ++used;
            --root;
        }
        while (avail > used) {
            a[next--] = uint64_t(depth);
            --avail;
        }
        avail = 2 * used;
        ++depth;
        used = 0;
    }
    // Limit the lengths: fold longer codes into maxLength, then lengthen
    // shorter codes until the code is complete again.
    std::vector<uint32_t> count(64, 0);
    for (int i = 0; i < m; ++i) count[std::min<uint64_t>(a[i], maxLength)]++;
    uint64_t kraft = 0;
    for (uint32_t len = 1; len <= maxLength; ++len) kraft += uint64_t(count[len]) << (maxLength - len);
    while (kraft > (1ull << maxLength)) {
        count[maxLength]--;
        for (uint32_t len = maxLength - 1; len > 0; --len) {
            if (count[len]) {
                count[len]--;
                count[len + 1] += 2;
                break;
            }
        }
        --kraft;
    }
    // Least frequent symbols get the longest codes.
    int i = 0;
    for (uint32_t len = maxLength; len >= 1; --len)
        for (uint32_t k = 0; k < count[len]; ++k) lengths[order[i++]] = uint8_t(len);
}

// Canonical codes for the lengths (shorter first, then by symbol).
void CanonicalCodes(const uint8_t* lengths, uint32_t n, uint32_t* codes) {
    uint32_t count[18] = {0}, next[18] = {0};
    for (uint32_t s = 0; s < n; ++s) count[lengths[s]]++;
    count[0] = 0;
    for (uint32_t len = 1; len <= 17; ++len) next[len] = (next[len - 1] + count[len - 1]) << 1;
    for (uint32_t s = 0; s < n; ++s)
        if (lengths[s]) codes[s] = next[lengths[s]]++;
}

// Sends `count` code lengths as deltas from `previous` through a pretree of
// their own. Returns the bits it takes (bw may only count).
uint64_t WriteLengths(BitWriter* bw, const uint8_t* previous, const uint8_t* lengths,
                      uint32_t count) {
    struct Item {
        uint8_t symbol, extraBits, second;
        uint8_t extra;
    };
    std::vector<Item> items;
    for (uint32_t i = 0; i < count;) {
        uint32_t run = 1;
        while (i + run < count && lengths[i + run] == lengths[i]) ++run;
        if (lengths[i] == 0 && run >= 20) {
            run = std::min<uint32_t>(run, 51);
            items.push_back({18, 5, 255, uint8_t(run - 20)});
        } else if (lengths[i] == 0 && run >= 4) {
            run = std::min<uint32_t>(run, 19);
            items.push_back({17, 4, 255, uint8_t(run - 4)});
        } else {
            // A run of 4 or 5 equal lengths takes its delta from the first
            // position's previous length; used only where the previous
            // lengths are equal too, so every reading of the run agrees.
            uint32_t same = 1;
            while (same < run && same < 5 && previous[i + same] == previous[i]) ++same;
            if (lengths[i] != 0 && same >= 4) {
                run = same;
                uint8_t delta = uint8_t((previous[i] + 17 - lengths[i]) % 17);
                items.push_back({19, 1, delta, uint8_t(run - 4)});
            } else {
                run = 1;
                items.push_back({uint8_t((previous[i] + 17 - lengths[i]) % 17), 0, 255, 0});
            }
        }
        i += run;
    }
    uint32_t freq[kLzxPretreeSymbols] = {0};
    for (const Item& it : items) {
        freq[it.symbol]++;
        if (it.second != 255) freq[it.second]++;
    }
    uint8_t preLengths[kLzxPretreeSymbols];
    uint32_t codes[kLzxPretreeSymbols];
    HuffmanLengths(freq, kLzxPretreeSymbols, 15, preLengths);
    CanonicalCodes(preLengths, kLzxPretreeSymbols, codes);
    const uint64_t before = bw->total;
    for (uint32_t s = 0; s < kLzxPretreeSymbols; ++s) bw->Put(preLengths[s], 4);
    for (const Item& it : items) {
        bw->Put(codes[it.symbol], preLengths[it.symbol]);
        if (it.extraBits) bw->Put(it.extra, it.extraBits);
        if (it.second != 255) bw->Put(codes[it.second], preLengths[it.second]);
    }
    return bw->total - before;
}

// ------------------------------------------------------------ match finding

struct Token {
    uint32_t value;   // literal byte, or match distance
    uint16_t length;  // 0 for a literal
};

struct Offsets {
    uint32_t r[3] = {1, 1, 1};
};

// Position slot of a formatted offset (distance + 2).
uint32_t SlotOf(uint32_t formatted) {
    if (formatted < 4) return formatted;
    if (formatted >= (1u << 18)) return 36 + ((formatted - (1u << 18)) >> 17);
    uint32_t log = 31 - __builtin_clz(formatted);
    return 2 * log + ((formatted >> (log - 1)) & 1);
}

// The position slot a match takes, updating the repeated offsets as the
// decoder will.
uint32_t MatchSlot(Offsets* o, uint32_t distance) {
    if (distance == o->r[0]) return 0;
    if (distance == o->r[1]) {
        std::swap(o->r[0], o->r[1]);
        return 1;
    }
    if (distance == o->r[2]) {
        std::swap(o->r[0], o->r[2]);
        return 2;
    }
    o->r[2] = o->r[1];
    o->r[1] = o->r[0];
    o->r[0] = distance;
    return SlotOf(distance + 2);
}

// The format allows distances up to the window size minus 3. One widely
// used extractor misdecodes a byte of a match at exactly that distance when
// the match overlaps its own source (the source then lies 3 bytes ahead of
// the destination in the circular window), so the matcher stops one short:
// still valid LZX, and the lost distance is worth next to nothing.
class Matcher {
public:
    Matcher(const uint8_t* data, size_t size, uint32_t windowBits)
        : d_(data), maxDistance_((1u << windowBits) - 4), finder_(data, size, windowBits) {}

    // Parses [start, end) into tokens, starting from and updating the
    // repeated offsets.
    //
    // Where nothing matches for a while (data that does not compress), the
    // search skips ahead: after kSkipAfter literals in a row it looks only
    // at every second position, then every third, and so on up to every
    // kMaxStride-th. Every position still enters the match finder, so a
    // repeat further on is found as soon as the search lands inside it,
    // and the first match found resets the stride.
    void Parse(size_t start, size_t end, Offsets* offsets, std::vector<Token>* out) {
        size_t p = start;
        uint32_t misses = 0;
        Candidate cur = Best(p, end, *offsets);
        while (p < end) {
            if (cur.length == 0) {
                const uint32_t stride =
                    std::min<uint32_t>(1 + (misses >> kSkipShift), kMaxStride);
                const size_t to = std::min<size_t>(end, p + stride);
                for (; p < to; ++p) out->push_back({d_[p], 0});
                misses += stride;
                if (p < end) cur = Best(p, end, *offsets);
                continue;
            }
            misses = 0;
            if (cur.length < kLazyLength && p + 1 < end) {
                Candidate next = Best(p + 1, end, *offsets, cur.length);
                if (next.length > cur.length) {
                    out->push_back({d_[p], 0});
                    ++p;
                    cur = next;
                    continue;
                }
            }
            out->push_back({cur.distance, uint16_t(cur.length)});
            MatchSlot(offsets, cur.distance);
            p += cur.length;
            if (p < end) cur = Best(p, end, *offsets);
        }
    }

private:
    struct Candidate {
        uint32_t length = 0, distance = 0;
    };

    // The best match at p. With a floor, only a match longer than the floor
    // matters to the caller (the lazy step): candidates that cannot
    // beat it are skipped, and the result is then the same as without the
    // floor whenever it is longer than the floor.
    Candidate Best(size_t p, size_t end, const Offsets& offsets, uint32_t floor = 0) {
        finder_.InsertUpTo(p);
        const uint32_t limit = uint32_t(std::min<size_t>(kLzxMaxMatch, end - p));
        Candidate best, rep;
        if (limit < kLzxMinMatch || floor >= limit) return best;
        for (uint32_t r : offsets.r) {
            if (r > p || r > maxDistance_) continue;
            uint32_t len = finder_.Length(p - r, p, limit);
            if (len > rep.length) {
                rep.length = len;
                rep.distance = r;
            }
        }
        best.length = floor;
        if (limit >= 4) {
            // A match at least as long as kGoodLength makes a longer one
            // worth less: the rest of the search is cut to a quarter.
            // The lazy step's probe (a floor is set) looks at half as many.
            uint32_t depth = floor ? kLazyDepth : kSearchDepth;
            uint32_t cands[MatchFinder::kWays];
            const uint32_t count = std::min(finder_.Candidates(p, maxDistance_, cands), depth);
            for (uint32_t k = 0; k < count && k < depth; ++k) {
                const size_t c = cands[k];
                if (d_[c + best.length] != d_[p + best.length]) continue;
                const uint32_t len = finder_.Length(c, p, limit);
                if (len > best.length) {
                    if (len >= kGoodLength && best.length < kGoodLength) depth = k + (depth - k + 3) / 4;
                    best.length = len;
                    best.distance = uint32_t(p - c);
                    if (len >= kNiceLength || len == limit) break;
                }
            }
        }
        // Three bytes pay only near (a 3-byte match far away costs more
        // than three literals), so the newest 3-byte candidate serves.
        if (best.length < 3 && limit >= 3) {
            if (const uint32_t cand = finder_.First3(p)) {
                const size_t c = cand - 1;
                const uint32_t distance = uint32_t(p - c);
                if (distance <= 16384 && distance <= maxDistance_ && finder_.Length(c, p, 3) == 3) {
                    best.length = 3;
                    best.distance = distance;
                }
            }
        }
        if (best.length < 3 || best.distance == 0) best.length = 0;  // none beat the floor
        if (rep.length >= 2 && (rep.length >= best.length || (rep.length >= 3 && rep.length + 1 >= best.length)))
            return rep;
        return best;
    }

    const uint8_t* d_;
    uint32_t maxDistance_;
    MatchFinder finder_;
};

// ------------------------------------------------------------- block coding

struct Frame {
    size_t start = 0, end = 0;
    std::vector<Token> tokens;
    Offsets before;  // repeated offsets at the frame's start
};

// Symbol statistics of a run of frames. A frame's statistics do not depend
// on how frames are grouped into blocks (the repeated offsets evolve the
// same way through every block), so they are counted once per frame and
// added up for a group.
struct Stats {
    std::vector<uint32_t> mainFreq = std::vector<uint32_t>(kLzxMaxMainSymbols, 0);
    std::vector<uint32_t> lengthFreq = std::vector<uint32_t>(kLzxLengthSymbols, 0);
    uint32_t alignedFreq[kLzxAlignedSymbols] = {0};
    uint64_t verbatimExtra = 0;  // footer bits in a verbatim block
    uint64_t alignedExtra = 0;   // footer bits outside the aligned symbols

    void Add(const Stats& o) {
        for (size_t s = 0; s < mainFreq.size(); ++s) mainFreq[s] += o.mainFreq[s];
        for (size_t s = 0; s < lengthFreq.size(); ++s) lengthFreq[s] += o.lengthFreq[s];
        for (uint32_t s = 0; s < kLzxAlignedSymbols; ++s) alignedFreq[s] += o.alignedFreq[s];
        verbatimExtra += o.verbatimExtra;
        alignedExtra += o.alignedExtra;
    }
};

Stats CountFrame(const Frame& frame) {
    Stats st;
    Offsets offsets = frame.before;
    for (const Token& t : frame.tokens) {
        if (t.length == 0) {
            st.mainFreq[t.value]++;
            continue;
        }
        uint32_t slot = MatchSlot(&offsets, t.value);
        uint32_t header = std::min<uint32_t>(t.length - 2, 7);
        st.mainFreq[kLzxNumChars + slot * 8 + header]++;
        if (header == 7) st.lengthFreq[t.length - 9]++;
        if (slot >= 3) {
            uint32_t extra = kLzxExtraBits[slot];
            st.verbatimExtra += extra;
            if (extra >= 3) {
                st.alignedExtra += extra - 3;
                uint32_t footer = t.value + 2 - uint32_t(kLzxPositionBase[slot] + 2);
                st.alignedFreq[footer & 7]++;
            } else {
                st.alignedExtra += extra;
            }
        }
    }
    return st;
}

// The trees made from a group's statistics, and the block's size in bits.
struct BlockPlan {
    std::vector<uint8_t> mainLengths, lengthLengths;
    uint8_t alignedLengths[kLzxAlignedSymbols] = {0};
    bool aligned = false;
    uint64_t bits = 0;
};

class LzxStream {
public:
    LzxStream(uint32_t windowBits, uint32_t e8Size, std::vector<EncodedBlock>* blocks)
        : slots_(LzxPositionSlots(1u << windowBits)),
          mainSymbols_(kLzxNumChars + kLzxLengthHeaders * slots_), e8Size_(e8Size),
          blocks_(blocks), prevMain_(kLzxMaxMainSymbols, 0), prevLength_(kLzxLengthSymbols, 0) {
        bw_.out = &bytes_;
    }

    // Trees for the statistics and the size of the block they make, as a
    // verbatim or an aligned-offset block, whichever is smaller.
    BlockPlan Plan(const Stats& st) const {
        BlockPlan plan;
        plan.mainLengths.resize(mainSymbols_);
        plan.lengthLengths.resize(kLzxLengthSymbols);
        HuffmanLengths(st.mainFreq.data(), mainSymbols_, kLzxMaxCodeLength, plan.mainLengths.data());
        HuffmanLengths(st.lengthFreq.data(), kLzxLengthSymbols, kLzxMaxCodeLength,
                       plan.lengthLengths.data());
        HuffmanLengths(st.alignedFreq, kLzxAlignedSymbols, 7, plan.alignedLengths);
        BitWriter counter;
        uint64_t common = 27 + TreeBits(&counter, plan);
        for (uint32_t s = 0; s < mainSymbols_; ++s) common += uint64_t(st.mainFreq[s]) * plan.mainLengths[s];
        for (uint32_t s = 0; s < kLzxLengthSymbols; ++s)
            common += uint64_t(st.lengthFreq[s]) * plan.lengthLengths[s];
        uint64_t verbatim = common + st.verbatimExtra;
        uint64_t aligned = common + 24 + st.alignedExtra;
        for (uint32_t s = 0; s < kLzxAlignedSymbols; ++s)
            aligned += uint64_t(st.alignedFreq[s]) * plan.alignedLengths[s];
        plan.aligned = aligned < verbatim;
        plan.bits = std::min(aligned, verbatim);
        return plan;
    }

    // Writes one compressed block over the frames, closing a data block at
    // each frame's end.
    void WriteCompressed(const Frame* const* frames, size_t count, const Stats& stats) {
        BlockPlan plan = Plan(stats);
        size_t size = 0;
        for (size_t f = 0; f < count; ++f) size += frames[f]->end - frames[f]->start;
        StartBlock(plan.aligned ? AlignedOffset : Verbatim, uint32_t(size));
        if (plan.aligned)
            for (uint32_t s = 0; s < kLzxAlignedSymbols; ++s) bw_.Put(plan.alignedLengths[s], 3);
        TreeBits(&bw_, plan);
        prevMain_.assign(plan.mainLengths.begin(), plan.mainLengths.end());
        prevMain_.resize(kLzxMaxMainSymbols, 0);
        prevLength_ = plan.lengthLengths;

        std::vector<uint32_t> mainCodes(mainSymbols_), lengthCodes(kLzxLengthSymbols);
        uint32_t alignedCodes[kLzxAlignedSymbols];
        CanonicalCodes(plan.mainLengths.data(), mainSymbols_, mainCodes.data());
        CanonicalCodes(plan.lengthLengths.data(), kLzxLengthSymbols, lengthCodes.data());
        CanonicalCodes(plan.alignedLengths, kLzxAlignedSymbols, alignedCodes);
        for (size_t f = 0; f < count; ++f) {
            for (const Token& t : frames[f]->tokens) {
                if (t.length == 0) {
                    bw_.Put(mainCodes[t.value], plan.mainLengths[t.value]);
                    continue;
                }
                uint32_t slot = MatchSlot(&offsets_, t.value);
                uint32_t header = std::min<uint32_t>(t.length - 2, 7);
                uint32_t sym = kLzxNumChars + slot * 8 + header;
                bw_.Put(mainCodes[sym], plan.mainLengths[sym]);
                if (header == 7) bw_.Put(lengthCodes[t.length - 9], plan.lengthLengths[t.length - 9]);
                if (slot < 3) continue;
                uint32_t extra = kLzxExtraBits[slot];
                uint32_t footer = t.value + 2 - uint32_t(kLzxPositionBase[slot] + 2);
                if (plan.aligned && extra >= 3) {
                    if (extra > 3) bw_.Put(footer >> 3, extra - 3);
                    bw_.Put(alignedCodes[footer & 7], plan.alignedLengths[footer & 7]);
                } else if (extra) {
                    bw_.Put(footer, extra);
                }
            }
            EndFrame(frames[f]);
        }
    }

    // Writes one uncompressed block over the frames (raw bytes of `data`).
    void WriteUncompressed(const uint8_t* data, const Frame* const* frames, size_t count) {
        size_t size = 0;
        for (size_t f = 0; f < count; ++f) size += frames[f]->end - frames[f]->start;
        StartBlock(Uncompressed, uint32_t(size));
        // Up to the next 16-bit boundary, or a whole word when already on
        // one: the decoder always skips 1 to 16 bits here.
        bw_.Put(0, 16 - bw_.pending);
        for (uint32_t r : offsets_.r)
            for (int k = 0; k < 4; ++k) bytes_.push_back(uint8_t(r >> (8 * k)));
        for (size_t f = 0; f < count; ++f) {
            bytes_.insert(bytes_.end(), data + frames[f]->start, data + frames[f]->end);
            // An odd-sized block is followed by a pad byte. Blocks end at a
            // frame's end, and only the folder's last frame can be odd, so
            // the pad byte stays in the last data block.
            if (f + 1 == count && (size & 1)) bytes_.push_back(0);
            blocks_->push_back(EncodedBlock{std::move(bytes_), uint16_t(frames[f]->end - frames[f]->start)});
            bytes_.clear();
        }
    }

    // The bits of a block of raw bytes over the frames (header and offsets).
    static uint64_t UncompressedBits(size_t size) { return 27 + 16 + 96 + 8 * uint64_t(size + 1); }

    const Offsets& offsets() const { return offsets_; }

private:
    uint64_t TreeBits(BitWriter* bw, const BlockPlan& plan) const {
        uint64_t bits = WriteLengths(bw, prevMain_.data(), plan.mainLengths.data(), kLzxNumChars);
        bits += WriteLengths(bw, prevMain_.data() + kLzxNumChars, plan.mainLengths.data() + kLzxNumChars,
                             mainSymbols_ - kLzxNumChars);
        bits += WriteLengths(bw, prevLength_.data(), plan.lengthLengths.data(), kLzxLengthSymbols);
        return bits;
    }

    void StartBlock(uint32_t type, uint32_t size) {
        if (!e8HeaderWritten_) {
            // The stream's E8 header: one bit, and the translation size.
            e8HeaderWritten_ = true;
            bw_.Put(e8Size_ ? 1 : 0, 1);
            if (e8Size_) {
                bw_.Put(e8Size_ >> 16, 16);
                bw_.Put(e8Size_ & 0xFFFF, 16);
            }
        }
        bw_.Put(type, 3);
        bw_.Put(size >> 16, 8);
        bw_.Put((size >> 8) & 0xFF, 8);
        bw_.Put(size & 0xFF, 8);
    }

    void EndFrame(const Frame* frame) {
        bw_.Align();
        blocks_->push_back(EncodedBlock{std::move(bytes_), uint16_t(frame->end - frame->start)});
        bytes_.clear();
    }

    uint32_t slots_, mainSymbols_, e8Size_;
    std::vector<EncodedBlock>* blocks_;
    std::vector<uint8_t> bytes_;
    BitWriter bw_;
    bool e8HeaderWritten_ = false;
    Offsets offsets_;
    std::vector<uint8_t> prevMain_, prevLength_;
};

// Whether the data looks like x86 code: CALL opcodes whose operand is a
// small positive or negative displacement.
bool LooksLikeX86(const uint8_t* data, size_t size) {
    size_t calls = 0;
    for (size_t i = 0; i + 5 <= size; ++i)
        if (data[i] == 0xE8 && (data[i + 4] == 0x00 || data[i + 4] == 0xFF)) ++calls;
    return calls >= 16 && calls * 1000 >= size;
}

// The forward E8 translation, frame by frame, exactly mirroring what the
// decoder undoes: same frames, same candidates, same 32768-frame limit.
void TranslateE8Forward(uint8_t* data, size_t size, uint32_t frameSize, uint32_t e8Size) {
    size_t frame = 0;
    for (size_t start = 0; start < size && frame < kLzxE8MaxFrames; start += frameSize, ++frame) {
        const size_t len = std::min<size_t>(frameSize, size - start);
        if (len <= kE8Sentinel) continue;
        for (size_t i = 0; i < len - kE8Sentinel;) {
            if (data[start + i] != 0xE8) {
                ++i;
                continue;
            }
            uint8_t* operand = data + start + i + 1;
            const int64_t cur = int64_t(start + i);
            int32_t rel = int32_t(uint32_t(operand[0]) | uint32_t(operand[1]) << 8 |
                                  uint32_t(operand[2]) << 16 | uint32_t(operand[3]) << 24);
            int64_t abs = rel;
            if (rel >= -cur && rel < int64_t(e8Size) - cur)
                abs = rel + cur;  // decoder: v < e8Size, v - cur
            else if (rel >= int64_t(e8Size) - cur && rel < int64_t(e8Size))
                abs = int64_t(rel) - int64_t(e8Size);  // decoder: -cur <= v < 0, v + e8Size
            uint32_t v = uint32_t(abs);
            operand[0] = uint8_t(v);
            operand[1] = uint8_t(v >> 8);
            operand[2] = uint8_t(v >> 16);
            operand[3] = uint8_t(v >> 24);
            i += 5;
        }
    }
}

}  // namespace

bool EncodeLzx(const uint8_t* data, size_t size, const FolderSpec& spec, uint32_t blockSize,
               std::vector<EncodedBlock>* blocks, std::string* error) {
    if (spec.windowBits < int(kLzxMinWindowBits) || spec.windowBits > int(kLzxMaxWindowBits)) {
        if (error) *error = "LZX window bits must be 15 to 21";
        return false;
    }
    // Frames must tile the window, so their size must divide 32768.
    if (blockSize == 0 || blockSize > kLzxFrameSize || (kLzxFrameSize % blockSize) != 0) {
        if (error) *error = "LZX block size must divide 32768";
        return false;
    }
    blocks->clear();
    if (size == 0) return true;

    // The data are copied only when the E8 translation changes them.
    std::vector<uint8_t> translated;
    const uint8_t* work = data;
    uint32_t e8Size = 0;
    if (LooksLikeX86(data, size)) {
        e8Size = uint32_t(std::min<size_t>(std::max<size_t>(size, 1u << 20), 1u << 30));
        translated.assign(data, data + size);
        TranslateE8Forward(translated.data(), size, blockSize, e8Size);
        work = translated.data();
    }

    const uint32_t windowBits = uint32_t(spec.windowBits);
    Matcher matcher(work, size, windowBits);
    LzxStream stream(windowBits, e8Size, blocks);
    Offsets parseOffsets;  // the repeated offsets the parser assumes

    std::vector<Frame> frames;  // the group not yet written
    Stats groupStats;
    bool groupRaw = false;
    uint64_t groupBits = 0;
    auto flush = [&]() {
        if (frames.empty()) return;
        std::vector<const Frame*> list;
        for (const Frame& f : frames) list.push_back(&f);
        if (groupRaw)
            stream.WriteUncompressed(work, list.data(), list.size());
        else
            stream.WriteCompressed(list.data(), list.size(), groupStats);
        frames.clear();
    };

    for (size_t start = 0; start < size; start += blockSize) {
        Frame frame;
        frame.start = start;
        frame.end = std::min<size_t>(size, start + blockSize);
        frame.before = parseOffsets;
        matcher.Parse(frame.start, frame.end, &parseOffsets, &frame.tokens);

        Stats stats = CountFrame(frame);
        const uint64_t alone = stream.Plan(stats).bits;
        const bool raw = alone >= LzxStream::UncompressedBits(frame.end - frame.start);
        if (raw) parseOffsets = frame.before;  // raw bytes leave R0-R2 alone

        if (!frames.empty() && raw == groupRaw && frames.size() < kMaxGroupFrames) {
            if (raw) {
                frames.push_back(std::move(frame));
                continue;
            }
            Stats merged = groupStats;
            merged.Add(stats);
            const uint64_t mergedBits = stream.Plan(merged).bits;
            if (mergedBits < groupBits + alone) {
                groupBits = mergedBits;
                groupStats = std::move(merged);
                frames.push_back(std::move(frame));
                continue;
            }
        }
        flush();
        groupRaw = raw;
        groupBits = alone;
        groupStats = std::move(stats);
        frames.push_back(std::move(frame));
    }
    flush();
    for (const EncodedBlock& b : *blocks) {
        if (b.bytes.size() > kLzxFrameSize + kLzxInputReserve) {
            if (error) *error = "LZX frame exceeds the largest data block";
            return false;
        }
    }
    return true;
}

}  // namespace cabwriter
