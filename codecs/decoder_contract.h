// The contract every cabinet decoder meets (MSZIP, Quantum, LZX).
//
// A decoder is a handle plus four operations: create (with a size-query
// mode), decompress (one whole data block per call), reset (before the first
// block of a folder) and destroy. All memory comes from the caller's alloc
// and free; a decoder allocates only in create, never while decoding. The
// caller owns both data buffers: the input buffer holds one block's
// compressed bytes, the output buffer receives the decoded block and keeps
// its contents between calls (MSZIP takes its history from there).
//
// Every decoder has a portable path, the one the 32-bit stub compiles, and
// on 64-bit hosts faster paths beside it (wide bit buffers, vector search,
// reciprocals, load-time variants). Both give the same results and leave
// the same state. Defining STUB_PORTABLE_CODECS (the CMake option of that
// name) builds only the portable paths on any host.
//
// This header is shared by the reader and the codecs and depends on nothing
// but <stdint.h>, so that the codecs build without the reader.
#ifndef STUB_CODECS_DECODER_CONTRACT_H
#define STUB_CODECS_DECODER_CONTRACT_H

#include <stdint.h>

// The caller's callbacks, as the reader receives them (see CabIo).
typedef void* (*CabAllocFn)(uint32_t size);
typedef void (*CabFreeFn)(void* block);
typedef int32_t (*CabOpenFn)(const char* path, int flags, int mode);
typedef int32_t (*CabReadFn)(int32_t handle, void* buffer, uint32_t count);
typedef int32_t (*CabWriteFn)(int32_t handle, const void* buffer, uint32_t count);
typedef int (*CabCloseFn)(int32_t handle);
typedef int32_t (*CabSeekFn)(int32_t handle, int32_t offset, int origin);

// The five file callbacks the Quantum and LZX decoders receive at create and
// keep without ever calling them.
struct CodecFileIo {
    CabOpenFn open;
    CabReadFn read;
    CabWriteFn write;
    CabCloseFn close;
    CabSeekFn seek;
};

// Result of every decoder operation, generated from one list.
#define STUB_CODEC_RESULTS(X)                                                  \
    X(Ok, 0, "ok")                                                             \
    X(OutOfMemory, 1, "out of memory")                                         \
    X(BadHandle, 2, "bad decoder handle")                                      \
    X(BlockTooLarge, 3, "block too large")                                     \
    X(BadData, 4, "compressed data cannot be decoded")                         \
    X(BadParameters, 5, "bad decoder parameters")

enum class CodecResult : int32_t {
#define STUB_CODEC_ENUM(name, value, text) name = value,
    STUB_CODEC_RESULTS(STUB_CODEC_ENUM)
#undef STUB_CODEC_ENUM
};

// Words for a result, for messages; "unknown" for a value outside the list.
const char* CodecResultText(CodecResult result);

// Parameter record of the Quantum decoder.
struct QuantumParams {
    int windowBits;     // CompressionType bits 8-12; 10 to 21 accepted
    int processorHint;  // the reader's processorHint, unused by the decoder
};

// Parameter record of the LZX decoder.
struct LzxConfig {
    uint32_t windowSize;  // 1 << CompressionType bits 8-12
};

// One method's four operations, in the reader's dispatch table.
//
// create: maxOutput in/out; params is the method's parameter record (null
// for MSZIP); maxInput out; handle out, or null for a size query, in which
// case alloc, free and files may be null too. files is null for MSZIP.
// decompress: outputSize is in/out (MSZIP: maxUncompressed on entry;
// Quantum, LZX: the block's uncompressedSize), the bytes produced on return.
// LZX also takes a null output, and then decodes without delivering the bytes.
struct DecoderOps {
    CodecResult (*create)(uint32_t* maxOutput, const void* params, CabAllocFn alloc,
                          CabFreeFn free, uint32_t* maxInput, void** handle,
                          const CodecFileIo* files);
    CodecResult (*decompress)(void* handle, const uint8_t* input, uint32_t inputSize,
                              uint8_t* output, uint32_t* outputSize);
    CodecResult (*reset)(void* handle);
    CodecResult (*destroy)(void* handle);
};

// Each codec library defines its table. A codec that has not been written
// yet leaves its entries null; the reader then fails its folders cleanly.
extern const DecoderOps kMszipDecoderOps;
extern const DecoderOps kQuantumDecoderOps;
extern const DecoderOps kLzxDecoderOps;

#endif
