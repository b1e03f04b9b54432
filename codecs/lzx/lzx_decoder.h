// LZX decoder: the cabinet's LZX method, one frame (data block) per call.
//
// Usage: LzxCreate once (first as a size query with a null handle pointer),
// LzxReset before the first data block of every folder, LzxDecompress for
// each data block in order, LzxDestroy at the end. The window, repeated
// offsets, code lengths, the LZX block in progress and the E8 translation
// state carry over from one data block to the next; only the bit reader
// starts afresh with each block. Memory comes only from the alloc given to
// LzxCreate, and nothing is allocated after it.
#ifndef STUB_CODECS_LZX_DECODER_H
#define STUB_CODECS_LZX_DECODER_H

#include <stdint.h>

#include "decoder_contract.h"

struct LzxDecoder;

// maxOutput: the largest output of one decompress (32768 from the reader),
// kept unchanged. maxInput receives maxOutput + 6144. A null handle pointer
// makes this a size query that validates and allocates nothing. Window sizes
// are 2^15 to 2^21: a size that is not a power of two fails with
// OutOfMemory, another power of two with BadParameters. The five file
// functions are kept and never called.
CodecResult LzxCreate(uint32_t* maxOutput, const LzxConfig* config, CabAllocFn alloc,
                      CabFreeFn release, uint32_t* maxInput, LzxDecoder** handle, CabOpenFn open,
                      CabReadFn read, CabWriteFn write, CabCloseFn close, CabSeekFn seek);

// Decodes one frame: *outputSize bytes (at most maxOutput) from the
// inputSize bytes at input into output. On BadData *outputSize becomes 0.
CodecResult LzxDecompress(LzxDecoder* decoder, const uint8_t* input, uint32_t inputSize,
                          uint8_t* output, uint32_t* outputSize);

// Starts a new stream (a new folder).
CodecResult LzxReset(LzxDecoder* decoder);

// Releases the window, the state and the handle.
CodecResult LzxDestroy(LzxDecoder* decoder);

// Frame scans: decoding a later frame's codes ahead, on another thread,
// while the decoder works on earlier frames. Every frame's bits start at its
// first byte, and a frame that lies inside a block whose trees are known
// can be scanned without the window: its literals are placed in an image
// of the frame and its matches listed. The decoder then only copies them.
//
// LzxScanLoad copies what a decoder that is between two frames (no call
// running) holds of its block: the trees, the block's bytes left and the
// window position. LzxScanFrame, on any thread, scans the frame that starts
// `skip` bytes after the decoder's next frame; it needs nothing but the scan
// itself and the frame's input, which must stay unchanged until the frame is
// decoded. LzxDecompressScanned decodes like LzxDecompress, but takes the
// scan instead of decoding the codes when it is one of exactly this frame as
// the decoder stands (same trees, place in the block and the window, size
// and input bytes); *used tells whether it did. Result, output and the state
// left are always those of LzxDecompress.
//
// Scans exist in the 64-bit builds with the fast loop; elsewhere
// LzxScanCreate fails with BadParameters and callers simply decode.
struct LzxScan;

// Allocates a scan (about 250 KiB) from alloc.
CodecResult LzxScanCreate(CabAllocFn alloc, CabFreeFn release, LzxScan** scan);
CodecResult LzxScanDestroy(LzxScan* scan);
// Copies the decoder's block state; the trees only when they changed since
// the last load from the same decoder.
CodecResult LzxScanLoad(LzxScan* scan, const LzxDecoder* decoder);
// Scans count bytes from the inputSize bytes at input. BadParameters when
// the frame cannot be scanned ahead (it is not wholly inside the loaded
// verbatim or aligned-offset block, or it starts at the window's start),
// BadData when its codes do not decode. Either way the decoder decodes that
// frame itself.
CodecResult LzxScanFrame(LzxScan* scan, uint32_t skip, const uint8_t* input, uint32_t inputSize,
                         uint32_t count);
CodecResult LzxDecompressScanned(LzxDecoder* decoder, const LzxScan* scan, const uint8_t* input,
                                 uint32_t inputSize, uint8_t* output, uint32_t* outputSize,
                                 int* used);

#endif
