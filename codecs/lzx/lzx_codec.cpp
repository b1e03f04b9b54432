// The LZX codec's outer face: create, decompress, reset and destroy, the
// delivery of each frame from the window, and E8 translation.
//
// One LZX stream runs through a whole folder, one frame per cabinet data
// block: every frame but the last decodes to 32768 bytes, so frames start at
// multiples of 32768 and, the window being a multiple of that, each frame
// lies in one contiguous run of the window. The window keeps the decoded
// bytes; the caller's output receives a copy, on which E8 translation turns
// the absolute targets of x86 CALL instructions (opcode 0xE8) back into the
// relative form they had before compression. The E8 size comes from the
// stream's first header; translation stops after 32768 frames.
#include <assert.h>
#include <string.h>

#include "lzx_bits.h"

#if defined(LZX_FAST_LOOP) && defined(__SSE2__)
#include <emmintrin.h>
#endif

CodecResult LzxReset(LzxDecoder* decoder) {
    if (!decoder || decoder->signature != LZX_SIGNATURE) return CodecResult::BadHandle;
    LzxState* s = decoder->state;
    memset(s->mainLengths, 0, kLzxNumChars + kLzxLengthHeaders * s->positionSlots);
    memset(s->previousMainLengths, 0, kLzxNumChars + kLzxLengthHeaders * s->positionSlots);
    memset(s->lengthLengths, 0, sizeof s->lengthLengths);
    memset(s->previousLengthLengths, 0, sizeof s->previousLengthLengths);
    s->repeatedOffsets[0] = s->repeatedOffsets[1] = s->repeatedOffsets[2] = 1;
    s->windowPosition = 0;
    s->blockState = kLzxHeaderDue;
    s->blockRemaining = 0;
    s->blockSize = 0;
    s->blockType = kLzxBlockNone;
    s->e8HeaderPending = 1;
    s->e8Size = 0;
    s->e8Position = 0;
    s->inputExhausted = 0;
    s->padTaken = 0;
    s->frameCount = 0;
    return CodecResult::Ok;
}

CodecResult LzxCreate(uint32_t* maxOutput, const LzxConfig* config, CabAllocFn alloc,
                      CabFreeFn release, uint32_t* maxInput, LzxDecoder** handle, CabOpenFn open,
                      CabReadFn read, CabWriteFn write, CabCloseFn close, CabSeekFn seek) {
    if (!maxOutput || !maxInput) return CodecResult::BadParameters;
    *maxInput = *maxOutput + kLzxInputReserve;
    if (!handle) return CodecResult::Ok;  // size query: nothing validated
    *handle = nullptr;

    const uint32_t windowSize = config ? config->windowSize : 0;
    // A size that is not a power of two is reported like a failed
    // allocation; other powers of two are not LZX windows.
    if (windowSize & (windowSize - 1)) return CodecResult::OutOfMemory;
    if (windowSize < (1u << kLzxMinWindowBits) || windowSize > (1u << kLzxMaxWindowBits))
        return CodecResult::BadParameters;
    if (!alloc || !release) return CodecResult::OutOfMemory;

    LzxDecoder* decoder = (LzxDecoder*)alloc(sizeof(LzxDecoder));
    if (!decoder) return CodecResult::OutOfMemory;
    LzxState* s = (LzxState*)alloc(sizeof(LzxState));
    if (!s) {
        release(decoder);
        return CodecResult::OutOfMemory;
    }
    // Zeroed so that nothing of the state is ever read uninitialised, and
    // the window, so that damaged input reaching before the start of the
    // stream gives repeatable output.
    memset(s, 0, sizeof *s);
    s->window = (uint8_t*)alloc(windowSize + kLzxWindowSlack);
    if (!s->window) {
        release(s);
        release(decoder);
        return CodecResult::OutOfMemory;
    }
    memset(s->window, 0, windowSize + kLzxWindowSlack);

    decoder->signature = LZX_SIGNATURE;
    decoder->alloc = s->alloc = alloc;
    decoder->release = s->release = release;
    decoder->open = s->open = open;
    decoder->read = s->read = read;
    decoder->write = s->write = write;
    decoder->close = s->close = close;
    decoder->seek = s->seek = seek;
    decoder->maxOutput = *maxOutput;
    decoder->state = s;
    s->windowSize = windowSize;
    s->windowMask = windowSize - 1;
    s->positionSlots = (uint8_t)LzxPositionSlots(windowSize);
#ifdef LZX_BMI2
    s->bmi2Loop = __builtin_cpu_supports("bmi2") ? 1 : 0;
#endif
    LzxReset(decoder);
    *handle = decoder;
    return CodecResult::Ok;
}

