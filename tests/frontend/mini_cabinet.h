// A small test-side cabinet builder: stored (uncompressed) folders laid out
// exactly as the test says, so that sets, spanning files and odd names can be
// made by hand without the writer.
#ifndef STUB_TESTS_FRONTEND_MINI_CABINET_H
#define STUB_TESTS_FRONTEND_MINI_CABINET_H

#include <stdint.h>

#include <algorithm>
#include <string>
#include <vector>

struct MiniFile {
    std::string name;
    uint32_t size = 0;
    uint32_t folderOffset = 0;
    uint16_t folder = 0;  // or 0xFFFD, 0xFFFE, 0xFFFF for spanning entries
    uint16_t date = 0x5A21;
    uint16_t time = 0x6000;
    uint16_t attributes = 0x20;
};

struct MiniCabinet {
    std::vector<std::vector<std::vector<uint8_t>>> folders;  // folder -> blocks
    std::vector<MiniFile> files;
    std::string previousCabinet, previousDisk, nextCabinet, nextDisk;
    uint16_t setId = 0x1234;
    uint16_t index = 0;
};

inline void PutU16(std::vector<uint8_t>* b, uint32_t v) {
    b->push_back((uint8_t)v);
    b->push_back((uint8_t)(v >> 8));
}
inline void PutU32(std::vector<uint8_t>* b, uint32_t v) {
    PutU16(b, v & 0xFFFF);
    PutU16(b, v >> 16);
}
inline void PutText(std::vector<uint8_t>* b, const std::string& s) {
    b->insert(b->end(), s.begin(), s.end());
    b->push_back(0);
}

inline std::vector<uint8_t> BuildMiniCabinet(const MiniCabinet& c) {
    uint16_t flags = 0;
    if (!c.previousCabinet.empty()) flags |= 1;
    if (!c.nextCabinet.empty()) flags |= 2;
    std::vector<uint8_t> names;
    if (flags & 1) PutText(&names, c.previousCabinet), PutText(&names, c.previousDisk);
    if (flags & 2) PutText(&names, c.nextCabinet), PutText(&names, c.nextDisk);
    uint32_t folderPos = 36 + (uint32_t)names.size();
    uint32_t filePos = folderPos + 8 * (uint32_t)c.folders.size();
    std::vector<uint8_t> list;
    for (const MiniFile& f : c.files) {
        PutU32(&list, f.size);
        PutU32(&list, f.folderOffset);
        PutU16(&list, f.folder);
        PutU16(&list, f.date);
        PutU16(&list, f.time);
        PutU16(&list, f.attributes);
        PutText(&list, f.name);
    }
    uint32_t dataPos = filePos + (uint32_t)list.size();
    std::vector<uint8_t> folders, data;
    for (const auto& blocks : c.folders) {
        PutU32(&folders, dataPos + (uint32_t)data.size());
        PutU16(&folders, (uint32_t)blocks.size());
        PutU16(&folders, 0);  // stored
        for (const auto& block : blocks) {
            PutU32(&data, 0);  // no checksum
            PutU16(&data, (uint32_t)block.size());
            PutU16(&data, (uint32_t)block.size());
            data.insert(data.end(), block.begin(), block.end());
        }
    }
    std::vector<uint8_t> out;
    out.insert(out.end(), {'M', 'S', 'C', 'F'});
    PutU32(&out, 0);
    PutU32(&out, dataPos + (uint32_t)data.size());
    PutU32(&out, 0);
    PutU32(&out, filePos);
    PutU32(&out, 0);
    out.push_back(3);
    out.push_back(1);
    PutU16(&out, (uint32_t)c.folders.size());
    PutU16(&out, (uint32_t)c.files.size());
    PutU16(&out, flags);
    PutU16(&out, c.setId);
    PutU16(&out, c.index);
    out.insert(out.end(), names.begin(), names.end());
    out.insert(out.end(), folders.begin(), folders.end());
    out.insert(out.end(), list.begin(), list.end());
    out.insert(out.end(), data.begin(), data.end());
    return out;
}

// One stored folder holding the given files back to back.
struct NamedData {
    std::string name;
    std::string data;
    uint16_t attributes = 0x20;
};
inline MiniCabinet SimpleCabinet(const std::vector<NamedData>& files) {
    MiniCabinet c;
    std::vector<uint8_t> all;
    for (const NamedData& f : files) {
        MiniFile m;
        m.name = f.name;
        m.size = (uint32_t)f.data.size();
        m.folderOffset = (uint32_t)all.size();
        m.attributes = f.attributes;
        c.files.push_back(m);
        all.insert(all.end(), f.data.begin(), f.data.end());
    }
    std::vector<std::vector<uint8_t>> blocks;
    for (size_t at = 0; at < all.size(); at += 32768)
        blocks.emplace_back(all.begin() + at, all.begin() + std::min(all.size(), at + 32768));
    c.folders.push_back(blocks);
    return c;
}

#endif
