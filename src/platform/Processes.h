// Starting programs as separate processes, with the window style they
// should open with, and finding the programs that come with Windows.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace quintel {

// ShowWindow values, as the started program's first window should be shown.
namespace show {
constexpr int Hide = 0;
constexpr int Normal = 1;
constexpr int MinimizedActive = 2;
constexpr int Show = 5;
}  // namespace show

class ProcessLauncher {
public:
    virtual ~ProcessLauncher() = default;
    // Starts the program at the full path `program` (nothing is searched
    // for it) with the command line MakeCommandLine gives for it and its
    // arguments. Returns the new process's identifier, or 0 when it could
    // not start (an empty path never starts).
    virtual std::uint32_t Start(const std::string& program, const std::vector<std::string>& arguments,
                                int windowStyle) = 0;
    // Waits until the process has ended, calling `pump` between short
    // waits so the caller's windows stay responsive. False when the process
    // cannot be waited for.
    virtual bool WaitForExit(std::uint32_t process, const std::function<void()>& pump) = 0;
    // The full path of a program that comes with Windows ("regedit.exe",
    // "rundll32.exe"): in the Windows folder (where Windows 95, 98 and ME
    // keep both), else in the system folder. Never the application
    // folder or the current folder, which a user may be able to write to.
    // Empty when neither folder holds it.
    virtual std::string SystemProgram(const std::string& name) = 0;
};

}  // namespace quintel
