// Walks a generated cabinet set with the reader, in memory, and says what
// differs from what the generator put in: the whole-set walk from the first
// cabinet must offer every file exactly once and write it byte for byte,
// also when the caller declines some files; a plain pass over each cabinet,
// declining everything (what a listing does), must offer each file once.
#ifndef STUB_TESTS_SET_CHECK_H
#define STUB_TESTS_SET_CHECK_H

#include <stdio.h>
#include <stdlib.h>

#include <map>
#include <string>

#include "cab_reader.h"
#include "cab_set_gen.h"
#include "mem_io.h"

namespace setgen {

struct WalkLog {
    std::map<std::string, int> offered, finished;
    int continued = 0;
    std::vector<bool> decline;  // by file index, for the whole-set walk
    const Set* set = nullptr;
    bool declineAll = false;

    static int Notify(NoticeKind kind, CabNotice* n) {
        WalkLog& log = *static_cast<WalkLog*>(n->user);
        if (getenv("STUB_SETGEN_TRACE"))
            fprintf(stderr, "  notice %d %s idx=%u\n", int(kind),
                    kind == NoticeKind::ListPosition ? "" : n->text1, n->folderIndex);
        switch (kind) {
            case NoticeKind::OfferFile: {
                std::string name = n->text1;
                ++log.offered[name];
                if (log.declineAll) return 0;
                for (size_t i = 0; i < log.set->files.size(); ++i)
                    if (log.set->files[i].name == name && log.decline[i]) return 0;
                return MemIo::Get().CreateOutput("out/" + name);
            }
            case NoticeKind::FileFinished:
                ++log.finished[n->text1];
                MemIo::Close(n->handle);
                return 1;
            case NoticeKind::ContinuedFile:
                ++log.continued;
                return 0;
            case NoticeKind::NeedCabinet:
                return n->error ? -1 : 0;
            default:
                return 0;
        }
    }
};

// "" when the reader agrees with the set; else the first difference.
inline std::string CheckInMemory(const Set& set, Choices& c) {
    MemIo::Reset();
    for (const Cabinet& k : set.cabinets) MemIo::Get().files[k.name] = k.bytes;
    CabError error{CabErrorCode::None, 0, 0};
    CabIo io = MemIo::Io();
    CabReader* reader = CreateReaderIo(&io, -1, &error);
    std::string failure;
    for (int round = 0; round < 2 && failure.empty(); ++round) {
        WalkLog log;
        log.set = &set;
        for (size_t i = 0; i < set.files.size(); ++i) log.decline.push_back(round == 1 && c.Percent(35));
        for (auto it = MemIo::Get().files.begin(); it != MemIo::Get().files.end();)
            it = it->first.compare(0, 4, "out/") == 0 ? MemIo::Get().files.erase(it) : std::next(it);
        error = CabError{CabErrorCode::None, 0, 0};
        bool ok = ExtractCabinet(reader, set.cabinets[0].name.c_str(), "", kExtractWholeSet,
                                 WalkLog::Notify, nullptr, &log);
        std::string walk = round ? "whole-set walk declining some: " : "whole-set walk: ";
        if (!ok) {
            failure = walk + "failed with " + CabErrorName(error.code);
            break;
        }
        if (log.continued) failure = walk + "reported a continued file";
        for (size_t i = 0; i < set.files.size() && failure.empty(); ++i) {
            const File& f = set.files[i];
            if (log.offered[f.name] != 1)
                failure = walk + f.name + " offered " + std::to_string(log.offered[f.name]) + " times";
            else if (!log.decline[i] && log.finished[f.name] != 1)
                failure = walk + f.name + " not finished";
            else if (!log.decline[i] && MemIo::Get().files["out/" + f.name] != f.data)
                failure = walk + f.name + " has wrong bytes";
            else if (log.decline[i] && MemIo::Get().files.count("out/" + f.name))
                failure = walk + f.name + " written though declined";
        }
        if (failure.empty() && log.offered.size() != set.files.size())
            failure = walk + "offered a file the set does not have";
    }
    // A plain pass over each cabinet, declining everything: each file is
    // offered once, at its first listing.
    if (failure.empty()) {
        WalkLog log;
        log.set = &set;
        log.declineAll = true;
        for (const Cabinet& k : set.cabinets)
            if (!ExtractCabinet(reader, k.name.c_str(), "", 0, WalkLog::Notify, nullptr, &log))
                failure = "plain pass over " + k.name + " failed with " + CabErrorName(error.code);
        for (size_t i = 0; i < set.files.size() && failure.empty(); ++i)
            if (log.offered[set.files[i].name] != 1)
                failure = "plain passes offered " + set.files[i].name + " " +
                          std::to_string(log.offered[set.files[i].name]) + " times";
    }
    DestroyReader(reader);
    if (failure.empty() && !MemIo::Get().live.empty()) failure = "memory left allocated";
    if (failure.empty() && MemIo::Get().OpenInputHandles()) failure = "cabinet handle left open";
    return failure;
}

}  // namespace setgen

#endif
