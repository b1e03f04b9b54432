// Sets of cabinets: folders and blocks cut across cabinets, the NeedCabinet
// dialogue, and the whole-set walk.
#include <map>

#include "cab_reader_state.h"
#include "reader_fixture.h"

namespace {

// a fits in the first cabinet; b runs through the second into the third; c
// follows b in the continued folder of the third cabinet.
std::vector<cabwriter::Entry> ThreeFiles() {
    return {Entry("a", 10000), Entry("b", 90000), Entry("c", 5000)};
}

cabwriter::Options SplitAt(uint32_t max) {
    cabwriter::Options o;
    o.maxCabinetSize = max;
    return o;
}

class SetTest : public ReaderTest {
protected:
    std::vector<cabwriter::Cabinet> cabs;
    void MakeSet(uint32_t max = 40000) {
        cabs = BuildSet(ThreeFiles(), SplitAt(max));
        ASSERT_EQ(cabs.size(), 3u);
        ASSERT_EQ(cabs[1].name, "cab2.cab");
    }
    uint16_t FolderIndexOf(size_t cab, const std::string& name) {
        CabLayout l(cabs[cab].bytes);
        for (uint32_t p : l.filePos)
            if (name == (const char*)&cabs[cab].bytes[p + 16]) return ReadLe16(&cabs[cab].bytes[p + 8]);
        return 0xAAAA;
    }
};

TEST_F(SetTest, WriterLaysTheSpanningEntriesOut) {
    MakeSet();
    EXPECT_EQ(FolderIndexOf(0, "b"), SpansIntoNext);
    EXPECT_EQ(FolderIndexOf(1, "b"), SpansBoth);
    EXPECT_EQ(FolderIndexOf(2, "b"), SpansFromPrevious);
    EXPECT_EQ(FolderIndexOf(2, "c"), 0);
}

TEST_F(SetTest, FileRunningThroughThreeCabinetsWithCutBlocks) {
    MakeSet();
    rec_.recordBlocks = true;
    auto run = Extract("cab1.cab", 0, true);
    ASSERT_TRUE(run.ok) << CabErrorName(run.error.code);
    EXPECT_EQ(Output("a"), ThreeFiles()[0].data);
    EXPECT_EQ(Output("b"), ThreeFiles()[1].data);
    // c begins in a following cabinet: the plain walk ends its pass at it.
    EXPECT_FALSE(HasOutput("c"));
    auto notices = rec_.events;
    notices.erase(std::remove_if(notices.begin(), notices.end(),
                                 [](const std::string& e) { return e.rfind("hook", 0) == 0; }),
                  notices.end());
    EXPECT_EQ(notices, (Events{"ready 0 next=cab2.cab", "list 2", "offer a",
                               "finished a run=0 attr=20", "offer b",
                               "need cab2.cab idx=1 err=0", "ready 1 next=cab3.cab",
                               "need cab3.cab idx=2 err=0", "ready 2 next=",
                               "finished b run=0 attr=20", "list 0"}));
    // Each piece of a cut block is seen by the hook; the second counts the first.
    auto blocks = rec_.Only("hook-block");
    int firstPieces = 0, secondPieces = 0;
    for (size_t i = 0; i < blocks.size(); ++i) {
        unsigned size, held, reserve;
        int split;
        ASSERT_EQ(sscanf(blocks[i].c_str(), "hook-block %u split=%d held=%u reserve=%u", &size,
                         &split, &held, &reserve),
                  4);
        if (split && held == 0) {
            ++firstPieces;
            ASSERT_LT(i + 1, blocks.size());
            unsigned size2, held2;
            int split2;
            sscanf(blocks[i + 1].c_str(), "hook-block %u split=%d held=%u", &size2, &split2,
                   &held2);
            EXPECT_EQ(split2, 1);
            EXPECT_EQ(held2, size);
            EXPECT_GT(size2, held2);
        }
        if (split && held) ++secondPieces;
    }
    EXPECT_EQ(firstPieces, 2) << "the writer is expected to cut a block at each cabinet end";
    EXPECT_EQ(secondPieces, 2);
}

TEST_F(SetTest, WalkStartedAtALaterCabinetReportsContinuedFiles) {
    MakeSet();
    // c begins inside the continued folder: its start lies in the cabinet
    // before, so it cannot be decoded from here.
    auto run = Extract("cab3.cab");
    EXPECT_FAILS_WITH(run, Corrupt);
    EXPECT_EQ(rec_.Only("continued"), (Events{"continued b"}));
    EXPECT_EQ(rec_.Only("offer"), (Events{"offer c"}));
}

TEST_F(SetTest, WholeSetWalkStartedInsideAContinuedFolderGoesOnUnreadable) {
    MakeSet();
    // The second cabinet's only folder began in the first: b is reported as
    // continued, and the walk follows the folder into the third cabinet,
    // where c (its start in the cabinet before too) cannot be decoded.
    auto run = Extract("cab2.cab", kExtractWholeSet);
    EXPECT_FAILS_WITH(run, Corrupt);
    EXPECT_EQ(rec_.Only("need"), (Events{"need cab3.cab idx=2 err=0"}));
    EXPECT_EQ(rec_.Only("offer"), (Events{"offer c"}));
    EXPECT_FALSE(rec_.Only("continued").empty());
    EXPECT_FALSE(HasOutput("b"));
}

TEST_F(SetTest, PlainWalkPassesOverADeclinedFileSpanningThreeCabinets) {
    // x runs from the first through the second into the third cabinet and
    // is declined; y, written, follows it into the third cabinet.
    cabs = BuildSet({Entry("w", 1000), Entry("x", 60000), Entry("y", 30000)}, SplitAt(30000));
    ASSERT_GE(cabs.size(), 3u);
    rec_.answer = [](NoticeKind k, CabNotice* n) {
        return k == NoticeKind::OfferFile && std::string(n->text1) == "x" ? 0 : INT_MIN;
    };
    auto run = Extract("cab1.cab");
    ASSERT_TRUE(run.ok) << CabErrorName(run.error.code);
    EXPECT_FALSE(HasOutput("x"));
    auto finished = rec_.Only("finished");
    ASSERT_FALSE(finished.empty());
    for (auto& f : finished) EXPECT_EQ(f.find("finished x"), std::string::npos) << f;
}

TEST_F(SetTest, WholeSetFlagExtractsEveryFileOnce) {
    MakeSet();
    auto run = Extract("cab1.cab", kExtractWholeSet);
    ASSERT_TRUE(run.ok) << CabErrorName(run.error.code);
    for (auto& e : ThreeFiles()) EXPECT_EQ(Output(e.name), e.data) << e.name;
    EXPECT_EQ(rec_.Only("offer"), (Events{"offer a", "offer b", "offer c"}));
    // One ListPosition per cabinet whose list is walked (b runs through the
    // second into the third), and the last one.
    EXPECT_EQ(rec_.Only("list"), (Events{"list 2", "list 2", "list 0"}));
}

TEST_F(SetTest, WholeSetGoesOnWhenTheSpanningFileIsDeclined) {
    MakeSet();
    rec_.answer = [](NoticeKind k, CabNotice* n) {
        return k == NoticeKind::OfferFile && std::string(n->text1) == "b" ? 0 : INT_MIN;
    };
    auto run = Extract("cab1.cab", kExtractWholeSet);
    ASSERT_TRUE(run.ok) << CabErrorName(run.error.code);
    EXPECT_FALSE(HasOutput("b"));
    EXPECT_EQ(Output("c"), ThreeFiles()[2].data);
    EXPECT_EQ(rec_.Only("offer"), (Events{"offer a", "offer b", "offer c"}));
}

TEST_F(SetTest, WholeSetOverManyLayouts) {
    // Several folders, many sizes, cut at many places; every second file declined.
    std::vector<cabwriter::Entry> entries;
    cabwriter::Options o;
    o.folders = {cabwriter::FolderSpec{}, cabwriter::FolderSpec{}, cabwriter::FolderSpec{}};
    for (int i = 0; i < 14; ++i)
        entries.push_back(Entry("f" + std::to_string(i), (size_t)(i * 7919) % 23000, i / 5));
    for (uint32_t max : {20000u, 31000u, 52000u, 70000u, 100000u}) {
        for (bool decline : {false, true}) {
            MemIo::Reset();
            if (reader_) DestroyReader(reader_);
            reader_ = nullptr;
            rec_ = WalkRecorder();
            o.maxCabinetSize = max;
            BuildSet(entries, o);
            std::map<std::string, int> offered;
            rec_.answer = [&](NoticeKind k, CabNotice* n) {
                if (k != NoticeKind::OfferFile) return INT_MIN;
                int count = ++offered[n->text1];
                bool odd = (std::stoi(n->text1 + 1) & 1) != 0;
                return decline && odd ? 0 : (count, INT_MIN);
            };
            auto run = Extract("cab1.cab", kExtractWholeSet);
            ASSERT_TRUE(run.ok) << "max " << max << ": " << CabErrorName(run.error.code);
            for (auto& e : entries) {
                bool odd = (std::stoi(e.name.substr(1)) & 1) != 0;
                EXPECT_EQ(offered[e.name], 1) << e.name << " max " << max;
                if (decline && odd)
                    EXPECT_FALSE(HasOutput(e.name));
                else
                    EXPECT_EQ(Output(e.name), e.data) << e.name << " max " << max;
            }
        }
    }
}

TEST_F(SetTest, SetMismatchRepeatsNeedCabinetUntilAborted) {
    MakeSet();
    auto other = cabs[1].bytes;
    Put16(other, 32, 0x7777);
    Store("cab2.cab", other);
    auto run = Extract("cab1.cab");
    EXPECT_FAILS_WITH(run, Aborted);
    EXPECT_EQ(rec_.Only("need"), (Events{"need cab2.cab idx=1 err=0", "need cab2.cab idx=1 err=10"}));
    EXPECT_FALSE(HasOutput("b") && Output("b") == ThreeFiles()[1].data);
    EXPECT_EQ(MemIo::Get().handles.size(), 0u) << "output of the abandoned file closed";
}

TEST_F(SetTest, CallbackCanRenameTheNextCabinetAfterAFailedAttempt) {
    MakeSet();
    MemIo::Get().files["elsewhere/two.cab"] = cabs[1].bytes;
    MemIo::Get().files.erase("cab2.cab");
    int attempts = 0;
    rec_.answer = [&](NoticeKind k, CabNotice* n) {
        if (k != NoticeKind::NeedCabinet || std::string(n->text1) != "cab2.cab" &&
                                                std::string(n->text1) != "two.cab")
            return INT_MIN;
        if (++attempts == 2) {
            EXPECT_EQ(n->error, (int)CabErrorCode::CannotOpen);
            strcpy(n->text1, "two.cab");
            strcpy(n->text3, "elsewhere/");
        }
        return 0;
    };
    // cab3.cab is looked up in the rewritten path as well.
    MemIo::Get().files["elsewhere/cab3.cab"] = cabs[2].bytes;
    auto run = Extract("cab1.cab");
    ASSERT_TRUE(run.ok) << CabErrorName(run.error.code);
    EXPECT_EQ(Output("b"), ThreeFiles()[1].data);
}

TEST_F(SetTest, FailedAttemptAfterNamesWereReadAsksForTheSameCabinetAgain) {
    MakeSet();
    auto bad = cabs[1].bytes;
    CabLayout l(bad);
    Put16(bad, l.folderPos[0] + 6, 0x0004);  // folder 0 cannot go on with the decoder
    Store("cab2.cab", bad);
    EXPECT_FAILS_WITH(Extract("cab1.cab"), Aborted);
    EXPECT_EQ(rec_.Only("need"), (Events{"need cab2.cab idx=1 err=0", "need cab2.cab idx=1 err=4"}));
}

TEST_F(SetTest, BlockReserveMustStayHeaderReserveMayChange) {
    cabwriter::Options o = SplitAt(40000);
    o.headerReserve = 2;
    o.blockReserve = 4;
    cabs = BuildSet(ThreeFiles(), o);
    ASSERT_EQ(cabs.size(), 3u);

    // Header reserve of cab2 grown from 2 to 10 bytes: read normally.
    auto grown = cabs[1].bytes;
    CabLayout l(grown);
    const uint32_t extra = 8;
    grown.insert(grown.begin() + 40 + 2, extra, 0x5A);
    Put16(grown, 36, 10);
    Put32(grown, 16, l.header.firstFileOffset + extra);
    Put32(grown, 8, l.header.cabinetSize + extra);
    for (uint32_t p : l.folderPos) Put32(grown, p + extra, ReadLe32(&grown[p + extra]) + extra);
    Store("cab2.cab", grown);
    auto run = Extract("cab1.cab");
    ASSERT_TRUE(run.ok) << CabErrorName(run.error.code);
    EXPECT_EQ(Output("b"), ThreeFiles()[1].data);

    // Block reserve of cab2 changed: refused, asked again, then aborted.
    auto changed = cabs[1].bytes;
    changed[39] = 5;
    Store("cab2.cab", changed);
    rec_.events.clear();
    EXPECT_FAILS_WITH(Extract("cab1.cab"), Aborted);
    EXPECT_EQ(rec_.Only("need"), (Events{"need cab2.cab idx=1 err=0", "need cab2.cab idx=1 err=9"}));
}

TEST_F(SetTest, SpanningEntryWhoseDataLieBeforeTheCarriedBlockIsRefused) {
    MakeSet();
    // c claims to start at the folder's first byte, long gone after the crossing.
    auto third = cabs[2].bytes;
    CabLayout l(third);
    for (uint32_t p : l.filePos)
        if (std::string("c") == (const char*)&third[p + 16]) {
            Put16(third, p + 8, SpansFromPrevious);
            Put32(third, p + 4, 0);
        }
    Store("cab3.cab", third);
    auto run = Extract("cab1.cab");
    EXPECT_FAILS_WITH(run, Corrupt);
    EXPECT_EQ(Output("b"), ThreeFiles()[1].data);
}

TEST_F(ReaderTest, DataRunningPastTheLastCabinetAskForTheNextWithAnEmptyName) {
    // A file claiming more bytes than its folder holds, in a cabinet that
    // names no next cabinet: the caller is asked all the same.
    auto cab = Build({Entry("a", 100)});
    Put32(cab, CabLayout(cab).filePos[0], 200);
    Store("a.cab", cab);
    EXPECT_FAILS_WITH(Extract("a.cab"), Aborted);
    EXPECT_EQ(rec_.Only("need"), (Events{"need  idx=1 err=0", "need  idx=1 err=1"}));
}

}  // namespace
