// The parts of cabx that read archives (list, test, extract): what the
// files share. file_io.cpp: the POSIX callbacks and read buffering;
// progress.cpp: the progress line; run_io.cpp: the callbacks a reader runs
// with; cabinet_head.cpp: what the tool reads from a cabinet's directory
// itself; session.cpp: opening an archive, the notices, the error line;
// passes.cpp: parallel extraction; archive.cpp: the commands.
#ifndef STUB_TOOLS_CABX_ARCHIVE_H
#define STUB_TOOLS_CABX_ARCHIVE_H

#include <stdint.h>
#include <time.h>
#include <unistd.h>

#include <atomic>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "CabinetLocator.h"
#include "cab_reader.h"
#include "cabx.h"
#include "output.h"

namespace cabx {

// ---- file_io.cpp -------------------------------------------------------------

int32_t PosixOpen(const char* path, int flags, int);
int32_t PosixRead(int32_t h, void* buffer, uint32_t count);
int32_t PosixWriteAll(int32_t h, const void* buffer, uint32_t count);
int PosixClose(int32_t h);
int32_t PosixSeek(int32_t h, int32_t offset, int origin);
// Handles opened for reading get a buffer of this thread's (when one is
// free); the others behave as the Posix calls.
int32_t BufferedOpen(const char* path, int flags, int mode);
// Maps `size` bytes (rounded up to pages) of zeroed memory aligned to 2 MiB
// and advised as huge pages; nullptr when the mapping fails. munmap frees it.
void* MapLarge(size_t size);
int32_t BufferedRead(int32_t h, void* buffer, uint32_t count);
int32_t BufferedSeek(int32_t h, int32_t offset, int origin);
int BufferedClose(int32_t h);
void* Alloc(uint32_t size);
void Free(void* p);
// The name under which the cabinet a header names lies in dir ("" or a
// path ending in '/'): the name itself when it is there, else the one file
// whose name differs from it only in the case of ASCII letters. A set made
// where names ignore case may name its neighbours in another case than the
// files were given on the way here. The name as given when neither is
// found (or several files match).
std::string CabinetOnDisk(const std::string& dir, const std::string& name);

// ---- progress.cpp ------------------------------------------------------------

struct Progress {
    bool enabled = false;
    std::atomic<uint64_t> bytes{0};
    std::atomic<uint32_t> files{0};
    std::mutex mutex;  // the name, the time shown and the display itself
    std::string name;
    time_t shown = 0;

