// cabx, the Linux command line for cabinets: list, test, extract, create.
// Shared declarations of its parts.
#ifndef STUB_TOOLS_CABX_H
#define STUB_TOOLS_CABX_H

#include <stdint.h>
#include <stdio.h>

#include <string>
#include <vector>

namespace cabx {

enum ExitCode { kExitOk = 0, kExitFailure = 1, kExitUsage = 2 };

// What a command line asked for.
struct Args {
    std::string command;
    std::string archive;
    std::vector<std::string> patterns;  // -F, repeatable
    std::string dir = ".";              // extract -d
    bool keepExisting = false;          // extract -n
    bool quiet = false;                 // -q
    bool toStdout = false;              // extract -p
    bool json = false;                  // list --json
    bool verbose = false;               // list -v
    uint64_t maxOutput = UINT64_MAX;    // extract --max-output: none by default
    bool keepGoing = false;             // test, extract --keep-going
};

// One line of a listing.
struct ListRow {
    std::string name;  // UTF-8
    uint32_t size;
    uint16_t date, time, attributes;
    unsigned folder;   // counted across the set
    std::string method;
    std::string cabinet;
};

// list.cpp: the listing as text lines (-v adds folder, method, cabinet and
// the attributes in words) or as JSON.
void PrintListing(const Args& args, const std::vector<ListRow>& rows,
                  const std::vector<std::string>& cabinets);
std::string AttributeWords(uint16_t attributes);

int List(const Args& args);
int Test(const Args& args);
int Extract(const Args& args);
int Create(int argc, char** argv);

// A wrong command line: the message, the command's usage and where to read
// more, on standard error. Returns kExitUsage.
int UsageError(const char* command, const std::string& message);
// help.cpp: the general usage, and a command's usage and description
// (false for an unknown command).
void PrintUsage(FILE* to);
bool PrintCommandHelp(const std::string& name);
bool IsCommand(const std::string& name);

// names.cpp -----------------------------------------------------------------

// A stored name as UTF-8: attribute 0x80 marks a name that already is
// (kept when it is valid UTF-8); any other name is in the legacy character
// set, Windows-1252 unless SetNameEncoding chose another. A byte that does
// not convert becomes "%XX" (its hex value), never a raw byte. Lower-cased
// after SetLowercaseNames(true).
std::string NameToUtf8(const std::string& stored, uint16_t attributes);

// Whether the bytes are well-formed UTF-8 (no overlong forms, surrogates or
// code points past U+10FFFF).
bool ValidUtf8(const std::string& s);

// Chooses the legacy character set by its iconv name (CP932, CP1251,
// ISO-8859-2, ...); false with a reason when iconv does not know it.
bool SetNameEncoding(const std::string& charset, std::string* error);
void SetLowercaseNames(bool on);

// A name for display on Linux: '\' separators shown as '/'.
std::string SlashSeparated(const std::string& utf8);
// A name safe to print on a terminal: control characters (C0, DEL and the
// C1 range) shown as "%XX", so a hostile name cannot send escape sequences.
std::string Printable(const std::string& utf8);

// The path components under the destination for a UTF-8 name: '\' and '/'
// separate, leading separators and a drive prefix are dropped, "." and empty
// components vanish, ".." takes one component back but never climbs above
// the destination, control characters become '_'. Empty when nothing is left.
std::vector<std::string> SafeComponents(const std::string& utf8);

// A file being written unnamed, or under a temporary name, in its
// destination directory, and given its real name only once complete, so
// that a file cut short never appears under its real name nor costs the
// file it replaces.
struct PendingFile {
    int fd = -1;         // open for writing
    int rootFd = -1;     // not owned
    int dirFd = -1;      // the destination directory (owned unless rootFd)
    bool unnamed = false;  // made without a name (O_TMPFILE)
    std::string temp;    // the temporary name in it, while it exists
    std::string leaf;    // the real name
    void* slot = nullptr;  // where the signal handler finds it
};

// Names the root directory of the run's output, and whether it is fresh
// (this process has just made it, or it was empty when the run began);
// directories made below it are remembered from then on.
void SetOutputRoot(int rootFd, bool made);

// Creates (with the directories needed) an unnamed or temporary file for
// `parts` below the directory `rootFd`, never following a symbolic link,
// and returns its descriptor. A file that exists is kept when `keepExisting` (then *skipped
// is set and -1 is returned with an empty *error); a directory in its place
// is an error. On failure returns -1 with a reason, and errno tells why
// (EISDIR for a directory in the way).
int OpenOutputBelow(int rootFd, const std::vector<std::string>& parts, bool keepExisting,
                    bool* skipped, std::string* error, PendingFile* file);
// Closes the file and moves it to its real name, replacing what is there
// (with keepExisting, a file that appeared meanwhile is kept and the new
// one dropped: *skipped). False with a reason (and errno) when it cannot;
// the unnamed or temporary file is gone either way.
bool CommitPending(PendingFile* file, bool keepExisting, bool* skipped, std::string* error);
// Closes and removes an incomplete file.
void DropPending(PendingFile* file);
// Writes n bytes to fd whole (on after interruptions and short writes);
// false with errno when it cannot (EIO for a write that took nothing).
bool WriteAll(int fd, const uint8_t* p, size_t n);
// Makes SIGINT, SIGTERM and SIGHUP remove the temporary files being written
// before the process ends as the signal would end it.
void RemoveTemporaryFilesOnSignals();

// Whether `parts` below `rootFd` names something that exists, looked up
// without following symbolic links (a path through a link, or through
// anything that is not a directory, does not exist here).
bool ExistsBelow(int rootFd, const std::vector<std::string>& parts);

// Shell-pattern match of the stored name or of the name as shown (converted
// and lower-cased as chosen), each also tried with '/' separators.
bool MatchesAny(const std::vector<std::string>& patterns, const std::string& stored);

// Text helpers for messages and JSON.
std::string JsonString(const std::string& utf8);
std::string DosDateTimeText(uint16_t date, uint16_t time, char separator);
std::string AttributeText(uint16_t attributes);

}  // namespace cabx

#endif
