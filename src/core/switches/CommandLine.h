// The program's command line: one optional argument. A number starts the
// companion (or, for 0, the window); a switch runs one engine command
// without a window, for scripts and deployment.
#pragma once

#include <string>

namespace quintel {

enum class CommandKind {
    MainWindow,  // empty, or a number that rounds to 0
    Companion,   // any other number
    Show,        // /show
    Apply,       // /apply
    Restore,     // /restore
    Undo,        // /undo
    Verify,      // /verify
    Help,        // /? or /help
    Invalid,     // anything else
};

struct Command {
    CommandKind Kind = CommandKind::MainWindow;
    std::string Text;  // the argument as given, for messages
};

// The argument text of a whole command line: what follows the program's
// name, which may be quoted.
std::string ArgumentText(const std::string& commandLine);

// Switches are case-insensitive and may start with "/" or "-"; "-1" is a
// number, not a switch.
Command ParseCommandLine(const std::string& arguments);

}  // namespace quintel
