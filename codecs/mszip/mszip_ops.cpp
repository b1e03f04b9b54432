// Placeholder until the Mszip decoder lands: the reader sees null entries and
// fails folders of this method with DecoderFailed.
#include "decoder_contract.h"

const DecoderOps kMszipDecoderOps = {nullptr, nullptr, nullptr, nullptr};
