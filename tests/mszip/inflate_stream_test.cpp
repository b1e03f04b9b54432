// Hand-built DEFLATE streams: which inputs decode, to what, and which fail.
#include <gtest/gtest.h>

#include "deflate_writer.h"
#include "mszip_fixture.h"

using namespace mszip_test;

namespace {

const Code kLit = FixedLiteralCode();
const Code kDist = FixedDistanceCode();

void FixedHeader(BitWriter& w, bool final) {
    w.put(final, 1);
    w.put(1, 2);
}

void StoredBlock(BitWriter& w, bool final, uint32_t len, uint32_t nlen,
                 const std::vector<uint8_t>& data) {
    w.put(final, 1);
    w.put(0, 2);
    w.align();
    w.byte(uint8_t(len));
    w.byte(uint8_t(len >> 8));
    w.byte(uint8_t(nlen));
    w.byte(uint8_t(nlen >> 8));
    for (uint8_t b : data) w.byte(b);
}

// A small complete literal/length set: 'a' and 'b', end of block and the
// length symbols 257 (3) and 285 (258), all of length 3 except 2 codes of 2.
std::vector<uint8_t> SmallLiteralLengths(size_t n = 257) {
    std::vector<uint8_t> l(n, 0);
    l['a'] = 2;
    l['b'] = 2;
    l[256] = 2;
    if (n > 257) l[257] = 3;
    if (n > 285) l[285] = 3;
    if (n <= 257) l['c'] = 2;  // keep it complete without length codes
    return l;
}

}  // namespace

TEST(InflateStream, BlockTypeThreeFails) {
    Decoder d;
    BitWriter w;
    w.put(1, 1);
    w.put(3, 2);
    EXPECT_EQ(d.Status(w.frame()), CodecResult::BadData);
}

TEST(InflateStream, StoredBlocks) {
    Decoder d;
    {  // LEN 0 with NLEN 0xFFFF produces nothing; decoding goes on.
        BitWriter w;
        StoredBlock(w, false, 0, 0xFFFF, {});
        StoredBlock(w, true, 3, 0xFFFC, {1, 2, 3});
        EXPECT_EQ(d.DecodeOk(w.frame()), (std::vector<uint8_t>{1, 2, 3}));
    }
    {  // A stored block after a fixed block's bits starts on a byte boundary.
        BitWriter w;
        FixedHeader(w, false);
        kLit.put(w, 'x');
        kLit.put(w, 256);
        StoredBlock(w, true, 2, 0xFFFD, {7, 8});
        EXPECT_EQ(d.DecodeOk(w.frame()), (std::vector<uint8_t>{'x', 7, 8}));
    }
    {  // NLEN not the complement of LEN.
        BitWriter w;
        StoredBlock(w, true, 3, 0xFFFD, {1, 2, 3});
        EXPECT_EQ(d.Status(w.frame()), CodecResult::BadData);
    }
    {  // LEN larger than the bytes left in the frame, by one.
        BitWriter w;
        StoredBlock(w, true, 4, 0xFFFB, {1, 2, 3});
        EXPECT_EQ(d.Status(w.frame()), CodecResult::BadData);
    }
    {  // LEN beyond the limit: copies up to the limit and succeeds.
        BitWriter w;
        StoredBlock(w, true, 500, uint16_t(~500), std::vector<uint8_t>(500, 0x33));
        EXPECT_EQ(d.DecodeOk(w.frame(), 120), std::vector<uint8_t>(120, 0x33));
    }
}

