// Cabinet writer: builds cabinets (and sets of cabinets) from a list of
// entries. Used by `cabx create`, `cabx sfx` and by the tests, which build
// every cabinet they read with it.
#ifndef STUB_WRITER_CAB_WRITER_H
#define STUB_WRITER_CAB_WRITER_H

#include <stdint.h>

#include <string>
#include <vector>

namespace cabwriter {

// Compression methods, the low four bits of a folder's CompressionType.
enum class Method : uint16_t { Stored = 0, Mszip = 1, Quantum = 2, Lzx = 3 };

// How one folder is compressed.
struct FolderSpec {
    Method method = Method::Stored;
    int level = 6;        // MSZIP: zlib level 0-9
    int windowBits = 21;  // Quantum 10-21, LZX 15-21
    // When non-zero, written as the folder's CompressionType instead of the
    // value derived from method and windowBits (tests of odd types).
    uint16_t rawCompressionType = 0;
};

struct Entry {
    std::string name;  // stored name, '\' separated; at most 255 bytes
    std::vector<uint8_t> data;
    uint16_t date = 0x5A21;  // MS-DOS date and time
    uint16_t time = 0x6000;
    uint16_t attributes = 0x20;
    unsigned folder = 0;  // index into Options::folders
};

struct Options {
    std::vector<FolderSpec> folders{FolderSpec{}};
    uint16_t headerReserve = 0;  // any non-zero reserve sets HasReserve
    uint8_t folderReserve = 0;
    uint8_t blockReserve = 0;
    bool forceReserveFlag = false;  // HasReserve with all three sizes 0
    // Bytes written into the reserve areas. Zero, so that a block's checksum
    // is the same whether or not a reader counts the block's reserve in it.
    uint8_t reserveFill = 0;
    bool checksums = true;          // false: every block's checksum is 0
    uint16_t setId = 0x1234;
    uint16_t firstCabinetIndex = 0;
    // 0: one cabinet. Otherwise each cabinet of the set is at most this many
    // bytes; folders run on into the next cabinet and blocks are cut.
    uint32_t maxCabinetSize = 0;
    // Name of cabinet i of a set (index from 0); "%d" is replaced by i + 1.
    std::string namePattern = "cab%d.cab";
    // When not empty, the name of the first cabinet (the others still
    // follow namePattern), so a set can begin with a name of the caller's.
    std::string firstName;
    std::string diskPattern = "disk%d";
    // Uncompressed bytes per data block (1 to 32768).
    uint32_t blockSize = 32768;
    // Sets only. A folder cut at a cabinet's end ends with the last file
    // whose data the cut block holds; the folder's later files go into a new
    // folder of the same kind. No file then begins in the part of a folder
    // that continues from a previous cabinet, and every file of a folder is
    // listed in the cabinet where the folder begins, which is what
    // extractors that join a set's folders before reading its lists need.
    // Long folders are also written as pieces of a few cabinets' worth of
    // input, so that the re-encoding after a cut stays short.
    bool closeFoldersAtCuts = false;
};

struct Cabinet {
    std::string name;
    std::vector<uint8_t> bytes;
};

// Writes the entries; on failure returns false and says why in *error.
bool WriteCabinets(const std::vector<Entry>& entries, const Options& options,
                   std::vector<Cabinet>* cabinets, std::string* error);

// One cabinet, no splitting (options.maxCabinetSize must be 0).
std::vector<uint8_t> WriteCabinet(const std::vector<Entry>& entries,
                                  const Options& options = Options());

// The folder's CompressionType word for a spec.
uint16_t CompressionTypeOf(const FolderSpec& spec);

}  // namespace cabwriter

#endif
