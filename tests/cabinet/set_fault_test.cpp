// Sets laid out by hand through the test-side generator (not the writer):
// entries after spanning ones, files running into cabinets that do not list
// them, a compression type that changes at a crossing, ListPosition answers
// in the whole-set walk, and a last cabinet that names no next one.
#include "cab_set_gen.h"
#include "reader_fixture.h"

namespace {

class SetFaultTest : public ReaderTest {
protected:
    setgen::Set set_;
    void Make(const setgen::Plan& plan, uint64_t seed = 7) {
        setgen::Choices c(seed);
        set_ = setgen::Build(plan, c);
        for (auto& k : set_.cabinets) Store(k.name, k.bytes);
    }
    // a 20000, e empty, b 60000, c 3000 in one MSZIP folder over three
    // cabinets: a runs into the second, b from the first through the second
    // into the third. The second lists a(prev) b(both) e.
    void MakeSpanningSet(bool linkNext = true) {
        setgen::Plan p;
        p.drawSplits = false;
        p.folders = {{MethodMszip, 32768, {20000, 0, 60000, 3000}}};
        p.splits = {{0, 9000}, {1, 9000}};
        p.emptyCabinet = 1;
        p.linkNext = linkNext;
        Make(p);
        ASSERT_EQ(set_.cabinets.size(), 3u);
    }
    const std::string& Name(size_t file) { return set_.files[file].name; }
    std::string First() { return set_.cabinets[0].name; }
    uint16_t FolderIndexIn(size_t cab, size_t file) {
        auto& bytes = set_.cabinets[cab].bytes;
        for (uint32_t p : CabLayout(bytes).filePos)
            if (Name(file) == (const char*)&bytes[p + 16]) return ReadLe16(&bytes[p + 8]);
        return 0xAAAA;
    }
};

TEST_F(SetFaultTest, WholeSetOffersEntriesListedAfterSpanningOnes) {
    MakeSpanningSet();
    EXPECT_EQ(FolderIndexIn(1, 0), SpansFromPrevious);
    EXPECT_EQ(FolderIndexIn(1, 2), SpansBoth);
    EXPECT_EQ(FolderIndexIn(1, 1), 0);
    auto run = Extract(First(), kExtractWholeSet);
    ASSERT_TRUE(run.ok) << CabErrorName(run.error.code);
    EXPECT_EQ(rec_.Only("offer"), (Events{"offer " + Name(0), "offer " + Name(1),
                                          "offer " + Name(2), "offer " + Name(3)}));
    for (auto& f : set_.files) EXPECT_EQ(Output(f.name), f.data) << f.name;
    EXPECT_TRUE(rec_.Only("continued").empty());
}

TEST_F(SetFaultTest, EmptyFileInACabinetAFileRunsThroughIsOfferedAfterIt) {
    // b runs from the first cabinet through the whole second one into the
    // third; the empty file e is listed in the second only.
    setgen::Plan p;
    p.drawSplits = false;
    p.folders = {{MethodStored, 32768, {0, 90000, 100}}};
    p.splits = {{1, 20000}, {2, 1000}};
    p.emptyCabinet = 1;
    Make(p);
    ASSERT_EQ(set_.cabinets.size(), 3u);
    auto run = Extract(First(), kExtractWholeSet);
    ASSERT_TRUE(run.ok) << CabErrorName(run.error.code);
    for (auto& f : set_.files) EXPECT_EQ(Output(f.name), f.data) << f.name;
    EXPECT_EQ(rec_.Only("offer").size(), 3u);
}

// x fills folder 0 of the first cabinet but claims 1000 bytes more; the
// second cabinet starts a folder of its own with y. Nothing lists x there.
class RunningIntoAnUnlistingCabinet : public SetFaultTest {
protected:
    void SetUp() override {
        SetFaultTest::SetUp();
        setgen::Plan p;
        p.drawSplits = false;
        p.folders = {{MethodStored, 32768, {32768}}, {MethodStored, 32768, {5000}}};
        p.splits = {{1, 0}};
        Make(p);
        ASSERT_EQ(set_.cabinets.size(), 2u);
        auto first = set_.cabinets[0].bytes;
        Put32(first, CabLayout(first).filePos[0], 32768 + 1000);
        Store(First(), first);
    }
};

TEST_F(RunningIntoAnUnlistingCabinet, PlainWalkIsCorrupt) {
    EXPECT_FAILS_WITH(Extract(First()), Corrupt);
    EXPECT_TRUE(rec_.Only("finished").empty());
}

TEST_F(RunningIntoAnUnlistingCabinet, WholeSetWalkIsCorrupt) {
    EXPECT_FAILS_WITH(Extract(First(), kExtractWholeSet), Corrupt);
    EXPECT_TRUE(rec_.Only("finished").empty());
}

TEST_F(SetFaultTest, CompressionTypeChangingAtTheCrossingIsCorrupt) {
    setgen::Plan p;
    p.drawSplits = false;
    p.folders = {{MethodStored, 32768, {50000}}};
    p.splits = {{0, 20000}};
    Make(p);
    auto second = set_.cabinets[1].bytes;
    Put16(second, CabLayout(second).folderPos[0] + 6, 0x1000);  // stored, other upper bits
    Store(set_.cabinets[1].name, second);
    EXPECT_FAILS_WITH(Extract(First()), Aborted);
    auto need = rec_.Only("need");
    ASSERT_EQ(need.size(), 2u);
    EXPECT_NE(need[1].find("err=4"), std::string::npos) << need[1];
    EXPECT_NE(Output(Name(0)), set_.files[0].data);
    EXPECT_TRUE(rec_.Only("finished").empty());
}

TEST_F(SetFaultTest, WholeSetHonoursAListPositionAnswerOfNoEntries) {
    MakeSpanningSet();
    rec_.answer = [](NoticeKind k, CabNotice* n) {
        if (k == NoticeKind::ListPosition) n->folderIndex = 0;
        return INT_MIN;
    };
    auto run = Extract(First(), kExtractWholeSet);
    ASSERT_TRUE(run.ok) << CabErrorName(run.error.code);
    EXPECT_TRUE(rec_.Only("offer").empty());
    EXPECT_TRUE(rec_.Only("need").empty());

    // Answered 0 at the second cabinet: what was taken so far stands.
    rec_ = WalkRecorder();
    int lists = 0;
    rec_.answer = [&](NoticeKind k, CabNotice* n) {
        if (k == NoticeKind::ListPosition && ++lists == 2) n->folderIndex = 0;
        return INT_MIN;
    };
    run = Extract(First(), kExtractWholeSet);
    ASSERT_TRUE(run.ok) << CabErrorName(run.error.code);
    EXPECT_EQ(rec_.Only("offer"), (Events{"offer " + Name(0)}));
    EXPECT_EQ(Output(Name(0)), set_.files[0].data);
}

TEST_F(SetFaultTest, LastCabinetNamingNoNextIsAskedForWithAnEmptyName) {
    MakeSpanningSet(false);
    std::string second = set_.cabinets[1].name, third = set_.cabinets[2].name;
    // The caller knows where the set goes on.
    std::vector<std::string> asked;
    rec_.answer = [&](NoticeKind k, CabNotice* n) {
        if (k != NoticeKind::NeedCabinet) return INT_MIN;
        asked.push_back(n->text1);
        strcpy(n->text1, asked.size() == 1 ? second.c_str() : third.c_str());
        return 0;
    };
    auto run = Extract(First(), kExtractWholeSet);
    ASSERT_TRUE(run.ok) << CabErrorName(run.error.code);
    EXPECT_EQ(asked, (std::vector<std::string>{"", ""}));
    for (auto& f : set_.files) EXPECT_EQ(Output(f.name), f.data) << f.name;

    // It does not: -1 ends the walk.
    rec_ = WalkRecorder();
    rec_.answer = [](NoticeKind k, CabNotice* n) {
        return k == NoticeKind::NeedCabinet && n->text1[0] == 0 ? -1 : INT_MIN;
    };
    EXPECT_FAILS_WITH(Extract(First()), Aborted);
    EXPECT_EQ(rec_.Only("need"), (Events{"need  idx=1 err=0"}));
}

}  // namespace
