// The time of day and the time Windows started, for telling whether the
// last change to the registry was made before this start of Windows (its
// values are in use) or after it (they wait for a restart).
#pragma once

#include <cstdint>

#include "platform/Result.h"

namespace quintel {

// Seconds since 1970-01-01 00:00 UTC.
using UnixSeconds = std::int64_t;

class Clock {
public:
    virtual ~Clock() = default;
    // The time now.
    virtual UnixSeconds Now() = 0;
    // When Windows started; the system's error when it cannot say.
    virtual Result<UnixSeconds> BootTime() = 0;
};

}  // namespace quintel
