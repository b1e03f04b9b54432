// The extraction walk over one cabinet: notices and their order, answers,
// folder selection, hooks and reserve areas.
#include "cab_reader_state.h"
#include "reader_fixture.h"

namespace {

cabwriter::Options TwoFolders() {
    cabwriter::Options o;
    o.folders = {cabwriter::FolderSpec{}, cabwriter::FolderSpec{}};
    return o;
}

TEST_F(ReaderTest, WalkOffersEachFileInListOrder) {
    auto entries = std::vector<cabwriter::Entry>{Entry("a.txt", 70000), Entry("dir\\b", 5),
                                                 Entry("c", 0), Entry("d", 40000, 1, 0x41)};
    Store("set.cab", Build(entries, TwoFolders()));
    auto run = Extract("set.cab", 0, true);
    ASSERT_TRUE(run.ok) << CabErrorName(run.error.code);
    EXPECT_EQ(rec_.events, (Events{"ready 0 next=", "hook-cabinet 0 reserve=0", "list 4",
                                   "offer a.txt", "hook-folder 0 reserve=0", "finished a.txt run=0 attr=20",
                                   "offer dir\\b", "finished dir\\b run=0 attr=20", "offer c",
                                   "finished c run=0 attr=20", "offer d", "hook-folder 1 reserve=0",
                                   "finished d run=1 attr=1", "list 0"}));
    for (auto& e : entries) EXPECT_EQ(Output(e.name), e.data) << e.name;
}

TEST_F(ReaderTest, EmptyCabinetAndListPositionAnswers) {
    Store("empty.cab", Build({}));
    ASSERT_TRUE(Extract("empty.cab").ok);
    EXPECT_EQ(rec_.events, (Events{"ready 0 next=", "list 0"}));

    // Answering the first ListPosition with a count of 0 ends at once.
    Store("two.cab", Build({Entry("a", 5), Entry("b", 5)}));
    rec_.events.clear();
    rec_.answer = [](NoticeKind k, CabNotice* n) {
        if (k == NoticeKind::ListPosition) n->folderIndex = 0;
        return INT_MIN;
    };
    ASSERT_TRUE(Extract("two.cab").ok);
    EXPECT_EQ(rec_.events, (Events{"ready 0 next=", "list 2"}));
}

TEST_F(ReaderTest, ListPositionCanRewindTheList) {
    Store("two.cab", Build({Entry("a", 5), Entry("b", 5)}));
    int32_t start = -1;
    int passes = 0;
    rec_.answer = [&](NoticeKind k, CabNotice* n) {
        if (k == NoticeKind::ListPosition) {
            if (start < 0) start = n->size;
            if (n->folderIndex == 0 && passes++ == 0) {
                // Read the second entry once more.
                n->size = start + 16 + 2;
                n->folderIndex = 1;
            }
        }
        return INT_MIN;
    };
    ASSERT_TRUE(Extract("two.cab").ok);
    EXPECT_EQ(rec_.Only("offer"), (Events{"offer a", "offer b", "offer b"}));
}

TEST_F(ReaderTest, EmptyFileNeedsNoFolderEvenWhenTheFolderIsDamaged) {
    cabwriter::Options o;
    o.folders[0].rawCompressionType = 0x0007;  // would be refused if opened
    Store("e.cab", Build({Entry("empty", 0)}, o));
    auto run = Extract("e.cab", 0, true);
    ASSERT_TRUE(run.ok);
    EXPECT_EQ(rec_.Only("hook-folder").size(), 0u);
    EXPECT_TRUE(HasOutput("empty"));
}

TEST_F(ReaderTest, FolderIndexClassification) {
    auto cab = Build({Entry("a", 5), Entry("b", 5), Entry("c", 5), Entry("d", 5)});
    CabLayout l(cab);
    Put16(cab, l.filePos[0] + 8, SpansFromPrevious);  // reported, not extracted
    Put16(cab, l.filePos[1] + 8, SpansBoth);          // reported
    Put16(cab, l.filePos[2] + 8, 1);                  // at folderCount: passed over
    Put16(cab, l.filePos[3] + 8, 0xFFFB);             // passed over
    Store("c.cab", cab);
    auto run = Extract("c.cab", 0, true);
    ASSERT_TRUE(run.ok);
    EXPECT_EQ(rec_.events, (Events{"ready 0 next=", "hook-cabinet 0 reserve=0", "list 4",
                                   "continued a", "continued b", "list 0"}));
}

TEST_F(ReaderTest, SkippedFileBlocksAreDecodedButNotWritten) {
    Store("s.cab", Build({Entry("a", 50000), Entry("b", 30000)}));
    rec_.answer = [](NoticeKind k, CabNotice* n) {
        return k == NoticeKind::OfferFile && std::string(n->text1) == "a" ? 0 : INT_MIN;
    };
    rec_.recordBlocks = true;
    ASSERT_TRUE(Extract("s.cab", 0, true).ok);
    EXPECT_FALSE(HasOutput("a"));
    EXPECT_EQ(Output("b"), Entry("b", 30000).data);
    EXPECT_EQ(rec_.Only("hook-block").size(), 3u);  // 80000 bytes in three blocks
}

TEST_F(ReaderTest, EarlierOffsetStartsTheFolderAgainSameBlockIsReused) {
    // Entries out of data order: b lies before a in the folder.
    auto cab = Build({Entry("b", 40000), Entry("a", 30000), Entry("c", 10)});
    CabLayout l(cab);
    std::vector<uint8_t> swapped = cab;
    // Swap the first two entries' sizes/offsets by rewriting the list order:
    // put "a"'s entry first by exchanging folderOffset and size fields.
    Put32(swapped, l.filePos[0], 30000);
    Put32(swapped, l.filePos[0] + 4, 40000);
    Put32(swapped, l.filePos[1], 40000);
    Put32(swapped, l.filePos[1] + 4, 0);
    Put32(swapped, l.filePos[2] + 4, 50000);  // c: inside the block left in the buffer
    Store("o.cab", swapped);
    rec_.recordBlocks = true;
    ASSERT_TRUE(Extract("o.cab", 0, true).ok);
    auto all = Entry("b", 40000).data;
    auto a = Entry("a", 30000).data;
    all.insert(all.end(), a.begin(), a.end());
    auto c = Entry("c", 10).data;
    all.insert(all.end(), c.begin(), c.end());
    EXPECT_EQ(Output("b"), std::vector<uint8_t>(all.begin() + 40000, all.begin() + 70000));  // named b, holds a's bytes
    EXPECT_EQ(Output("a"), std::vector<uint8_t>(all.begin(), all.begin() + 40000));
    // Folder opened twice (reset and decoded again from its first block).
    EXPECT_EQ(rec_.Only("hook-folder").size(), 2u);
    // c lies in the block still in the buffer: served without reading again.
    EXPECT_EQ(rec_.Only("hook-block").size(), 3u + 2u);
    EXPECT_EQ(Output("c"), std::vector<uint8_t>(all.begin() + 50000, all.begin() + 50010));
}

TEST_F(ReaderTest, RunAfterExtractAttributeIsReportedAndCleared) {
    Store("r.cab", Build({Entry("run.exe", 3, 0, 0x41)}));
    ASSERT_TRUE(Extract("r.cab").ok);
    EXPECT_EQ(rec_.Only("finished"), (Events{"finished run.exe run=1 attr=1"}));
}

TEST_F(ReaderTest, AbortFromEveryNoticeKindClosesBothHandles) {
    auto cab = Build({Entry("a", 5), Entry("b", 5)});
    CabLayout l(cab);
    Put16(cab, l.filePos[0] + 8, SpansFromPrevious);
    Store("a.cab", cab);
    for (NoticeKind kind : {NoticeKind::CabinetReady, NoticeKind::ListPosition,
                            NoticeKind::ContinuedFile, NoticeKind::OfferFile,
                            NoticeKind::FileFinished}) {
        MemIo::Get().log.clear();
        rec_.answer = [&](NoticeKind k, CabNotice* n) {
            if (k == kind) {
                if (k == NoticeKind::FileFinished) MemIo::Close(n->handle);
                return -1;
            }
            return INT_MIN;
        };
        auto run = Extract("a.cab");
        EXPECT_FAILS_WITH(run, Aborted);
        const auto& log = MemIo::Get().log;
        ASSERT_GE(log.size(), 4u);
        EXPECT_EQ(std::count(log.begin(), log.end(), "close a.cab"), 2);
    }
}

TEST_F(ReaderTest, HookAbortAndHookSeesReserveAreas) {
    cabwriter::Options o;
    o.headerReserve = 6;
    o.folderReserve = 3;
    o.blockReserve = 5;
    o.reserveFill = 0xA5;
    Store("r.cab", Build({Entry("a", 100)}, o));
    rec_.recordBlocks = true;
    std::vector<std::vector<uint8_t>> seen;
    rec_.hookAnswer = [&](HookRecord* r) {
        seen.push_back(std::vector<uint8_t>(r->reserve, r->reserve + r->reserveSize));
        return 0;
    };
    ASSERT_TRUE(Extract("r.cab", 0, true).ok);
    EXPECT_EQ(rec_.Only("hook"), (Events{"hook-cabinet 0 reserve=6", "hook-folder 0 reserve=3",
                                         "hook-block 100 split=0 held=0 reserve=5"}));
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0], std::vector<uint8_t>(6, 0xA5));
    EXPECT_EQ(Output("a"), Entry("a", 100).data);

    for (HookKind abortAt : {HookKind::CabinetOpened, HookKind::FolderOpened, HookKind::BlockRead}) {
        rec_.hookAnswer = [&](HookRecord* r) { return r->kind == abortAt ? -1 : 0; };
        EXPECT_FAILS_WITH(Extract("r.cab", 0, true), Aborted);
    }
}

