// Work that must not hold up the window's thread (waiting for echoes on
// the network), run on a thread of its own; what it found is handed back
// to the window's thread, so the windows stay responsive meanwhile.
#pragma once

#include <functional>

#include "platform/Result.h"

namespace quintel {

class BackgroundWork {
public:
    virtual ~BackgroundWork() = default;
    // Runs `work` on another thread, then `done` on the thread that called
    // this one (the window's), from its message loop. `work` must touch
    // nothing the window's thread uses; it hands its findings to `done`
    // through what the two share. Nothing runs when no thread could be
    // started: the error says why.
    virtual Result<> Run(std::function<void()> work, std::function<void()> done) = 0;
};

}  // namespace quintel
