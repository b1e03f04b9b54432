// Placeholder until the Quantum encoder lands.
#include "encoders.h"

namespace cabwriter {

bool EncodeQuantum(const uint8_t*, size_t, const FolderSpec&, uint32_t, std::vector<EncodedBlock>*,
              std::string* error) {
    if (error) *error = "Quantum compression is not available yet";
    return false;
}

}  // namespace cabwriter
