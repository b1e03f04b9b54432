// The hostile cabinets of tests/attacks/inputs (see make_attack_cabinets),
// one or more per class of attack known from other cabinet readers, run
// through cabx list, test and extract. Each outcome is checked exactly:
// exit status, the one error line, every file written and its bytes,
// nothing outside the destination, no temporary file left behind, and the
// CPU time and memory a run may take.
//
// DLL planting (a library beside the self-extractor picked up by it) is the
// self-extractor's concern and is tested with it.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>

#include "cabx_support.h"

using namespace cabxtest;
namespace fs = std::filesystem;

namespace {

const fs::path kInputs = fs::path(STUB_SOURCE_DIR) / "tests/attacks/inputs";

struct Outcome {
    int status = -1;
    std::string out;   // stdout and stderr
    double cpu = 0;    // seconds, user + system
    long maxRssKb = 0;
};

// Runs cabx with the arguments, measuring the child alone. Standard output
// goes to stdoutFile when one is given, else with standard error to outFile.
Outcome RunCabx(const std::vector<std::string>& args, const fs::path& outFile,
                const std::string& stdoutFile = "") {
    Outcome o;
    std::string cabx = std::string(STUB_BINARY_DIR) + "/cabx";
    std::vector<char*> argv = {const_cast<char*>(cabx.c_str())};
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = fork();
    if (pid == 0) {
        int fd = open(outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(fd, 2);
        if (!stdoutFile.empty()) fd = open(stdoutFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(fd, 1);
        execv(cabx.c_str(), argv.data());
        _exit(127);
    }
    int st = 0;
    struct rusage ru {};
    wait4(pid, &st, 0, &ru);
    o.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    std::vector<uint8_t> text = peer::ReadFile(outFile);
    o.out.assign(text.begin(), text.end());
    o.cpu = double(ru.ru_utime.tv_sec + ru.ru_stime.tv_sec) +
            double(ru.ru_utime.tv_usec + ru.ru_stime.tv_usec) / 1e6;
    o.maxRssKb = ru.ru_maxrss;
    return o;
}

std::string Input(const std::string& name) { return (kInputs / name).string(); }

// Every entry below root (directories end in '/'), by relative path.
std::vector<std::string> Entries(const fs::path& root) {
    std::vector<std::string> out;
    if (!fs::exists(root)) return out;
    for (const auto& e : fs::recursive_directory_iterator(root))
        out.push_back(fs::relative(e.path(), root).string() + (e.is_directory() && !e.is_symlink() ? "/" : ""));
    std::sort(out.begin(), out.end());
    return out;
}

// Extracts `input` into a fresh sandbox/out; checks the status and error
// line, and that the sandbox holds nothing but out/ (and what the caller
// planted), with no temporary file anywhere.
struct Extraction {
    peer::TempDir sandbox{"attack"};
    fs::path out = sandbox.path() / "out";
    Outcome result;

    void Run(const std::string& input, int status, const std::string& message) {
        result = RunCabx({"extract", "-q", "-d", out.string(), Input(input)}, sandbox.path() / "log");
        EXPECT_EQ(result.status, status) << input << ": " << result.out;
        if (message.empty()) EXPECT_EQ(result.out, "") << input;
        else EXPECT_EQ(result.out, "cabx: " + Input(input) + ": " + message + "\n") << input;
        for (const std::string& e : Entries(out))
            EXPECT_EQ(e.find(".cabx-"), std::string::npos) << "temporary file left: " << e;
    }
    std::string Read(const std::string& path) const {
        std::vector<uint8_t> b = peer::ReadFile(out / path);
        return std::string(b.begin(), b.end());
    }
};

TEST(AttackNames, PathTraversalStaysInsideTheDestination) {
    Extraction x;
    x.Run("path-traversal.cab", 0, "");
    // "..", absolute, drive, drive-relative, mixed separators and UNC names
    // lose what would leave the destination; overlong UTF-8 is not UTF-8,
    // so its bytes are Windows-1252 characters, not '.' or '/'.
    EXPECT_EQ(Entries(x.out),
              (std::vector<std::string>{"abs/", "abs/evil-absolute", "abs2/", "abs2/evil-slash-absolute",
                                        "a\u00C0\u00AF" "evil-overlong-slash", "evil-dotdot", "evil-drive",
                                        "evil-drive-relative", "evil-mixed", "server/", "server/share/",
                                        "server/share/evil-unc", "\u00C0\u00AE\u00C0\u00AE/",
                                        "\u00C0\u00AE\u00C0\u00AE/evil-overlong-dots"}));
    EXPECT_EQ(x.Read("evil-dotdot"), "1");
    EXPECT_EQ(x.Read("server/share/evil-unc"), "7");
    EXPECT_EQ(Entries(x.sandbox.path()).size(), Entries(x.out).size() + 2) << "only out/ and the log";
}

TEST(AttackNames, SymbolicLinksInTheDestinationAreNeverFollowed) {
    Extraction x;
    fs::create_directories(x.out);
    fs::create_directories(x.sandbox.path() / "outside");
    peer::WriteFile(x.sandbox.path() / "outside/target", Bytes("untouched"));
    fs::create_symlink(x.sandbox.path() / "outside/target", x.out / "link-file");
    fs::create_symlink(x.sandbox.path() / "outside", x.out / "link-dir");
    x.Run("symlink-in-destination.cab", 1, "'link-dir\\planted': 'link-dir/' is a symbolic link; not followed");
    // The link in a file's place is replaced by the file, not written through.
    EXPECT_FALSE(fs::is_symlink(x.out / "link-file"));
    EXPECT_EQ(x.Read("link-file"), "replaces the link");
    EXPECT_EQ(peer::ReadFile(x.sandbox.path() / "outside/target"), Bytes("untouched"));
    EXPECT_EQ(Entries(x.sandbox.path() / "outside"), std::vector<std::string>{"target"});
}

TEST(AttackNames, ControlBytesNulAndEmptyNames) {
    Extraction x;
    x.Run("control-bytes-in-names.cab", 0, "");
    EXPECT_EQ(Entries(x.out), (std::vector<std::string>{"ctl___name", "tab_and_newline"}));
    // A listing never sends a name's control bytes to the terminal.
    Outcome l = RunCabx({"list", Input("control-bytes-in-names.cab")}, x.sandbox.path() / "l");
    EXPECT_EQ(l.status, 0);
    EXPECT_TRUE(Contains(l.out, "  ctl%01%1F%7Fname\n") && Contains(l.out, "  tab%09and%0Anewline\n")) << l.out;

    // A NUL ends a name; the bytes after it are read as the next entry,
    // the same way by every command.
    Extraction n;
    n.Run("nul-in-name.cab", 0, "");
    EXPECT_EQ(Entries(n.out), (std::vector<std::string>{"before", "cut", "smuggled"}));
    EXPECT_EQ(n.Read("cut"), "second");
    EXPECT_EQ(n.Read("smuggled"), "fir");
    l = RunCabx({"list", Input("nul-in-name.cab")}, n.sandbox.path() / "l");
    EXPECT_TRUE(Contains(l.out, "../smuggled\n3 files, 14 bytes")) << l.out;

    Extraction e;
    e.Run("empty-name.cab", 1, "name is empty once made safe");
    EXPECT_TRUE(Entries(e.out).empty());
}

TEST(AttackNames, NameWithoutTerminatorAtTheEndOfTheFile) {
    for (const char* command : {"list", "test"}) {
        peer::TempDir d("attack-eof");
        Outcome o = RunCabx({command, Input("name-without-terminator-at-eof.cab")}, d.path() / "log");
        EXPECT_EQ(o.status, 1) << command;
        EXPECT_EQ(o.out, "cabx: " + Input("name-without-terminator-at-eof.cab") + ": cabinet is corrupt\n");
    }
    Extraction x;
    x.Run("name-without-terminator-at-eof.cab", 1, "cabinet is corrupt");
    EXPECT_TRUE(Entries(x.out).empty());
}

TEST(AttackNames, DeepDirectoryNesting) {
    Extraction x;
    x.Run("deep-directory-nesting.cab", 0, "");
    std::string path;
    for (int i = 0; i < 126; ++i) path += "d/";
    EXPECT_EQ(x.Read(path + "f"), "deep");
    EXPECT_EQ(Entries(x.out).size(), 127u);
}

TEST(AttackCodecs, MszipEndlessAndOverreadingStreams) {
    // A block without an end code would run past the frame's 32 KiB, and
    // streams that read past their data: each fails and leaves no file.
    Extraction x;
    x.Run("mszip-endless-stream.cab", 1, "'endless': compressed data cannot be decoded");
    EXPECT_TRUE(Entries(x.out).empty());
    Extraction s;
    s.Run("mszip-overreading-stored.cab", 1, "'overread-stored': compressed data cannot be decoded");
    EXPECT_TRUE(Entries(s.out).empty());
    Extraction f;
    f.Run("mszip-overreading-fixed.cab", 1, "'overread-fixed': compressed data cannot be decoded");
    EXPECT_TRUE(Entries(f.out).empty());
}

TEST(AttackCodecs, QuantumLargestWindowAndBlock) {
    for (const char* input : {"quantum-largest-window-and-block.cab", "quantum-largest-block-zeros.cab"}) {
        Extraction x;
        std::string name = Contains(input, "zeros") ? "quantum-zeros" : "quantum-noise";
        x.Run(input, 1, "'" + name + "': compressed data cannot be decoded");
        EXPECT_TRUE(Entries(x.out).empty());
    }
}

uint32_t Le32(const std::vector<uint8_t>& b, size_t at) {
    return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24;
}

TEST(AttackCodecs, LzxFramesOver32KibAndE8AtFrameEnds) {
    // The raw bytes of the uncompressed LZX block, frame by frame, and the
    // E8 translation a model of the frame rule makes of them.
    std::vector<uint8_t> cab = peer::ReadFile(kInputs / "lzx-e8-at-frame-ends.cab");
    ASSERT_GT(cab.size(), 100u);
    size_t at = Le32(cab, 36);
    unsigned blocks = cab[40] | cab[41] << 8;
    const uint32_t e8Size = 12000000;
    std::vector<uint8_t> expect;
    for (unsigned k = 0; k < blocks; ++k) {
        uint32_t size = cab[at + 4] | cab[at + 5] << 8, out = cab[at + 6] | cab[at + 7] << 8;
        size_t skip = k == 0 ? 20 : 0;  // 60 header bits padded to 64, then R0..R2
        std::vector<uint8_t> frame(cab.begin() + at + 8 + skip, cab.begin() + at + 8 + size);
        ASSERT_EQ(frame.size(), out);
        const uint32_t start = uint32_t(expect.size());
        for (uint32_t i = 0; out > 10 && i < out - 10;) {
            if (frame[i] != 0xE8) {
                ++i;
                continue;
            }
            uint32_t v = Le32(frame, i + 1), cur = start + i;
            if (v < e8Size) v -= cur;
            else if (uint32_t(0u - v) <= cur) v += e8Size;
            for (int j = 0; j < 4; ++j) frame[i + 1 + j] = uint8_t(v >> (8 * j));
            i += 5;
        }
        expect.insert(expect.end(), frame.begin(), frame.end());
        at += 8 + size;
    }
    Extraction x;
    x.Run("lzx-e8-at-frame-ends.cab", 0, "");
    EXPECT_TRUE(peer::ReadFile(x.out / "e8-frame-ends") == expect) << "E8 translation differs from the model";
    if (peer::HaveTool("cabextract")) {
        auto r = peer::Run("cabextract -q -p " + peer::Quote(Input("lzx-e8-at-frame-ends.cab")) + " > " +
                           peer::Quote((x.sandbox.path() / "peer").string()));
        EXPECT_EQ(r.status, 0) << r.out;
        EXPECT_TRUE(peer::ReadFile(x.sandbox.path() / "peer") == expect) << "cabextract disagrees";
    }

    // A data block that claims more than a frame, and an LZX block longer
    // than the frames of its folder.
    Extraction over;
    over.Run("lzx-frame-over-32k.cab", 1, "'frame-over-32k': cabinet is corrupt");
    EXPECT_TRUE(Entries(over.out).empty());
    Extraction past;
    past.Run("lzx-block-larger-than-its-frames.cab", 1, "'block-above-frames': cabinet is corrupt");
    EXPECT_TRUE(Entries(past.out).empty());
}

TEST(AttackHeaders, FieldsPointingPastTheFileAndHugeCounts) {
    struct Case {
        const char* input;
        int status;
        const char* message;
        std::vector<std::string> files;  // complete files left, in order
    } cases[] = {
        {"file-list-past-eof.cab", 1, "cabinet is corrupt", {}},
        {"folder-data-past-eof.cab", 1, "'a': data block runs past the end of the cabinet (folder 0, block 0) in cabinet 'folder-data-past-eof.cab'", {}},
        {"cabinet-size-4gib.cab", 0, "", {"a", "b"}},  // the size field is not used to read
        {"file-size-4gib.cab", 1, "'huge': cabinet is corrupt", {}},
        {"file-past-folder-end.cab", 1, "'past': cabinet is corrupt", {"fits"}},
        // The file list is where the header says; the folder count only
        // shifts nothing. The first entry is sound, the second is not.
        {"huge-counts.cab", 1, "data block runs past the end of the cabinet (folder 2, block 0) in cabinet 'huge-counts.cab'", {"one"}},
        {"huge-file-count.cab", 1, "cabinet is corrupt", {"one"}},
        {"huge-block-count.cab", 0, "", {"one"}},
        {"huge-reserves.cab", 0, "", {"r"}},
        {"reserve-flag-without-reserve.cab", 1, "not a cabinet (bad header)", {}},
    };
    for (const Case& c : cases) {
        Extraction x;
        x.Run(c.input, c.status, c.message);
        EXPECT_EQ(Entries(x.out), c.files) << c.input;
    }
}

TEST(AttackHeaders, OverlappingFoldersAndFiles) {
    Extraction x;
    x.Run("overlapping-folders-and-files.cab", 0, "");
    EXPECT_EQ(x.Read("whole"), "0123456789abcdef");
    EXPECT_EQ(x.Read("overlap-middle"), "456789ab");
    EXPECT_EQ(x.Read("other-folder"), "abcdef");
    EXPECT_EQ(x.Read("overlap-start"), "0123");
}

// Every hostile input, whatever it claims (65535 folders or files, 4 GiB
// files, 64 KiB reserves): list, test and extract each finish within a
// second of CPU and 64 MiB. Sanitized builds are slower and larger; they
// get ten times the time and no memory bound.
TEST(AttackBounds, EveryInputIsListedTestedAndExtractedInBoundedTimeAndMemory) {
    const double cpuLimit = kSanitized ? 10.0 : 1.0;
    for (const auto& e : fs::directory_iterator(kInputs)) {
        std::string input = e.path().string();
        peer::TempDir d("attack-bound");
        for (const std::vector<std::string>& args :
             {std::vector<std::string>{"list", input}, {"test", "-q", input},
              {"extract", "-q", "-d", (d.path() / "out").string(), input}}) {
            Outcome o = RunCabx(args, d.path() / "log");
            EXPECT_TRUE(o.status == 0 || o.status == 1) << args[0] << " " << input << ": " << o.out;
            EXPECT_LT(o.cpu, cpuLimit) << args[0] << " " << input;
            if (!kSanitized) EXPECT_LT(o.maxRssKb, 64 * 1024) << args[0] << " " << input;
        }
    }
}

// An output bomb: 1.8 MB of cabinet that expands to 256 MiB in four files.
// Extraction streams it (memory stays flat), and --max-output stops it
// cleanly at the file that would pass the limit.
TEST(AttackBounds, OutputBombStreamsAndStopsAtTheOutputLimit) {
    peer::TempDir d("attack-bomb");
    std::string bomb = (d.path() / "bomb.cab").string();
    auto made = peer::Run(peer::Quote(STUB_MAKE_ATTACKS) + " --bomb " + peer::Quote(bomb) + " 8192 4");
    ASSERT_EQ(made.status, 0) << made.out;
    Outcome o = RunCabx({"extract", "-p", bomb}, d.path() / "log", "/dev/null");
    EXPECT_EQ(o.status, 0) << o.out;
    if (!kSanitized) EXPECT_LT(o.maxRssKb, 64 * 1024);

    const uint64_t quarter = 64ull << 20;
    std::string limit = std::to_string(quarter + 1000);
    o = RunCabx({"extract", "-q", "--max-output", limit, "-d", (d.path() / "out").string(), bomb},
                d.path() / "log");
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.out, "cabx: " + bomb + ": 'bomb1': output exceeds the --max-output limit of " + limit +
                         " bytes\n");
    EXPECT_EQ(Entries(d.path() / "out"), std::vector<std::string>{"bomb0"});
    EXPECT_EQ(fs::file_size(d.path() / "out/bomb0"), quarter);

    // Stopped (TERM) while writing, once a temporary file is there (files
    // written named, as where the file system cannot make unnamed ones):
    // the temporary file goes with the process, which ends by the signal.
    std::string dir = peer::Quote((d.path() / "int").string());
    auto r = peer::Run("CABX_NAMED_TEMPORARIES=1 " + peer::Quote(std::string(STUB_BINARY_DIR) + "/cabx") +
                       " extract -q -d " + dir + " " +
                       peer::Quote(bomb) + " & p=$!; for i in $(seq 1 20000); do " +
                       "ls -A " + dir + " 2>/dev/null | grep -q '^[.]cabx-' && break; sleep 0.001; done; " +
                       "kill -TERM $p; wait $p; echo \"status $?\"");
    EXPECT_TRUE(Contains(r.out, "status 143")) << r.out;
    for (const std::string& e : Entries(d.path() / "int")) EXPECT_EQ(e.find(".cabx-"), std::string::npos) << e;
}

}  // namespace
