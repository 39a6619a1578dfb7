// Milliseconds since an arbitrary start that never run backwards, for the
// keep-alive schedule.
#pragma once

#include <cstdint>

namespace quintel::korvet {

// Widens a 32-bit millisecond counter that wraps every 49.7 days. Sound
// as long as it sees the counter at least once per wrap, which the
// once-a-second timer ensures.
class WrapCounter {
public:
    std::uint64_t Extend(std::uint32_t ticks) {
        if (seen_ && ticks < last_) high_ += std::uint64_t{1} << 32;
        seen_ = true;
        last_ = ticks;
        return high_ | ticks;
    }

private:
    bool seen_ = false;
    std::uint32_t last_ = 0;
    std::uint64_t high_ = 0;
};

// GetTickCount64 where Windows has it (Vista and later), otherwise
// GetTickCount widened.
class SteadyClock {
public:
    SteadyClock();
    std::uint64_t Now();

private:
    // The entry is kept untyped here so this header needs no <windows.h>.
    void (*tickCount64_)() = nullptr;
    WrapCounter counter_;
};

}  // namespace quintel::korvet