CodecResult LzxDestroy(LzxDecoder* decoder) {
    if (!decoder || decoder->signature != LZX_SIGNATURE) return CodecResult::BadHandle;
    LzxState* s = decoder->state;
    CabFreeFn release = decoder->release;
    if (s->window) {
        s->release(s->window);
        s->window = nullptr;
    }
    decoder->signature = 0;
    release(s);
    release(decoder);
    return CodecResult::Ok;
}

// The CALL operand at out[i + 1..4] of a 0xE8 byte at folder offset cur:
// an absolute target in 0 .. e8Size - 1 becomes relative (target - cur), a
// negative one whose magnitude is at most cur gets e8Size added; other
// values stay as they are.
LZX_INLINE void TranslateCall(uint8_t* operand, uint32_t cur, uint32_t e8Size) {
    uint32_t v = (uint32_t)operand[0] | (uint32_t)operand[1] << 8 | (uint32_t)operand[2] << 16 |
                 (uint32_t)operand[3] << 24;
    // Which case applies is as random as the bytes after a 0xE8, so the
    // value is selected, not branched on, and always stored back.
    const uint32_t relative = v - cur, wrapped = v + e8Size;
    v = v < e8Size ? relative : (0u - v <= cur ? wrapped : v);
    operand[0] = (uint8_t)v;
    operand[1] = (uint8_t)(v >> 8);
    operand[2] = (uint8_t)(v >> 16);
    operand[3] = (uint8_t)(v >> 24);
}

// Translates the absolute CALL targets of one delivered frame back to
// relative ones: out[from .. len) holds the frame's bytes, out[0 .. from)
// is translated already (from is where the 64-byte scan stopped). A 0xE8 in
// the last 10 bytes is never translated, and the 4 operand bytes after a
// translated one are never candidates themselves. The last 6 bytes are set
// to 0xE8 while scanning, so memchr always finds one and the scan needs no
// bound test per byte.
static void TranslateE8Tail(uint32_t start, uint32_t e8Size, uint8_t* out, uint32_t from,
                            uint32_t len) {
    const uint32_t last = len - 10;  // candidates lie below; len > 10
    uint32_t i = from;
    if (i >= last) return;
    uint8_t saved[6];
    memcpy(saved, out + len - 6, 6);
    memset(out + len - 6, 0xE8, 6);
    for (;;) {
        i = (uint32_t)((const uint8_t*)memchr(out + i, 0xE8, len - i) - out);
        if (i >= last) break;
        TranslateCall(out + i + 1, start + i, e8Size);
        i += 5;  // the operand bytes are never candidates themselves
    }
    memcpy(out + len - 6, saved, 6);
}

// Copies the frame just decoded (the count bytes that end at the window
// position) to the caller's output and translates it.
static void DeliverOutput(LzxState* s, uint32_t count) {
    const uint32_t end = s->windowPosition ? s->windowPosition : s->windowSize;
    const uint8_t* const src = s->window + end - count;
    uint8_t* const out = s->output;
    if (s->e8Size == 0 || s->frameCount >= kLzxE8MaxFrames) {
        memcpy(out, src, count);
        return;
    }
    const uint32_t start = s->e8Position;
    s->e8Position = start + count;
    if (count <= 10) {
        memcpy(out, src, count);
        return;
    }
    uint32_t i = 0;
#if defined(LZX_FAST_LOOP) && defined(__SSE2__)
    // Copied and scanned in one pass, 64 bytes at a time: the block is
    // stored, then a mask of its 0xE8 bytes is taken lowest first. A
    // translated operand's bytes are cleared from the mask or, where they
    // reach to the block's end or past it, are copied first (4 bytes, below
    // count - 5) and the next block starts after them. Every load and store
    // lies inside the frame (i + 64 <= count).
    const uint32_t last = count - 10;
    const __m128i e8 = _mm_set1_epi8((char)0xE8);
    while (i + 64 <= count && i < last) {
        const __m128i v0 = _mm_loadu_si128((const __m128i*)(src + i));
        const __m128i v1 = _mm_loadu_si128((const __m128i*)(src + i + 16));
        const __m128i v2 = _mm_loadu_si128((const __m128i*)(src + i + 32));
        const __m128i v3 = _mm_loadu_si128((const __m128i*)(src + i + 48));
        _mm_storeu_si128((__m128i*)(out + i), v0);
        _mm_storeu_si128((__m128i*)(out + i + 16), v1);
        _mm_storeu_si128((__m128i*)(out + i + 32), v2);
        _mm_storeu_si128((__m128i*)(out + i + 48), v3);
        const __m128i c0 = _mm_cmpeq_epi8(v0, e8), c1 = _mm_cmpeq_epi8(v1, e8);
        const __m128i c2 = _mm_cmpeq_epi8(v2, e8), c3 = _mm_cmpeq_epi8(v3, e8);
        uint32_t next = i + 64;
        if (_mm_movemask_epi8(_mm_or_si128(_mm_or_si128(c0, c1), _mm_or_si128(c2, c3))) == 0) {
            i = next;
            continue;
        }
        uint64_t mask = (uint64_t)(uint32_t)_mm_movemask_epi8(c0) |
                        (uint64_t)(uint32_t)_mm_movemask_epi8(c1) << 16 |
                        (uint64_t)(uint32_t)_mm_movemask_epi8(c2) << 32 |
                        (uint64_t)(uint32_t)_mm_movemask_epi8(c3) << 48;
        while (mask) {
            const uint32_t at = i + (uint32_t)__builtin_ctzll(mask);
            if (at >= last) break;  // and so is next: the scan ends
            if (at + 5 >= next) {
                assert(next + 4 <= count);
                memcpy(out + next, src + next, 4);
                TranslateCall(out + at + 1, start + at, s->e8Size);
                next = at + 5;
                break;
            }
            TranslateCall(out + at + 1, start + at, s->e8Size);
            mask &= ~0ull << (at + 5 - i);
        }
        i = next;
    }
#endif
    // The rest (the whole frame in a portable build).
    memcpy(out + i, src + i, count - i);
    TranslateE8Tail(start, s->e8Size, out, i, count);
}

