#include "decoder_contract.h"

const char* CodecResultText(CodecResult result) {
    switch (result) {
#define STUB_CODEC_CASE(name, value, text) \
    case CodecResult::name:                \
        return text;
        STUB_CODEC_RESULTS(STUB_CODEC_CASE)
#undef STUB_CODEC_CASE
    }
    return "unknown";
}
