// Drops the page cache of every regular file below the given directories
// (posix_fadvise DONTNEED), once they have been written back.
//
// The extraction benchmark keeps each to-disk run's output until its end;
// left in the page cache, those gigabytes made later runs to RAM here up to
// four times slower to write (the copy into fresh page-cache pages slows
// down on this virtual machine when little memory is free), for every tool
// alike. The files stay on disk; only their cached pages go.
//
// usage: forget_pages DIR...
#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    int failures = 0;
    for (int i = 1; i < argc; ++i) {
        std::error_code error;
        for (fs::recursive_directory_iterator it(argv[i], error), end; !error && it != end;
             it.increment(error)) {
            if (!it->is_regular_file(error)) continue;
            int fd = open(it->path().c_str(), O_RDONLY | O_CLOEXEC);
            if (fd < 0 || posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED) != 0) ++failures;
            if (fd >= 0) close(fd);
        }
        if (error) {
            fprintf(stderr, "forget_pages: %s: %s\n", argv[i], error.message().c_str());
            ++failures;
        }
    }
    return failures ? 1 : 0;
}
