#include "core/ping/KeepAlive.h"

#include "core/text/NumberText.h"

namespace quintel {

int KeepAlive::IntervalMinutes(const PingSettings& settings) {
    const double minutes = LeadingNumber(settings.PingInterval);
    const std::int32_t whole = RoundToInt32(minutes);
    return whole >= 1 && whole <= 60 ? whole : 5;
}

void KeepAlive::Tick(Milliseconds now) {
    if (!started_) {
        started_ = true;
        last_ = now;
        return;
    }
    if (paused_) return;
    const PingSettings settings = load_();
    const Milliseconds interval = static_cast<Milliseconds>(IntervalMinutes(settings)) * 60000;
    if (now - last_ < interval) return;
    last_ = now;
    ping_(settings);
}

void KeepAlive::Resume(Milliseconds now) {
    if (!paused_) return;
    paused_ = false;
    last_ = now;
}

}  // namespace quintel
