// The progress line on standard error: files and bytes so far and the file
// being extracted, redrawn at most once a second.
#include <stdio.h>
#include <time.h>

#include "archive.h"

namespace cabx {

Progress gProgress;

// name: the file now offered, or null.
void ShowProgress(bool force, const std::string* name) {
    if (!gProgress.enabled) return;
    std::lock_guard<std::mutex> lock(gProgress.mutex);
    if (name) gProgress.name = *name;
    time_t now = time(nullptr);
    if (!force && now == gProgress.shown) return;
    gProgress.shown = now;
    fprintf(stderr, "\r\033[K%u files, %llu bytes: %s", gProgress.files.load(),
            (unsigned long long)gProgress.bytes.load(), Printable(gProgress.name).c_str());
    fflush(stderr);
}
void EndProgress() {
    if (!gProgress.enabled) return;
    std::lock_guard<std::mutex> lock(gProgress.mutex);
    if (gProgress.shown) fprintf(stderr, "\r\033[K");
}

}  // namespace cabx
