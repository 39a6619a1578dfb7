#include "core/system/ProgramCommandLine.h"

namespace quintel {

namespace {
bool NeedsQuotes(const std::string& text, const char* specials) {
    return text.empty() || text.find_first_of(specials) != std::string::npos;
}
}  // namespace

std::string QuoteArgument(const std::string& argument) {
    if (!NeedsQuotes(argument, " \t\n\v\"")) return argument;
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        // Backslashes count as escapes only in front of a quote.
        if (c == '"') backslashes = backslashes * 2 + 1;
        quoted.append(backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    // Before the closing quote every backslash is doubled, so that a
    // folder ending in one does not swallow the quote.
    quoted.append(backslashes * 2, '\\');
    quoted += '"';
    return quoted;
}

std::string QuoteProgram(const std::string& program) {
    if (!NeedsQuotes(program, " \t")) return program;
    return '"' + program + '"';
}

std::string MakeCommandLine(const std::string& program, const std::vector<std::string>& arguments) {
    std::string line = QuoteProgram(program);
    for (const std::string& argument : arguments) line += ' ' + QuoteArgument(argument);
    return line;
}

}  // namespace quintel
