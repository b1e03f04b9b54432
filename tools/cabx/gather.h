// cabx create and cabx sfx: the files they store and the archive they write.
#ifndef STUB_TOOLS_CABX_GATHER_H
#define STUB_TOOLS_CABX_GATHER_H

#include <sys/stat.h>
#include <sys/types.h>

#include <map>
#include <string>
#include <vector>

#include "cab_writer.h"
#include "cabx.h"

namespace cabx {

// A decimal number of at most `max` (digits only, no sign or spaces).
bool ParseNumber(const std::string& s, unsigned long long max, unsigned long long* out);

// A whole file, `expected` bytes long as far as is known (it may have grown
// or shrunk since); false with errno when it cannot be read.
bool ReadAll(const std::string& path, size_t expected, std::vector<uint8_t>* out);

// "-m METHOD": mszip[:LEVEL 0-9], lzx[:BITS 15-21], quantum[:BITS 10-21],
// none (or stored). False for anything else.
bool ParseMethod(const std::string& text, cabwriter::FolderSpec* spec);

// Whether one component of a path can be part of a stored name: not empty,
// not "." or "..", and without '\' (the separator inside a cabinet).
bool StorablePart(const std::string& part);

// The files to store, read whole, in the order added (a directory's files
// in the order of their stored names).
class Inputs {
public:
    // `made`: the archive being written, never stored into itself when it
    // lies among the inputs (as with "cabx create out.cab .").
    explicit Inputs(const std::string& made);

    // Adds a file under the name `stored`, or the regular files below a
    // directory under "stored\relative\path" (the relative path alone when
    // `stored` is empty). The same file reached twice under one name is
    // stored once; two different files under one name are refused. False
    // with a reason naming the path.
    bool Add(const std::string& path, const std::string& stored, std::string* error);

    std::vector<cabwriter::Entry>& entries() { return entries_; }

private:
    struct Found {
        std::string path, stored;
        struct stat st;
    };
    struct Source {
        dev_t dev;
        ino_t ino;
        std::string path;
    };
    bool Walk(const std::string& dir, const std::string& stored, unsigned depth,
              std::vector<Found>* found, std::string* error);
    bool Take(const Found& f, std::string* error);

    bool made_ = false;
    dev_t madeDev_ = 0;
    ino_t madeIno_ = 0;
    std::map<std::string, Source> storedAs_;
    std::vector<cabwriter::Entry> entries_;
};

// The files a command makes (an archive, a set's cabinets), each written
// whole unnamed (or under a temporary name) beside its place, given the
// permission bits `mode` less the umask; Commit names them all once all
// are complete. Until then, and after any failure, nothing is left and the
// files already at those paths are kept. A path that names a device, a pipe
// or a socket (a lone archive only) is written to at Commit instead; one
// that is a link to a file replaces the file the link leads to.
class MadeFiles {
public:
    MadeFiles() = default;
    MadeFiles(const MadeFiles&) = delete;
    MadeFiles& operator=(const MadeFiles&) = delete;
    ~MadeFiles();  // removes what was staged and not committed

    bool Stage(const std::string& path, const std::vector<uint8_t>& bytes, mode_t mode,
               std::string* error);
    // False (with the path in the reason) when a rename fails; the files not
    // renamed by then are removed.
    bool Commit(std::string* error);

private:
    struct Staged {
        std::string path;
        int dirFd = -1;
        PendingFile file;
        bool isDirect = false;      // path is not a regular file: written to at Commit
        std::vector<uint8_t> direct;  // what is written to it then
    };
    std::vector<Staged> staged_;
};

}  // namespace cabx

#endif
