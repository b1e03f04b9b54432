// The sfx and info commands of cabx on their own, for the end-to-end script
// and the tests: sfx_tool sfx ARGS... | sfx_tool info ARCHIVE.
#include <stdio.h>
#include <string.h>

#include "sfx_commands.h"

int main(int argc, char** argv) {
    if (argc >= 2 && strcmp(argv[1], "sfx") == 0) return cabx::SfxCommand(argc - 2, argv + 2);
    if (argc >= 2 && strcmp(argv[1], "info") == 0) return cabx::InfoCommand(argc - 2, argv + 2);
    fprintf(stderr, "usage: %s sfx ARGS... | info ARCHIVE\n", argv[0]);
    return 2;
}
