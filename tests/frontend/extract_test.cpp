// Extraction through the main dialog over the POSIX platform layer: real
// archives (stub + settings + cabinet) in a scratch directory, the dialog's
// commands, and the files, directories, times and attributes on disk.
#include <dirent.h>
#include <time.h>

#include "frontend_harness.h"

namespace {

class ExtractTest : public FrontEndTest {
protected:
    // Runs initialisation and an extraction into `out`.
    void InitAndExtract() {
        Init();
        ExtractTo(out);
    }
    mode_t Mode(const std::string& rel) {
        struct stat st;
        return stat((out + "/" + rel).c_str(), &st) == 0 ? st.st_mode : 0;
    }
    time_t MTime(const std::string& rel) {
        struct stat st;
        return stat((out + "/" + rel).c_str(), &st) == 0 ? st.st_mtime : 0;
    }
    // Names in the folder that are temporary output files.
    std::vector<std::string> Leftovers(const std::string& folder) {
        std::vector<std::string> names;
        if (DIR* d = opendir(folder.c_str())) {
            while (dirent* e = readdir(d))
                if (strncmp(e->d_name, "~sfx", 4) == 0) names.push_back(e->d_name);
            closedir(d);
        }
        return names;
    }
    int ErrorBoxes(const std::string& text) {
        int n = 0;
        for (const Box& b : boxes)
            if (b.caption == "Error" && b.text == text && b.style == 0x10) ++n;
        return n;
    }
};

const char kExtractFailed[] = "Couldn't extract archive contents.";
const char kSetIncomplete[] = "Couldn't extract archive contents: the cabinet set is incomplete.";

TEST_F(ExtractTest, ExtractsFilesDirectoriesTimesAndAttributes) {
    MiniCabinet cab = SimpleCabinet({{"hello.txt", "Hello, world\n"},
                                     {"a/b\\c?.txt", "nested"},
                                     {"\\rooted.txt", "rooted"},
                                     {"C:\\drive.txt", "drive"},
                                     {"ro.txt", "read only", 0x41},
                                     {"empty.txt", ""},
                                     {"big.bin", std::string(100000, 'z')}});
    cab.files[0].date = (uint16_t)((2001 - 1980) << 9 | 2 << 5 | 3);  // 2001-02-03
    cab.files[0].time = (uint16_t)(4 << 11 | 5 << 5 | 6 / 2);         // 04:05:06
    Settings s;
    UseArchive(s, BuildMiniCabinet(cab));
    std::vector<uint32_t> positions;
    PosixUiHooks().progress = [&](uint32_t p) {
        positions.push_back(p);
        // While writing, the five buttons are disabled and the bar is shown.
        EXPECT_TRUE(dialog.disabled[IdExtract] && dialog.disabled[IdCancel] &&
                    dialog.disabled[IdAbout] && dialog.disabled[IdHelp] &&
                    dialog.disabled[IdBrowse]);
        EXPECT_FALSE(dialog.disabled[IdFolder]);
        EXPECT_TRUE(dialog.progressVisible);
    };
    InitAndExtract();
    EXPECT_TRUE(boxes.empty()) << boxes[0].text;
    EXPECT_EQ(Read("hello.txt"), "Hello, world\n");
    EXPECT_EQ(Read("a/b/c_.txt"), "nested");
    EXPECT_EQ(Read("rooted.txt"), "rooted");
    EXPECT_EQ(Read("drive.txt"), "drive");
    EXPECT_EQ(Read("big.bin"), std::string(100000, 'z'));
    EXPECT_TRUE(Exists("empty.txt"));
    EXPECT_EQ(Mode("ro.txt") & 0222, 0u);
    EXPECT_NE(Mode("hello.txt") & 0200, 0u);
    struct tm want = {};
    want.tm_year = 101, want.tm_mon = 1, want.tm_mday = 3;
    want.tm_hour = 4, want.tm_min = 5, want.tm_sec = 6, want.tm_isdst = -1;
    EXPECT_EQ(MTime("hello.txt"), mktime(&want));
    // Times also reach files whose stored name began with a separator.
    EXPECT_EQ(MTime("rooted.txt"), MTime("drive.txt"));
    EXPECT_NE(MTime("rooted.txt"), MTime("hello.txt"));
    // Afterwards: buttons enabled, bar hidden, dialog still open; the bar
    // ended full for the last file.
    EXPECT_FALSE(dialog.disabled[IdExtract]);
    EXPECT_FALSE(dialog.progressVisible);
    EXPECT_FALSE(dialog.ended);
    EXPECT_EQ(dialog.focus, IdExtract);  // Return extracts again
    EXPECT_TRUE(Leftovers(out).empty());
    ASSERT_FALSE(positions.empty());
    EXPECT_EQ(positions.back(), 100000u);
    EXPECT_EQ(dialog.progressHigh, 100000u);
    EXPECT_TRUE(opened.empty());
    // The current directory is the destination folder.
    char cwd[4096];
    ASSERT_TRUE(getcwd(cwd, sizeof cwd));
    EXPECT_EQ(std::string(cwd), out);
}

TEST_F(ExtractTest, OverwriteQuestion) {
    Settings s;
    s.confirmOverwrite = 1;
    UseArchive(s, BuildMiniCabinet(SimpleCabinet({{"one.txt", "new1"}, {"two?.txt", "new2"}})));
    ASSERT_EQ(mkdir(out.c_str(), 0755), 0);
    dir.Write("out/one.txt", {'o', 'l', 'd'});
    // The question looks at the name the file is really created under.
    dir.Write("out/two_.txt", {'o', 'l', 'd'});
    answers = {AnswerNo, AnswerYes};
    // While a question is open the bar shows the file in question from 0,
    // not the end of the file before it.
    std::vector<uint32_t> shownAtQuestion;
    auto ask = PosixUiHooks().messageBox;
    PosixUiHooks().messageBox = [&](const char* text, const char* caption, unsigned style) {
        shownAtQuestion.push_back(dialog.progressPos);
        shownAtQuestion.push_back(dialog.progressHigh);
        return ask(text, caption, style);
    };
    InitAndExtract();
    EXPECT_EQ(shownAtQuestion, (std::vector<uint32_t>{0, 4, 0, 4}));
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].caption, "Overwrite?");
    EXPECT_EQ(boxes[0].style, 0x24u);
    EXPECT_EQ(boxes[0].text, "The following file does already exist: " +
                                 PosixToFrontEndPath(out) +
                                 "\\one.txt. Do you want to overwrite the file?");
    EXPECT_EQ(boxes[1].text, "The following file does already exist: " +
                                 PosixToFrontEndPath(out) +
                                 "\\two_.txt. Do you want to overwrite the file?");
    EXPECT_EQ(Read("one.txt"), "old");
    EXPECT_EQ(Read("two_.txt"), "new2");

    // Extract again without the flag: overwritten without a question.
    boxes.clear();
    s.confirmOverwrite = 0;
    UseArchive(s, BuildMiniCabinet(SimpleCabinet({{"one.txt", "new1"}})));
    InitAndExtract();
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(Read("one.txt"), "new1");
}

