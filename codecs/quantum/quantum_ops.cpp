// Placeholder until the Quantum decoder lands: the reader sees null entries and
// fails folders of this method with DecoderFailed.
#include "decoder_contract.h"

const DecoderOps kQuantumDecoderOps = {nullptr, nullptr, nullptr, nullptr};
