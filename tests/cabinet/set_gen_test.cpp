// Generated cabinet sets (tests/support/cab_set_gen.h) walked by the reader
// in memory. STUB_SETGEN_SEEDS and STUB_SETGEN_FIRST widen the run.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include "set_check.h"

namespace {

uint64_t EnvOr(const char* name, uint64_t fallback) {
    const char* v = getenv(name);
    return v && *v ? strtoull(v, nullptr, 10) : fallback;
}

TEST(GeneratedSets, ReaderExtractsEveryFileOfEverySet) {
    uint64_t first = EnvOr("STUB_SETGEN_FIRST", 1), count = EnvOr("STUB_SETGEN_SEEDS", 250);
    size_t cabinets = 0, files = 0, failures = 0;
    for (uint64_t seed = first; seed < first + count; ++seed) {
        setgen::Choices c(seed);
        setgen::Set set = setgen::Generate(c);
        cabinets += set.cabinets.size();
        files += set.files.size();
        std::string why = setgen::CheckInMemory(set, c);
        if (!why.empty() && ++failures <= 10)
            ADD_FAILURE() << "seed " << seed << " (" << set.summary << "): " << why;
        // STUB_SETGEN_KEEP=DIR keeps the cabinets of failing seeds for a look.
        const char* keep = getenv("STUB_SETGEN_KEEP");
        if (!why.empty() && keep) {
            std::string dir = std::string(keep) + "/" + std::to_string(seed);
            mkdir(dir.c_str(), 0777);
            for (const auto& k : set.cabinets) {
                FILE* f = fopen((dir + "/" + k.name).c_str(), "wb");
                if (f) fwrite(k.bytes.data(), 1, k.bytes.size(), f), fclose(f);
            }
        }
    }
    printf("%llu seeds, %zu cabinets, %zu files, %zu failures\n", (unsigned long long)count,
           cabinets, files, failures);
}

// Forty empty files at the start of a folder whose one file runs through the
// whole second cabinet, all listed there: the whole-set walk holds their
// entries (its list grows more than once) and offers them after the file.
TEST(GeneratedSets, ManyEmptyFilesListedInACabinetAFileRunsThrough) {
    setgen::Plan plan;
    setgen::FolderPlan folder;
    folder.sizes.assign(40, 0);
    folder.sizes.push_back(200000);
    plan.folders = {folder};
    plan.drawSplits = false;
    plan.splits = {{0, 100}, {3, 0}};  // a cut first block; the third cabinet from block 3
    plan.emptyCabinet = 1;             // an empty file at the cut block: in the later cabinet
    for (unsigned order = 0; order < 3; ++order) {
        plan.order = order;
        setgen::Choices c(order + 1);
        setgen::Set set = setgen::Build(plan, c);
        ASSERT_EQ(set.cabinets.size(), 3u);
        EXPECT_EQ(setgen::CheckInMemory(set, c), "") << set.summary;
    }
}

// The generator's own frames must be valid. Data without any repeat (all
// distinct 16-bit words) makes zlib emit two 16383-byte stored blocks and a
// fixed one, 32782 bytes in all at levels 1 to 9: too much for one block.
TEST(GeneratedSets, MszipFramesOfUnmatchedDataFitTheBlockBound) {
    std::vector<uint8_t> data(32768), back(32768);
    for (uint32_t i = 0; i < 16384; ++i) {
        uint16_t v = uint16_t(i * 40503u);
        data[2 * i] = uint8_t(v), data[2 * i + 1] = uint8_t(v >> 8);
    }
    for (int level = 0; level <= 9; ++level) {
        std::vector<uint8_t> f = setgen::detail::MszipFrame(data.data(), 32768, nullptr, 0, level);
        ASSERT_LE(f.size(), setgen::detail::kMszipMaxFrame) << "level " << level;
        z_stream z{};
        inflateInit2(&z, -15);
        z.next_in = f.data() + 2, z.avail_in = uInt(f.size() - 2);
        z.next_out = back.data(), z.avail_out = 32768;
        EXPECT_EQ(inflate(&z, Z_FINISH), Z_STREAM_END) << "level " << level;
        inflateEnd(&z);
        EXPECT_EQ(back, data) << "level " << level;
    }
}

}  // namespace
