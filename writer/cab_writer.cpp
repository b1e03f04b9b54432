// Cabinet writer.
//
// A cabinet is laid out as: the 36-byte header; with HasReserve the three
// reserve sizes and the header reserve area; the previous and next cabinet
// and disk names; the folder table; the file list; then each folder's data
// blocks. Every folder's bytes (the concatenation of its files, in list
// order) are first encoded into blocks by the method's encoder; the writer
// then lays the blocks out over one cabinet or, with a maximum size, over a
// set of cabinets.
//
// Splitting a set. Blocks are placed in order; when a block does not fit in
// the cabinet being filled, it is cut: its first piece (as many bytes as fit,
// uncompressedSize 0) ends this cabinet, and the rest becomes the first block
// of the next cabinet's folder 0, which continues the cut folder. Each piece
// has its own header and checksum. A block is cut at most once. A folder is
// cut inside a block wherever the two pieces can fit, so that the cut lies
// inside some file's data: a reader that walks the set from its first
// cabinet then has a spanning file that carries its decoder across into the
// next cabinet, and never has to start a folder from its middle. Only when
// the cabinets are too small for that (a 32 KiB block cannot be cut into
// cabinets of less than about 33 KB one after another) does a folder go on
// from a block boundary.
//
// Which files are listed where. A file belongs to every cabinet that holds a
// piece of one of its blocks. Listed in one cabinet only, it carries the
// cabinet's own index of its folder; otherwise it carries 0xFFFE (continues
// into the next) in the first, 0xFFFF (from the previous and into the next)
// in the middle ones and 0xFFFD (from the previous) in the last. The entries
// continued from the previous cabinet stand at the head of a list, in the
// order in which the previous cabinet listed its continuing entries at its
// tail, so that a reader crossing over can pass over exactly the entries it
// has already seen. folderOffset always counts from the very beginning of the
// folder, also in the cabinets the folder continues into.
//
// Closed folders (closeFoldersAtCuts). Some extractors join a continued
// folder onto the one before and take its files only from the cabinet where
// the folder begins: they drop a file that begins in a continuation, warn
// about a continued entry of a joined folder that the next cabinet does not
// list, and cannot join at a block boundary. For them, a folder cut at a
// cabinet's end ends with the last file of the cut block (or just before that
// file, when it runs on past the next cabinet while other files end in the
// next one); its later files move into a new folder of the same kind, both
// are encoded again, and the set is laid out anew until no folder has a file
// after its first crossing. Empty files are listed where their folder
// begins. Folders are first divided into pieces of at most four cabinets'
// input (1 MiB at least), so that the encoding done again stays short.
#include "cab_writer.h"

#include <stdio.h>
#include <string.h>

#include <algorithm>
#include <memory>
#include <set>

#include "cab_format.h"
#include "encoders.h"

