// Placeholder until the Lzx encoder lands.
#include "encoders.h"

namespace cabwriter {

bool EncodeLzx(const uint8_t*, size_t, const FolderSpec&, uint32_t, std::vector<EncodedBlock>*,
              std::string* error) {
    if (error) *error = "Lzx compression is not available yet";
    return false;
}

}  // namespace cabwriter
