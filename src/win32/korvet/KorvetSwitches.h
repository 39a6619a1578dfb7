// The companion's command line: nothing to run it, or one switch that
// controls the copy already running.
#pragma once

#include <string>

namespace quintel::korvet {

enum class Action {
    Run,      // no argument
    Stop,     // /stop
    Pause,    // /pause
    Resume,   // /resume
    Unknown,  // anything else
};

// Switches ignore case and accept "-" for "/", as Quintel.exe's do.
Action ParseArguments(const std::string& arguments);

}  // namespace quintel::korvet
