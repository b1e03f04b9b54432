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

#include "deflate_writer.h"

namespace {

using Bytes = std::vector<uint8_t>;

using mszip_test::BitWriter;

// The fixed literal/length code, for symbols written one at a time.
const mszip_test::Code kFixed = mszip_test::FixedLiteralCode();

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
    BitWriter two;
    two.put(0, 1);
    two.put(1, 2);
    for (int i = 0; i < 3; ++i)
        for (char c : text) kFixed.put(two, uint8_t(c));
    kFixed.put(two, 256);
    two.put(1, 1);
    two.put(1, 2);
    for (char c : text) kFixed.put(two, uint8_t(c));
    kFixed.put(two, 256);
    Save(dir + "/two-blocks-end-in-fast-loop", {two.bytes()});

    // Fixed literal/length 286 (never valid): early, with input to spare,
    // and as the very last code of the frame.
    BitWriter early;
    early.put(1, 1);
    early.put(1, 2);
    for (char c : text) kFixed.put(early, uint8_t(c));
    kFixed.put(early, 286);
    for (int i = 0; i < 40; ++i) kFixed.put(early, 'x');
    Save(dir + "/fixed-invalid-symbol-fast", {early.bytes()});
    BitWriter late;
    late.put(1, 1);
    late.put(1, 2);
    kFixed.put(late, 'y');
    kFixed.put(late, 287);
    Save(dir + "/fixed-invalid-symbol-at-end", {late.bytes()});

    // Block type 3.
    BitWriter reserved;
    reserved.put(1, 1);
    reserved.put(3, 2);
    reserved.put(0, 13);
    Save(dir + "/block-type-3", {reserved.bytes()});

    // A dynamic block with 257 literal/length codes ('a' and the end code,
    // one bit each) and one distance code of length 0.
    BitWriter dyn;
    dyn.put(1, 1);
    dyn.put(2, 2);
    dyn.put(257 - 257, 5);  // HLIT
    dyn.put(1 - 1, 5);      // HDIST
    dyn.put(18 - 4, 4);     // HCLEN: up to symbol 1 in the transmission order
    // Code length code lengths in the order 16 17 18 0 8 7 9 6 10 5 11 4 12
    // 3 13 2 14 1: symbol 18 gets 1 bit, 0 and 1 get 2 bits.
    const int order[18] = {16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1};
    for (int sym : order) dyn.put(sym == 18 ? 1 : sym == 0 || sym == 1 ? 2 : 0, 3);
    // Canonical codes: 18 -> 0, 0 -> 10, 1 -> 11.
    dyn.code(0, 1);
    dyn.put(97 - 11, 7);  // 97 zeros
    dyn.code(3, 2);       // 'a': 1
    dyn.code(0, 1);
    dyn.put(138 - 11, 7);  // 138 zeros
    dyn.code(0, 1);
    dyn.put(20 - 11, 7);  // 20 zeros: up to 255
    dyn.code(3, 2);       // end code: 1
    dyn.code(2, 2);       // the one distance length: 0
    for (int i = 0; i < 500; ++i) dyn.code(0, 1);  // 'a'
    dyn.code(1, 1);                                // end
    Save(dir + "/dynamic-literals-only", {dyn.bytes()});

    // A dynamic header counting 288 literal/length codes (286 at most).
    BitWriter many;
    many.put(1, 1);
    many.put(2, 2);
    many.put(31, 5);
    many.put(0, 5);
    many.put(0, 4);
    many.put(0, 24);
    Save(dir + "/dynamic-too-many-codes", {many.bytes()});
    return 0;
}
