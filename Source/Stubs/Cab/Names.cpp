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
// platform trims) gets its dots replaced, so ".." can never climb out, and
// a component named like a device gets a '_' (GuardDevice).
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
// stands in a path: "aux.c" or "NUL" would write nowhere, "COM1" to a
// port. The device names are CON, PRN, AUX, NUL, and COM and LPT followed by
// a digit or by superscript 1, 2 or 3 (0xB9, 0xB2, 0xB3 in the Western code
// page), in any case. The stem's last character becomes '_'.
void GuardDevice(char* begin, char* end) {
    static const char kDevices[] = "CONPRNAUXNULCOMLPT";  // 3-letter names first
    char* stem = begin;
    while (stem < end && *stem != '.') ++stem;
    while (stem > begin && stem[-1] == ' ') --stem;
    const uint32_t n = (uint32_t)(stem - begin);
    if (n != 3 && n != 4) return;
    for (const char* d = kDevices; *d; d += 3) {
        uint32_t k = 0;
        while (k < 3 && (begin[k] & ~0x20) == d[k]) ++k;  // ASCII letters in any case
        if (k < 3) continue;
        const bool numbered = d >= kDevices + 12;
        const uint8_t last = (uint8_t)begin[3];
        if (n == 3 ? !numbered
                   : numbered && ((last >= '0' && last <= '9') || last == 0xB9 || last == 0xB2 ||
                                  last == 0xB3))
            stem[-1] = '_';
        return;
    }
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
