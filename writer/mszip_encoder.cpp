// Placeholder until the Mszip encoder lands.
#include "encoders.h"

namespace cabwriter {

bool EncodeMszip(const uint8_t*, size_t, const FolderSpec&, uint32_t, std::vector<EncodedBlock>*,
              std::string* error) {
    if (error) *error = "Mszip compression is not available yet";
    return false;
}

}  // namespace cabwriter
