// The time of day from the system clock, and the time Windows started.
#pragma once

#include "platform/Clock.h"

namespace quintel::win32 {

class Win32Clock : public Clock {
public:
    UnixSeconds Now() override;
    // The boot time the NT kernel keeps, where there is one; else the
    // time now less the milliseconds since the start, which 95, 98 and ME
    // count in 32 bits (they cannot run past the 49.7 days at which the
    // count wraps).
    Result<UnixSeconds> BootTime() override;
};

}  // namespace quintel::win32
