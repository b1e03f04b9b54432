// Running build/cabx on cabinets the writer makes.
#ifndef STUB_TESTS_CABX_SUPPORT_H
#define STUB_TESTS_CABX_SUPPORT_H

#include "cab_writer.h"
#include "peer_tools.h"

namespace cabxtest {

// Whether this build runs under AddressSanitizer, which needs far more
// address space and time than a plain build: limits the tests set on cabx
// are loosened (or the check skipped) there.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

inline bool Contains(const std::string& hay, const std::string& needle) {
    return hay.find(needle) != std::string::npos;
}

inline std::vector<uint8_t> Bytes(const std::string& s) {
    return std::vector<uint8_t>(s.begin(), s.end());
}

inline peer::RunResult Cabx(const std::string& args) {
    return peer::Run(peer::Quote(std::string(STUB_BINARY_DIR) + "/cabx") + " " + args);
}

inline cabwriter::Entry MakeEntry(const std::string& name, std::vector<uint8_t> data,
                                  uint16_t attributes = 0x20, unsigned folder = 0) {
    cabwriter::Entry e;
    e.name = name;
    e.data = std::move(data);
    e.attributes = attributes;
    e.folder = folder;
    return e;
}

// Writes the cabinets into dir; returns the first one's path.
inline std::string WriteSet(const peer::TempDir& dir, const std::vector<cabwriter::Entry>& es,
                            const cabwriter::Options& o) {
    std::vector<cabwriter::Cabinet> cabs;
    std::string error;
    if (!cabwriter::WriteCabinets(es, o, &cabs, &error)) return "";
    for (const auto& c : cabs) peer::WriteFile(dir.path() / c.name, c.bytes);
    return dir / cabs[0].name;
}

inline std::string WriteOne(const peer::TempDir& dir, const std::string& name,
                            const std::vector<cabwriter::Entry>& es,
                            const cabwriter::Options& o = cabwriter::Options()) {
    peer::WriteFile(dir.path() / name, cabwriter::WriteCabinet(es, o));
    return dir / name;
}

}  // namespace cabxtest

#endif
