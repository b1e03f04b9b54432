// Data blocks and decoder dispatch.
//
// A folder's data is a run of data blocks, each a DataBlockHeader (8 bytes
// plus the block reserve area) and compressedSize bytes that decode to
// uncompressedSize bytes (at most 32768). A block cut at a cabinet's end is
// stored as two pieces: the first, at the end of the cabinet, carries
// uncompressedSize 0; the second is the first block of folder 0 of the next
// cabinet. Each piece has its own checksum; the pieces are joined in the
// input buffer and decoded as one block.
//
// Decoder state carries across the blocks of a folder (and across a cut into
// the next cabinet); the reader resets it before a folder's first block and
// replaces the decoder when the compression type changes. The output buffer
// holds the last decoded block and is changed only by decoding, so MSZIP can
// take its history from it.
//
// A stored folder has no history and no decoding: its blocks are read
// straight into the output buffer (the input buffer is the same memory),
// so a block costs no copy.
//
// A caller may supply the memory a block's data goes to (SetBlockBuffers):
// LZX and Quantum then decode into it, and stored blocks are read into it,
// both pieces of a cut block to the same place. MSZIP decodes in the output
// buffer, where its history is. `blockData` is where the current block is.
#include <string.h>

#include "cab_reader_state.h"

static const DecoderOps* OpsFor(unsigned method) {
    switch (method) {
        case MethodMszip:
            return &kMszipDecoderOps;
        case MethodQuantum:
            return &kQuantumDecoderOps;
        case MethodLzx:
            return &kLzxDecoderOps;
    }
    return nullptr;
}

static bool IsCodecMethod(unsigned method) {
    return method == MethodMszip || method == MethodQuantum || method == MethodLzx;
}

// The caller's memory for `size` bytes of a block, or `own` without it.
static uint8_t* BlockBuffer(CabReader* reader, uint32_t size, uint8_t* own) {
    uint8_t* supplied = reader->supply ? reader->supply(size) : nullptr;
    return supplied ? supplied : own;
}

static void FreeBuffers(CabReader* reader) {
    if (reader->outputBuffer && reader->outputBuffer != reader->inputBuffer)
        reader->free(reader->outputBuffer);
    if (reader->inputBuffer) reader->free(reader->inputBuffer);
    reader->inputBuffer = nullptr;
    reader->outputBuffer = nullptr;
    reader->blockData = nullptr;
}

bool ReadBlock(CabReader* reader, uint32_t heldOver) {
    // A folder without a decoder has no buffers to read into.
    CAB_CHECK(reader->inputBuffer, reader, UnsupportedCompression);
    uint32_t headerSize = reader->blockHeaderSize;
    CAB_CHECK(reader->read(reader->dataHandle, reader->blockHeader, headerSize) ==
                  (int32_t)headerSize,
              reader, Corrupt);
    DataBlockHeader block;
    ParseBlockHeader(reader->blockHeader, &block);
    CAB_CHECK(heldOver + block.compressedSize <= reader->maxCompressed, reader, Corrupt);
    uint8_t* buffer = reader->inputBuffer;
    if (CompressionMethod(reader->compressionType) == MethodStored) {
        // The second piece of a cut block joins the first where that went.
        if (heldOver == 0)
            reader->blockData = BlockBuffer(reader, reader->maxCompressed, reader->inputBuffer);
        buffer = reader->blockData;
    }
    uint8_t* data = buffer + heldOver;
    if (block.compressedSize > 0)
        CAB_CHECK(reader->read(reader->dataHandle, data, block.compressedSize) ==
                      (int32_t)block.compressedSize,
                  reader, Corrupt);
    if (block.checksum != 0)
        CAB_CHECK(DataBlockChecksum(reader->blockHeader, headerSize, data,
                                    block.compressedSize) == block.checksum,
                  reader, Corrupt);

    block.compressedSize = (uint16_t)(block.compressedSize + heldOver);
    WriteLe16(reader->blockHeader + 4, block.compressedSize);
    reader->block = block;

    if (reader->hook) {
        HookRecord* rec = &reader->hookRecord;
        rec->kind = HookKind::BlockRead;
        rec->user = reader->user;
        rec->reserveSize = (uint16_t)(headerSize - kBlockHeaderBaseSize);
        rec->reserve = rec->reserveSize ? reader->blockHeader + kBlockHeaderBaseSize : nullptr;
        rec->data = data;
        rec->dataSize = block.compressedSize;
        rec->split = (heldOver != 0 || block.uncompressedSize == 0) ? 1 : 0;
        rec->heldOver = (uint16_t)heldOver;
        CAB_CHECK(reader->hook(rec) != -1, reader, Aborted);
    }
    return true;
}

