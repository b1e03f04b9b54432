// The list, test and extract commands.
//
// A set of cabinets is extracted and tested in one pass of the reader from
// the named cabinet with its whole-set flag; following cabinets are looked
// up beside the archive. A single cabinet with several folders is extracted
// by several passes at once (passes.cpp). A listing walks each cabinet of
// the set on its own, which needs no decoding.
#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>
#include <string>
#include <vector>

#include "archive.h"

namespace cabx {

namespace {

// True when the directory holds nothing (but "." and ".."): a name in it can
// then exist only if this run puts it there, and the check for an existing
// file before each is created can be left out, as in a directory the run
// made. A directory that cannot be read counts as not empty.
bool IsEmptyDirectory(int fd) {
    int copy = openat(fd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (copy < 0) return false;
    DIR* d = fdopendir(copy);
    if (!d) {
        close(copy);
        return false;
    }
    bool empty = true;
    errno = 0;
    while (dirent* e = readdir(d)) {
        if (strcmp(e->d_name, ".") != 0 && strcmp(e->d_name, "..") != 0) {
            empty = false;
            break;
        }
    }
    if (errno != 0) empty = false;
    closedir(d);
    return empty;
}

// Creates the destination directory with any missing parents, as the
// peers do. True with *made when the directory itself was created here;
// false with a reason when a level cannot be created.
bool MakeDestination(const std::string& dir, bool* made, std::string* error) {
    *made = false;
    for (size_t at = dir.find_first_not_of('/'); at != std::string::npos;) {
        size_t end = dir.find('/', at);
        std::string level = dir.substr(0, end);
        bool last = end == std::string::npos || dir.find_first_not_of('/', end) == std::string::npos;
        if (mkdir(level.c_str(), 0777) == 0) {
            *made = last;
        } else if (errno != EEXIST) {
            *error = "cannot create directory '" + level + "': " + strerror(errno);
            return false;
        }
        if (last) break;
        at = dir.find_first_not_of('/', end);
    }
    return true;
}

int RunExtraction(const Args& args, Session::Mode mode) {
    Session s;
    s.mode = mode;
    if (!OpenArchive(s, args)) return kExitFailure;
    if (mode == Session::kExtract) {
        bool made = false;
        std::string error;
        if (!MakeDestination(args.dir, &made, &error)) {
            Fail(s, "", error);
            return kExitFailure;
        }
        s.rootFd = open(args.dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (s.rootFd < 0) {
            Fail(s, "", "cannot use directory '" + args.dir + "': " + strerror(errno));
            return kExitFailure;
        }
        SetOutputRoot(s.rootFd, made || IsEmptyDirectory(s.rootFd));
    }
    signal(SIGPIPE, SIG_IGN);
    if (args.maxOutput != UINT64_MAX) OutputPipeline::LimitOutput(args.maxOutput);
    gProgress.Reset(!args.quiet && isatty(STDERR_FILENO));
    if (args.keepGoing) return RunSalvage(s);
    std::vector<PlanEntry> plan;
    unsigned passes = PlanPasses(s, mode, &plan, &s.matched);
    if (getenv("CABX_PASSES")) fprintf(stderr, "cabx: %u extraction passes\n", passes);
    if (passes > 1) {
        bool ok = RunPasses(s, mode, plan, passes);
        EndProgress();
        if (!ok) return kExitFailure;
    } else {
        s.matched = 0;
        // Declared after the session, so it stops before the root is closed.
        std::unique_ptr<OutputPipeline> output;
        if (mode != Session::kTest)
            output.reset(new OutputPipeline(s.rootFd, mode == Session::kStdout, args.keepExisting));
        Output() = output.get();
        bool ok = ExtractCabinet(s.reader, s.name.c_str(), s.dir.c_str(), WalkFlags(mode),
                                 ExtractNotify, nullptr, &s);
        // Wait for every queued write. A failure there came first in file
        // order (the reader is at that file or past it), so it is the one named.
        bool written = !output || output->Finish();
        Output() = nullptr;
        EndProgress();
        if (!written) {
            Fail(s, output->FailedFile(), output->FailedReason());
            return kExitFailure;
        }
        if (!ok) {
            Fail(s, s.currentFile, ReasonFor(s));
            return kExitFailure;
        }
    }
    s.missed += ReportStrays(s, s.visited);
    if (s.missed) return kExitFailure;
    if (!args.patterns.empty() && s.matched == 0) {
        Fail(s, "", "no file matches the given patterns");
        return kExitFailure;
    }
    if (mode == Session::kTest && !args.quiet)
        printf("%s: %u files OK\n", args.archive.c_str(), s.extracted);
    return kExitOk;
}

// ---- list --------------------------------------------------------------------

struct ListState {
    Session* s;
    const Head* head;
    unsigned folderBase;
    std::string cabinet;
    std::vector<ListRow>* out;
    // The first cabinet listed continues an earlier one that is not here:
    // the files that begin before it, as (name, previous cabinet).
    std::vector<std::pair<std::string, std::string>>* beganBefore;
};

int ListNotify(NoticeKind kind, CabNotice* n) {
    ListState& l = *static_cast<ListState*>(n->user);
    if (kind == NoticeKind::NeedCabinet) return -1;  // never happens: nothing is decoded
    if (kind == NoticeKind::ContinuedFile && l.beganBefore &&
        MatchesAny(l.s->args->patterns, n->text1) && l.s->beganBefore.insert(EntryKey(n)).second)
        l.beganBefore->push_back({NameToUtf8(n->text1, n->attributes), n->text2 ? n->text2 : ""});
    if (kind != NoticeKind::OfferFile) return 0;
    if (!MatchesAny(l.s->args->patterns, n->text1)) return 0;
    uint16_t f = n->folderIndex;
    unsigned local = f == 0xFFFE ? l.head->folderCount - 1u : f;
    ListRow e;
    e.name = NameToUtf8(n->text1, n->attributes);
    e.size = uint32_t(n->size);
    e.date = n->date;
    e.time = n->time;
    e.attributes = n->attributes;
    e.folder = l.folderBase + local;
    e.method = local < l.head->types.size() ? MethodName(l.head->types[local]) : "unknown";
    e.cabinet = l.cabinet;
    l.out->push_back(e);
    return 0;  // listed, not extracted
}

}  // namespace

int Test(const Args& args) { return RunExtraction(args, Session::kTest); }

int Extract(const Args& args) {
    return RunExtraction(args, args.toStdout ? Session::kStdout : Session::kExtract);
}

int List(const Args& args) {
    Session s;
    if (!OpenArchive(s, args)) return kExitFailure;
    std::vector<ListRow> entries;
    std::vector<std::string> cabinets;
    std::string name = s.name;
    int64_t base = s.base;
    unsigned folderBase = 0;
    // A cabinet that cannot be listed (missing, unreadable, or not the next
    // cabinet of this set) ends the walk; what the cabinets before it list is
    // still shown, and the run fails.
    std::string failure;
    Head previous;
    std::vector<std::pair<std::string, Head>> withStrays;  // listed cabinets that have some
    std::vector<std::pair<std::string, std::string>> beganBefore;
    for (;;) {
        Offsets().cabinetBase = int32_t(base);
        Head head = ReadHead(s.dir + name, base);
        s.currentCabinet = name;
        if (!cabinets.empty() && head.ok &&
            (head.setId != previous.setId || head.index != uint16_t(previous.index + 1))) {
            failure = "next cabinet '" + name + "': " + CabErrorText(CabErrorCode::SetMismatch);
            break;
        }
        // Later cabinets list the files that run on into them again; only
        // those of the first one cannot be listed from where they begin.
        ListState l{&s, &head, folderBase, name, &entries,
                    cabinets.empty() && (head.flags & 1) ? &beganBefore : nullptr};
        size_t listed = entries.size();
        if (!ExtractCabinet(s.reader, name.c_str(), s.dir.c_str(), 0, ListNotify, nullptr, &l)) {
            entries.resize(listed);  // a cabinet is listed whole or not at all
            if (s.error.code == CabErrorCode::CannotOpen && name != s.name)
                failure = "next cabinet '" + name + "' not found";
            else
                failure = ReasonFor(s);
            break;
        }
        cabinets.push_back(name);
        if (!head.strays.empty()) withStrays.push_back({name, head});
        if (!(head.flags & 2) || head.next.empty()) break;
        if (cabinets.size() > 65535) break;
        folderBase += head.folderCount - (head.continuesOut ? 1 : 0);
        previous = head;
        name = CabinetOnDisk(s.dir, head.next);
        base = 0;
        struct stat st;
        if (stat((s.dir + name).c_str(), &st) != 0) {
            failure = "next cabinet '" + name + "' not found";
            break;
        }
    }
    if (cabinets.empty()) {
        Fail(s, "", failure);
        return kExitFailure;
    }
    PrintListing(args, entries, cabinets);
    if (!failure.empty() || !withStrays.empty()) fflush(stdout);
    unsigned strays = 0;
    for (const auto& c : withStrays) strays += ReportStrays(s, c.first, c.second);
    for (const auto& [file, prev] : beganBefore)
        Fail(s, file, "begins in the previous cabinet '" + prev + "', which is not here");
    if (!failure.empty()) {
        Fail(s, "", failure);
        return kExitFailure;
    }
    if (strays || !beganBefore.empty()) return kExitFailure;
    if (!args.patterns.empty() && entries.empty()) {
        fflush(stdout);
        Fail(s, "", "no file matches the given patterns");
        return kExitFailure;
    }
    return kExitOk;
}

}  // namespace cabx
