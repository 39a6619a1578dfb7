// Asking Windows to restart: the privilege a process needs for it, and the
// request itself.
#pragma once

#include "platform/Result.h"

namespace quintel {

class Shutdown {
public:
    virtual ~Shutdown() = default;
    // Enables "SeShutdownPrivilege" in the process token; failures are
    // quiet, as on Windows without that security model.
    virtual void EnableShutdownPrivilege() = 0;
    // Asks Windows to end the session and start again; the system's error
    // when it refused.
    virtual Result<> RequestRestart() = 0;
};

}  // namespace quintel
