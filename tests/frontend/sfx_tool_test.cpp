// cabx sfx and cabx info: archives made from paths and from a ready
// cabinet, their layout, their description, and their extraction by the
// front end (the same code the Windows stub runs).
#include <stdlib.h>
#include <unistd.h>

#include "frontend_harness.h"
#include "sfx_commands.h"

namespace {

class SfxToolTest : public FrontEndTest {
protected:
    std::string tool = std::string(STUB_BINARY_DIR) + "/tests/frontend/sfx_tool";
    std::string stub;
    void SetUp() override {
        FrontEndTest::SetUp();
        std::vector<uint8_t> fake(30000, 0x90);
        fake[0] = 'M';
        fake[1] = 'Z';
        stub = dir.Write("Stub.exe", fake);
    }
    int Run(const std::string& args) {
        std::string cmd = tool + " " + args + " > " + dir.path + "/stdout.txt 2>&1";
        return WEXITSTATUS(system(cmd.c_str()));
    }
    std::string Output() {
        auto b = ReadFileBytes(dir.path + "/stdout.txt");
        return std::string(b.begin(), b.end());
    }
};

TEST_F(SfxToolTest, MakesArchiveFromPathsThatTheFrontEndExtracts) {
    ASSERT_EQ(system(("mkdir -p " + dir.path + "/in/docs/deep").c_str()), 0);
    dir.Write("in/readme.txt", {'r', 'e', 'a', 'd'});
    dir.Write("in/docs/deep/note.txt", {'n', 'o', 't', 'e'});
    std::string exe = dir.path + "/setup.exe";
    ASSERT_EQ(Run("sfx --stub " + stub + " -m none --folder 'C:\\Out' --open readme.txt"
                  " --caption Hi --message 'Go on?' --kind yesno --confirm-overwrite " +
                  exe + " " + dir.path + "/in/readme.txt " + dir.path + "/in/docs"),
              0)
        << Output();
    std::vector<uint8_t> bytes = ReadFileBytes(exe);
    ASSERT_GT(bytes.size(), 51712u + 24);
    EXPECT_EQ(bytes[30000], 0);  // the stub was padded
    EXPECT_EQ(bytes[51712], 6);  // "C:\Out"
    EXPECT_EQ(bytes[51712 + 16], 1);
    EXPECT_EQ(bytes[51712 + 20], 1);
    EXPECT_EQ(bytes[51712 + 21], 1);

    ASSERT_EQ(Run("info " + exe), 0) << Output();
    std::string info = Output();
    EXPECT_NE(info.find("\"C:\\\\Out\""), std::string::npos) << info;
    EXPECT_NE(info.find("yes/no (1)"), std::string::npos) << info;
    EXPECT_NE(info.find("Cabinet at offset 51760"), std::string::npos) << info;
    EXPECT_NE(info.find("docs\\deep\\note.txt"), std::string::npos) << info;
    EXPECT_NE(info.find("stored"), std::string::npos) << info;

    PosixSetModulePath(exe.c_str());
    answers = {AnswerYes};
    Init();
    EXPECT_EQ(dialog.texts[IdFolder], "C:\\Out");
    ExtractTo(out);
    ASSERT_EQ(boxes.size(), 1u) << boxes.back().text;
    EXPECT_EQ(Read("readme.txt"), "read");
    EXPECT_EQ(Read("docs/deep/note.txt"), "note");
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], PosixToFrontEndPath(out) + "\\readme.txt");
}

TEST_F(SfxToolTest, TakesACabinetAsItIs) {
    std::vector<uint8_t> cab = BuildMiniCabinet(SimpleCabinet({{"a.txt", "aaa"}}));
    std::string cabPath = dir.Write("ready.cab", cab);
    std::string exe = dir.path + "/x.exe";
    ASSERT_EQ(Run("sfx --stub " + stub + " " + exe + " " + cabPath), 0) << Output();
    std::vector<uint8_t> bytes = ReadFileBytes(exe);
    ASSERT_EQ(bytes.size(), 51712u + 24 + cab.size());
    EXPECT_TRUE(std::equal(cab.begin(), cab.end(), bytes.begin() + 51712 + 24));

    // The file to open afterwards is looked for as Windows would find it;
    // a name the archive does not hold is made, with a warning.
    ASSERT_EQ(Run("sfx --stub " + stub + " --open /A.TXT " + exe + " " + cabPath), 0) << Output();
    EXPECT_EQ(Output().find("warning"), std::string::npos) << Output();
    ASSERT_EQ(Run("sfx --stub " + stub + " --open b.txt " + exe + " " + cabPath), 0) << Output();
    EXPECT_NE(Output().find("--open 'b.txt': the archive holds no file of that name"), std::string::npos)
        << Output();

    // info on a cabinet cut in its file list names the entry it cannot read.
    cab.resize(36 + 8 + 16 + 3);
    std::string cut = dir.Write("cut.cab", cab);
    ASSERT_EQ(Run("info " + cut), 0) << Output();
    EXPECT_NE(Output().find("(file entry 0 runs past the end"), std::string::npos) << Output();
}

