// Test-side DEFLATE writer: builds bit streams by hand, including streams no
// encoder would produce (bad headers, odd code sets), and wraps them in
// MSZIP frames.
#ifndef STUB_TESTS_MSZIP_DEFLATE_WRITER_H
#define STUB_TESTS_MSZIP_DEFLATE_WRITER_H

#include <stdint.h>

#include <vector>

namespace mszip_test {

class BitWriter {
public:
    // Appends the low n bits of value, least significant first.
    void put(uint32_t value, int n) {
        for (int i = 0; i < n; i++) {
            if (bitPos_ == 0) bytes_.push_back(0);
            if ((value >> i) & 1) bytes_.back() |= uint8_t(1u << bitPos_);
            bitPos_ = (bitPos_ + 1) & 7;
        }
    }
    // Appends a Huffman code of len bits, most significant bit first.
    void code(uint32_t code, int len) {
        for (int i = len - 1; i >= 0; i--) put((code >> i) & 1, 1);
    }
    void align() { bitPos_ = 0; }
    void byte(uint8_t b) {
        align();
        bytes_.push_back(b);
    }
    // "CK" followed by the bits written so far.
    std::vector<uint8_t> frame() const {
        std::vector<uint8_t> f{'C', 'K'};
        f.insert(f.end(), bytes_.begin(), bytes_.end());
        return f;
    }
    const std::vector<uint8_t>& bytes() const { return bytes_; }

private:
    std::vector<uint8_t> bytes_;
    int bitPos_ = 0;
};

// Canonical codes (RFC 1951 3.2.2) for a list of lengths; 0 for length 0.
inline std::vector<uint32_t> CanonicalCodes(const std::vector<uint8_t>& lengths) {
    uint32_t count[17] = {}, next[17] = {};
    for (uint8_t l : lengths) count[l]++;
    count[0] = 0;
    uint32_t code = 0;
    for (int bits = 1; bits <= 16; bits++) {
        code = (code + count[bits - 1]) << 1;
        next[bits] = code;
    }
    std::vector<uint32_t> codes(lengths.size());
    for (size_t i = 0; i < lengths.size(); i++)
        if (lengths[i]) codes[i] = next[lengths[i]]++;
    return codes;
}

// A code set ready to write symbols with.
struct Code {
    std::vector<uint8_t> lengths;
    std::vector<uint32_t> codes;
    explicit Code(std::vector<uint8_t> l) : lengths(std::move(l)), codes(CanonicalCodes(lengths)) {}
    void put(BitWriter& w, int symbol) const { w.code(codes[symbol], lengths[symbol]); }
};

// The fixed literal/length and distance codes.
inline Code FixedLiteralCode() {
    std::vector<uint8_t> l(288);
    for (int i = 0; i < 288; i++) l[i] = i < 144 ? 8 : i < 256 ? 9 : i < 280 ? 7 : 8;
    return Code(l);
}
inline Code FixedDistanceCode() { return Code(std::vector<uint8_t>(32, 5)); }

// Writes a match length (3..258) or distance (1..32768) as its symbol and
// extra bits, by the tables of RFC 1951 3.2.5.
inline void PutLength(BitWriter& w, const Code& lit, int length) {
    static const int base[29] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                 31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
    static const int extra[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                  2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
    int i = 28;
    while (base[i] > length) i--;
    lit.put(w, 257 + i);
    w.put(uint32_t(length - base[i]), extra[i]);
}
inline void PutDistance(BitWriter& w, const Code& dist, int distance) {
    int i = 29, base = 0;
    auto baseOf = [](int sym) { return sym < 4 ? sym + 1 : ((2 + (sym & 1)) << ((sym >> 1) - 1)) + 1; };
    while ((base = baseOf(i)) > distance) i--;
    dist.put(w, i);
    w.put(uint32_t(distance - base), i < 4 ? 0 : (i >> 1) - 1);
}

// One item of a dynamic header's code-length sequence: a code-length symbol
// (0..18) and, for 16, 17 and 18, the value of its extra bits.
struct LengthItem {
    int symbol;
    uint32_t extra = 0;
};

// Writes BFINAL, BTYPE 2 and a dynamic header with raw field values: HLIT,
// HDIST and HCLEN as given, the code-length code lengths in transmission
// order (hclen + 4 of them, from clLengths indexed by symbol), then items.
inline void DynamicHeader(BitWriter& w, bool final, uint32_t hlit, uint32_t hdist,
                          uint32_t hclen, const std::vector<uint8_t>& clLengths,
                          const std::vector<LengthItem>& items) {
    static const int order[19] = {16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};
    w.put(final, 1);
    w.put(2, 2);
    w.put(hlit, 5);
    w.put(hdist, 5);
    w.put(hclen, 4);
    for (uint32_t i = 0; i < hclen + 4; i++) w.put(clLengths[order[i]], 3);
    Code cl(clLengths);
    for (const LengthItem& item : items) {
        cl.put(w, item.symbol);
        if (item.symbol == 16) w.put(item.extra, 2);
        if (item.symbol == 17) w.put(item.extra, 3);
        if (item.symbol == 18) w.put(item.extra, 7);
    }
}

// The code-length code this writer uses unless a test needs another, a
// complete set over all 19 symbols: 0, 16, 17 and 18 of length 3 (16/32),
// 15 of length 4 (2/32), 1..14 of length 5 (14/32).
inline std::vector<uint8_t> SimpleClLengths() {
    std::vector<uint8_t> l(19, 5);
    l[0] = l[16] = l[17] = l[18] = 3;
    l[15] = 4;
    return l;
}

// Plain length items for a list of lengths (no repeat codes).
inline std::vector<LengthItem> PlainItems(const std::vector<uint8_t>& lengths) {
    std::vector<LengthItem> items;
    for (uint8_t l : lengths) items.push_back({l});
    return items;
}

// A whole dynamic block header for the given literal/length and distance
// lengths, using SimpleClLengths.
inline void DynamicHeaderFor(BitWriter& w, bool final, const std::vector<uint8_t>& lit,
                             const std::vector<uint8_t>& dist) {
    std::vector<uint8_t> all(lit);
    all.insert(all.end(), dist.begin(), dist.end());
    DynamicHeader(w, final, uint32_t(lit.size() - 257), uint32_t(dist.size() - 1), 15,
                  SimpleClLengths(), PlainItems(all));
}

}  // namespace mszip_test

#endif
