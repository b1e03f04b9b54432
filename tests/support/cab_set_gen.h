// Random valid cabinet sets, built from a seed (or from fuzz bytes) by a
// serialiser of their own: nothing is shared with the writer but the record
// layouts and constants of cab_format.h, so the reader is checked against
// an independent reading of the format.
//
// A set is drawn as: 1 to 5 folders, each stored, MSZIP (zlib) or LZX (one
// uncompressed block through the folder, at a window of 2^15 to 2^21), of files
// with random sizes (empty ones included) and contents; each folder's data
// cut into blocks (32768 bytes, or random sizes for stored data and
// independent MSZIP frames); the run of all blocks split into 1 to 6
// cabinets at random places, between blocks or inside a block (a cut block:
// a first piece with uncompressedSize 0, the rest opening the next
// cabinet's folder 0). A file is listed in every cabinet that holds a piece
// of one of its blocks, with 0xFFFE, 0xFFFF and 0xFFFD where it spans;
// empty files in one cabinet that holds their folder. Lists come in the
// orders writers use (spanning entries at head and tail, data order, by
// name), with empty files moved anywhere. Reserve areas of every size,
// checksums present or zero.
#ifndef STUB_TESTS_CAB_SET_GEN_H
#define STUB_TESTS_CAB_SET_GEN_H

#include <stdint.h>
#include <string.h>
#include <zlib.h>

#include <algorithm>
#include <string>
#include <vector>

#include "cab_format.h"

namespace setgen {

// Every decision the generator makes: from the given bytes while they
// last, then from a generator seeded by the first of them (or the seed).
class Choices {
public:
    explicit Choices(uint64_t seed) : state_(seed) {}
    Choices(const uint8_t* data, size_t size) {
        uint64_t seed = 0;
        size_t n = std::min<size_t>(size, 8);
        for (size_t i = 0; i < n; ++i) seed = seed << 8 | data[i];
        state_ = seed;
        bytes_ = data + n;
        left_ = size - n;
    }
    uint32_t Next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return uint32_t((z ^ (z >> 31)) >> 16);
    }
    // 0 .. n-1
    uint32_t Below(uint32_t n) {
        if (n <= 1) return 0;
        uint32_t v;
        if (left_ >= 2) {
            v = uint32_t(bytes_[0]) | uint32_t(bytes_[1]) << 8;
            if (n > 65536 && left_ >= 4) v |= uint32_t(bytes_[2]) << 16 | uint32_t(bytes_[3]) << 24;
            size_t used = n > 65536 && left_ >= 4 ? 4 : 2;
            bytes_ += used;
            left_ -= used;
        } else {
            v = Next();
        }
        return v % n;
    }
    uint32_t Range(uint32_t lo, uint32_t hi) { return lo + Below(hi - lo + 1); }
    bool Percent(uint32_t p) { return Below(100) < p; }

private:
    uint64_t state_ = 0;
    const uint8_t* bytes_ = nullptr;
    size_t left_ = 0;
};

struct File {
    std::string name;
    std::vector<uint8_t> data;
    uint16_t date = 0, time = 0, attributes = 0;
    uint16_t type = 0;  // its folder's compression type
};

struct Cabinet {
    std::string name;
    std::vector<uint8_t> bytes;
};

struct Set {
    std::vector<Cabinet> cabinets;
    std::vector<File> files;  // every file of the set once
    // 7zz reads this layout: spanning entries at the head and tail of each
    // list, no entry after a 0xFFFF one, 32768-byte blocks, header reserves
    // up to 60000 bytes.
    bool peerLayout = true;
    std::string summary;  // what was drawn, for failure messages
};

// What to build; Draw() fills it at random, tests may spell it out.
struct FolderPlan {
    uint16_t type = MethodStored;
    uint32_t blockSize = 32768;  // 0: random sizes (stored), independent frames (MSZIP); LZX: 32768
    std::vector<uint32_t> sizes;  // its files, in data order
};

struct SplitPlan {
    size_t at;     // index into the run of all blocks, folder after folder
    uint32_t cut;  // 0: the cabinet ends before that block; else inside it after `cut` bytes
};

