#include "core/text/TipLines.h"

#include <utility>

namespace quintel {

std::vector<std::string> TipLines(const std::string& contents) {
    std::vector<std::string> lines;
    std::string line;
    std::size_t i = 0;
    while (i < contents.size()) {
        const char c = contents[i++];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i < contents.size() && contents[i] == '\n') ++i;
            lines.push_back(std::move(line));
            line.clear();
        } else {
            line += c;
        }
    }
    if (!line.empty()) lines.push_back(std::move(line));
    return lines;
}

}  // namespace quintel
