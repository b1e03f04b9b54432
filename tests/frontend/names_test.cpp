// Name walking and cleaning in a single-byte and a double-byte code page.
#include <random>

#include "frontend_harness.h"

namespace {

class NamesTest : public FrontEndTest {
protected:
    void SetUp() override {
        FrontEndTest::SetUp();
        ASSERT_EQ(mkdir(out.c_str(), 0755), 0);
        ASSERT_EQ(chdir(out.c_str()), 0);
    }
    // Cleans a copy of the name; returns the name to create.
    std::string Clean(const std::string& name, bool doubleByte = false) {
        PosixSetDoubleByteCodePage(doubleByte);
        BuildLeadByteTable();
        std::vector<char> buffer(name.begin(), name.end());
        buffer.push_back(0);
        return CleanTargetName(buffer.data());
    }
    bool IsDir(const std::string& rel) {
        struct stat st;
        return stat((out + "/" + rel).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
    }
};

TEST_F(NamesTest, LeadingSeparatorsAndDrivesAreDropped) {
    EXPECT_EQ(Clean("\\abs.txt"), "abs.txt");
    EXPECT_EQ(Clean("//?\\x"), "x");
    EXPECT_EQ(Clean("C:\\win\\f"), "win\\f");
    EXPECT_EQ(Clean("\\\\?\\C:\\deep"), "deep");
    EXPECT_EQ(Clean("C:rel"), "rel");
    EXPECT_EQ(Clean("\\"), "");
    EXPECT_EQ(Clean("x"), "x");
}

TEST_F(NamesTest, DirectoriesAreCreatedAndCharactersReplaced) {
    EXPECT_EQ(Clean("a/b\\c?.txt"), "a\\b\\c_.txt");
    EXPECT_TRUE(IsDir("a"));
    EXPECT_TRUE(IsDir("a/b"));
    EXPECT_FALSE(Exists("a/b/c_.txt"));  // only directories are made
    EXPECT_EQ(Clean("ab:*?\"<>|y"), "ab_______y");
    EXPECT_EQ(Clean(std::string("t\x01\x1F\x7F\x80\x9F\xE0\xFF.", 9)), "t_______.");
    // 0xA0 to 0xDF stay in a single-byte code page.
    EXPECT_EQ(Clean("\xA0\xC4\xDF"), "\xA0\xC4\xDF");
}

TEST_F(NamesTest, DotComponentsCannotClimbOut) {
    EXPECT_EQ(Clean("..\\..\\evil.txt"), "__\\__\\evil.txt");
    EXPECT_EQ(Clean("a/../../b"), "a\\__\\__\\b");
    EXPECT_EQ(Clean(".."), "__");
    EXPECT_EQ(Clean(". .\\x"), "_ _\\x");
    // Dots inside ordinary names stay.
    EXPECT_EQ(Clean("..hidden\\v1.2..txt"), "..hidden\\v1.2..txt");
    EXPECT_FALSE(Exists("../__"));
}

TEST_F(NamesTest, DeviceNamesGetAnUnderscore) {
    // Whatever follows the stem, in any case, and in directories too.
    EXPECT_EQ(Clean("CON"), "_ON");
    EXPECT_EQ(Clean("aux.c"), "_ux.c");
    EXPECT_EQ(Clean("Nul.tar.gz"), "_ul.tar.gz");
    EXPECT_EQ(Clean("prn ."), "_rn .");
    EXPECT_EQ(Clean("conout$.log"), "_onout$.log");
    EXPECT_EQ(Clean("CONIN$"), "_ONIN$");
    EXPECT_EQ(Clean("src/NUL/x.h"), "src\\_UL\\x.h");
    EXPECT_TRUE(IsDir("src/_UL"));
    // Numbered ones keep their number, so that two of them stay two files.
    EXPECT_EQ(Clean("COM1.log"), "_OM1.log");
    EXPECT_EQ(Clean("COM2.log"), "_OM2.log");
    EXPECT_EQ(Clean("lpt0"), "_pt0");
    EXPECT_EQ(Clean("com\xB9.txt"), "_om\xB9.txt");  // superscript one
    // Names that only look alike stay.
    for (const char* kept : {"COM", "CON1", "console", "COMA", "LPT10", "xaux", " con", "a.con",
                             "auxx.c", "com\xB4", "CONIN", "conin$$", "clock$"})
        EXPECT_EQ(Clean(kept), kept);
}

TEST_F(NamesTest, DirectoryNamesLoseTrailingDotsAndSpaces) {
    // Where Windows would create the directory without them and then look
    // for the file below the name with them.
    EXPECT_EQ(Clean("dir \\f"), "dir_\\f");
    EXPECT_TRUE(IsDir("dir_"));
    EXPECT_EQ(Clean("v1.. \\w. /x"), "v1___\\w__\\x");
    EXPECT_EQ(Clean("   /sp"), "___\\sp");
    // A file's own name keeps them: Windows drops them at every use alike.
    EXPECT_EQ(Clean("d/file. "), "d\\file. ");
}

// Random names made of the characters that matter, checked against how
// Windows reads a path: no absolute or drive-relative start, no reserved or
// control character, no component that means this folder or its parent once
// trailing dots and spaces are trimmed, none that names a device, and no
// directory whose name ends in a dot or a space.
TEST_F(NamesTest, RandomNamesStayPlainRelativeFileNames) {
    static const char* const kPieces[] = {".",   "..",  "/",    "\\",   ":",       "?",   "*",
                                          " ",   "\"",  "C:",   "CON",  "aux",     "Prn", "nUl",
                                          "COM", "1",   "lpt9", "COM0", "com\xB9", "a",   "x", "conin$", "CONOUT$",
                                          "\x01", "\x7F", "\xE0"};
    std::mt19937 rng(17);
    auto isDevice = [](std::string stem) {
        while (!stem.empty() && stem.back() == ' ') stem.pop_back();
        for (char& c : stem) c = (char)toupper((unsigned char)c);
        if (stem == "CON" || stem == "PRN" || stem == "AUX" || stem == "NUL" || stem == "CONIN$" ||
            stem == "CONOUT$")
            return true;
        if (stem.size() != 4 || (stem.compare(0, 3, "COM") != 0 && stem.compare(0, 3, "LPT") != 0))
            return false;
        const unsigned char d = (unsigned char)stem[3];
        return (d >= '0' && d <= '9') || d == 0xB9 || d == 0xB2 || d == 0xB3;
    };
    for (int round = 0; round < 5000; ++round) {
        std::string name;
        for (int n = (int)(rng() % 10); n > 0; --n) name += kPieces[rng() % std::size(kPieces)];
        const std::string clean = Clean(name);
        SCOPED_TRACE("name \"" + name + "\" -> \"" + clean + "\"");
        ASSERT_TRUE(clean.empty() || clean[0] != '\\');
        for (unsigned char c : clean)
            ASSERT_TRUE(c >= 0x20 && !(c >= 0x7F && c <= 0x9F) && c < 0xE0 &&
                        !strchr(":*?\"<>|/", c));
        size_t start = 0;
        for (;;) {
            const size_t end = std::min(clean.find('\\', start), clean.size());
            std::string part = clean.substr(start, end - start);
            std::string trimmed = part;
            while (!trimmed.empty() && (trimmed.back() == '.' || trimmed.back() == ' '))
                trimmed.pop_back();
            ASSERT_FALSE(trimmed.empty() && part.find('.') != std::string::npos);
            ASSERT_FALSE(isDevice(part.substr(0, part.find('.'))));
            if (end == clean.size()) break;
            // A directory's name is the same with and without them.
            ASSERT_TRUE(part.empty() || (part.back() != '.' && part.back() != ' '));
            start = end + 1;
        }
    }
}

TEST_F(NamesTest, DoubleByteNames) {
    // "so" in code page 932 is 0x83 0x5C: its trail byte is '\'.
    const std::string so = "\x83\x5C";
    EXPECT_EQ(Clean(so + "x.txt", true), so + "x.txt");
    EXPECT_FALSE(IsDir("\x83"));  // the trail byte made no directory
    // A trail byte equal to '?' or '|' is not replaced either.
    EXPECT_EQ(Clean("\x81\x7C\x81\x3F", true), "\x81\x7C\x81\x3F");
    // Single bytes 0xA0 to 0xDF are half-width katakana: kept.
    EXPECT_EQ(Clean("\xB1\xB2", true), "\xB1\xB2");
    // A lead byte cut off by the terminator ends the walk.
    EXPECT_EQ(Clean("ab\x83", true), "ab\x83");
    // Separators after a double-byte character still split.
    EXPECT_EQ(Clean(so + "/f", true), so + "\\f");
    EXPECT_TRUE(IsDir(so));
    // The same bytes in a single-byte code page: 0x83 becomes '_' and 0x5C
    // is a separator.
    EXPECT_EQ(Clean(so + "x.txt", false), "_\\x.txt");
}

TEST_F(NamesTest, SplitPath) {
    BuildLeadByteTable();
    EXPECT_EQ(SplitPath("C:\\dir\\setup.exe"), 6);
    EXPECT_EQ(SplitPath("a/b\\c/d"), 5);
    EXPECT_EQ(SplitPath("setup.exe"), -1);
    EXPECT_EQ(SplitPath(""), -1);
    PosixSetDoubleByteCodePage(true);
    BuildLeadByteTable();
    EXPECT_EQ(SplitPath("C:\\\x83\x5C.exe"), 2);
    EXPECT_EQ(SplitPath("\x83\x5C"), -1);
    PosixSetDoubleByteCodePage(false);
    BuildLeadByteTable();
    EXPECT_EQ(SplitPath("C:\\\x83\x5C.exe"), 4);
}

TEST_F(NamesTest, CreateFolderLevels) {
    BuildLeadByteTable();
    std::string base = PosixToFrontEndPath(out);
    std::string folder = base + "\\one\\two\\three\\";
    std::vector<char> buffer(folder.begin(), folder.end());
    buffer.push_back(0);
    CreateFolderLevels(buffer.data());
    EXPECT_EQ(std::string(buffer.data()), folder);  // restored
    EXPECT_TRUE(IsDir("one/two/three"));
    // Without a trailing separator the last level is not made; '/' does not
    // split.
    std::string partial = base + "\\p\\q/r";
    buffer.assign(partial.begin(), partial.end());
    buffer.push_back(0);
    CreateFolderLevels(buffer.data());
    EXPECT_TRUE(IsDir("p"));
    EXPECT_FALSE(Exists("p/q"));
    // The first four characters are never a cut (a drive root "C:\" is never
    // made): "ab\c\" gets only its second level, which fails without "ab".
    char shortPath[] = "ab\\c\\";
    CreateFolderLevels(shortPath);
    EXPECT_FALSE(Exists("ab"));
    char longer[] = "abcd\\e\\";
    CreateFolderLevels(longer);
    EXPECT_TRUE(IsDir("abcd/e"));
    // Double-byte: a trail byte 0x5C is no level, and a double-byte
    // character counts once, so the '\' after two of them and "ab" is the
    // fifth character.
    PosixSetDoubleByteCodePage(true);
    BuildLeadByteTable();
    std::string dbcs = "\x83\x5C\x83\x5C" "ab\\z\\";
    buffer.assign(dbcs.begin(), dbcs.end());
    buffer.push_back(0);
    CreateFolderLevels(buffer.data());
    EXPECT_FALSE(Exists("\x83"));
    EXPECT_TRUE(IsDir("\x83\x5C\x83\x5C" "ab/z"));
}

}  // namespace