namespace cabwriter {

namespace {

// Record layouts, flags, spanning values and the block checksum are the
// reader's (cab_format.h), so writer and reader cannot drift apart.
const uint32_t kHeaderSize = kCabHeaderSize;
const uint32_t kMaxBlockData = 32768;

void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}
void PutString(std::vector<uint8_t>& out, const std::string& s) {
    out.insert(out.end(), s.begin(), s.end());
    out.push_back(0);
}

std::string Expand(const std::string& pattern, size_t index) {
    std::string out;
    size_t at = pattern.find("%d");
    if (at == std::string::npos) return pattern;
    out = pattern.substr(0, at) + std::to_string(index + 1) + pattern.substr(at + 2);
    return out;
}

std::string CabName(const Options& o, size_t index) {
    if (index == 0 && !o.firstName.empty()) return o.firstName;
    return Expand(o.namePattern, index);
}

struct Block {
    std::vector<uint8_t> bytes;
    uint32_t usize = 0;
    uint32_t start = 0;          // decoded offset within the folder
    std::vector<size_t> files;   // non-empty files whose data overlap the block
    std::vector<size_t> empties; // empty files placed with the block
    int firstCab = -1, lastCab = -1;
};

struct Folder {
    unsigned spec = 0;            // index into Options::folders
    bool encoded = false;
    uint16_t type = 0;
    std::vector<Block> blocks;
    std::vector<size_t> files;    // entry indices in list order
    std::vector<size_t> loose;    // empty files of a folder without blocks
    std::vector<size_t> emptiesAtStart;  // empty files listed where the folder begins
    int firstCab = -1;
};

struct Piece {
    size_t block;
    uint32_t from, size;
    bool cutFirst;  // first piece of a cut block: uncompressedSize 0
};

struct CabFolder {
    size_t folder;
    std::vector<Piece> pieces;
};

struct Cab {
    std::vector<CabFolder> folders;
    std::set<size_t> listed;
    uint64_t used = 0;
    struct Listing {
        size_t entry;
        uint16_t folderIndex;
        int rank;  // 0 continued from previous, 1 ordinary, 2 continues into next
    };
    std::vector<Listing> list;
};

class Layout {
public:
    Layout(const std::vector<Entry>& entries, const Options& options, std::vector<Folder>& folders)
        : entries_(entries), options_(options), folders_(folders) {
        hasReserve_ = options.headerReserve || options.folderReserve || options.blockReserve ||
                      options.forceReserveFlag;
        folderEntrySize_ = 8 + options.folderReserve;
        blockHeaderSize_ = 8 + options.blockReserve;
        capacity_ = options.maxCabinetSize ? options.maxCabinetSize : 0xFFFFFFFFull;
        for (Folder& f : folders_) {
            f.firstCab = -1;
            for (Block& b : f.blocks) b.firstCab = b.lastCab = -1;
        }
    }

    bool Run(std::string* error) {
        NewCab();
        for (size_t g = 0; g < folders_.size(); ++g) {
            Folder& f = folders_[g];
            if (f.blocks.empty()) {
                uint64_t cost = folderEntrySize_ + FilesCost(f.loose);
                if (cost > Room() && !cabs_.back().folders.empty()) NewCab();
                if (cost > Room()) return Fail(error, "maximum cabinet size too small");
                AddFolder(g);
                Charge(f.loose);
                cabs_.back().used += folderEntrySize_;
                continue;
            }
            for (size_t b = 0; b < f.blocks.size(); ++b)
                if (!Place(g, b, error)) return false;
        }
        return true;
    }

    std::vector<Cab>& cabs() { return cabs_; }
    bool hasReserve() const { return hasReserve_; }
    uint32_t folderEntrySize() const { return folderEntrySize_; }
    uint32_t blockHeaderSize() const { return blockHeaderSize_; }

    // Header, reserve area and names of cabinet i (with next names when
    // `withNext`).
    uint32_t Overhead(size_t i, bool withNext) const {
        uint32_t size = kHeaderSize;
        if (hasReserve_) size += 4 + options_.headerReserve;
        if (i > 0)
            size += CabName(options_, i - 1).size() + 1 +
                    Expand(options_.diskPattern, i - 1).size() + 1;
        if (withNext)
            size += CabName(options_, i + 1).size() + 1 +
                    Expand(options_.diskPattern, i + 1).size() + 1;
        return size;
    }

private:
    static bool Fail(std::string* error, const std::string& why) {
        if (error) *error = why;
        return false;
    }

    uint64_t Room() const {
        uint64_t used = cabs_.back().used;
        return used >= capacity_ ? 0 : capacity_ - used;
    }

    uint64_t EntrySize(size_t e) const { return 16 + entries_[e].name.size() + 1; }

    uint64_t FilesCost(const std::vector<size_t>& files) const {
        uint64_t cost = 0;
        for (size_t e : files)
            if (!cabs_.back().listed.count(e)) cost += EntrySize(e);
        return cost;
    }

    void Charge(const std::vector<size_t>& files) {
        Cab& cab = cabs_.back();
        for (size_t e : files)
            if (cab.listed.insert(e).second) cab.used += EntrySize(e);
    }

    void NewCab() {
        cabs_.emplace_back();
        // Budget for next names always; the last cabinet simply ends smaller.
        cabs_.back().used = Overhead(cabs_.size() - 1, options_.maxCabinetSize != 0);
    }