TEST_F(ExtractTest, ReadOnlyTargetFails) {
    Settings s;
    s.confirmOverwrite = 1;
    s.openAfterExtract = "lock.txt";
    UseArchive(s, BuildMiniCabinet(SimpleCabinet({{"lock.txt", "new"}, {"later.txt", "x"}})));
    ASSERT_EQ(mkdir(out.c_str(), 0755), 0);
    std::string locked = dir.Write("out/lock.txt", {'o', 'l', 'd'});
    ASSERT_EQ(chmod(locked.c_str(), 0444), 0);
    answers = {AnswerYes};
    InitAndExtract();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].caption, "Overwrite?");
    EXPECT_EQ(ErrorBoxes(kExtractFailed), 1);
    EXPECT_EQ(Read("lock.txt"), "old");
    EXPECT_FALSE(Exists("later.txt"));
    // A failed extraction opens nothing: the file may be stale or partial.
    EXPECT_TRUE(opened.empty());
    EXPECT_FALSE(dialog.disabled[IdCancel]);
    EXPECT_EQ(dialog.focus, IdExtract);
    EXPECT_TRUE(Leftovers(out).empty());
}

// A two-cabinet set: "span.bin" runs from the first cabinet into the
// second, "after.txt" begins in the second.
struct TwoCabinets {
    std::vector<uint8_t> first, second;
};
TwoCabinets SpanningSet(const std::string& nextName) {
    std::string span(40000, 's'), head = "head", after = "after";
    MiniCabinet one, two;
    one.nextCabinet = nextName;
    one.nextDisk = "disk 2";
    std::string data1 = head + span.substr(0, 20000);
    one.folders.push_back({std::vector<uint8_t>(data1.begin(), data1.end())});
    one.files.push_back({"head.txt", 4, 0, 0});
    one.files.push_back({"span.bin", 40000, 4, 0xFFFE});
    two.previousCabinet = "setup.exe";
    two.previousDisk = "disk 1";
    two.index = 1;
    std::string data2 = span.substr(20000) + after;
    two.folders.push_back({std::vector<uint8_t>(data2.begin(), data2.end())});
    two.files.push_back({"span.bin", 40000, 4, 0xFFFD});
    two.files.push_back({"after.txt", 5, 40004, 0});
    return {BuildMiniCabinet(one), BuildMiniCabinet(two)};
}

