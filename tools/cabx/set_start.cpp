// Any cabinet of a set as the archive: the previous-cabinet names lead back
// to the first cabinet, and list, test and extract work on the whole set
// from there. When a cabinet on the way back is missing (or is not the
// cabinet that names the one after it), the work starts from the earliest
// cabinet found: the files that begin before it are reported, the others
// read.
#include <stdio.h>
#include <sys/stat.h>

#include <set>
#include <string>

#include "archive.h"

namespace cabx {

void FindSetStart(Session& s) {
    if (!s.first.ok || !(s.first.flags & 1) || s.first.prev.empty()) return;
    std::string at = s.name;
    Head head = s.first;
    std::set<std::string> seen{s.name};
    unsigned index = 1;  // cabinets back from the named one
    for (;;) {
        const std::string prev = CabinetOnDisk(s.dir, head.prev);
        std::string path = s.dir + prev;
        struct stat st;
        std::string missing;
        if (seen.count(prev))
            missing = "is met twice (the names go round in a loop)";
        else if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
            missing = "is not here";
        Head earlier;
        if (missing.empty()) {
            earlier = ReadHead(path, 0);
            if (!earlier.ok)
                missing = "cannot be read";
            else if (!(earlier.flags & 2) || CabinetOnDisk(s.dir, earlier.next) != at)
                missing = "does not name '" + at + "' as its next cabinet";
        }
        if (!missing.empty()) {
            if (!s.args->quiet)
                fprintf(stderr,
                        "cabx: %s: the previous cabinet '%s' %s; working from %s, files that "
                        "begin before it cannot be read\n",
                        Printable(s.archive).c_str(), Printable(prev).c_str(),
                        Printable(missing).c_str(), Printable(s.dir + at).c_str());
            break;
        }
        seen.insert(prev);
        ++index;
        at = prev;
        head = earlier;
        if (!(head.flags & 1) || head.prev.empty()) break;
        if (index > 65535) return;
    }
    if (at == s.name) return;
    if (!s.args->quiet && !(head.flags & 1))
        fprintf(stderr, "cabx: %s is cabinet %u of a set; working from %s\n",
                Printable(s.archive).c_str(), index, Printable(s.dir + at).c_str());
    s.name = at;
    s.base = 0;
    s.first = head;
    s.currentCabinet = at;
    s.visited.clear();
    s.visited.push_back({s.dir + at, 0});
    Offsets().cabinetBase = 0;
}

}  // namespace cabx
