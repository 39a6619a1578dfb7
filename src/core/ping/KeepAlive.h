// The companion's schedule: a ping every PingInterval minutes, with the
// settings read again before each decision so a change made on the ping
// tab takes effect at once. Time comes from the caller, so the schedule
// can be tested without waiting.
#pragma once

#include <cstdint>
#include <functional>

#include "core/ping/PingSettings.h"

namespace quintel {

class KeepAlive {
public:
    using Milliseconds = std::uint64_t;

    // `load` reads the current settings; `ping` sends one keep-alive ping
    // (the steps of "Ping Now") to the host it is given.
    KeepAlive(std::function<PingSettings()> load, std::function<void(const PingSettings&)> ping)
        : load_(std::move(load)), ping_(std::move(ping)) {}

    // Called often (every second or so) with a steady clock. Pings when the
    // interval since the last ping (or since the start) has passed.
    void Tick(Milliseconds now);

    void Pause() { paused_ = true; }
    // Resuming starts a fresh interval: no burst of missed pings.
    void Resume(Milliseconds now);
    bool Paused() const { return paused_; }

    // The interval in minutes of the settings: 1 to 60, or 5 when the text
    // is not such a number.
    static int IntervalMinutes(const PingSettings& settings);

private:
    std::function<PingSettings()> load_;
    std::function<void(const PingSettings&)> ping_;
    bool started_ = false;
    bool paused_ = false;
    Milliseconds last_ = 0;
};

}  // namespace quintel
