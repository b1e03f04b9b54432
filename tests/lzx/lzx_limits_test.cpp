// Limits of the encoder's matches, and the largest match distance against
// the independent extractors.
//
// LZX allows match distances up to the window size minus 3. At exactly that
// distance a match longer than 3 bytes overlaps its own source, which lies 3
// bytes ahead of the destination in the circular window: a forward byte copy
// reads only bytes of the previous pass there. cabextract, bsdtar and our
// decoder do so; 7zz misdecodes one byte of such a match. The encoder
// therefore never uses that distance, and these tests keep both facts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <utility>

#include "../writer/peer_tools.h"
#include "encoders.h"
#include "lzx_encode.h"
#include "lzx_bits.h"
#include "lzx_stream_builder.h"

using cabwriter::EncodedBlock;
using cabwriter::FolderSpec;
using cabwriter::Method;

namespace {

struct Match {
    uint64_t position;  // folder offset of the match's first byte
    uint32_t distance, length;
};

// Walks an encoded stream the way the decoder reads it and lists every
// match, with the trees and bit reader of the decoder itself. Fails (false)
// on a match that runs past its frame.
bool ListMatches(const std::vector<EncodedBlock>& blocks, uint32_t windowSize,
                 std::vector<Match>* matches) {
    LzxState s{};
    s.windowSize = windowSize;
    s.positionSlots = uint8_t(LzxPositionSlots(windowSize));
    s.repeatedOffsets[0] = s.repeatedOffsets[1] = s.repeatedOffsets[2] = 1;
    uint32_t* r = s.repeatedOffsets;
    bool firstHeader = true;
    int32_t blockType = 0, blockSize = 0, remaining = 0;
    uint64_t position = 0;
    for (const EncodedBlock& block : blocks) {
        s.inputStart = s.inputCursor = block.bytes.data();
        s.inputEnd = s.inputStart + block.bytes.size();
        s.inputLimit = s.inputEnd + kLzxInputSlack;
        LzxBits b;
        LoadBits(&b, &s);
        if (blockType != Uncompressed) PrimeBits(&b);
        for (uint32_t left = block.uncompressedSize; left > 0;) {
            if (remaining == 0) {
                if (firstHeader && ReadBits(&b, 1)) ReadBits(&b, 16), ReadBits(&b, 16);
                firstHeader = false;
                if (blockType == Uncompressed) {
                    if (blockSize & 1) b.cursor++;
                    PrimeBits(&b);
                }
                blockType = int32_t(ReadBits(&b, 3));
                const uint32_t high = ReadBits(&b, 8);
                blockSize = remaining = int32_t(high << 16 | ReadBits(&b, 16));
                StoreBits(&s, &b);
                if (blockType == AlignedOffset && !ReadAlignedTree(&s)) return false;
                if (blockType == Uncompressed) {
                    s.inputCursor -= 2;
                    for (int k = 0; k < 3; ++k) memcpy(&r[k], s.inputCursor + 4 * k, 4);
                    s.inputCursor += 12;
                } else {
                    memcpy(s.previousMainLengths, s.mainLengths, sizeof s.mainLengths);
                    memcpy(s.previousLengthLengths, s.lengthLengths, sizeof s.lengthLengths);
                    if (!ReadTrees(&s)) return false;
                }
                LoadBits(&b, &s);
            }
            const uint32_t chunk = std::min<uint32_t>(left, uint32_t(remaining));
            if (blockType == Uncompressed) {
                b.cursor += chunk;
                position += chunk;
            }
            for (uint32_t done = blockType == Uncompressed ? chunk : 0; done < chunk;) {
                uint32_t sym = uint32_t(PeekSymbol(b.buffer, s.mainTable, s.mainNodes, kLzxMainBits));
                DropBits(&b, s.mainLengths[sym]);
                if (sym < kLzxNumChars) {
                    ++done, ++position;
                    continue;
                }
                sym -= kLzxNumChars;
                uint32_t length = sym & 7, slot = sym >> 3, distance;
                if (length == 7) {
                    uint32_t extra = uint32_t(PeekSymbol(b.buffer, s.lengthTable, s.lengthNodes, kLzxLengthBits));
                    DropBits(&b, s.lengthLengths[extra]);
                    length += extra;
                }
                length += kLzxMinMatch;
                if (slot < 3) {
                    distance = r[slot];
                    std::swap(r[0], r[slot]);
                } else {
                    const uint32_t extra = kLzxExtraBits[slot];
                    distance = uint32_t(kLzxPositionBase[slot]);
                    if (blockType == AlignedOffset && extra >= 3) {
                        if (extra > 3) distance += ReadBits(&b, extra - 3) << 3;
                        uint32_t a = s.alignedTable[b.buffer >> (32 - kLzxAlignedBits)];
                        DropBits(&b, s.alignedLengths[a]);
                        distance += a;
                    } else if (extra) {
                        distance += ReadBits(&b, extra);
                    }
                    r[2] = r[1], r[1] = r[0], r[0] = distance;
                }
                if (length > chunk - done) return false;
                matches->push_back({position, distance, length});
                done += length;
                position += length;
            }
            StoreBits(&s, &b);
            remaining -= int32_t(chunk);
            left -= chunk;
        }
    }
    return true;
}

// Random data whose frames from the second on repeat runs of the data
// exactly windowSize - 3 bytes back, and (as the only other repeats) runs
// windowSize - 4 bytes back.
std::vector<uint8_t> FarRepeats(uint32_t windowSize, size_t size) {
    std::vector<uint8_t> v = peer::RandomBytes(size, 41);
    std::mt19937 rng(42);
    for (size_t p = windowSize; p + 300 < size;) {
        const uint32_t length = 9 + rng() % 120;
        const uint32_t distance = windowSize - 3 - (rng() % 2);
        for (uint32_t k = 0; k < length; ++k) v[p + k] = v[p + k - distance];
        p += length + 1 + rng() % 6;
    }
    return v;
}

// A cabinet of one file in one LZX folder made of the given data blocks.
std::vector<uint8_t> LzxCabinetOf(const std::vector<EncodedBlock>& blocks, int windowBits) {
    std::vector<uint8_t> c;
    auto le = [&](uint32_t v, int n) {
        for (int k = 0; k < n; ++k) c.push_back(uint8_t(v >> (8 * k)));
    };
    uint32_t total = 0, data = 0;
    for (const auto& b : blocks) total += b.uncompressedSize, data += 8 + uint32_t(b.bytes.size());
    const uint32_t filesAt = 36 + 8, blocksAt = filesAt + 16 + 6;
    c = {'M', 'S', 'C', 'F'};
    le(0, 4), le(blocksAt + data, 4), le(0, 4), le(filesAt, 4), le(0, 4);
    le(0x0103, 2), le(1, 2), le(1, 2), le(0, 2), le(0x1234, 2), le(0, 2);
    le(blocksAt, 4), le(uint32_t(blocks.size()), 2), le(3u | uint32_t(windowBits) << 8, 2);
    le(total, 4), le(0, 4), le(0, 2), le(0x5A21, 2), le(0x6000, 2), le(0x20, 2);
    for (char ch : std::string("f.bin")) c.push_back(uint8_t(ch));
    c.push_back(0);
    for (const auto& b : blocks) {
        le(0, 4), le(uint32_t(b.bytes.size()), 2), le(b.uncompressedSize, 2);
        c.insert(c.end(), b.bytes.begin(), b.bytes.end());
    }
    return c;
}

// Extracts the cabinet with one peer; the file's bytes, or empty.
std::vector<uint8_t> PeerExtract(const std::string& tool, const std::vector<uint8_t>& cab,
                                 const peer::TempDir& dir) {
    const std::string path = dir / (tool + ".cab"), out = dir / (tool + "-out");
    peer::WriteFile(path, cab);
    peer::fs::create_directories(out);
    std::string command = tool == "cabextract" ? "cabextract -q -d " + peer::Quote(out) + " "
                          : tool == "7zz"      ? "7zz x -y -bd -o" + peer::Quote(out) + " "
                                               : "bsdtar -C " + peer::Quote(out) + " -xf ";
    auto r = peer::Run(command + peer::Quote(path));
    EXPECT_EQ(r.status, 0) << tool << ": " << r.out;
    return peer::fs::exists(out + "/f.bin") ? peer::ReadFile(out + "/f.bin") : std::vector<uint8_t>{};
}

const char* const kPeers[] = {"cabextract", "7zz", "bsdtar"};

}  // namespace

