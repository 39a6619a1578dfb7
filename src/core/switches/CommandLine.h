// The program's command line: one optional argument. A number starts the
// companion (or, for 0, the window); a switch runs one engine command
// without a window, for scripts and deployment. /export alone takes a
// file after it.
#pragma once

#include <string>

namespace quintel {

enum class CommandKind {
    MainWindow,  // empty, or a number that rounds to 0
    Companion,   // any other number
    Show,        // /show
    Apply,       // /apply
    Restore,     // /restore
    Export,      // /export FILE
    FindMtu,     // /findmtu [host]
    Undo,        // /undo
    Verify,      // /verify
    Help,        // /? or /help
    Invalid,     // anything else
};

struct Command {
    CommandKind Kind = CommandKind::MainWindow;
    std::string Text;  // the argument as given, for messages
    std::string Path;  // /export's file, without its quotes
    // Why a command line of a known switch is Invalid all the same (a
    // missing file), for the message; empty for an unknown switch.
    std::string Problem;
    std::string Host;  // /findmtu's host; empty for the ping host
};

// The argument text of a whole command line: what follows the program's
// name, which may be quoted.
std::string ArgumentText(const std::string& commandLine);

// Switches are case-insensitive and may start with "/" or "-"; "-1" is a
// number, not a switch.
Command ParseCommandLine(const std::string& arguments);

}  // namespace quintel