bool DecodeBlock(CabReader* reader) {
    unsigned method = CompressionMethod(reader->compressionType);
    uint32_t produced;
    if (method == MethodStored) {
        produced = reader->block.compressedSize;
        // ReadBlock bounded it by the input buffer, which is as large as the output.
        CAB_CHECK(produced <= reader->maxUncompressed, reader, DecoderFailed);
        if (reader->outputBuffer != reader->inputBuffer)
            memcpy(reader->outputBuffer, reader->inputBuffer, produced);
    } else if (IsCodecMethod(method)) {
        const DecoderOps* ops = OpsFor(method);
        CAB_CHECK(ops->decompress, reader, DecoderFailed);
        produced = method == MethodMszip ? reader->maxUncompressed : reader->block.uncompressedSize;
        // Never let a decoder write past the output buffer, whatever the header claims.
        CAB_CHECK(produced <= reader->maxUncompressed, reader, DecoderFailed);
        // Room for the largest output the decoder gives, as in the output buffer.
        reader->blockData = method == MethodMszip ? reader->outputBuffer
                                                  : BlockBuffer(reader, reader->maxUncompressed,
                                                                reader->outputBuffer);
        const bool drop = method == MethodLzx && (reader->flags & kExtractDropData);
        CodecResult result = ops->decompress(reader->decoder, reader->inputBuffer,
                                             reader->block.compressedSize,
                                             drop ? nullptr : reader->blockData, &produced);
        CAB_CHECK(result == CodecResult::Ok, reader, DecoderFailed);
        CAB_CHECK(produced <= reader->maxUncompressed, reader, DecoderFailed);
    } else {
        RecordError(reader, CabErrorCode::UnsupportedCompression, 0);
        return false;
    }
    CAB_CHECK((uint16_t)produced == reader->block.uncompressedSize, reader, DecoderFailed);
    return true;
}

bool ResetDecoder(CabReader* reader) {
    unsigned method = CompressionMethod(reader->compressionType);
    if (method == MethodStored || method == MethodNone) return true;
    CAB_CHECK(IsCodecMethod(method), reader, UnsupportedCompression);
    const DecoderOps* ops = OpsFor(method);
    CAB_CHECK(ops->reset && ops->reset(reader->decoder) == CodecResult::Ok, reader,
              DecoderFailed);
    return true;
}

bool DestroyDecoder(CabReader* reader) {
    unsigned method = CompressionMethod(reader->compressionType);
    if (method == MethodNone) return true;
    if (method == MethodStored) {
        FreeBuffers(reader);
        return true;
    }
    CAB_CHECK(IsCodecMethod(method), reader, UnsupportedCompression);
    const DecoderOps* ops = OpsFor(method);
    CAB_CHECK(ops->destroy && ops->destroy(reader->decoder) == CodecResult::Ok, reader,
              DecoderFailed);
    reader->decoder = nullptr;
    FreeBuffers(reader);
    return true;
}

bool CreateDecoder(CabReader* reader) {
    unsigned method = CompressionMethod(reader->compressionType);
    const DecoderOps* ops = OpsFor(method);
    QuantumParams quantum = {(int)CompressionWindowBits(reader->compressionType),
                             reader->processorHint};
    LzxConfig lzx = {1u << CompressionWindowBits(reader->compressionType)};
    const void* params = method == MethodQuantum ? (const void*)&quantum
                         : method == MethodLzx   ? (const void*)&lzx
                                                 : nullptr;
    CodecFileIo files = {reader->open, reader->read, reader->write, reader->close, reader->seek};
    CodecResult result;
    CabErrorCode failure;

    reader->maxUncompressed = kStoredBufferSize;
    if (method == MethodNone) return true;
    if (method == MethodStored) {
        reader->maxCompressed = kStoredBufferSize;
    } else if (IsCodecMethod(method)) {
        failure = CabErrorCode::DecoderFailed;
        if (!ops->create) goto fail;
        result = ops->create(&reader->maxUncompressed, params, nullptr, nullptr,
                             &reader->maxCompressed, nullptr, nullptr);
        if (result != CodecResult::Ok) goto fail;
        // The walk addresses blocks with 16-bit sizes; a decoder asking for
        // more than a block can hold is broken.
        if (reader->maxUncompressed == 0 || reader->maxUncompressed > kStoredBufferSize ||
            reader->maxCompressed > 0xFFFF)
            goto fail;
    } else {
        failure = CabErrorCode::UnsupportedCompression;
        goto fail;
    }

    failure = CabErrorCode::NoMemory;
    reader->inputBuffer = (uint8_t*)reader->alloc(reader->maxCompressed);
    if (!reader->inputBuffer) goto fail;
    reader->outputBuffer = method == MethodStored
                               ? reader->inputBuffer
                               : (uint8_t*)reader->alloc(reader->maxUncompressed);
    if (!reader->outputBuffer) goto fail;
    reader->blockData = reader->outputBuffer;
    // Nothing may read these before they are written: a reference to history
    // before a folder's first byte reads zeros, never stale memory.
    memset(reader->inputBuffer, 0, reader->maxCompressed);
    memset(reader->outputBuffer, 0, reader->maxUncompressed);

    if (IsCodecMethod(method)) {
        result = ops->create(&reader->maxUncompressed, params, reader->alloc, reader->free,
                             &reader->maxCompressed, &reader->decoder,
                             method == MethodMszip ? nullptr : &files);
        if (result != CodecResult::Ok) {
            failure = result == CodecResult::OutOfMemory ? CabErrorCode::NoMemory
                                                         : CabErrorCode::DecoderFailed;
            reader->decoder = nullptr;
            goto fail;
        }
    }
    return true;

fail:
    FreeBuffers(reader);
    reader->compressionType = MethodNone;
    RecordError(reader, failure, 0);
    return false;
}

bool SwitchCompression(CabReader* reader, uint16_t compressionType) {
    if (compressionType == reader->compressionType) return true;
    if (!DestroyDecoder(reader)) {
        RecordError(reader, CabErrorCode::DecoderFailed, 0);
        return false;
    }
    reader->compressionType = compressionType;
    return CreateDecoder(reader);
}
