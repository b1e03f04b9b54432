// cabx as its users meet it: legacy name encodings, lower-case names, the
// verbose listing, the default method of create, help, version, usage
// errors, and the manual page against --help.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "cabx_support.h"

using namespace cabxtest;
using cabwriter::Entry;
using cabwriter::Options;
namespace fs = std::filesystem;

namespace {

bool ValidUtf8(const std::string& s) {
    for (size_t i = 0; i < s.size();) {
        unsigned char c = s[i];
        size_t n = c < 0x80 ? 1 : (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 0;
        if (n == 0 || i + n > s.size()) return false;
        for (size_t k = 1; k < n; ++k)
            if ((s[i + k] & 0xC0) != 0x80) return false;
        i += n;
    }
    return true;
}

// Names in code page 932 whose second bytes are 0x5C, the byte of '\':
// 表 (95 5C) as a directory holding ソ.txt (83 5C), 日本.txt, and a byte
// that code page 932 leaves undefined (A0). In code page 1251: Привет.txt, an
// undefined byte (98), and a name with an escape sequence. One UTF-8 name (attribute 0x80) that no encoding
// option may touch.
TEST(CabxNames, LegacyEncodingsConvertSplitOnRealSeparatorsAndEscapeTheRest) {
    peer::TempDir dir("x-enc");
    std::string cp932 = WriteOne(dir, "ja.cab",
                                 {MakeEntry("\x95\x5C\\\x83\x5C.txt", Bytes("table")),
                                  MakeEntry("\x93\xFA\x96\x7B.txt", Bytes("nihon")),
                                  MakeEntry("odd\xA0.txt", Bytes("odd")),
                                  MakeEntry("\xC3\x9C" "ber.TXT", Bytes("utf8"), 0xA0)});
    std::string cp1251 = WriteOne(dir, "ru.cab",
                                  {MakeEntry("\xCF\xF0\xE8\xE2\xE5\xF2.TXT", Bytes("privet")),
                                   MakeEntry("x\x98.txt", Bytes("undef")),
                                   MakeEntry("t\x1B[2J\x81.txt", Bytes("esc"))});
    const std::string table = "\xE8\xA1\xA8", so = "\xE3\x82\xBD", nihon = "\xE6\x97\xA5\xE6\x9C\xAC";

    auto l = Cabx("list --encoding CP932 " + peer::Quote(cp932));
    ASSERT_EQ(l.status, 0) << l.out;
    EXPECT_TRUE(Contains(l.out, "  " + table + "/" + so + ".txt\n")) << l.out;
    EXPECT_TRUE(Contains(l.out, "  " + nihon + ".txt\n")) << l.out;
    EXPECT_TRUE(Contains(l.out, "  odd%A0.txt\n")) << l.out;
    EXPECT_TRUE(Contains(l.out, "  \xC3\x9C" "ber.TXT\n")) << "a UTF-8 name is kept";
    EXPECT_TRUE(ValidUtf8(l.out));
    auto j = Cabx("list --json --encoding=cp932 " + peer::Quote(cp932));
    EXPECT_TRUE(Contains(j.out, "\"name\": \"" + table + "\\\\" + so + ".txt\"")) << j.out;

    // Extracted: the trail byte 0x5C is no separator, the undefined byte
    // is escaped, and -L lowers every name, the UTF-8 one included.
    auto x = Cabx("extract -q -L --encoding CP932 -d " + peer::Quote(dir / "ja") + " " +
                  peer::Quote(cp932));
    ASSERT_EQ(x.status, 0) << x.out;
    std::map<std::string, std::vector<uint8_t>> want = {{table + "/" + so + ".txt", Bytes("table")},
                                                        {nihon + ".txt", Bytes("nihon")},
                                                        {"odd%a0.txt", Bytes("odd")},
                                                        {"\xC3\xBC" "ber.txt", Bytes("utf8")}};
    EXPECT_EQ(peer::ReadTree(dir.path() / "ja"), want);
    // Patterns match the names as shown.
    x = Cabx("extract -q -L --encoding CP932 -F '" + table + "/*' -F '*ber.txt' -d " +
             peer::Quote(dir / "sel") + " " + peer::Quote(cp932));
    ASSERT_EQ(x.status, 0) << x.out;
    want.erase(nihon + ".txt");
    want.erase("odd%a0.txt");
    EXPECT_EQ(peer::ReadTree(dir.path() / "sel"), want);

    // The default reads Windows-1252; CP1251 gives Cyrillic, lower-cased
    // beyond ASCII.
    auto d = Cabx("list " + peer::Quote(cp1251));
    EXPECT_TRUE(Contains(d.out, "\xC3\x8F\xC3\xB0\xC3\xA8\xC3\xA2\xC3\xA5\xC3\xB2.TXT")) << d.out;
    // Control characters never reach the terminal; 0x81, undefined in
    // Windows-1252, is escaped too.
    EXPECT_TRUE(Contains(d.out, "  t%1B[2J%81.txt\n")) << d.out;
    EXPECT_FALSE(Contains(d.out, "\x1B"));
    auto r = Cabx("list -L --encoding CP1251 " + peer::Quote(cp1251));
    EXPECT_TRUE(Contains(r.out, "  \xD0\xBF\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82.txt\n")) << r.out;
    EXPECT_TRUE(Contains(r.out, "  x%98.txt\n")) << r.out;
    x = Cabx("extract -q --encoding CP1251 -d " + peer::Quote(dir / "ru") + " " + peer::Quote(cp1251));
    ASSERT_EQ(x.status, 0) << x.out;
    EXPECT_EQ(peer::ReadTree(dir.path() / "ru"),
              (std::map<std::string, std::vector<uint8_t>>{
                  {"\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82.TXT", Bytes("privet")},
                  {"x%98.txt", Bytes("undef")},
                  {"t_[2J\xD0\x83.txt", Bytes("esc")}}));
    EXPECT_EQ(Cabx("test -q --encoding CP1251 " + peer::Quote(cp1251)).status, 0);

    auto bad = Cabx("test --encoding NO-SUCH-SET " + peer::Quote(cp1251));
    EXPECT_EQ(bad.status, 2);
    EXPECT_TRUE(Contains(bad.out, "unknown character set 'NO-SUCH-SET'")) << bad.out;
    EXPECT_TRUE(Contains(bad.out, "usage: cabx test")) << bad.out;
}

TEST(CabxList, VerboseGivesFolderMethodCabinetAndAttributeWords) {
    peer::TempDir dir("x-verbose");
    Options o;
    o.folders = {cabwriter::FolderSpec{}, cabwriter::FolderSpec{}};
    o.folders[0].method = cabwriter::Method::Mszip;
    o.folders[1].method = cabwriter::Method::Lzx;
    o.folders[1].windowBits = 16;
    o.maxCabinetSize = 30000;
    o.blockSize = 4000;
    o.namePattern = "v%d.cab";
    std::vector<Entry> es = {MakeEntry("dir\\sub\\one.bin", peer::RandomBytes(40000, 1), 0x21),
                             MakeEntry("two.bin", peer::RandomBytes(30000, 2), 0x06, 1)};
    std::string first = WriteSet(dir, es, o);
    ASSERT_FALSE(first.empty());
    auto v = Cabx("list -v " + peer::Quote(first));
    ASSERT_EQ(v.status, 0) << v.out;
    std::regex one(R"(\n +40000  \d{4}-\d\d-\d\d \d\d:\d\d:\d\d +0  mszip +v1\.cab +read-only,archive +dir/sub/one\.bin\n)");
    std::regex two(R"(\n +30000  \S+ \S+ +1  lzx:16 +v\d\.cab +hidden,system +two\.bin\n)");
    EXPECT_TRUE(std::regex_search(v.out, one)) << v.out;
    EXPECT_TRUE(std::regex_search(v.out, two)) << v.out;
    EXPECT_TRUE(Contains(v.out, "size  date       time      folder  method")) << v.out;
    auto plain = Cabx("list " + peer::Quote(first));
    EXPECT_TRUE(Contains(plain.out, "r--a--  dir/sub/one.bin\n")) << plain.out;
    EXPECT_EQ(Cabx("list -v --json " + peer::Quote(first)).status, 2);
}

TEST(CabxCreate, CompressesWithMszipUnlessToldOtherwise) {
    peer::TempDir dir("x-default");
    fs::create_directories(dir.path() / "src");
    std::vector<uint8_t> text = peer::TextBytes(200000, 7);
    peer::WriteFile(dir.path() / "src/t.txt", text);
    for (const char* m : {"", "-m none "}) {
        SCOPED_TRACE(m);
        std::string cab = dir / (std::string(*m ? "stored" : "default") + ".cab");
        auto c = Cabx(std::string("create ") + m + peer::Quote(cab) + " " + peer::Quote(dir / "src"));
        ASSERT_EQ(c.status, 0) << c.out;
        auto j = Cabx("list --json " + peer::Quote(cab));
        EXPECT_TRUE(Contains(j.out, *m ? "\"method\": \"none\"" : "\"method\": \"mszip\"")) << j.out;
        EXPECT_EQ(fs::file_size(cab) < text.size() / 2, !*m);
        fs::remove_all(dir.path() / "out");
        ASSERT_EQ(Cabx("extract -q -d " + peer::Quote(dir / "out") + " " + peer::Quote(cab)).status, 0);
        EXPECT_EQ(peer::ReadFile(dir.path() / "out" / dir.path().relative_path() / "src/t.txt"), text);
    }
}

TEST(CabxCli, VersionHelpAndUsageOfEveryCommand) {
    auto v = Cabx("--version");
    EXPECT_EQ(v.status, 0);
    EXPECT_TRUE(std::regex_match(v.out, std::regex("cabx \\d+\\.\\d+\\.\\d+\n"))) << v.out;
    struct Case {
        const char* command;
        const char* wrong;    // arguments that are a wrong command line
        const char* message;  // what the error says
    } cases[] = {{"list", "--bogus a.cab", "unknown option '--bogus'"},
                 {"test", "", "no archive given"},
                 {"extract", "a.cab b.cab", "more than one archive given"},
                 {"create", "-m zip x.cab y", "bad method 'zip'"},
                 {"sfx", "--kind maybe a.exe b", "bad message kind 'maybe'"},
                 {"info", "a b", "more than one archive given"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        auto h = Cabx(std::string(c.command) + " --help");
        EXPECT_EQ(h.status, 0);
        EXPECT_EQ(h.out.rfind("usage: cabx " + std::string(c.command), 0), 0u) << h.out;
        auto w = Cabx(std::string(c.command) + " " + c.wrong);
        EXPECT_EQ(w.status, 2);
        EXPECT_TRUE(Contains(w.out, "cabx " + std::string(c.command) + ": " + c.message)) << w.out;
        EXPECT_TRUE(Contains(w.out, "\nusage: cabx " + std::string(c.command))) << w.out;
    }
}

// The options of a command as --help lists them (lines "  -x, --long ...")
// and as the manual page does (the tag lines after .TP in its section).
std::set<std::string> HelpOptions(const std::string& help) {
    std::set<std::string> out;
    std::istringstream in(help);
    std::regex line(R"(^  (-[-A-Za-z0-9]+)(?:, (--[-a-z]+))?)");
    std::smatch m;
    for (std::string l; std::getline(in, l);)
        if (std::regex_search(l, m, line)) {
            out.insert(m[1]);
            if (m[2].matched) out.insert(m[2]);
        }
    return out;
}

std::map<std::string, std::set<std::string>> ManualOptions(const std::string& page) {
    std::map<std::string, std::set<std::string>> out;
    std::istringstream in(page);
    std::string section, l;
    bool tag = false;
    std::regex option(R"(\\fB((?:\\-){1,2}[A-Za-z0-9](?:[A-Za-z0-9]|\\-)*)\\fR)");
    while (std::getline(in, l)) {
        if (l.rfind(".SS ", 0) == 0) section = l.substr(4);
        if (l.rfind(".SH ", 0) == 0) section = l.substr(4);
        if (tag) {
            for (std::sregex_iterator it(l.begin(), l.end(), option), end; it != end; ++it)
                out[section].insert(std::regex_replace(it->str(1), std::regex(R"(\\-)"), "-"));
        }
        tag = l == ".TP";
    }
    return out;
}

TEST(CabxManual, DescribesTheOptionsHelpDescribes) {
    std::ifstream f(std::string(STUB_SOURCE_DIR) + "/tools/cabx/cabx.1");
    std::stringstream page;
    page << f.rdbuf();
    auto manual = ManualOptions(page.str());
    for (const char* command : {"list", "test", "extract", "create", "sfx", "info"}) {
        SCOPED_TRACE(command);
        auto help = HelpOptions(Cabx(std::string(command) + " --help").out);
        EXPECT_EQ(manual[command], help);
        if (std::string(command) == "extract")
            for (const char* o : {"-d", "-n", "-q", "--quiet", "-p", "--encoding", "-L", "--lowercase", "-F"})
                EXPECT_EQ(help.count(o), 1u) << o;
        EXPECT_TRUE(Contains(page.str(), ".SS " + std::string(command) + "\n"));
    }
    EXPECT_EQ(manual["OPTIONS"], (std::set<std::string>{"-h", "--help", "-V", "--version"}));
}

}  // namespace
