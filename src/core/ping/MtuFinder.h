// The largest-MTU search against a real host: the host's address, one
// probe echo, and the whole search in one call for the command line. The
// window drives MtuSearch itself, one echo at a time off its thread.
#pragma once

#include <cstdint>
#include <string>

#include "core/ping/MtuSearch.h"
#include "platform/Network.h"

namespace quintel {

// The address to send the echoes to, as its bytes lie in memory: a dotted
// address as the ping reads one, or a name looked up (the sockets layer
// started and stopped around it). Shows nothing: the error's text is a
// sentence for the user.
Result<std::uint32_t> MtuSearchAddress(Sockets& sockets, const std::string& host);

// One echo of `payload` bytes marked not to be split. The error is why no
// echo could be sent at all (no ICMP library).
Result<EchoOutcome> SendProbe(Icmp& icmp, std::uint32_t address, int payload);

struct MtuFinding {
    bool Found = false;
    int Mtu = 0;
    int Echoes = 0;
    std::string Text;  // the answer or the reason, for the user
};

// The whole search, waiting for each echo in turn.
MtuFinding FindLargestMtu(Sockets& sockets, Icmp& icmp, const std::string& host);

}  // namespace quintel
