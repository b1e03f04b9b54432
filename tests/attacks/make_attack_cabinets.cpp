// Writes the hostile cabinets under tests/attacks/inputs, one or more per
// class of attack known from other cabinet readers. They are built here
// record by record, with nothing shared with the writer, so that every
// field can lie: counts, offsets, sizes, reserves, names and the
// compressed streams themselves.
//
//   make_attack_cabinets DIR
//   make_attack_cabinets --bomb FILE FRAMES FILES
//
// The files are kept in the repository; this program is how they were
// made and how to make more. --bomb writes an output bomb (too large to
// keep): one MSZIP folder of FRAMES frames of 32 KiB of zeros, about 220
// bytes each, shared out among FILES files.
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <random>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

void Put16(Bytes& b, uint32_t v) {
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}
void Put32(Bytes& b, uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}
void Set32(Bytes& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = uint8_t(v >> (8 * i));
}
void Set16(Bytes& b, size_t at, uint32_t v) {
    b[at] = uint8_t(v);
    b[at + 1] = uint8_t(v >> 8);
}

struct Block {
    Bytes data;
    uint32_t uncompressed;  // the size the block claims to decode to
};
struct Folder {
    uint16_t type = 0;  // 0 stored, 1 MSZIP, 2 | bits << 8 Quantum, 3 | bits << 8 LZX
    std::vector<Block> blocks;
    int shareBlocksOf = -1;  // points at another folder's blocks instead of its own
};
struct File {
    std::string name;  // raw bytes; the terminator is added unless unterminated
    uint32_t size, offset;
    uint16_t folder;
    uint16_t attributes = 0x20;
    bool unterminated = false;
};
struct Cabinet {
    std::vector<Folder> folders;
    std::vector<File> files;
    uint16_t headerReserve = 0;
    uint8_t folderReserve = 0, blockReserve = 0;
    bool reserveFlag = false;
};

// Header fields, by offset, that a test overwrites after layout.
constexpr size_t kCabinetSize = 8, kFirstFile = 16, kFolderCount = 26, kFileCount = 28;

// Lays a cabinet out: header, reserve, folders, files, then each folder's
// data blocks (checksums 0: not checked).
Bytes Build(const Cabinet& c) {
    Bytes b;
    b.insert(b.end(), {'M', 'S', 'C', 'F'});
    Put32(b, 0);
    Put32(b, 0);  // size, set below
    Put32(b, 0);
    Put32(b, 0);  // first file, set below
    Put32(b, 0);
    b.push_back(3);
    b.push_back(1);
    Put16(b, uint16_t(c.folders.size()));
    Put16(b, uint16_t(c.files.size()));
    Put16(b, c.reserveFlag ? 4 : 0);
    Put16(b, 0x1234);  // set id
    Put16(b, 0);       // index in the set
    if (c.reserveFlag) {
        Put16(b, c.headerReserve);
        b.push_back(c.folderReserve);
        b.push_back(c.blockReserve);
        b.insert(b.end(), c.headerReserve, 0xAA);
    }
    std::vector<size_t> folderAt;
    for (const Folder& f : c.folders) {
        folderAt.push_back(b.size());
        Put32(b, 0);
        const Folder& owner = f.shareBlocksOf >= 0 ? c.folders[f.shareBlocksOf] : f;
        Put16(b, uint16_t(owner.blocks.size()));
        Put16(b, f.type);
        b.insert(b.end(), c.folderReserve, 0xBB);
    }
    Set32(b, kFirstFile, uint32_t(b.size()));
    for (const File& f : c.files) {
        Put32(b, f.size);
        Put32(b, f.offset);
        Put16(b, f.folder);
        Put16(b, 0x5A21);  // 2025-01-01
        Put16(b, 0x6000);  // 12:00:00
        Put16(b, f.attributes);
        b.insert(b.end(), f.name.begin(), f.name.end());
        if (!f.unterminated) b.push_back(0);
    }
    std::vector<uint32_t> dataAt(c.folders.size());
    for (size_t i = 0; i < c.folders.size(); ++i) {
        if (c.folders[i].shareBlocksOf >= 0) continue;
        dataAt[i] = uint32_t(b.size());
        for (const Block& k : c.folders[i].blocks) {
            Put32(b, 0);
            Put16(b, uint16_t(k.data.size()));
            Put16(b, uint16_t(k.uncompressed));
            b.insert(b.end(), c.blockReserve, 0xCC);
            b.insert(b.end(), k.data.begin(), k.data.end());
        }
    }
    for (size_t i = 0; i < c.folders.size(); ++i) {
        int owner = c.folders[i].shareBlocksOf >= 0 ? c.folders[i].shareBlocksOf : int(i);
        Set32(b, folderAt[i], dataAt[owner]);
    }
    Set32(b, kCabinetSize, uint32_t(b.size()));
    return b;
}

