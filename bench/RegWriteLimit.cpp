// The limit of the Apply figure: writes a list of registry values with
// each key opened once and kept open until every value is written.
// With --read-first it is the limit of a writer that must find its keys
// and know each value's prior state first (an undo record), as Apply
// must: it lists the subkeys of each key the list names with LIST (the
// network interfaces), then reads every value once, through its key kept
// open, before any is written.
// Usage: RegWriteLimit.exe [--read-first] list.txt, one value a line:
//     key<TAB>name<TAB>REG_DWORD<TAB>decimal     (key under HKEY_LOCAL_MACHINE)
//     LIST<TAB>key                               (listed with --read-first only)
// A name "(Default)" is the key's default value. Exit code 0, or 1 with a
// line on standard error naming what could not be written.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const bool readFirst = argc == 3 && std::string(argv[1]) == "--read-first";
    if (argc != 2 && !readFirst) {
        std::fprintf(stderr, "usage: RegWriteLimit [--read-first] list.txt\n");
        return 2;
    }
    const char* listPath = argv[argc - 1];
    // Read whole, without streams, as a program built like Quintel.exe reads.
    HANDLE file = CreateFileA(listPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        std::fprintf(stderr, "RegWriteLimit: cannot read %s\n", listPath);
        return 1;
    }
    std::string text;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) text.append(buffer, got);
    CloseHandle(file);
    struct Line {
        HKEY key;
        std::string name, shown;
        DWORD value;
    };
    std::vector<Line> lines;
    std::map<std::string, HKEY> open;
    int status = 0;
    for (std::size_t start = 0, end; start < text.size(); start = end + 1) {
        end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        std::vector<std::string> fields;
        for (std::size_t from = 0, tab;; from = tab + 1) {
            tab = line.find('\t', from);
            fields.push_back(line.substr(from, tab == std::string::npos ? std::string::npos : tab - from));
            if (tab == std::string::npos) break;
        }
        if (fields.size() == 2 && fields[0] == "LIST") {
            if (!readFirst) continue;
            HKEY list = nullptr;
            if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, fields[1].c_str(), 0, KEY_ENUMERATE_SUB_KEYS | KEY_WOW64_64KEY,
                              &list) != ERROR_SUCCESS) {
                std::fprintf(stderr, "RegWriteLimit: cannot open %s\n", fields[1].c_str());
                return 1;
            }
            char subkey[256];
            DWORD length = sizeof subkey;
            for (DWORD index = 0; RegEnumKeyExA(list, index, subkey, &length, nullptr, nullptr, nullptr, nullptr) ==
                                  ERROR_SUCCESS;
                 ++index, length = sizeof subkey) {
            }
            RegCloseKey(list);
            continue;
        }
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