// A frame holds at most 32768 bytes: data that would run past them (a
// stored block or a match cut by the limit, or any code but the block's end
// right after it) is invalid. A caller's smaller request still cuts a frame.
TEST(InflateStream, FrameDataPast32768IsInvalid) {
    Decoder d;
    {  // 'y' then matches of 258 at distance 1 up to 1033 bytes; then a stored
       // block of 32000 bytes, which the limit would cut.
        BitWriter w;
        FixedHeader(w, false);
        kLit.put(w, 'y');
        for (int i = 0; i < 4; i++) {
            PutLength(w, kLit, 258);
            PutDistance(w, kDist, 1);
        }
        kLit.put(w, 256);
        std::vector<uint8_t> raw(32000);
        for (size_t i = 0; i < raw.size(); i++) raw[i] = uint8_t(i % 251);
        StoredBlock(w, true, 32000, uint16_t(~32000), raw);
        EXPECT_EQ(d.Status(w.frame()), CodecResult::BadData);
        std::vector<uint8_t> out = d.DecodeOk(w.frame(), 2000);
        ASSERT_EQ(out.size(), 2000u);
        EXPECT_EQ(std::vector<uint8_t>(out.begin(), out.begin() + 1033),
                  std::vector<uint8_t>(1033, 'y'));
        EXPECT_TRUE(std::equal(out.begin() + 1033, out.end(), raw.begin()));
    }
    {  // 'z' then matches of 258: 32768 falls inside the 128th match.
        BitWriter w;
        FixedHeader(w, true);
        kLit.put(w, 'z');
        for (int i = 0; i < 130; i++) {
            PutLength(w, kLit, 258);
            PutDistance(w, kDist, 1);
        }
        kLit.put(w, 256);
        EXPECT_EQ(d.Status(w.frame()), CodecResult::BadData);
        // The caller's limit cuts a match after exactly that many bytes.
        EXPECT_EQ(d.DecodeOk(w.frame(), 100), std::vector<uint8_t>(100, 'z'));
    }
    // 'z', matches and 'z' up to exactly 32768 bytes (1 + 127 * 258 + 1),
    // then the end of the block, or one literal more.
    for (bool more : {false, true}) {
        BitWriter w;
        FixedHeader(w, true);
        kLit.put(w, 'z');
        for (int i = 0; i < 127; i++) {
            PutLength(w, kLit, 258);
            PutDistance(w, kDist, 1);
        }
        kLit.put(w, 'z');
        if (more) kLit.put(w, 'z');
        kLit.put(w, 256);
        if (more)
            EXPECT_EQ(d.Status(w.frame()), CodecResult::BadData);
        else
            EXPECT_EQ(d.DecodeOk(w.frame()), std::vector<uint8_t>(32768, 'z'));
    }
}

TEST(InflateStream, OverlappingMatchesRepeatTheirPattern) {
    Decoder d;
    BitWriter w;
    FixedHeader(w, true);
    for (uint8_t c : {'a', 'b', 'c'}) kLit.put(w, c);
    PutLength(w, kLit, 258);  // distance 1: 258 more 'c'
    PutDistance(w, kDist, 1);
    PutLength(w, kLit, 20);  // distance 3: "cccccc..." pattern of the last three
    PutDistance(w, kDist, 3);
    for (int dist : {5, 7, 8, 9, 16}) {  // around the word size
        PutLength(w, kLit, 50);
        PutDistance(w, kDist, dist);
    }
    kLit.put(w, 256);
    std::vector<uint8_t> expect{'a', 'b', 'c'};
    expect.insert(expect.end(), 258, 'c');
    auto copy = [&](int len, int dist) {
        for (int i = 0; i < len; i++) expect.push_back(expect[expect.size() - dist]);
    };
    copy(20, 3);
    for (int dist : {5, 7, 8, 9, 16}) copy(50, dist);
    EXPECT_EQ(d.DecodeOk(w.frame()), expect);
}

TEST(InflateStream, FixedCodeInvalidSymbols) {
    Decoder d;
    for (int symbol : {286, 287}) {
        BitWriter w;
        FixedHeader(w, true);
        kLit.put(w, 'a');
        kLit.put(w, symbol);
        w.put(0, 16);
        EXPECT_EQ(d.Status(w.frame()), CodecResult::BadData) << symbol;
    }
    for (int symbol : {30, 31}) {
        BitWriter w;
        FixedHeader(w, true);
        kLit.put(w, 'a');
        PutLength(w, kLit, 3);
        kDist.put(w, symbol);
        w.put(0, 16);
        EXPECT_EQ(d.Status(w.frame()), CodecResult::BadData) << symbol;
    }
}

TEST(InflateStream, FrameEndsWithoutPaddingOrEarly) {
    Decoder d;
    {  // The final code ends in the last byte: the lookahead reads past it.
        BitWriter w;
        FixedHeader(w, true);
        kLit.put(w, 'q');
        kLit.put(w, 256);  // 3 + 8 + 7 = 18 bits: 3 bytes, 9-bit lookahead past
        ASSERT_EQ(w.bytes().size(), 3u);
        EXPECT_EQ(d.DecodeOk(w.frame()), std::vector<uint8_t>{'q'});
    }
    {  // Cut after a literal of a final fixed block: the zeros read as the
       // 7-bit end-of-block code, so the frame ends cleanly.
        BitWriter w;
        FixedHeader(w, true);
        kLit.put(w, 'q');
        EXPECT_EQ(d.DecodeOk(w.frame()), std::vector<uint8_t>{'q'});
    }
    {  // Cut in a non-final block: the zeros then form a stored block header
       // whose LEN and NLEN do not match.
        BitWriter w;
        FixedHeader(w, false);
        kLit.put(w, 'q');
        EXPECT_EQ(d.Status(w.frame()), CodecResult::BadData);
    }
    {  // Bytes after the final block are ignored.
        BitWriter w;
        FixedHeader(w, true);
        kLit.put(w, 'q');
        kLit.put(w, 256);
        for (int i = 0; i < 20; i++) w.byte(0xFF);
        EXPECT_EQ(d.DecodeOk(w.frame()), std::vector<uint8_t>{'q'});
    }
}

