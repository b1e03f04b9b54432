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
#include <string.h>

#include "quantum_bits.h"
#include "quantum_decoder.h"


namespace {

// The arithmetic decoder's registers (16-bit values) and the bit reader,
// kept together so that the inline symbol decoder works on locals.
struct Coder {
    uint32_t low;
    uint32_t high;
    uint32_t code;
    QuantumBits bits;
};

// The symbol decoder is inlined at its four call sites for speed, except
// in a build for size (the stub).
#if defined(__OPTIMIZE_SIZE__) || !defined(__GNUC__)
#define QTM_INLINE inline
#else
#define QTM_INLINE __attribute__((always_inline)) inline
#endif

// Decodes one symbol of `model`, then adapts the model.
QTM_INLINE unsigned DecodeSymbol(Coder* c, AdaptiveModel* model, const QuantumDecoder* q) {
    ModelEntry* e = model->entries;
    uint32_t total = e[0].cumulativeFrequency;
    uint32_t low = c->low, high = c->high, code = c->code;
    uint32_t range = high - low + 1;
    // The symbol is the first entry i whose successor's cumulative frequency
    // is at most target = ((code - low + 1) * total - 1) / range (unsigned
    // 32-bit arithmetic). Since frequency * range stays below 2^28, the test
    // "frequency <= target" is made as "frequency * range <= scaled", which
    // spares a division.
    uint32_t scaled = (code - low + 1) * total - 1;

    // Entries are sorted by frequency, so the search is short for common
    // symbols; the sentinel (0) stops it at the last entry. Every entry
    // passed on the way gains its share of the update (+8 for entries 0 to
    // i) at once.
    unsigned i = 0;
    while (e[i + 1].cumulativeFrequency * range > scaled)
        e[i++].cumulativeFrequency += kFrequencyStep;
    uint32_t upper = e[i].cumulativeFrequency, lower = e[i + 1].cumulativeFrequency;
    e[i].cumulativeFrequency = (uint16_t)(upper + kFrequencyStep);
    unsigned symbol = e[i].symbol;

#if QUANTUM_RECIPROCALS
    uint64_t reciprocal = q->reciprocal[total];
    high = (low + (uint32_t)((upper * range * reciprocal) >> kReciprocalShift) - 1) & 0xFFFF;
    low = (low + (uint32_t)((lower * range * reciprocal) >> kReciprocalShift)) & 0xFFFF;
#else
    (void)q;
    high = (low + (upper * range) / total - 1) & 0xFFFF;
    low = (low + (lower * range) / total) & 0xFFFF;
#endif

    // Renormalise. First shift out every leading bit low and high agree on,
    // all at once (the interval holds at least 4 values, so they differ
    // somewhere). Then, while low = 01... and high = 10..., remove bit 14
    // from all three registers and shift; afterwards the top bits still
    // differ, so no more agreeing bits can follow.
    QuantumBitsFill(&c->bits);
    unsigned k = (unsigned)__builtin_clz(((low ^ high) & 0xFFFF) | 1) - 16;
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
    c->low = low;
    c->high = high;
    c->code = code;

    if (e[0].cumulativeFrequency > kRescaleThreshold) QuantumRescaleModel(model);
    return symbol;
}

inline uint32_t ReadRaw(Coder* c, unsigned k) {
    QuantumBitsFill(&c->bits);
    return QuantumBitsTake(&c->bits, k);
}

}  // namespace

CodecResult QuantumDecompress(QuantumDecoder* q, const uint8_t* input, uint32_t inputSize,
                              uint8_t* output, uint32_t* outputSize) {
    CodecResult result = CodecResult::Ok;
    bool started = false;
    uint8_t* window;
    uint32_t mask, total = 0, left, length, offset, from, to;
    uint8_t* out = output;
    unsigned selector, slot;
    AdaptiveModel* positionModel;
    Coder c;

    QTM_CHECK(q && q->signature == kQuantumSignature, CodecResult::BadHandle);
    QTM_CHECK(outputSize && *outputSize <= q->maxOutput, CodecResult::BlockTooLarge);

    window = q->window;
    mask = q->windowMask;
    total = q->totalDecoded;
    left = *outputSize;
    started = true;

    QuantumBitsStart(&c.bits, input, inputSize);
    QuantumBitsFill(&c.bits);
    c.code = QuantumBitsTake(&c.bits, 16);
    c.low = 0;
    c.high = 0xFFFF;

    while (left != 0 && !QuantumBitsExhausted(&c.bits)) {
        selector = DecodeSymbol(&c, &q->selector, q);
        if (selector < kSelectorLiteralModels) {
            uint8_t byte = (uint8_t)((selector << 6) + DecodeSymbol(&c, &q->literal[selector], q));
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
            slot = DecodeSymbol(&c, &q->lengthSlot, q);
            length = q->lengthBase[slot] + ReadRaw(&c, q->lengthExtra[slot]) + kLongMatchMinimum;
            positionModel = &q->longPosition;
        }
        slot = DecodeSymbol(&c, positionModel, q);
        offset = q->positionBase[slot] + ReadRaw(&c, q->positionExtra[slot]) + 1;

        // A match never crosses the end of its block. No check that the
        // offset stays within what the folder has produced: the window is
        // zero-filled at create, so such a copy is still well defined.
        QTM_CHECK(length <= left, CodecResult::BadData);
        left -= length;
        from = (total - offset) & mask;
        to = total & mask;
        total += length;
        if (offset >= length && from + length <= mask + 1 && to + length <= mask + 1) {
            // Neither range wraps and the source does not run into the
            // bytes being written (it may lie ahead of them when the offset
            // is close to the window size, which memmove copies alike).
            memmove(window + to, window + from, length);
            memcpy(out, window + to, length);
            out += length;
        } else {
            for (uint32_t n = length; n != 0; --n) {
                uint8_t byte = window[from];
                window[to] = byte;
                *out++ = byte;
                from = (from + 1) & mask;
                to = (to + 1) & mask;
            }
        }
    }
    // Also catches bits requested by the last symbol's renormalisation.
    QTM_CHECK(!QuantumBitsExhausted(&c.bits), CodecResult::BadData);

done:
    if (started) q->totalDecoded = total;
    return result;
}
