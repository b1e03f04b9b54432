// Walking and cleaning multi-byte path names.
//
// Names are strings of the system's ANSI code page. In a double-byte code
// page the second byte of a character may have any value from 0x40 up,
// including 0x5C ('\') and the forbidden characters, so every walk steps by
// LeadByteTable: a lead byte and its trail byte are one character, and the
// trail byte is never taken for a separator or replaced.
//
// A stored name comes from the archive and is not trusted: cleaning makes it
// a relative path below the destination folder. Leading separators, '?' and
// a drive prefix are skipped, control and reserved characters become '_',
// '/' becomes '\', a component made only of dots (and spaces, which the
// platform trims) gets its dots replaced, so ".." can never climb out, a
// component named like a device gets a '_' (GuardDevice), and so do the
// trailing dots and spaces of a directory's name (GuardTrailing).
#include <string.h>

#include "FrontEnd.h"

uint8_t LeadByteTable[256];

void BuildLeadByteTable() {
    LeadByteTable[0] = 0;
    for (int v = 1; v < 256; ++v) LeadByteTable[v] = PlatformIsLeadByte((uint8_t)v) ? 2 : 1;
}

namespace {

// The step from p: 1 or 2, or 0 at the terminator and for a lead byte cut
// off by the terminator (the walk ends there; it never steps over the end).
uint32_t Step(const char* p) {
    uint32_t step = LeadByteTable[(uint8_t)*p];
    return (step == 2 && p[1] == 0) ? 0 : step;
}

bool IsSkippedLead(char c) { return c == '/' || c == '\\' || c == '?'; }

// A component of only dots and spaces would mean this folder or a parent
// once the platform trims it: its dots become '_'.
void GuardDots(char* begin, char* end) {
    bool dots = false;
    for (char* p = begin; p < end; ++p) {
        if (*p == '.')
            dots = true;
        else if (*p != ' ')
            return;
    }
    if (!dots) return;
    for (char* p = begin; p < end; ++p)
        if (*p == '.') *p = '_';
}

// A component whose stem (the text before its first dot, less trailing
// spaces) is a device name opens that device instead of a file, wherever it
// stands in a path: "aux.c" or "NUL" would write nowhere, "COM1" to a port.
// The device names, in any case: CON, PRN, AUX, NUL, CONIN$, CONOUT$, and
// COM and LPT followed by a digit or by superscript 1, 2 or 3 (0xB9, 0xB2,
// 0xB3 in the Western code page; '#' below). The stem's first letter becomes
// '_', which keeps apart names that differ in the rest ("_OM1", "_OM2").
void GuardDevice(char* begin, char* end) {
    static const char kDevices[] = "CON\0PRN\0AUX\0NUL\0COM#\0LPT#\0CONIN$\0CONOUT$\0";
    char* stem = begin;
    while (stem < end && *stem != '.') ++stem;
    while (stem > begin && stem[-1] == ' ') --stem;
    const size_t n = (size_t)(stem - begin);
    for (const char* d = kDevices; *d; d += strlen(d) + 1) {
        if (strlen(d) != n) continue;
        size_t k = 0;
        for (; k < n; ++k) {
            const uint8_t c = (uint8_t)begin[k];
            if (d[k] == '#' ? !((c >= '0' && c <= '9') || c == 0xB9 || c == 0xB2 || c == 0xB3)
                            : (c & ~0x20) != (d[k] & ~0x20))  // letters in any case
                break;
        }
        if (k == n) {
            *begin = '_';
            return;
        }
    }
}

// Windows drops the trailing dots and spaces of the directory it creates
// but not of a directory named on the way to a file, so "dir \f" would
// create "dir" and then fail to open "dir \f": in a directory's name they
// become '_'. (A file's own name loses them in both places alike.)
void GuardTrailing(char* begin, char* end) {
    while (end > begin && (end[-1] == '.' || end[-1] == ' ')) *--end = '_';
}

}  // namespace

bool AppendText(char* dst, uint32_t cap, const char* src) {
    size_t have = strlen(dst);
    size_t add = strlen(src);
    if (have + add + 1 > cap) return false;
    memcpy(dst + have, src, add + 1);
    return true;
}

int SplitPath(const char* path) {
    int last = -1;
    for (const char* p = path; uint32_t step = Step(p); p += step)
        if (step == 1 && (*p == '\\' || *p == '/')) last = (int)(p - path);
    return last;
}

char* CleanTargetName(char* name) {
    char* s = name;
    while (IsSkippedLead(*s)) ++s;
    if (s[0] && s[1] == ':') s += 2;
    while (IsSkippedLead(*s)) ++s;

    char* component = s;
    char* p = s;
    for (uint32_t step; (step = Step(p)) != 0; p += step) {
        if (step == 2) continue;
        uint8_t c = (uint8_t)*p;
        if (c == '\\' || c == '/') {
            GuardDots(component, p);
            GuardDevice(component, p);
            GuardTrailing(component, p);
            *p = 0;
            PlatformCreateDirectory(s);
            *p = '\\';
            component = p + 1;
        } else if (c < 0x20 || (c >= 0x7F && c <= 0x9F) || c >= 0xE0 ||
                   (c != 0 && strchr(":*?\"<>|", c))) {
            *p = '_';
        }
    }
    GuardDots(component, p);
    GuardDevice(component, p);
    return s;
}

void CreateFolderLevels(char* folder) {
    uint32_t count = 0;
    for (char* p = folder; uint32_t step = Step(p); p += step, ++count) {
        if (count >= 4 && step == 1 && *p == '\\') {
            *p = 0;
            PlatformCreateDirectory(folder);
            *p = '\\';
        }
    }
}
