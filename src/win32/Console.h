// Output for the command-line switches of a GUI-subsystem program: the
// standard handles when the caller redirected them, otherwise the console
// of the parent process (cmd.exe) when there is one.
#pragma once

#include <string>

namespace quintel::win32 {

class ConsoleOutput {
public:
    ConsoleOutput();
    // Writes what was collected to the standard output and error handles.
    ~ConsoleOutput();
    ConsoleOutput(const ConsoleOutput&) = delete;
    ConsoleOutput& operator=(const ConsoleOutput&) = delete;

    // No streams: they would bring the C++ locale machinery, most of the
    // program's size, into a statically linked exe.
    std::string& out() { return out_; }
    std::string& err() { return err_; }

private:
    std::string out_;
    std::string err_;
};

}  // namespace quintel::win32