struct Plan {
    std::vector<FolderPlan> folders;
    bool drawSplits = true;  // else `splits`, in order
    std::vector<SplitPlan> splits;
    unsigned order = 0;  // 0 spanning entries at head and tail, 1 data order, 2 by name
    bool scatterEmpties = false;
    int emptyCabinet = -1;  // an empty file at a cut block: -1 either, 0 the earlier, 1 the later
    bool reserve = false;
    bool checksums = true;
    bool linkNext = true;  // cabinets name the next one
};

namespace detail {

struct Block {
    std::vector<uint8_t> data;  // compressed
    uint32_t size = 0;          // uncompressed
    uint32_t start = 0;         // offset of its first byte in the folder
};

struct Folder {
    uint16_t type = 0;
    std::vector<size_t> files;  // indexes into Set::files, in data order
    std::vector<uint32_t> offsets;
    std::vector<uint8_t> data;
    std::vector<Block> blocks;
    bool standardBlocks = true;
};

// One piece of a block placed in a cabinet.
struct Piece {
    size_t folder, block;
    uint32_t from, to;  // byte range of the block's compressed data
    bool first;         // the first piece of a cut block
};

struct Listing {
    size_t file;
    uint16_t folderIndex;
    uint32_t offset;
    int rank;  // 0 continued from the previous cabinet, 1 within, 2 into the next
    size_t folder;
};

inline void Put16(std::vector<uint8_t>& v, uint32_t x) {
    v.push_back(uint8_t(x));
    v.push_back(uint8_t(x >> 8));
}
inline void Put32(std::vector<uint8_t>& v, uint32_t x) {
    Put16(v, x & 0xFFFF);
    Put16(v, x >> 16);
}
inline void PutName(std::vector<uint8_t>& v, const std::string& s) {
    v.insert(v.end(), s.begin(), s.end());
    v.push_back(0);
}
inline void Set32(std::vector<uint8_t>& v, size_t at, uint32_t x) {
    for (int i = 0; i < 4; ++i) v[at + i] = uint8_t(x >> (8 * i));
}

inline std::vector<uint8_t> Content(Choices& c, uint32_t size) {
    std::vector<uint8_t> d(size);
    switch (c.Below(3)) {
        case 0:  // noise
            for (auto& b : d) b = uint8_t(c.Next());
            break;
        case 1: {  // words: compresses well, with matches far back
            static const char* words[] = {"cabinet ", "folder ", "block ", "data ", "set\n",
                                          "spanning ", "zlib ", "reserve "};
            size_t i = 0;
            while (i < size) {
                const char* w = words[c.Next() % 8];
                for (; *w && i < size; ++w) d[i++] = uint8_t(*w);
            }
            break;
        }
        default: {  // runs and a repeated pattern
            uint8_t x = uint8_t(c.Next());
            for (uint32_t i = 0; i < size; ++i) {
                if (c.Next() % 97 == 0) x = uint8_t(c.Next());
                d[i] = uint8_t(x + (i % 7 == 0 ? i : 0));
            }
        }
    }
    return d;
}

// An MSZIP block holds at most 32768 + 12 compressed bytes, "CK" included:
// readers size their input buffer to that, and a larger block is corrupt.
const uint32_t kMszipMaxFrame = 32768 + 12;

// One MSZIP frame: "CK" and a complete DEFLATE stream, which may refer back
// into the previous frame's 32 KiB. On data it cannot shrink, zlib (with
// memLevel 8) emits 16383-byte stored blocks and a closing fixed block,
// for a full 32 KiB 14 bytes over the data, more than a block may hold;
// such data goes in one final stored DEFLATE block, 7 bytes over.
inline std::vector<uint8_t> MszipFrame(const uint8_t* data, uint32_t size, const uint8_t* history,
                                       uint32_t historySize, int level) {
    z_stream z;
    memset(&z, 0, sizeof z);
    deflateInit2(&z, level, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
    if (historySize) deflateSetDictionary(&z, history, historySize);
    std::vector<uint8_t> out(deflateBound(&z, size) + 16);
    out[0] = 'C';
    out[1] = 'K';
    z.next_in = const_cast<uint8_t*>(data);
    z.avail_in = size;
    z.next_out = out.data() + 2;
    z.avail_out = uInt(out.size() - 2);
    deflate(&z, Z_FINISH);
    out.resize(out.size() - z.avail_out);
    deflateEnd(&z);
    if (out.size() > kMszipMaxFrame) {
        out.assign({'C', 'K', 0x01, uint8_t(size), uint8_t(size >> 8), uint8_t(~size),
                    uint8_t(~size >> 8)});
        out.insert(out.end(), data, data + size);
    }
    return out;
}

// One LZX frame of a folder coded as a single uncompressed block: the first
// frame opens with the stream's E8 bit (0, no translation), the block header
// (type 3 and the folder's size in 24 bits, padded to 32 bits) and R0-R2;
// then the bytes follow raw, and a pad byte ends an odd-sized folder.
inline std::vector<uint8_t> LzxRawFrame(const uint8_t* data, uint32_t size, uint32_t at,
                                        uint32_t total) {
    std::vector<uint8_t> out;
    if (at == 0) {
        const uint32_t bits = 3u << 28 | total << 4;
        Put16(out, bits >> 16);
        Put16(out, bits & 0xFFFF);
        for (int k = 0; k < 3; ++k) Put32(out, 1);
    }
    out.insert(out.end(), data, data + size);
    if (at + size == total && (total & 1)) out.push_back(0);
    return out;
}

inline void EncodeFolder(Choices& c, Folder& f, uint32_t blockSize) {
    bool stored = (f.type & 0xF) == MethodStored, lzx = (f.type & 0xF) == MethodLzx;
    if (lzx) blockSize = 32768;  // LZX frames are whole 32 KiB but the folder's last
    f.standardBlocks = blockSize == 32768;
    uint32_t small = c.Percent(50) ? c.Range(1, 2000) : c.Range(1, 32768);
    int level = int(c.Range(0, 9));
    uint32_t at = 0, total = uint32_t(f.data.size());
    while (at < total) {
        uint32_t n = blockSize ? blockSize : (c.Percent(30) ? c.Range(1, 32768) : small);
        n = std::min(n, total - at);
        Block b;
        b.size = n;
        b.start = at;
        if (stored) {
            b.data.assign(f.data.begin() + at, f.data.begin() + at + n);
        } else if (lzx) {
            b.data = LzxRawFrame(f.data.data() + at, n, at, total);
        } else {
            // Frames that follow full 32 KiB frames may refer back into them.
            bool history = f.standardBlocks && at >= 32768;
            b.data = MszipFrame(f.data.data() + at, n, history ? f.data.data() + at - 32768 : nullptr,
                                history ? 32768 : 0, level);
        }
        f.blocks.push_back(std::move(b));
        at += n;
    }
}

}  // namespace detail

inline Plan Draw(Choices& c) {
    Plan plan;
    plan.folders.resize(c.Range(1, 5));
    for (FolderPlan& f : plan.folders) {
        const unsigned method = c.Below(5);
        f.type = method < 2 ? MethodStored : method < 4 ? MethodMszip
                                                       : uint16_t(MethodLzx | c.Range(15, 21) << 8);
        f.blockSize = c.Percent(65) ? 32768 : 0;
        unsigned files = c.Range(1, 6);
        bool nonEmpty = false;
        for (unsigned i = 0; i < files || !nonEmpty; ++i) {
            uint32_t size;
            switch (c.Below(8)) {
                case 0: case 1: size = 0; break;
                case 2: size = c.Range(1, 100); break;
                case 3: case 4: size = c.Range(100, 6000); break;
                default: size = c.Range(6000, 70000);
            }
            if (i >= files && size == 0) size = c.Range(1, 40000);
            nonEmpty |= size != 0;
            f.sizes.push_back(size);
        }
    }
    plan.order = c.Below(3);
    plan.scatterEmpties = c.Percent(40);
    plan.reserve = c.Percent(40);
    plan.checksums = c.Percent(85);
    return plan;
}

inline Set Build(const Plan& plan, Choices& c) {
    using namespace detail;
    Set set;
    const unsigned folderCount = unsigned(plan.folders.size());
    std::vector<Folder> folders(folderCount);
    size_t fileNo = 0;
    for (unsigned g = 0; g < folderCount; ++g) {
        Folder& f = folders[g];
        f.type = plan.folders[g].type;
        for (uint32_t size : plan.folders[g].sizes) {
            File file;
            char name[32];
            snprintf(name, sizeof name, "f%02zu_%u.dat", fileNo++, c.Below(1000));
            file.name = name;
            file.data = Content(c, size);
            file.date = uint16_t((c.Range(0, 40) << 9) | (c.Range(1, 12) << 5) | c.Range(1, 28));
            file.time = uint16_t((c.Range(0, 23) << 11) | (c.Range(0, 59) << 5) | c.Range(0, 29));
            static const uint16_t attrs[] = {0x20, 0x21, 0x00, 0x01, 0x22, 0x24, 0x60};
            file.attributes = attrs[c.Below(7)];
            file.type = f.type;
            f.files.push_back(set.files.size());
            f.offsets.push_back(uint32_t(f.data.size()));
            f.data.insert(f.data.end(), file.data.begin(), file.data.end());
            set.files.push_back(std::move(file));
        }
        EncodeFolder(c, f, plan.folders[g].blockSize);
        if (!f.standardBlocks && f.blocks.size() > 1) set.peerLayout = false;
    }

    // The run of all blocks, and where the cabinets end within it.
    struct Pos {
        size_t folder, block;
    };
    std::vector<Pos> run;
    for (size_t g = 0; g < folders.size(); ++g)
        for (size_t b = 0; b < folders[g].blocks.size(); ++b) run.push_back({g, b});
    // A split before run[i] (cut == 0) or inside it after `cut` bytes.
    struct Split {
        size_t at;
        uint32_t cut;
    };
    std::vector<Split> splits;
    for (const SplitPlan& p : plan.splits) {
        uint32_t len = uint32_t(folders[run[p.at].folder].blocks[run[p.at].block].data.size());
        splits.push_back({p.at, p.cut ? std::min(p.cut, len - 1) : 0});
    }
    unsigned wanted = plan.drawSplits ? c.Range(0, 5) : 0;
    for (unsigned tries = 0; splits.size() < wanted && tries < 40; ++tries) {
        size_t i = c.Below(uint32_t(run.size()));
        const Folder& f = folders[run[i].folder];
        const Block& b = f.blocks[run[i].block];
        Split s{i, 0};
        bool boundary = c.Percent(35);
        if (boundary && i == 0) continue;
        if (boundary && run[i].block > 0) {
            // Inside a folder, a split between blocks needs a file running
            // across it, or nothing in the cabinets would say the folder goes on.
            bool spanned = false;
            for (size_t k = 0; k < f.files.size(); ++k) {
                uint32_t o = f.offsets[k], n = uint32_t(set.files[f.files[k]].data.size());
                spanned |= n > 0 && o < b.start && o + n > b.start;
            }
            if (!spanned) boundary = false;
        }
        if (!boundary) {
            if (b.data.size() < 2) continue;
            s.cut = c.Range(1, uint32_t(b.data.size() - 1));
        }
        bool clash = false;
        for (const Split& o : splits) clash |= o.at == s.at;
        if (clash) continue;
        splits.push_back(s);
    }
    std::sort(splits.begin(), splits.end(), [](const Split& a, const Split& b) { return a.at < b.at; });
    const size_t cabCount = splits.size() + 1;

    // Pieces per cabinet, and which cabinets hold each block.
    std::vector<std::vector<Piece>> pieces(cabCount);
    std::vector<std::vector<std::pair<int, int>>> blockCabs(folders.size());
    for (size_t g = 0; g < folders.size(); ++g) blockCabs[g].assign(folders[g].blocks.size(), {-1, -1});
    size_t cab = 0, next = 0;
    for (size_t i = 0; i < run.size(); ++i) {
        const Pos& p = run[i];
        uint32_t len = uint32_t(folders[p.folder].blocks[p.block].data.size());
        if (next < splits.size() && splits[next].at == i && splits[next].cut == 0) ++cab, ++next;
        if (next < splits.size() && splits[next].at == i) {
            uint32_t cut = splits[next].cut;
            pieces[cab].push_back({p.folder, p.block, 0, cut, true});
            pieces[cab + 1].push_back({p.folder, p.block, cut, len, false});
            blockCabs[p.folder][p.block] = {int(cab), int(cab + 1)};
            ++cab, ++next;
        } else {
            pieces[cab].push_back({p.folder, p.block, 0, len, false});
            blockCabs[p.folder][p.block] = {int(cab), int(cab)};
        }
    }

    // Folders of each cabinet, in order, with their local index.
    std::vector<std::vector<size_t>> cabFolders(cabCount);
    for (size_t k = 0; k < cabCount; ++k)
        for (const Piece& p : pieces[k])
            if (cabFolders[k].empty() || cabFolders[k].back() != p.folder) cabFolders[k].push_back(p.folder);
    auto localIndex = [&](size_t k, size_t g) {
        for (size_t j = 0; j < cabFolders[k].size(); ++j)
            if (cabFolders[k][j] == g) return int(j);
        return -1;
    };

    // Where each file is listed.
    std::vector<std::vector<Listing>> lists(cabCount);
    for (size_t g = 0; g < folders.size(); ++g) {
        const Folder& f = folders[g];
        auto blockAt = [&](uint32_t o) {
            size_t b = 0;
            while (b + 1 < f.blocks.size() && f.blocks[b + 1].start <= o) ++b;
            return b;
        };
        for (size_t k = 0; k < f.files.size(); ++k) {
            size_t e = f.files[k];
            uint32_t o = f.offsets[k], n = uint32_t(set.files[e].data.size());
            int first, last;
            if (n == 0) {
                auto cabs = blockCabs[g][blockAt(o)];
                bool later = plan.emptyCabinet < 0 ? c.Percent(50) : plan.emptyCabinet == 1;
                first = last = later ? cabs.second : cabs.first;
            } else {
                first = blockCabs[g][blockAt(o)].first;
                last = blockCabs[g][blockAt(o + n - 1)].second;
            }
            for (int q = first; q <= last; ++q) {
                Listing l{e, uint16_t(localIndex(size_t(q), g)), o, 1, g};
                if (first != last) {
                    l.folderIndex = q == first ? SpansIntoNext : q == last ? SpansFromPrevious : SpansBoth;
                    l.rank = q == first ? 2 : 0;
                }
                lists[size_t(q)].push_back(l);
            }
        }
    }
    // List orders: spanning entries at head and tail; data order; by name.
    // Continued entries keep the order of the previous cabinet's tail.
    const unsigned order = plan.order;
    const bool scatterEmpties = plan.scatterEmpties;
    for (size_t k = 0; k < cabCount; ++k) {
        std::vector<Listing>& l = lists[k];
        auto byData = [](const Listing& a, const Listing& b) {
            if (a.folder != b.folder) return a.folder < b.folder;
            if (a.offset != b.offset) return a.offset < b.offset;
            return a.rank < b.rank;
        };
        if (order == 0)
            std::stable_sort(l.begin(), l.end(), [&](const Listing& a, const Listing& b) {
                return a.rank != b.rank ? a.rank < b.rank : byData(a, b);
            });
        else if (order == 1)
            std::stable_sort(l.begin(), l.end(), byData);
        else
            std::stable_sort(l.begin(), l.end(), [&](const Listing& a, const Listing& b) {
                return set.files[a.file].name < set.files[b.file].name;
            });
        if (scatterEmpties) {
            std::vector<Listing> empties, rest;
            for (const Listing& x : l) (set.files[x.file].data.empty() ? empties : rest).push_back(x);
            for (const Listing& x : empties) rest.insert(rest.begin() + c.Below(uint32_t(rest.size() + 1)), x);
            l = rest;
        }
        // 7zz wants continued entries at the head of a list and entries
        // running on at its tail, with nothing after a 0xFFFF entry.
        bool afterBoth = false, afterOther = false, afterInto = false;
        for (const Listing& x : l) {
            bool from = x.rank == 0, into = x.folderIndex == SpansIntoNext || x.folderIndex == SpansBoth;
            if (afterBoth || (from && afterOther) || (!into && afterInto)) set.peerLayout = false;
            afterBoth |= x.folderIndex == SpansBoth;
            afterOther |= !from;
            afterInto |= into;
        }
    }

    // Reserves, names, and the bytes of each cabinet.
    const bool reserve = plan.reserve;
    const uint32_t folderReserve = reserve && c.Percent(60) ? c.Range(0, 255) : 0;
    const uint32_t blockReserve = reserve && c.Percent(60) ? c.Range(0, 255) : 0;
    const uint16_t setId = uint16_t(c.Next());
    const bool checksums = plan.checksums;
    std::string base = "set" + std::to_string(c.Below(100000));
    for (size_t k = 0; k < cabCount; ++k)
        set.cabinets.push_back({base + (k ? "_" + std::to_string(k + 1) : "") + ".cab", {}});
    auto disk = [&](size_t k) { return k % 2 ? std::string() : "Disk " + std::to_string(k + 1); };
    set.summary = "folders " + std::to_string(folderCount) + ", cabinets " +
                  std::to_string(cabCount) + ", order " + std::to_string(order) +
                  (scatterEmpties ? ", empties scattered" : "") + (reserve ? ", reserve" : "");
    for (size_t k = 0; k < cabCount; ++k) {
        std::vector<uint8_t> out;
        const bool hasNext = plan.linkNext && k + 1 < cabCount;
        uint16_t flags = uint16_t((k > 0 ? HasPrevious : 0) | (hasNext ? HasNext : 0) |
                                  (reserve ? HasReserve : 0));
        out.insert(out.end(), {'M', 'S', 'C', 'F'});
        Put32(out, 0);
        Put32(out, 0);  // cabinetSize, set below
        Put32(out, 0);
        Put32(out, 0);  // firstFileOffset, set below
        Put32(out, 0);
        out.push_back(3);
        out.push_back(1);
        Put16(out, uint32_t(cabFolders[k].size()));
        Put16(out, uint32_t(lists[k].size()));
        Put16(out, flags);
        Put16(out, setId);
        Put16(out, uint32_t(k));
        if (reserve) {
            uint32_t headerReserve = c.Percent(70) ? c.Range(0, 300) : c.Percent(10) ? 65535 : c.Range(0, 4000);
            if (headerReserve > 60000) set.peerLayout = false;  // 7zz misreads such sets
            Put16(out, headerReserve);
            out.push_back(uint8_t(folderReserve));
            out.push_back(uint8_t(blockReserve));
            for (uint32_t i = 0; i < headerReserve; ++i) out.push_back(uint8_t(c.Next()));
        }
        if (k > 0) {
            PutName(out, set.cabinets[k - 1].name);
            PutName(out, disk(k - 1));
        }
        if (hasNext) {
            PutName(out, set.cabinets[k + 1].name);
            PutName(out, disk(k + 1));
        }
        size_t folderTable = out.size();
        for (size_t g : cabFolders[k]) {
            Put32(out, 0);  // firstBlockOffset, set below
            uint32_t blocks = 0;
            for (const Piece& p : pieces[k]) blocks += p.folder == g;
            Put16(out, blocks);
            Put16(out, folders[g].type);
            for (uint32_t i = 0; i < folderReserve; ++i) out.push_back(uint8_t(c.Next()));
        }
        Set32(out, 16, uint32_t(out.size()));
        for (const Listing& l : lists[k]) {
            const File& f = set.files[l.file];
            Put32(out, uint32_t(f.data.size()));
            Put32(out, l.offset);
            Put16(out, l.folderIndex);
            Put16(out, f.date);
            Put16(out, f.time);
            Put16(out, f.attributes);
            PutName(out, f.name);
        }
        for (size_t j = 0; j < cabFolders[k].size(); ++j) {
            Set32(out, folderTable + j * (8 + folderReserve), uint32_t(out.size()));
            for (const Piece& p : pieces[k]) {
                if (p.folder != cabFolders[k][j]) continue;
                const Block& b = folders[p.folder].blocks[p.block];
                size_t head = out.size();
                Put32(out, 0);
                Put16(out, p.to - p.from);
                Put16(out, p.first ? 0 : b.size);
                for (uint32_t i = 0; i < blockReserve; ++i) out.push_back(uint8_t(c.Next()));
                out.insert(out.end(), b.data.begin() + p.from, b.data.begin() + p.to);
                if (checksums) {
                    uint32_t headerSize = 8 + blockReserve;
                    Set32(out, head, DataBlockChecksum(&out[head], headerSize, &out[head + headerSize],
                                                       p.to - p.from));
                }
            }
        }
        Set32(out, 8, uint32_t(out.size()));
        set.cabinets[k].bytes = std::move(out);
    }
    return set;
}

inline Set Generate(Choices& c) {
    Plan plan = Draw(c);
    return Build(plan, c);
}

inline Set Generate(uint64_t seed) {
    Choices c(seed);
    return Generate(c);
}

}  // namespace setgen

#endif