TEST(LzxEncoderLimits, MatchesStayBelowTheLargestDistanceAndInsideFrames) {
    for (int bits : {15, 16, 21}) {
        const uint32_t window = 1u << bits;
        std::vector<uint8_t> data = FarRepeats(window, window + 3 * 32768);
        std::vector<EncodedBlock> blocks = Encode(data, bits);
        std::vector<Match> matches;
        ASSERT_TRUE(ListMatches(blocks, window, &matches)) << "a match crosses a frame, bits " << bits;
        size_t far = 0;
        for (const Match& m : matches) {
            ASSERT_LE(m.distance, window - 4) << "at " << m.position << ", bits " << bits;
            ASSERT_LE(m.distance, m.position);
            ASSERT_GE(m.length, kLzxMinMatch);
            ASSERT_LE(m.length, kLzxMaxMatch);
            far += m.distance == window - 4;
        }
        // The repeats at window - 4 are found, so the walk did see the far matches.
        EXPECT_GT(far, 10u) << "bits " << bits;
        lzxtest::Decoder d(window);
        std::vector<uint8_t> all, out;
        for (const auto& b : blocks) {
            ASSERT_EQ(d.Frame(b.bytes, b.uncompressedSize, &out), CodecResult::Ok);
            all.insert(all.end(), out.begin(), out.end());
        }
        EXPECT_TRUE(all == data) << "bits " << bits;
    }
}

