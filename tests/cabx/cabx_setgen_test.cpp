// Generated cabinet sets (tests/support/cab_set_gen.h) through the cabx
// binary and, where it reads the layout, 7zz: extract gives exactly the
// generated files, test and list count them alike. STUB_SETGEN_CABX_SEEDS
// and STUB_SETGEN_FIRST widen the run.
#include <gtest/gtest.h>
#include <stdlib.h>

#include "cab_set_gen.h"
#include "cabx_support.h"

namespace {

using cabxtest::Cabx;
using cabxtest::Contains;
using Tree = std::map<std::string, std::vector<uint8_t>>;

uint64_t EnvOr(const char* name, uint64_t fallback) {
    const char* v = getenv(name);
    return v && *v ? strtoull(v, nullptr, 10) : fallback;
}

Tree Expected(const setgen::Set& set) {
    Tree t;
    for (const auto& f : set.files) t[f.name] = f.data;
    return t;
}

std::string WriteSet(const peer::TempDir& dir, const setgen::Set& set) {
    for (const auto& k : set.cabinets) peer::WriteFile(dir.path() / "in" / k.name, k.bytes);
    return dir / ("in/" + set.cabinets[0].name);
}

// "" when cabx (and 7zz where it reads the set) agree with the set. 7zz
// refuses some layouts it is not known to refuse (data errors on files
// spanning a cut block): those are counted in *refused, not failed.
std::string CheckWithTools(const setgen::Set& set, bool peer, size_t* refused = nullptr) {
    peer::TempDir dir("setgen");
    std::string first = WriteSet(dir, set);
    auto x = Cabx("extract -q -d " + peer::Quote(dir / "out") + " " + peer::Quote(first));
    if (x.status != 0) return "cabx extract failed: " + x.out;
    if (peer::ReadTree(dir.path() / "out") != Expected(set)) return "cabx extract: files differ";
    auto t = Cabx("test " + peer::Quote(first));
    std::string count = std::to_string(set.files.size()) + " files";
    if (t.status != 0 || !Contains(t.out, count + " OK")) return "cabx test: " + t.out;
    uint64_t total = 0;
    for (const auto& f : set.files) total += f.data.size();
    auto l = Cabx("list " + peer::Quote(first));
    if (l.status != 0 || !Contains(l.out, count + ", " + std::to_string(total) + " bytes, " +
                                              std::to_string(set.cabinets.size()) + " cabinet"))
        return "cabx list: " + l.out;
    if (peer && set.peerLayout) {
        auto z = peer::Run("7zz x -y -bd -o" + peer::Quote(dir / "peer") + " " + peer::Quote(first));
        if (z.status != 0) {
            if (refused) ++*refused;
            return "";
        }
        if (peer::ReadTree(dir.path() / "peer") != Expected(set)) return "7zz: files differ";
    }
    return "";
}

TEST(CabxGeneratedSets, ExtractTestListAndPeerAgree) {
    bool peer = peer::HaveTool("7zz");
    uint64_t first = EnvOr("STUB_SETGEN_FIRST", 1), count = EnvOr("STUB_SETGEN_CABX_SEEDS", 25);
    size_t failures = 0, files = 0, cabinets = 0, peerSets = 0, refused = 0;
    for (uint64_t seed = first; seed < first + count; ++seed) {
        setgen::Set set = setgen::Generate(seed);
        files += set.files.size();
        cabinets += set.cabinets.size();
        peerSets += peer && set.peerLayout;
        std::string why = CheckWithTools(set, peer, &refused);
        if (!why.empty() && ++failures <= 10)
            ADD_FAILURE() << "seed " << seed << " (" << set.summary << "): " << why;
    }
    printf("%llu seeds, %zu cabinets, %zu files, %zu sets given to 7zz (%zu refused), %zu failures\n",
           (unsigned long long)count, cabinets, files, peerSets, refused, failures);
}

// The set of the first fault of the walk: the second cabinet lists a(prev)
// b(both) and then the empty e, which used to be dropped with exit 0.
TEST(CabxGeneratedSets, EntryAfterSpanningEntriesIsExtracted) {
    setgen::Plan p;
    p.drawSplits = false;
    p.folders = {{MethodMszip, 32768, {20000, 0, 60000, 3000}}};
    p.splits = {{0, 9000}, {1, 9000}};
    p.emptyCabinet = 1;
    setgen::Choices c(11);
    setgen::Set set = setgen::Build(p, c);
    EXPECT_EQ(CheckWithTools(set, peer::HaveTool("7zz")), "");
}

TEST(CabxGeneratedSets, DataRunningPastAnUnlinkedCabinetSayTheSetIsIncomplete) {
    setgen::Plan p;
    p.drawSplits = false;
    p.folders = {{MethodStored, 32768, {20000, 30000}}};
    p.splits = {{0, 9000}};
    p.linkNext = false;
    setgen::Choices c(12);
    setgen::Set set = setgen::Build(p, c);
    peer::TempDir dir("setgen");
    std::string first = WriteSet(dir, set);
    auto x = Cabx("extract -q -d " + peer::Quote(dir / "out") + " " + peer::Quote(first));
    EXPECT_NE(x.status, 0);
    EXPECT_TRUE(Contains(x.out, "the cabinet set is incomplete")) << x.out;
    auto t = Cabx("test " + peer::Quote(first));
    EXPECT_NE(t.status, 0);
    EXPECT_TRUE(Contains(t.out, "the cabinet set is incomplete")) << t.out;
}

}  // namespace
