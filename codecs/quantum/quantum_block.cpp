// Quantum block decoding.
//
// Each data block is one self-contained arithmetic-coded unit: the coder
// starts afresh on the block's first byte, with `code` holding the first 16
// bits of the block, `low` 0 and `high` 0xFFFF. The models and the history
// window carry on from the previous block of the folder, so a match may copy
// from earlier blocks (up to the window size back), but never runs past the
// end of the block it is coded in.
//
// The coder is the classic 16-bit range coder: a symbol of model total T
// whose entry covers cumulative frequencies [c1, c0) narrows [low, high] to
// the matching proportional part; then every leading bit that low and high
// share is shifted out (and a new input bit shifted into `code`), and while
// the interval straddles the middle within a quarter on either side (low =
// 01..., high = 10...) bit 14 is removed from all three registers before the
// shift. The coder reads ahead: an encoder has to place every bit the final
// renormalisation asks for inside the block, and a block whose bits run out
// before that is corrupt.
#include <assert.h>
#include <string.h>

#include "quantum_bits.h"
#include "quantum_decoder.h"

#if QUANTUM_VECTOR_SEARCH
#include <emmintrin.h>
#endif


namespace {

// The arithmetic decoder's registers (16-bit values) and the bit reader,
// kept together so that the inline symbol decoder works on locals. On
// 64-bit hosts `code` is kept as its distance above `low`: that distance is
// all the symbol search needs, and renormalisation moves it as it moves
// code (see DecodeSymbol).
struct Coder {
    uint32_t low;
    uint32_t high;
#if QUANTUM_WIDE_BITS
    uint32_t codeAboveLow;  // code - low
#else
    uint32_t code;
#endif
    QuantumBits bits;
};

// The symbol decoder is inlined at its four call sites for speed, except
// in a build for size (the stub).
#if defined(__OPTIMIZE_SIZE__) || !defined(__GNUC__)
#define QTM_INLINE inline
#else
#define QTM_INLINE __attribute__((always_inline)) inline
#endif

// On x86-64 the block decoder is built twice: for every processor (SSE2)
// and for processors with AVX2, BMI2 and LZCNT, chosen at each call. The
// AVX2 build's symbol search (SearchAvx2) spares the division, and the
// whole build uses the newer scalar instructions (shifts, leading zeros).
// Its entry point is flattened so that the search, which only an AVX2
// function may inline, ends up inside it.
#if QUANTUM_VECTOR_SEARCH && defined(__GNUC__) && !defined(QTM_NO_AVX2_BUILD)
#define QTM_AVX2_BUILD 1
#if defined(__clang__)
#define QTM_AVX2 __attribute__((target("avx2,bmi,bmi2,popcnt")))
#define QTM_CPU_HAS_AVX2() \
    (__builtin_cpu_supports("avx2") && __builtin_cpu_supports("bmi2") && \
     __builtin_cpu_supports("popcnt"))
#else
#define QTM_AVX2 __attribute__((target("arch=x86-64-v3")))
#define QTM_CPU_HAS_AVX2() __builtin_cpu_supports("x86-64-v3")
#endif
#include <immintrin.h>
#else
#define QTM_AVX2_BUILD 0
#endif

#if QUANTUM_VECTOR_SEARCH
// Finds the symbol entry for `target` in a model with at most 8 * V
// symbols and adds the update to entries 0 to i (see DecodeSymbol); returns
// i. The cumulative frequencies are strictly decreasing up to the sentinel
// and zero after it, so the entries above the target form a prefix: their
// count, less one, is i. Entry 0 is counted whatever its value, as the
// scalar search never tests it. Frequencies stay below 2^15, so a signed
// 16-bit comparison with the target capped at 0x7FFF gives the same answer.
template <int V>
QTM_INLINE unsigned SearchVector(uint16_t* f, uint32_t range, uint32_t scaled, uint32_t* upper,
                                  uint32_t* lower) {
    uint32_t target = scaled / range;
    __m128i t = _mm_set1_epi16((short)(target < 0x7FFF ? target : 0x7FFF));
    __m128i x[V], g[V];
    uint64_t above = 0;
    for (int v = 0; v < V; ++v) {
        x[v] = _mm_loadu_si128((const __m128i*)(f + 8 * v));
        g[v] = _mm_cmpgt_epi16(x[v], v == 0 ? _mm_insert_epi16(t, -1, 0) : t);
        above |= (uint64_t)(unsigned)_mm_movemask_epi8(_mm_packs_epi16(g[v], _mm_setzero_si128()))
                 << (8 * v);
    }
    unsigned i = 63u - (unsigned)__builtin_clzll(above);
    // Read before the update is stored, so that the loads need not wait
    // for the stores.
    *upper = f[i];
    *lower = f[i + 1];
    const __m128i step = _mm_set1_epi16((short)kFrequencyStep);
    for (int v = 0; v < V; ++v)
        _mm_storeu_si128((__m128i*)(f + 8 * v), _mm_add_epi16(x[v], _mm_and_si128(g[v], step)));
    return i;
}
#endif

#if QTM_AVX2_BUILD
// The search without the division: each entry's test "frequency <= target"
// is made as "frequency * range <= scaled", eight entries at a time in
// 32-bit lanes. Every product stays below 3800 * 2^16 < 2^28, and so does
// `scaled` (code lies within [low, high], see DecodeSymbol), so a signed
// comparison gives the unsigned answer. The entries above the target form
// a prefix that always holds entry 0 (scaled < range * total), so i is
// their count less one, and the comparison's lanes are also the mask of
// the entries 0 to i that gain kFrequencyStep. Packed to 16 bits (each
// pair of vectors, put back in order) they update sixteen entries at a
// time; packed once more to bytes, whose order does not matter to a
// count, they leave one or two bit masks to count.
template <int V>
QTM_AVX2 inline unsigned SearchAvx2(uint16_t* f, uint32_t range, uint32_t scaled, uint32_t* upper,
                                    uint32_t* lower) {
    static_assert(V == 1 || V % 2 == 0, "vectors are paired");
    assert(scaled < range * f[0] && scaled < 0x10000000u);
    const __m256i r = _mm256_set1_epi32((int)range);
    const __m256i s = _mm256_set1_epi32((int)scaled);
    __m256i g[V];
    for (int v = 0; v < V; ++v) {
        __m256i x = _mm256_cvtepu16_epi32(_mm_loadu_si128((const __m128i*)(f + 8 * v)));
        g[v] = _mm256_cmpgt_epi32(_mm256_mullo_epi32(x, r), s);
    }
    unsigned i;
    if (V == 1) {
        i = (unsigned)_mm_popcnt_u32((unsigned)_mm256_movemask_ps(_mm256_castsi256_ps(g[0]))) - 1;
        *upper = f[i];
        *lower = f[i + 1];
        __m128i above = _mm_packs_epi32(_mm256_castsi256_si128(g[0]),
                                        _mm256_extracti128_si256(g[0], 1));
        __m128i x = _mm_loadu_si128((const __m128i*)f);
        _mm_storeu_si128((__m128i*)f,
                         _mm_add_epi16(x, _mm_and_si128(above, _mm_set1_epi16((short)kFrequencyStep))));
    } else {
        // packs works within 128-bit halves: entries 16u + 0-3, 8-11, 4-7,
        // 12-15 in its four quarters.
        __m256i p[V / 2];
        for (int u = 0; u < V / 2; ++u) p[u] = _mm256_packs_epi32(g[2 * u], g[2 * u + 1]);
        uint64_t bytes = (uint32_t)_mm256_movemask_epi8(
            _mm256_packs_epi16(p[0], V / 2 > 1 ? p[1 % (V / 2)] : _mm256_setzero_si256()));
        if (V / 2 > 2)
            bytes |= (uint64_t)(uint32_t)_mm256_movemask_epi8(_mm256_packs_epi16(
                         p[2 % (V / 2)], V / 2 > 3 ? p[3 % (V / 2)] : _mm256_setzero_si256()))
                     << 32;
        i = (unsigned)_mm_popcnt_u64(bytes) - 1;
        *upper = f[i];
        *lower = f[i + 1];
        const __m256i step = _mm256_set1_epi16((short)kFrequencyStep);
        for (int u = 0; u < V / 2; ++u) {
            __m256i above = _mm256_permute4x64_epi64(p[u], 0xD8);
            __m256i x = _mm256_loadu_si256((const __m256i*)(f + 16 * u));
            _mm256_storeu_si256((__m256i*)(f + 16 * u), _mm256_add_epi16(x, _mm256_and_si256(above, step)));
        }
    }
    // The entry the scalar search stops at.
    assert(*lower * range <= scaled && (i == 0 || *upper * range > scaled));
    return i;
}
#endif

// Decodes one symbol of `model`, then adapts the model. The model has at
// most 8 * V symbols.
template <int V, bool Avx2>
QTM_INLINE unsigned DecodeSymbol(Coder* c, AdaptiveModel* model, const QuantumDecoder* q) {
    uint16_t* f = model->cumulativeFrequency;
    uint32_t total = f[0];
    uint32_t low = c->low, high = c->high;
#if QUANTUM_WIDE_BITS
    uint32_t above = c->codeAboveLow;
#else
    uint32_t code = c->code;
#endif
    uint32_t range = high - low + 1;
    // After renormalisation low and high differ in their top bit and do not
    // straddle the middle within a quarter, so the interval holds more than
    // 2^14 values; totals stay at most 3800 (the reciprocal table's size, and
    // below 2^15 for the vector search's signed comparison).
    assert(range > 0x4000 && range <= 0x10000);
    assert(total > 0 && total <= kRescaleThreshold);
    // The coder keeps low <= code <= high, whatever the input: the block
    // starts with low 0 and high 0xFFFF, narrowing keeps code inside the
    // part it falls in, and renormalisation moves all three alike. So the
    // target below is less than total, and entry 0 always lies above it.
#if QUANTUM_WIDE_BITS
    assert(above <= high - low);
#else
    assert(low <= code && code <= high);
#endif
    // The symbol is the first entry i whose successor's cumulative frequency
    // is at most target = ((code - low + 1) * total - 1) / range (unsigned
    // 32-bit arithmetic). Every entry up to and including i gains
    // kFrequencyStep.
#if QUANTUM_WIDE_BITS
    uint32_t scaled = above * total + (total - 1);
#else
    uint32_t scaled = (code - low + 1) * total - 1;
#endif
    unsigned i = 0;
    uint32_t upper, lower;
#if QUANTUM_VECTOR_SEARCH
    // Vectors for the models of more than 32 symbols (literals, positions),
    // whose searches run long; the selector's and lengths' short searches
    // are quicker with the scalar loop, unless the AVX2 search, which
    // neither divides nor branches, is at hand.
#if QTM_AVX2_BUILD
    if (Avx2) {
        i = SearchAvx2<V>(f, range, scaled, &upper, &lower);
    } else
#endif
    if (V > 4) {
        i = SearchVector<V>(f, range, scaled, &upper, &lower);
    } else
#endif
    {
        // Entries are sorted by frequency, so the search is short for
        // common symbols; the sentinel (0) stops it at the last entry.
        // Since frequency * range stays below 2^28, the test "frequency <=
        // target" is made as "frequency * range <= scaled", which spares a
        // division.
        while (f[i + 1] * range > scaled) f[i++] += kFrequencyStep;
        upper = f[i];
        lower = f[i + 1];
        f[i] = (uint16_t)(upper + kFrequencyStep);
    }
    unsigned symbol = model->symbol[i];

#if QUANTUM_RECIPROCALS
    // range / total as a fixed-point factor, ready before the search ends.
    uint64_t factor = range * q->reciprocal[total];
    assert(((upper * factor) >> kReciprocalShift) == upper * range / total &&
           ((lower * factor) >> kReciprocalShift) == lower * range / total);
    // No carry out of 16 bits: upper <= total, so the new high is at most
    // the old one, and the new low lies below the new high.
    uint32_t rise = (uint32_t)((lower * factor) >> kReciprocalShift);
    high = low + (uint32_t)((upper * factor) >> kReciprocalShift) - 1;
    low = low + rise;
    assert(high <= 0xFFFF && low < high);
#else
    (void)q;
    uint32_t rise = (lower * range) / total;
    high = (low + (upper * range) / total - 1) & 0xFFFF;
    low = (low + rise) & 0xFFFF;
#endif
#if QUANTUM_WIDE_BITS
    above -= rise;
    assert(above <= high - low);
#endif

    // Renormalise. First shift out every leading bit low and high agree on,
    // all at once (the interval holds at least 4 values, so they differ
    // somewhere). Then, while low = 01... and high = 10..., remove bit 14
    // from all three registers and shift; afterwards the top bits still
    // differ, so no more agreeing bits can follow.
    // Each symbol's share of an interval of more than 2^14 values, at a
    // total of at most 3800, is at least 4 values: low and high differ.
    assert(high >= low + 3);
    QuantumBitsFill(&c->bits);
    unsigned k = (unsigned)__builtin_clz(((low ^ high) & 0xFFFF) | 1) - 16;
#if QUANTUM_WIDE_BITS
    // Without branches: after the k agreeing bits, the middle steps remove
    // as many bits as low has 1s and high has 0s in a row below the first
    // bit they differ in (where low has 0 and high 1); m of them clear
    // low's top bit, set high's, and flip code's (the last-removed bit 14
    // of code ends there, the earlier ones shift out). The run ends at the
    // highest bit below the differing one that is not "low 1, high 0": at
    // bit q, the shift is n = k + m = 14 - q in all. It does end above bit
    // 0, since that run would make high = low + 1. Either way the new low
    // begins with 0 and the new high with 1.
    // Both counts at once: in low ^ high, the agreeing bits are 0 and the
    // differing bit and the run below it are 1s; (low & ~high) << 1 has 1s
    // one place above each run bit (none above the differing bit, where low
    // is 0, nor in the agreeing bits). Their XOR thus clears the differing
    // bit and the run but its last bit, leaving bit q + 1 as its highest
    // set bit when m > 0, and the differing bit (15 - k) when m = 0: so n
    // is its count of leading zeros in 16 bits. Whether m > 0 is then the
    // bit of low just above q, which the shift brings to bit 15.
    uint32_t marks = (low ^ high) ^ ((low & ~high) << 1);
    assert(marks != 0 && marks <= 0xFFFF);
    unsigned n = (unsigned)__builtin_clz(marks) - 16;
    assert(n >= k && n <= 14);
    assert(n == (unsigned)__builtin_clz(~(low & ~high) & (0xFFFFFFFFu >> (k + 17))) - 17);
    (void)k;
    assert(n <= c->bits.count);  // the fill left at least 25 bits
    uint32_t in = (uint32_t)((c->bits.buffer >> 1) >> (63 - n));
    c->bits.buffer <<= n;
    c->bits.count -= n;
    low = (low << n) & 0x7FFF;
    high = ((high << n) | ((1u << n) - 1) | 0x8000) & 0xFFFF;
    // code becomes ((code << n) | in) ^ top and low (low << n) ^ top, in 16
    // bits, where `top` (bit 15 of low << n) is the middle steps' mark.
    // Flipping bit 15 of both adds 2^15 to both modulo 2^16, and shifting
    // both by n subtracts alike, so code - low, which lies in 0 to 0xFFFF,
    // becomes ((code - low) << n) | in in 16 bits: no flip to make.
    above = ((above << n) | in) & 0xFFFF;
    assert(above <= high - low);
#else
    if (k != 0) {
        low = (low << k) & 0xFFFF;
        high = ((high << k) | ((1u << k) - 1)) & 0xFFFF;
        code = ((code << k) | QuantumBitsTake(&c->bits, k)) & 0xFFFF;
    }
    while ((low & ~high) & 0x4000) {
        low = (low << 1) & 0x7FFE;
        high = ((high << 1) | 0x8001) & 0xFFFF;
        code = (((code ^ 0x4000) << 1) | QuantumBitsTakeOne(&c->bits)) & 0xFFFF;
    }
#endif
    c->low = low;
    c->high = high;
#if QUANTUM_WIDE_BITS
    c->codeAboveLow = above;
#else
    c->code = code;
#endif

#if QUANTUM_VECTOR_SEARCH
    // Entry 0 always gains the step: the test needs no reload of the
    // entry just stored.
    assert(f[0] == total + kFrequencyStep);
    if (total + kFrequencyStep > kRescaleThreshold) QuantumRescaleModel(model);
#else
    if (f[0] > kRescaleThreshold) QuantumRescaleModel(model);
#endif
    return symbol;
}

#if QUANTUM_WIDE_BITS
// Copies n bytes (2 to 259) between separate ranges with a few unaligned
// word moves: two overlapping ones for short copies, else 16-byte steps
// and a last 16 bytes ending exactly at the end.
QTM_INLINE void CopyDisjoint(uint8_t* d, const uint8_t* s, uint32_t n) {
    if (n > 16) {
        for (uint32_t i = 0; i + 16 < n; i += 16) memcpy(d + i, s + i, 16);
        memcpy(d + n - 16, s + n - 16, 16);
    } else if (n >= 8) {
        uint64_t a, b;
        memcpy(&a, s, 8);
        memcpy(&b, s + n - 8, 8);
        memcpy(d, &a, 8);
        memcpy(d + n - 8, &b, 8);
    } else if (n >= 4) {
        uint32_t a, b;
        memcpy(&a, s, 4);
        memcpy(&b, s + n - 4, 4);
        memcpy(d, &a, 4);
        memcpy(d + n - 4, &b, 4);
    } else {
        uint16_t a;
        uint8_t b = s[n - 1];
        memcpy(&a, s, 2);
        memcpy(d, &a, 2);
        d[n - 1] = b;
    }
}
#endif

// Copies a match of `length` bytes from window index `from` to window
// index `to` and to `out` (the bytes still to produce were checked).
QTM_INLINE void CopyMatch(uint8_t* window, uint32_t mask, uint8_t* out, uint32_t from, uint32_t to,
                          uint32_t length, uint32_t offset) {
#if QUANTUM_WIDE_BITS
    if ((from + length <= to || to + length <= from) && from + length <= mask + 1 &&
        to + length <= mask + 1) {
        // Separate ranges, neither wrapping: inline copies.
        CopyDisjoint(window + to, window + from, length);
        CopyDisjoint(out, window + from, length);
        return;
    }
#endif
    if (offset >= length && from + length <= mask + 1 && to + length <= mask + 1) {
        // Neither range wraps and the source does not run into the bytes
        // being written (it may lie ahead of them when the offset is close
        // to the window size, which memmove copies alike).
        memmove(window + to, window + from, length);
        memcpy(out, window + to, length);
        return;
    }
    for (uint32_t n = length; n != 0; --n) {
        uint8_t byte = window[from];
        window[to] = byte;
        *out++ = byte;
        from = (from + 1) & mask;
        to = (to + 1) & mask;
    }
}

#if QUANTUM_WIDE_BITS
// On 64-bit hosts a match's copy waits until the next match's symbols are
// decoded (or the block ends): its source, often far back in a window
// larger than the level-2 cache, is prefetched when the offset is known,
// and the wait lets the load complete while the coder works instead of
// holding up the instructions behind it. Literals decoded meanwhile are
// written after the match's place in the window and the output; that is
// safe unless the match's source lies less than a block's remainder ahead
// of them in the ring (an offset close to the window size, or a small
// window), in which case (`early`) the copy is made before the next
// literal. So the copy always sees the bytes an immediate one would.
// `length` 0: none pending.
struct PendingMatch {
    uint8_t* out;
    uint32_t from, to, length, offset;
    bool early;
};

QTM_INLINE void FlushMatch(PendingMatch* p, uint8_t* window, uint32_t mask) {
    if (p->length != 0) {
        CopyMatch(window, mask, p->out, p->from, p->to, p->length, p->offset);
        p->length = 0;
    }
}
#endif

inline uint32_t ReadRaw(Coder* c, unsigned k) {
    QuantumBitsFill(&c->bits);
    return QuantumBitsTake(&c->bits, k);
}

// Decodes one block (QuantumDecompress); Avx2 selects SearchAvx2.
template <bool Avx2>
QTM_INLINE CodecResult DecodeBlock(QuantumDecoder* q, const uint8_t* input, uint32_t inputSize,
                                   uint8_t* output, uint32_t* outputSize) {
    CodecResult result = CodecResult::Ok;
    bool started = false;
    uint8_t* window;
    uint32_t mask, total = 0, left, length, offset, from, to;
    uint8_t* out = output;
    unsigned selector, slot;
    AdaptiveModel* positionModel;
    Coder c;
#if QUANTUM_WIDE_BITS
    PendingMatch pending = {nullptr, 0, 0, 0, 0, false};
#endif

    QTM_CHECK(q && q->signature == kQuantumSignature, CodecResult::BadHandle);
    QTM_CHECK(outputSize && *outputSize <= q->maxOutput, CodecResult::BlockTooLarge);

    window = q->window;
    mask = q->windowMask;
    total = q->totalDecoded;
    left = *outputSize;
    started = true;

    QuantumBitsStart(&c.bits, input, inputSize);
    QuantumBitsFill(&c.bits);
#if QUANTUM_WIDE_BITS
    c.codeAboveLow = QuantumBitsTake(&c.bits, 16);
#else
    c.code = QuantumBitsTake(&c.bits, 16);
#endif
    c.low = 0;
    c.high = 0xFFFF;

    while (left != 0 && !QuantumBitsExhausted(&c.bits)) {
        selector = DecodeSymbol<1, Avx2>(&c, &q->selector, q);
        if (selector < kSelectorLiteralModels) {
            uint8_t byte = (uint8_t)((selector << 6) + DecodeSymbol<8, Avx2>(&c, &q->literal[selector], q));
#if QUANTUM_WIDE_BITS
            if (pending.early) {
                FlushMatch(&pending, window, mask);
                pending.early = false;
            }
#endif
            window[total++ & mask] = byte;
            *out++ = byte;
            --left;
            continue;
        }

        if (selector == kSelectorMatch3) {
            length = 3;
            positionModel = &q->match3Position;
        } else if (selector == kSelectorMatch4) {
            length = 4;
            positionModel = &q->match4Position;
        } else {
            slot = DecodeSymbol<4, Avx2>(&c, &q->lengthSlot, q);
            length = q->lengthBase[slot] + ReadRaw(&c, q->lengthExtra[slot]) + kLongMatchMinimum;
            positionModel = &q->longPosition;
        }
        slot = DecodeSymbol<6, Avx2>(&c, positionModel, q);
        offset = q->positionBase[slot] + ReadRaw(&c, q->positionExtra[slot]) + 1;

#if QUANTUM_WIDE_BITS
        FlushMatch(&pending, window, mask);
#endif
        // A match never crosses the end of its block. No check that the
        // offset stays within what the folder has produced: the window is
        // zero-filled at create, so such a copy is still well defined.
        QTM_CHECK(length <= left, CodecResult::BadData);
        left -= length;
        from = (total - offset) & mask;
        to = total & mask;
        total += length;
#if QUANTUM_WIDE_BITS
        __builtin_prefetch(window + from);
        __builtin_prefetch(window + ((from + length - 1) & mask));
        pending.out = out;
        pending.from = from;
        pending.to = to;
        pending.length = length;
        pending.offset = offset;
        // The literals up to the block's end write at most `left` bytes
        // after the match's own; its source begins mask + 1 - offset -
        // length bytes after the match's end.
        pending.early = (uint64_t)offset + length + left > (uint64_t)mask + 1;
#else
        CopyMatch(window, mask, out, from, to, length, offset);
#endif
        out += length;
    }
#if QUANTUM_WIDE_BITS
    FlushMatch(&pending, window, mask);
#endif
    // Also catches bits requested by the last symbol's renormalisation.
    QTM_CHECK(!QuantumBitsExhausted(&c.bits), CodecResult::BadData);

done:
    if (started) q->totalDecoded = total;
    return result;
}

#if QTM_AVX2_BUILD
QTM_AVX2 __attribute__((flatten)) CodecResult DecodeBlockAvx2(QuantumDecoder* q,
                                                              const uint8_t* input,
                                                              uint32_t inputSize, uint8_t* output,
                                                              uint32_t* outputSize) {
    return DecodeBlock<true>(q, input, inputSize, output, outputSize);
}
#endif

}  // namespace

CodecResult QuantumDecompress(QuantumDecoder* q, const uint8_t* input, uint32_t inputSize,
                              uint8_t* output, uint32_t* outputSize) {
#if QTM_AVX2_BUILD
    if (QTM_CPU_HAS_AVX2()) return DecodeBlockAvx2(q, input, inputSize, output, outputSize);
#endif
    return DecodeBlock<false>(q, input, inputSize, output, outputSize);
}
