// A stopwatch for measuring how long the program's own steps take.
#pragma once

#include <cstdint>

namespace quintel {

class Stopwatch {
public:
    virtual ~Stopwatch() = default;
    // Microseconds since the process was created; never runs backwards.
    virtual std::int64_t Microseconds() = 0;
};

}  // namespace quintel
