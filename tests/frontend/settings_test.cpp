// The settings block and the start-up message, read through the POSIX
// platform layer from archives laid out as stub + block + cabinet.
#include <stdlib.h>

#include "frontend_harness.h"

namespace {

using SettingsTest = FrontEndTest;

Settings WithMessage(int32_t kind) {
    Settings s;
    s.defaultFolder = "C:\\Target";
    s.messageCaption = "Caption";
    s.messageText = "Install now?";
    s.messageKind = kind;
    s.showMessage = 1;
    return s;
}

TEST_F(SettingsTest, StartupMessageOutcomes) {
    struct Case {
        int32_t kind;
        unsigned style;
        int answer;
        bool ends;
    };
    const Case cases[] = {
        {1, 0x24, AnswerYes, false}, {1, 0x24, AnswerNo, true},
        {2, 0x21, AnswerOk, false},  {2, 0x21, AnswerCancel, true},
        {0, 0x40, AnswerOk, false},  {3, 0x40, AnswerOk, false},
        {-7, 0x40, AnswerOk, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind << " answer " << c.answer);
        UseArchive(WithMessage(c.kind), MinimalCabinet());
        dialog = PosixDialog();
        boxes.clear();
        answers = {c.answer};
        Init();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, "Install now?");
        EXPECT_EQ(boxes[0].caption, "Caption");
        EXPECT_EQ(boxes[0].style, c.style);
        EXPECT_EQ(dialog.ended, c.ends);
        if (c.ends) EXPECT_EQ(dialog.result, 0);
        EXPECT_EQ(dialog.texts[IdFolder], "C:\\Target");  // as stored, no separator added
    }
}

TEST_F(SettingsTest, NoMessageAndDesktopFallback) {
    std::string home = dir.path + "/home";
    setenv("HOME", home.c_str(), 1);
    Settings s;
    s.reserved = 0xBEEF;  // ignored
    UseArchive(s, MinimalCabinet());
    Init();
    EXPECT_TRUE(boxes.empty());
    EXPECT_FALSE(dialog.ended);
    EXPECT_EQ(dialog.texts[IdFolder], PosixToFrontEndPath(home) + "\\Desktop\\");
    EXPECT_STREQ(sfxSettings.openAfterExtract, "");
    EXPECT_EQ(sfxSettings.confirmOverwrite, 0);

    // Without a desktop the field is empty.
    unsetenv("HOME");
    dialog = PosixDialog();
    Init();
    EXPECT_EQ(dialog.texts[IdFolder], "");
    setenv("HOME", home.c_str(), 1);
}

TEST_F(SettingsTest, TextsAreKeptByteForByte) {
    Settings s;
    s.defaultFolder = "D:\\\x83\x5C\x83\x74\x83\x67";  // double-byte text, trail bytes 0x5C
    s.openAfterExtract = "readme.txt";
    s.messageCaption = "\x93\xFA\x96\x7B";
    s.messageText = std::string("with\0nul", 8);
    s.confirmOverwrite = 7;
    s.showMessage = 1;
    UseArchive(s, MinimalCabinet());
    Init();
    EXPECT_EQ(dialog.texts[IdFolder], s.defaultFolder);
    EXPECT_STREQ(sfxSettings.openAfterExtract, "readme.txt");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, s.messageCaption);
    EXPECT_EQ(boxes[0].text, "with");  // a text is shown up to its first NUL
    EXPECT_EQ(sfxSettings.confirmOverwrite, 7);
}

TEST_F(SettingsTest, UnreadableBlocksMeanNoSettings) {
    setenv("HOME", dir.path.c_str(), 1);
    const std::string desktop = PosixToFrontEndPath(dir.path) + "\\Desktop\\";
    Settings s = WithMessage(1);
    s.openAfterExtract = "run.exe";
    s.confirmOverwrite = 1;
    std::vector<uint8_t> whole = Archive(s, {});

    std::vector<std::vector<uint8_t>> broken;
    // Shorter than the stub; a header cut short; the texts cut short.
    broken.emplace_back(whole.begin(), whole.begin() + 1000);
    broken.emplace_back(whole.begin(), whole.begin() + SettingsBlockOffset + 20);
    broken.emplace_back(whole.begin(), whole.end() - 3);
    // A length far beyond the file.
    std::vector<uint8_t> huge = whole;
    huge[SettingsBlockOffset + 12] = 0xFF;
    huge[SettingsBlockOffset + 15] = 0xFF;
    broken.push_back(huge);
    // All four lengths at their maximum, which would overflow a 32-bit sum.
    std::vector<uint8_t> wrap = whole;
    for (int i = 0; i < 16; ++i) wrap[SettingsBlockOffset + i] = 0xFF;
    broken.push_back(wrap);

    for (size_t i = 0; i < broken.size(); ++i) {
        SCOPED_TRACE(i);
        std::string path = dir.Write("broken.exe", broken[i]);
        PosixSetModulePath(path.c_str());
        dialog = PosixDialog();
        boxes.clear();
        int live = PosixLiveAllocations();
        Init();
        EXPECT_TRUE(boxes.empty());
        EXPECT_FALSE(dialog.ended);
        EXPECT_EQ(dialog.texts[IdFolder], desktop);
        EXPECT_STREQ(sfxSettings.openAfterExtract, "");
        EXPECT_EQ(sfxSettings.confirmOverwrite, 0);
        EXPECT_LE(PosixLiveAllocations(), live);
    }
    // A missing executable, too.
    PosixSetModulePath((dir.path + "/missing.exe").c_str());
    dialog = PosixDialog();
    Init();
    EXPECT_EQ(dialog.texts[IdFolder], desktop);
}

TEST_F(SettingsTest, AllocationFailuresMeanNoSettings) {
    Settings s = WithMessage(2);
    s.openAfterExtract = "a";
    UseArchive(s, MinimalCabinet());
    for (int n = 0; n < 4; ++n) {
        SCOPED_TRACE(n);
        dialog = PosixDialog();
        boxes.clear();
        int live = PosixLiveAllocations();
        PosixFailAllocationAt(n);
        Init();
        PosixFailAllocationAt(-1);
        EXPECT_TRUE(boxes.empty());
        EXPECT_STREQ(sfxSettings.openAfterExtract, "");
        EXPECT_LE(PosixLiveAllocations(), live);
    }
    // And a clean load afterwards holds the texts again.
    dialog = PosixDialog();
    Init();
    EXPECT_STREQ(sfxSettings.openAfterExtract, "a");
}

}  // namespace
