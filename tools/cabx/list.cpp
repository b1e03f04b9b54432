// cabx list: printing a listing. Plain lines give size, date and time,
// attribute letters and the name with '/' between directories (control
// characters escaped); -v adds the
// folder (counted across the set), the method, the cabinet that lists the
// file and the attributes in words; --json gives every field, names as
// stored (converted to UTF-8).
#include <stdio.h>

#include <algorithm>
#include <string>
#include <vector>

#include "cabx.h"

namespace cabx {

std::string AttributeWords(uint16_t a) {
    static const struct {
        uint16_t bit;
        const char* word;
    } kWords[] = {{0x01, "read-only"}, {0x02, "hidden"},     {0x04, "system"},
                  {0x20, "archive"},   {0x40, "executable"}, {0x80, "utf8-name"}};
    std::string s;
    for (const auto& w : kWords)
        if (a & w.bit) s += (s.empty() ? "" : ",") + std::string(w.word);
    return s.empty() ? "-" : s;
}

namespace {

void PrintJson(const Args& args, const std::vector<ListRow>& rows,
               const std::vector<std::string>& cabinets, uint64_t total) {
    printf("{\"archive\": %s, \"cabinets\": [", JsonString(args.archive).c_str());
    for (size_t i = 0; i < cabinets.size(); ++i)
        printf("%s%s", i ? ", " : "", JsonString(cabinets[i]).c_str());
    printf("], \"files\": [\n");
    for (size_t i = 0; i < rows.size(); ++i) {
        const ListRow& e = rows[i];
        printf("  {\"name\": %s, \"size\": %u, \"datetime\": \"%s\", \"attributes\": %u, "
               "\"folder\": %u, \"method\": %s, \"cabinet\": %s}%s\n",
               JsonString(e.name).c_str(), e.size, DosDateTimeText(e.date, e.time, 'T').c_str(),
               e.attributes, e.folder, JsonString(e.method).c_str(), JsonString(e.cabinet).c_str(),
               i + 1 < rows.size() ? "," : "");
    }
    printf("], \"fileCount\": %zu, \"totalSize\": %llu}\n", rows.size(), (unsigned long long)total);
}

void PrintVerbose(const std::vector<ListRow>& rows) {
    size_t method = 6, cabinet = 7, words = 10;
    for (const ListRow& e : rows) {
        method = std::max(method, e.method.size());
        cabinet = std::max(cabinet, Printable(e.cabinet).size());
        words = std::max(words, AttributeWords(e.attributes).size());
    }
    printf("%12s  %-19s  %6s  %-*s  %-*s  %-*s  %s\n", "size", "date       time", "folder",
           int(method), "method", int(cabinet), "cabinet", int(words), "attributes", "name");
    for (const ListRow& e : rows)
        printf("%12u  %s  %6u  %-*s  %-*s  %-*s  %s\n", e.size,
               DosDateTimeText(e.date, e.time, ' ').c_str(), e.folder, int(method),
               e.method.c_str(), int(cabinet), Printable(e.cabinet).c_str(), int(words),
               AttributeWords(e.attributes).c_str(), SlashSeparated(Printable(e.name)).c_str());
}

}  // namespace

void PrintListing(const Args& args, const std::vector<ListRow>& rows,
                  const std::vector<std::string>& cabinets) {
    uint64_t total = 0;
    for (const ListRow& e : rows) total += e.size;
    if (args.json) return PrintJson(args, rows, cabinets, total);
    if (args.verbose) {
        PrintVerbose(rows);
    } else {
        for (const ListRow& e : rows)
            printf("%12u  %s  %s  %s\n", e.size, DosDateTimeText(e.date, e.time, ' ').c_str(),
                   AttributeText(e.attributes).c_str(), SlashSeparated(Printable(e.name)).c_str());
    }
    printf("%zu files, %llu bytes, %zu cabinet%s\n", rows.size(), (unsigned long long)total,
           cabinets.size(), cabinets.size() == 1 ? "" : "s");
}

}  // namespace cabx