// An encoder-made cabinet full of repeats at the largest distances: every
// peer extracts it byte-identically.
TEST(LzxPeerLimits, FarRepeatsExtractIdenticallyAtWindow15) {
    std::vector<uint8_t> data = FarRepeats(32768, 4 * 32768 + 1234);
    std::vector<uint8_t> cab = LzxCabinetOf(Encode(data, 15), 15);
    peer::TempDir dir("lzx-far");
    int ran = 0;
    for (const char* tool : kPeers) {
        if (!peer::HaveTool(tool)) continue;
        ++ran;
        EXPECT_TRUE(PeerExtract(tool, cab, dir) == data) << tool << " extracted f.bin wrongly";
    }
    if (ran < 3) GTEST_SKIP() << "only " << ran << " of cabextract, 7zz, bsdtar are installed";
}

// A hand-built stream with matches at exactly windowSize - 3, which the
// format allows: our decoder, cabextract and bsdtar copy forward and read
// the previous pass; 7zz differs in one byte of each such match (known, and
// reported rather than failed, so that a fixed 7zz passes too).
TEST(LzxPeerLimits, LargestDistanceOverlappingItsSource) {
    const uint32_t window = 32768;
    std::vector<uint8_t> data = peer::RandomBytes(2 * window, 43);
    const uint32_t distance = window - 3, length = 20, at = window + 1000;
    for (uint32_t k = 0; k < length; ++k) data[at + k] = data[at + k - distance];

    lzxtest::Stream st;
    const uint32_t slots = LzxPositionSlots(window);
    std::vector<uint8_t> main = lzxtest::FlatMainLengths(slots), len = lzxtest::FlatLengthLengths();
    std::vector<EncodedBlock> blocks;
    st.E8Header(0);
    for (uint32_t frame = 0; frame < 2; ++frame) {
        st.BlockHeader(Verbatim, window);
        st.Trees(main, len);
        for (uint32_t p = frame * window; p < (frame + 1) * window;) {
            if (p != at) {
                st.Main(data[p++]);
                continue;
            }
            const uint32_t slot = 29;  // distances 24574 to 32765
            st.MatchHeader(slot, length);
            st.Bits(distance - uint32_t(kLzxPositionBase[slot]), kLzxExtraBits[slot]);
            p += length;
        }
        blocks.push_back(EncodedBlock{st.Take(), uint16_t(window)});
    }
    ASSERT_EQ(kLzxPositionBase[29] + (1 << kLzxExtraBits[29]) - 1, int32_t(distance));

    lzxtest::Decoder d(window);
    std::vector<uint8_t> all, out;
    for (const auto& b : blocks) {
        ASSERT_EQ(d.Frame(b.bytes, b.uncompressedSize, &out), CodecResult::Ok);
        all.insert(all.end(), out.begin(), out.end());
    }
    ASSERT_TRUE(all == data);

    std::vector<uint8_t> cab = LzxCabinetOf(blocks, 15);
    peer::TempDir dir("lzx-largest");
    int ran = 0;
    for (const char* tool : kPeers) {
        if (!peer::HaveTool(tool)) continue;
        ++ran;
        std::vector<uint8_t> got = PeerExtract(tool, cab, dir);
        if (std::string(tool) != "7zz") {
            EXPECT_TRUE(got == data) << tool << " extracted f.bin wrongly";
            continue;
        }
        ASSERT_EQ(got.size(), data.size());
        size_t differing = 0;
        for (size_t i = 0; i < got.size(); ++i) differing += got[i] != data[i];
        EXPECT_LE(differing, 1u) << "7zz departs more than in the one known byte";
        if (differing)
            std::printf("note: 7zz misdecodes one byte of a match at distance window - 3\n");
    }
    if (ran < 3) GTEST_SKIP() << "only " << ran << " of cabextract, 7zz, bsdtar are installed";
}
