// Starting programs and command lines as separate processes that nobody
// waits for, with the window style they should open with.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

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
    // Returns the new process's identifier, or 0 when it could not start.
    virtual std::uint32_t Start(const std::string& commandLine, int windowStyle) = 0;
    // Waits until the process has ended, calling `pump` between short
    // waits so the caller's windows stay responsive. False when the process
    // cannot be waited for.
    virtual bool WaitForExit(std::uint32_t process, const std::function<void()>& pump) = 0;
};

}  // namespace quintel
