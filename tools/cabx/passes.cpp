// Parallel extraction of a single cabinet with several folders (independent
// compressed streams): a planning walk that decodes nothing records the
// entries, folders are shared out among passes by compressed size, and each
// pass runs its own reader on a thread of its own, decoding only its
// folders.
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <map>
#include <memory>
#include <system_error>
#include <thread>

#include "archive.h"
#include "cab_format.h"

namespace cabx {

namespace {

// Records the entries of the cabinet in list order; nothing is decoded.
int PlanNotify(NoticeKind kind, CabNotice* n) {
    auto& plan = *static_cast<std::vector<PlanEntry>*>(n->user);
    if (kind == NoticeKind::NeedCabinet) return -1;
    if (kind != NoticeKind::OfferFile) return 0;
    PlanEntry e;
    e.stored = n->text1;
    e.folder = n->folderIndex;
    e.attributes = n->attributes;
    plan.push_back(e);
    return 0;
}

std::string JoinedKey(const std::vector<std::string>& parts) {
    std::string key;
    for (const std::string& p : parts) key += (key.empty() ? "" : "/") + p;
    return key;
}

// How many passes may run: min(online CPUs, 4), and one for a cabinet
// whose folders are all stored: copying is bound by memory and the kernel,
// and passes sharing them took a third more CPU time for the same wall
// time. CABX_PASSES overrides the CPU count and the rule (for testing the
// parallel path on any machine).
unsigned PassLimit(const Head& h) {
    long cpus = sysconf(_SC_NPROCESSORS_ONLN);
    if (const char* forced = getenv("CABX_PASSES")) {
        cpus = atol(forced);
    } else if (std::all_of(h.types.begin(), h.types.end(),
                           [](uint16_t t) { return CompressionMethod(t) == MethodStored; })) {
        cpus = 1;
    }
    return unsigned(std::max(1L, std::min(cpus, 4L)));
}

}  // namespace

// Plans a parallel extraction of a single cabinet: which pass handles each
// entry, folders shared out by compressed size. Returns the number of
// passes, or 1 when the cabinet is extracted in one pass: a set, one
// folder, one CPU, -p (standard output keeps list order), or names whose
// outcome depends on the order files are written in (a file where another
// entry needs a directory).
unsigned PlanPasses(Session& s, Session::Mode mode, std::vector<PlanEntry>* plan,
                    unsigned* matched) {
    const Head& h = s.first;
    unsigned limit = PassLimit(h);
    if (mode == Session::kStdout || !h.ok || (h.flags & 3) || h.folderCount < 2 || limit < 2)
        return 1;
    Offsets().cabinetBase = int32_t(s.base);
    if (!ExtractCabinet(s.reader, s.name.c_str(), s.dir.c_str(), 0, PlanNotify, nullptr, plan))
        return 1;  // the single pass reports the error
    // Each name once: without -n the last entry of a name is the file that
    // stays, the earlier ones are decoded (checked) and dropped; with -n
    // the first one is written (unless the file exists) and later ones are
    // skipped, as one pass in list order would leave them.
    std::map<std::string, std::vector<size_t>> byKey;
    std::vector<bool> wanted(h.folderCount, false);
    *matched = 0;
    for (size_t i = 0; i < plan->size(); ++i) {
        PlanEntry& e = (*plan)[i];
        if (e.folder >= h.folderCount) return 1;
        if (!MatchesAny(s.args->patterns, e.stored)) continue;
        ++*matched;
        e.pass = 0;
        wanted[e.folder] = true;
        if (mode != Session::kExtract) continue;
        // An entry without a name fails in its pass, as it would in one.
        std::vector<std::string> parts = SafeComponents(NameToUtf8(e.stored, e.attributes));
        if (!parts.empty()) byKey[JoinedKey(parts)].push_back(i);
    }
    for (auto& k : byKey) {
        for (size_t slash = k.first.find('/'); slash != std::string::npos;
             slash = k.first.find('/', slash + 1))
            if (byKey.count(k.first.substr(0, slash))) return 1;
        const std::vector<size_t>& at = k.second;
        for (size_t j = 0; j < at.size(); ++j) {
            bool stays = s.args->keepExisting ? j == 0 : j + 1 == at.size();
            if (!stays)
                (*plan)[at[j]].action = s.args->keepExisting ? PlanEntry::kSkip : PlanEntry::kDiscard;
        }
    }
    // A folder's compressed size: up to the next folder's first block, or
    // the end of the cabinet.
    std::vector<std::pair<uint64_t, unsigned>> sizes;  // (size, folder), wanted ones
    for (unsigned f = 0; f < h.folderCount; ++f) {
        if (!wanted[f]) continue;
        uint64_t end = h.size;
        for (uint32_t b : h.firstBlock)
            if (b > h.firstBlock[f]) end = std::min<uint64_t>(end, b);
        sizes.push_back({end > h.firstBlock[f] ? end - h.firstBlock[f] : 0, f});
    }
    unsigned passes = unsigned(std::min<size_t>(limit, sizes.size()));
    if (passes < 2) return 1;
    // Largest folders first, each to the pass with the least so far.
    std::sort(sizes.rbegin(), sizes.rend());
    std::vector<uint64_t> load(passes, 0);
    std::vector<int> passOf(h.folderCount, 0);
    for (auto& f : sizes) {
        unsigned least = unsigned(std::min_element(load.begin(), load.end()) - load.begin());
        load[least] += f.first + 1;
        passOf[f.second] = int(least);
    }
    for (PlanEntry& e : *plan)
        if (e.pass >= 0) e.pass = passOf[e.folder];
    return passes;
}

namespace {

struct PassResult {
    std::string file, reason;  // of a failure of its own, not a stop by another pass
    unsigned extracted = 0;
};

// One pass: its own reader, its own output pipeline, the plan's entries for
// this pass.
void RunPass(const Session& main, Session::Mode mode, const std::vector<PlanEntry>* plan, int pass,
             unsigned passes, PassControl* control, PassResult* result) {
    Control() = control;
    ResetStoppedByOthers();
    InitOffsetFileState(&Offsets());
    Offsets().cabinetBase = int32_t(main.base);
    Session s;
    s.args = main.args;
    s.archive = main.archive;
    s.dir = main.dir;
    s.name = main.name;
    s.base = main.base;
    s.first = main.first;
    s.mode = mode;
    s.plan = plan;
    s.pass = pass;
    s.currentCabinet = s.name;
    s.visited.push_back({s.archive, s.base});
    s.reader = CreateRunReader(&s.error);
    if (!s.reader) {
        control->Claim(pass);
        result->reason = CabErrorText(s.error.code);
        Control() = nullptr;
        return;
    }
    std::unique_ptr<OutputPipeline> output;
    if (mode != Session::kTest)
        output.reset(new OutputPipeline(main.rootFd, false, main.args->keepExisting,
                                        OutputPipeline::kChunks / int(passes)));
    Output() = output.get();
    bool ok = ExtractCabinet(s.reader, s.name.c_str(), s.dir.c_str(), WalkFlags(mode), ExtractNotify,
                             nullptr, &s);
    // Stop the others at once; the reason is known once the output is done.
    bool own = !ok && !StoppedByOthers();
    if (own) control->Claim(pass);
    bool written = !output || output->Finish();
    Output() = nullptr;
    if (!written) {
        control->Claim(pass);
        result->file = output->FailedFile();
        result->reason = output->FailedReason();
    } else if (own) {
        result->file = s.currentFile;
        result->reason = ReasonFor(s);
    }
    result->extracted = s.extracted;
    Control() = nullptr;
}

}  // namespace

// Runs the planned passes on threads of their own; true when all succeed,
// else reports the failure that stopped the run.
bool RunPasses(Session& s, Session::Mode mode, const std::vector<PlanEntry>& plan, unsigned passes) {
    PassControl control;
    std::vector<PassResult> results(passes);
    std::vector<std::thread> threads;
    std::vector<unsigned> inline_;
    for (unsigned p = 0; p < passes; ++p) {
        try {
            threads.emplace_back(RunPass, std::cref(s), mode, &plan, int(p), passes, &control,
                                 &results[p]);
        } catch (const std::system_error&) {
            inline_.push_back(p);  // no thread to be had: run it here afterwards
        }
    }
    for (unsigned p : inline_) RunPass(s, mode, &plan, int(p), passes, &control, &results[p]);
    for (std::thread& t : threads) t.join();
    Offsets().cabinetBase = int32_t(s.base);
    for (const PassResult& r : results) s.extracted += r.extracted;
    int first = control.firstFailure.load();
    if (first < 0) return true;
    EndProgress();
    Fail(s, results[first].file, results[first].reason);
    return false;
}

}  // namespace cabx
