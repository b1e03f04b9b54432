// DEFLATE blocks of one MSZIP frame.
//
// A frame is a complete DEFLATE stream: blocks follow one another until one
// that carries BFINAL has ended. Each block starts with BFINAL and BTYPE.
// A stored block (BTYPE 0) skips to the next byte boundary and sends LEN and
// its complement NLEN, then LEN raw bytes. A fixed block (1) uses the code
// set RFC 1951 defines; a dynamic block (2) first sends its code sets: the
// code-length code (HCLEN + 4 lengths of 3 bits, in kCodeLengthOrder), then,
// coded with it, HLIT + 257 literal/length and HDIST + 1 distance lengths,
// where symbols 16, 17 and 18 repeat the previous length or zeros.
//
// Nothing carries from frame to frame here except the output buffer: the
// state is set up afresh by startFrame, and a dynamic block's tables are
// rebuilt in the state's pool for each block. A frame stops early once the
// caller's output limit is reached, even inside a block; at the frame's own
// limit (32 KiB) its data must end: the block's end-of-block code comes next.
#include "inflate.h"

void BitsRefillSlow(BitReader& b) {
    b.bitBuffer &= ((BitWord)1 << b.bitCount) - 1;
    while (b.bitCount <= kBitWordBits - 8) {
        BitWord byte = 0;
        if (b.inputPos < b.inputSize)
            byte = b.input[b.inputPos++];
        else
            b.overrun++;
        b.bitBuffer |= byte << b.bitCount;
        b.bitCount += 8;
    }
}

InflateState* createInflateState(CabAllocFn alloc) {
    InflateState* s = (InflateState*)alloc(sizeof(InflateState));
    if (s) {
        memset(s, 0, sizeof *s);
        fixedTables();
    }
    return s;
}

bool startFrame(InflateState* s, const uint8_t* block, uint32_t blockSize, uint8_t* output,
                uint32_t outputLimit) {
    INFLATE_CHECK(blockSize >= kFrameSignatureSize && block[0] == kFrameSignature0 &&
                  block[1] == kFrameSignature1);
    s->in.input = block + kFrameSignatureSize;
    s->in.inputSize = blockSize - kFrameSignatureSize;
    s->in.inputPos = 0;
    s->in.overrun = 0;
    s->in.bitBuffer = 0;
    s->in.bitCount = 0;
    s->windowStart = output;
    s->outCursor = output;
    s->lastBlock = 0;
    s->outputLimit = outputLimit;
    return true;
fail:
    return false;
}

// A stored block: LEN raw bytes after a byte boundary.
static bool inflateStored(InflateState* s) {
    BitReader& in = s->in;
    uint32_t len, nlen, pos, copy;
    BitsDrop(in, in.bitCount & 7);
    len = BitsTake(in, 16);
    nlen = BitsTake(in, 16);
    INFLATE_CHECK(len == (~nlen & 0xFFFF));
    // The raw bytes start at the first byte not consumed. If LEN and NLEN
    // match, none of their bits came from past the end (the zeros there
    // cannot match), so the position lies within the input.
    pos = in.inputPos + in.overrun - in.bitCount / 8;
    INFLATE_CHECK(pos <= in.inputSize && len <= in.inputSize - pos);
    INFLATE_CHECK(len <= s->remaining || !s->wholeFrame);  // more than the frame may hold
    copy = len < s->remaining ? len : s->remaining;
    memcpy(s->outCursor, in.input + pos, copy);
    s->outCursor += copy;
    s->remaining -= copy;
    // The reader restarts at the byte after the block, inside the input: the
    // zeros counted past the end (and the bits held) belong to the look-ahead
    // that was just given back.
    in.inputPos = pos + len;
    in.overrun = 0;
    in.bitBuffer = 0;
    in.bitCount = 0;
    return true;
fail:
    return false;
}

