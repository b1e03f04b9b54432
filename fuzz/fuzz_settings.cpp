// Fuzzes the settings block: the input is written behind a stand-in stub and
// read by LoadSettings through the POSIX platform layer, with every message
// box answered at once. Any length, kind or flag must load without a fault
// and leave every text readable.
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "FrontEnd.h"
#include "PosixUi.h"

static std::string path;  // the stand-in stub, removed at exit

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (path.empty()) {
        // Every run rewrites the file: on a RAM file system where there is
        // one, so that the runs are not spent in the disk's file system.
        char tmpl[64];
        int fd = -1;
        for (const char* dir : {"/dev/shm", "/tmp"}) {
            snprintf(tmpl, sizeof tmpl, "%s/fuzz_settings_XXXXXX", dir);
            if ((fd = mkstemp(tmpl)) >= 0) break;
        }
        if (fd < 0) return 0;
        close(fd);
        path = tmpl;
        atexit([] { unlink(path.c_str()); });
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
