// An in-memory file system behind the reader's seven callbacks, for tests.
//
// The callbacks carry no context pointer, so the state is one global per
// test process; MemIo::Reset() starts each test afresh. It logs opens and
// closes, counts live allocations and handles (leak checks), can fail the
// Nth allocation, and keeps what is written to output handles.
#ifndef STUB_TESTS_MEM_IO_H
#define STUB_TESTS_MEM_IO_H

#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <climits>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "cab_reader.h"

struct MemIo {
    struct Handle {
        std::string path;
        int64_t pos = 0;
        bool output = false;
    };
    std::map<std::string, std::vector<uint8_t>> files;
    std::map<int32_t, Handle> handles;
    int32_t nextHandle = 10;
    std::vector<std::string> log;  // "open NAME", "close NAME"
    std::set<void*> live;
    int allocs = 0;
    int failAllocAt = -1;       // 1-based index of the allocation that fails
    int closeResult = 0;        // what close answers for cabinet handles
    int64_t shortWriteBy = 0;   // writes report this many bytes fewer
    int seekFailAt = -1;        // 1-based index of the seek that fails
    int seeks = 0;

    static MemIo& Get() {
        static MemIo io;
        return io;
    }
    static void Reset() { Get() = MemIo(); }

    // Opens an output file (as a notification callback would) and returns its handle.
    int32_t CreateOutput(const std::string& name) {
        files[name].clear();
        int32_t h = nextHandle++;
        handles[h] = Handle{name, 0, true};
        log.push_back("open " + name);
        return h;
    }

    static void* Alloc(uint32_t size) {
        MemIo& io = Get();
        if (++io.allocs == io.failAllocAt) return nullptr;
        void* p = malloc(size ? size : 1);
        // Fill with garbage so a read of unwritten memory shows up.
        memset(p, 0xCD, size);
        io.live.insert(p);
        return p;
    }
    static void Free(void* p) {
        Get().live.erase(p);
        free(p);
    }
    static int32_t Open(const char* path, int flags, int) {
        MemIo& io = Get();
        auto it = io.files.find(path);
        if (it == io.files.end() || (flags & (kOpenWriteOnly | kOpenReadWrite))) {
            io.log.push_back(std::string("open-failed ") + path);
            return -1;
        }
        int32_t h = io.nextHandle++;
        io.handles[h] = Handle{path, 0, false};
        io.log.push_back(std::string("open ") + path);
        return h;
    }
    static int32_t Read(int32_t h, void* buffer, uint32_t count) {
        MemIo& io = Get();
        auto it = io.handles.find(h);
        if (it == io.handles.end()) return -1;
        const std::vector<uint8_t>& data = io.files[it->second.path];
        int64_t pos = it->second.pos;
        if (pos >= (int64_t)data.size()) return 0;
        uint32_t n = (uint32_t)std::min<int64_t>(count, (int64_t)data.size() - pos);
        memcpy(buffer, data.data() + pos, n);
        it->second.pos += n;
        return (int32_t)n;
    }
    static int32_t Write(int32_t h, const void* buffer, uint32_t count) {
        MemIo& io = Get();
        auto it = io.handles.find(h);
        if (it == io.handles.end() || !it->second.output) return -1;
        std::vector<uint8_t>& data = io.files[it->second.path];
        uint32_t n = (uint32_t)std::max<int64_t>(0, (int64_t)count - io.shortWriteBy);
        const uint8_t* p = (const uint8_t*)buffer;
        data.insert(data.end(), p, p + n);
        return (int32_t)n;
    }
    static int Close(int32_t h) {
        MemIo& io = Get();
        auto it = io.handles.find(h);
        if (it == io.handles.end()) return -1;
        bool output = it->second.output;
        io.log.push_back("close " + it->second.path);
        io.handles.erase(it);
        return output ? 0 : io.closeResult;
    }
    static int32_t Seek(int32_t h, int32_t offset, int origin) {
        MemIo& io = Get();
        if (++io.seeks == io.seekFailAt) return -1;
        auto it = io.handles.find(h);
        if (it == io.handles.end()) return -1;
        int64_t base = origin == 0 ? 0
                       : origin == 1 ? it->second.pos
                                     : (int64_t)io.files[it->second.path].size();
        int64_t pos = base + offset;
        if (pos < 0 || pos > INT32_MAX) return -1;
        it->second.pos = pos;
        return (int32_t)pos;
    }

    static CabIo Io() { return CabIo{Alloc, Free, Open, Read, Write, Close, Seek}; }

    size_t OpenInputHandles() const {
        size_t n = 0;
        for (auto& h : handles) n += h.second.output ? 0 : 1;
        return n;
    }
};

#endif
