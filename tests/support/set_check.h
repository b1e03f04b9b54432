// Walks a generated cabinet set with the reader, in memory, and says what
// differs from what the generator put in: the whole-set walk from the first
// cabinet must offer every file exactly once and write it byte for byte,
// also when the caller declines some files; a plain pass over each cabinet,
// declining everything (what a listing does), must offer each file once.
// The whole-set walk runs a third time with the blocks' memory supplied by
// the caller (SetBlockBuffers), which poisons each buffer when the reader
// asks for the next: the files must come out the same, written from there.
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

// Block memory of the caller's: two buffers in turn, the one given before
// poisoned when the reader asks again; writes made from the current one
// are counted.
struct SuppliedBlocks {
    std::vector<uint8_t> buffers[2];
    int current = -1;
    size_t writesFrom = 0;
    CabWriteFn write = nullptr;
    static SuppliedBlocks& Get() {
        static SuppliedBlocks s;
        return s;
    }
    static uint8_t* Supply(uint32_t size) {
        SuppliedBlocks& s = Get();
        if (s.current >= 0) std::fill(s.buffers[s.current].begin(), s.buffers[s.current].end(), 0xA5);
        s.current = s.current == 0 ? 1 : 0;
        s.buffers[s.current].assign(size, 0x5A);
        return s.buffers[s.current].data();
    }
    static int32_t Write(int32_t h, const void* buffer, uint32_t count) {
        SuppliedBlocks& s = Get();
        if (s.current >= 0) {
            const std::vector<uint8_t>& b = s.buffers[s.current];
            const uint8_t* p = static_cast<const uint8_t*>(buffer);
            if (p >= b.data() && p + count <= b.data() + b.size()) ++s.writesFrom;
        }
        return s.write(h, buffer, count);
    }
};

// "" when the reader agrees with the set; else the first difference.
inline std::string CheckInMemory(const Set& set, Choices& c) {
    MemIo::Reset();
    for (const Cabinet& k : set.cabinets) MemIo::Get().files[k.name] = k.bytes;
    CabError error{CabErrorCode::None, 0, 0};
    CabIo io = MemIo::Io();
    SuppliedBlocks& supplied = SuppliedBlocks::Get();
    supplied = SuppliedBlocks();
    supplied.write = io.write;
    io.write = SuppliedBlocks::Write;
    CabReader* reader = CreateReaderIo(&io, -1, &error);
    std::string failure;
    bool suppliable = false;  // the last walk wrote stored or LZX data
    for (int round = 0; round < 3 && failure.empty(); ++round) {
        WalkLog log;
        log.set = &set;
        if (round == 2) SetBlockBuffers(reader, SuppliedBlocks::Supply);
        for (size_t i = 0; i < set.files.size(); ++i) log.decline.push_back(round >= 1 && c.Percent(35));
        for (auto it = MemIo::Get().files.begin(); it != MemIo::Get().files.end();)
            it = it->first.compare(0, 4, "out/") == 0 ? MemIo::Get().files.erase(it) : std::next(it);
        error = CabError{CabErrorCode::None, 0, 0};
        bool ok = ExtractCabinet(reader, set.cabinets[0].name.c_str(), "", kExtractWholeSet,
                                 WalkLog::Notify, nullptr, &log);
        std::string walk = round == 2   ? "whole-set walk into supplied blocks: "
                           : round == 1 ? "whole-set walk declining some: "
                                        : "whole-set walk: ";
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
        for (size_t i = 0; i < set.files.size() && round == 2; ++i)
            suppliable |= !log.decline[i] && !set.files[i].data.empty() &&
                          (set.files[i].type & 0xF) != MethodMszip;
    }
    if (failure.empty() && suppliable && supplied.writesFrom == 0)
        failure = "no write came from the supplied block memory";
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
