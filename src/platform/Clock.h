// A clock for measuring how long the program's own steps take.
#pragma once

#include <cstdint>

namespace quintel {

class Clock {
public:
    virtual ~Clock() = default;
    // Microseconds since the process was created; never runs backwards.
    virtual std::int64_t Microseconds() = 0;
};

}  // namespace quintel
