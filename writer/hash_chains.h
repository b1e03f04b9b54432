// Hash chains over a folder's data, shared by the LZX and Quantum match
// finders.
//
// Chains link positions whose next four bytes hash alike, newest first, so
// that a walk visits mostly candidates of four matching bytes or more; a
// separate table keeps only the newest position of each three-byte hash,
// for the short, near matches that both formats code cheaply. Positions are
// stored plus one (0 = none) in 32-bit words; the chain links live in a
// ring of the window's size, so a link read for a position more than a
// window behind is stale, and walkers stop at the window's distance before
// they follow one.
//
// The four-byte table grows with the window: a 2 MiB window holds many
// positions per hash, and on data that does not compress every chain entry
// is a collision that costs two cache misses to reject.
#ifndef STUB_WRITER_HASH_CHAINS_H
#define STUB_WRITER_HASH_CHAINS_H

#include <stddef.h>
#include <stdint.h>
#include <string.h>

#include <algorithm>
#include <vector>

namespace cabwriter {

class HashChains {
public:
    // The tables shrink for data smaller than the window (the ring never
    // needs more entries than there are positions), so that a small folder
    // does not pay for clearing megabytes it never uses.
    HashChains(const uint8_t* data, size_t size, uint32_t windowBits)
        : d_(data), n_(size), mask_((1u << RingBits(size, windowBits)) - 1),
          bits4_(std::min(std::min<uint32_t>(std::max<uint32_t>(windowBits - 2, 15), 19),
                          std::max<uint32_t>(RingBits(size, windowBits), 10))),
          head4_(size_t(1) << bits4_, 0), head3_(size_t(1) << kBits3, 0), prev_(size_t(mask_) + 1, 0) {}

    // Enters every position below p (each once, in order).
    void InsertUpTo(size_t p) {
        for (; inserted_ < p; ++inserted_) {
            const size_t q = inserted_;
            // The head entries are scattered: fetch a few positions ahead,
            // so that the misses overlap instead of queueing.
            if (q + kAhead + 4 <= n_) __builtin_prefetch(&head4_[Hash4(q + kAhead)], 1);
            if (q + 3 > n_) continue;
            head3_[Hash3(q)] = uint32_t(q + 1);
            if (q + 4 > n_) continue;
            uint32_t& head = head4_[Hash4(q)];
            prev_[q & mask_] = head;
            head = uint32_t(q + 1);
        }
    }

    // The newest earlier position whose four bytes hash like p's, plus one
    // (0: none). p must have been reached by InsertUpTo and have 4 bytes.
    uint32_t First4(size_t p) const { return head4_[Hash4(p)]; }
    // The link from a chain entry (position c, not plus one) to the next older.
    uint32_t Next(size_t c) const { return prev_[c & mask_]; }
    // The newest earlier position whose three bytes hash like p's, plus one.
    uint32_t First3(size_t p) const { return head3_[Hash3(p)]; }

    // Length of the common run at `from` and `p`, at most `limit`; both
    // ranges lie within the data.
    uint32_t Length(size_t from, size_t p, uint32_t limit) const {
        uint32_t k = 0;
        while (k + 8 <= limit) {
            uint64_t x, y;
            memcpy(&x, d_ + from + k, 8);
            memcpy(&y, d_ + p + k, 8);
            if (x != y) return k + uint32_t(__builtin_ctzll(x ^ y) >> 3);
            k += 8;
        }
        while (k < limit && d_[from + k] == d_[p + k]) ++k;
        return k;
    }

private:
    static const uint32_t kBits3 = 16;

    static uint32_t RingBits(size_t size, uint32_t windowBits) {
        uint32_t bits = 10;
        while (bits < windowBits && (size_t(1) << bits) < size) ++bits;
        return bits;
    }
    static const size_t kAhead = 8;

    uint32_t Hash3(size_t p) const {
        uint32_t v = uint32_t(d_[p]) | uint32_t(d_[p + 1]) << 8 | uint32_t(d_[p + 2]) << 16;
        return (v * 2654435761u) >> (32 - kBits3);
    }
    uint32_t Hash4(size_t p) const {
        uint32_t v = uint32_t(d_[p]) | uint32_t(d_[p + 1]) << 8 | uint32_t(d_[p + 2]) << 16 |
                     uint32_t(d_[p + 3]) << 24;
        return (v * 2654435761u) >> (32 - bits4_);
    }

    const uint8_t* d_;
    size_t n_;
    uint32_t mask_, bits4_;
    std::vector<uint32_t> head4_, head3_, prev_;
    size_t inserted_ = 0;
};

}  // namespace cabwriter

#endif
