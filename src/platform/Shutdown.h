// Asking Windows to restart: the privilege a process needs for it, and the
// request itself.
#pragma once

#include <cstdint>

namespace quintel {

namespace exitwindows {
constexpr std::uint32_t Reboot = 2;  // EWX_REBOOT
}

class Shutdown {
public:
    virtual ~Shutdown() = default;
    // Enables "SeShutdownPrivilege" in the process token; failures are
    // quiet, as on Windows without that security model.
    virtual void EnableShutdownPrivilege() = 0;
    // ExitWindowsEx; the answer is the platform's.
    virtual long RequestExit(std::uint32_t flags, std::uint32_t reserved) = 0;
};

}  // namespace quintel
