#include "win32/korvet/KorvetSwitches.h"

#include <cctype>

namespace quintel::korvet {

Action ParseArguments(const std::string& arguments) {
    const auto first = arguments.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return Action::Run;
    const auto last = arguments.find_last_not_of(" \t\r\n");
    const std::string text = arguments.substr(first, last - first + 1);
    if (text.size() < 2 || (text[0] != '/' && text[0] != '-')) return Action::Unknown;

    std::string name;
    for (char c : text.substr(1)) name += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (name == "stop") return Action::Stop;
    if (name == "pause") return Action::Pause;
    if (name == "resume") return Action::Resume;
    return Action::Unknown;
}

}  // namespace quintel::korvet
