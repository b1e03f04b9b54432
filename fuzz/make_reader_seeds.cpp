// Writes small writer-made cabinets as seed inputs for the reader fuzz
// target: make_reader_seeds DIR
#include <stdio.h>

#include <string>
#include <vector>

#include "cab_writer.h"

using namespace cabwriter;

static Entry Make(const std::string& name, size_t size, unsigned folder, uint16_t attributes) {
    Entry e;
    e.name = name;
    e.folder = folder;
    e.attributes = attributes;
    for (size_t i = 0; i < size; ++i) e.data.push_back((uint8_t)("seed text "[i % 10] + i / 97));
    return e;
}

static void Save(const std::string& path, const std::vector<uint8_t>& bytes) {
    FILE* f = fopen(path.c_str(), "wb");
    if (!f) return;
    fwrite(bytes.data(), 1, bytes.size(), f);
    fclose(f);
}

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    std::string dir = argv[1];
    std::vector<Entry> files = {Make("a.txt", 300, 0, 0x20), Make("dir\\b.bin", 40, 0, 0x41),
                                Make("empty", 0, 1, 0x01), Make("c", 900, 1, 0x80)};
    Options two;
    two.folders = {FolderSpec{}, FolderSpec{}};
    Save(dir + "/stored.cab", WriteCabinet(files, two));

    Options reserve = two;
    reserve.headerReserve = 5;
    reserve.folderReserve = 2;
    reserve.blockReserve = 3;
    reserve.blockSize = 256;
    Save(dir + "/reserve.cab", WriteCabinet(files, reserve));

    Options set = two;
    set.maxCabinetSize = 700;
    set.blockSize = 200;
    std::vector<Cabinet> cabs;
    std::string why;
    if (WriteCabinets(files, set, &cabs, &why))
        for (size_t i = 0; i < cabs.size() && i < 2; ++i)
            Save(dir + "/set-" + std::to_string(i + 1) + ".cab", cabs[i].bytes);
    else
        fprintf(stderr, "set: %s\n", why.c_str());
    return 0;
}
