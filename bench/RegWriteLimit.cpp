// The limit of the Apply figure: writes a list of registry values with
// each key opened once and kept open until every value is written.
// With --read-first it is the limit of a writer that must know each
// value's prior state first (an undo record): every value is read once,
// through its key kept open, before any is written.
// Usage: RegWriteLimit.exe [--read-first] list.txt, one value a line:
//     key<TAB>name<TAB>REG_DWORD<TAB>decimal     (key under HKEY_LOCAL_MACHINE)
// A name "(Default)" is the key's default value. Exit code 0, or 1 with a
// line on standard error naming what could not be written.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const bool readFirst = argc == 3 && std::string(argv[1]) == "--read-first";
    if (argc != 2 && !readFirst) {
        std::fprintf(stderr, "usage: RegWriteLimit [--read-first] list.txt\n");
        return 2;
    }
    const char* listPath = argv[argc - 1];
    std::ifstream list(listPath);
    if (!list) {
        std::fprintf(stderr, "RegWriteLimit: cannot read %s\n", listPath);
        return 1;
    }
    struct Line {
        HKEY key;
        std::string name, shown;
        DWORD value;
    };
    std::vector<Line> lines;
    std::map<std::string, HKEY> open;
    std::string line;
    int status = 0;
    while (std::getline(list, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        std::vector<std::string> fields;
        std::stringstream split(line);
        for (std::string field; std::getline(split, field, '\t');) fields.push_back(field);
        if (fields.size() != 4 || fields[2] != "REG_DWORD") {
            std::fprintf(stderr, "RegWriteLimit: not a REG_DWORD line: %s\n", line.c_str());
            return 1;
        }
        HKEY& key = open[fields[0]];
        if (!key) {
            // Quintel.exe writes the 64-bit view; so does the limit.
            const REGSAM access = KEY_SET_VALUE | (readFirst ? KEY_QUERY_VALUE : 0) | KEY_WOW64_64KEY;
            const LONG created = RegCreateKeyExA(HKEY_LOCAL_MACHINE, fields[0].c_str(), 0, nullptr, 0,
                                                 access, nullptr, &key, nullptr);
            if (created != ERROR_SUCCESS) {
                std::fprintf(stderr, "RegWriteLimit: cannot open %s: error %ld\n", fields[0].c_str(), created);
                return 1;
            }
        }
        const DWORD value = static_cast<DWORD>(std::strtoul(fields[3].c_str(), nullptr, 10));
        const std::string name = fields[1] == "(Default)" ? "" : fields[1];
        if (readFirst) {
            // One query with a buffer any DWORD or short text fits in.
            BYTE prior[256];
            DWORD size = sizeof prior, type = 0;
            const LONG read = RegQueryValueExA(key, name.c_str(), nullptr, &type, prior, &size);
            if (read != ERROR_SUCCESS && read != ERROR_FILE_NOT_FOUND) {
                std::fprintf(stderr, "RegWriteLimit: cannot read %s\\%s: error %ld\n", fields[0].c_str(),
                             fields[1].c_str(), read);
                return 1;
            }
        }
        lines.push_back({key, name, fields[0] + "\\" + fields[1], value});
    }
    for (const Line& write : lines) {
        const LONG set = RegSetValueExA(write.key, write.name.c_str(), 0, REG_DWORD,
                                        reinterpret_cast<const BYTE*>(&write.value), sizeof write.value);
        if (set != ERROR_SUCCESS) {
            std::fprintf(stderr, "RegWriteLimit: cannot write %s: error %ld\n", write.shown.c_str(), set);
            status = 1;
        }
    }
    for (auto& entry : open) RegCloseKey(entry.second);
    return status;
}
