// Shared pieces of the reader tests: cabinets built by the writer, stored in
// MemIo, walked with a WalkRecorder; and a layout parser to patch fields of
// a built cabinet by hand.
#ifndef STUB_TESTS_READER_FIXTURE_H
#define STUB_TESTS_READER_FIXTURE_H

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cab_directory.h"
#include "cab_format.h"
#include "cab_reader.h"
#include "cab_writer.h"
#include "mem_io.h"
#include "walk_recorder.h"

inline std::vector<uint8_t> Bytes(size_t n, uint32_t seed) {
    std::vector<uint8_t> v(n);
    uint32_t x = seed * 2654435761u + 1;
    for (size_t i = 0; i < n; ++i) {
        x = x * 1103515245u + 12345u;
        v[i] = (uint8_t)(x >> 16);
    }
    return v;
}

inline cabwriter::Entry Entry(const std::string& name, size_t size, unsigned folder = 0,
                              uint16_t attributes = 0x20) {
    cabwriter::Entry e;
    e.name = name;
    e.data = Bytes(size, (uint32_t)std::hash<std::string>()(name));
    e.folder = folder;
    e.attributes = attributes;
    return e;
}

// Where the records of a built cabinet lie, as the directory reader finds them.
struct CabLayout {
    CabHeader header{};
    uint32_t headerReserve = 0, folderReserve = 0, blockReserve = 0;
    uint32_t firstFolderPos = 0;
    std::vector<uint32_t> folderPos;  // each FolderEntry
    std::vector<uint32_t> filePos;    // each FileEntry
    explicit CabLayout(const std::vector<uint8_t>& cab) {
        CabSource s;
        CabSourceFromMemory(&s, cab.data(), (uint32_t)cab.size());
        CabDirectory dir;
        int detail;
        EXPECT_EQ(ReadCabDirectory(&s, &dir, &detail), CabErrorCode::None);
        header = dir.header;
        headerReserve = dir.reserve.header;
        folderReserve = dir.reserve.folder;
        blockReserve = dir.reserve.block;
        firstFolderPos = dir.firstFolderPos;
        for (unsigned i = 0; i < header.folderCount; ++i)
            folderPos.push_back(firstFolderPos + i * dir.folderEntrySize);
        uint32_t p = header.firstFileOffset;
        for (unsigned i = 0; i < header.fileCount; ++i) {
            filePos.push_back(p);
            FileEntry e;
            char name[kNameBufferSize];
            EXPECT_EQ(ReadCabFile(&s, &p, &e, name), CabErrorCode::None);
        }
    }
    uint32_t FirstBlock(const std::vector<uint8_t>& cab, unsigned folder) const {
        return ReadLe32(&cab[folderPos[folder]]);
    }
};

inline void Put16(std::vector<uint8_t>& v, size_t at, uint16_t x) { WriteLe16(&v[at], x); }
inline void Put32(std::vector<uint8_t>& v, size_t at, uint32_t x) {
    for (int i = 0; i < 4; ++i) v[at + i] = (uint8_t)(x >> (8 * i));
}

struct ExtractRun {
    bool ok = false;
    CabError error{CabErrorCode::None, 0, 0};
};

class ReaderTest : public ::testing::Test {
protected:
    void SetUp() override { MemIo::Reset(); }
    void TearDown() override {
        if (reader_) DestroyReader(reader_);
        reader_ = nullptr;
        EXPECT_TRUE(MemIo::Get().live.empty()) << "memory leaked";
        EXPECT_EQ(MemIo::Get().OpenInputHandles(), 0u) << "cabinet handle left open";
    }

    void Store(const std::string& name, const std::vector<uint8_t>& bytes) {
        MemIo::Get().files[name] = bytes;
    }
    std::vector<uint8_t> Build(const std::vector<cabwriter::Entry>& entries,
                               const cabwriter::Options& options = cabwriter::Options()) {
        return cabwriter::WriteCabinet(entries, options);
    }
    // Builds a set and stores its cabinets under their names.
    std::vector<cabwriter::Cabinet> BuildSet(const std::vector<cabwriter::Entry>& entries,
                                             const cabwriter::Options& options) {
        std::vector<cabwriter::Cabinet> cabs;
        std::string why;
        EXPECT_TRUE(cabwriter::WriteCabinets(entries, options, &cabs, &why)) << why;
        for (auto& c : cabs) Store(c.name, c.bytes);
        return cabs;
    }

    ExtractRun Extract(const std::string& name, int flags = 0, bool withHook = false,
                       const std::string& path = "") {
        ExtractRun run;
        if (!reader_) {
            CabIo io = MemIo::Io();
            reader_ = CreateReaderIo(&io, -1, &error_);
        }
        error_ = CabError{CabErrorCode::None, 0, 0};
        run.ok = ExtractCabinet(reader_, name.c_str(), path.c_str(), flags, WalkRecorder::Notify,
                                withHook ? WalkRecorder::Hook : nullptr, &rec_);
        run.error = error_;
        EXPECT_EQ(MemIo::Get().OpenInputHandles(), 0u) << "cabinet handle left open";
        return run;
    }
    const std::vector<uint8_t>& Output(const std::string& name) {
        return MemIo::Get().files["out/" + name];
    }
    bool HasOutput(const std::string& name) {
        return MemIo::Get().files.count("out/" + name) != 0;
    }

    CabReader* reader_ = nullptr;
    CabError error_{CabErrorCode::None, 0, 0};
    WalkRecorder rec_;
};

#define EXPECT_FAILS_WITH(run, errorCode)                                      \
    do {                                                                       \
        const ExtractRun run_ = (run);                                         \
        EXPECT_FALSE(run_.ok);                                                 \
        EXPECT_EQ(CabErrorName(run_.error.code), std::string(#errorCode));    \
        EXPECT_EQ(run_.error.isSet, 1);                                        \
    } while (0)

using Events = std::vector<std::string>;

#endif