TEST_F(ReaderTest, HookMayTransformTheBlockInPlace) {
    Store("h.cab", Build({Entry("a", 10)}));
    rec_.hookAnswer = [](HookRecord* r) {
        if (r->kind == HookKind::BlockRead)
            for (uint16_t i = 0; i < r->dataSize - r->heldOver; ++i) r->data[i] ^= 0xFF;
        return 0;
    };
    ASSERT_TRUE(Extract("h.cab", 0, true).ok);
    auto expected = Entry("a", 10).data;
    for (auto& b : expected) b ^= 0xFF;
    EXPECT_EQ(Output("a"), expected);
}

TEST_F(ReaderTest, OutputFailures) {
    Store("o.cab", Build({Entry("a", 100), Entry("b", 5)}));
    MemIo::Get().shortWriteBy = 1;
    auto run = Extract("o.cab");
    EXPECT_FAILS_WITH(run, OutputFailed);
    EXPECT_TRUE(rec_.Only("finished").empty());
    EXPECT_EQ(MemIo::Get().handles.size(), 0u) << "the reader closes the abandoned output";

    MemIo::Get().shortWriteBy = 0;
    rec_.events.clear();
    rec_.answer = [](NoticeKind k, CabNotice* n) {
        if (k != NoticeKind::FileFinished) return INT_MIN;
        MemIo::Close(n->handle);
        return 0;
    };
    EXPECT_FAILS_WITH(Extract("o.cab"), OutputFailed);
    EXPECT_EQ(rec_.Only("offer").size(), 1u);
}

TEST_F(ReaderTest, SpanningEntryInCabinetWithoutFoldersIsCorruptNotACrash) {
    auto cab = Build({Entry("a", 5)});
    CabLayout l(cab);
    Put16(cab, 26, 0);  // folderCount 0
    Put16(cab, l.filePos[0] + 8, SpansIntoNext);
    Store("z.cab", cab);
    EXPECT_FAILS_WITH(Extract("z.cab"), Corrupt);
}

TEST_F(ReaderTest, FailedSeekBeforeListPositionIsCorrupt) {
    Store("a.cab", Build({Entry("a", 5)}));
    // seek 1: position after names; seek 2: to the file list; seek 3: ListPosition query.
    MemIo::Get().seekFailAt = 3;
    EXPECT_FAILS_WITH(Extract("a.cab"), Corrupt);
}

}  // namespace
