// Quantum models and slot tables.
//
// Every decision of the format is coded against an adaptive frequency model.
// A model starts with every symbol at frequency 1, in symbol order. Each
// coded symbol gains 8; when a model's total passes 3800 it is rescaled:
// three times by halving every cumulative frequency (keeping them strictly
// decreasing, so no symbol drops to zero and the order stays), and at the
// fourth, then at every 50th rescale, by rebuilding: the single frequencies
// are halved (rounding up), the entries are sorted by frequency with a plain
// exchange sort, and the cumulative frequencies are summed again. The
// encoder runs the same procedure, so the exact order that this particular
// sort leaves among equal frequencies is part of the format.
//
// Models and tables are set up at create and again at every reset, i.e. at
// the start of each folder; within a folder they carry from block to block.
#include "quantum_decoder.h"

static void InitModel(AdaptiveModel* model, int n) {
    model->symbolCount = n;
    model->shiftsLeft = kInitialShifts;
    for (int i = 0; i < kModelEntries; ++i) {
        model->cumulativeFrequency[i] = (uint16_t)(i < n ? n - i : 0);
        model->symbol[i] = (uint16_t)i;
    }
}

void QuantumInitModels(QuantumDecoder* q) {
    uint32_t windowSize = q->windowMask + 1;
    int longSlots = 0, match3Slots = 0, match4Slots = 0;
    uint32_t base = 0;
    for (unsigned slot = 0; slot < kPositionSlots; ++slot) {
        unsigned extra = QuantumPositionExtraBits(slot);
        q->positionBase[slot] = base;
        q->positionExtra[slot] = (uint8_t)extra;
        // A model holds the slots whose base lies inside its reach.
        if (base < windowSize) {
            ++longSlots;
            if (base < 262144) ++match4Slots;
            if (base < 4096) ++match3Slots;
        }
        base += 1u << extra;
    }
    base = 0;
    for (unsigned slot = 0; slot < kLengthSymbols; ++slot) {
        unsigned extra = QuantumLengthExtraBits(slot);
        q->lengthBase[slot] = (uint16_t)base;
        q->lengthExtra[slot] = (uint8_t)extra;
        base += 1u << extra;
    }

    InitModel(&q->selector, kSelectorSymbols);
    for (int i = 0; i < 4; ++i) InitModel(&q->literal[i], kLiteralSymbols);
    InitModel(&q->match3Position, match3Slots);
    InitModel(&q->match4Position, match4Slots);
    InitModel(&q->longPosition, longSlots);
    InitModel(&q->lengthSlot, kLengthSymbols);
}

void QuantumRescaleModel(AdaptiveModel* model) {
    uint16_t* f = model->cumulativeFrequency;
    uint16_t* s = model->symbol;
    int n = model->symbolCount;

    if (--model->shiftsLeft != 0) {
        // Halve the cumulative frequencies, keeping each above the next.
        for (int j = n - 1; j >= 0; --j) {
            unsigned half = f[j] >> 1u;
            if (half <= f[j + 1]) half = f[j + 1] + 1u;
            f[j] = (uint16_t)half;
        }
        return;
    }

    model->shiftsLeft = kRebuildPeriod;
    // Single frequencies, halved with odd values rounded up.
    for (int j = 0; j < n; ++j)
        f[j] = (uint16_t)((f[j] - f[j + 1] + 1u) >> 1);
    // Largest first, by exactly this exchange sort.
    for (int p = 0; p < n - 1; ++p) {
        for (int r = p + 1; r < n; ++r) {
            if (f[r] > f[p]) {
                uint16_t t = f[p];
                f[p] = f[r];
                f[r] = t;
                t = s[p];
                s[p] = s[r];
                s[r] = t;
            }
        }
    }
    for (int j = n - 1; j >= 0; --j) f[j] = (uint16_t)(f[j] + f[j + 1]);
}
