// Test harness for the front end over the POSIX platform layer: archives
// laid out as stub + settings block + cabinet, a scripted user interface that
// records every message box and answers from a queue, and a fixture that
// restores the process state the front end changes (current directory,
// hooks, code page).
#ifndef STUB_TESTS_FRONTEND_HARNESS_H
#define STUB_TESTS_FRONTEND_HARNESS_H

#include <gtest/gtest.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include <deque>
#include <string>
#include <vector>

#include "FrontEnd.h"
#include "PosixUi.h"
#include "frontend_test_util.h"
#include "mini_cabinet.h"

struct Settings {
    std::string defaultFolder, openAfterExtract, messageCaption, messageText;
    int32_t messageKind = 0;
    uint8_t confirmOverwrite = 0, showMessage = 0;
    uint16_t reserved = 0;
};

inline std::vector<uint8_t> SettingsBlock(const Settings& s) {
    std::vector<uint8_t> b;
    PutU32(&b, (uint32_t)s.defaultFolder.size());
    PutU32(&b, (uint32_t)s.openAfterExtract.size());
    PutU32(&b, (uint32_t)s.messageCaption.size());
    PutU32(&b, (uint32_t)s.messageText.size());
    PutU32(&b, (uint32_t)s.messageKind);
    b.push_back(s.confirmOverwrite);
    b.push_back(s.showMessage);
    PutU16(&b, s.reserved);
    for (const std::string* t : {&s.defaultFolder, &s.openAfterExtract, &s.messageCaption,
                                 &s.messageText})
        b.insert(b.end(), t->begin(), t->end());
    return b;
}

// A stand-in stub: "MZ", padding, and a decoy cabinet signature.
inline std::vector<uint8_t> FakeStub() {
    std::vector<uint8_t> stub(SettingsBlockOffset, 0xCC);
    stub[0] = 'M';
    stub[1] = 'Z';
    const uint8_t decoy[] = {'M', 'S', 'C', 'F', 0, 0, 0, 0, 0xEE, 0xEE, 0xEE, 0xEE};
    std::copy(decoy, decoy + sizeof decoy, stub.begin() + 4096);
    return stub;
}

inline std::vector<uint8_t> Archive(const Settings& s, const std::vector<uint8_t>& cabinet) {
    std::vector<uint8_t> a = FakeStub();
    std::vector<uint8_t> block = SettingsBlock(s);
    a.insert(a.end(), block.begin(), block.end());
    a.insert(a.end(), cabinet.begin(), cabinet.end());
    return a;
}

struct Box {
    std::string text, caption;
    unsigned style;
};

class FrontEndTest : public ::testing::Test {
protected:
    TempDir dir;
    std::string out;  // destination folder (file-system form)
    std::string archive;
    PosixDialog dialog;
    std::vector<Box> boxes;
    std::deque<int> answers;  // next message-box answers; empty: the first button
    std::vector<std::string> opened;
    std::vector<std::string> browseAnswers;
    std::string savedCwd;

    void SetUp() override {
        char cwd[4096];
        savedCwd = getcwd(cwd, sizeof cwd) ? cwd : "/";
        out = dir.path + "/out";
        PosixUi& ui = PosixUiHooks();
        ui = PosixUi();
        ui.messageBox = [this](const char* text, const char* caption, unsigned style) -> int {
            boxes.push_back({text, caption, style});
            if (!answers.empty()) {
                int a = answers.front();
                answers.pop_front();
                return a;
            }
            return (style & 0xF) == BoxYesNo ? AnswerYes : AnswerOk;
        };
        ui.shellOpen = [this](const char* path) { opened.push_back(path); };
        ui.browse = [this](const char*, char* path) -> bool {
            if (browseAnswers.empty()) return false;
            strcpy(path, browseAnswers.front().c_str());
            browseAnswers.erase(browseAnswers.begin());
            return true;
        };
        PosixSetDoubleByteCodePage(false);
        PosixFailAllocationAt(-1);
        InitOffsetFileState(&offsetState);
        progressDialog = nullptr;
    }
    void TearDown() override {
        if (chdir(savedCwd.c_str()) != 0) ADD_FAILURE() << "cannot restore cwd";
        PosixUiHooks() = PosixUi();
        PosixSetModulePath(nullptr);
        PosixSetDoubleByteCodePage(false);
        PosixFailAllocationAt(-1);
    }

    // Writes the archive and makes it the running executable.
    void UseArchive(const Settings& s, const std::vector<uint8_t>& cabinet,
                    const std::string& name = "setup.exe") {
        archive = dir.Write(name, Archive(s, cabinet));
        PosixSetModulePath(archive.c_str());
    }
    void Init() { MainDialog(&dialog, MsgInitDialog, 0, 0); }
    intptr_t Command(int id) { return MainDialog(&dialog, MsgCommand, (uintptr_t)id, 0); }
    // Types a folder (file-system form) into the field and presses Extract.
    void ExtractTo(const std::string& folder) {
        dialog.texts[IdFolder] = PosixToFrontEndPath(folder);
        Command(IdExtract);
    }
    std::string Read(const std::string& rel) {
        auto b = ReadFileBytes(out + "/" + rel);
        return std::string(b.begin(), b.end());
    }
    bool Exists(const std::string& rel) {
        struct stat st;
        return stat((out + "/" + rel).c_str(), &st) == 0;
    }
    std::vector<std::string> Captions() {
        std::vector<std::string> c;
        for (const Box& b : boxes) c.push_back(b.caption);
        return c;
    }
};

#endif
