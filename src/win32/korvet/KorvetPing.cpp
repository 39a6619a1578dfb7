#include "win32/korvet/KorvetPing.h"

#include "core/text/Paths.h"
#include "core/ping/Pinger.h"

namespace quintel::korvet {

namespace {
constexpr std::uint32_t PingTimeout = 1000;
}  // namespace

PingSettings KorvetPing::Load() {
    return settings_.Load(files_, AppFilePath(folder_, PingFileName));
}

void KorvetPing::Ping(const PingSettings& settings) {
    Pinger ping(sockets_, icmp_, boxes_, "Quintel");
    // Nobody sits in front of the companion to answer a box.
    ping.SetQuiet(true);
    ping.Ping(settings.PingHost, PingTimeout);
    if (settings.PingSound) PlayPingSound(files_, player_, folder_);
}

}  // namespace quintel::korvet