    void Reset(bool on) {
        enabled = on;
        bytes = 0;
        files = 0;
        name.clear();
        shown = 0;
    }
};
extern Progress gProgress;
// name: the file now offered, or null.
void ShowProgress(bool force, const std::string* name = nullptr);
void EndProgress();

// ---- run_io.cpp --------------------------------------------------------------

// The callbacks carry no context: what a reader's callbacks need lives here,
// per thread where each extraction pass needs its own.
OffsetFileState& Offsets();  // this thread's
// Where extracted data goes (extract, extract -p); null for test. Each
// extraction pass has its own output pipeline.
OutputPipeline*& Output();  // this thread's

// What the passes of a parallel extraction share: the first pass that
// fails for a reason of its own stops the others.
struct PassControl {
    std::atomic<int> firstFailure{-1};  // the pass whose failure is reported
    bool Stopped() const { return firstFailure.load(std::memory_order_relaxed) >= 0; }
    bool Claim(int pass) {
        int none = -1;
        return firstFailure.compare_exchange_strong(none, pass);
    }
};
// Set on the threads of a parallel extraction: the shared control, and
// whether this pass gave up because another one failed.
// Per-thread values are reached through functions of the file that owns
// them: extern thread_local variables used from other files tripped the
// sanitizers' null checks on the pass threads.
PassControl*& Control();
bool StoppedByOthers();
void ResetStoppedByOthers();

// Answers a callback with a failure once another pass has failed.
bool StopRequested();
// The handle of every file under test: its data is decoded and dropped.
const int kTestHandle = OutputPipeline::kHandleBase - 1;

// The reader's callbacks for a run; the plain ones for the locator.
extern const CabIo kIo;
// kIo's readers take their blocks' memory from the thread's output pipeline
// (SetBlockBuffers), so that decoded data goes into its chunks uncopied.
CabReader* CreateRunReader(CabError* error);
extern const CabIo kPlainIo;

// ---- cabinet_head.cpp --------------------------------------------------------

// The parts of a cabinet the notices do not carry: folder methods, the
// names of the neighbours, which spanning entries it lists.
struct Head {
    bool ok = false;
    uint16_t flags = 0, folderCount = 0, fileCount = 0;
    uint16_t setId = 0, index = 0;
    uint32_t size = 0;  // of the cabinet, from its header
    uint8_t folderReserve = 0, blockReserve = 0;
    std::vector<uint16_t> types;
    std::vector<uint32_t> firstBlock;
    std::vector<uint16_t> blockCounts;
    std::string prev, next;
    bool continuesIn = false;   // lists entries 0xFFFD/0xFFFF
    bool continuesOut = false;  // lists entries 0xFFFE/0xFFFF
    // Entries whose folder index lies from the folder count up to 0xFFFB:
    // the reader passes them over without a notice (it offers 0xFFFC and
    // the spanning values, and fails on them if they lead nowhere).
    struct Stray {
        std::string stored;
        uint16_t attributes, folder;
    };
    std::vector<Stray> strays;
};

// The directory of the cabinet at `base` in the file; !ok when it cannot
// be read whole.
Head ReadHead(const std::string& path, int64_t base);

// Looks for a block whose checksum does not match, or that runs past the
// end of the cabinet, to say more than "corrupt". Returns a description,
// or "".
std::string FindBadBlock(const std::string& path, int64_t base, uint32_t firstFolder);

// A folder's compression type as list shows it.
std::string MethodName(uint16_t type);

struct Session;
// Reports each stray entry of the cabinet named `cabinet` that matches the
// run's patterns on an error line of its own; returns how many. Such a
// file cannot be extracted, and without this the run would leave it out in
// silence.
unsigned ReportStrays(const Session& s, const std::string& cabinet, const Head& h);
// The same for each cabinet (path and offset) a run went through, once.
unsigned ReportStrays(const Session& s, const std::vector<std::pair<std::string, int64_t>>& cabinets);

// ---- session.cpp -------------------------------------------------------------

// What a parallel extraction decided for each entry of the cabinet, in list
// order, before any pass started.
struct PlanEntry {
    std::string stored;
    uint16_t folder = 0;
    uint16_t attributes = 0;
    int pass = -1;  // the pass that handles it; -1 when no pattern matches
    // How that pass answers the offer: write the file, decode it and drop
    // the data (an earlier entry of the same name that a later one
    // replaces), or skip it (-n: a later entry of a name already taken).
    enum Action { kWrite, kDiscard, kSkip } action = kWrite;
};

struct Session;

// --keep-going: what the walks over a damaged archive have learnt so far.
// Each walk declines the files already dealt with, so a run of walks ends.
struct Salvage {
    std::set<std::string> settled;  // files written, checked or reported, by EntryKey
    std::set<std::string> damaged;  // folders whose data failed, by FolderKey
    std::map<std::string, Head> heads;
    // Why folder 0 of the cabinet a walk starts from cannot be read, when
    // the walk starts there because the previous cabinet was damaged.
    std::string lostReason;
    unsigned failed = 0;  // files whose data failed
};

// A file of the set: its stored name, size, date, time and attributes.
// Entries equal in all of these are taken for one file.
std::string EntryKey(const CabNotice* n);
// A folder of the set: its cabinet and its index there.
std::string FolderKey(Session& s, uint16_t folderIndex);
// A file entry's folder as an index into its cabinet's folders: the last
// for one that runs on into the next cabinet (0xFFFE), the first for one
// that comes from the previous (0xFFFD, 0xFFFF).
unsigned LocalFolder(uint16_t folderIndex, unsigned folderCount);

struct Session {
    const Args* args = nullptr;
    std::string archive;  // as named on the command line
    std::string dir;      // its directory with a trailing '/', or ""
    std::string name;     // its file name
    int64_t base = 0;     // the cabinet's offset inside the file (0 for a cabinet)
    Head first;           // the named cabinet
    CabReader* reader = nullptr;
    CabError error{};