TEST_F(ExtractTest, WholeSetIsExtracted) {
    TwoCabinets set = SpanningSet("part2.cab");
    UseArchive(Settings(), set.first);
    dir.Write("part2.cab", set.second);
    InitAndExtract();
    EXPECT_TRUE(boxes.empty()) << boxes[0].text;
    EXPECT_EQ(Read("head.txt"), "head");
    EXPECT_EQ(Read("span.bin"), std::string(40000, 's'));
    EXPECT_EQ(Read("after.txt"), "after");
}

TEST_F(ExtractTest, MissingOrUnusableNextCabinet) {
    TwoCabinets set = SpanningSet("part2.cab");
    UseArchive(Settings(), set.first);
    // span.bin breaks off after 20000 of its 40000 bytes: the file it
    // would have replaced stays, and no part of it is left under any name.
    ASSERT_EQ(mkdir(out.c_str(), 0755), 0);
    dir.Write("out/span.bin", {'o', 'l', 'd'});
    InitAndExtract();
    EXPECT_EQ(ErrorBoxes(kSetIncomplete), 1);
    EXPECT_EQ(Read("head.txt"), "head");  // files already written stay
    EXPECT_EQ(Read("span.bin"), "old");
    EXPECT_TRUE(Leftovers(out).empty());

    // A next cabinet that exists but belongs to another set is tried once,
    // not asked for without end.
    boxes.clear();
    MiniCabinet stranger = SimpleCabinet({{"x", "x"}});
    stranger.setId = 0x9999;
    dir.Write("part2.cab", BuildMiniCabinet(stranger));
    InitAndExtract();
    EXPECT_EQ(ErrorBoxes(kSetIncomplete), 1);

    // A directory in its place counts as missing.
    boxes.clear();
    ASSERT_EQ(unlink((dir.path + "/part2.cab").c_str()), 0);
    ASSERT_EQ(mkdir((dir.path + "/part2.cab").c_str(), 0755), 0);
    InitAndExtract();
    EXPECT_EQ(ErrorBoxes(kSetIncomplete), 1);

    // Data running on past a cabinet that names no next one.
    boxes.clear();
    UseArchive(Settings(), SpanningSet("").first);
    InitAndExtract();
    EXPECT_EQ(ErrorBoxes(kSetIncomplete), 1);
}

TEST_F(ExtractTest, DestinationThatCannotBeEntered) {
    Settings s;
    s.openAfterExtract = "x.txt";
    UseArchive(s, BuildMiniCabinet(SimpleCabinet({{"x.txt", "x"}})));
    // A file stands where the folder should be.
    std::string blocker = dir.Write("blocker", {'b'});
    Init();
    ExtractTo(blocker + "/sub");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "Error");
    EXPECT_EQ(boxes[0].text, "Couldn't open the destination folder.");
    EXPECT_FALSE(dialog.progressVisible);
    char cwd[4096];
    ASSERT_TRUE(getcwd(cwd, sizeof cwd));
    EXPECT_EQ(std::string(cwd), savedCwd);
    EXPECT_FALSE(Exists("x.txt"));
    EXPECT_TRUE(opened.empty());
}

TEST_F(ExtractTest, NothingIsWrittenOutsideTheFolder) {
    UseArchive(Settings(), BuildMiniCabinet(SimpleCabinet({{"..\\escape.txt", "1"},
                                                           {"sub/../../up.txt", "2"},
                                                           {"/..\\abs.txt", "3"}})));
    InitAndExtract();
    EXPECT_TRUE(boxes.empty());
    EXPECT_FALSE(ReadFileBytes(dir.path + "/escape.txt").size());
    EXPECT_FALSE(ReadFileBytes(dir.path + "/up.txt").size());
    EXPECT_FALSE(ReadFileBytes(dir.path + "/abs.txt").size());
    EXPECT_EQ(Read("__/escape.txt"), "1");
    EXPECT_EQ(Read("sub/__/__/up.txt"), "2");
    EXPECT_EQ(Read("__/abs.txt"), "3");
}

