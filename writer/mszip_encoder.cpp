// The MSZIP method: each data block is "CK" followed by a complete raw
// DEFLATE stream (ending in a final block) for up to 32 KiB of the folder.
// The blocks of a folder share one history, so each block after the first
// is compressed with the preceding 32 KiB of folder data as zlib's preset
// dictionary, and its matches may reach back into the previous block.
#include <zlib.h>

#include <algorithm>

#include "encoders.h"

namespace cabwriter {
namespace {

const uint32_t kHistory = 32768;
// A block is at most its uncompressed size + 12 bytes, "CK" included.
const uint32_t kBlockSlack = 12;

// A block zlib could not fit: one final stored DEFLATE block, 7 bytes of
// framing around the data.
void StoredFrame(const uint8_t* data, uint32_t n, std::vector<uint8_t>* out) {
    out->assign({'C', 'K', 0x01, uint8_t(n), uint8_t(n >> 8), uint8_t(~n), uint8_t(~n >> 8)});
    out->insert(out->end(), data, data + n);
}

}  // namespace

bool EncodeMszip(const uint8_t* data, size_t size, const FolderSpec& spec, uint32_t blockSize,
                 std::vector<EncodedBlock>* blocks, std::string* error) {
    if (blockSize == 0 || blockSize > kHistory) {
        if (error) *error = "block size must be 1 to 32768 bytes";
        return false;
    }
    if (spec.level < 0 || spec.level > 9) {
        if (error) *error = "MSZIP level must be 0 to 9";
        return false;
    }
    z_stream z{};
    if (deflateInit2(&z, spec.level, Z_DEFLATED, -15, 9, Z_DEFAULT_STRATEGY) != Z_OK) {
        if (error) *error = "zlib: cannot initialise deflate";
        return false;
    }
    const uLong bound = deflateBound(&z, blockSize);
    std::vector<uint8_t> scratch(bound + 2);
    bool ok = true;
    for (size_t pos = 0; pos < size && ok; pos += blockSize) {
        const uint32_t n = uint32_t(std::min<size_t>(blockSize, size - pos));
        EncodedBlock block;
        block.uncompressedSize = uint16_t(n);
        ok = deflateReset(&z) == Z_OK;
        if (ok && pos > 0) {
            const size_t dictSize = std::min<size_t>(pos, kHistory);
            ok = deflateSetDictionary(&z, data + pos - dictSize, uInt(dictSize)) == Z_OK;
        }
        if (!ok) break;
        scratch[0] = 'C';
        scratch[1] = 'K';
        z.next_in = const_cast<Bytef*>(data + pos);
        z.avail_in = n;
        z.next_out = scratch.data() + 2;
        z.avail_out = uInt(scratch.size() - 2);
        const int rc = deflate(&z, Z_FINISH);
        const size_t produced = scratch.size() - z.avail_out;
        if (rc == Z_STREAM_END && produced <= n + kBlockSlack)
            block.bytes.assign(scratch.begin(), scratch.begin() + produced);
        else if (rc == Z_STREAM_END || rc == Z_OK || rc == Z_BUF_ERROR)
            StoredFrame(data + pos, n, &block.bytes);
        else
            ok = false;
        if (ok) blocks->push_back(std::move(block));
    }
    deflateEnd(&z);
    if (!ok && error) *error = "zlib: deflate failed";
    return ok;
}

}  // namespace cabwriter