    // Diagnostics the error codes do not carry.
    std::string currentFile;     // the file being written, between offer and finish
    bool inFile = false;         // between them (a stored name may be empty)
    std::string currentCabinet;  // the cabinet being read
    std::string reason;          // set when a notice answered -1 on purpose
    std::vector<std::pair<std::string, int64_t>> visited;
    // Where the file being written begins: its cabinet (an index into
    // visited) and that cabinet's folder, where a search for its bad block
    // starts.
    size_t fileCabinet = 0;
    uint32_t fileFolder = 0;
    bool moved = false;          // crossed into a following cabinet
    unsigned missed = 0;         // wanted files that cannot be extracted from here
    // Files that begin before the first cabinet here, by EntryKey: each
    // following cabinet it runs through lists it again, and it is reported
    // once.
    std::set<std::string> beganBefore;

    // extract and test
    enum Mode { kTest, kExtract, kStdout } mode = kTest;
    int rootFd = -1;
    unsigned extracted = 0;
    unsigned matched = 0;
    std::string outPath;  // of the file being written

    // A pass of a parallel extraction: the plan and this pass's number.
    const std::vector<PlanEntry>* plan = nullptr;
    int pass = 0;
    size_t offered = 0;  // entries offered so far: the index into the plan

    // --keep-going
    Salvage* salvage = nullptr;
    std::string currentKey;     // EntryKey of the file being written
    std::string currentFolder;  // its FolderKey

    ~Session() {
        if (reader) DestroyReader(reader);
        if (rootFd >= 0) close(rootFd);
    }
};

// ExtractCabinet's flags for a run's whole-set walk: a test drops the data.
inline int WalkFlags(Session::Mode mode) {
    return kExtractWholeSet | (mode == Session::kTest ? kExtractDropData : 0);
}

void Fail(const Session& s, const std::string& file, const std::string& reason);
// Opens the archive: a cabinet, or a self-extracting executable whose head
// holds one. Prints the error itself.
bool OpenArchive(Session& s, const Args& args);
// The words for a failed reader call.
std::string ReasonFor(Session& s);
// The notices of an extraction or test; the user pointer is the Session.
int ExtractNotify(NoticeKind kind, CabNotice* n);

// ---- salvage.cpp -------------------------------------------------------------

// extract/test --keep-going: walks the set again after each failure,
// declining what is done; reports every failure on a line of its own.
// Returns the exit code.
int RunSalvage(Session& s);

// ---- set_start.cpp -----------------------------------------------------------

// When the named cabinet continues earlier ones, follows the previous-cabinet
// names back to the first cabinet of the set and works from there, saying
// so; when an earlier one is missing, says what cannot be read.
void FindSetStart(Session& s);

// ---- passes.cpp --------------------------------------------------------------

// Plans a parallel extraction; returns the number of passes (1: one pass
// in list order).
unsigned PlanPasses(Session& s, Session::Mode mode, std::vector<PlanEntry>* plan,
                    unsigned* matched);
// Runs the planned passes; true when all succeed, else reports the failure.
bool RunPasses(Session& s, Session::Mode mode, const std::vector<PlanEntry>& plan, unsigned passes);

}  // namespace cabx

#endif
