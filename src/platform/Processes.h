// Starting programs as separate processes, with the window style they
// should open with, and finding the programs that come with Windows.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Result.h"

namespace quintel {

// ShowWindow values, as the started program's first window should be shown.
namespace show {
constexpr int Hide = 0;
constexpr int Normal = 1;
constexpr int MinimizedActive = 2;
constexpr int Show = 5;
}  // namespace show

// A process started to be waited for; it is let go when this goes.
class WaitableProcess {
public:
    virtual ~WaitableProcess() = default;
    // Waits until the process has ended, calling `pump` between short
    // waits so the caller's windows stay responsive.
    virtual void WaitForExit(const std::function<void()>& pump) = 0;
};

class ProcessLauncher {
public:
    virtual ~ProcessLauncher() = default;
    // Starts the program at the full path `program` (nothing is searched
    // for it) with the command line MakeCommandLine gives for it and its
    // arguments, and lets it go: nobody waits for it. Answers the new
    // process's identifier, or why it could not start (an empty path
    // never starts: the program was not found).
    virtual Result<std::uint32_t> Start(const std::string& program, const std::vector<std::string>& arguments,
                                int windowStyle) = 0;
    // Starts the program as Start does, kept to be waited for.
    virtual Result<std::unique_ptr<WaitableProcess>> StartToWait(const std::string& program,
                                                         const std::vector<std::string>& arguments,
                                                         int windowStyle) = 0;
    // The full path of a program that comes with Windows ("regedit.exe",
    // "rundll32.exe"): in the Windows folder (where Windows 95, 98 and ME
    // keep both), else in the system folder. Never the application
    // folder or the current folder, which a user may be able to write to.
    // Empty when neither folder holds it.
    virtual std::string SystemProgram(const std::string& name) = 0;
};

}  // namespace quintel
