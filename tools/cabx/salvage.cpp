// extract and test --keep-going: salvage from a damaged cabinet or set.
//
// The reader stops at the first damaged block. Salvage runs its whole-set
// walk again after each failure, declining every file already written,
// checked or reported, so each walk gets at least one file further:
// - a file whose data fail is reported and, when the data are damaged, its
//   folder is marked: the files after it in that folder would need the
//   decoder to pass the damaged block, so they are reported lost without
//   decoding them again;
// - a failure outside any file (a damaged cabinet list, the rest of a
//   folder that runs on into the next cabinet, a next cabinet that cannot
//   be opened) ends what can be read of that cabinet: the next walk starts
//   from the following cabinet, whose folder continued from the damaged one
//   is reported lost file by file, and its other folders are read.
// A file that cannot be placed (its name too long for the file system, a
// file where it needs a directory) is reported and the others are still
// written; a failure of the output as a whole (a full disk, the output
// limit) is no damage of the archive and still ends the run.
#include <stdio.h>
#include <sys/stat.h>

#include <memory>
#include <string>

#include "archive.h"

namespace cabx {

std::string EntryKey(const CabNotice* n) {
    char tail[48];
    snprintf(tail, sizeof tail, "\n%d\n%u\n%u\n%u", int(n->size), unsigned(n->date),
             unsigned(n->time), unsigned(n->attributes));
    return std::string(n->text1 ? n->text1 : "") + tail;
}

namespace {

const Head& HeadOf(Session& s, const std::string& cabinet) {
    auto found = s.salvage->heads.find(cabinet);
    if (found != s.salvage->heads.end()) return found->second;
    int64_t base = cabinet == s.name ? s.base : 0;
    std::string path = cabinet == s.name && base ? s.archive : s.dir + cabinet;
    return s.salvage->heads[cabinet] = ReadHead(path, base);
}

// Failures that every later file of the folder would meet again.
bool FolderUnreadable(CabErrorCode code) {
    return code == CabErrorCode::Corrupt || code == CabErrorCode::DecoderFailed ||
           code == CabErrorCode::UnsupportedCompression;
}

// The reason with the cabinet named, once.
std::string InCabinet(const std::string& reason, const std::string& cabinet) {
    if (reason.find("'" + cabinet + "'") != std::string::npos) return reason;
    return reason + " (cabinet '" + cabinet + "')";
}

}  // namespace

std::string FolderKey(Session& s, uint16_t folderIndex) {
    const Head& h = HeadOf(s, s.currentCabinet);
    return s.currentCabinet + "\n" + std::to_string(LocalFolder(folderIndex, h.folderCount));
}

unsigned LocalFolder(uint16_t folderIndex, unsigned folderCount) {
    if (folderIndex == 0xFFFE) return folderCount ? folderCount - 1u : 0;
    if (folderIndex == 0xFFFD || folderIndex == 0xFFFF) return 0;
    return folderIndex;
}

int RunSalvage(Session& s) {
    Salvage salvage;
    s.salvage = &salvage;
    const std::string named = s.name;
    std::string start = s.name;
    int64_t base = s.base;
    Head head = s.first;
    std::set<std::string> starts{start};
    std::vector<std::pair<std::string, int64_t>> walked;  // the cabinets every walk reached
    unsigned brokenCabinets = 0;
    for (;;) {
        s.error = CabError{};
        s.reason.clear();
        s.currentFile.clear();
        s.inFile = false;
        s.currentCabinet = start;
        s.moved = false;
        s.first = head;
        s.visited.clear();
        s.visited.push_back({base ? s.archive : s.dir + start, base});
        Offsets().cabinetBase = int32_t(base);
        std::unique_ptr<OutputPipeline> output;
        if (s.mode != Session::kTest)
            output.reset(new OutputPipeline(s.rootFd, s.mode == Session::kStdout,
                                            s.args->keepExisting));
        if (output) output->ContinueAfterFileFailures();
        Output() = output.get();
        bool ok = ExtractCabinet(s.reader, start.c_str(), s.dir.c_str(), WalkFlags(s.mode),
                                 ExtractNotify, nullptr, &s);
        walked.insert(walked.end(), s.visited.begin(), s.visited.end());
        bool written = !output || output->Finish();
        Output() = nullptr;
        if (output) {
            // Files that could not be placed; the reader took them as done.
            for (const auto& f : output->FileFailures()) {
                ++salvage.failed;
                Fail(s, f.first, f.second);
            }
        }
        if (!written) {
            EndProgress();
            Fail(s, output->FailedFile(), output->FailedReason());
            return kExitFailure;
        }
        if (ok) break;
        std::string reason = ReasonFor(s);
        if (s.inFile) {
            // A file failed: the next walk starts where this one did and
            // passes it by.
            ++salvage.failed;
            Fail(s, s.currentFile, InCabinet(reason, s.currentCabinet));
            salvage.settled.insert(s.currentKey);
            if (FolderUnreadable(s.error.code)) salvage.damaged.insert(s.currentFolder);
            continue;
        }
        // A failure outside any file: nothing more can be read from this
        // cabinet; go on from the next one, if it can be found.
        const std::string broken = s.currentCabinet;
        const Head& h = HeadOf(s, broken);
        std::string next = h.ok && (h.flags & 2) ? CabinetOnDisk(s.dir, h.next) : "";
        uint16_t lastFolder = h.folderCount ? uint16_t(h.folderCount - 1) : 0;
        bool known = h.ok && salvage.damaged.count(FolderKey(s, lastFolder));
        struct stat st;
        bool canGoOn = !next.empty() && !starts.count(next) &&
                       stat((s.dir + next).c_str(), &st) == 0 && S_ISREG(st.st_mode);
        if (!known || !canGoOn) {
            ++brokenCabinets;
            std::string line = InCabinet(reason, broken);
            if (canGoOn) line += "; going on from cabinet '" + next + "'";
            else if (!next.empty() || broken != start)
                line += "; the rest of the set cannot be reached";
            Fail(s, "", line);
        }
        if (!canGoOn) break;
        salvage.lostReason = "lies in a folder continued from cabinet '" + broken +
                             "', whose data could not be read";
        start = next;
        base = 0;
        head = HeadOf(s, next);
        starts.insert(next);
    }
    EndProgress();
    s.salvage = nullptr;
    s.missed += ReportStrays(s, walked);
    if (s.mode == Session::kTest && !s.args->quiet)
        printf("%s: %u files OK, %u failed\n", s.archive.c_str(), s.extracted,
               salvage.failed + s.missed);
    if (salvage.failed || s.missed || brokenCabinets) return kExitFailure;
    if (!s.args->patterns.empty() && s.matched == 0) {
        Fail(s, "", "no file matches the given patterns");
        return kExitFailure;
    }
    return kExitOk;
}

}  // namespace cabx
