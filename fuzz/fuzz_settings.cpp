// Fuzzes the settings block: the input is written behind a stand-in stub and
// read by LoadSettings through the POSIX platform layer, with every message
// box answered at once. Any length, kind or flag must load without a fault
// and leave every text readable.
#include <stdint.h>
#include <stdio.h>
#include <string.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "FrontEnd.h"
#include "PosixUi.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static std::string path;
    if (path.empty()) {
        char tmpl[] = "/tmp/fuzz_settings_XXXXXX";
        int fd = mkstemp(tmpl);
        if (fd < 0) return 0;
        close(fd);
        path = tmpl;
        PosixSetModulePath(path.c_str());
        PosixUiHooks().messageBox = [](const char* text, const char* caption, unsigned) {
            return (int)(strlen(text) + strlen(caption)) % 8;
        };
    }
    std::vector<uint8_t> file(SettingsBlockOffset, 0);
    file[0] = 'M';
    file[1] = 'Z';
    file.insert(file.end(), data, data + size);
    FILE* f = fopen(path.c_str(), "wb");
    if (!f) return 0;
    fwrite(file.data(), 1, file.size(), f);
    fclose(f);

    PosixDialog dialog;
    MainDialog(&dialog, MsgInitDialog, 0, 0);
    volatile size_t total = strlen(sfxSettings.openAfterExtract) +
                            strlen(sfxSettings.messageCaption) + strlen(sfxSettings.messageText) +
                            dialog.texts[IdFolder].size();
    (void)total;
    return 0;
}
