// Placeholder until the Lzx decoder lands: the reader sees null entries and
// fails folders of this method with DecoderFailed.
#include "decoder_contract.h"

const DecoderOps kLzxDecoderOps = {nullptr, nullptr, nullptr, nullptr};
