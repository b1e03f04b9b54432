// cabx help texts: each command's usage line and description, the general
// usage, and the usage error every command prints for a wrong command line.
// The manual page (cabx.1) describes the same options; a test keeps the two
// in step.
#include <stdio.h>

#include <string>

#include "cabx.h"

namespace cabx {
namespace {

struct Command {
    const char* name;
    const char* usage;
    const char* help;
};

const Command kCommands[] = {
    {"list", "cabx list [-v | --json] [--encoding CHARSET] [-L] [-F PATTERN]... ARCHIVE",
     "List the files of a cabinet, a set of cabinets, or the cabinet inside a\n"
     "self-extracting executable: size, date and time, attributes (r read-only,\n"
     "h hidden, s system, a archive, x executable, u UTF-8 name) and name with '/'\n"
     "between directories, then a summary line. The other cabinets of a set are\n"
     "looked up beside ARCHIVE; given a later cabinet of a set, list, test and\n"
     "extract work from the first one when it is there.\n"
     "\n"
     "  -v, --verbose also the folder (counted across the set), the compression\n"
     "                method, the cabinet that lists the file and the attributes\n"
     "                in words\n"
     "  --json        machine-readable listing: name, size, datetime, attributes,\n"
     "                folder, method and cabinet of every file\n"
     "  --encoding CHARSET\n"
     "                character set of names without the UTF-8 attribute, by its\n"
     "                iconv name (CP932, CP936, CP949, CP1251, CP437, ISO-8859-2, ...);\n"
     "                default CP1252. Bytes that do not convert are shown as %XX\n"
     "  -L, --lowercase\n"
     "                lower-case the names as listed\n"
     "  -F PATTERN    only names matching the shell pattern (repeatable)\n"},
    {"test", "cabx test [-q] [--keep-going] [--encoding CHARSET] [-L] [-F PATTERN]... ARCHIVE",
     "Decode every file and verify the block checksums without writing anything.\n"
     "Exit status 0 only if everything is sound.\n"
     "\n"
     "  -q, --quiet   no progress display and no summary\n"
     "  --encoding CHARSET\n"
     "                character set of names without the UTF-8 attribute, by its\n"
     "                iconv name (CP932, CP936, CP949, CP1251, CP437, ISO-8859-2, ...);\n"
     "                default CP1252. Bytes that do not convert are shown as %XX\n"
     "  -L, --lowercase\n"
     "                lower-case the names in messages\n"
     "  -F PATTERN    only names matching the shell pattern (repeatable)\n"
     "  --keep-going  salvage: a damaged block, folder or cabinet does not end the\n"
     "                run; every intact file is still checked, each failure is\n"
     "                reported on a line of its own (file, cabinet, reason), exit 1\n"},
    {"extract",
     "cabx extract [-d DIR] [-n] [-q] [-p] [--keep-going] [--max-output BYTES]\n"
     "                [--encoding CHARSET] [-L] [-F PATTERN]... ARCHIVE",
     "Extract the files into DIR (default: the current directory). Stored names are\n"
     "made safe: '\\' and '/' separate directories, leading separators, drive\n"
     "prefixes and '..' that would climb out of DIR are dropped, and no symbolic\n"
     "link is followed. A set of cabinets is extracted whole from its first cabinet.\n"
     "The folders of a single cabinet (see create --folder-size) are decoded in\n"
     "parallel, up to one pass per CPU (at most 4). Each file is written beside its\n"
     "place unnamed (or under a temporary name where the file system cannot) and\n"
     "takes its real name only once complete: a file that fails part-way is removed,\n"
     "and a file it would replace is kept.\n"
     "\n"
     "  -d DIR        destination directory (created if missing)\n"
     "  -n            keep existing files instead of overwriting them\n"
     "  -q, --quiet   no progress display\n"
     "  -p            write the file data to standard output instead\n"
     "  --max-output BYTES\n"
     "                stop with an error before the files' data passes BYTES in\n"
     "                total (default: no limit)\n"
     "  --encoding CHARSET\n"
     "                character set of names without the UTF-8 attribute, by its\n"
     "                iconv name (CP932, CP936, CP949, CP1251, CP437, ISO-8859-2, ...);\n"
     "                default CP1252. Bytes that do not convert are shown as %XX\n"
     "  -L, --lowercase\n"
     "                lower-case the names of the extracted files\n"
     "  -F PATTERN    only names matching the shell pattern (repeatable)\n"
     "  --keep-going  salvage: a damaged block, folder or cabinet does not end the\n"
     "                run; every intact file is still extracted, each failure is\n"
     "                reported on a line of its own (file, cabinet, reason), nothing\n"
     "                damaged is left under its real name, exit 1\n"},
    {"create",
     "cabx create [-m METHOD] [--max-size BYTES] [--folder-size BYTES]\n"
     "                [--reserve H,F,B] [--set-id N] OUT.cab PATH...",
     "Write a cabinet (or a set of cabinets) from files and directories, which are\n"
     "recursed. Stored names are the paths as given, relative, separated by '\\';\n"
     "DIR/. (or .) stores the directory's contents under names relative to DIR.\n"
     "A link to a file is stored as the file under the link's name; links to\n"
     "directories and special files are skipped with a warning. OUT.cab may be a\n"
     "device or a pipe (e.g. /dev/stdout) for a single cabinet.\n"
     "\n"
     "  -m METHOD        mszip[:LEVEL 0-9] (default, level 6), lzx[:BITS 15-21],\n"
     "                   quantum[:BITS 10-21] or none (stored)\n"
     "  --max-size BYTES split into a set of cabinets of at most BYTES each:\n"
     "                   OUT.cab, then OUT2.cab, OUT3.cab, ...\n"
     "  --folder-size BYTES\n"
     "                   start a new folder (an independent compressed stream,\n"
     "                   which extraction can decode in parallel) at the next file\n"
     "                   once the current folder holds BYTES of input; files are\n"
     "                   never split between folders. 0 puts everything in one\n"
     "                   folder; default 8388608 (8 MiB)\n"
     "  --reserve H,F,B  reserve areas: header (0-65535), folder and block (0-255)\n"
     "                   bytes\n"
     "  --set-id N       set ID written into every cabinet (0-65535; default random)\n"},
    {"sfx",
     "cabx sfx [--stub FILE] [-m METHOD] [--folder F] [--open NAME] [--caption C]\n"
     "                [--message M] [--kind info|yesno|okcancel] [--confirm-overwrite]\n"
     "                [--encoding CHARSET] OUT.exe CABINET|PATH...",
     "Make a self-extracting archive for Windows: the stub, its settings block and a\n"
     "cabinet. A single argument that is a cabinet is taken as it is; otherwise the\n"
     "files and directories given are packed into one cabinet.\n"
     "\n"
     "  --stub FILE      the stub (default: $CABX_STUB, else Stub.exe beside cabx)\n"
     "  -m METHOD        mszip[:LEVEL 0-9] (default), lzx[:BITS 15-21],\n"
     "                   quantum[:BITS 10-21] or none\n"
     "  --folder F       default destination folder shown to the user\n"
     "  --open NAME      file to open once extraction is done\n"
     "  --caption C      caption of the start-up message\n"
     "  --message M      start-up message, shown before the dialog\n"
     "  --kind KIND      the message's buttons: info (default), yesno or okcancel;\n"
     "                   No or Cancel ends the program\n"
     "  --confirm-overwrite\n"
     "                   ask before replacing an existing file\n"
     "  --encoding CHARSET\n"
     "                   the Windows code page the archive is for, by its iconv name\n"
     "                   (default CP1252): the stub takes names and texts in the\n"
     "                   system's code page, so they are written in it; UTF-8 keeps\n"
     "                   them as given\n"
     "\n"
     "The stub writes '_' for what is unsafe in a name on Windows (bytes from 0xE0\n"
     "up, ':*?\"<>|', the first letter of a device such as AUX or COM1, a directory's\n"
     "trailing dots and spaces); a warning names such files. Two names it would\n"
     "write to one file, or as a file and a directory, are refused, as is a ready\n"
     "cabinet with UTF-8 names outside ASCII unless --encoding is UTF-8.\n"},
    {"info", "cabx info ARCHIVE",
     "Describe a self-extracting archive or a cabinet: the settings block, the\n"
     "cabinet's header, folders and files.\n"},
};

const Command* Find(const std::string& name) {
    for (const Command& c : kCommands)
        if (name == c.name) return &c;
    return nullptr;
}

}  // namespace

void PrintUsage(FILE* to) {
    fprintf(to, "usage: cabx COMMAND [OPTIONS] ARCHIVE\n\ncommands:\n");
    for (const Command& c : kCommands) fprintf(to, "  %s\n", c.usage);
    fprintf(to, "\n'cabx COMMAND --help' describes a command, 'cabx --version' gives the\n"
                "version. Exit status: 0 success, 1 failure, 2 usage error.\n");
}

int UsageError(const char* command, const std::string& message) {
    const Command* c = Find(command);
    fprintf(stderr, "cabx %s: %s\nusage: %s\n(more: cabx %s --help)\n", command, message.c_str(),
            c ? c->usage : command, command);
    return kExitUsage;
}

bool IsCommand(const std::string& name) { return Find(name) != nullptr; }

bool PrintCommandHelp(const std::string& name) {
    const Command* c = Find(name);
    if (!c) return false;
    printf("usage: %s\n\n%s", c->usage, c->help);
    return true;
}

}  // namespace cabx

