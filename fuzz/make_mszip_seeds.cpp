// Writes hand-built MSZIP seeds in the layout of fuzz_mszip.cpp (an options
// byte, then frames as a 16-bit length and their DEFLATE bytes; option 4
// puts "CK" in front). Each reaches decoder paths that encoder output never
// takes: a block ending while the fast loop runs, invalid fixed codes in
// the fast and the careful loop, block type 3, a dynamic block whose
// distance code is empty (literals only) and one with too many codes.
//   make_mszip_seeds CORPUS/mszip
#include <stdint.h>
#include <stdio.h>

#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

// DEFLATE bits, least significant first; Huffman codes from their top bit.
struct Bits {
    Bytes out;
    uint32_t acc = 0;
    int n = 0;
    void Put(uint32_t v, int count) {
        for (int i = 0; i < count; ++i) Bit(v >> i & 1);
    }
    void Code(uint32_t code, int len) {
        for (int i = len - 1; i >= 0; --i) Bit(code >> i & 1);
    }
    void Bit(uint32_t b) {
        acc |= b << n;
        if (++n == 8) {
            out.push_back(uint8_t(acc));
            acc = n = 0;
        }
    }
    void Fixed(uint32_t sym) {
        if (sym < 144) Code(0x30 + sym, 8);
        else if (sym < 256) Code(0x190 + sym - 144, 9);
        else if (sym < 280) Code(sym - 256, 7);
        else Code(0xC0 + sym - 280, 8);
    }
    Bytes Take() {
        if (n) out.push_back(uint8_t(acc));
        return out;
    }
};

void Save(const std::string& path, const std::vector<Bytes>& frames) {
    Bytes in = {4};
    for (const Bytes& f : frames) {
        in.push_back(uint8_t(f.size()));
        in.push_back(uint8_t(f.size() >> 8));
        in.insert(in.end(), f.begin(), f.end());
    }
    FILE* f = fopen(path.c_str(), "wb");
    if (!f) return;
    fwrite(in.data(), 1, in.size(), f);
    fclose(f);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    const std::string dir = argv[1];
    const std::string text = "the end of a block seen by the fast loop ";

    // A non-final fixed block that ends with plenty of input and room left,
    // then a final one.
    Bits two;
    two.Put(0, 1);
    two.Put(1, 2);
    for (int i = 0; i < 3; ++i)
        for (char c : text) two.Fixed(uint8_t(c));
    two.Fixed(256);
    two.Put(1, 1);
    two.Put(1, 2);
    for (char c : text) two.Fixed(uint8_t(c));
    two.Fixed(256);
    Save(dir + "/two-blocks-end-in-fast-loop", {two.Take()});

    // Fixed literal/length 286 (never valid): early, with input to spare,
    // and as the very last code of the frame.
    Bits early;
    early.Put(1, 1);
    early.Put(1, 2);
    for (char c : text) early.Fixed(uint8_t(c));
    early.Fixed(286);
    for (int i = 0; i < 40; ++i) early.Fixed('x');
    Save(dir + "/fixed-invalid-symbol-fast", {early.Take()});
    Bits late;
    late.Put(1, 1);
    late.Put(1, 2);
    late.Fixed('y');
    late.Fixed(287);
    Save(dir + "/fixed-invalid-symbol-at-end", {late.Take()});

    // Block type 3.
    Bits reserved;
    reserved.Put(1, 1);
    reserved.Put(3, 2);
    reserved.Put(0, 13);
    Save(dir + "/block-type-3", {reserved.Take()});

    // A dynamic block with 257 literal/length codes ('a' and the end code,
    // one bit each) and one distance code of length 0.
    Bits dyn;
    dyn.Put(1, 1);
    dyn.Put(2, 2);
    dyn.Put(257 - 257, 5);  // HLIT
    dyn.Put(1 - 1, 5);      // HDIST
    dyn.Put(18 - 4, 4);     // HCLEN: up to symbol 1 in the transmission order
    // Code length code lengths in the order 16 17 18 0 8 7 9 6 10 5 11 4 12
    // 3 13 2 14 1: symbol 18 gets 1 bit, 0 and 1 get 2 bits.
    const int order[18] = {16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1};
    for (int sym : order) dyn.Put(sym == 18 ? 1 : sym == 0 || sym == 1 ? 2 : 0, 3);
    // Canonical codes: 18 -> 0, 0 -> 10, 1 -> 11.
    dyn.Code(0, 1);
    dyn.Put(97 - 11, 7);  // 97 zeros
    dyn.Code(3, 2);       // 'a': 1
    dyn.Code(0, 1);
    dyn.Put(138 - 11, 7);  // 138 zeros
    dyn.Code(0, 1);
    dyn.Put(20 - 11, 7);  // 20 zeros: up to 255
    dyn.Code(3, 2);       // end code: 1
    dyn.Code(2, 2);       // the one distance length: 0
    for (int i = 0; i < 500; ++i) dyn.Code(0, 1);  // 'a'
    dyn.Code(1, 1);                                // end
    Save(dir + "/dynamic-literals-only", {dyn.Take()});

    // A dynamic header counting 288 literal/length codes (286 at most).
    Bits many;
    many.Put(1, 1);
    many.Put(2, 2);
    many.Put(31, 5);
    many.Put(0, 5);
    many.Put(0, 4);
    many.Put(0, 24);
    Save(dir + "/dynamic-too-many-codes", {many.Take()});
    return 0;
}