// One stored folder holding the given contents back to back, one file each.
Cabinet StoredFiles(const std::vector<std::pair<std::string, std::string>>& files,
                    uint16_t attributes = 0x20) {
    Cabinet c;
    Folder f;
    Block k;
    uint32_t offset = 0;
    for (const auto& e : files) {
        k.data.insert(k.data.end(), e.second.begin(), e.second.end());
        c.files.push_back(File{e.first, uint32_t(e.second.size()), offset, 0, attributes});
        offset += uint32_t(e.second.size());
    }
    k.uncompressed = uint32_t(k.data.size());
    f.blocks.push_back(k);
    c.folders.push_back(f);
    return c;
}

// DEFLATE bits, least significant first; Huffman codes go in from their
// top bit.
struct DeflateBits {
    Bytes out;
    uint32_t acc = 0;
    int n = 0;
    void Bits(uint32_t v, int count) {
        for (int i = 0; i < count; ++i) Bit(v >> i & 1);
    }
    void Code(uint32_t code, int len) {
        for (int i = len - 1; i >= 0; --i) Bit(code >> i & 1);
    }
    void Bit(uint32_t b) {
        acc |= b << n;
        if (++n == 8) {
            out.push_back(uint8_t(acc));
            acc = 0;
            n = 0;
        }
    }
    Bytes Take() {
        if (n) out.push_back(uint8_t(acc));
        return out;
    }
    // Fixed-code literal or end (0..287).
    void Fixed(uint32_t sym) {
        if (sym < 144) Code(0x30 + sym, 8);
        else if (sym < 256) Code(0x190 + sym - 144, 9);
        else if (sym < 280) Code(sym - 256, 7);
        else Code(0xC0 + sym - 280, 8);
    }
};

// LZX bits: 16-bit little-endian words filled from their top bit.
struct LzxBits {
    Bytes out;
    uint32_t word = 0;
    int n = 0;
    void Bits(uint32_t v, int count) {
        for (int i = count - 1; i >= 0; --i) {
            word = word << 1 | (v >> i & 1);
            if (++n == 16) Flush();
        }
    }
    void Flush() {
        Put16(out, word & 0xFFFF);
        word = 0;
        n = 0;
    }
    void Align() {
        while (n) Bits(0, 1);
    }
};

void Write(const std::string& dir, const std::string& name, const Bytes& b) {
    std::string path = dir + "/" + name;
    FILE* f = fopen(path.c_str(), "wb");
    if (!f || fwrite(b.data(), 1, b.size(), f) != b.size() || fclose(f) != 0) {
        fprintf(stderr, "cannot write %s\n", path.c_str());
        exit(1);
    }
}

}  // namespace

// One MSZIP frame of 32768 zeros: a literal, 127 matches of 258 at
// distance 1, another literal and the end code, in one final fixed block.
Bytes ZeroFrame() {
    DeflateBits d;
    d.Bits(1, 1);
    d.Bits(1, 2);
    d.Fixed(0);
    for (int i = 0; i < 127; ++i) {
        d.Fixed(285);
        d.Code(0, 5);
    }
    d.Fixed(0);
    d.Fixed(256);
    Bytes frame = {'C', 'K'};
    Bytes bits = d.Take();
    frame.insert(frame.end(), bits.begin(), bits.end());
    return frame;
}

int Bomb(const std::string& path, uint32_t frames, uint32_t files) {
    if (frames == 0 || frames > 65535 || files == 0 || files > frames) return 2;
    Cabinet c;
    Folder f{1, {}};
    Bytes frame = ZeroFrame();
    for (uint32_t i = 0; i < frames; ++i) f.blocks.push_back(Block{frame, 32768});
    c.folders.push_back(f);
    uint64_t total = uint64_t(frames) * 32768, each = total / files;
    for (uint32_t i = 0; i < files; ++i)
        c.files.push_back(File{"bomb" + std::to_string(i), uint32_t(each), uint32_t(each * i), 0});
    size_t slash = path.rfind('/');
    Write(slash == std::string::npos ? "." : path.substr(0, slash),
          slash == std::string::npos ? path : path.substr(slash + 1), Build(c));
    return 0;
}

