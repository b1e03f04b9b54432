// The self-extractor front end on Linux, in a terminal: runs the main dialog
// over a self-extracting archive. The Windows stub ignores its command line;
// here the archive to treat as the running executable may be named.
#include <stdio.h>
#include <stdlib.h>

#include "FrontEnd.h"
#include "PosixUi.h"

int main(int argc, char** argv) {
    if (argc > 2 || (argc == 2 && argv[1][0] == '-')) {
        fprintf(stderr, "usage: %s [ARCHIVE.exe]\n", argv[0]);
        return 2;
    }
    if (argc == 2) {
        char resolved[4096];
        if (!realpath(argv[1], resolved)) {
            perror(argv[1]);
            return 1;
        }
        PosixSetModulePath(resolved);
    }
    PosixDialog dialog;
    PosixRunDialog(&dialog);
    return 0;
}
