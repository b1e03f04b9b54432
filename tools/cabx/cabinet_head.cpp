// What cabx reads from a cabinet's directory itself, through the reader's
// own directory code: folder methods and block positions, the neighbours'
// names, which spanning entries a cabinet lists, and the checksum walk
// that names a damaged block. The cabinet file is mapped into memory.
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include "archive.h"
#include "cab_directory.h"

namespace cabx {

namespace {

// A cabinet file mapped read-only, seen from the cabinet's first byte.
class MappedCabinet {
public:
    MappedCabinet(const std::string& path, int64_t base) {
        CabSourceFromMemory(&source_, nullptr, 0);
        int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) return;
        struct stat st;
        if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && base >= 0 && st.st_size > base) {
            void* map = mmap(nullptr, size_t(st.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
            if (map != MAP_FAILED) {
                map_ = map;
                length_ = size_t(st.st_size);
                uint64_t size = uint64_t(st.st_size - base);
                CabSourceFromMemory(&source_, static_cast<const uint8_t*>(map) + base,
                                    uint32_t(size > UINT32_MAX ? UINT32_MAX : size));
            }
        }
        close(fd);
        opened_ = true;
    }
    ~MappedCabinet() {
        if (map_) munmap(map_, length_);
    }
    MappedCabinet(const MappedCabinet&) = delete;
    MappedCabinet& operator=(const MappedCabinet&) = delete;

    bool Opened() const { return opened_; }
    CabSource* Source() { return &source_; }

private:
    CabSource source_;
    void* map_ = nullptr;
    size_t length_ = 0;
    bool opened_ = false;
};

}  // namespace

Head ReadHead(const std::string& path, int64_t base) {
    Head h;
    MappedCabinet cab(path, base);
    if (!cab.Opened()) return h;
    CabSource* src = cab.Source();
    CabDirectory dir;
    int detail;
    if (ReadCabDirectory(src, &dir, &detail) != CabErrorCode::None) return h;
    h.flags = dir.header.flags;
    h.folderCount = dir.header.folderCount;
    h.fileCount = dir.header.fileCount;
    h.setId = dir.header.setId;
    h.index = dir.header.cabinetIndex;
    h.size = dir.header.cabinetSize;
    h.folderReserve = dir.reserve.folder;
    h.blockReserve = dir.reserve.block;
    h.prev = dir.previousCabinet;
    h.next = dir.nextCabinet;
    for (unsigned i = 0; i < h.folderCount; ++i) {
        FolderEntry f;
        if (ReadCabFolder(src, &dir, i, &f, nullptr) != CabErrorCode::None) return h;
        h.firstBlock.push_back(f.firstBlockOffset);
        h.blockCounts.push_back(f.blockCount);
        h.types.push_back(f.compressionType);
    }
    uint32_t pos = dir.header.firstFileOffset;
    for (unsigned i = 0; i < h.fileCount; ++i) {
        FileEntry e;
        char name[kNameBufferSize];
        if (ReadCabFile(src, &pos, &e, name) != CabErrorCode::None) return h;
        uint16_t fi = e.folderIndex;
        h.continuesIn |= fi == SpansFromPrevious || fi == SpansBoth;
        h.continuesOut |= fi == SpansIntoNext || fi == SpansBoth;
        if (fi >= h.folderCount && fi < kFolderIndexContinued)
            h.strays.push_back({name, e.attributes, fi});
    }
    h.ok = true;
    return h;
}

std::string FindBadBlock(const std::string& path, int64_t base, uint32_t firstFolder) {
    MappedCabinet cab(path, base);
    CabSource* src = cab.Source();
    CabDirectory dir;
    int detail;
    if (!cab.Opened() || ReadCabDirectory(src, &dir, &detail) != CabErrorCode::None) return "";
    std::vector<uint8_t> data(kMaxBlockData);
    uint32_t folder = firstFolder, block;
    int mismatch;
    CabErrorCode code = CheckCabBlocks(src, &dir, data.data(), &folder, &block, &mismatch);
    if (code == CabErrorCode::None) return "";
    std::string where = "(folder " + std::to_string(folder) + ", block " + std::to_string(block) + ")";
    if (mismatch) return "block checksum mismatch " + where;
    FolderEntry entry;
    if (ReadCabFolder(src, &dir, folder, &entry, nullptr) != CabErrorCode::None) return "";
    return "data block runs past the end of the cabinet " + where;
}

unsigned ReportStrays(const Session& s, const std::string& cabinet, const Head& h) {
    unsigned count = 0;
    for (const Head::Stray& e : h.strays) {
        if (!MatchesAny(s.args->patterns, e.stored)) continue;
        ++count;
        Fail(s, NameToUtf8(e.stored, e.attributes),
             "names folder " + std::to_string(e.folder) + ", but cabinet '" + cabinet + "' has " +
                 std::to_string(h.folderCount) + (h.folderCount == 1 ? " folder" : " folders") +
                 ": it cannot be extracted");
    }
    return count;
}

unsigned ReportStrays(const Session& s, const std::vector<std::pair<std::string, int64_t>>& cabinets) {
    unsigned count = 0;
    std::set<std::pair<std::string, int64_t>> seen;
    for (const auto& c : cabinets) {
        if (!seen.insert(c).second) continue;
        size_t slash = c.first.rfind('/');
        count += ReportStrays(s, slash == std::string::npos ? c.first : c.first.substr(slash + 1),
                              ReadHead(c.first, c.second));
    }
    return count;
}

std::string MethodName(uint16_t type) {
    switch (type & 15) {
        case 0: return "none";
        case 1: return "mszip";
        case 2: return "quantum:" + std::to_string(type >> 8 & 31);
        case 3: return "lzx:" + std::to_string(type >> 8 & 31);
        default: return "unknown(" + std::to_string(type) + ")";
    }
}

}  // namespace cabx
