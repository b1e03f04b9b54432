// What each build of a codec shows a differential fuzz target: one decoder,
// its calls, and the state it carries to the next call, flattened so that
// two builds can be compared byte for byte.
//
// A differential target compiles its codec twice into one program, once as
// built for this host (namespace fast) and once with only the portable paths
// (namespace portable, STUB_PORTABLE_CODECS), from the same sources. This
// header is included inside each of the two namespaces, so it includes
// nothing itself: <stddef.h>, <stdint.h>, <vector> and decoder_contract.h
// come first.

struct DiffDecoder;

// A decoder for `parameter` (LZX: window size; Quantum: window bits; MSZIP:
// unused) and maxOutput (in/out); null if create fails.
DiffDecoder* DiffCreate(uint32_t parameter, uint32_t* maxOutput);
CodecResult DiffDecompress(DiffDecoder* decoder, const uint8_t* input, uint32_t inputSize,
                           uint8_t* output, uint32_t* outputSize);
CodecResult DiffReset(DiffDecoder* decoder);
CodecResult DiffDestroy(DiffDecoder* decoder);
// Lists everything a later call may depend on (window, repeated offsets,
// models, block and reader state) as named regions of the decoder's memory,
// in the same order in both builds.
struct DiffRegion {
    const char* name;
    const void* data;
    size_t size;
};
void DiffCarriedState(const DiffDecoder* decoder, std::vector<DiffRegion>* state);
