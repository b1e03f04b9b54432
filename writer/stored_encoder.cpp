// The stored method: each data block carries its bytes unchanged, so a
// block's compressed and uncompressed sizes are equal. Also the table that
// maps a method to its encoder.
#include "encoders.h"

namespace cabwriter {

bool EncodeStored(const uint8_t* data, size_t size, const FolderSpec&, uint32_t blockSize,
                  std::vector<EncodedBlock>* blocks, std::string* error) {
    if (blockSize == 0 || blockSize > 32768) {
        if (error) *error = "block size must be 1 to 32768 bytes";
        return false;
    }
    for (size_t pos = 0; pos < size; pos += blockSize) {
        size_t n = size - pos < blockSize ? size - pos : blockSize;
        EncodedBlock block;
        block.bytes.assign(data + pos, data + pos + n);
        block.uncompressedSize = static_cast<uint16_t>(n);
        blocks->push_back(std::move(block));
    }
    return true;
}

FolderEncoder EncoderFor(Method method) {
    switch (method) {
        case Method::Stored: return EncodeStored;
        case Method::Mszip: return EncodeMszip;
        case Method::Quantum: return EncodeQuantum;
        case Method::Lzx: return EncodeLzx;
    }
    return nullptr;
}

}  // namespace cabwriter