TEST_F(SfxToolTest, RefusesBadInput) {
    std::string exe = dir.path + "/x.exe";
    dir.Write("f.txt", {'f'});
    std::vector<uint8_t> big(51713, 0);
    big[0] = 'M', big[1] = 'Z';
    std::string bigStub = dir.Write("big.exe", big);
    EXPECT_EQ(Run("sfx --stub " + bigStub + " " + exe + " " + dir.path + "/f.txt"), 1);
    EXPECT_NE(Output().find("larger than 51712"), std::string::npos);
    EXPECT_EQ(Run("sfx --stub " + stub + " " + exe + " " + dir.path + "/missing"), 1);
    EXPECT_EQ(Run("sfx --stub " + stub + " --kind maybe " + exe + " " + dir.path + "/f.txt"), 2);
    EXPECT_EQ(Run("sfx --stub " + stub + " -m lzx:9 " + exe + " " + dir.path + "/f.txt"), 2);
    // A folder the stub's path buffer would cut short.
    const std::string folder = "C:\\" + std::string(256, 'x');
    EXPECT_EQ(Run("sfx --stub " + stub + " --folder '" + folder + "' " + exe + " " + dir.path + "/f.txt"), 2);
    EXPECT_NE(Output().find("--folder is 259 bytes long; the stub takes at most 258"), std::string::npos)
        << Output();
    EXPECT_EQ(Run("sfx --stub " + stub + " --folder '" + folder.substr(1) + "' " + exe + " " + dir.path +
                  "/f.txt"),
              0)
        << Output();
    EXPECT_EQ(Run("info " + dir.path + "/f.txt"), 1);
    // A block whose lengths run past the end is reported, not trusted.
    std::vector<uint8_t> bad = Archive(Settings(), MinimalCabinet());
    bad[51712 + 3] = 0x7F;
    std::string badPath = dir.Write("bad.exe", bad);
    EXPECT_EQ(Run("info " + badPath), 0);
    EXPECT_NE(Output().find("run past the end"), std::string::npos) << Output();
}

