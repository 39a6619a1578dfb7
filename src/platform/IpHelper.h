// The computer's own IPv4 address, as the status bar shows it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "platform/Result.h"

namespace quintel {

// The four bytes as they lie in memory (network order): 10.0.0.1 is
// {10, 0, 0, 1}.
using Ipv4Address = std::array<std::uint8_t, 4>;

class IpHelper {
public:
    virtual ~IpHelper() = default;
    // The first address the system lists, in the system's own order
    // (loopback too, when it comes first); nothing when it lists none. An
    // error when the system cannot be asked at all: Windows 95 and NT
    // before service pack 4 lack the IP Helper library.
    virtual Result<std::optional<Ipv4Address>> LocalIPv4() = 0;
};

}  // namespace quintel
