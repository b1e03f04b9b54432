// cabx sfx and cabx info: making and inspecting self-extracting archives
// (stub, settings block, cabinet).
#ifndef STUB_TOOLS_CABX_SFX_COMMANDS_H
#define STUB_TOOLS_CABX_SFX_COMMANDS_H

#include <stdint.h>

#include <string>
#include <vector>

namespace cabx {

// The stub's fixed size: the settings block begins there.
constexpr uint32_t kSfxStubSize = 51712;

struct SfxSettingsSpec {
    std::string defaultFolder, openAfterExtract, messageCaption, messageText;
    int32_t messageKind = 0;  // 1 yes/no, 2 OK/cancel, other: information
    bool confirmOverwrite = false;
    bool showMessage = false;
};

// The settings block's bytes.
std::vector<uint8_t> SfxSettingsBlock(const SfxSettingsSpec& spec);

// Stub (padded to kSfxStubSize; false if larger), settings block, cabinet.
bool BuildSfx(const std::vector<uint8_t>& stub, const SfxSettingsSpec& spec,
              const std::vector<uint8_t>& cabinet, std::vector<uint8_t>* out,
              std::string* error);

// A readable account of an archive's settings block, cabinet, folders and
// files; false (with a reason) when no cabinet is found.
bool DescribeSfx(const std::string& path, std::string* text, std::string* error);

// The commands, given the arguments after their name.
int SfxCommand(int argc, char** argv);
int InfoCommand(int argc, char** argv);

}  // namespace cabx

#endif
