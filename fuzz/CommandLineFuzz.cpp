// The command line as any bytes: every input is one of the known kinds,
// /findmtu's host is a single word,
// the program's name (quoted or not) never leaks into the argument,
// switches ignore case and take "-" as well as "/".
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "core/switches/CommandLine.h"

using namespace quintel;

namespace {

bool Known(CommandKind kind) {
    switch (kind) {
    case CommandKind::MainWindow:
    case CommandKind::Companion:
    case CommandKind::Show:
    case CommandKind::Apply:
    case CommandKind::Restore:
    case CommandKind::Export:
    case CommandKind::FindMtu:
    case CommandKind::Undo:
    case CommandKind::Verify:
    case CommandKind::Help:
    case CommandKind::Invalid:
        return true;
    }
    return false;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string CaseChanged(std::string text, bool upper) {
    for (char& c : text) {
        if (upper && c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (!upper && c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const Command command = ParseCommandLine(text);
    FUZZ_CHECK(Known(command.Kind));
    // The text kept for messages is the argument without blanks around it.
    FUZZ_CHECK(command.Text.empty() || (!IsBlank(command.Text.front()) && !IsBlank(command.Text.back())));
    FUZZ_CHECK(text.find(command.Text) != std::string::npos);
    if (command.Text.empty()) FUZZ_CHECK(command.Kind == CommandKind::MainWindow);

    // Case never matters.
    FUZZ_CHECK(ParseCommandLine(CaseChanged(text, true)).Kind == command.Kind);
    FUZZ_CHECK(ParseCommandLine(CaseChanged(text, false)).Kind == command.Kind);

    // "/name" and "-name" are the same switch when the name starts with a
    // letter or "?" (with a digit, "-" makes a number instead).
    const std::string& t = command.Text;
    if (t.size() > 1 && (t[0] == '/' || t[0] == '-') &&
        (std::isalpha(static_cast<unsigned char>(t[1])) || t[1] == '?')) {
        FUZZ_CHECK(ParseCommandLine("/" + t.substr(1)).Kind == command.Kind);
        FUZZ_CHECK(ParseCommandLine("-" + t.substr(1)).Kind == command.Kind);
    }
    if (command.Kind == CommandKind::Show || command.Kind == CommandKind::Apply ||
        command.Kind == CommandKind::Restore || command.Kind == CommandKind::Help ||
        command.Kind == CommandKind::Export || command.Kind == CommandKind::FindMtu) {
        FUZZ_CHECK(t[0] == '/' || t[0] == '-');
    }
    // Only /export carries a file, never empty, never with a quote in it.
    FUZZ_CHECK((command.Kind == CommandKind::Export) == !command.Path.empty());
    FUZZ_CHECK(command.Path.find('"') == std::string::npos);
    // /findmtu's host is one word of the argument, or none.
    if (command.Kind == CommandKind::FindMtu) {
        FUZZ_CHECK(t.find(command.Host) != std::string::npos);
        for (char c : command.Host) FUZZ_CHECK(!IsBlank(c));
    } else {
        FUZZ_CHECK(command.Host.empty());
    }

    // After the program's name, quoted or not, the argument is the rest.
    const Command plain = ParseCommandLine(ArgumentText("Quintel.exe " + text));
    const Command quoted = ParseCommandLine(ArgumentText("\"C:\\Program Files\\Quintel\\Quintel.exe\"" + text));
    FUZZ_CHECK(plain.Text == command.Text && plain.Kind == command.Kind);
    FUZZ_CHECK(quoted.Text == command.Text && quoted.Kind == command.Kind);
    return 0;
}