TEST(InflateStream, DynamicHeaderFieldLimits) {
    Decoder d;
    // HLIT 29 (286 codes) and HDIST 29 (30 codes) are the largest accepted.
    std::vector<uint8_t> lit = SmallLiteralLengths(286);
    std::vector<uint8_t> dist(30, 0);
    dist[0] = 1;
    dist[29] = 1;
    Code litCode(lit), distCode(dist);
    BitWriter w;
    DynamicHeaderFor(w, true, lit, dist);
    litCode.put(w, 'a');
    litCode.put(w, 'b');
    litCode.put(w, 257);  // length 3, distance symbol 0: distance 1
    distCode.put(w, 0);
    litCode.put(w, 256);
    EXPECT_EQ(d.DecodeOk(w.frame()), (std::vector<uint8_t>{'a', 'b', 'b', 'b', 'b'}));

    // HLIT 30 or 31, HDIST 30 or 31: refused.
    for (auto fields : {std::pair<int, int>{30, 0}, {31, 0}, {0, 30}, {0, 31}}) {
        BitWriter bad;
        DynamicHeader(bad, true, fields.first, fields.second, 15, SimpleClLengths(), {});
        bad.put(0, 32);
        EXPECT_EQ(d.Status(bad.frame()), CodecResult::BadData)
            << fields.first << " " << fields.second;
    }
}

TEST(InflateStream, CodeLengthRepeats) {
    Decoder d;
    {  // A first symbol 16 repeats length 0: symbols 0..5 get length 0.
        std::vector<uint8_t> lit = SmallLiteralLengths();
        std::vector<LengthItem> items{{16, 3}};
        for (size_t i = 6; i < lit.size(); i++) items.push_back({lit[i]});
        items.push_back({1});  // the one distance code
        BitWriter w;
        DynamicHeader(w, true, 0, 0, 15, SimpleClLengths(), items);
        Code(lit).put(w, 'c');
        Code(lit).put(w, 256);
        EXPECT_EQ(d.DecodeOk(w.frame()), std::vector<uint8_t>{'c'});
    }
    // 286 + 30 = 316 lengths: 178 sent one by one ('a'..'d' of length 2, so
    // no end-of-block code), then symbol 18 with its largest count, 138,
    // which ends exactly at 316. The block then runs until the limit.
    std::vector<LengthItem> items;
    for (int i = 0; i < 178; i++) items.push_back({i >= 'a' && i <= 'd' ? 2 : 0});
    items.push_back({18, 127});
    std::vector<uint8_t> lit(286, 0);
    lit['a'] = lit['b'] = lit['c'] = lit['d'] = 2;
    {
        BitWriter w;
        DynamicHeader(w, true, 29, 29, 15, SimpleClLengths(), items);
        for (uint8_t c : {'d', 'a', 'b'}) Code(lit).put(w, c);
        EXPECT_EQ(d.DecodeOk(w.frame(), 3), (std::vector<uint8_t>{'d', 'a', 'b'}));
    }
    {  // One more length before it: the run would end at 317.
        std::vector<LengthItem> over = items;
        over.insert(over.begin(), LengthItem{0});
        BitWriter w;
        DynamicHeader(w, true, 29, 29, 15, SimpleClLengths(), over);
        EXPECT_EQ(d.Status(w.frame()), CodecResult::BadData);
    }
    // Symbols 16 and 17 running past the end fail too: 178 + 13 * 10 + 6
    // = 314 lengths, then a run of 3 would end at 317.
    for (int last : {16, 17}) {
        std::vector<LengthItem> over(items.begin(), items.end() - 1);
        for (int i = 0; i < 13; i++) over.push_back({17, 7});
        over.push_back({16, 3});
        over.push_back({last, 0});
        BitWriter w;
        DynamicHeader(w, true, 29, 29, 15, SimpleClLengths(), over);
        EXPECT_EQ(d.Status(w.frame()), CodecResult::BadData) << last;
        over.back() = {0};  // 315, 316: accepted
        over.push_back({0});
        BitWriter ok;
        DynamicHeader(ok, true, 29, 29, 15, SimpleClLengths(), over);
        Code(lit).put(ok, 'c');
        EXPECT_EQ(d.DecodeOk(ok.frame(), 1), std::vector<uint8_t>{'c'});
    }
}
