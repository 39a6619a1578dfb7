// Reading a help project (.hhp): its options and the files it compiles.
// Shared by the host check of the sources and the Windows check of the
// compiled guide, so both read the project the same way.
#pragma once

#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace quintel::help {

inline std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// ASCII only: the help compiler and the help viewer fold case that way.
inline std::string Lower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

struct HelpProject {
    std::map<std::string, std::string> options;  // keys in lower case
    std::vector<std::string> files;
};

inline HelpProject ParseHelpProject(const std::string& text) {
    HelpProject project;
    std::istringstream lines(text);
    std::string line, section;
    while (std::getline(lines, line)) {
        line = Trim(line);
        if (line.empty() || line[0] == ';') continue;
        if (line.front() == '[' && line.back() == ']') {
            section = Lower(line.substr(1, line.size() - 2));
        } else if (section == "options") {
            const auto equals = line.find('=');
            if (equals != std::string::npos)
                project.options[Lower(Trim(line.substr(0, equals)))] = Trim(line.substr(equals + 1));
        } else if (section == "files") {
            project.files.push_back(line);
        }
    }
    return project;
}

}  // namespace quintel::help