// A dynamic block's header: its three code sets, then its codes.
static bool readDynamicHeader(InflateState* s) {
    BitReader& in = s->in;
    HuffmanEntry* literal = s->tablePool;
    HuffmanEntry* distance = s->tablePool + kLiteralPoolSize;
    uint8_t lengths[kMaxLiteralCodes + kMaxDistanceCodes];
    uint32_t nl, nd, nb, width, literalWidth, distanceWidth, total, i = 0, previous = 0;

    nl = kHlitBase + BitsTake(in, 5);
    nd = kHdistBase + BitsTake(in, 5);
    nb = kHclenBase + BitsTake(in, 4);
    INFLATE_CHECK(nl <= kMaxLiteralCodes && nd <= kMaxDistanceCodes);

    memset(lengths, 0, kCodeLengthCodes);
    for (uint32_t k = 0; k < nb; k++) lengths[kCodeLengthOrder[k]] = (uint8_t)BitsTake(in, 3);
    width = kCodeLengthLookupBits;
    INFLATE_CHECK(buildHuffmanTable(lengths, kCodeLengthCodes, kCodeLengthCodes, nullptr,
                                    nullptr, literal, kLiteralPoolSize,
                                    &width) == TableBuildResult::Complete);
    // Code-length codes are at most 7 bits: the table has no sub-tables.
    INFLATE_CHECK(width > 0);

    total = nl + nd;
    while (i < total) {
        BitsNeed(in, width);
        const HuffmanEntry& entry = literal[BitsPeek(in, width)];
        INFLATE_CHECK(entry.kind != kKindInvalid);
        BitsDrop(in, entry.bits);
        uint32_t symbol = entry.value, repeat, value = 0;
        if (symbol < kRepeatPrevious) {
            lengths[i++] = (uint8_t)symbol;
            previous = symbol;
            continue;
        }
        if (symbol == kRepeatPrevious) {
            repeat = 3 + BitsTake(in, 2);
            value = previous;
        } else if (symbol == kRepeatZeroShort) {
            repeat = 3 + BitsTake(in, 3);
            previous = 0;
        } else {
            repeat = 11 + BitsTake(in, 7);
            previous = 0;
        }
        INFLATE_CHECK(repeat <= total - i);
        memset(lengths + i, (int)value, repeat);
        i += repeat;
    }

    literalWidth = kLiteralLookupBits;
    INFLATE_CHECK(buildHuffmanTable(lengths, nl, kFirstLengthSymbol, kLengthBase, kLengthExtra,
                                    literal, kLiteralPoolSize,
                                    &literalWidth) == TableBuildResult::Complete);
    distanceWidth = kDistanceLookupBits;
    INFLATE_CHECK(buildHuffmanTable(lengths + nl, nd, 0, kDistanceBase, kDistanceExtra, distance,
                                    kDistancePoolSize,
                                    &distanceWidth) == TableBuildResult::Complete);
    return inflateCodes(s, literal, distance, literalWidth, distanceWidth);
fail:
    return false;
}

static bool inflateBlock(InflateState* s) {
    uint32_t type;
    s->lastBlock = BitsTake(s->in, 1);
    type = BitsTake(s->in, 2);
    switch (type) {
        case kBlockStored:
            return inflateStored(s);
        case kBlockFixed: {
            const FixedTables& fixed = fixedTables();
            return inflateCodes(s, fixed.literal, fixed.distance, kFixedLiteralLookupBits,
                                kFixedDistanceLookupBits);
        }
        case kBlockDynamic:
            return readDynamicHeader(s);
        default:
            return false;
    }
}

bool inflateFrame(InflateState* s, uint32_t* count) {
    uint32_t target = *count < s->outputLimit ? *count : s->outputLimit;
    s->remaining = target;
    s->wholeFrame = target == s->outputLimit;
    while (!s->lastBlock && s->remaining > 0)
        if (!inflateBlock(s)) return false;
    *count = target - s->remaining;
    return true;
}