// Whether the codes decoded so far lie inside the frame's data. The data
// holds whole 16-bit words; the zeros the reader loads past its end are
// look-ahead only. A frame that consumed them was cut short: a byte or two
// missing may decode into other bytes without any other sign of damage. An
// odd last byte is a word whose first-read (high) byte is missing, so a code
// that reaches into that word is cut short too. Raw bytes of an uncompressed
// block are checked as they are copied.
static bool CodesWithinInput(const LzxState* s) {
    if (s->blockType == Uncompressed) return true;
    // The reader's words start at offsets of the cursor's parity.
    const uint8_t* const wordEnd = s->inputEnd - ((s->inputEnd - s->inputCursor) & 1);
    if (s->inputCursor <= wordEnd) return true;
    // Bytes loaded past the last whole word (at most the 4-byte slack) must
    // all still be unread; an exhausted reader holds fewer than 16 bits.
    return !s->inputExhausted && (int32_t)(s->inputCursor - wordEnd) * 8 <= s->bitCount + 16;
}

CodecResult LzxDecompress(LzxDecoder* decoder, const uint8_t* input, uint32_t inputSize,
                          uint8_t* output, uint32_t* outputSize) {
    static const uint8_t kNoInput[1] = {0};
    if (!decoder || decoder->signature != LZX_SIGNATURE) return CodecResult::BadHandle;
    if (!outputSize || *outputSize > decoder->maxOutput) return CodecResult::BlockTooLarge;
    LzxState* s = decoder->state;
    const uint32_t count = *outputSize;
    if (!input) {
        input = kNoInput;
        inputSize = 0;
    }
    s->inputStart = s->inputCursor = input;
    s->inputEnd = input + inputSize;
    s->inputLimit = s->inputEnd + kLzxInputSlack;
    s->output = output;
#ifdef LZX_FAST_LOOP
    s->inputSwapped = 0;
#endif

    // Every frame's bits start at its first byte, except in the middle of an
    // uncompressed block, whose raw bytes simply continue.
    if (s->blockType != Uncompressed) {
        LzxBits b;
        LoadBits(&b, s);
        PrimeBits(&b);
        StoreBits(s, &b);
    }
    // A frame that would cross the window's end (only a damaged cabinet
    // declares a short block before the last) is refused.
    bool ok = count <= s->windowSize - s->windowPosition && DecodeFrame(s, count) &&
              CodesWithinInput(s);
    if (ok && count) {
        if (output)
            DeliverOutput(s, count);
        else if (s->e8Size != 0 && s->frameCount < kLzxE8MaxFrames)
            s->e8Position += count;  // as DeliverOutput moves it on
    }
    s->frameCount++;
    if (!ok) {
        *outputSize = 0;
        return CodecResult::BadData;
    }
    return CodecResult::Ok;
}
