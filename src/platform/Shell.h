// The shell's "open" action: a document, a web address or a mailto: link
// opened by the program registered for it.
#pragma once

#include <string>

#include "platform/Result.h"

namespace quintel {

class Shell {
public:
    virtual ~Shell() = default;
    // ShellExecuteA with the verb "open", no parameters and no working
    // folder. A failure carries the shell's answer (32 or less) as its code.
    virtual Result<> Open(const std::string& target, int showCommand) = 0;
};

enum class KeepAliveState {
    NotRunning,  // no companion: nothing to pause or resume
    Running,
    Paused,
};

// Pausing and resuming the keep-alive companion, when it runs.
class KeepAliveControl {
public:
    virtual ~KeepAliveControl() = default;
    virtual void Pause() = 0;
    virtual void Resume() = 0;
    // Asked of the companion itself: it alone knows whether it is paused,
    // whoever paused it and whenever.
    virtual KeepAliveState State() = 0;
};

}  // namespace quintel