TEST_F(ExtractTest, OverlongPathIsRefused) {
    std::string longName(200, 'n');
    UseArchive(Settings(), BuildMiniCabinet(SimpleCabinet({{"short.txt", "s"},
                                                           {longName, "l"}})));
    std::string deep = out + "/" + std::string(60, 'd');
    Init();
    ExtractTo(deep);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].caption, "Error");
    EXPECT_EQ(boxes[0].text, "The file name is too long: " + longName);
    EXPECT_EQ(ErrorBoxes(kExtractFailed), 1);
    EXPECT_EQ(ReadFileBytes(deep + "/short.txt").size(), 1u);
    // Nothing was created under a cut name.
    struct stat st;
    EXPECT_NE(stat((deep + "/" + longName.substr(0, 50)).c_str(), &st), 0);
}

TEST_F(ExtractTest, BrokenOrMissingArchive) {
    Settings s;
    s.openAfterExtract = "doc.txt";
    UseArchive(s, {});  // no cabinet at all
    InitAndExtract();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(ErrorBoxes(kExtractFailed), 1);
    EXPECT_FALSE(dialog.progressVisible);
    EXPECT_FALSE(dialog.disabled[IdExtract]);
    EXPECT_TRUE(opened.empty());

    boxes.clear();
    PosixSetModulePath((dir.path + "/gone.exe").c_str());
    ExtractTo(out);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Broken archive.");
    EXPECT_EQ(boxes[0].style, 0x10u);
    EXPECT_FALSE(dialog.progressVisible);
    EXPECT_TRUE(opened.empty());
}

TEST_F(ExtractTest, CorruptDataAndAllocationFailures) {
    std::vector<uint8_t> cab = BuildMiniCabinet(SimpleCabinet({{"f.txt", "data"}}));
    // A block checksum that cannot match.
    std::vector<uint8_t> bad = cab;
    size_t block = bad.size() - 4 - 8;
    bad[block] = 1;
    UseArchive(Settings(), bad);
    ASSERT_EQ(mkdir(out.c_str(), 0755), 0);
    dir.Write("out/f.txt", {'o', 'l', 'd'});
    InitAndExtract();
    EXPECT_EQ(ErrorBoxes(kExtractFailed), 1);
    EXPECT_EQ(Read("f.txt"), "old");
    EXPECT_TRUE(Leftovers(out).empty());

    UseArchive(Settings(), cab);
    Init();
    for (int n = 0; n < 12; ++n) {
        SCOPED_TRACE(n);
        boxes.clear();
        int live = PosixLiveAllocations();
        PosixFailAllocationAt(n);
        ExtractTo(out);
        PosixFailAllocationAt(-1);
        EXPECT_EQ(PosixLiveAllocations(), live);
        EXPECT_LE(boxes.size(), 1u);
        EXPECT_EQ(offsetState.cabinetHandles[0], -1);
        EXPECT_EQ(offsetState.cabinetHandles[1], -1);
        EXPECT_TRUE(Leftovers(out).empty());
    }
    boxes.clear();
    ExtractTo(out);
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(Read("f.txt"), "data");
}

TEST_F(ExtractTest, DialogCommands) {
    UseArchive(Settings(), BuildMiniCabinet(SimpleCabinet({{"f.txt", "data"}})));
    Init();
    EXPECT_EQ(Command(IdAbout), 1);
    EXPECT_EQ(Command(IdHelp), 1);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].caption, "Information");
    EXPECT_EQ(boxes[0].text.rfind("This archive was created by Morvel.\n\n", 0), 0u);
    EXPECT_EQ(boxes[0].style, 0x40u);
    EXPECT_EQ(boxes[1].caption, "Help");
    EXPECT_EQ(boxes[1].text,
              "Click on 'Extract' to extract all files from this archive. All files will be\n"
              "extracted to 'Folder'. This folder will be created if it does not exist.");
    // Escape, the field, the label and ids outside 1000-1006 are not handled.
    for (int id : {2, (int)IdFolder, (int)IdFolderLabel, 999, 1007, (int)IdProgress})
        EXPECT_EQ(Command(id), 0) << id;
    EXPECT_EQ(MainDialog(&dialog, 0x0002, 0, 0), 0);
    // The notification code in the high word is not examined.
    EXPECT_EQ(MainDialog(&dialog, MsgCommand, (1u << 16) | IdHelp, 0), 1);
    EXPECT_FALSE(dialog.ended);

    // Browse: cancelled leaves the field, a choice replaces it with "\".
    dialog.texts[IdFolder] = "keep";
    Command(IdBrowse);
    EXPECT_EQ(dialog.texts[IdFolder], "keep");
    browseAnswers = {"\\chosen\\dir", "C:\\"};
    Command(IdBrowse);
    EXPECT_EQ(dialog.texts[IdFolder], "\\chosen\\dir\\");
    Command(IdBrowse);  // a drive root keeps its one separator
    EXPECT_EQ(dialog.texts[IdFolder], "C:\\");

    // A field that ends in '/' is used unchanged; others get "\".
    ASSERT_EQ(mkdir(out.c_str(), 0755), 0);
    dialog.texts[IdFolder] = PosixToFrontEndPath(out) + "/";
    Command(IdExtract);
    EXPECT_EQ(Read("f.txt"), "data");

    EXPECT_EQ(Command(IdCancel), 1);
    EXPECT_TRUE(dialog.ended);
    EXPECT_EQ(dialog.result, 1000);
}