// The stub takes names and texts as bytes of the system's code page: they
// are written in the one the archive is for, never as UTF-8 it would garble.
TEST_F(SfxToolTest, NamesAndTextsInTheArchivesCodePage) {
    ASSERT_EQ(system(("mkdir -p " + dir.path + "/w " + dir.path + "/j").c_str()), 0);
    dir.Write("w/caf\xC3\xA9.txt", {'w'});
    dir.Write("j/\xE6\x97\xA5\xE6\x9C\xAC.txt", {'j'});  // "nihon" in kanji
    auto holds = [](const std::vector<uint8_t>& hay, const std::string& needle) {
        return std::string(hay.begin(), hay.end()).find(needle) != std::string::npos;
    };
    const std::string exe = dir.path + "/x.exe";
    const std::string base = "sfx --stub " + stub + " -m none ";
    ASSERT_EQ(Run(base + "--caption 'Z\xC3\xBCrich' " + exe + " " + dir.path + "/w"), 0) << Output();
    std::vector<uint8_t> bytes = ReadFileBytes(exe);
    EXPECT_TRUE(holds(bytes, "Z\xFCrich"));
    EXPECT_TRUE(holds(bytes, std::string("w\\caf\xE9.txt\0", 11)));
    EXPECT_FALSE(holds(bytes, "\xC3"));
    // The stub writes '_' for a lone byte from 0xE0 up (and for ':', '?'):
    // the maker is told the name a user will get.
    EXPECT_NE(Output().find("'w\\caf\xC3\xA9.txt' is extracted as 'w\\caf_.txt'"), std::string::npos)
        << Output();
    ASSERT_EQ(Run("info " + exe), 0);
    EXPECT_NE(Output().find("0x20  0     w\\caf"), std::string::npos) << Output();

    ASSERT_EQ(Run(base + "--encoding CP932 " + exe + " " + dir.path + "/j"), 0) << Output();
    EXPECT_TRUE(holds(ReadFileBytes(exe), std::string("j\\\x93\xFA\x96\x7B.txt\0", 11)));
    EXPECT_EQ(Output().find("warning"), std::string::npos) << "double-byte characters are kept: " << Output();
    ASSERT_EQ(Run(base + "--encoding UTF-8 " + exe + " " + dir.path + "/j"), 0) << Output();
    EXPECT_TRUE(holds(ReadFileBytes(exe), "j\\\xE6\x97\xA5\xE6\x9C\xAC.txt"));
    ASSERT_EQ(Run("info " + exe), 0);
    EXPECT_NE(Output().find("0xA0"), std::string::npos) << Output();  // marked UTF-8

    // A character the code page lacks is refused, the archive not made.
    ASSERT_EQ(unlink(exe.c_str()), 0);
    EXPECT_EQ(Run(base + exe + " " + dir.path + "/j"), 1);
    EXPECT_NE(Output().find(".txt' cannot be written in CP1252"), std::string::npos) << Output();
    EXPECT_EQ(Run(base + "--encoding CP932 " + exe + " " + dir.path + "/w"), 1);
    EXPECT_EQ(Run(base + "--message '\xE6\x97\xA5' " + exe + " " + dir.path + "/w"), 2);
    EXPECT_NE(Output().find("--message cannot be written in CP1252"), std::string::npos) << Output();
    EXPECT_EQ(Run(base + "--encoding NO-SUCH-SET " + exe + " " + dir.path + "/w"), 2);
    // Texts the stub reads as a code page's bytes, cut at a zero byte.
    EXPECT_EQ(Run(base + "--encoding UTF-16LE " + exe + " " + dir.path + "/w"), 2);
    EXPECT_NE(Output().find("does not write ASCII as ASCII"), std::string::npos) << Output();
    EXPECT_NE(access(exe.c_str(), F_OK), 0);
}

