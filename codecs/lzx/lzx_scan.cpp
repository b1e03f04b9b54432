// LZX frame scans: a later frame's codes decoded ahead of the window.
//
// Decoding a frame is mostly decoding its codes, and the codes of a frame
// that lies inside a verbatim or aligned-offset block depend on nothing the
// frames before it produce: its bits start at its first byte, the block's
// trees are those of the header read earlier, and a match may not run past
// the frame's end. Only the bytes a match copies, and the distance a
// repeated offset stands for, depend on the frames before. So a scan, given
// a copy of the trees, decodes the codes into an image of the frame (the
// literals at their places) and a list of matches (place, length, and the
// distance or the repeated slot). Taking the frame from the scan, the
// decoder copies the literal runs and the matches in order and settles
// R0-R2 as it goes, which gives the very bytes decoding would.
//
// Whether a scan fits is decided when it is taken, from everything the
// codes depend on: the block type and every code length, the block's bytes
// left and the window position at the frame's start, the frame's size and
// its input bytes. A scan that does not fit, or whose codes did not decode,
// is simply not taken, and the decoder decodes the frame itself, with its
// own result. A frame at the window's start is never scanned (decoding
// mirrors its first bytes), nor one that a block header or an uncompressed
// block reaches into.
#include <assert.h>
#include <stddef.h>
#include <string.h>

#include "lzx_bits.h"

#ifdef LZX_FAST_LOOP

CodecResult LzxScanCreate(CabAllocFn alloc, CabFreeFn release, LzxScan** scan) {
    if (!scan) return CodecResult::BadParameters;
    *scan = nullptr;
    if (!alloc || !release) return CodecResult::OutOfMemory;
    LzxScan* n = (LzxScan*)alloc(sizeof(LzxScan));
    if (!n) return CodecResult::OutOfMemory;
    LzxState* trees = (LzxState*)alloc(sizeof(LzxState));
    if (!trees) {
        release(n);
        return CodecResult::OutOfMemory;
    }
    memset(n, 0, offsetof(LzxScan, matches));
    memset(trees, 0, sizeof *trees);
    n->signature = LZX_SCAN_SIGNATURE;
    n->release = release;
    n->trees = trees;
    *scan = n;
    return CodecResult::Ok;
}

CodecResult LzxScanDestroy(LzxScan* scan) {
    if (!scan || scan->signature != LZX_SCAN_SIGNATURE) return CodecResult::BadHandle;
    scan->signature = 0;
    scan->release(scan->trees);
    scan->release(scan);
    return CodecResult::Ok;
}

CodecResult LzxScanLoad(LzxScan* scan, const LzxDecoder* decoder) {
    if (!scan || scan->signature != LZX_SCAN_SIGNATURE) return CodecResult::BadHandle;
    if (!decoder || decoder->signature != LZX_SIGNATURE) return CodecResult::BadHandle;
    const LzxState* s = decoder->state;
    LzxState* t = scan->trees;
    scan->scanned = 0;
    if (scan->source != s || scan->sourceGeneration != s->treeGeneration) {
        // Everything up to the swapped input, which each scan makes afresh;
        // the window stays the decoder's alone.
        memcpy(t, s, offsetof(LzxState, swapped));
        t->window = nullptr;
        scan->source = s;
        scan->sourceGeneration = s->treeGeneration;
    }
    // What changes from frame to frame inside a block.
    t->windowPosition = s->windowPosition;
    t->blockRemaining = s->blockRemaining;
    t->blockState = s->blockState;
    t->inputExhausted = s->inputExhausted;
    return CodecResult::Ok;
}

