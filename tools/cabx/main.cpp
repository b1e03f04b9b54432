// cabx: command dispatch, options and help texts.
#include <errno.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <string>

#include "cabx.h"
#include "sfx_commands.h"

namespace cabx {
namespace {

struct Command {
    const char* name;
    const char* usage;
    const char* help;
};

const Command kCommands[] = {
    {"list", "cabx list [--json] [-F PATTERN]... ARCHIVE",
     "List the files of a cabinet, a set of cabinets, or the cabinet inside a\n"
     "self-extracting executable: size, date and time, attributes and name, then a\n"
     "summary line. Following cabinets of a set are looked up beside ARCHIVE.\n"
     "\n"
     "  --json        machine-readable listing: name, size, datetime, attributes,\n"
     "                folder, method and cabinet of every file\n"
     "  -F PATTERN    only names matching the shell pattern (repeatable)\n"},
    {"test", "cabx test [-q] [-F PATTERN]... ARCHIVE",
     "Decode every file and verify the block checksums without writing anything.\n"
     "Exit status 0 only if everything is sound.\n"
     "\n"
     "  -q            no progress display and no summary\n"
     "  -F PATTERN    only names matching the shell pattern (repeatable)\n"},
    {"extract", "cabx extract [-d DIR] [-n] [-q] [-p] [--max-output BYTES] [-F PATTERN]... ARCHIVE",
     "Extract the files into DIR (default: the current directory). Stored names are\n"
     "made safe: '\\' and '/' separate directories, leading separators, drive\n"
     "prefixes and '..' that would climb out of DIR are dropped, and no symbolic\n"
     "link is followed. A set of cabinets is extracted whole from its first cabinet.\n"
     "The folders of a single cabinet (see create --folder-size) are decoded in\n"
     "parallel, up to one pass per CPU (at most 4). Each file is written under a\n"
     "temporary name beside its place and takes its real name only once complete: a\n"
     "file that fails part-way is removed, and a file it would replace is kept.\n"
     "\n"
     "  -d DIR        destination directory (created if missing)\n"
     "  -n            keep existing files instead of overwriting them\n"
     "  -q            no progress display\n"
     "  -p            write the file data to standard output instead\n"
     "  --max-output BYTES\n"
     "                stop with an error before the files' data passes BYTES in\n"
     "                total (default: no limit)\n"
     "  -F PATTERN    only names matching the shell pattern (repeatable)\n"},
    {"create",
     "cabx create [-m METHOD] [--max-size BYTES] [--folder-size BYTES] [--reserve H,F,B] "
     "OUT.cab PATH...",
     "Write a cabinet (or a set of cabinets) from files and directories, which are\n"
     "recursed. Stored names are the paths as given, relative, separated by '\\'.\n"
     "\n"
     "  -m METHOD        none (default), mszip[:LEVEL 0-9], lzx[:BITS 15-21] or\n"
     "                   quantum[:BITS 10-21]\n"
     "  --max-size BYTES split into a set of cabinets of at most BYTES each:\n"
     "                   OUT.cab, then OUT2.cab, OUT3.cab, ...\n"
     "  --folder-size BYTES\n"
     "                   start a new folder (an independent compressed stream,\n"
     "                   which extraction can decode in parallel) at the next file\n"
     "                   once the current folder holds BYTES of input; files are\n"
     "                   never split between folders. 0 puts everything in one\n"
     "                   folder; default 8388608 (8 MiB)\n"
     "  --reserve H,F,B  reserve areas: header (0-65535), folder and block (0-255)\n"
     "                   bytes\n"},
};

void Usage(FILE* to) {
    fprintf(to, "usage: cabx COMMAND [OPTIONS] ARCHIVE\n\ncommands:\n");
    for (const Command& c : kCommands) fprintf(to, "  %s\n", c.usage);
    fprintf(to, "  cabx sfx [OPTIONS] OUT.exe CABINET|PATH...   (cabx sfx --help)\n"
                "  cabx info ARCHIVE\n");
    fprintf(to, "\n'cabx COMMAND --help' describes a command. Exit status: 0 success, 1 failure,\n"
                "2 usage error.\n");
}

const Command* Find(const std::string& name) {
    for (const Command& c : kCommands)
        if (name == c.name) return &c;
    return nullptr;
}

int UsageError(const Command& c, const std::string& message) {
    fprintf(stderr, "cabx %s: %s\nusage: %s\n", c.name, message.c_str(), c.usage);
    return kExitUsage;
}

}  // namespace
}  // namespace cabx

int main(int argc, char** argv) {
    using namespace cabx;
    if (argc < 2) {
        Usage(stderr);
        return kExitUsage;
    }
    std::string name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        if (argc > 2 && Find(argv[2])) {
            const Command* c = Find(argv[2]);
            printf("usage: %s\n\n%s", c->usage, c->help);
        } else {
            Usage(stdout);
        }
        return kExitOk;
    }
    // The self-extractor commands belong to the front end.
    if (name == "sfx") return SfxCommand(argc - 2, argv + 2);
    if (name == "info") return InfoCommand(argc - 2, argv + 2);
    const Command* c = Find(name);
    if (!c) {
        fprintf(stderr, "cabx: unknown command '%s'\n", name.c_str());
        Usage(stderr);
        return kExitUsage;
    }
    for (int i = 2; i < argc; ++i)
        if (!strcmp(argv[i], "--help") || !strcmp(argv[i], "-h")) {
            printf("usage: %s\n\n%s", c->usage, c->help);
            return kExitOk;
        }
    if (name == "create") return Create(argc - 2, argv + 2);

    Args args;
    args.command = name;
    std::string archive;
    bool endOfOptions = false;
    for (int i = 2; i < argc; ++i) {
        std::string a = argv[i];
        auto value = [&](std::string* out) {
            if (i + 1 >= argc) return false;
            *out = argv[++i];
            return true;
        };
        if (endOfOptions || a.empty() || a[0] != '-' || a == "-") {
            if (!archive.empty()) return UsageError(*c, "more than one archive given");
            archive = a;
        } else if (a == "--") {
            endOfOptions = true;
        } else if (a == "-F") {
            std::string p;
            if (!value(&p)) return UsageError(*c, "-F needs a pattern");
            args.patterns.push_back(p);
        } else if (a == "--json" && name == "list") {
            args.json = true;
        } else if (a == "-q" && name != "list") {
            args.quiet = true;
        } else if (a == "-d" && name == "extract") {
            if (!value(&args.dir)) return UsageError(*c, "-d needs a directory");
        } else if (a == "-n" && name == "extract") {
            args.keepExisting = true;
        } else if (a == "-p" && name == "extract") {
            args.toStdout = true;
        } else if (a == "--max-output" && name == "extract") {
            std::string v;
            if (!value(&v) || v.empty() || v.find_first_not_of("0123456789") != std::string::npos)
                return UsageError(*c, "--max-output needs a number of bytes");
            errno = 0;
            args.maxOutput = strtoull(v.c_str(), nullptr, 10);
            if (errno != 0 || args.maxOutput == UINT64_MAX)
                return UsageError(*c, "--max-output: number too large");
        } else {
            return UsageError(*c, "unknown option '" + a + "'");
        }
    }
    if (archive.empty()) return UsageError(*c, "no archive given");
    args.archive = archive;
    if (name == "list") return List(args);
    if (name == "test") return Test(args);
    return Extract(args);
}