// Names the stub would write to one file are refused: the later would
// silently replace the earlier when a user extracts the archive.
TEST_F(SfxToolTest, RefusesNamesTheStubWouldWriteToOneFile) {
    const std::string exe = dir.path + "/x.exe";
    const std::string base = "sfx --stub " + stub + " -m none " + exe + " ";
    auto made = [&] { return access(exe.c_str(), F_OK) == 0; };
    ASSERT_EQ(system(("mkdir -p " + dir.path + "/p/A " + dir.path + "/p/a").c_str()), 0);
    dir.Write("p/caf\xC3\xA9.txt", {'e'});
    dir.Write("p/caf\xC3\xA8.txt", {'g'});
    dir.Write("p/com1.txt", {'1'});
    dir.Write("p/com2.txt", {'2'});
    dir.Write("p/A/x", {'A'});
    dir.Write("p/a/x", {'a'});
    dir.Write("p/x. ", {'t'});
    const std::string p = dir.path + "/p/";
    EXPECT_EQ(Run(base + p + "caf\xC3\xA9.txt " + p + "caf\xC3\xA8.txt"), 1);
    EXPECT_NE(Output().find("'caf\xC3\xA9.txt' and 'caf\xC3\xA8.txt' would both be extracted as "
                            "'caf_.txt'"),
              std::string::npos)
        << Output();
    EXPECT_FALSE(made());
    EXPECT_EQ(Run(base + p + "A " + p + "a"), 1);  // Windows names ignore case
    EXPECT_EQ(Run(base + p + "A/x " + p + "x. "), 1) << Output();  // nor trailing dots and spaces
    EXPECT_FALSE(made());
    // Device names keep what tells them apart.
    EXPECT_EQ(Run(base + p + "com1.txt " + p + "com2.txt"), 0) << Output();
    EXPECT_NE(Output().find("'com2.txt' is extracted as '_om2.txt'"), std::string::npos) << Output();
    ASSERT_EQ(unlink(exe.c_str()), 0);

    // The same for a ready cabinet, and its names in UTF-8, which the stub
    // would read as the code page's bytes.
    const std::string twice = dir.Write(
        "twice.cab", BuildMiniCabinet(SimpleCabinet({{"d\\AUX", "1"}, {"D/aux", "2"}})));
    EXPECT_EQ(Run(base + twice), 1);
    EXPECT_NE(Output().find("'d\\AUX' and 'D/aux' would both be extracted"), std::string::npos)
        << Output();
    const std::string utf8 = dir.Write(
        "utf8.cab", BuildMiniCabinet(SimpleCabinet({{"\xC3\x96l.txt", "1", 0xA0}})));
    EXPECT_EQ(Run(base + utf8), 1);
    EXPECT_NE(Output().find("is stored in UTF-8, which the stub does not read"), std::string::npos)
        << Output();
    EXPECT_FALSE(made());
    // A file where another entry needs a directory of that name (either
    // order; "." parts become '_'): the stub would stop there.
    for (auto order : {std::vector<std::string>{"fd\\A", "fd\\a\\x"},
                       std::vector<std::string>{"fd\\a\\x", "fd\\A"},
                       std::vector<std::string>{"..\\..\\x", ".."}}) {
        const std::string clash = dir.Write(
            "clash.cab", BuildMiniCabinet(SimpleCabinet({{order[0], "1"}, {order[1], "2"}})));
        EXPECT_EQ(Run(base + clash), 1) << order[0];
        EXPECT_NE(Output().find("needs a directory: the archive would not extract"), std::string::npos)
            << Output();
    }
    EXPECT_FALSE(made());
    // In CP932 these differ only in a second byte that would be a capital
    // (89 45) or small (89 65) letter alone: two names, not one.
    ASSERT_EQ(system(("mkdir -p " + dir.path + "/k/\xE5\x8F\xB3").c_str()), 0);
    dir.Write("k/\xE5\x8F\xB3/f.txt", {'1'});
    dir.Write("k/\xE5\xBD\xB1", {'2'});
    dir.Write("k/\xE5\xBD\xB1.txt", {'3'});
    dir.Write("k/\xE5\x8F\xB3.txt", {'4'});
    EXPECT_EQ(Run(base + "--encoding CP932 " + dir.path + "/k"), 0) << Output();
    ASSERT_EQ(unlink(exe.c_str()), 0);
    EXPECT_EQ(Run("sfx --stub " + stub + " --encoding UTF-8 " + exe + " " + utf8), 0) << Output();
}

TEST_F(SfxToolTest, InfoEscapesControlBytesInStoredNames) {
    // A name that would clear the terminal and ring its bell.
    MiniCabinet cab = SimpleCabinet({{"a\x1b[2J\x07" "b\x7f.txt", "x"}});
    std::string exe = dir.Write("esc.exe", Archive(Settings(), BuildMiniCabinet(cab)));
    ASSERT_EQ(Run("info " + exe), 0) << Output();
    std::string info = Output();
    EXPECT_NE(info.find("a\\x1B[2J\\x07b\\x7F.txt"), std::string::npos) << info;
    for (char c : info) EXPECT_TRUE(c == '\n' || (c >= 0x20 && c != 0x7F)) << (int)c;
}

TEST_F(SfxToolTest, FindsTheStubWithoutBeingTold) {
    std::string exe = dir.path + "/x.exe";
    std::string file = dir.Write("f.txt", {'f'});
    // $CABX_STUB, when set, is the one place looked at.
    ASSERT_EQ(WEXITSTATUS(system(("CABX_STUB=" + stub + " " + tool + " sfx " + exe + " " + file +
                                  " >/dev/null 2>&1").c_str())),
              0);
    EXPECT_EQ(ReadFileBytes(exe)[0], 'M');
    std::string missing = "CABX_STUB=" + dir.path + "/none.exe " + tool + " sfx " + exe + " " +
                          file + " > " + dir.path + "/stdout.txt 2>&1";
    EXPECT_EQ(WEXITSTATUS(system(missing.c_str())), 1);
    EXPECT_NE(Output().find("looked in " + dir.path + "/none.exe"), std::string::npos) << Output();
}

}  // namespace