    bool HasFolder(size_t g) const {
        const Cab& cab = cabs_.back();
        return !cab.folders.empty() && cab.folders.back().folder == g;
    }

    // A folder entry, and where the folder begins, the empty files listed
    // there.
    uint64_t FolderCost(size_t g) const {
        if (HasFolder(g)) return 0;
        return folderEntrySize_ + (folders_[g].firstCab < 0 ? FilesCost(folders_[g].emptiesAtStart) : 0);
    }

    void AddFolder(size_t g) {
        cabs_.back().folders.push_back(CabFolder{g, {}});
        if (folders_[g].firstCab < 0) {
            folders_[g].firstCab = int(cabs_.size() - 1);
            Charge(folders_[g].emptiesAtStart);
        }
    }

    // Puts one piece of block b of folder g into the current cabinet.
    void PutPiece(size_t g, size_t b, uint32_t from, uint32_t size, bool cutFirst,
                  bool chargeEmpties) {
        Block& block = folders_[g].blocks[b];
        if (!HasFolder(g)) {
            AddFolder(g);
            cabs_.back().used += folderEntrySize_;
        }
        Charge(block.files);
        if (chargeEmpties) Charge(block.empties);
        cabs_.back().used += blockHeaderSize_ + size;
        cabs_.back().folders.back().pieces.push_back(Piece{b, from, size, cutFirst});
        int cab = int(cabs_.size() - 1);
        if (block.firstCab < 0) block.firstCab = cab;
        block.lastCab = cab;
    }

    // Room in a cabinet that holds nothing yet.
    uint64_t FreshRoom() const {
        uint64_t overhead = Overhead(cabs_.size(), options_.maxCabinetSize != 0);
        return overhead >= capacity_ ? 0 : capacity_ - overhead;
    }

    uint64_t EntriesSize(const std::vector<size_t>& files) const {
        uint64_t cost = 0;
        for (size_t e : files) cost += EntrySize(e);
        return cost;
    }

    // Empty files are listed where the block that holds their offset ends
    // (its last piece), so they never stand between continuing entries.
    bool Place(size_t g, size_t b, std::string* error) {
        Block& block = folders_[g].blocks[b];
        const uint32_t size = uint32_t(block.bytes.size());
        for (;;) {
            uint64_t fixed = FolderCost(g) + FilesCost(block.files) + blockHeaderSize_;
            uint64_t room = Room();
            if (fixed + FilesCost(block.empties) + size <= room) {
                PutPiece(g, b, 0, size, false, true);
                return true;
            }
            if (size >= 2 && fixed + 1 <= room) {
                uint32_t first = uint32_t(std::min<uint64_t>(room - fixed, size - 1));
                uint64_t need = folderEntrySize_ + EntriesSize(block.files) +
                                EntriesSize(block.empties) + blockHeaderSize_ + (size - first);
                if (need <= FreshRoom()) {
                    PutPiece(g, b, 0, first, true, false);
                    NewCab();
                    PutPiece(g, b, first, size - first, false, true);
                    return true;
                }
                // The rest would not fit in the next cabinet either: start
                // the block there instead, where a larger first piece fits.
            }
            if (cabs_.back().folders.empty()) return Fail(error, TooSmall());
            // Not one byte fits. Cut the block before instead, so the cut
            // still lies inside a file; with single-byte blocks that is
            // impossible and the folder goes on from a block boundary.
            if (!(HasFolder(g) && StealLastPiece(g))) NewCab();
        }
    }

    // The folder is to be cut between two blocks, which would leave no file
    // spanning the cut. Cut the last whole block placed instead: its last
    // byte moves to the next cabinet. False when that block cannot be cut.
    bool StealLastPiece(size_t g) {
        CabFolder& cf = cabs_.back().folders.back();
        if (cf.pieces.empty()) return false;
        Piece& last = cf.pieces.back();
        if (last.cutFirst || last.from != 0 || last.size < 2) return false;
        if (folders_[g].blocks[last.block].firstCab != folders_[g].blocks[last.block].lastCab)
            return false;
        size_t b = last.block;
        last.size -= 1;
        last.cutFirst = true;
        cabs_.back().used -= 1;
        uint32_t from = last.size;
        NewCab();
        PutPiece(g, b, from, 1, false, true);
        return true;
    }

