// cabx: command dispatch and the options of list, test and extract.
#include <errno.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <new>
#include <string>

#include "cabx.h"
#include "sfx_commands.h"

namespace {

int Run(int argc, char** argv) {
    using namespace cabx;
    if (argc < 2) {
        PrintUsage(stderr);
        return kExitUsage;
    }
    std::string name = argv[1];
    if (name == "--version" || name == "-V") {
        printf("cabx %s\n", CABX_VERSION);
        return kExitOk;
    }
    if (name == "--help" || name == "-h" || name == "help") {
        if (argc < 3 || !PrintCommandHelp(argv[2])) PrintUsage(stdout);
        return kExitOk;
    }
    if (!IsCommand(name)) {
        fprintf(stderr, "cabx: unknown command '%s'\n", name.c_str());
        PrintUsage(stderr);
        return kExitUsage;
    }
    for (int i = 2; i < argc; ++i) {
        if (!strcmp(argv[i], "--")) break;
        if (!strcmp(argv[i], "--help") || !strcmp(argv[i], "-h")) {
            PrintCommandHelp(name);
            return kExitOk;
        }
    }
    const char* c = argv[1];
    // The self-extractor commands belong to the front end.
    if (name == "sfx") return SfxCommand(argc - 2, argv + 2);
    if (name == "info") return InfoCommand(argc - 2, argv + 2);
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
            if (!archive.empty()) return UsageError(c, "more than one archive given");
            archive = a;
        } else if (a == "--") {
            endOfOptions = true;
        } else if (a == "-F") {
            std::string p;
            if (!value(&p)) return UsageError(c, "-F needs a pattern");
            args.patterns.push_back(p);
        } else if (a == "--json" && name == "list") {
            args.json = true;
        } else if ((a == "-v" || a == "--verbose") && name == "list") {
            args.verbose = true;
        } else if (a == "--encoding" || a.compare(0, 11, "--encoding=") == 0) {
            std::string charset, error;
            if (a.size() > 10) charset = a.substr(11);
            else if (!value(&charset)) return UsageError(c, "--encoding needs a character set");
            if (!SetNameEncoding(charset, &error)) return UsageError(c, error);
        } else if (a == "-L" || a == "--lowercase") {
            SetLowercaseNames(true);
        } else if ((a == "-q" || a == "--quiet") && name != "list") {
            args.quiet = true;
        } else if (a == "-d" && name == "extract") {
            if (!value(&args.dir)) return UsageError(c, "-d needs a directory");
        } else if (a == "-n" && name == "extract") {
            args.keepExisting = true;
        } else if (a == "--keep-going" && name != "list") {
            args.keepGoing = true;
        } else if (a == "-p" && name == "extract") {
            args.toStdout = true;
        } else if (a == "--max-output" && name == "extract") {
            std::string v;
            if (!value(&v) || v.empty() || v.find_first_not_of("0123456789") != std::string::npos)
                return UsageError(c, "--max-output needs a number of bytes");
            errno = 0;
            args.maxOutput = strtoull(v.c_str(), nullptr, 10);
            if (errno != 0 || args.maxOutput == UINT64_MAX)
                return UsageError(c, "--max-output: number too large");
        } else {
            return UsageError(c, "unknown option '" + a + "'");
        }
    }
    if (archive.empty()) return UsageError(c, "no archive given");
    if (args.json && args.verbose) return UsageError(c, "-v and --json do not go together");
    args.archive = archive;
    if (name == "list") return List(args);
    if (name == "test") return Test(args);
    return Extract(args);
}

}  // namespace

int main(int argc, char** argv) {
    // create and sfx hold the files they store in memory: a lack of it ends
    // the run with a message (and the temporary archive removed on the way
    // out), not with an abort.
    int status;
    try {
        status = Run(argc, argv);
    } catch (const std::bad_alloc&) {
        fprintf(stderr, "cabx: out of memory\n");
        return cabx::kExitFailure;
    }
    // A listing or summary that did not reach its destination (a full disk,
    // a closed descriptor) is a failure, not a success with output lost.
    errno = 0;
    bool lost = ferror(stdout) != 0;
    if (fflush(stdout) != 0) lost = true;
    if (lost) {
        fprintf(stderr, "cabx: cannot write the output%s%s\n", errno ? ": " : "",
                errno ? strerror(errno) : "");
        return cabx::kExitFailure;
    }
    return status;
}
