// Frames shaped as streaming DEFLATE writers shape them: data cut by sync
// and full flushes (each an empty non-final stored block), a final empty
// stored block, many small blocks in one frame, stored blocks ending in the
// frame's last bytes. zlib makes the data blocks; the expected output is the
// data given to it. A second generator writes random runs of stored and
// fixed blocks bit by bit, sharing nothing with the decoder.
#include <gtest/gtest.h>
#include <zlib.h>

#include <random>

#include "deflate_writer.h"
#include "mszip_fixture.h"

using namespace mszip_test;

namespace {

const uint8_t kFinalEmptyStored[5] = {0x01, 0x00, 0x00, 0xFF, 0xFF};

std::vector<uint8_t> Text(std::mt19937& rng, size_t n) {
    static const char* const kWords[] = {"cabinet ", "folder ", "frame ", "the ", "of ", "a"};
    std::vector<uint8_t> out;
    while (out.size() < n) {
        const char* w = kWords[rng() % 6];
        out.insert(out.end(), w, w + strlen(w));
        if (rng() % 8 == 0) out.push_back(uint8_t(rng()));
    }
    out.resize(n);
    return out;
}

// One frame: "CK", then `data` in pieces of `step` bytes, each followed by
// a flush of the given kind, then either zlib's own finish or a final empty
// stored block. `history`: the preceding bytes of the folder (up to 32 KiB).
std::vector<uint8_t> StreamingFrame(const std::vector<uint8_t>& data, size_t step, int flush,
                                    bool finalEmptyStored, int level = 6,
                                    const std::vector<uint8_t>& history = {}) {
    z_stream z{};
    EXPECT_EQ(deflateInit2(&z, level, Z_DEFLATED, -15, 9, Z_DEFAULT_STRATEGY), Z_OK);
    if (!history.empty()) deflateSetDictionary(&z, history.data(), uInt(history.size()));
    std::vector<uint8_t> out{'C', 'K'};
    auto run = [&](const uint8_t* p, size_t n, int mode) {
        z.next_in = const_cast<Bytef*>(p);
        z.avail_in = uInt(n);
        uint8_t buf[4096];
        do {
            z.next_out = buf;
            z.avail_out = sizeof buf;
            deflate(&z, mode);
            out.insert(out.end(), buf, buf + (sizeof buf - z.avail_out));
        } while (z.avail_out == 0);
    };
    for (size_t pos = 0; pos < data.size(); pos += step)
        run(data.data() + pos, std::min(step, data.size() - pos), flush);
    if (finalEmptyStored)
        out.insert(out.end(), kFinalEmptyStored, kFinalEmptyStored + 5);
    else
        run(nullptr, 0, Z_FINISH);
    deflateEnd(&z);
    return out;
}

}  // namespace

TEST(MszipStreamShapes, SyncFlushThenFinalEmptyStoredBlockAtEverySize) {
    // The reader fetches ahead near the frame's end; a stored block found
    // there must not push the next one's start past the input.
    std::mt19937 rng(7);
    for (size_t n = 1; n < 400; ++n) {
        std::vector<uint8_t> data = Text(rng, n);
        for (int flush : {Z_SYNC_FLUSH, Z_FULL_FLUSH}) {
            Decoder d;
            SCOPED_TRACE(testing::Message() << "size " << n << " flush " << flush);
            EXPECT_EQ(d.DecodeOk(StreamingFrame(data, n, flush, true)), data);
        }
    }
}

TEST(MszipStreamShapes, FlushesMidFrameAndManySmallBlocks) {
    std::mt19937 rng(11);
    for (size_t size : {64u, 1000u, 32768u}) {
        std::vector<uint8_t> data = Text(rng, size);
        for (size_t step : {1u, 5u, 37u, 1000u}) {
            for (int flush : {Z_SYNC_FLUSH, Z_FULL_FLUSH}) {
                for (int level : {0, 1, 9}) {
                    if (step == 1 && size > 1000) continue;  // the block limit
                    for (bool finalEmpty : {false, true}) {
                        SCOPED_TRACE(testing::Message() << size << "/" << step << "/" << flush
                                                        << "/" << level << "/" << finalEmpty);
                        std::vector<uint8_t> frame = StreamingFrame(data, step, flush, finalEmpty, level);
                        if (frame.size() > 32780) continue;  // not a valid MSZIP block
                        Decoder d;
                        EXPECT_EQ(d.DecodeOk(frame), data);
                    }
                }
            }
        }
    }
}

TEST(MszipStreamShapes, FramesOfAFolderShareHistoryAcrossFlushes) {
    std::mt19937 rng(13);
    std::vector<uint8_t> data = Text(rng, 3 * 32768 + 777);
    Decoder d;
    std::vector<uint8_t> all;
    for (size_t pos = 0; pos < data.size(); pos += 32768) {
        std::vector<uint8_t> piece(data.begin() + pos,
                                   data.begin() + std::min(data.size(), pos + 32768));
        std::vector<uint8_t> history(data.begin() + (pos ? pos - 32768 : 0), data.begin() + pos);
        std::vector<uint8_t> frame = StreamingFrame(piece, 4096, Z_SYNC_FLUSH, true, 6, history);
        std::vector<uint8_t> out = d.DecodeOk(frame);
        all.insert(all.end(), out.begin(), out.end());
    }
    EXPECT_EQ(all, data);
}

TEST(MszipStreamShapes, RandomRunsOfStoredAndFixedBlocks) {
    // Frames of 1 to 8 blocks: stored (mostly 0 to 2 bytes, some up to 12,
    // so that several lie in the frame's last word) and fixed (a few
    // literals and short matches), the last one final.
    const Code lit = FixedLiteralCode(), dist = FixedDistanceCode();
    std::mt19937 rng(2024);
    for (int frame = 0; frame < 3000; ++frame) {
        BitWriter w;
        std::vector<uint8_t> expected;
        const int blocks = 1 + int(rng() % 8);
        for (int b = 0; b < blocks; ++b) {
            const bool final = b == blocks - 1;
            w.put(final, 1);
            if (rng() % 2) {
                w.put(0, 2);
                w.align();
                uint32_t len = rng() % 4 == 0 ? rng() % 13 : rng() % 3;
                w.byte(uint8_t(len));
                w.byte(0);
                w.byte(uint8_t(~len));
                w.byte(0xFF);
                for (uint32_t i = 0; i < len; ++i) {
                    uint8_t byte = uint8_t(rng());
                    w.byte(byte);
                    expected.push_back(byte);
                }
            } else {
                w.put(1, 2);
                for (int n = int(rng() % 8); n > 0; --n) {
                    if (!expected.empty() && rng() % 3 == 0) {
                        int distance = 1 + int(rng() % std::min<size_t>(expected.size(), 40));
                        int length = 3 + int(rng() % 20);
                        PutLength(w, lit, length);
                        PutDistance(w, dist, distance);
                        for (int i = 0; i < length; ++i)
                            expected.push_back(expected[expected.size() - distance]);
                    } else {
                        uint8_t byte = uint8_t(rng());
                        lit.put(w, byte);
                        expected.push_back(byte);
                    }
                }
                lit.put(w, 256);
            }
        }
        Decoder d;
        SCOPED_TRACE(testing::Message() << "frame " << frame);
        ASSERT_EQ(d.DecodeOk(w.frame()), expected);
    }
}
