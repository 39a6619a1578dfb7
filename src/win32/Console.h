// Output for the command-line switches of a GUI-subsystem program: the
// standard handles when the caller redirected them, otherwise the console
// of the parent process (cmd.exe) when there is one.
#pragma once

#include <ostream>
#include <sstream>

namespace quintel::win32 {

class ConsoleOutput {
public:
    ConsoleOutput();
    // Writes what was collected to the standard output and error handles.
    ~ConsoleOutput();
    ConsoleOutput(const ConsoleOutput&) = delete;
    ConsoleOutput& operator=(const ConsoleOutput&) = delete;

    std::ostream& out() { return out_; }
    std::ostream& err() { return err_; }

private:
    std::ostringstream out_;
    std::ostringstream err_;
};

}  // namespace quintel::win32
