// Starting programs and command lines as separate processes that nobody
// waits for, with the window style they should open with.
#pragma once

#include <cstdint>
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
};

}  // namespace quintel
