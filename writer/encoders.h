// One encoder per compression method. An encoder turns a whole folder's
// data into a sequence of data blocks, each decoding to at most 32768 bytes;
// the writer then lays those blocks into cabinets (cutting them at cabinet
// boundaries when a set is split), so encoders know nothing of cabinets.
#ifndef STUB_WRITER_ENCODERS_H
#define STUB_WRITER_ENCODERS_H

#include <stdint.h>

#include <string>
#include <vector>

#include "cab_writer.h"

namespace cabwriter {

struct EncodedBlock {
    std::vector<uint8_t> bytes;  // the block's compressed data
    uint16_t uncompressedSize = 0;
};

// Encodes `size` bytes of one folder into blocks of at most `blockSize`
// uncompressed bytes (32768 for compressing methods). Returns false with a
// reason when the method is not available or the parameters are refused.
typedef bool (*FolderEncoder)(const uint8_t* data, size_t size, const FolderSpec& spec,
                              uint32_t blockSize, std::vector<EncodedBlock>* blocks,
                              std::string* error);

bool EncodeStored(const uint8_t* data, size_t size, const FolderSpec& spec, uint32_t blockSize,
                  std::vector<EncodedBlock>* blocks, std::string* error);
bool EncodeMszip(const uint8_t* data, size_t size, const FolderSpec& spec, uint32_t blockSize,
                 std::vector<EncodedBlock>* blocks, std::string* error);
bool EncodeQuantum(const uint8_t* data, size_t size, const FolderSpec& spec, uint32_t blockSize,
                   std::vector<EncodedBlock>* blocks, std::string* error);
bool EncodeLzx(const uint8_t* data, size_t size, const FolderSpec& spec, uint32_t blockSize,
               std::vector<EncodedBlock>* blocks, std::string* error);

// The encoder for a method, or null.
FolderEncoder EncoderFor(Method method);

}  // namespace cabwriter

#endif