    std::string TooSmall() const {
        return "maximum cabinet size " + std::to_string(options_.maxCabinetSize) +
               " is too small for the blocks and file entries";
    }

    const std::vector<Entry>& entries_;
    const Options& options_;
    std::vector<Folder>& folders_;
    std::vector<Cab> cabs_;
    bool hasReserve_ = false;
    uint32_t folderEntrySize_ = 8, blockHeaderSize_ = 8;
    uint64_t capacity_ = 0;
};

// Index of the block holding decoded offset `offset` (the last block when the
// offset lies at or past the folder's end).
size_t BlockAt(const Folder& f, uint32_t offset) {
    size_t lo = 0, hi = f.blocks.size();
    while (hi - lo > 1) {
        size_t mid = (lo + hi) / 2;
        if (f.blocks[mid].start <= offset) lo = mid; else hi = mid;
    }
    return lo;
}

}  // namespace

uint16_t CompressionTypeOf(const FolderSpec& spec) {
    if (spec.rawCompressionType) return spec.rawCompressionType;
    uint16_t type = static_cast<uint16_t>(spec.method);
    if (spec.method == Method::Quantum || spec.method == Method::Lzx)
        type |= static_cast<uint16_t>((spec.windowBits & 0x1F) << 8);
    return type;
}

namespace {

// Encodes folder f: its files' data, one after the other, into blocks; and
// for every file the blocks its data overlap.
bool EncodeFolder(const std::vector<Entry>& entries, const Options& options, Folder& f,
                  std::vector<uint32_t>& offsets, std::string* error) {
    const FolderSpec& spec = options.folders[f.spec];
    std::vector<uint8_t> data;
    for (size_t e : f.files) {
        if (uint64_t(data.size()) + entries[e].data.size() > 0xFFFFFFFFull) {
            *error = "folder " + std::to_string(f.spec) + " holds more than 4 GiB";
            return false;
        }
        offsets[e] = uint32_t(data.size());
        data.insert(data.end(), entries[e].data.begin(), entries[e].data.end());
    }
    f.type = CompressionTypeOf(spec);
    f.blocks.clear();
    f.loose.clear();
    f.emptiesAtStart.clear();
    FolderEncoder encode = EncoderFor(spec.method);
    if (!encode) {
        *error = "unknown compression method";
        return false;
    }
    std::vector<EncodedBlock> encoded;
    std::string why;
    uint32_t blockSize = spec.method == Method::Stored ? options.blockSize : kMaxBlockData;
    if (!encode(data.data(), data.size(), spec, blockSize, &encoded, &why)) {
        *error = why.empty() ? "encoder failed" : why;
        return false;
    }
    // A Quantum stream has no stored blocks, so data that does not compress
    // grows by about 1%. A folder's method is its own: such a folder is
    // written stored instead (a type given raw is kept as asked).
    if (spec.method == Method::Quantum && !spec.rawCompressionType) {
        size_t packed = 0;
        for (const EncodedBlock& eb : encoded) packed += eb.bytes.size();
        if (packed >= data.size()) {
            encoded.clear();
            if (!EncodeStored(data.data(), data.size(), FolderSpec(), kMaxBlockData, &encoded, &why)) {
                *error = why;
                return false;
            }
            f.type = CompressionTypeOf(FolderSpec());
        }
    }
    uint32_t start = 0;
    for (EncodedBlock& eb : encoded) {
        if (eb.uncompressedSize == 0 || eb.uncompressedSize > kMaxBlockData || eb.bytes.size() > 0xFFFF) {
            *error = "encoder produced a block of invalid size";
            return false;
        }
        Block block;
        block.bytes = std::move(eb.bytes);
        block.usize = eb.uncompressedSize;
        block.start = start;
        start += block.usize;
        f.blocks.push_back(std::move(block));
    }
    if (start != data.size()) {
        *error = "encoder output does not cover the folder";
        return false;
    }
    const bool atStart = options.closeFoldersAtCuts && options.maxCabinetSize;
    for (size_t e : f.files) {
        uint32_t o = offsets[e], s = uint32_t(entries[e].data.size());
        if (f.blocks.empty()) {
            f.loose.push_back(e);
        } else if (s == 0) {
            (atStart ? f.emptiesAtStart : f.blocks[BlockAt(f, o)].empties).push_back(e);
        } else {
            for (size_t b = BlockAt(f, o); b < f.blocks.size() && f.blocks[b].start < o + s; ++b)
                f.blocks[b].files.push_back(e);
        }
    }
    f.encoded = true;
    return true;
}

// With closeFoldersAtCuts: finds the first place where a folder's data cross
// into the next cabinet and files of the folder would then begin in its
// continuation, and ends the folder there; returns false when there is none.
// The folder normally ends with X, the last file in the block at the
// crossing. When X runs on past the next cabinet while other files end in
// it, it ends before X instead, and X begins a folder of its own: the next
// cabinet's continued folder then ends there, with nothing continued in it
// but what also ends in it.
bool SplitAtFirstCut(const std::vector<Entry>& entries, const std::vector<uint32_t>& offsets,
                     std::vector<Folder>& folders) {
    for (size_t g = 0; g < folders.size(); ++g) {
        const Folder& f = folders[g];
        auto lastCab = [&](size_t e) {
            uint32_t end = offsets[e] + uint32_t(entries[e].data.size()) - 1;
            return f.blocks[BlockAt(f, end)].lastCab;
        };
        for (size_t b = 0; b < f.blocks.size(); ++b) {
            const Block& block = f.blocks[b];
            const bool cut = block.firstCab != block.lastCab;
            if (!cut && !(b + 1 < f.blocks.size() && f.blocks[b + 1].firstCab != block.lastCab))
                continue;
            const int next = cut ? block.lastCab : f.blocks[b + 1].firstCab;
            const size_t x = block.files.back();
            size_t k = size_t(std::find(f.files.begin(), f.files.end(), x) - f.files.begin());
            bool endsInNext = false;
            for (size_t e : block.files) endsInNext |= e != x && lastCab(e) >= next;
            size_t keep = endsInNext && lastCab(x) > next ? k : k + 1;
            bool more = false;
            for (size_t j = keep; j < f.files.size(); ++j) more |= !entries[f.files[j]].data.empty();
            if (!more) break;
            Folder rest;
            rest.spec = f.spec;
            rest.files.assign(f.files.begin() + long(keep), f.files.end());
            folders[g].files.resize(keep);
            folders[g].encoded = false;
            folders.insert(folders.begin() + long(g) + 1, std::move(rest));
            return true;
        }
    }
    return false;
}

}  // namespace

