// Match finder over a folder's data, shared by the LZX and Quantum encoders.
//
// Positions are entered in a table of buckets indexed by a hash of their
// next four bytes. A bucket is two 64-byte cache lines holding the kWays
// newest positions of its hash as a ring: a cursor per bucket names the
// slot the next position overwrites (the oldest), so that entering a
// position writes one word. A search reads one bucket and
// knows every candidate at once, so it can fetch all their bytes in
// parallel instead of following a chain one cache miss after another.
//
// Entry format: the low 24 bits of the position and, above them, an 8-bit
// tag from hash bits the bucket index does not use (never 0, so that 0
// marks an empty entry). A candidate whose tag differs has different four
// bytes and is passed over without touching the data. A position is
// recovered as the newest one at or below the searched position with the
// same low 24 bits; windows are at most 2 MiB, so every position within
// reach comes back exactly, and an entry older than 16 MiB that comes back
// as a nearer position is only a candidate like any other: its bytes are
// compared before it is used.
//
// A separate table keeps the newest position of each three-byte hash, for
// the short, near matches that both formats code cheaply.
#ifndef STUB_WRITER_MATCH_FINDER_H
#define STUB_WRITER_MATCH_FINDER_H

#include <stddef.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace cabwriter {

class MatchFinder {
public:
    static constexpr uint32_t kWays = 32;  // positions per bucket: two cache lines
    static_assert((kWays & (kWays - 1)) == 0 && kWays <= 256, "the ring cursor is a byte");

    // The table is sized by BucketBits: for the window, and smaller for
    // data smaller than the window, so that a small folder does not pay for
    // clearing megabytes it never uses.
    MatchFinder(const uint8_t* data, size_t size, uint32_t windowBits)
        : d_(data), n_(size), bits_(BucketBits(size, windowBits)),
          buckets_(static_cast<uint32_t*>(aligned_alloc(128, (size_t(kWays) * 4) << bits_))),
          cursors_(size_t(1) << bits_, 0), head3_(size_t(1) << kBits3, 0) {
        if (!buckets_) throw std::bad_alloc();
        memset(buckets_.get(), 0, (size_t(kWays) * 4) << bits_);
    }

    // Enters every position below p (each once, in order).
    void InsertUpTo(size_t p) {
        for (; inserted_ < p; ++inserted_) {
            const size_t q = inserted_;
            // Buckets are scattered: fetch a few positions ahead, so that
            // the misses overlap instead of queueing.
            if (q + kAhead + 4 <= n_) {
                const uint32_t* ahead = Bucket(Hash4(q + kAhead));
                __builtin_prefetch(ahead, 1);
                __builtin_prefetch(ahead + 16, 1);
            }
            if (q + 3 > n_) continue;
            head3_[Hash3(q)] = uint32_t(q + 1);
            if (q + 4 > n_) continue;
            const uint32_t h = Hash4(q);
            uint8_t& cursor = cursors_[Index(h)];
            Bucket(h)[cursor] = Tag(h) | (uint32_t(q) & kPositionMask);
            cursor = uint8_t((cursor + 1) & (kWays - 1));
        }
    }

    // The candidates for a match at p (which InsertUpTo has reached and
    // which has 4 bytes): earlier positions whose four bytes probably equal
    // p's, newest first, none farther than maxDistance. Their bytes are
    // being fetched on return. Returns how many were stored into out
    // (room for kWays).
    uint32_t Candidates(size_t p, uint32_t maxDistance, uint32_t* out) const {
        const uint32_t h = Hash4(p);
        const uint32_t* b = Bucket(h);
        const uint32_t tag = Tag(h);
        const uint32_t newest = cursors_[Index(h)] + kWays - 1;
        uint32_t count = 0;
        for (uint32_t k = 0; k < kWays; ++k) {
            const uint32_t e = b[(newest - k) & (kWays - 1)];
            if (e == 0) break;  // the bucket was never filled further
            // The ring runs from newest to oldest whatever the tags, so the
            // first entry out of reach ends the search (with a small window,
            // most of a bucket is).
            const uint32_t distance = uint32_t((p - (e & kPositionMask)) & kPositionMask);
            if (distance > maxDistance) break;
            if ((e & ~kPositionMask) != tag || distance == 0 || distance > p) continue;
            __builtin_prefetch(d_ + p - distance);
            out[count++] = uint32_t(p - distance);
        }
        return count;
    }

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
    static constexpr uint32_t kBits3 = 16;
    static constexpr uint32_t kPositionMask = 0xFFFFFF;
    static constexpr size_t kAhead = 16;
    static constexpr uint32_t kMaxBucketBits = 16;

    struct FreeAligned {
        void operator()(uint32_t* p) const { free(p); }
    };

    // Small windows get about four entries per window position (the
    // table stays small, and buckets shared by fewer hashes keep more
    // useful positions); from a 512 KiB window on, the table stops at 8 MiB,
    // one entry per position of a 2 MiB window. Data smaller than the
    // window need no more buckets than it has positions.
    static uint32_t BucketBits(size_t size, uint32_t windowBits) {
        const uint32_t most = std::min<uint32_t>(windowBits - 3, kMaxBucketBits);
        uint32_t bits = 6;
        while (bits < most && (size_t(kWays) << bits) < 4 * size) ++bits;
        return bits;
    }

    size_t Index(uint32_t h) const { return h >> (32 - bits_); }
    uint32_t* Bucket(uint32_t h) const { return buckets_.get() + Index(h) * kWays; }
    // Eight hash bits below the bucket index, as the entry's top byte.
    uint32_t Tag(uint32_t h) const {
        const uint32_t t = (h >> (24 - bits_)) & 0xFF;
        return (t ? t : 1) << 24;
    }

    uint32_t Hash3(size_t p) const {
        uint32_t v = uint32_t(d_[p]) | uint32_t(d_[p + 1]) << 8 | uint32_t(d_[p + 2]) << 16;
        return (v * 2654435761u) >> (32 - kBits3);
    }
    uint32_t Hash4(size_t p) const {
        const uint32_t v = uint32_t(d_[p]) | uint32_t(d_[p + 1]) << 8 |
                           uint32_t(d_[p + 2]) << 16 | uint32_t(d_[p + 3]) << 24;
        return uint32_t((uint64_t(v) * 0x9E3779B97F4A7C15ull) >> 32);
    }

    const uint8_t* d_;
    size_t n_;
    uint32_t bits_;
    std::unique_ptr<uint32_t, FreeAligned> buckets_;
    std::vector<uint8_t> cursors_;  // per bucket: the slot written next
    std::vector<uint32_t> head3_;
    size_t inserted_ = 0;
};

}  // namespace cabwriter

#endif
