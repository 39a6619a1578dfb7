// The one place that turns a program and its arguments into the command
// line Windows passes to a new process. A started program splits its line
// again with the C runtime's rules (those of CommandLineToArgvW), so each
// argument is quoted just enough to come back out exactly as given: a
// program path with blanks cannot be misread as a shorter path plus
// arguments, and a quote or backslashes before one survive the split.
#pragma once

#include <string>
#include <vector>

namespace quintel {

// One argument as the C runtime reads it back: unchanged when it has no
// blank, tab, line break or quote and is not empty; otherwise in quotes,
// with every quote escaped by a backslash and the backslashes before a
// quote (or before the closing quote) doubled.
std::string QuoteArgument(const std::string& argument);

// The program as the first word of a command line: in quotes when it has a
// blank or a tab. The first word is read up to the next quote, with no
// escapes, which is why a program path cannot hold a quote (no Windows
// path can).
std::string QuoteProgram(const std::string& program);

// The program and its arguments, separated by single blanks.
std::string MakeCommandLine(const std::string& program, const std::vector<std::string>& arguments);

}  // namespace quintel