bool WriteCabinets(const std::vector<Entry>& entries, const Options& options,
                   std::vector<Cabinet>* cabinets, std::string* error) {
    auto fail = [&](const std::string& why) {
        if (error) *error = why;
        return false;
    };
    cabinets->clear();
    if (options.blockSize == 0 || options.blockSize > kMaxBlockData)
        return fail("block size must be 1 to 32768 bytes");
    if (options.folders.size() > 0xFFFF) return fail("too many folders");
    const bool closeAtCuts = options.closeFoldersAtCuts && options.maxCabinetSize;

    // Each folder's files in list order.
    std::vector<Folder> folders(options.folders.size());
    for (size_t g = 0; g < folders.size(); ++g) folders[g].spec = unsigned(g);
    for (size_t i = 0; i < entries.size(); ++i) {
        const Entry& e = entries[i];
        if (e.folder >= folders.size())
            return fail("file '" + e.name + "' names folder " + std::to_string(e.folder) +
                        ", but there are only " + std::to_string(folders.size()));
        if (e.name.empty() || e.name.size() > 255 || e.name.find('\0') != std::string::npos)
            return fail("file name '" + e.name + "' must be 1 to 255 bytes without zero bytes");
        folders[e.folder].files.push_back(i);
    }
    if (closeAtCuts) {
        // Pieces of at most a few cabinets' input: a cut re-encodes the
        // piece's files before and after it, never a whole long folder.
        const uint64_t piece = std::max<uint64_t>(4ull * options.maxCabinetSize, 1u << 20);
        std::vector<Folder> pieces;
        for (Folder& f : folders) {
            Folder cur;
            cur.spec = f.spec;
            uint64_t filled = 0;
            for (size_t e : f.files) {
                if (filled >= piece) {
                    pieces.push_back(std::move(cur));
                    cur = Folder();
                    cur.spec = f.spec;
                    filled = 0;
                }
                cur.files.push_back(e);
                filled += entries[e].data.size();
            }
            pieces.push_back(std::move(cur));
        }
        folders = std::move(pieces);
    }

    // Encode, lay out; with closeAtCuts, end the first folder that runs on
    // past a cut with files after it, and lay out again until none does.
    std::vector<uint32_t> offsets(entries.size());
    std::unique_ptr<Layout> layout;
    for (;;) {
        for (Folder& f : folders)
            if (!f.encoded && !EncodeFolder(entries, options, f, offsets, error)) return false;
        layout.reset(new Layout(entries, options, folders));
        if (!layout->Run(error)) return false;
        if (!closeAtCuts || !SplitAtFirstCut(entries, offsets, folders)) break;
    }
    std::vector<Cab>& cabs = layout->cabs();
    if (cabs.size() > 1 && options.maxCabinetSize == 0)
        return fail("more than 4 GiB for one cabinet; a maximum cabinet size makes a set");
    // A set's names are written into its cabinets, in fields of at most
    // 255 bytes; checked before anything is written.
    for (size_t c = 0; cabs.size() > 1 && c < cabs.size(); ++c)
        if (CabName(options, c).size() > 255 || CabName(options, c).find('\0') != std::string::npos)
            return fail("cabinet name '" + CabName(options, c) +
                        "' must be 1 to 255 bytes without zero bytes");

    // Where each file is listed, and with which folder index.
    std::vector<std::vector<uint16_t>> localIndex(cabs.size());
    for (size_t c = 0; c < cabs.size(); ++c) {
        localIndex[c].assign(folders.size(), 0xFFFF);
        for (size_t j = 0; j < cabs[c].folders.size(); ++j)
            localIndex[c][cabs[c].folders[j].folder] = uint16_t(j);
    }
    for (size_t g = 0; g < folders.size(); ++g) {
        const Folder& f = folders[g];
        for (size_t e : f.files) {
            uint32_t o = offsets[e], s = uint32_t(entries[e].data.size());
            int first, last;
            if (f.blocks.empty() || (s == 0 && closeAtCuts)) {
                first = last = f.firstCab;
            } else if (s == 0) {
                first = last = f.blocks[BlockAt(f, o)].lastCab;
            } else {
                first = f.blocks[BlockAt(f, o)].firstCab;
                last = f.blocks[BlockAt(f, o + s - 1)].lastCab;
            }
            for (int c = first; c <= last; ++c) {
                Cab::Listing l{e, localIndex[c][g], 1};
                if (first != last) {
                    if (c == first) l.folderIndex = SpansIntoNext, l.rank = 2;
                    else if (c == last) l.folderIndex = SpansFromPrevious, l.rank = 0;
                    else l.folderIndex = SpansBoth, l.rank = 0;
                }
                cabs[c].list.push_back(l);
            }
        }
    }

    const uint32_t fe = layout->folderEntrySize(), bh = layout->blockHeaderSize();
    for (size_t c = 0; c < cabs.size(); ++c) {
        Cab& cab = cabs[c];
        std::stable_sort(cab.list.begin(), cab.list.end(),
                         [](const Cab::Listing& a, const Cab::Listing& b) { return a.rank < b.rank; });
        if (cab.list.size() > 0xFFFF) return fail("more than 65535 files in one cabinet");
        if (cab.folders.size() > 0xFFFF) return fail("more than 65535 folders in one cabinet");
        for (const CabFolder& cf : cab.folders)
            if (cf.pieces.size() > 0xFFFF) return fail("more than 65535 blocks in one folder");

        const bool hasPrev = c > 0, hasNext = c + 1 < cabs.size();
        uint64_t filesBytes = 0;
        for (const Cab::Listing& l : cab.list) filesBytes += 16 + entries[l.entry].name.size() + 1;
        uint64_t pos = layout->Overhead(c, hasNext);
        const uint64_t firstFileOffset = pos + uint64_t(cab.folders.size()) * fe;
        uint64_t blockPos = firstFileOffset + filesBytes;
        uint64_t total = blockPos;
        for (const CabFolder& cf : cab.folders)
            for (const Piece& p : cf.pieces) total += bh + p.size;
        if (total > 0xFFFFFFFFull) return fail("cabinet larger than 4 GiB");
        if (options.maxCabinetSize && total > options.maxCabinetSize)
            return fail("internal: cabinet exceeds its maximum size");

        std::vector<uint8_t> out;
        out.reserve(size_t(total));
        out.insert(out.end(), {'M', 'S', 'C', 'F'});
        Put32(out, 0);
        Put32(out, uint32_t(total));
        Put32(out, 0);
        Put32(out, uint32_t(firstFileOffset));
        Put32(out, 0);
        out.push_back(3);
        out.push_back(1);
        Put16(out, uint32_t(cab.folders.size()));
        Put16(out, uint32_t(cab.list.size()));
        Put16(out, (hasPrev ? HasPrevious : 0) | (hasNext ? HasNext : 0) |
                       (layout->hasReserve() ? HasReserve : 0));
        Put16(out, options.setId);
        Put16(out, uint16_t(options.firstCabinetIndex + c));
        if (layout->hasReserve()) {
            Put16(out, options.headerReserve);
            out.push_back(options.folderReserve);
            out.push_back(options.blockReserve);
            out.insert(out.end(), options.headerReserve, options.reserveFill);
        }
        if (hasPrev) {
            PutString(out, CabName(options, c - 1));
            PutString(out, Expand(options.diskPattern, c - 1));
        }
        if (hasNext) {
            PutString(out, CabName(options, c + 1));
            PutString(out, Expand(options.diskPattern, c + 1));
        }
        for (const CabFolder& cf : cab.folders) {
            Put32(out, uint32_t(blockPos));
            Put16(out, uint32_t(cf.pieces.size()));
            Put16(out, folders[cf.folder].type);
            out.insert(out.end(), options.folderReserve, options.reserveFill);
            for (const Piece& p : cf.pieces) blockPos += bh + p.size;
        }
        for (const Cab::Listing& l : cab.list) {
            const Entry& e = entries[l.entry];
            Put32(out, uint32_t(e.data.size()));
            Put32(out, offsets[l.entry]);
            Put16(out, l.folderIndex);
            Put16(out, e.date);
            Put16(out, e.time);
            Put16(out, e.attributes);
            PutString(out, e.name);
        }
        for (const CabFolder& cf : cab.folders) {
            for (const Piece& p : cf.pieces) {
                const Block& block = folders[cf.folder].blocks[p.block];
                size_t at = out.size();
                Put32(out, 0);
                Put16(out, p.size);
                Put16(out, p.cutFirst ? 0 : block.usize);
                out.insert(out.end(), options.blockReserve, options.reserveFill);
                const uint8_t* d = block.bytes.data() + p.from;
                out.insert(out.end(), d, d + p.size);
                if (options.checksums) {
                    uint32_t sum = DataBlockChecksum(out.data() + at, 8 + options.blockReserve,
                                                     d, p.size);
                    for (int k = 0; k < 4; ++k) out[at + k] = uint8_t(sum >> (8 * k));
                }
            }
        }
        if (out.size() != total) return fail("internal: cabinet size mismatch");
        cabinets->push_back(Cabinet{CabName(options, c), std::move(out)});
    }
    return true;
}

std::vector<uint8_t> WriteCabinet(const std::vector<Entry>& entries, const Options& options) {
    Options one = options;
    one.maxCabinetSize = 0;
    std::vector<Cabinet> cabinets;
    std::string error;
    if (!WriteCabinets(entries, one, &cabinets, &error) || cabinets.size() != 1) return {};
    return std::move(cabinets[0].bytes);
}

}  // namespace cabwriter