CodecResult LzxScanFrame(LzxScan* scan, uint32_t skip, const uint8_t* input, uint32_t inputSize,
                         uint32_t count) {
    if (!scan || scan->signature != LZX_SCAN_SIGNATURE) return CodecResult::BadHandle;
    scan->scanned = 0;
    LzxState* t = scan->trees;
    if (!scan->source || !input || count == 0 || count > kLzxFrameSize) return CodecResult::BadParameters;
    if (t->blockState != kLzxInsideBlock || t->inputExhausted ||
        (t->blockType != Verbatim && t->blockType != AlignedOffset))
        return CodecResult::BadParameters;
    // The frame lies inside the block and inside the window, past its start.
    if (t->blockRemaining < 0 || (uint64_t)skip + count > (uint32_t)t->blockRemaining)
        return CodecResult::BadParameters;
    const uint32_t position = (t->windowPosition + skip) & t->windowMask;
    if (position < kLzxMirrorSize || count > t->windowSize - position)
        return CodecResult::BadParameters;

    // The scan runs on the copy, which keeps what LzxScanLoad gave it for
    // the next scan: only the reader and the repeated offsets change here.
    const uint32_t loadedPosition = t->windowPosition;
    t->inputStart = t->inputCursor = input;
    t->inputEnd = input + inputSize;
    t->inputLimit = t->inputEnd + kLzxInputSlack;
    t->inputSwapped = 0;
    LzxBits b;
    LoadBits(&b, t);
    PrimeBits(&b);
    StoreBits(t, &b);
    const bool ok = ScanSymbols(t, position, count, scan->image, scan->matches, &scan->matchCount);
    t->windowPosition = loadedPosition;
    if (!ok) {
        t->inputExhausted = 0;
        return CodecResult::BadData;
    }
    scan->position = position;
    scan->remaining = t->blockRemaining - (int32_t)skip;
    scan->count = count;
    scan->input = input;
    scan->inputSize = inputSize;
    scan->bitBuffer = t->bitBuffer;
    scan->bitCount = t->bitCount;
    scan->inputExhausted = t->inputExhausted;
    scan->cursorOffset = (uint32_t)(t->inputCursor - input);
    t->inputExhausted = 0;
    scan->scanned = 1;
    return CodecResult::Ok;
}

bool ScanFits(const LzxScan* scan, const LzxState* s, const uint8_t* input, uint32_t inputSize,
              uint32_t count) {
    const LzxState* t = scan->trees;
    if (!scan->scanned || s->blockState != kLzxInsideBlock || s->inputExhausted ||
        s->windowSize != t->windowSize || s->blockType != t->blockType ||
        s->blockRemaining != scan->remaining || s->windowPosition != scan->position ||
        count != scan->count || inputSize != scan->inputSize)
        return false;
    const uint32_t mainSymbols = kLzxNumChars + kLzxLengthHeaders * s->positionSlots;
    if (memcmp(s->mainLengths, t->mainLengths, mainSymbols) != 0 ||
        memcmp(s->lengthLengths, t->lengthLengths, sizeof s->lengthLengths) != 0)
        return false;
    if (s->blockType == AlignedOffset &&
        memcmp(s->alignedLengths, t->alignedLengths, sizeof s->alignedLengths) != 0)
        return false;
    return memcmp(input, scan->input, inputSize) == 0;
}

#else  // no fast loop: no scans, the decoder decodes every frame

CodecResult LzxScanCreate(CabAllocFn, CabFreeFn, LzxScan** scan) {
    if (scan) *scan = nullptr;
    return CodecResult::BadParameters;
}
CodecResult LzxScanDestroy(LzxScan*) { return CodecResult::BadHandle; }
CodecResult LzxScanLoad(LzxScan*, const LzxDecoder*) { return CodecResult::BadHandle; }
CodecResult LzxScanFrame(LzxScan*, uint32_t, const uint8_t*, uint32_t, uint32_t) {
    return CodecResult::BadHandle;
}
CodecResult LzxDecompressScanned(LzxDecoder* decoder, const LzxScan*, const uint8_t* input,
                                 uint32_t inputSize, uint8_t* output, uint32_t* outputSize,
                                 int* used) {
    if (used) *used = 0;
    return LzxDecompress(decoder, input, inputSize, output, outputSize);
}

#endif