TEST_F(ExtractTest, DoubleByteFolderEndingInTrailByte) {
    PosixSetDoubleByteCodePage(true);
    UseArchive(Settings(), BuildMiniCabinet(SimpleCabinet({{"f.txt", "data"}})));
    // The folder's last character is 0x83 0x5C: its last byte is '\', yet
    // it is no separator, so "\" is appended.
    std::string folder = out + "\x83\x5C";
    boxes.clear();
    Init();
    ExtractTo(folder);
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(ReadFileBytes(folder + "/f.txt").size(), 4u);
}

TEST_F(ExtractTest, ExtractTwiceMeetsFirstOutput) {
    Settings s;
    s.confirmOverwrite = 1;
    UseArchive(s, BuildMiniCabinet(SimpleCabinet({{"f.txt", "data"}})));
    InitAndExtract();
    EXPECT_TRUE(boxes.empty());
    answers = {AnswerNo};
    ExtractTo(out);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "Overwrite?");
}

TEST_F(ExtractTest, RelativeFolderIsTakenFromTheStartingDirectoryEveryTime) {
    // Each extraction enters its folder: a second one, and the file to
    // open, must not take the relative folder again from inside it.
    Settings s;
    s.openAfterExtract = "sub\\setup.txt";
    UseArchive(s, BuildMiniCabinet(SimpleCabinet({{"sub\\setup.txt", "run me"}})));
    ASSERT_EQ(chdir(dir.path.c_str()), 0);
    Init();
    const std::string expected = PosixToFrontEndPath(dir.path + "/relout") + "\\sub\\setup.txt";
    for (int run = 0; run < 2; ++run) {
        SCOPED_TRACE(run);
        ExtractTo("relout");
        EXPECT_TRUE(boxes.empty()) << boxes[0].text;
        ASSERT_EQ(opened.size(), size_t(run + 1));
        EXPECT_EQ(opened[run], expected);
    }
    EXPECT_EQ(ReadFileBytes(dir.path + "/relout/sub/setup.txt").size(), 6u);
    struct stat st;
    EXPECT_NE(stat((dir.path + "/relout/relout").c_str(), &st), 0);
}

}  // namespace

namespace {

TEST_F(ExtractTest, TemporaryNamesNeverTouchExistingFiles) {
    // Files named like the temporary files, in the folder beforehand and in
    // the archive, are neither overwritten by nor mistaken for them.
    Settings s;
    s.openAfterExtract = "setup.txt";
    UseArchive(s, BuildMiniCabinet(SimpleCabinet({{"~sfx0001.tmp", "archived"},
                                                  {"setup.txt", "run me"}})));
    ASSERT_EQ(mkdir(out.c_str(), 0755), 0);
    dir.Write("out/~sfx0000.tmp", {'m', 'i', 'n', 'e'});
    InitAndExtract();
    EXPECT_TRUE(boxes.empty()) << boxes[0].text;
    EXPECT_EQ(Read("~sfx0000.tmp"), "mine");
    EXPECT_EQ(Read("~sfx0001.tmp"), "archived");
    EXPECT_EQ(Read("setup.txt"), "run me");
    EXPECT_EQ(Leftovers(out).size(), 2u);
    // Opened once, after the complete extraction.
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], PosixToFrontEndPath(out) + "\\setup.txt");
}

}  // namespace
