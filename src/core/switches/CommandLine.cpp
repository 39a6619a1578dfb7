#include "core/switches/CommandLine.h"

#include "core/text/NumberText.h"

#include <cctype>
#include <cmath>

namespace quintel {

namespace {

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// "/export" followed by a file, in quotes or not; a path with blanks needs
// none, as it cannot be taken for a second switch.
Command ExportCommand(Command command, const std::string& rest) {
    const std::string path = Trim(rest);
    bool usable = !path.empty();
    if (usable && path.front() == '"') {
        usable = path.size() > 2 && path.back() == '"' &&
                 path.find('"', 1) == path.size() - 1;
        command.Path = usable ? path.substr(1, path.size() - 2) : std::string();
        usable = usable && !Trim(command.Path).empty();
    } else {
        usable = usable && path.find('"') == std::string::npos;
        command.Path = usable ? path : std::string();
    }
    if (usable) {
        command.Kind = CommandKind::Export;
    } else {
        command.Kind = CommandKind::Invalid;
        command.Path.clear();
        command.Problem = path.empty() ? "/export needs the file to write: /export FILE.reg"
                                       : "/export takes one file, in quotes or not: " + path;
    }
    return command;
}

// A host given in quotes, as a script may quote every argument.
std::string Unquoted(const std::string& text) {
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
        return Trim(text.substr(1, text.size() - 2));
    }
    return text;
}

}  // namespace

std::string ArgumentText(const std::string& commandLine) {
    std::size_t i = 0;
    while (i < commandLine.size() && (commandLine[i] == ' ' || commandLine[i] == '\t')) ++i;
    if (i < commandLine.size() && commandLine[i] == '"') {
        const auto close = commandLine.find('"', i + 1);
        i = close == std::string::npos ? commandLine.size() : close + 1;
    } else {
        while (i < commandLine.size() && commandLine[i] != ' ' && commandLine[i] != '\t') ++i;
    }
    return Trim(commandLine.substr(i));
}

Command ParseCommandLine(const std::string& arguments) {
    Command command;
    command.Text = Trim(arguments);
    const std::string& text = command.Text;
    if (text.empty()) {
        command.Kind = CommandKind::MainWindow;
        return command;
    }

    // A number rounds half to even, as the original reading of it did.
    double number = 0;
    if (ReadWholeNumber(text, number)) {
        command.Kind = std::nearbyint(number) == 0 ? CommandKind::MainWindow : CommandKind::Companion;
        return command;
    }

    if (text.size() > 1 && (text[0] == '/' || text[0] == '-')) {
        // The switches that take words after them: /export file, /findmtu host.
        const auto blank = text.find_first_of(" \t\r\n");
        const std::string word =
            Lower(text.substr(1, blank == std::string::npos ? std::string::npos : blank - 1));
        if (word == "export")
            return ExportCommand(command, blank == std::string::npos ? "" : text.substr(blank));
        if (word == "findmtu") {
            command.Kind = CommandKind::FindMtu;
            if (blank != std::string::npos) command.Host = Unquoted(Trim(text.substr(blank)));
            if (command.Host.find_first_of(" \t\r\n") != std::string::npos) {
                command.Kind = CommandKind::Invalid;
                command.Host.clear();
            }
            return command;
        }
        const std::string name = Lower(text.substr(1));
        if (name == "show") command.Kind = CommandKind::Show;
        else if (name == "apply") command.Kind = CommandKind::Apply;
        else if (name == "restore") command.Kind = CommandKind::Restore;
        else if (name == "undo") command.Kind = CommandKind::Undo;
        else if (name == "verify") command.Kind = CommandKind::Verify;
        else if (name == "?" || name == "help") command.Kind = CommandKind::Help;
        else command.Kind = CommandKind::Invalid;
        return command;
    }
    command.Kind = CommandKind::Invalid;
    return command;
}

}  // namespace quintel