int main(int argc, char** argv) {
    if (argc == 5 && std::string(argv[1]) == "--bomb")
        return Bomb(argv[2], uint32_t(atol(argv[3])), uint32_t(atol(argv[4])));
    if (argc != 2) {
        fprintf(stderr, "usage: make_attack_cabinets DIR\n");
        return 2;
    }
    const std::string dir = argv[1];

    // ---- Names ----
    // Climbing out by "..", absolute and drive paths, mixed separators, a
    // UNC path, and overlong UTF-8 encodings of '.' and '/' (not valid
    // UTF-8, so taken as Windows-1252 bytes).
    Write(dir, "path-traversal.cab",
          Build(StoredFiles({{"..\\..\\..\\evil-dotdot", "1"},
                             {"\\abs\\evil-absolute", "2"},
                             {"/abs2/evil-slash-absolute", "3"},
                             {"C:\\evil-drive", "4"},
                             {"c:..\\evil-drive-relative", "5"},
                             {"sub/..\\../\\evil-mixed", "6"},
                             {"\\\\server\\share\\evil-unc", "7"},
                             {"\xC0\xAE\xC0\xAE/evil-overlong-dots", "8"},
                             {"a\xC0\xAF" "evil-overlong-slash", "9"}},
                            0xA0)));
    // A file that replaces a symbolic link in the destination, then one
    // whose directory is a symbolic link there (the test plants both).
    Write(dir, "symlink-in-destination.cab",
          Build(StoredFiles({{"link-file", "replaces the link"}, {"link-dir\\planted", "must not land"}})));
    // Control bytes become '_'; an embedded NUL ends the name, and what
    // follows it is read as the next entry.
    Write(dir, "control-bytes-in-names.cab",
          Build(StoredFiles({{"ctl\x01\x1f\x7fname", "a"}, {"tab\tand\nnewline", "b"}})));
    {
        // After the NUL: a whole entry, smuggled into the list by a header
        // that counts three files.
        Cabinet c = StoredFiles({{"before", "first"}, {"cut", "second"}});
        Bytes hidden;
        Put32(hidden, 3);
        Put32(hidden, 0);
        Put16(hidden, 0);
        Put16(hidden, 0x5A21);
        Put16(hidden, 0x6000);
        Put16(hidden, 0x20);
        c.files[1].name = std::string("cut", 4) + std::string(hidden.begin(), hidden.end()) +
                          "..\\smuggled";
        Bytes b = Build(c);
        Set16(b, kFileCount, 3);
        Write(dir, "nul-in-name.cab", b);
        Cabinet e = StoredFiles({{"", "x"}});
        Write(dir, "empty-name.cab", Build(e));
    }
    {
        Cabinet c = StoredFiles({{"ok", "fine"}, {"runs-to-the-end-of-the-file", "x"}});
        c.files[1].unterminated = true;
        c.folders.clear();  // no data after the list: the name is the last thing
        c.files[0].size = c.files[1].size = 0;
        Write(dir, "name-without-terminator-at-eof.cab", Build(c));
    }
    {
        // 127 levels: the deepest a 255-byte name can go.
        std::string name;
        while (name.size() + 2 < 254) name += "d\\";
        name += "f";
        Write(dir, "deep-directory-nesting.cab", Build(StoredFiles({{name, "deep"}})));
    }

    // ---- MSZIP ----
    {
        // A fixed-code block that never ends: a literal and then matches of
        // 258 at distance 1, far past the 32 KiB a frame may hold.
        DeflateBits d;
        d.Bits(0, 1);
        d.Bits(1, 2);
        d.Fixed('a');
        for (int i = 0; i < 200; ++i) {
            d.Fixed(285);
            d.Code(0, 5);
        }
        Bytes data = {'C', 'K'};
        Bytes bits = d.Take();
        data.insert(data.end(), bits.begin(), bits.end());
        Cabinet c;
        c.folders.push_back(Folder{1, {Block{data, 32768}}});
        c.files.push_back(File{"endless", 32768, 0, 0});
        Write(dir, "mszip-endless-stream.cab", Build(c));

        // A stored block that claims 65535 bytes and holds ten, and a
        // fixed-code block cut off before its end code: both read past the
        // data they were given unless the decoder stops them.
        DeflateBits s;
        s.Bits(1, 1);
        s.Bits(0, 2);
        Bytes stored = {'C', 'K'};
        Bytes head = s.Take();
        stored.insert(stored.end(), head.begin(), head.end());
        Put16(stored, 0xFFFF);
        Put16(stored, 0x0000);
        stored.insert(stored.end(), 10, 'z');
        DeflateBits t;
        t.Bits(1, 1);
        t.Bits(1, 2);
        for (char ch : std::string("cut short")) t.Fixed(uint8_t(ch));
        Bytes cut = {'C', 'K'};
        Bytes tb = t.Take();
        cut.insert(cut.end(), tb.begin(), tb.end());
        Cabinet o;
        o.folders.push_back(Folder{1, {Block{stored, 32768}}});
        o.folders.push_back(Folder{1, {Block{cut, 100}}});
        o.files.push_back(File{"overread-stored", 32768, 0, 0});
        Write(dir, "mszip-overreading-stored.cab", Build(o));
        o.files[0] = File{"overread-fixed", 100, 0, 1};
        Write(dir, "mszip-overreading-fixed.cab", Build(o));
    }

    // ---- Quantum: the largest window (2^21) and block (32 KiB) ----
    {
        std::mt19937 rng(21);
        Bytes noise(32768 + 6144);
        for (auto& x : noise) x = uint8_t(rng());
        Cabinet c;
        c.folders.push_back(Folder{uint16_t(2 | 21 << 8), {Block{noise, 32768}, Block{noise, 32768}}});
        c.files.push_back(File{"quantum-noise", 65536, 0, 0});
        Write(dir, "quantum-largest-window-and-block.cab", Build(c));
        Cabinet z;
        z.folders.push_back(Folder{uint16_t(2 | 21 << 8), {Block{Bytes(32768, 0), 32768}}});
        z.files.push_back(File{"quantum-zeros", 32768, 0, 0});
        Write(dir, "quantum-largest-block-zeros.cab", Build(z));
    }

    // ---- LZX ----
    {
        // An uncompressed LZX block of two frames and a bit, with E8 call
        // translation on; 0xE8 bytes sit at every offset around the end of
        // each frame (where translation must stop) and inside it.
        const uint32_t total = 2 * 32768 + 4000;
        Bytes raw(total);
        std::mt19937 rng(8);
        for (auto& x : raw) x = uint8_t(rng() % 200);
        for (uint32_t frame = 0; frame < 3; ++frame) {
            uint32_t end = std::min(total, (frame + 1) * 32768);
            for (uint32_t back = 1; back <= 16; ++back)
                if (end >= back) raw[end - back] = 0xE8;
            for (uint32_t at = frame * 32768 + 50; at + 30 < end; at += 997) {
                raw[at] = 0xE8;  // operands: positive, negative, out of range
                uint32_t v = at % 3 == 0 ? at + 1000 : at % 3 == 1 ? uint32_t(-int32_t(at / 2)) : 0x7FFFFFF0;
                Set32(raw, at + 1, v);
            }
        }
        LzxBits h;
        h.Bits(1, 1);  // E8 translation, size 12000000
        h.Bits(12000000 >> 16, 16);
        h.Bits(12000000 & 0xFFFF, 16);
        h.Bits(3, 3);  // uncompressed
        h.Bits(total, 24);
        h.Align();
        Bytes first = h.out;
        for (int r = 0; r < 3; ++r) Put32(first, 1);
        Cabinet c;
        Folder f{uint16_t(3 | 17 << 8), {}};
        uint32_t at = 0;
        for (uint32_t frame = 0; at < total; ++frame) {
            uint32_t n = std::min<uint32_t>(32768, total - at);
            Bytes data = frame == 0 ? first : Bytes();
            data.insert(data.end(), raw.begin() + at, raw.begin() + at + n);
            f.blocks.push_back(Block{data, n});
            at += n;
        }
        c.folders.push_back(f);
        c.files.push_back(File{"e8-frame-ends", total, 0, 0});
        Write(dir, "lzx-e8-at-frame-ends.cab", Build(c));

        // A data block that claims more than a frame (32 KiB) of output,
        // in an uncompressed LZX block that really holds that much.
        Cabinet big;
        LzxBits g;
        g.Bits(0, 1);
        g.Bits(3, 3);
        g.Bits(40000, 24);
        g.Align();
        Bytes over = g.out;
        for (int r = 0; r < 3; ++r) Put32(over, 1);
        over.insert(over.end(), 40000, 'L');
        big.folders.push_back(Folder{uint16_t(3 | 16 << 8), {Block{over, 40000}}});
        big.files.push_back(File{"frame-over-32k", 40000, 0, 0});
        Write(dir, "lzx-frame-over-32k.cab", Build(big));

        // An LZX block whose declared size runs past the folder's frames:
        // the block says 100000 bytes, the folder has one frame of 32768.
        Cabinet past;
        LzxBits p;
        p.Bits(0, 1);
        p.Bits(3, 3);
        p.Bits(100000, 24);
        p.Align();
        Bytes pb = p.out;
        for (int r = 0; r < 3; ++r) Put32(pb, 1);
        pb.insert(pb.end(), 32768, 'P');
        past.folders.push_back(Folder{uint16_t(3 | 16 << 8), {Block{pb, 32768}}});
        past.files.push_back(File{"block-above-frames", 65536, 0, 0});
        Write(dir, "lzx-block-larger-than-its-frames.cab", Build(past));
    }

    // ---- Header fields and counts ----
    {
        Cabinet c = StoredFiles({{"a", "alpha"}, {"b", "beta"}});
        Bytes b = Build(c);
        Bytes files = b;
        Set32(files, kFirstFile, 0x7FFFFFF0);
        Write(dir, "file-list-past-eof.cab", files);
        Bytes folder = b;
        Set32(folder, 36, 0x10000000);  // folder 0's first block
        Write(dir, "folder-data-past-eof.cab", folder);
        Bytes size = b;
        Set32(size, kCabinetSize, 0xFFFFFFFF);
        Write(dir, "cabinet-size-4gib.cab", size);

        // A file of 4 GiB - 1 in a 1 KiB cabinet, and a file that runs
        // past the end of its folder's data.
        Cabinet huge = StoredFiles({{"huge", std::string(100, 'h')}});
        huge.files[0].size = 0xFFFFFFFF;
        Write(dir, "file-size-4gib.cab", Build(huge));
        Cabinet over = StoredFiles({{"fits", "0123456789"}, {"past", "x"}});
        over.files[1].offset = 5;
        over.files[1].size = 1000;
        Write(dir, "file-past-folder-end.cab", Build(over));

        // 65535 folders and 65535 files claimed, a few present.
        Bytes counts = Build(StoredFiles({{"one", std::string(600, 'c')}}));
        Set16(counts, kFolderCount, 0xFFFF);
        Set16(counts, kFileCount, 0xFFFF);
        Write(dir, "huge-counts.cab", counts);
        Bytes files2 = Build(StoredFiles({{"one", std::string(600, 'c')}}));
        Set16(files2, kFileCount, 0xFFFF);
        Write(dir, "huge-file-count.cab", files2);
        // A folder claiming 65535 data blocks, one present.
        Bytes blocks = Build(StoredFiles({{"one", std::string(600, 'c')}}));
        Set16(blocks, 36 + 4, 0xFFFF);
        Write(dir, "huge-block-count.cab", blocks);

        // Reserve areas: the largest header reserve (64 KiB - 1) in a small
        // file, and the largest folder and block reserves honestly present.
        Cabinet r = StoredFiles({{"r", "reserved"}});
        r.reserveFlag = true;
        r.headerReserve = 60000;
        r.folderReserve = 255;
        r.blockReserve = 255;
        Write(dir, "huge-reserves.cab", Build(r));
        Bytes lying = Build(StoredFiles({{"r", "reserved"}}));
        // Turn the reserve flag on without making room: the reserve sizes
        // are read from the first folder's bytes.
        Set16(lying, 30, 4);
        Write(dir, "reserve-flag-without-reserve.cab", lying);
    }

    // ---- Overlaps ----
    {
        // Two folders over the same data blocks, and files that overlap
        // inside a folder: each reads its own bytes.
        Cabinet c = StoredFiles({{"whole", "0123456789abcdef"}});
        c.folders.push_back(Folder{0, {}, 0});
        c.files.push_back(File{"overlap-middle", 8, 4, 0});
        c.files.push_back(File{"other-folder", 6, 10, 1});
        c.files.push_back(File{"overlap-start", 4, 0, 1});
        Write(dir, "overlapping-folders-and-files.cab", Build(c));
    }
    return 0;
}
